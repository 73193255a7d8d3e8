#include "commands/status_texts.h"

#include <gtest/gtest.h>

#include "platform/editor.h"

namespace plumex {
namespace {

TEST(StatusTexts, SizeInBytesKilobytesAndMegabytes) {
  LanguageTable texts;
  const struct { long long bytes; int lines; const char* text; } cases[] = {
      {0, 0, "0 bytes / 1 lines"},       {1023, 3, "1023 bytes / 3 lines"}, {1024, 1, "1 Kb / 1 lines"},
      {1536, 1, "2 Kb / 1 lines"},       {2560, 1, "2 Kb / 1 lines"},       {1048575, 2, "1024 Kb / 2 lines"},
      {1048576, 9, "1.00 Mb / 9 lines"}, {1572864, 9, "1.50 Mb / 9 lines"}, {16LL << 20, 1, "16.00 Mb / 1 lines"},
  };
  for (const auto& c : cases) EXPECT_EQ(SizeText(c.bytes, c.lines, texts), c.text) << c.bytes;
  texts.Set("hhBytes", "\xE1\xE0\xE9\xF2 /");  // the words come from the language
  texts.Set("hhLines", "\xF1\xF2\xF0\xEE\xEA");
  EXPECT_EQ(SizeText(5, 2, texts), "5 \xE1\xE0\xE9\xF2 / 2 \xF1\xF2\xF0\xEE\xEA");
}

TEST(StatusTexts, PositionCaptionTimingAndPercent) {
  EXPECT_EQ(PositionText(0, 0, 0) + "|" + PositionText(2, 7, 5), "1 : 1|3 : 8  [5]");
  const LanguageTable texts;
  EXPECT_EQ(TitleSuffix(false, false, texts), " - Plumex 1.91 ");
  EXPECT_EQ(TitleSuffix(false, true, texts), " - Plumex 1.91  [Modified]");
  EXPECT_EQ(TitleSuffix(true, true, texts), " - Plumex 1.91 [Read Only]");
  EXPECT_EQ(TimingText(" Plumex loading time:  ", 312), " Plumex loading time:  0:0:0:312");
  EXPECT_EQ(TimingText("", 3723004) + "|" + TimingText("", -5), "1:2:3:4|0:0:0:0");
  const struct { int value, minimum, maximum, percent; } cases[] = {
      {0, 0, 0, 100}, {5, 0, 10, 50}, {10, 0, 10, 100}, {50, 0, 10, 100}, {3, 2, 12, 10}};
  for (const auto& c : cases) EXPECT_EQ(PercentOf(c.value, c.minimum, c.maximum), c.percent) << c.value;
}

}  // namespace
}  // namespace plumex
