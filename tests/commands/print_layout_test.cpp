#include "commands/print_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace plumex {
namespace {

// Every character one unit wide; ten fit across, three lines down.
PrintMetrics UnitMetrics(double width = 10.5, double height = 3.5) {
  PrintMetrics metrics;
  metrics.advance.fill(1);
  metrics.lineHeight = 1;
  metrics.pageWidth = width;
  metrics.pageHeight = height;
  return metrics;
}

std::string Lines(const PrintPages& pages) {
  std::string joined;
  for (std::size_t i = 0; i < pages.lines.size(); ++i) (joined += i ? "|" : "") += pages.Line(i);
  return joined;
}

TEST(PrintLayout, LinesBreakAfterTheLastBreakCharacterThatFitsOutsideQuotes) {
  const struct { const char* text; const char* tabs; const char* lines; } cases[] = {
      {"short", "", "short"},
      {"exactly10c", "", "exactly10c"},
      {"the quick brown fox", "", "the quick |brown fox"},
      {"aaaaaaaa- -.bbb", "", "aaaaaaaa- |bbb"},              // breaks after a break are dropped
      {"aaaaaaaaa   bb", "", "aaaaaaaaa |bb"},                // blanks past the edge too
      {"say 'a b c d e' ok", "", "say |'a b c d e|' ok"},     // no break inside a quote
      {"abcdefghijklmnopqrstuvwxy", "", "abcdefghij|klmnopqrst|uvwxy"},  // none at all: cut
      {"a\r\n\r\nb\nc\rd\r\n", "", "a||b|c|d"},               // hard breaks; the last adds nothing
      {"\r\n", "", ""},
      {"\tx\ty", "      ", "      x   |y"},
      {"\tx\ty", "", "xy"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Lines(LayOutPrint(c.text, c.tabs, UnitMetrics()).pages), c.lines) << c.text;
}

TEST(PrintLayout, EachPieceIsMeasuredAndHoldsOneCharacterAtLeast) {
  PrintMetrics wide = UnitMetrics();
  wide.advance['W'] = 3;
  EXPECT_EQ(Lines(LayOutPrint("WWWWiii WW", "", wide).pages), "WWW|Wiii |WW");
  EXPECT_EQ(Lines(LayOutPrint("ab c", "", UnitMetrics(0.5)).pages), "a|b|c");
  const PrintPages huge = LayOutPrint(std::string(1'000'000, 'x'), "", UnitMetrics()).pages;
  EXPECT_EQ(huge.lines.size(), 100'000u);
  EXPECT_EQ(huge.lines.back(), (PrintLine{999'990, 10}));
}

TEST(PrintLayout, PagesHoldWholeLinesAndAnExactMultipleAddsNoPage) {
  const struct { const char* text; std::size_t pages; } cases[] = {
      {"", 0}, {"a", 1}, {"a\nb\nc", 1}, {"a\nb\nc\n", 1}, {"1\n2\n3\n4\n5\n6", 2}, {"1\n2\n3\n4\n5\n6\n7", 3},
  };
  for (const auto& c : cases) {
    const PrintLayout layout = LayOutPrint(c.text, "", UnitMetrics());
    EXPECT_EQ(layout.pages.linesPerPage, 3u);
    EXPECT_EQ(layout.pages.PageCount(), c.pages) << c.text;
  }
}

TEST(PrintLayout, NoRoomAcrossOrDownIsRefused) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct { double width, height, lineHeight; PrintRefusal refusal; } cases[] = {
      {0, 10, 1, PrintRefusal::NoWidth},   {-5, 10, 1, PrintRefusal::NoWidth},
      {nan, 10, 1, PrintRefusal::NoWidth}, {10, 0.5, 1, PrintRefusal::NoHeight},
      {10, 10, 0, PrintRefusal::NoHeight}, {10, nan, 1, PrintRefusal::NoHeight},
      {10, 1, 1, PrintRefusal::None},
  };
  for (const auto& c : cases) {
    PrintMetrics metrics = UnitMetrics(c.width, c.height);
    metrics.lineHeight = c.lineHeight;
    EXPECT_EQ(LayOutPrint("text", "", metrics).refusal, c.refusal) << c.width << " " << c.height;
  }
}

}  // namespace
}  // namespace plumex
