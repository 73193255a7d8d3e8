#include "convert/word_breaks.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "convert/conversion_tables.h"

namespace plumex {
namespace {

const CaseTables& Case() {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  return tables.Case();
}

TEST(WordBreaks, CharacterTextCountsACrLfBreakAsOne) {
  EXPECT_EQ(CharacterText("a\r\nb\rc\n", LineBreak::CrLf), "a\nb\rc\n");
  EXPECT_EQ(CharacterText("a\r\nb", LineBreak::Lf), "a\r\nb");
  EXPECT_EQ(CharacterText("\r", LineBreak::CrLf), "\r");
  EXPECT_EQ(CharacterText("", LineBreak::CrLf), "");
}

TEST(WordBreaks, WordStartsLeftAndRight) {
  const std::string text = "ab  cd,  \xE5\xE6_1\n\nx";
  //                        0 2   4 6 7  9       13 14 15
  const struct { int pos, left, right; } cases[] = {
      {0, 0, 4},  {1, 0, 4},   {4, 0, 6},    {5, 4, 6},    {6, 4, 9},    {7, 6, 9},  {9, 6, 13},
      {13, 9, 14}, {14, 13, 15}, {15, 14, 16}, {16, 15, 16}, {-5, 0, 4}, {99, 15, 16},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WordStartLeft(text, c.pos, Case()), c.left) << c.pos;
    EXPECT_EQ(WordStartRight(text, c.pos, Case()), c.right) << c.pos;
  }
  EXPECT_EQ(WordStartLeft("", 3, Case()), 0);
  EXPECT_EQ(WordStartRight("", -3, Case()), 0);
  EXPECT_EQ(WordStartLeft("   ", 3, Case()), 0);
  EXPECT_EQ(WordStartRight("   ", 0, Case()), 3);
}

}  // namespace
}  // namespace plumex
