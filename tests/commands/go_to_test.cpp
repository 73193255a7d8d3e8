#include "commands/go_to.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/fake_editor.h"

namespace plumex {
namespace {

using test::FakeEditor;

// Lines: 0 "one" at 0, 1 "two" at 4, 2 "" at 8, 3 "four" at 9; length 13.
constexpr const char* kText = "one\ntwo\n\nfour";

TEST(GoTo, LineFromOneClampedToTheText) {
  const struct { long long line; int start; } cases[] = {
      {1, 0}, {2, 4}, {3, 8}, {4, 9},
      {5, 9}, {LLONG_MAX, 9},  // past the end: the last line
      {0, 4}, {-7, 4},         // 0 and below: the caret's own line
  };
  for (const auto& c : cases) {
    FakeEditor editor(kText);
    editor.Select(5, 6);  // inside "two"
    EXPECT_EQ(LineStartForGoTo(editor, c.line), c.start) << c.line;
    GoToLine(editor, c.line);
    EXPECT_EQ(editor.SelStart(), c.start) << c.line;
    EXPECT_EQ(editor.SelLength(), 0) << c.line;
  }
  FakeEditor empty;
  for (long long line : {-1LL, 0LL, 1LL, 2LL, 1000000LL}) {
    GoToLine(empty, line);
    EXPECT_EQ(empty.SelStart(), 0) << line;
  }
}

TEST(GoTo, PercentToScrollValue) {
  const struct { long long percent; int minimum, maximum, value; } cases[] = {
      {0, 0, 100, 0},  {50, 0, 100, 50}, {100, 0, 100, 100}, {150, 0, 100, 100}, {-3, 0, 100, 0},
      {33, 0, 10, 3},  {35, 0, 10, 4},   {50, 10, 20, 15},
      {50, 0, 0, 0},   {50, 7, 3, 7},  // nothing to scroll
      {LLONG_MAX, 0, INT_MAX, INT_MAX}, {LLONG_MIN, -5, INT_MAX, -5}, {50, INT_MIN, INT_MAX, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScrollValueForPercent(c.percent, c.minimum, c.maximum), c.value)
        << c.percent << " of " << c.minimum << ".." << c.maximum;
}

TEST(GoTo, LineBookmarkKeepsTheLineNumberNotTheContent) {
  for (int type : {0, 7, -1}) EXPECT_EQ(BookmarkKindOf(type), BookmarkKind::Line) << type;
  Settings settings;
  settings.BookmarkType = 0;
  FakeEditor editor(kText);
  editor.Select(2, 10);  // ends on line 3
  SetQuickBookmark(editor, settings);
  EXPECT_EQ(settings.Bookmark, 3);

  editor.Select(0, 0);
  editor.Type("new\n");  // a line above the bookmark
  GoToQuickBookmark(editor, settings);
  EXPECT_EQ(editor.SelStart(), 12);  // line 3 is now the empty line
  EXPECT_EQ(editor.SelLength(), 0);

  editor.Load("short");
  GoToQuickBookmark(editor, settings);
  EXPECT_EQ(editor.SelStart(), 0);  // the text has one line left

  settings.Bookmark = -20;
  editor.Load(kText);
  editor.Select(13, 13);
  GoToQuickBookmark(editor, settings);
  EXPECT_EQ(editor.SelStart(), 0);
}

TEST(GoTo, CaretBookmarkIsClampedToAShorterText) {
  Settings settings;
  settings.BookmarkType = 1;
  EXPECT_EQ(BookmarkKindOf(settings.BookmarkType), BookmarkKind::Caret);
  FakeEditor editor(kText);
  editor.Select(11, 6);  // a backward selection: its start is 6
  SetQuickBookmark(editor, settings);
  EXPECT_EQ(settings.Bookmark, 6);
  editor.Select(0, 0);
  GoToQuickBookmark(editor, settings);
  EXPECT_EQ(editor.SelStart(), 6);

  editor.Load("abc");
  for (const auto& [bookmark, target] : {std::pair{6, 3}, std::pair{-1, 0}, std::pair{INT_MAX, 3}}) {
    settings.Bookmark = bookmark;
    GoToQuickBookmark(editor, settings);
    EXPECT_EQ(editor.SelStart(), target) << bookmark;
  }
}

}  // namespace
}  // namespace plumex
