#include "commands/transform_frame.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/settings.h"
#include "support/fake_editor.h"
#include "support/published_code_pages.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

// A document in a fake editor wired like the window: every change of the
// text marks the document modified.
struct Window {
  explicit Window(std::string_view text) : editor(std::string(text), [this] { document.Modified = true; }) {}

  void Convert(EncodingCode from, EncodingCode to) { ConvertCodePage(editor, document, encoding, tables, from, to); }
  bool ChangeCase(CaseChange change, const AfterRewrite& after = {}) {
    return ChangeSelectionCase(editor, tables.Case(), change, after);
  }
  bool Cycle() { return CycleCase(editor, tables.Case()); }
  // The frame is closed and the caret sits at `caret` with nothing selected.
  void ExpectDoneAt(int caret) const {
    EXPECT_FALSE(TransformBusy());
    EXPECT_EQ(editor.UpdateDepth(), 0);
    EXPECT_EQ(editor.Caret(), caret);
    EXPECT_EQ(editor.SelLength(), 0);
  }

  DocumentState document;
  EncodingState encoding;
  test::FakeEditor editor;
  const ConversionTables tables = TablesFromSettings(Settings{});
};

TEST(WholeTextConversion, KeepsModifiedAndReadOnlyAndPutsTheCaretAtTheStart) {
  for (bool read_only : {false, true}) {
    for (bool modified : {false, true}) {
      Window w(W("Привет, мир"));
      w.editor.Select(3, 3);
      w.editor.SetReadOnly(read_only);
      w.document.Modified = modified;
      w.Convert(EncodingCode::WIN, EncodingCode::KOI);
      EXPECT_EQ(w.editor.Text(), "\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2");
      EXPECT_EQ(w.editor.ReadOnly(), read_only);
      // Unsaved edits from before read-only mode must still be asked about.
      EXPECT_EQ(w.document.Modified, modified);
      EXPECT_EQ(EncodingPaneText(w.encoding), "KOI");
      EXPECT_EQ(w.editor.Repaints(), 1);
      EXPECT_EQ(w.editor.ChangesWhileSuspended(), 1);
      w.ExpectDoneAt(0);
    }
  }
}

TEST(WholeTextConversion, SelectionOnlyChangesTheSelectedBytes) {
  Window w(W("ёж ёж ёж"));
  w.editor.Select(6, 3);  // backwards over the middle word and its space
  w.Convert(EncodingCode::WIN, EncodingCode::ISO);
  EXPECT_EQ(w.editor.Text(), W("ёж ") + test::EncodeText("ёж ", EncodingCode::ISO) + W("ёж"));
  EXPECT_EQ(EncodingPaneText(w.encoding), "ISO");
  EXPECT_FALSE(w.document.Modified);
  w.ExpectDoneAt(6);
}

TEST(WholeTextConversion, EmptyTextIsLeftAloneAndOtherTextsLoseTheirUndo) {
  Window empty("");
  empty.Convert(EncodingCode::KOI, EncodingCode::WIN);
  EXPECT_EQ(EncodingPaneText(empty.encoding), "---");
  EXPECT_EQ(empty.editor.Repaints(), 0);
  EXPECT_FALSE(empty.document.Modified);

  Window w("abc");
  w.editor.Select(3, 3);
  w.editor.Type(W("д"));
  ASSERT_TRUE(w.editor.CanUndo());
  w.Convert(EncodingCode::WIN, EncodingCode::MAC);
  EXPECT_FALSE(w.editor.CanUndo());
}

TEST(WholeTextConversion, GenericRewriteMayChangeTheLength) {
  Window w("ab");
  w.editor.SetReadOnly(true);
  RewriteWholeOrSelection(w.editor, w.document, [](std::string& text) { text += text; });
  EXPECT_EQ(w.editor.Text(), "abab");
  EXPECT_TRUE(w.editor.ReadOnly());
  EXPECT_EQ(w.editor.Caret(), 0);
}

TEST(SelectionRewrite, NeedsAWritableDocumentAndASelection) {
  const auto reverse = [](std::string& text) { std::reverse(text.begin(), text.end()); };
  for (bool read_only : {false, true}) {
    Window w("hello");
    w.editor.SetReadOnly(read_only);
    if (read_only) w.editor.SelectAll();  // a selection alone is not enough
    EXPECT_FALSE(w.ChangeCase(CaseChange::Upper));
    EXPECT_FALSE(RewriteSelection(w.editor, reverse));
    EXPECT_EQ(w.editor.Text(), "hello");
    EXPECT_FALSE(w.document.Modified);
    EXPECT_EQ(w.editor.Repaints(), 0);
  }
}

