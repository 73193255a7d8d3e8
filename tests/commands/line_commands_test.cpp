#include "commands/line_commands.h"

#include <gtest/gtest.h>

#include "support/fake_editor.h"
#include "commands/transform_frame.h"

namespace plumex {
namespace {

using test::FakeEditor;

TEST(DeleteLine, RemovesTheCaretsLineWithItsOwnBreak) {
  const struct { const char* text; int anchor, caret; const char* after; int caretAfter; } cases[] = {
      {"one\ntwo\nthree", 5, 5, "one\nthree", 4},
      {"one\ntwo\nthree", 4, 4, "one\nthree", 4},  // at the line's start
      {"one\ntwo\nthree", 7, 7, "one\nthree", 4},  // at its end, before the break
      {"one\ntwo\nthree", 1, 5, "one\nthree", 4},  // the line where the selection ends
      {"one\ntwo\nthree", 0, 0, "two\nthree", 0},
      {"one\n\nthree", 4, 4, "one\nthree", 4},      // an empty middle line
      {"one\ntwo\nthree", 12, 12, "one\ntwo\n", 8},  // the last line keeps the break above it
      {"only", 2, 2, "", 0},
  };
  for (const auto& c : cases) {
    FakeEditor editor(c.text);
    editor.Select(c.anchor, c.caret);
    EXPECT_TRUE(DeleteLine(editor)) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.Text(), c.after) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.SelStart(), c.caretAfter) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.SelLength(), 0);
    EXPECT_TRUE(editor.CanUndo()) << "Delete Line is one undoable step";
    EXPECT_FALSE(TransformBusy());
    EXPECT_EQ(editor.UpdateDepth(), 0);
  }
}

TEST(DeleteLine, NothingToRemoveOrReadOnlyChangesNothing) {
  const struct { const char* text; int caret; bool readOnly; } cases[] = {
      {"", 0, false}, {"one\n", 4, false}, {"one\ntwo", 1, true}};
  for (const auto& c : cases) {
    int changes = 0;
    FakeEditor editor(c.text, [&] { ++changes; });
    editor.SetReadOnly(c.readOnly);
    editor.Select(c.caret, c.caret);
    EXPECT_FALSE(DeleteLine(editor)) << c.text;
    EXPECT_EQ(editor.Text(), c.text);
    EXPECT_EQ(changes, 0) << "no change event, so the document stays unmodified";
    EXPECT_EQ(editor.ReadOnly(), c.readOnly);
  }
}

}  // namespace
}  // namespace plumex
