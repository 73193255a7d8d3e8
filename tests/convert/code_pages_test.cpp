#include "convert/code_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "config/conversion_settings.h"
#include "convert/byte_map.h"
#include "convert/encoding_detection.h"
#include "support/file_helpers.h"
#include "support/published_code_pages.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

using enum EncodingCode;

const Settings kDefaults;
const CodePageTables kTables{.StrWIN = kDefaults.StrWIN, .StrDOS = kDefaults.StrDOS, .StrKOI = kDefaults.StrKOI,
                             .StrMAC = kDefaults.StrMAC, .StrISO = kDefaults.StrISO};

ConversionTables TablesWith(int detectBuffer, std::string markers = kDefaults.WinDetectString) {
  Settings s;
  s.DetectBuffer = detectBuffer;
  s.WinDetectString = std::move(markers);
  return TablesFromSettings(s);
}

TEST(CodePages, DefaultTablesArePublishedAndEveryPairMovesOnlyTheirLetters) {
  const ConversionTables tables = TablesFromSettings(kDefaults);
  const std::string all = test::AllBytes();
  for (EncodingCode x : kAllEncodings) {
    EXPECT_EQ(TableOfCode(kTables, x), test::PublishedTable(x)) << EncodingName(x);
    for (EncodingCode y : kAllEncodings) {
      const std::string both = TableOfCode(kTables, x) + TableOfCode(kTables, y);
      EXPECT_EQ(tables.Conversion(x, y).Apply(TableOfCode(kTables, x)), TableOfCode(kTables, y));
      const std::string there = tables.Conversion(x, y).Apply(all);
      const std::string back = tables.Conversion(y, x).Apply(there);
      for (std::size_t b = 0; b < 256; ++b) {
        EXPECT_TRUE(b >= 0x80 || there[b] == all[b]) << "ASCII never changes";
        EXPECT_TRUE(both.find(all[b]) != std::string::npos || back[b] == all[b]) << "bytes of neither table stay";
      }
    }
  }
  // "Ђ" (0x80) is no letter in Windows-1251 but "А" in DOS 866: not protected.
  EXPECT_EQ(MapBytes("\x80", kTables.StrWIN, kTables.StrDOS) + MapBytes("\x80", kTables.StrDOS, kTables.StrWIN),
            "\x80\xC0");
  EXPECT_EQ(MapBytes(test::EncodeText("Привет", WIN), kTables.StrWIN, kTables.StrDOS), "\x8F\xE0\xA8\xA2\xA5\xE2");
}

TEST(MapBytes, LaterPositionWinsAndUnevenPairsMapOnlyCommonPositions) {
  const struct { const char *text, *from, *to, *mapped; } cases[] = {
      {"abc", "aa", "xy", "ybc"}, {"abc", "abc", "X", "Xbc"}, {"abc", "a", "XYZ", "Xbc"}, {"abc", "", "XYZ", "abc"}};
  for (const auto& c : cases) EXPECT_EQ(MapBytes(c.text, c.from, c.to), c.mapped) << c.from << " " << c.to;
  // The mapping works in steps of eight: no length may leave bytes unmapped or write past the end.
  for (std::size_t length = 0; length < 40; ++length)
    EXPECT_EQ(MapBytes(std::string(length, 'a'), "a", "b"), std::string(length, 'b')) << length;
  std::string inPlace = test::AllBytes() + test::AllBytes();
  ByteMap::Between("\x01\xFF", "\xFF\x01").ApplyInPlace(inPlace);
  EXPECT_EQ(inPlace.substr(0, 3) + inPlace.substr(256 + 254), std::string("\x00\xFF\x02\xFE\x01", 5));
}

