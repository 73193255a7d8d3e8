// The same cases on the fake editor the core tests use and on the real
// widget, so the fake cannot drift from what the window really does. Texts
// here are LF only: the fake knows no other line break.
#include <gtest/gtest.h>

#include <tuple>
#include <type_traits>

#include "platform/editor_widget.h"
#include "support/fake_editor.h"

namespace plumex {
namespace {

template <typename E>
class EditorContract : public ::testing::Test {
 protected:
  void SetUp() override {
    // The widget's scroll range is known only once it is laid out.
    if constexpr (std::is_base_of_v<QWidget, E>) editor.resize(400, 300), editor.show();
  }
  E editor;
};

using Editors = ::testing::Types<test::FakeEditor, EditorWidget>;
TYPED_TEST_SUITE(EditorContract, Editors);

TYPED_TEST(EditorContract, TextGoesInAndComesOutByteForByte) {
  Editor& e = this->editor;
  for (const std::string text : {"", "one\ntwo\n", "\xC0\xFF\x98\x01 end"}) {
    e.Load(text);
    const int size = static_cast<int>(text.size());  // and a short text is seen whole
    EXPECT_EQ(std::tuple(e.Text(), e.Length(), e.ByteSize(), e.SelStart(), e.CanUndo(), e.Percent()),
              std::tuple(text, size, static_cast<long long>(size), 0, false, 100));
  }
}

TYPED_TEST(EditorContract, SelectionAndRangesAreClampedToTheText) {
  Editor& e = this->editor;
  e.Load("abcdef");
  const struct { int anchor, caret, start, length; } cases[] = {
      {1, 4, 1, 3}, {4, 1, 1, 3}, {-5, 2, 0, 2}, {3, 99, 3, 3}, {-1, 99, 0, 6}, {9, 9, 6, 0}};
  for (const auto& c : cases) {
    e.Select(c.anchor, c.caret);
    EXPECT_EQ(std::tuple(e.SelStart(), e.SelLength(), e.SelectedText()),
              std::tuple(c.start, c.length, std::string("abcdef").substr(c.start, c.length))) << c.anchor << ".." << c.caret;
  }
  EXPECT_EQ(e.TextRange(-3, 2) + "|" + e.TextRange(4, 99) + "|" + e.TextRange(5, 2), "ab|ef|");
  e.SelectAll();
  EXPECT_EQ(e.SelectedText(), "abcdef");
}

TYPED_TEST(EditorContract, LinesCountFromZeroAndABreakIsOneCharacter) {
  Editor& e = this->editor;
  e.Load("one\ntwo\n\nfour");
  EXPECT_EQ(e.LineCount(), 4);
  const struct { int line, index; } starts[] = {{0, 0}, {1, 4}, {2, 8}, {3, 9}};
  for (const auto& s : starts) {
    EXPECT_EQ(e.LineIndex(s.line), s.index) << s.line;
    EXPECT_EQ(e.LineFromChar(s.index), s.line) << s.index;
  }
  EXPECT_EQ(std::tuple(e.LineFromChar(3), e.LineFromChar(-5), e.LineFromChar(99)), std::tuple(0, 0, 3))
      << "the break belongs to the line it ends";
}

TYPED_TEST(EditorContract, AReplaceLeavesTheCaretAfterItAndOnlyARecordedOneCanBeUndone) {
  Editor& e = this->editor;
  e.Load("ab\ncd");
  e.Select(4, 1);
  e.ReplaceSelection("XY\nZ", UndoMode::Record);
  EXPECT_EQ(std::tuple(e.Text(), e.SelStart(), e.SelLength(), e.LineCount()), std::tuple("aXY\nZd", 5, 0, 2));
  ASSERT_TRUE(e.CanUndo());
  e.Undo();
  EXPECT_EQ(e.Text(), "ab\ncd");
  e.SelectAll();
  e.ReplaceSelection("XYZW", UndoMode::Skip);
  EXPECT_FALSE(e.CanUndo()) << "no step may be undone across a rewrite undo did not record";
}

TYPED_TEST(EditorContract, AReadOnlyTextRefusesTheEditorsCommandsAndViewSettingsHold) {
  Editor& e = this->editor;
  e.Load("abc");
  e.Select(0, 0);
  e.ReplaceSelection("x", UndoMode::Record);
  e.SetReadOnly(true);
  e.Undo();
  e.Select(0, 2);
  e.Cut();
  e.Paste();
  EXPECT_EQ(std::pair(e.ReadOnly(), e.Text()), std::pair(true, std::string("xabc")));
  for (const bool on : {true, false}) {
    e.SetWordWrap(on);
    e.SetOverwrite(on);
    EXPECT_EQ(std::pair(e.WordWrap(), e.Overwrite()), std::pair(on, on));
  }
  for (const auto& [asked, got] : {std::pair{14, 14}, {1, 1}, {0, 1}, {-3, 1}}) {
    e.SetFontSize(asked);
    EXPECT_EQ(e.FontSize(), got) << asked;
  }
}

}  // namespace
}  // namespace plumex
