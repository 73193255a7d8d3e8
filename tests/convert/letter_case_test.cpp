#include "convert/letter_case.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "convert/conversion_tables.h"
#include "convert/win1251.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

const ConversionTables& Defaults() {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  return tables;
}
const CaseTables& Case() { return Defaults().Case(); }

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

TEST(LetterCase, FixedChangesOnLatinRussianAndAdditionalPairs) {
  const struct { const char *utf8, *upper, *lower, *invert, *cap; } cases[] = {
      {"Привет World", "ПРИВЕТ WORLD", "привет world", "пРИВЕТ wORLD", "Привет World"},
      {"ёлка ЁЖ", "ЁЛКА ЁЖ", "ёлка ёж", "ЁЛКА ёж", "Ёлка Ёж"},
      {"don't rock-n-roll 2nd", "DON'T ROCK-N-ROLL 2ND", "don't rock-n-roll 2nd", "DON'T ROCK-N-ROLL 2ND",
       "Don'T Rock-N-Roll 2Nd"},
      {"їжак ґанок", "ЇЖАК ҐАНОК", "їжак ґанок", "ЇЖАК ҐАНОК", "Їжак Ґанок"},
      {"± µ ¦ ¤", "¦ ¤ ¦ ¤", "± µ ± µ", "¦ ¤ ± µ", "¦ ¤ ¦ ¤"},
  };
  for (const auto& c : cases) {
    const std::string text = W(c.utf8);
    EXPECT_EQ(Win1251ToUtf8(ToUpper(text, Case())), c.upper) << c.utf8;
    EXPECT_EQ(Win1251ToUtf8(ToLower(text, Case())), c.lower) << c.utf8;
    EXPECT_EQ(Win1251ToUtf8(InvertCase(text, Case())), c.invert) << c.utf8;
    EXPECT_EQ(Win1251ToUtf8(CapitalizeWords(text, Case())), c.cap) << c.utf8;
  }
}

TEST(LetterCase, OnlyLetterBytesChangeAndLengthIsKept) {
  // Bytes outside the letter strings stay; letters stay letters.
  const Settings s;
  const std::string letters = s.StrUpCase_En + s.StrLoCase_En + s.StrUpCase_Ru + s.StrLoCase_Ru + s.StrUpCase_Add +
                              s.StrLoCase_Add;
  const std::string all = test::AllBytes();
  for (CaseChange change : {CaseChange::Upper, CaseChange::Lower, CaseChange::Invert, CaseChange::Capitalize}) {
    std::string text = all;
    ApplyCaseChange(change, Case(), text);
    ASSERT_EQ(text.size(), all.size());
    for (std::size_t b = 0; b < all.size(); ++b) {
      if (letters.find(all[b]) == std::string::npos) {
        EXPECT_EQ(text[b], all[b]) << b;
      } else {
        EXPECT_NE(letters.find(text[b]), std::string::npos) << b;
      }
    }
  }
  EXPECT_EQ(InvertCase(InvertCase(all, Case()), Case()), all);
}

TEST(LetterCase, CaseStateOfTexts) {
  const struct { const char* utf8; CaseKind kind; } cases[] = {
      {"", CaseKind::Upper},         {"123 ,.!", CaseKind::Upper}, {"ПРИВЕТ 1", CaseKind::Upper},
      {"привет 1", CaseKind::Lower}, {"Привет", CaseKind::Mixed},  {"µ", CaseKind::Lower}, {"¤", CaseKind::Upper},
  };
  for (const auto& c : cases) EXPECT_EQ(CaseState(W(c.utf8), Case()), c.kind) << c.utf8;
}

TEST(LetterCase, CapitalizingInPiecesMatchesTheWhole) {
  const std::string text = W("слово-за-слово ДВА три four, five;шесть  семь\r\nвосемь");
  const std::string whole = CapitalizeWords(text, Case());
  for (std::size_t piece = 1; piece <= text.size(); ++piece) {
    std::string pieces = text;
    WordCapitalizer capitalizer(Case());
    for (std::size_t at = 0; at < pieces.size(); at += piece)
      capitalizer.Apply(pieces.data() + at, std::min(piece, pieces.size() - at));
    EXPECT_EQ(pieces, whole) << "pieces of " << piece;
  }
}

TEST(LetterCase, UnevenOrEmptyHandEditedPairsDoNotShiftTheOthers) {
  // Latin has one capital too many; the additional pair has a lone small letter.
  const CaseTables tables(CaseLetters{"ABCX", "abc", "\xC0\xC1", "\xE0\xE1", "", "\xB3"});
  EXPECT_EQ(ToUpper("abcx\xE0\xE1\xB3", tables), "ABCx\xC0\xC1\xB3");
  EXPECT_EQ(ToLower("ABCX\xC0\xC1", tables), "abcX\xE0\xE1");
  EXPECT_EQ(InvertCase("aBX\xE0\xC1", tables), "AbX\xC0\xE1");
  EXPECT_TRUE(tables.IsLetter('X'));  // still a letter, only without a partner
  // 'x' is no letter here; the unpaired \xB3 is one, so 'b' does not start a word.
  EXPECT_EQ(CapitalizeWords("xa \xB3" "b", tables), "xA \xB3" "b");

  const CaseTables none(CaseLetters{});
  const std::string all = test::AllBytes();
  EXPECT_EQ(ToUpper(all, none), all);
  EXPECT_EQ(CapitalizeWords(all, none), all);
  EXPECT_EQ(CaseState(all, none), CaseKind::Upper);
}

}  // namespace
}  // namespace plumex
