#include "commands/line_commands.h"

#include "commands/transform_frame.h"

namespace plumex {

bool DeleteLine(Editor& editor) {
  if (editor.ReadOnly()) return false;
  const int line = editor.LineFromChar(editor.SelStart() + editor.SelLength());
  const int start = editor.LineIndex(line);
  const bool last = line + 1 >= editor.LineCount();
  const int end = last ? editor.Length() : editor.LineIndex(line + 1);
  if (end <= start) return false;  // an empty last line: nothing to remove

  BeginTransform(editor);
  editor.Select(start, end);
  editor.ReplaceSelection("", UndoMode::Record);
  EndTransformCollapsed(editor);
  return true;
}

}  // namespace plumex
