#include "commands/line_commands.h"

#include <gtest/gtest.h>

#include "support/fake_editor.h"

namespace plumex {
namespace {

TEST(DeleteLine, RemovesTheCaretsLineWithItsOwnBreakAsOneUndoableStep) {
  const struct { const char* text; int anchor, caret; bool readOnly; const char* after; int caretAfter; } cases[] = {
      {"one\ntwo\nthree", 5, 5, false, "one\nthree", 4}, {"one\ntwo\nthree", 4, 4, false, "one\nthree", 4},
      {"one\ntwo\nthree", 7, 7, false, "one\nthree", 4},  // at the line's end, before its break
      {"one\ntwo\nthree", 1, 5, false, "one\nthree", 4},  // the line where the selection ends
      {"one\ntwo\nthree", 0, 0, false, "two\nthree", 0}, {"one\n\nthree", 4, 4, false, "one\nthree", 4},
      {"one\ntwo\nthree", 12, 12, false, "one\ntwo\n", 8},  // the last line keeps the break above it
      {"only", 2, 2, false, "", 0},
      // Nothing to remove, or read-only: no change, so the document stays unmodified.
      {"", 0, 0, false, "", 0}, {"one\n", 4, 4, false, "one\n", 4}, {"one\ntwo", 1, 1, true, "one\ntwo", 1},
  };
  for (const auto& c : cases) {
    int changes = 0;
    test::FakeEditor editor(c.text, [&] { ++changes; });
    editor.SetReadOnly(c.readOnly);
    editor.Select(c.anchor, c.caret);
    const bool changed = std::string(c.after) != c.text;
    EXPECT_EQ(DeleteLine(editor), changed) << c.text << " @" << c.caret;
    EXPECT_EQ(editor.Text(), c.after) << c.text << " @" << c.caret;
    EXPECT_EQ(std::pair(editor.SelStart(), editor.SelLength()), std::pair(c.caretAfter, 0)) << c.text << " @" << c.caret;
    EXPECT_EQ(std::pair(changes > 0, editor.CanUndo()), std::pair(changed, changed)) << "one step undo can take back";
    EXPECT_FALSE(editor.TransformBusy());
    EXPECT_EQ(editor.UpdateDepth(), 0);
  }
}

}  // namespace
}  // namespace plumex
