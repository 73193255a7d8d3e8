#include "convert/code_pages.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "convert/byte_map.h"
#include "convert/conversion_tables.h"
#include "support/published_code_pages.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

const Settings kDefaults;
const CodePageTables kTables{
    .StrWIN = kDefaults.StrWIN, .StrDOS = kDefaults.StrDOS, .StrKOI = kDefaults.StrKOI,
    .StrMAC = kDefaults.StrMAC, .StrISO = kDefaults.StrISO};

TEST(CodePageTables, EveryDefaultTableIsThePublishedCodePage) {
  for (EncodingCode code : kAllEncodings)
    EXPECT_EQ(TableOfCode(kTables, code), test::PublishedTable(code)) << EncodingName(code);
}

TEST(CodePageTables, EveryPairRoundTripsTheLettersAndLeavesOtherBytes) {
  const ConversionTables tables = TablesFromSettings(kDefaults);
  const std::string all = test::AllBytes();
  for (EncodingCode x : kAllEncodings) {
    for (EncodingCode y : kAllEncodings) {
      const std::string& from = TableOfCode(kTables, x);
      const std::string& to = TableOfCode(kTables, y);
      EXPECT_EQ(tables.Conversion(x, y).Apply(from), to);
      EXPECT_EQ(tables.Conversion(y, x).Apply(to), from);
      // Bytes in neither table pass both ways untouched; ASCII always does.
      const std::string back = tables.Conversion(y, x).Apply(tables.Conversion(x, y).Apply(all));
      for (std::size_t b = 0; b < 256; ++b) {
        const bool in_either = from.find(all[b]) != std::string::npos || to.find(all[b]) != std::string::npos;
        if (!in_either || b < 0x80) { EXPECT_EQ(back[b], all[b]) << b; }
        if (b < 0x80) { EXPECT_EQ(tables.Conversion(x, y)[all[b]], all[b]); }
      }
    }
  }
  // "Ђ" (0x80) is no letter in Windows-1251 but is "А" in DOS 866: it is not
  // protected, so it does not come back.
  EXPECT_EQ(MapBytes("\x80", kTables.StrWIN, kTables.StrDOS), "\x80");
  EXPECT_EQ(MapBytes("\x80", kTables.StrDOS, kTables.StrWIN), "\xC0");
}

TEST(MapBytes, LaterPositionWinsUnevenPairsMapOnlyCommonPositionsAnyLengthWorks) {
  EXPECT_EQ(MapBytes("abc", "aa", "xy"), "ybc");
  EXPECT_EQ(MapBytes("abc", "abc", "X"), "Xbc");
  EXPECT_EQ(MapBytes("abc", "a", "XYZ"), "Xbc");
  EXPECT_EQ(MapBytes("abc", "", "XYZ"), "abc");
  const std::string all = test::AllBytes();
  EXPECT_EQ(MapBytes(all, all, all), all);
  EXPECT_EQ(ByteMap(), ByteMap::Between("abc", "abc"));
  // The mapping works in steps of eight; lengths around a step must not
  // leave bytes unmapped or write past the end.
  for (std::size_t length = 0; length < 40; ++length)
    EXPECT_EQ(MapBytes(std::string(length, 'a'), "a", "b"), std::string(length, 'b')) << length;
  std::string in_place = all + all;
  ByteMap::Between("\x01\xFF", "\xFF\x01").ApplyInPlace(in_place);
  EXPECT_EQ(in_place.substr(0, 3), std::string("\x00\xFF\x02", 3));
  EXPECT_EQ(in_place.substr(256 + 254), "\xFE\x01");
  EXPECT_EQ(in_place[256 + 'q'], 'q');
}

TEST(CodeOfTable, LastEqualTableWinsUnknownIsWinAndNamesRoundTrip) {
  EXPECT_EQ(CodeOfTable(kTables, kTables.StrKOI), EncodingCode::KOI);
  EXPECT_EQ(CodeOfTable(kTables, kTables.StrWIN), EncodingCode::WIN);
  EXPECT_EQ(CodeOfTable(kTables, "nonsense"), EncodingCode::WIN);
  CodePageTables same = kTables;
  same.StrMAC = same.StrDOS;
  EXPECT_EQ(CodeOfTable(same, same.StrDOS), EncodingCode::MAC);
  same.StrISO = same.StrDOS;
  EXPECT_EQ(CodeOfTable(same, same.StrDOS), EncodingCode::ISO);

  const struct { EncodingCode code; const std::string* table; std::string_view name; int value; } cases[] = {
      {EncodingCode::DOS, &kTables.StrDOS, "DOS", 0}, {EncodingCode::ISO, &kTables.StrISO, "ISO", 1},
      {EncodingCode::KOI, &kTables.StrKOI, "KOI", 2}, {EncodingCode::MAC, &kTables.StrMAC, "MAC", 3},
      {EncodingCode::WIN, &kTables.StrWIN, "WIN", 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<int>(c.code), c.value);
    EXPECT_EQ(TableOfCode(kTables, c.code), *c.table);
    EXPECT_EQ(EncodingFromName(EncodingName(c.code)), c.code);
    EXPECT_EQ(EncodingName(c.code), c.name);
  }
  EXPECT_EQ(TableOfCode(kTables, static_cast<EncodingCode>(9)), kTables.StrWIN);
  EXPECT_EQ(EncodingFromName("koi"), EncodingCode::KOI);
  EXPECT_EQ(EncodingFromName("Mac"), EncodingCode::MAC);
  for (std::string_view bad : {"", "KO", "KOI8", "UTF8", "WIN ", "---"})
    EXPECT_EQ(EncodingFromName(bad), std::nullopt) << bad;
}

TEST(ConversionTables, UnevenOrEqualHandEditedTables) {
  Settings edited;
  edited.StrKOI = edited.StrKOI.substr(0, 10);
  edited.StrDOS += "\x01\x02";
  edited.StrMAC = edited.StrISO;
  const ConversionTables tables = TablesFromSettings(edited);
  const std::string& win = edited.StrWIN;
  const std::string koi = tables.Conversion(EncodingCode::WIN, EncodingCode::KOI).Apply(win);
  EXPECT_EQ(koi.substr(0, 10), edited.StrKOI);
  EXPECT_EQ(koi.substr(10), win.substr(10)) << "never reads past the shorter table";
  EXPECT_EQ(tables.Conversion(EncodingCode::DOS, EncodingCode::WIN).Apply("\x01\x02"), "\x01\x02");
  EXPECT_EQ(tables.NameOfTarget(EncodingCode::KOI), EncodingCode::KOI);
  EXPECT_EQ(tables.NameOfTarget(EncodingCode::MAC), EncodingCode::ISO) << "the last equal table names it";
}

}  // namespace
}  // namespace plumex
