// The insert limit and what the character map offers, without a window; the
// inserts through the real editor, files and line breaks are in
// tests/gui/inserts_test.cpp.
#include <climits>
#include <gtest/gtest.h>
#include <tuple>

#include "commands/char_map_codes.h"
#include "commands/inserts.h"
#include "support/fake_editor.h"

namespace plumex {
namespace {

// The limit counts the text as it would be: the selection goes, the new
// bytes come (a CR LF break is one); what would pass it leaves all as it was.
TEST(InsertText, RefusesWhatWouldPassTheLimitCountingTheSelectionOut) {
  test::FakeEditor editor("abc");
  editor.Select(1, 2);
  const InsertOutcome refused = InsertText(editor, "xyz", 4);
  EXPECT_EQ(std::pair(refused, editor.Text()), std::pair(InsertOutcome::TooLarge, std::string("abc")));
  const InsertOutcome taken = InsertText(editor, "xy", 4);
  EXPECT_EQ(std::tuple(taken, editor.Text(), editor.SelStart()),
            std::tuple(InsertOutcome::Inserted, std::string("axyc"), 3));
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
