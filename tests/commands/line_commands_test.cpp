#include "commands/line_commands.h"

#include <gtest/gtest.h>

#include "convert/fake_editor.h"
#include "convert/transform_frame.h"

namespace plumex {
namespace {

using test::FakeEditor;

TEST(DeleteLine, RemovesTheCaretsLineWithItsOwnBreak) {
  const struct {
    const char* text;
    int caret;
    const char* after;
    int caretAfter;
  } cases[] = {
      {"one\ntwo\nthree", 5, "one\nthree", 4},
      {"one\ntwo\nthree", 4, "one\nthree", 4},  // at the line's start
      {"one\ntwo\nthree", 7, "one\nthree", 4},  // at its end, before the break
      {"one\ntwo\nthree", 0, "two\nthree", 0},
      {"one\n\nthree", 4, "one\nthree", 4},  // an empty middle line
      {"one\ntwo\nthree", 12, "one\ntwo\n", 8},  // the last line keeps the break above it
      {"only", 2, "", 0},
  };
  for (const auto& c : cases) {
    FakeEditor editor(c.text);
    editor.Select(c.caret, c.caret);
    EXPECT_TRUE(DeleteLine(editor)) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.Text(), c.after) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.SelStart(), c.caretAfter) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.SelLength(), 0);
    EXPECT_TRUE(editor.CanUndo()) << "Delete Line is one undoable step";
    EXPECT_FALSE(TransformBusy());
    EXPECT_EQ(editor.UpdateDepth(), 0);
  }
}

TEST(DeleteLine, UsesTheLineWhereTheSelectionEnds) {
  FakeEditor editor("one\ntwo\nthree");
  editor.Select(1, 5);
  EXPECT_TRUE(DeleteLine(editor));
  EXPECT_EQ(editor.Text(), "one\nthree");
}

TEST(DeleteLine, NothingToRemoveChangesNothing) {
  for (const char* text : {"", "one\n"}) {
    int changes = 0;
    FakeEditor editor(text, [&] { ++changes; });
    editor.Select(editor.Length(), editor.Length());
    EXPECT_FALSE(DeleteLine(editor)) << text;
    EXPECT_EQ(editor.Text(), text);
    EXPECT_EQ(changes, 0) << "no change event, so the document stays unmodified";
  }
}

TEST(DeleteLine, RefusedOnAReadOnlyText) {
  int changes = 0;
  FakeEditor editor("one\ntwo", [&] { ++changes; });
  editor.SetReadOnly(true);
  editor.Select(1, 1);
  EXPECT_FALSE(DeleteLine(editor));
  EXPECT_EQ(editor.Text(), "one\ntwo");
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(editor.ReadOnly());
}

}  // namespace
}  // namespace plumex
