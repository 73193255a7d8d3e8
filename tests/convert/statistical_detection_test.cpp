#include "convert/statistical_detection.h"

#include <gtest/gtest.h>

#include <numeric>

#include "commands/detect_actions.h"
#include "config/conversion_settings.h"
#include "convert/encoding_detection.h"
#include "convert/utf8.h"
#include "support/fake_editor.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

using enum EncodingCode;

const ConversionTables kTables = TablesFromSettings(Settings{});
const StatisticalDetector kDetector(kTables.CodePages());

std::string In(EncodingCode code, std::string_view utf8) {
  return kTables.Conversion(WIN, code).Apply(DecodeUtf8(utf8).bytes);
}

std::string Named(const StatisticalGuess& guess) {
  if (!guess.cyrillic) return "not Cyrillic";
  return guess.reading.utf8 ? "UTF8" : std::string(EncodingName(guess.reading.code));
}

TEST(StatisticalDetection, ShortAndOddTextsGetTheExpectedGuess) {
  const struct { std::string text; const char* expected; } cases[] = {
      {In(KOI, "ВНИМАНИЕ: ПРОВЕРЬТЕ НАСТРОЙКИ"), "KOI"},
      {In(ISO, "СРОЧНО ПОЗВОНИ МНЕ"), "ISO"},
      {In(DOS, "ДОКУМЕНТ"), "DOS"},
      {In(WIN, "ЗАГОЛОВОК"), "WIN"},
      {In(KOI, "привет"), "KOI"},
      {In(MAC, "Спасибо"), "MAC"},
      {In(MAC, "моя семья"), "MAC"},  // only "я" and the case tell it from WIN
      {"The file " + In(DOS, "отчет") + " was saved twice.", "DOS"},
      {"Please send the " + In(ISO, "договор") + " today", "ISO"},
      {"2024-05-17 12:30:00 +0300\r\n42\r\n", "not Cyrillic"},
      {"", "not Cyrillic"},
      // Two readings that are the same letters: Windows-1251 keeps the text.
      {In(MAC, "молоко и сметана"), "WIN"},
      {In(WIN, "Первая строка.\r\n") + In(KOI, "Вторая строка, длиннее первой, и третья тоже здесь.\r\n"), "KOI"},
      {In(KOI, "Первая строка.\r\n") + In(WIN, "Вторая строка, длиннее первой, и третья тоже здесь.\r\n"), "WIN"},
      // Bytes that are letters nowhere, and a run of one byte, must not crash or mislead.
      {std::string(1 << 20, '\xFF'), "WIN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Named(kDetector.Guess(c.text, Utf8Candidate::No)), c.expected) << c.text.substr(0, 60);
}

TEST(StatisticalDetection, HeldOutProseInEveryFormAndInCapitalsWhole60ByteSamplesAndUtf8) {
  for (std::string_view paragraph : test::kRussianProse) {
    const std::string win = DecodeUtf8(paragraph).bytes;
    for (EncodingCode code : kAllEncodings) {
      const std::string text = kTables.Conversion(WIN, code).Apply(win);
      for (std::size_t start = 0; start + 60 <= text.size(); start += 60) {
        // A sample that reads as the same letters in WIN is rightly left as it is.
        const std::string sample = text.substr(start, 60);
        const bool same = kTables.Conversion(code, WIN).Apply(sample) == sample;
        EXPECT_EQ(Named(kDetector.Guess(sample, Utf8Candidate::No)), EncodingName(same ? WIN : code)) << sample;
      }
      const std::string upper = kTables.Conversion(WIN, code).Apply(ToUpper(win, kTables.Case()));
      // Mac and DOS capitals are the same bytes: DOS comes first.
      const EncodingCode read_as = code == MAC ? DOS : code;
      EXPECT_EQ(Named(kDetector.Guess(upper, Utf8Candidate::No)), EncodingName(read_as));
      const StatisticalGuess whole = kDetector.Guess(text, Utf8Candidate::Yes);
      EXPECT_EQ(Named(whole), EncodingName(code));
      EXPECT_GT(whole.Confidence(), 0.99);
      EXPECT_NEAR(std::accumulate(whole.confidence.begin(), whole.confidence.end(), 0.0), 1.0, 1e-9);
    }
    const std::string utf8(paragraph);
    EXPECT_EQ(Named(kDetector.Guess(utf8, Utf8Candidate::Yes)), "UTF8");
    EXPECT_EQ(Named(kDetector.Guess(utf8.substr(0, 61), Utf8Candidate::Yes)), "UTF8") << "a character cut short";
    EXPECT_EQ(Named(kDetector.Guess(utf8, Utf8Candidate::No)), "WIN") << "no UTF-8 where it cannot be held";
    EXPECT_EQ(Named(kDetector.Guess(utf8.substr(0, 40) + "\xFF" + utf8.substr(40), Utf8Candidate::Yes)), "WIN");
  }
}

TEST(StatisticalDetection, TheRequestPreviewsTheConvertedFirstLineAndTheConfidenceOnlyForThisMethod) {
  Settings s;
  s.DetectMethod = 1;
  const ConversionTables statistical = TablesFromSettings(s);
  const test::FakeEditor editor(In(KOI, "Первая строка\r\nвторая строка"), [] {});
  const EncodingState encoding{.CurrentEncoding = KOI, .DetectedEncoding = KOI, .EncodingKnown = true};
  const std::optional<DetectPreview> preview = PreviewDetection(editor, encoding, statistical);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->first_line, DecodeUtf8("Первая строка").bytes);
  EXPECT_GT(preview->confidence, 0.9);
  EXPECT_FALSE(PreviewDetection(editor, encoding, kTables)) << "the marker count shows no preview";
}

}  // namespace
}  // namespace plumex
