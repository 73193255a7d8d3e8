#include "commands/go_to.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/fake_editor.h"

namespace plumex {
namespace {

using test::FakeEditor;

// Lines: 0 "one" at 0, 1 "two" at 4, 2 "" at 8, 3 "four" at 9; length 13.
constexpr const char* kText = "one\ntwo\n\nfour";

std::pair<int, int> Selection(const FakeEditor& editor) { return {editor.SelStart(), editor.SelLength()}; }

TEST(GoTo, LineFromOneClampedToTheText) {
  const struct { const char* text; long long line; int start; } cases[] = {
      {kText, 1, 0}, {kText, 2, 4}, {kText, 3, 8}, {kText, 4, 9},
      {kText, 5, 9}, {kText, LLONG_MAX, 9},  // past the end: the last line
      {kText, 0, 4}, {kText, -7, 4},         // 0 and below: the caret's own line
      {"", -1, 0},   {"", 1, 0},   {"", 1000000, 0},
  };
  for (const auto& c : cases) {
    FakeEditor editor(c.text);
    editor.Select(5, 6);  // inside "two"
    EXPECT_EQ(LineStartForGoTo(editor, c.line), c.start) << c.line;
    GoToLine(editor, c.line);
    EXPECT_EQ(Selection(editor), std::pair(c.start, 0)) << c.line;
  }
}

TEST(GoTo, PercentToScrollValue) {
  const struct { long long percent; int minimum, maximum, value; } cases[] = {
      {0, 0, 100, 0},  {50, 0, 100, 50}, {100, 0, 100, 100}, {150, 0, 100, 100}, {-3, 0, 100, 0},
      {33, 0, 10, 3},  {35, 0, 10, 4},   {50, 10, 20, 15},   {50, 0, 0, 0},     {50, 7, 3, 7},  // nothing to scroll
      {LLONG_MAX, 0, INT_MAX, INT_MAX}, {LLONG_MIN, -5, INT_MAX, -5}, {50, INT_MIN, INT_MAX, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScrollValueForPercent(c.percent, c.minimum, c.maximum), c.value) << c.percent << " of " << c.minimum;
}

// The line bookmark keeps the line number, not the content; the caret one a
// position; both are clamped to a text that has grown shorter.
TEST(GoTo, QuickBookmarkOfEitherKind) {
  for (int type : {0, 7, -1}) EXPECT_EQ(BookmarkKindOf(type), BookmarkKind::Line) << type;
  EXPECT_EQ(BookmarkKindOf(1), BookmarkKind::Caret);
  const struct { int type, anchor, caret, stored; const char* edited; int target; } cases[] = {
      {0, 2, 10, 3, "new\none\ntwo\n\nfour", 12},  // ends on line 3, which is now the empty line
      {0, 2, 10, 3, "short", 0},
      {1, 11, 6, 6, kText, 6},  // a backward selection: its start
      {1, 11, 6, 6, "abc", 3},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.BookmarkType = c.type;
    FakeEditor editor(kText);
    editor.Select(c.anchor, c.caret);
    SetQuickBookmark(editor, settings);
    EXPECT_EQ(settings.Bookmark, c.stored);
    editor.Load(c.edited);
    GoToQuickBookmark(editor, settings);
    EXPECT_EQ(Selection(editor), std::pair(c.target, 0)) << c.edited;
  }
}

}  // namespace
}  // namespace plumex
