#include "convert/encoding_detection.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include <set>

#include "config/settings.h"
#include "convert/conversion_tables.h"
#include "support/published_code_pages.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

ConversionTables TablesWith(int detect_buffer, std::string marker_letters = Settings{}.WinDetectString) {
  Settings s;
  s.DetectBuffer = detect_buffer;
  s.WinDetectString = std::move(marker_letters);
  return TablesFromSettings(s);
}

EncodingCode Detect(std::string_view sample, int detect_buffer = 1024) {
  return DetectEncoding(sample, TablesWith(detect_buffer).Detector());
}

TEST(EncodingDetection, MarkersAreEINOInBothCasesOfEveryCodePage) {
  const ConversionTables tables = TablesWith(1024);
  for (std::size_t order = 0; order < kDetectionOrder.size(); ++order) {
    const EncodingCode code = kDetectionOrder[order];
    std::set<int> expected, markers;
    for (char16_t ch : test::DecodeUtf8("еиноЕИНО")) expected.insert(test::PublishedByte(code, ch));
    for (int b = 0; b < 256; ++b)
      if ((tables.Detector().MarkerBits(static_cast<unsigned char>(b)) >> order) & 1) markers.insert(b);
    EXPECT_EQ(markers, expected) << EncodingName(code);
  }
}

TEST(EncodingDetection, TieOrderAndEmptyTexts) {
  using enum EncodingCode;
  const struct { std::string_view sample; EncodingCode expected; const char* why; } cases[] = {
      {"", WIN, "empty"},                            {"English only.", WIN, "all counters 0"},
      {"\xE5\xE8", WIN, "WIN and MAC tie on small"},   {"\x85\x88", DOS, "DOS and MAC tie on capitals"},
      {"\xA5\xCF", DOS, "DOS and KOI tie"},            {"\xCE\xD5", WIN, "WIN, KOI and ISO tie at 1"},
      {"\xC9\xD5", KOI, "KOI and ISO tie"},            {"\xE5\x85", MAC, "MAC counts both"},
      {"\xD5\xD8\xB5", ISO, "ISO alone"},             {std::string_view("\0\0\xA5", 3), DOS, "zero bytes are ordinary"},
  };
  for (const auto& c : cases) EXPECT_EQ(Detect(c.sample), c.expected) << c.why;
}

TEST(EncodingDetection, OnlyTheFirstDetectBufferBytesCount) {
  const std::string koi_prose = test::EncodeText(test::kRussianProse[0], EncodingCode::KOI);
  const std::string english(1024, 'e');
  EXPECT_EQ(Detect(english + koi_prose), EncodingCode::WIN);
  EXPECT_EQ(Detect(english.substr(0, 1000) + koi_prose), EncodingCode::KOI);
  EXPECT_EQ(Detect("\xA5\xA5\xC9\xC9\xC9", 2), EncodingCode::DOS);
  EXPECT_EQ(Detect("\xA5\xA5\xC9\xC9\xC9", 5), EncodingCode::KOI);
}

TEST(EncodingDetection, HandEditedSettingsNeverFail) {
  for (int bad : {0, -1, -2147483647 - 1}) {  // the default sample size instead
    const ConversionTables tables = TablesWith(bad);
    EXPECT_EQ(tables.Detector().SampleLimit(), 1024u) << bad;
    EXPECT_EQ(DetectEncoding(std::string(1024, 'x') + "\xA5\xA5", tables.Detector()), EncodingCode::WIN);
  }
  EXPECT_EQ(TablesWith(2147483647).Detector().SampleLimit(), 2147483647u);
  EXPECT_EQ(DetectEncoding("\xA5\xC5", TablesWith(1024, "").Detector()), EncodingCode::WIN);
  // Marker letters outside the tables count only where they stand.
  EXPECT_EQ(DetectEncoding("qqq", TablesWith(1024, "q").Detector()), EncodingCode::WIN);
}

TEST(EncodingDetection, PiecesCountLikeTheWhole) {
  const ConversionTables tables = TablesWith(200);
  const std::string dos = test::EncodeText(test::kRussianProse[1], EncodingCode::DOS);
  MarkerTally whole(tables.Detector());
  whole.Add(dos);
  MarkerTally pieces(tables.Detector());
  for (std::size_t at = 0; at < dos.size(); at += 7) pieces.Add(std::string_view(dos).substr(at, 7));
  EXPECT_TRUE(pieces.Full());
  EXPECT_EQ(pieces.Counts(), whole.Counts());
  EXPECT_EQ(pieces.Winner(), EncodingCode::DOS);
}

TEST(EncodingDetection, RussianProseInEveryCodePage) {
  const ConversionTables tables = TablesWith(1024);
  for (std::string_view prose : test::kRussianProse) {
    // Mac shares its lower-case markers with Windows-1251 and wins only
    // through its upper-case ones (Е И Н О); without those the tie goes to WIN.
    const bool capital_marker =
        test::EncodeText(prose, EncodingCode::WIN).find_first_of("\xC5\xC8\xCD\xCE") != std::string::npos;
    for (EncodingCode code : kAllEncodings) {
      const EncodingCode expected = code == EncodingCode::MAC && !capital_marker ? EncodingCode::WIN : code;
      EXPECT_EQ(DetectEncoding(test::EncodeText(prose, code), tables.Detector()), expected)
          << EncodingName(code) << ": " << prose.substr(0, 20);
    }
  }
}

}  // namespace
}  // namespace plumex