TEST(SelectionRewrite, CaseChangeRewritesTheSelectionWithoutUndo) {
  Window w(W("один два три"));
  w.editor.Select(5, 8);
  w.editor.Type("x");  // something undo could bring back
  w.editor.Select(5, 10);
  EXPECT_TRUE(w.ChangeCase(CaseChange::Upper));
  EXPECT_EQ(w.editor.Text(), W("один X ТРИ"));
  EXPECT_TRUE(w.document.Modified);
  EXPECT_FALSE(w.editor.CanUndo());
  w.ExpectDoneAt(10);
}

TEST(SelectionRewrite, MarginsAreReappliedInsideTheFrame) {
  Window w("ab cd");
  w.editor.SelectAll();
  // Full-screen mode re-applies its margins and leaves the caret at 0.
  const auto reapply = [&] {
    EXPECT_TRUE(TransformBusy());
    EXPECT_EQ(w.editor.UpdateDepth(), 1);
    w.editor.Select(0, 0);
  };
  EXPECT_TRUE(w.ChangeCase(CaseChange::Capitalize, reapply));
  EXPECT_EQ(w.editor.Text(), "Ab Cd");
  w.ExpectDoneAt(0);
}

TEST(CyclicCaseChange, WordAtTheCaretCyclesAndTheCaretStays) {
  Window w(W("one привет two"));
  w.editor.Select(6, 6);
  for (const char* expected : {"one Привет two", "one ПРИВЕТ two", "one привет two", "one Привет two"}) {
    EXPECT_TRUE(w.Cycle());
    EXPECT_EQ(Win1251ToUtf8(w.editor.Text()), expected);
    w.ExpectDoneAt(6);
  }
  EXPECT_TRUE(w.document.Modified);
  EXPECT_FALSE(w.editor.CanUndo());
}

TEST(CyclicCaseChange, WhichTextItWorksOn) {
  const struct { const char* text; int anchor, caret; const char* expected; const char* why; } cases[] = {
      {"abc def", 4, 4, "Abc def", "at a word's start: the word to its left"},
      {"abc def", 0, 0, "Abc def", "at the start of the text"},
      {"abc def", 7, 7, "abc Def", "at the end of the text"},
      {"ab\ncd", 3, 3, "ab\nCd", "after a line break: from the caret on"},
      {"ab\n\ncd", 4, 4, "ab\n\nCd", "on an empty line"},
      {"ab  cd", 3, 3, "Ab  cd", "among blanks: the word before them"},
      {"x, y", 2, 2, "x, y", "a mark and its blank: no letters, lower case changes nothing"},
      {"", 0, 0, "", "empty text"},
      {"Hello World", 0, 8, "HELLO WOrld", "a selection as it is; the caret ends after it"},
  };
  for (const auto& c : cases) {
    Window w(c.text);
    w.editor.Select(c.anchor, c.caret);
    w.Cycle();
    EXPECT_EQ(w.editor.Text(), c.expected) << c.why;
    w.ExpectDoneAt(c.caret);
  }
}

TEST(CyclicCaseChange, ReadOnlyAndEmptyDocumentsAreNotTouched) {
  Window read_only("abc");
  read_only.editor.SetReadOnly(true);
  EXPECT_FALSE(read_only.Cycle());
  EXPECT_EQ(read_only.editor.Repaints(), 0);
  Window empty("");
  EXPECT_FALSE(empty.Cycle());
  EXPECT_FALSE(empty.document.Modified);
  empty.ExpectDoneAt(0);
}

TEST(TransformFrame, BusyIsAFlagWhileRepaintingNests) {
  test::FakeEditor editor("abc");
  BeginTransform(editor);
  BeginTransform(editor);
  EXPECT_TRUE(TransformBusy());
  EndTransform(editor);
  EXPECT_FALSE(TransformBusy());
  EXPECT_EQ(editor.Repaints(), 0);
  editor.Select(1, 3);
  EndTransformCollapsed(editor);
  EXPECT_EQ(editor.Repaints(), 1);
  EXPECT_EQ(editor.Caret(), 3);
  EXPECT_EQ(editor.SelLength(), 0);
}

}  // namespace
}  // namespace plumex
