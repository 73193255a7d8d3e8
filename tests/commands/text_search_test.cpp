#include "commands/text_search.h"
#include "config/conversion_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "config/settings.h"
#include "convert/conversion_tables.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

const CaseTables& Case() {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  return tables.Case();
}

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

constexpr std::size_t kNone = std::string::npos;
constexpr SearchOptions kDown{};
constexpr SearchOptions kUp{.direction = Direction::Up};
constexpr SearchOptions kExact{.matchCase = MatchCase::Yes};
constexpr SearchOptions kWord{.wholeWord = WholeWord::Yes};
constexpr SearchOptions kWordUp{.wholeWord = WholeWord::Yes, .direction = Direction::Up};
constexpr SearchOptions kCrLf{.lineBreak = LineBreak::CrLf};

// The start of the match, or kNone.
std::size_t FindAt(std::string_view text, std::string_view pattern, std::size_t from, const SearchOptions& o) {
  const auto span = Find(text, pattern, from, o, Case());
  return span ? span->start : kNone;
}

// The rules by example; AgreesWithThePlainDefinitionOnRandomTexts below
// holds the searcher to them everywhere else.
TEST(TextSearch, FindsDownAndUpWithoutWrapping) {
  const struct { const char *text, *pattern; std::size_t from; SearchOptions options; std::size_t start; } cases[] = {
      {"abc abc", "abc", 1, kDown, 4},  {"abc abc", "abc", 5, kDown, kNone},  // no wrap-around to the top
      {"abc abc", "abc", 7, kUp, 4},    {"abc abc", "abc", 6, kUp, 0},  // a match must end before the caret
      {"abc abc", "abc", 2, kUp, kNone}, {"abc abc", "abc", 99, kUp, 4}, {"abc", "abcd", 0, kDown, kNone},
      {"", "a", 0, kDown, kNone},       {"abc", "", 0, kDown, kNone},   {"abc", "", 3, kUp, kNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindAt(c.text, c.pattern, c.from, c.options), c.start) << c.text << " / " << c.pattern << " @" << c.from;
}

TEST(TextSearch, MatchCaseUsesTheProgramsLetterTables) {
  // All 66 Russian letters, and the Latin ones, fold both ways.
  const Settings s;
  for (const auto& [upper, lower] :
       {std::pair{s.StrUpCase_Ru, s.StrLoCase_Ru}, std::pair{s.StrUpCase_En, s.StrLoCase_En}}) {
    EXPECT_EQ(FindAt("--" + upper, lower, 0, kDown), 2u);
    EXPECT_EQ(FindAt("--" + lower, upper, 0, kDown), 2u);
    EXPECT_EQ(FindAt(upper, lower, 0, kExact), kNone);
  }
  EXPECT_EQ(FindAt("1.5", ",", 0, kDown), kNone) << "bytes without a case partner only match themselves";
}

TEST(TextSearch, WholeWordLooksAtTheNeighbours) {
  const struct { std::string text, pattern; std::size_t from; SearchOptions options; std::size_t start; } cases[] = {
      {"cat", "cat", 0, kWord, 0},  // both text edges count as breaks
      {"cats cat", "cat", 0, kWord, 5}, {"concat", "cat", 0, kWord, kNone}, {"(cat)", "cat", 0, kWord, 1},
      {"cat1 cat_ _cat", "cat", 0, kWord, kNone},  // digits and '_' are word characters
      {"x\ncat\n", "cat", 0, kWord, 2},
      {W("бcat cat"), "cat", 0, kWord, 5},  // a Cyrillic letter is part of the word
      {W("кот, котик"), W("КОТ"), 0, kWord, 0},
      {W("ёжик") + "\xA0" + W("ёж"), W("ёж"), 0, kWord, 5},  // a no-break space is a break
      {"cat concat", "cat", 10, kWordUp, 0}, {"concat", "cat", 6, kWordUp, kNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindAt(c.text, c.pattern, c.from, c.options), c.start) << c.text << " / " << c.pattern;
}

TEST(TextSearch, NeverCutsACrLfPairInTwo) {
  const std::string text = "a\r\nb\rc";
  for (const char* pattern : {"\n", "a\r", "\nb"}) EXPECT_EQ(FindAt(text, pattern, 0, kCrLf), kNone) << pattern;
  // A whole pair, and a stray CR, are characters of their own.
  EXPECT_EQ(FindAt(text, "\r\n", 0, kCrLf), 1u);
  EXPECT_EQ(FindAt(text, "\r", 0, kCrLf), 4u);
  EXPECT_EQ(FindAt(text, "b\r", 0, kCrLf), 3u);
  EXPECT_EQ(FindAt(text, "\n", 0, kDown), 2u);
}

// The plain definition the fast searcher must agree with.
std::optional<std::size_t> NaiveFind(const std::string& text, const std::string& pattern, std::size_t from,
                                     const SearchOptions& o) {
  const auto fold = [&](char c) {
    const auto b = static_cast<unsigned char>(c);
    return o.matchCase == MatchCase::Yes ? b : Case().LowerMap()[b];
  };
  const auto word = [&](std::size_t at) { return IsWordByte(static_cast<unsigned char>(text[at]), Case()); };
  const auto matches = [&](std::size_t s) {
    for (std::size_t j = 0; j < pattern.size(); ++j)
      if (fold(text[s + j]) != fold(pattern[j])) return false;
    const std::size_t e = s + pattern.size();
    return o.wholeWord == WholeWord::No || ((s == 0 || !word(s - 1)) && (e == text.size() || !word(e)));
  };
  if (pattern.empty() || pattern.size() > text.size()) return std::nullopt;
  if (o.direction == Direction::Down) {
    for (std::size_t s = from; s + pattern.size() <= text.size(); ++s)
      if (matches(s)) return s;
  } else {
    for (std::size_t e = std::min(from, text.size()); e >= pattern.size(); --e)
      if (matches(e - pattern.size())) return e - pattern.size();
  }
  return std::nullopt;
}

ReplaceResult NaiveReplaceAll(const std::string& text, const std::string& pattern, SearchOptions o) {
  o.direction = Direction::Down;
  ReplaceResult result;
  std::size_t pos = 0;
  while (const auto s = NaiveFind(text, pattern, pos, o)) {
    result.text += text.substr(pos, *s - pos) + "<>";
    pos = *s + pattern.size();
    ++result.count;
  }
  result.text += text.substr(pos);
  return result;
}

TEST(TextSearch, AgreesWithThePlainDefinitionOnRandomTexts) {
  // Few distinct bytes and long runs: many partial matches, and the runs of
  // one letter that drive the searcher onto its linear path.
  const std::string alphabet = std::string("aaaaAb _") + W("Ёё");
  std::mt19937 random(20240611);
  const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  const auto make = [&](std::size_t length) {
    std::string s;
    for (std::size_t i = 0; i < length; ++i) s += alphabet[pick(alphabet.size())];
    return s;
  };
  for (int round = 0; round < 4000; ++round) {
    const std::string text =
        round % 5 == 0 ? std::string(pick(200), 'a') + make(pick(4)) + std::string(pick(50), 'a') : make(pick(80));
    const std::string pattern = round % 3 == 0 ? make(1 + pick(2)) + std::string(pick(12), 'a') : make(1 + pick(6));
    const SearchOptions o{round % 2 ? MatchCase::Yes : MatchCase::No, round % 7 < 2 ? WholeWord::Yes : WholeWord::No,
                          round % 4 < 2 ? Direction::Down : Direction::Up};
    const std::size_t from = pick(text.size() + 2);
    const auto found = Find(text, pattern, from, o, Case());
    const auto expected = NaiveFind(text, pattern, from, o);
    SCOPED_TRACE("text '" + text + "' pattern '" + pattern + "' from " + std::to_string(from));
    ASSERT_EQ(found.has_value(), expected.has_value());
    if (found) {
      ASSERT_EQ(*found, (TextSpan{*expected, *expected + pattern.size()}));
    }
    const ReplaceResult naive = NaiveReplaceAll(text, pattern, o);
    const ReplaceResult replaced = ReplaceAll(text, pattern, "<>", o, Case());
    ASSERT_EQ(replaced.text, naive.text);
    ASSERT_EQ(replaced.count, naive.count);
  }
}

TEST(TextSearch, HostilePatternsStayLinear) {
  // Quadratic work here would be billions of steps; linear work is a few
  // million, so a broken fallback shows up as a test that never ends.
  const std::string text(4 << 20, 'a');
  EXPECT_FALSE(Find(text, "b" + std::string(4000, 'a'), 0, kExact, Case()));
  const SearchOptions exactUp{MatchCase::Yes, WholeWord::No, Direction::Up};
  EXPECT_FALSE(Find(text, std::string(4000, 'a') + "b", text.size(), exactUp, Case()));
  // Every position matches but none is a whole word.
  EXPECT_FALSE(Find(text, std::string(4000, 'A'), 0, kWord, Case()));
  EXPECT_EQ(ReplaceAll(text, std::string(4000, 'a'), "", kWord, Case()).count, 0u);
}

TEST(TextSearch, TheLinearPathFindsAMatchOverlappingARejectedOne) {
  // The run of 'a' costs the fast search so much that it hands over to the
  // linear one; there the first "aaaa-aaaa" is no whole word and the one
  // sharing its last "aaaa" is.
  const std::string run(1000, 'a');
  EXPECT_EQ(FindAt(run + " xaaaa-aaaa-aaaa", "aaaa-aaaa", 0, kWord), 1007u);
  EXPECT_EQ(FindAt("aaaa-aaaa-aaaax " + run, "aaaa-aaaa", 1016, kWordUp), 0u);
  EXPECT_EQ(ReplaceAll(run + " xaaaa-aaaa-aaaa", "aaaa-aaaa", "#", kWord, Case()).text, run + " xaaaa-#");
}

TEST(TextSearch, ReplaceAllCountsEachOriginalOccurrenceOnce) {
  const struct {
    std::string text, pattern, replacement;
    SearchOptions options;
    std::string result;
    std::size_t count;
  } cases[] = {
      {"aaa", "a", "aa", kDown, "aaaaaa", 3},  // the replacement holds the pattern
      {"aaa", "aa", "X", kUp, "Xa", 1},        // left to right without overlaps, whatever the direction
      {"abc", "", "X", kDown, "abc", 0},       // an empty pattern does nothing
      {"a-b-c", "-", "", kDown, "abc", 2},
      {"a\r\nb", "\n", "X", kCrLf, "a\r\nb", 0},
      {"a\r\nb\r\n", "\r\n", " ", kCrLf, "a b ", 2},
  };
  for (const auto& c : cases) {
    const ReplaceResult r = ReplaceAll(c.text, c.pattern, c.replacement, c.options, Case());
    EXPECT_EQ(r.text, c.result) << c.text << " / " << c.pattern;
    EXPECT_EQ(r.count, c.count) << c.text << " / " << c.pattern;
  }
}

TEST(TextSearch, ReplaceAllInPiecesEqualsOnePass) {
  const std::string text = "ab ab abab xabx ab";
  const ReplaceResult once = ReplaceAll(text, "ab", "[ab]", kWord, Case());
  ASSERT_EQ(once.count, 3u);
  for (std::size_t budget : {0u, 1u, 2u, 3u, 5u, 7u, 100u}) {
    ReplaceAllRun run(text, 0, text.size(), "ab", "[ab]", kWord, Case());
    int pieces = 0;
    while (run.Advance(budget)) ++pieces;
    EXPECT_EQ(run.Count(), once.count) << budget;
    EXPECT_EQ(run.TakeRewrittenRange(), once.text) << budget;
    if (budget == 1) {
      EXPECT_GT(pieces, 5);
    }
  }
}

// The range of a run as rewritten after at most `budget` bytes.
std::string RunOver(std::string_view text, std::size_t from, std::size_t to, const SearchOptions& o,
                    std::size_t budget = 100) {
  ReplaceAllRun run(text, from, to, "ab", "X", o, Case());
  run.Advance(budget);
  return run.TakeRewrittenRange();
}

TEST(TextSearch, ReplaceAllRunKeepsToItsRangeAndReportsEnds) {
  const std::string text = "ab ab ab ab";
  ReplaceAllRun run(text, 2, 8, "ab", "XYZ", kDown, Case());  // " ab ab"
  while (run.Advance(1)) {
  }
  EXPECT_EQ(run.Count(), 2u);
  EXPECT_EQ(run.TakeRewrittenRange(), " XYZ XYZ");
  EXPECT_EQ(run.FirstMatchStart(), 1u);
  EXPECT_EQ(run.LastMatchEnd(), 6u);
  EXPECT_EQ(run.FirstReplacementEnd(), 4u);
  EXPECT_EQ(run.LastReplacementEnd(), 8u);

  EXPECT_EQ(RunOver(text, 0, 4, kDown), "X a") << "a match cut by the range's end is not one";
  EXPECT_EQ(RunOver("xab ab", 1, 6, kWord), "ab X") << "whole words see past the range";
  EXPECT_EQ(RunOver(text, 0, text.size(), kDown, 4), "X X ab ab") << "stopped half way: the rest is untouched";
  ReplaceAllRun outside(text, 50, 10, "ab", "X", kDown, Case());  // clamped to the text
  EXPECT_FALSE(outside.Advance(10));
  EXPECT_EQ(outside.TakeRewrittenRange(), "");
}

TEST(TextSearch, CharacterAndByteOffsetsAgree) {
  const std::string text = "a\r\nb\rc\r\n";  // characters: a, break, b, CR, c, break
  const struct { long long character; std::size_t byte; } cases[] = {
      {-5, 0}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 8}, {99, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(ByteOffsetOf(text, LineBreak::CrLf, c.character), c.byte) << c.character;
    if (c.character >= 0 && c.character <= 6) {
      EXPECT_EQ(CharacterOffsetOf(text, LineBreak::CrLf, c.byte), c.character) << c.byte;
    }
  }
  EXPECT_EQ(CharacterOffsetOf(text, LineBreak::CrLf, 2), 1);  // between CR and LF: the pair's start
  EXPECT_EQ(CharacterOffsetOf(text, LineBreak::CrLf, 99), 6);
  EXPECT_EQ(ByteOffsetOf(text, LineBreak::Lf, 2), 2u);
  EXPECT_EQ(ByteOffsetOf(text, LineBreak::Lf, 99), text.size());
  EXPECT_EQ(CharacterOffsetOf(text, LineBreak::Lf, 3), 3);
}

TEST(TextSearch, WordAtCaretProposesTheWordNotItsBlanks) {
  const struct { std::string text; int caret; std::string word; } cases[] = {
      {"hello world", 2, "hello"}, {"hello world", 5, "hello"},  // just after a word
      {"hello world", 6, "world"},  // at a word's first letter
      {"hello world", 11, "world"}, {"a  b", 2, ""},  // between blanks
      {"x, y", 1, "x"},             // a word beside the caret wins over marks
      {"-- (--) --", 5, "(--)"},    {W("привет мир_2"), 9, W("мир_2")}, {"ab\ncd", 3, "cd"}, {"ab\ncd", 2, "ab"},
      {"", 0, ""},                  {"abc", -4, "abc"}, {"abc", 99, "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(WordAtCaret(c.text, c.caret, Case()), c.word) << c.text << " @" << c.caret;
}

TEST(ReplaceAllRunLimit, ARunThatWouldOutgrowItsLimitStopsAndSaysSo) {
  const std::string text(1000, 'a');
  for (const auto& [replacement, tooLarge] : {std::pair{std::size_t{100}, true}, std::pair{std::size_t{2}, false}}) {
    ReplaceAllRun run(text, 0, text.size(), "a", std::string(replacement, 'b'), kDown, Case());
    run.SetSizeLimit(50000);
    while (run.Advance(64)) {
    }
    EXPECT_TRUE(run.Done());
    EXPECT_EQ(run.TooLarge(), tooLarge);
    if (!tooLarge) {
      EXPECT_EQ(run.TakeRewrittenRange(), std::string(2000, 'b'));
    }
  }
}

}  // namespace
}  // namespace plumex
