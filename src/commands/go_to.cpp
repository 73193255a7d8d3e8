#include "commands/go_to.h"

#include <algorithm>
#include <cmath>

namespace plumex {

int LineStartForGoTo(const Editor& editor, long long line) {
  if (line <= 0) {
    const int caret = editor.SelStart() + editor.SelLength();
    return editor.LineIndex(editor.LineFromChar(caret));
  }
  const long long last = editor.LineCount() - 1;
  return editor.LineIndex(static_cast<int>(std::min(line - 1, last)));
}

void GoToLine(Editor& editor, long long line) {
  const int start = LineStartForGoTo(editor, line);
  editor.Select(start, start);
}

BookmarkKind BookmarkKindOf(int bookmarkType) {
  return bookmarkType == 1 ? BookmarkKind::Caret : BookmarkKind::Line;
}

int BookmarkValue(const Editor& editor, BookmarkKind kind) {
  if (kind == BookmarkKind::Caret) return editor.SelStart();
  return editor.LineFromChar(editor.SelStart() + editor.SelLength());
}

int BookmarkTarget(const Editor& editor, BookmarkKind kind, long long bookmark) {
  const long long value = std::max(bookmark, 0LL);
  if (kind == BookmarkKind::Caret) return static_cast<int>(std::min<long long>(value, editor.Length()));
  // Stored from 0; LineStartForGoTo counts from 1.
  return LineStartForGoTo(editor, value + 1);
}

void SetQuickBookmark(const Editor& editor, Settings& settings) {
  settings.Bookmark = BookmarkValue(editor, BookmarkKindOf(settings.BookmarkType));
}

void GoToQuickBookmark(Editor& editor, const Settings& settings) {
  const int target = BookmarkTarget(editor, BookmarkKindOf(settings.BookmarkType), settings.Bookmark);
  editor.Select(target, target);
}

}  // namespace plumex
