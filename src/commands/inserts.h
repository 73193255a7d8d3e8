#pragma once
// The Insert menu's texts going in over the selection: a separator line, the
// signature, the date, a file, one character. Each is one non-undoable
// replace inside the transform frame; the editor's change event marks the
// document modified. A read-only text is never touched, and nothing goes in
// that would take the text past what the editor holds.
#include <string>
#include <string_view>
#include <vector>

#include "platform/editor.h"

namespace plumex {

enum class InsertOutcome {
  Inserted,
  Nothing,   // read-only, or no separator or signature to insert
  TooLarge,  // the text would pass the editor's limit; it is left as it was
};

// Where the caret ends: after the text, or before its closing line break
// (the end of its last line).
enum class CaretAfter { Text, LastLine };

// The editor's length were `bytes` to replace the selection: its own CR LF
// break counts one character.
long long LengthWith(const Editor& editor, std::string_view bytes);

// Replaces the selection with `bytes`, whose line breaks are already in the
// editor's own style; no bytes (an empty file) remove the selection.
InsertOutcome InsertText(Editor& editor, std::string_view bytes, int maxCharacters,
                         CaretAfter caret = CaretAfter::Text);

// `separator` and its line break; the caret ends at the end of the line.
InsertOutcome InsertSeparator(Editor& editor, std::string_view separator, int maxCharacters);

// Every line followed by a line break; the caret ends on the last line.
InsertOutcome InsertSignature(Editor& editor, const std::vector<std::string>& lines, int maxCharacters);

// A file's bytes as lines, each ended by `style`'s line break: CR LF, LF and
// a lone CR all end a line, a last line without an end gets one, and every
// other byte (NUL too) stays as it was.
std::string FileLines(std::string_view file, LineBreak style);

}  // namespace plumex
