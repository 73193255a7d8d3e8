// The transform frame and the detection commands on a fake editor wired like
// the window: every change of the text marks the document modified.
#include "commands/transform_frame.h"

#include <gtest/gtest.h>

#include <tuple>

#include "commands/detect_actions.h"
#include "config/conversion_settings.h"
#include "convert/win1251.h"
#include "support/fake_dialogs.h"
#include "support/fake_editor.h"
#include "support/published_code_pages.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

using enum EncodingCode;

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }
std::string Prose(EncodingCode code) { return test::EncodeText(test::kRussianProse[0], code); }

struct Window {
  explicit Window(std::string_view text, bool modified = false, bool readOnly = false)
      : editor(std::string(text), [this] { document.Edited(); }) {
    if (modified) document.Edited();
    editor.SetReadOnly(readOnly);
  }
  void Convert(EncodingCode from, EncodingCode to) { ConvertCodePage(editor, document, encoding, tables, from, to); }
  bool ChangeCase(CaseChange change, const AfterRewrite& after = {}) {
    return ChangeSelectionCase(editor, tables.Case(), change, after);
  }
  // The frame is closed and the caret sits at `caret` with nothing selected.
  void ExpectDoneAt(int caret) const {
    EXPECT_EQ(std::tuple(editor.TransformBusy(), editor.UpdateDepth(), editor.Caret(), editor.SelLength()),
              std::tuple(false, 0, caret, 0));
  }

  Settings settings;
  const LanguageTable texts;
  test::FakeDialogs dialogs;  // no rewrite asks the user anything
  test::FakeEditor editor;
  Document document{editor, settings, texts, dialogs, 1 << 20};
  EncodingState encoding;
  const ConversionTables tables = TablesFromSettings(Settings{});
};

TEST(WholeTextConversion, KeepsModifiedAndReadOnlyRepaintsOnceAndLosesTheUndo) {
  for (bool readOnly : {false, true}) {
    for (bool modified : {false, true}) {
      Window w(W("Привет, мир"));
      w.editor.Select(11, 11);
      if (modified) w.editor.Type("!");  // an edit that undo could bring back
      w.editor.Select(3, 3);
      w.editor.SetReadOnly(readOnly);
      w.Convert(WIN, KOI);
      EXPECT_EQ(w.editor.Text(), std::string("\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2") + (modified ? "!" : ""));
      // Unsaved edits from before read-only mode must still be asked about; one repaint, at the end.
      EXPECT_EQ(std::tuple(w.editor.ReadOnly(), w.document.Modified(), std::string(EncodingPaneText(w.encoding)),
                           w.editor.Repaints(), w.editor.ChangesWhileSuspended(), w.editor.CanUndo()),
                std::tuple(readOnly, modified, "KOI", 1, 1, false));
      w.ExpectDoneAt(0);
    }
  }
}

TEST(WholeTextConversion, ASelectionAloneChangesAnEmptyTextNothingAndAnyRewriteMayChangeTheLength) {
  Window w(W("ёж ёж ёж"));
  w.editor.Select(6, 3);  // backwards over the middle word and its space
  w.Convert(WIN, ISO);
  EXPECT_EQ(w.editor.Text(), W("ёж ") + test::EncodeText("ёж ", ISO) + W("ёж"));
  EXPECT_EQ(std::tuple(std::string(EncodingPaneText(w.encoding)), w.document.Modified()), std::tuple("ISO", false));
  w.ExpectDoneAt(6);

  Window empty("");
  empty.Convert(KOI, WIN);
  EXPECT_EQ(std::string(EncodingPaneText(empty.encoding)) + std::to_string(empty.editor.Repaints()), "---0");

  Window doubled("ab", false, true);
  RewriteWholeOrSelection(doubled.editor, doubled.document, [](std::string& text) { text += text; });
  EXPECT_EQ(std::tuple(doubled.editor.Text(), doubled.editor.ReadOnly()), std::tuple("abab", true));
  doubled.ExpectDoneAt(0);
}

