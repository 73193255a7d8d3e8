// What the inserts put in and what the character map offers, without a
// window; going in through the real editor is tests/gui/inserts_test.cpp.
#include <climits>
#include <gtest/gtest.h>
#include <tuple>

#include "commands/char_map_codes.h"
#include "commands/inserts.h"
#include "support/fake_editor.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

TEST(FileLines, EveryLineEndsInTheDocumentsBreakAndEveryOtherByteStays) {
  std::string others = test::AllBytes();
  std::erase_if(others, [](char c) { return c == '\r' || c == '\n'; });
  const std::string nul("a\0b", 3);
  const struct { std::string file; LineBreak style; std::string lines; } cases[] = {
      {"a\nb", LineBreak::CrLf, "a\r\nb\r\n"}, {"a\r\n\r\rb\n", LineBreak::CrLf, "a\r\n\r\n\r\nb\r\n"},
      {"a\r\nb\rc\n", LineBreak::Lf, "a\nb\nc\n"}, {"", LineBreak::CrLf, ""}, {"\n", LineBreak::Lf, "\n"},
      {nul, LineBreak::CrLf, nul + "\r\n"}, {others, LineBreak::Lf, others + "\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(FileLines(c.file, c.style), c.lines) << c.file;
}

// The limit counts the text as it would be: the selection goes, the new
// bytes come; a read-only text takes nothing.
TEST(InsertText, RefusesWhatWouldPassTheLimitAndLeavesTheCaretAsAsked) {
  using enum InsertOutcome;
  using enum CaretAfter;
  const struct { int from, to; bool readOnly; int limit; CaretAfter caret;
                 InsertOutcome outcome; const char* text; int at; } cases[] = {
      {1, 1, false, 6, Text, Inserted, "axy\nbc", 4}, {1, 1, false, 5, Text, TooLarge, "abc", 1},
      {0, 2, false, 4, LastLine, Inserted, "xy\nc", 2}, {1, 1, true, 9, Text, Nothing, "abc", 1},
  };
  for (const auto& c : cases) {
    test::FakeEditor editor("abc");
    editor.Select(c.from, c.to);
    editor.SetReadOnly(c.readOnly);
    const InsertOutcome outcome = InsertText(editor, "xy\n", c.limit, c.caret);
    EXPECT_EQ(std::tuple(outcome, editor.Text(), editor.SelStart(), editor.SelLength()),
              std::tuple(c.outcome, c.text, c.at, 0)) << c.from << " " << c.limit;
  }
}

TEST(CharMap, ShowsThePrintableBytesOfTheStoredRangeAndOnePastItsEnd) {
  const struct { int start, end, count, first, last; } cases[] = {
      {33, 254, 223, 33, 255}, {33, 255, 223, 33, 255}, {33, INT_MAX, 223, 33, 255}, {0, 40, 10, 32, 41},
      {INT_MIN, 30, 0, 32, 31}, {300, 254, 0, 300, 255}, {100, 50, 0, 100, 51}, {65, 64, 1, 65, 65},
  };
  for (const auto& c : cases) {
    const CharMapRange range = CharMapCodes(c.start, c.end);
    EXPECT_EQ(std::tuple(range.Count(), range.first, range.last), std::tuple(c.count, c.first, c.last))
        << c.start << ".." << c.end;
  }
  EXPECT_EQ(std::tuple(CodeStatusText('A'), CodeHintText('&'), CodeStatusText(0xFF)),
            std::tuple("Hex: #41  Dec: 65", "Hex: #26\nDec: 38", "Hex: #FF  Dec: 255"));
}

}  // namespace
}  // namespace plumex
