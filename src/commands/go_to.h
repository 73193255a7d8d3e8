#pragma once
// Go to a line or a share of the text, and the one quick bookmark: position
// arithmetic over the editor, whose lines are its paragraphs (word wrap does
// not change them). Requests out of range are brought into range.
#include "config/settings.h"
#include "platform/editor.h"

namespace plumex {

enum class GoToMode { Line, Percent };

// The first character of line `line`, counted from 1. Line 0 or below means
// the caret's own line; a line past the end means the last line.
int LineStartForGoTo(const Editor& editor, long long line);
// Puts the caret there, with no selection.
void GoToLine(Editor& editor, long long line);

// What the quick bookmark holds (the BookmarkType setting): 0 a line index,
// 1 a caret position.
enum class BookmarkKind { Line, Caret };
BookmarkKind BookmarkKindOf(int bookmarkType);

// The value to store: the line of the selection's end, or the selection start.
int BookmarkValue(const Editor& editor, BookmarkKind kind);
// Where a stored value points in the current text, which may have grown
// shorter since: the start of that line, or that position, clamped.
int BookmarkTarget(const Editor& editor, BookmarkKind kind, long long bookmark);

void SetQuickBookmark(const Editor& editor, Settings& settings);
// Puts the caret at the bookmark, with no selection.
void GoToQuickBookmark(Editor& editor, const Settings& settings);

}  // namespace plumex
