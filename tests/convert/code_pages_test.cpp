#include "convert/code_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "config/settings.h"
#include "convert/byte_map.h"
#include "convert/conversion_tables.h"
#include "published_code_pages.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

const Settings kDefaults;
const CodePageTables kTables{
    .StrWIN = kDefaults.StrWIN, .StrDOS = kDefaults.StrDOS, .StrKOI = kDefaults.StrKOI,
    .StrMAC = kDefaults.StrMAC, .StrISO = kDefaults.StrISO};

TEST(CodePageTables, EveryDefaultTableIsThePublishedCodePage) {
  for (EncodingCode code : kAllEncodings) {
    const std::string& table = TableOfCode(kTables, code);
    const std::string published = test::PublishedTable(code);
    ASSERT_EQ(table.size(), 66u) << EncodingName(code);
    for (std::size_t i = 0; i < published.size(); ++i)
      EXPECT_EQ(static_cast<unsigned char>(table[i]), static_cast<unsigned char>(published[i]))
          << EncodingName(code) << " letter " << i;
    EXPECT_EQ(std::set<char>(table.begin(), table.end()).size(), table.size()) << EncodingName(code);
    for (unsigned char b : table) EXPECT_GE(b, 0x80) << EncodingName(code);
  }
}

TEST(CodePageTables, EveryPairRoundTripsTheLettersAndLeavesOtherBytes) {
  const ConversionTables tables = ConversionTables::FromSettings(kDefaults);
  const std::string all = test::AllBytes();
  for (EncodingCode x : kAllEncodings) {
    for (EncodingCode y : kAllEncodings) {
      const std::string& from = TableOfCode(kTables, x);
      const std::string& to = TableOfCode(kTables, y);
      const std::string there = tables.Conversion(x, y).Apply(from);
      EXPECT_EQ(there, to);
      EXPECT_EQ(tables.Conversion(y, x).Apply(there), from);
      // Bytes in neither table pass both ways untouched; ASCII always does.
      const std::string back = tables.Conversion(y, x).Apply(tables.Conversion(x, y).Apply(all));
      for (int b = 0; b < 256; ++b) {
        const bool in_either = from.find(static_cast<char>(b)) != std::string::npos ||
                               to.find(static_cast<char>(b)) != std::string::npos;
        if (!in_either || b < 0x80) {
          EXPECT_EQ(back[static_cast<std::size_t>(b)], all[static_cast<std::size_t>(b)]);
        }
        if (b < 0x80) {
          EXPECT_EQ(tables.Conversion(x, y)[static_cast<unsigned char>(b)], b);
        }
      }
    }
  }
}

TEST(CodePageTables, PrivetToDosAndBack) {
  const std::string privet = "\xCF\xF0\xE8\xE2\xE5\xF2";  // Привет
  const std::string dos = MapBytes(privet, kTables.StrWIN, kTables.StrDOS);
  EXPECT_EQ(dos, "\x8F\xE0\xA8\xA2\xA5\xE2");
  EXPECT_EQ(MapBytes(dos, kTables.StrDOS, kTables.StrWIN), privet);
  EXPECT_EQ(MapBytes("Hello, 2024!\r\n", kTables.StrWIN, kTables.StrKOI), "Hello, 2024!\r\n");
}

TEST(CodePageTables, NonLetterWinByteIsNotProtected) {
  // "Ђ" (0x80) is no Russian letter in Windows-1251 but is "А" in DOS 866.
  const std::string there = MapBytes("\x80", kTables.StrWIN, kTables.StrDOS);
  EXPECT_EQ(there, "\x80");
  EXPECT_EQ(MapBytes(there, kTables.StrDOS, kTables.StrWIN), "\xC0");
}

TEST(MapBytes, LaterPositionWinsAndUnevenPairsMapOnlyCommonPositions) {
  EXPECT_EQ(MapBytes("abc", "aa", "xy"), "ybc");
  EXPECT_EQ(MapBytes("abc", "abc", "X"), "Xbc");  // to shorter: b and c untouched
  EXPECT_EQ(MapBytes("abc", "a", "XYZ"), "Xbc");  // from shorter: the rest of `to` unused
  EXPECT_EQ(MapBytes("abc", "", "XYZ"), "abc");
  EXPECT_EQ(MapBytes("", "abc", "XYZ"), "");
  const std::string all = test::AllBytes();
  EXPECT_EQ(MapBytes(all, all, all), all);
  EXPECT_EQ(ByteMap(), ByteMap::Between("abc", "abc"));
}

