#include "convert/win1251.h"

#include <gtest/gtest.h>

#include <set>

#include "support/file_helpers.h"

namespace plumex {
namespace {

TEST(Win1251, EveryByteHasItsOwnCharacterAndComesBack) {
  std::set<char16_t> seen;
  for (int b = 0; b < 256; ++b) {
    const char16_t ch = Win1251ToUnicode(static_cast<unsigned char>(b));
    EXPECT_TRUE(seen.insert(ch).second) << "byte " << b << " shares its character";
    EXPECT_EQ(UnicodeToWin1251(ch), b);
  }
}

TEST(Win1251, PublishedCharacters) {
  const struct { unsigned char byte; char16_t ch; } cases[] = {
      {0x41, u'A'},    {0x80, u'\u0402'}, {0x88, u'\u20AC'}, {0x98, u'\u0098'},
      {0xA0, u'\u00A0'}, {0xA8, u'\u0401'}, {0xB8, u'\u0451'}, {0xB9, u'\u2116'},
      {0xC0, u'\u0410'}, {0xDF, u'\u042F'}, {0xE0, u'\u0430'}, {0xFF, u'\u044F'},
  };
  for (const auto& c : cases) EXPECT_EQ(Win1251ToUnicode(c.byte), c.ch) << int(c.byte);
  EXPECT_EQ(UnicodeToWin1251(u'\u4E2D'), -1);
  EXPECT_EQ(UnicodeToWin1251(u'\u00E9'), -1);
}

TEST(Win1251, Utf8RoundTripKeepsAllBytes) {
  const std::string all = test::AllBytes();
  EXPECT_EQ(Utf8ToWin1251(Win1251ToUtf8(all)), all);
  EXPECT_EQ(Win1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
}

TEST(Win1251, BadUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToWin1251("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToWin1251("\xD0"), "?");              // truncated sequence
  EXPECT_EQ(Utf8ToWin1251("x\xE4\xB8"), "x??");       // truncated three-byte form
  EXPECT_EQ(Utf8ToWin1251("中ж"), "?\xE6");           // no such letter in the code page
  EXPECT_EQ(Utf8ToWin1251("\xF0\x9F\x98\x80"), "?");  // beyond the basic plane
}

}  // namespace
}  // namespace plumex
