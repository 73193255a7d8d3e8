#include "convert/detect_actions.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "convert/transform_frame.h"
#include "fake_editor.h"
#include "published_code_pages.h"
#include "russian_prose.h"

namespace plumex {
namespace {

struct Window {
  explicit Window(const std::string& text) : editor(text, [this] { document.Modified = true; }) {}

  DocumentState document;
  EncodingState encoding;
  test::FakeEditor editor;
  const ConversionTables tables = ConversionTables::FromSettings(Settings{});
};

std::string Prose(EncodingCode code) { return test::EncodeText(test::kRussianProse[0], code); }

TEST(AutoDetectOnLoad, NamesTheCodePageAndLeavesTheText) {
  for (bool modified : {false, true}) {
    Window w(Prose(EncodingCode::KOI));
    w.document.Modified = modified;
    AutoDetectOnLoad(w.editor, w.document, w.encoding, w.tables, DirectConvert::Off);
    EXPECT_EQ(w.editor.Text(), Prose(EncodingCode::KOI));
    EXPECT_EQ(w.encoding.DetectedEncoding, EncodingCode::KOI);
    EXPECT_EQ(EncodingPaneText(w.encoding), "KOI");
    EXPECT_EQ(w.document.Modified, modified);
    EXPECT_FALSE(TransformBusy());
  }
}

TEST(AutoDetectOnLoad, DirectConversionLeavesTheDocumentUnmodified) {
  Window w(Prose(EncodingCode::DOS));
  AutoDetectOnLoad(w.editor, w.document, w.encoding, w.tables, DirectConvert::On);
  EXPECT_EQ(w.editor.Text(), Prose(EncodingCode::WIN));
  EXPECT_EQ(w.encoding.DetectedEncoding, EncodingCode::DOS);
  EXPECT_EQ(EncodingPaneText(w.encoding), "WIN");
  EXPECT_FALSE(w.document.Modified);
  EXPECT_EQ(w.editor.Caret(), 0);
}

TEST(AutoDetectOnLoad, WindowsTextIsNotRewritten) {
  Window w(Prose(EncodingCode::WIN));
  AutoDetectOnLoad(w.editor, w.document, w.encoding, w.tables, DirectConvert::On);
  EXPECT_EQ(w.editor.Text(), Prose(EncodingCode::WIN));
  EXPECT_EQ(EncodingPaneText(w.encoding), "WIN");
  EXPECT_FALSE(w.document.Modified);
  EXPECT_EQ(w.editor.ChangesWhileSuspended(), 0);
}

TEST(DetectOnRequest, WhatTheWindowIsToDoNext) {
  const struct {
    EncodingCode text_in;
    DirectConvert direct;
    DetectOutcome outcome;
    EncodingCode text_after;
    const char* pane;
  } cases[] = {
      {EncodingCode::WIN, DirectConvert::Off, DetectOutcome::FoundWin, EncodingCode::WIN, "WIN"},
      {EncodingCode::WIN, DirectConvert::On, DetectOutcome::FoundWin, EncodingCode::WIN, "WIN"},
      {EncodingCode::KOI, DirectConvert::Off, DetectOutcome::AskToConvert, EncodingCode::KOI, "KOI"},
      {EncodingCode::ISO, DirectConvert::On, DetectOutcome::Converted, EncodingCode::WIN, "WIN"},
  };
  for (const auto& c : cases) {
    Window w(Prose(c.text_in));
    w.document.Modified = true;
    EXPECT_EQ(DetectOnRequest(w.editor, w.document, w.encoding, w.tables, c.direct), c.outcome);
    EXPECT_EQ(w.editor.Text(), Prose(c.text_after));
    EXPECT_EQ(EncodingPaneText(w.encoding), c.pane);
    EXPECT_TRUE(w.document.Modified);
  }
}

TEST(DetectOnRequest, YesToTheQuestionConvertsFromTheGuess) {
  Window w(Prose(EncodingCode::KOI));
  ASSERT_EQ(DetectOnRequest(w.editor, w.document, w.encoding, w.tables, DirectConvert::Off),
            DetectOutcome::AskToConvert);
  ConvertDetectedToWin(w.editor, w.document, w.encoding, w.tables);
  EXPECT_EQ(w.editor.Text(), Prose(EncodingCode::WIN));
  EXPECT_EQ(EncodingPaneText(w.encoding), "WIN");
  EXPECT_FALSE(w.document.Modified);
}

TEST(DetectOnRequest, EmptyAndReadOnlyDocuments) {
  Window empty("");
  EXPECT_EQ(DetectOnRequest(empty.editor, empty.document, empty.encoding, empty.tables, DirectConvert::On),
            DetectOutcome::FoundWin);
  EXPECT_EQ(EncodingPaneText(empty.encoding), "WIN");

  Window read_only(Prose(EncodingCode::MAC));
  read_only.editor.SetReadOnly(true);
  read_only.document.Modified = true;
  EXPECT_EQ(DetectOnRequest(read_only.editor, read_only.document, read_only.encoding, read_only.tables,
                            DirectConvert::On),
            DetectOutcome::Converted);
  EXPECT_EQ(read_only.editor.Text(), Prose(EncodingCode::WIN));
  EXPECT_TRUE(read_only.editor.ReadOnly());
  EXPECT_TRUE(read_only.document.Modified);  // as it was before the command
}

}  // namespace
}  // namespace plumex