TEST(MapBytes, LongTextsMapEveryByteWhateverTheirLength) {
  // The mapping works in steps of eight; lengths around a step must not
  // leave bytes unmapped or write past the end.
  for (std::size_t length = 0; length < 40; ++length) {
    const std::string text(length, 'a');
    EXPECT_EQ(MapBytes(text, "a", "b"), std::string(length, 'b')) << length;
  }
  std::string in_place = test::AllBytes() + test::AllBytes();
  ByteMap::Between("\x01\xFF", "\xFF\x01").ApplyInPlace(in_place);
  EXPECT_EQ(static_cast<unsigned char>(in_place[1]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(in_place[256 + 255]), 0x01);
  EXPECT_EQ(in_place[256 + 'q'], 'q');
}

TEST(CodeOfTable, LastEqualTableWinsAndUnknownIsWin) {
  EXPECT_EQ(CodeOfTable(kTables, kTables.StrKOI), EncodingCode::KOI);
  EXPECT_EQ(CodeOfTable(kTables, kTables.StrWIN), EncodingCode::WIN);
  EXPECT_EQ(CodeOfTable(kTables, "nonsense"), EncodingCode::WIN);
  CodePageTables same = kTables;
  same.StrMAC = same.StrDOS;
  EXPECT_EQ(CodeOfTable(same, same.StrDOS), EncodingCode::MAC);
  same.StrISO = same.StrDOS;
  EXPECT_EQ(CodeOfTable(same, same.StrDOS), EncodingCode::ISO);
}

TEST(CodeOfTable, TableOfCodeAndNames) {
  const struct {
    EncodingCode code;
    const std::string* table;
    std::string_view name;
    int value;
  } cases[] = {
      {EncodingCode::DOS, &kTables.StrDOS, "DOS", 0}, {EncodingCode::ISO, &kTables.StrISO, "ISO", 1},
      {EncodingCode::KOI, &kTables.StrKOI, "KOI", 2}, {EncodingCode::MAC, &kTables.StrMAC, "MAC", 3},
      {EncodingCode::WIN, &kTables.StrWIN, "WIN", 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<int>(c.code), c.value);
    EXPECT_EQ(TableOfCode(kTables, c.code), *c.table);
    EXPECT_EQ(EncodingName(c.code), c.name);
    EXPECT_EQ(EncodingFromName(c.name), c.code);
  }
  EXPECT_EQ(TableOfCode(kTables, static_cast<EncodingCode>(9)), kTables.StrWIN);
  EXPECT_EQ(EncodingFromName("koi"), EncodingCode::KOI);
  EXPECT_EQ(EncodingFromName("Mac"), EncodingCode::MAC);
  for (std::string_view bad : {"", "KO", "KOI8", "UTF8", "WIN ", "---"})
    EXPECT_EQ(EncodingFromName(bad), std::nullopt) << bad;
}

TEST(ConversionTables, UnevenHandEditedTablesNeverReadPastTheShorter) {
  Settings edited;
  edited.StrKOI = edited.StrKOI.substr(0, 10);
  edited.StrDOS += "\x01\x02";
  const ConversionTables tables = ConversionTables::FromSettings(edited);
  const std::string win = edited.StrWIN;
  const std::string koi = tables.Conversion(EncodingCode::WIN, EncodingCode::KOI).Apply(win);
  EXPECT_EQ(koi.substr(0, 10), edited.StrKOI);
  EXPECT_EQ(koi.substr(10), win.substr(10));
  EXPECT_EQ(tables.Conversion(EncodingCode::DOS, EncodingCode::WIN).Apply("\x01\x02"), "\x01\x02");
  EXPECT_EQ(tables.NameOfTarget(EncodingCode::KOI), EncodingCode::KOI);
}

}  // namespace
}  // namespace plumex
