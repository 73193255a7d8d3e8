#pragma once
// Text on its way between the clipboard and the document, both ways through
// the one Windows-1251 table.
#include <cstddef>
#include <string>
#include <string_view>

#include "convert/display_text.h"

namespace plumex {

struct ClipboardBytes {
  std::string bytes;
  std::size_t characters = 0;  // as the editor counts them: a line break is one
  std::size_t lost = 0;        // characters Windows-1251 lacks, now "?"
};

// CR LF, CR, LF and the Unicode line and paragraph separators each become
// one line break in `style`; a character outside the basic plane is one "?".
ClipboardBytes FromClipboardText(std::u16string_view text, LineBreak style);

// The document's line breaks leave as "\n"; every other byte as its
// character, so no-break spaces and stray CRs survive the trip.
std::u16string ToClipboardText(std::string_view bytes, LineBreak style);

}  // namespace plumex
