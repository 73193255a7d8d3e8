#include "commands/inserts.h"

#include "commands/transform_frame.h"

namespace plumex {
long long LengthWith(const Editor& editor, std::string_view bytes) {
  long long pairs = 0;
  if (editor.LineBreakStyle() == LineBreak::CrLf)
    for (std::size_t i = bytes.find("\r\n"); i != std::string_view::npos; i = bytes.find("\r\n", i + 2)) ++pairs;
  return static_cast<long long>(editor.Length()) - editor.SelLength() + static_cast<long long>(bytes.size()) - pairs;
}

InsertOutcome InsertText(Editor& editor, std::string_view bytes, int maxCharacters, CaretAfter caret) {
  if (editor.ReadOnly()) return InsertOutcome::Nothing;
  // Cut short, the text would not be what the user asked for.
  if (LengthWith(editor, bytes) > maxCharacters) return InsertOutcome::TooLarge;
  BeginTransform(editor);
  editor.ReplaceSelection(bytes, UndoMode::Skip);
  if (caret == CaretAfter::LastLine) {
    // The closing break is one character, CR LF or not.
    const int end = editor.SelStart() - 1;
    editor.Select(end, end);
  }
  EndTransformCollapsed(editor);
  return InsertOutcome::Inserted;
}

InsertOutcome InsertSeparator(Editor& editor, std::string_view separator, int maxCharacters) {
  if (separator.empty()) return InsertOutcome::Nothing;
  return InsertSignature(editor, {std::string(separator)}, maxCharacters);
}

InsertOutcome InsertSignature(Editor& editor, const std::vector<std::string>& lines, int maxCharacters) {
  if (lines.empty()) return InsertOutcome::Nothing;
  const std::string_view lineBreak = LineBreakBytes(editor.LineBreakStyle());
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += lineBreak;
  }
  return InsertText(editor, text, maxCharacters, CaretAfter::LastLine);
}

std::string FileLines(std::string_view file, LineBreak style) {
  const std::string_view lineBreak = LineBreakBytes(style);
  std::string lines;
  lines.reserve(file.size() + file.size() / 16 + lineBreak.size());
  std::size_t start = 0;
  while (start < file.size()) {
    std::size_t end = file.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = file.size();
    lines.append(file, start, end - start);
    lines += lineBreak;
    start = end + (file.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace plumex
