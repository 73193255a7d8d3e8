#include "convert/letter_case.h"

#include <gtest/gtest.h>

#include "config/conversion_settings.h"
#include "convert/win1251.h"
#include "convert/word_breaks.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

const CaseTables& Case() {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  return tables.Case();
}

TEST(LetterCase, FixedChangesOnLatinRussianAndAdditionalPairs) {
  const struct { const char *utf8, *upper, *lower, *invert, *cap; CaseKind kind; } cases[] = {
      {"Привет World", "ПРИВЕТ WORLD", "привет world", "пРИВЕТ wORLD", "Привет World", CaseKind::Mixed},
      {"ёлка ЁЖ", "ЁЛКА ЁЖ", "ёлка ёж", "ЁЛКА ёж", "Ёлка Ёж", CaseKind::Mixed},
      {"don't rock-n-roll 2nd", "DON'T ROCK-N-ROLL 2ND", "don't rock-n-roll 2nd", "DON'T ROCK-N-ROLL 2ND",
       "Don'T Rock-N-Roll 2Nd", CaseKind::Lower},
      {"ЇЖАК ҐАНОК", "ЇЖАК ҐАНОК", "їжак ґанок", "їжак ґанок", "Їжак Ґанок", CaseKind::Upper},
      {"± µ ¦ ¤", "¦ ¤ ¦ ¤", "± µ ± µ", "¦ ¤ ± µ", "¦ ¤ ¦ ¤", CaseKind::Mixed},
      {"", "", "", "", "", CaseKind::Upper}, {"12 ,.!", "12 ,.!", "12 ,.!", "12 ,.!", "12 ,.!", CaseKind::Upper},
  };
  for (const auto& c : cases) {
    const std::string t = Utf8ToWin1251(c.utf8);
    EXPECT_EQ(Win1251ToUtf8(ToUpper(t, Case()) + "|" + ToLower(t, Case()) + "|" + InvertCase(t, Case()) + "|" +
                            CapitalizeWords(t, Case())), std::string(c.upper) + "|" + c.lower + "|" + c.invert + "|" + c.cap);
    EXPECT_EQ(CaseState(t, Case()), c.kind) << c.utf8;
  }
}

TEST(LetterCase, OnlyLetterBytesChangeAndCapitalizingInPiecesMatchesTheWhole) {
  const Settings s;
  const std::string letters = s.StrUpCase_En + s.StrLoCase_En + s.StrUpCase_Ru + s.StrLoCase_Ru + s.StrUpCase_Add +
                              s.StrLoCase_Add;
  const std::string all = test::AllBytes();
  for (CaseChange change : {CaseChange::Upper, CaseChange::Lower, CaseChange::Invert, CaseChange::Capitalize}) {
    std::string text = all;
    ApplyCaseChange(change, Case(), text);
    ASSERT_EQ(text.size(), all.size());
    for (std::size_t b = 0; b < all.size(); ++b)  // letters stay letters, other bytes stay as they are
      EXPECT_TRUE(letters.find(all[b]) != std::string::npos ? letters.find(text[b]) != std::string::npos
                                                            : text[b] == all[b]) << b;
  }
  EXPECT_EQ(InvertCase(InvertCase(all, Case()), Case()), all);
  const std::string text = Utf8ToWin1251("слово-за-слово ДВА три four, five;шесть  семь\r\nвосемь");
  for (std::size_t piece = 1; piece <= text.size(); ++piece) {
    std::string pieces = text;
    WordCapitalizer capitalizer(Case());
    for (std::size_t at = 0; at < pieces.size(); at += piece)
      capitalizer.Apply(pieces.data() + at, std::min(piece, pieces.size() - at));
    EXPECT_EQ(pieces, CapitalizeWords(text, Case())) << "pieces of " << piece;
  }
}

TEST(LetterCase, UnevenOrEmptyHandEditedPairsDoNotShiftTheOthers) {
  // Latin has one capital too many; the additional pair has a lone small letter.
  const CaseTables tables(CaseLetters{"ABCX", "abc", "\xC0\xC1", "\xE0\xE1", "", "\xB3"});
  EXPECT_EQ(ToUpper("abcx\xE0\xE1\xB3", tables), "ABCx\xC0\xC1\xB3");
  EXPECT_EQ(ToLower("ABCX\xC0\xC1", tables), "abcX\xE0\xE1");
  EXPECT_EQ(InvertCase("aBX\xE0\xC1", tables), "AbX\xC0\xE1");
  // 'X' is still a letter, only without a partner; 'x' is none; the unpaired \xB3 is one.
  EXPECT_TRUE(tables.IsLetter('X'));
  EXPECT_EQ(CapitalizeWords("xa \xB3" "b", tables), "xA \xB3" "b");
  const CaseTables none(CaseLetters{});
  const std::string all = test::AllBytes();
  EXPECT_EQ(ToUpper(all, none) + CapitalizeWords(all, none), all + all);
  EXPECT_EQ(CaseState(all, none), CaseKind::Upper);
}

TEST(WordBreaks, TheCyclicCaseChangeTakesTheWordAtTheCaretWithItsBlanks) {
  EXPECT_EQ(CharacterText("a\r\nb\rc\n", LineBreak::CrLf), "a\nb\rc\n") << "a CR LF break is one character";
  EXPECT_EQ(CharacterText("a\r\nb", LineBreak::Lf), "a\r\nb");
  const struct { const char* text; int caret, start, end; } cases[] = {
      {"abc def", 4, 0, 4},  // at a word's start: the word to its left
      {"abc def", 0, 0, 4}, {"abc def", 7, 4, 7}, {"ab  cd", 3, 0, 4}, {"a\xA0" "b\tc", 2, 0, 2}, {"a\xA0" "b\tc", 4, 2, 4},
      {"ab\ncd", 3, 3, 5}, {"ab\n\ncd", 4, 4, 6},  // after a line break, or on an empty line: from the caret on
      {"x, y", 2, 1, 3},                             // marks make a word of their own
      {"ab  cd,  \xE5\xE6_1\nx", 13, 9, 13},        // letters, digits and '_' make one
      {"", 0, 0, 0}, {"abc", -4, 0, 3}, {"abc", 99, 0, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CaseCycleRange(c.text, c.caret, Case()), std::make_pair(c.start, c.end)) << c.text << " @" << c.caret;
}

}  // namespace
}  // namespace plumex