TEST(CodePages, CodesNamesAndTheLastEqualTable) {
  const std::string_view names[] = {"DOS", "ISO", "KOI", "MAC", "WIN"};  // in the order of their codes
  for (int value = 0; value < 5; ++value) {
    const auto code = static_cast<EncodingCode>(value);
    EXPECT_EQ(EncodingName(code), names[value]);
    EXPECT_EQ(EncodingFromName(names[value]), code);
    EXPECT_EQ(CodeOfTable(kTables, TableOfCode(kTables, code)), code);
  }
  EXPECT_EQ(TableOfCode(kTables, static_cast<EncodingCode>(9)), kTables.StrWIN);
  EXPECT_EQ(CodeOfTable(kTables, "nonsense"), WIN);
  EXPECT_EQ(EncodingFromName("koi"), KOI);
  for (std::string_view bad : {"", "KO", "KOI8", "UTF8", "WIN ", "---"}) EXPECT_EQ(EncodingFromName(bad), std::nullopt);
  // Hand-edited tables: equal ones are named by the last, uneven pairs map the common positions.
  Settings edited;
  edited.StrMAC = edited.StrISO = edited.StrDOS;
  edited.StrKOI = edited.StrKOI.substr(0, 10);
  const ConversionTables tables = TablesFromSettings(edited);
  EXPECT_EQ(tables.NameOfTarget(MAC), ISO);
  const std::string koi = tables.Conversion(WIN, KOI).Apply(edited.StrWIN);
  EXPECT_EQ(koi, edited.StrKOI + edited.StrWIN.substr(10)) << "never reads past the shorter table";
}

TEST(EncodingDetection, MarkersAreEINOInBothCasesOfEveryCodePage) {
  const ConversionTables tables = TablesWith(1024);
  for (std::size_t order = 0; order < kDetectionOrder.size(); ++order) {
    std::set<int> expected, markers;
    for (char16_t ch : test::DecodeUtf8("еиноЕИНО")) expected.insert(test::PublishedByte(kDetectionOrder[order], ch));
    for (int b = 0; b < 256; ++b)
      if ((tables.Detector().MarkerBits(static_cast<unsigned char>(b)) >> order) & 1) markers.insert(b);
    EXPECT_EQ(markers, expected) << EncodingName(kDetectionOrder[order]);
  }
}

TEST(EncodingDetection, TiesSampleSizeAndHandEditedSettings) {
  const struct { std::string_view sample; EncodingCode expected; int buffer = 1024; std::string markers = "\xE5\xE8\xED\xEE"; } cases[] = {
      {"", WIN}, {"English only.", WIN},
      {"\xE5\xE8", WIN}, {"\x85\x88", DOS},  // WIN and MAC tie on small letters, DOS and MAC on capitals
      {"\xA5\xCF", DOS}, {"\xCE\xD5", WIN}, {"\xC9\xD5", KOI}, {"\xE5\x85", MAC}, {"\xD5\xD8\xB5", ISO},
      {std::string_view("\0\0\xA5", 3), DOS}, {"\xA5\xA5\xC9\xC9\xC9", DOS, 2}, {"\xA5\xA5\xC9\xC9\xC9", KOI, 5},
      {"\xA5\xC5", WIN, 1024, ""}, {"qqq", WIN, 1024, "q"},  // marker letters outside the tables count as themselves
  };
  for (const auto& c : cases) EXPECT_EQ(DetectEncoding(c.sample, TablesWith(c.buffer, c.markers).Detector()), c.expected);
  for (int bad : {0, -1, -2147483647 - 1}) EXPECT_EQ(TablesWith(bad).Detector().SampleLimit(), 1024u) << bad;
  EXPECT_EQ(TablesWith(2147483647).Detector().SampleLimit(), 2147483647u);
}

TEST(EncodingDetection, RussianProseInEveryCodePageWholeOrInPieces) {
  const ConversionTables tables = TablesWith(1024), small = TablesWith(200);
  for (std::string_view prose : test::kRussianProse) {
    // Mac shares its small markers with WIN and wins only by its capitals Е И Н О; else the tie goes to WIN.
    const bool capital = test::EncodeText(prose, WIN).find_first_of("\xC5\xC8\xCD\xCE") != std::string::npos;
    for (EncodingCode code : kAllEncodings) {
      const std::string text = test::EncodeText(prose, code);
      EXPECT_EQ(DetectEncoding(text, tables.Detector()), code == MAC && !capital ? WIN : code) << EncodingName(code);
      MarkerTally whole(small.Detector()), pieces(small.Detector());  // past its limit of 200
      whole.Add(text);
      for (std::size_t at = 0; at < text.size(); at += 7) pieces.Add(std::string_view(text).substr(at, 7));
      EXPECT_EQ(pieces.Counts(), whole.Counts());
      EXPECT_TRUE(pieces.Full());
    }
  }
}

}  // namespace
}  // namespace plumex