TEST(SelectionRewrite, NeedsAWritableDocumentAndASelection) {
  for (bool readOnly : {false, true}) {
    Window w("hello", false, readOnly);
    if (readOnly) w.editor.SelectAll();  // a selection alone is not enough
    EXPECT_FALSE(w.ChangeCase(CaseChange::Upper));
    EXPECT_FALSE(RewriteSelection(w.editor, [](std::string& text) { text = "x"; }));
    EXPECT_EQ(std::tuple(w.editor.Text(), w.document.Modified(), w.editor.Repaints()), std::tuple("hello", false, 0));
  }
  Window w(W("один два три"));
  w.editor.Select(5, 8);
  w.editor.Type("x");
  w.editor.Select(5, 10);
  EXPECT_TRUE(w.ChangeCase(CaseChange::Upper));
  EXPECT_EQ(std::tuple(w.editor.Text(), w.document.Modified(), w.editor.CanUndo()),
            std::tuple(W("один X ТРИ"), true, false));
  w.ExpectDoneAt(10);
  // Full-screen mode re-applies its margins inside the frame and leaves the caret at 0.
  w.editor.SelectAll();
  EXPECT_TRUE(w.ChangeCase(CaseChange::Capitalize, [&] {
    EXPECT_TRUE(w.editor.TransformBusy() && w.editor.UpdateDepth() == 1);
    w.editor.Select(0, 0);
  }));
  EXPECT_EQ(w.editor.Text(), W("Один X Три"));
  w.ExpectDoneAt(0);
}

TEST(CyclicCaseChange, TheWordAtTheCaretCyclesAndTheCaretStays) {
  Window w(W("one привет two"));
  w.editor.Select(6, 6);
  for (const char* expected : {"one Привет two", "one ПРИВЕТ two", "one привет two", "one Привет two"}) {
    EXPECT_TRUE(CycleCase(w.editor, w.tables.Case()));
    EXPECT_EQ(Win1251ToUtf8(w.editor.Text()), expected);
    w.ExpectDoneAt(6);
  }
  EXPECT_EQ(std::pair(w.document.Modified(), w.editor.CanUndo()), std::pair(true, false));
  Window selected("Hello World");
  selected.editor.Select(0, 8);
  CycleCase(selected.editor, selected.tables.Case());
  EXPECT_EQ(selected.editor.Text(), "HELLO WOrld") << "a selection as it is; the caret ends after it";
  selected.ExpectDoneAt(8);
  Window readOnly("abc", false, true), empty("");
  EXPECT_FALSE(CycleCase(readOnly.editor, readOnly.tables.Case()) || CycleCase(empty.editor, empty.tables.Case()));
  EXPECT_EQ(readOnly.editor.Repaints(), 0);
  EXPECT_FALSE(empty.document.Modified());
}

TEST(TransformFrame, BusyIsAFlagWhileRepaintingNests) {
  test::FakeEditor editor("abc");
  BeginTransform(editor);
  BeginTransform(editor);
  EndTransform(editor);
  EXPECT_EQ(std::pair(editor.TransformBusy(), editor.Repaints()), std::pair(false, 0)) << "the outer frame holds the repaint";
  editor.Select(1, 3);
  EndTransformCollapsed(editor);
  EXPECT_EQ(std::tuple(editor.Repaints(), editor.Caret(), editor.SelLength()), std::tuple(1, 3, 0));
}

TEST(Detection, OnLoadAndOnRequestNameTheGuessConvertWhenToldAndKeepModified) {
  using enum DetectOutcome;
  const struct { std::string text; DirectConvert direct; bool readOnly; DetectOutcome outcome; std::string after; const char* pane; } cases[] = {
      {Prose(WIN), DirectConvert::On, false, FoundWin, Prose(WIN), "WIN"},
      {"", DirectConvert::On, false, FoundWin, "", "WIN"},
      {Prose(KOI), DirectConvert::Off, false, AskToConvert, Prose(KOI), "KOI"},
      {Prose(MAC), DirectConvert::On, true, Converted, Prose(WIN), "WIN"},
  };
  for (const auto& c : cases) {
    for (bool modified : {false, true}) {
      Window onLoad(c.text, modified, c.readOnly), asked(c.text, modified, c.readOnly);
      AutoDetectOnLoad(onLoad.editor, onLoad.document, onLoad.encoding, onLoad.tables, c.direct);
      EXPECT_EQ(DetectOnRequest(asked.editor, asked.document, asked.encoding, asked.tables, c.direct), c.outcome);
      for (const Window* w : {&onLoad, &asked}) {
        // An unchanged text is not rewritten.
        EXPECT_EQ(std::tuple(w->editor.Text(), std::string(EncodingPaneText(w->encoding)), w->document.Modified(),
                             w->editor.ReadOnly(), w->editor.ChangesWhileSuspended()),
                  std::tuple(c.after, c.pane, modified, c.readOnly, c.text == c.after ? 0 : 1)) << c.pane;
        w->ExpectDoneAt(0);
      }
      if (c.outcome == AskToConvert) {  // the user says Yes
        ConvertDetectedToWin(asked.editor, asked.document, asked.encoding, asked.tables);
        EXPECT_EQ(asked.editor.Text() + std::string(EncodingPaneText(asked.encoding)), Prose(WIN) + "WIN");
        EXPECT_EQ(asked.document.Modified(), modified);
      }
    }
  }
}

}  // namespace
}  // namespace plumex
