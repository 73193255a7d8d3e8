#pragma once
// Word starts for the cyclic case change, over the editor's characters.
#include <string>
#include <string_view>
#include <utility>

#include "convert/letter_case.h"
#include "convert/display_text.h"

namespace plumex {

// One byte per editor character: a CR LF line break becomes one '\n', so
// positions here are the editor's positions.
std::string CharacterText(std::string_view bytes, LineBreak style);

// The start of the word to the left of `pos`; from a word's first character
// this is the start of the previous word. A word is a run of letters, digits
// and '_', or a run of other marks; a line break stands alone.
int WordStartLeft(std::string_view chars, int pos, const CaseTables& tables);
// The next word start to the right of `pos`, after the word and the blanks
// that follow it.
int WordStartRight(std::string_view chars, int pos, const CaseTables& tables);

// The [start, end) a cyclic case change works on when nothing is selected:
// the word around the caret with its trailing blanks; when that is a lone
// non-letter (a blank, a line break) or nothing, from the caret to the next
// word start instead.
std::pair<int, int> CaseCycleRange(std::string_view chars, int caret, const CaseTables& tables);

}  // namespace plumex
