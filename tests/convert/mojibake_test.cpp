#include "convert/mojibake.h"

#include <gtest/gtest.h>

#include "config/conversion_settings.h"
#include "convert/utf8.h"
#include "convert/win1251.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

using enum Mojibake;

const ConversionTables& Tables() {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  return tables;
}

std::string Win(std::string_view utf8) { return DecodeUtf8(utf8).bytes; }

// Capitals in a row and small letters that share their bytes after a KOI8-R
// reading, and the punctuation Latin-1 and Windows-1252 read differently.
std::string Sample() {
  std::string text = Win("ШИШКИ и ЁЖ, ВАШ УЖ — «№5», 2024 г. Всё…");
  for (std::string_view prose : test::kRussianProse) text += "\r\n" + Win(prose);
  return text;
}

// Windows-1251 read as Latin-1, or as Windows-1252, which has "…" and "—"
// where Windows-1251 has them, and saved as UTF-8.
std::string ReadAsLatin(std::string_view win, bool windows1252) {
  std::string utf8;
  for (unsigned char b : win) utf8 += Utf8Of(windows1252 && (b == 0x85 || b == 0x97) ? Win1251ToUnicode(b) : b);
  return utf8;
}

TEST(Mojibake, EveryKindComesBackExactly) {
  const ByteMap& koi = Tables().Conversion(EncodingCode::KOI, EncodingCode::WIN);
  const ByteMap& dos = Tables().Conversion(EncodingCode::DOS, EncodingCode::WIN);
  for (const std::string& original : {Sample(), Win("Привет")}) {
    const std::string utf8 = EncodeUtf8(original);
    const struct { std::string held; Mojibake kind; } cases[] = {
        {utf8, Utf8AsWin},           {std::string(kUtf8Bom) + utf8, Utf8AsWin}, {EncodeUtf8(utf8), Utf8AsWinTwice},
        {koi.Apply(utf8), Utf8AsKoi}, {dos.Apply(utf8), Utf8AsDos},
    };
    for (const auto& c : cases) {
      const MojibakeRepair repair = FindMojibake(c.held, Tables());
      EXPECT_EQ(repair.kind, c.kind) << static_cast<int>(c.kind);
      EXPECT_EQ(repair.repaired, original) << static_cast<int>(c.kind);
    }
    for (bool windows1252 : {false, true}) {
      const MojibakeRepair latin = FindLatinMojibake(ReadAsLatin(original, windows1252));
      EXPECT_EQ(latin.kind, WinAsLatin) << windows1252;
      EXPECT_EQ(latin.repaired, original) << windows1252;
    }
  }
}

TEST(Mojibake, CleanPoorOrInexactTextsAreLeftAlone) {
  const std::string win = Sample();
  for (EncodingCode code : kAllEncodings) {  // a code page held as it is, and its file
    const std::string bytes = Tables().Conversion(EncodingCode::WIN, code).Apply(win);
    EXPECT_EQ(FindMojibake(bytes, Tables()).kind, None) << EncodingName(code);
    EXPECT_EQ(FindLatinMojibake(bytes).kind, None) << EncodingName(code);
  }
  EXPECT_EQ(FindLatinMojibake(EncodeUtf8(win)).kind, None);  // a clean UTF-8 file
  EXPECT_EQ(FindLatinMojibake("Él vio el país así: día tras día, aquí y allí.").kind, None);
  // Texts too poor to judge, or whose repair would not be exact.
  for (std::string_view utf8 : {"", "Plain English text.", "Да", "Привет → мир", "The file «они» is in English"}) {
    EXPECT_EQ(FindMojibake(utf8, Tables()).kind, None) << utf8;
    EXPECT_EQ(FindMojibake(EncodeUtf8(utf8), Tables()).kind, None) << utf8;
    EXPECT_EQ(FindLatinMojibake(utf8).kind, None) << utf8;
  }
}

}  // namespace
}  // namespace plumex
