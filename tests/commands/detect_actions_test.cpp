#include "commands/detect_actions.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "commands/transform_frame.h"
#include "support/fake_editor.h"
#include "support/published_code_pages.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

struct Window {
  Window(const std::string& text, bool modified) : editor(text, [this] { document.Modified = true; }) {
    document.Modified = modified;
  }

  DocumentState document;
  EncodingState encoding;
  test::FakeEditor editor;
  const ConversionTables tables = TablesFromSettings(Settings{});
};

std::string Prose(EncodingCode code) { return test::EncodeText(test::kRussianProse[0], code); }

TEST(AutoDetectOnLoad, NamesTheGuessConvertsOnlyWhenAskedAndKeepsModified) {
  using enum EncodingCode;
  const struct { EncodingCode in; DirectConvert direct; EncodingCode after; const char* pane; } cases[] = {
      {KOI, DirectConvert::Off, KOI, "KOI"}, {DOS, DirectConvert::On, WIN, "WIN"}, {WIN, DirectConvert::On, WIN, "WIN"},
  };
  for (const auto& c : cases) {
    for (bool modified : {false, true}) {
      Window w(Prose(c.in), modified);
      AutoDetectOnLoad(w.editor, w.document, w.encoding, w.tables, c.direct);
      EXPECT_EQ(w.editor.Text(), Prose(c.after)) << c.pane;
      EXPECT_EQ(w.encoding.DetectedEncoding, c.in);
      EXPECT_EQ(EncodingPaneText(w.encoding), c.pane);
      EXPECT_EQ(w.document.Modified, modified);
      EXPECT_EQ(w.editor.Caret(), 0);
      EXPECT_EQ(w.editor.ChangesWhileSuspended(), c.in == c.after ? 0 : 1) << "an unchanged text is not rewritten";
      EXPECT_FALSE(TransformBusy());
    }
  }
}

TEST(DetectOnRequest, WhatTheWindowIsToDoNext) {
  using enum EncodingCode;
  using enum DetectOutcome;
  const struct {
    std::string text;
    DirectConvert direct;
    bool read_only;
    DetectOutcome outcome;
    std::string after;
    const char* pane;
  } cases[] = {
      {Prose(WIN), DirectConvert::Off, false, FoundWin, Prose(WIN), "WIN"},
      {Prose(WIN), DirectConvert::On, false, FoundWin, Prose(WIN), "WIN"},
      {"", DirectConvert::On, false, FoundWin, "", "WIN"},
      {Prose(KOI), DirectConvert::Off, false, AskToConvert, Prose(KOI), "KOI"},
      {Prose(ISO), DirectConvert::On, false, Converted, Prose(WIN), "WIN"},
      {Prose(MAC), DirectConvert::On, true, Converted, Prose(WIN), "WIN"},
  };
  for (const auto& c : cases) {
    for (bool modified : {false, true}) {
      Window w(c.text, modified);
      w.editor.SetReadOnly(c.read_only);
      EXPECT_EQ(DetectOnRequest(w.editor, w.document, w.encoding, w.tables, c.direct), c.outcome) << c.pane;
      EXPECT_EQ(w.editor.Text(), c.after);
      EXPECT_EQ(EncodingPaneText(w.encoding), c.pane);
      EXPECT_EQ(w.document.Modified, modified);
      EXPECT_EQ(w.editor.ReadOnly(), c.read_only);
      if (c.outcome == DetectOutcome::AskToConvert) {  // the user says Yes
        ConvertDetectedToWin(w.editor, w.document, w.encoding, w.tables);
        EXPECT_EQ(w.editor.Text(), Prose(WIN));
        EXPECT_EQ(EncodingPaneText(w.encoding), "WIN");
        EXPECT_EQ(w.document.Modified, modified);
      }
    }
  }
}

}  // namespace
}  // namespace plumex
