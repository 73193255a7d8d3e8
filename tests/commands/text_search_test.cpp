#include "commands/text_search.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "config/settings.h"
#include "convert/conversion_tables.h"
#include "platform/win1251.h"

namespace plumex {
namespace {

const CaseTables& Case() {
  static const ConversionTables tables = ConversionTables::FromSettings(Settings{});
  return tables.Case();
}

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

constexpr std::size_t kNone = std::string::npos;

SearchOptions Opts(MatchCase matchCase, WholeWord wholeWord, Direction direction,
                   LineBreak lineBreak = LineBreak::Lf) {
  return {matchCase, wholeWord, direction, lineBreak};
}

std::size_t StartOf(const std::optional<TextSpan>& span) { return span ? span->start : kNone; }

TEST(TextSearch, FindsDownAndUpWithoutWrapping) {
  const auto down = Opts(MatchCase::No, WholeWord::No, Direction::Down);
  const auto up = Opts(MatchCase::No, WholeWord::No, Direction::Up);
  const struct {
    const char* text;
    const char* pattern;
    std::size_t from;
    SearchOptions options;
    std::size_t start;
  } cases[] = {
      {"abc abc", "abc", 0, down, 0},
      {"abc abc", "abc", 1, down, 4},
      {"abc abc", "abc", 5, down, kNone},  // no wrap-around to the top
      {"abc abc", "abc", 99, down, kNone},
      {"abc abc", "abc", 7, up, 4},
      {"abc abc", "abc", 6, up, 0},  // a match must end before the caret
      {"abc abc", "abc", 2, up, kNone},  // no wrap-around to the bottom
      {"abc abc", "abc", 99, up, 4},
      {"abc", "abcd", 0, down, kNone},
      {"abc", "abcd", 3, up, kNone},
      {"", "a", 0, down, kNone},
      {"", "a", 0, up, kNone},
      {"abc", "", 0, down, kNone},  // an empty pattern finds nothing
      {"abc", "", 3, up, kNone},
      {"xxaxx", "a", 0, down, 2},
      {"aXa", "a", 1, up, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartOf(Find(c.text, c.pattern, c.from, c.options, Case())), c.start)
        << c.text << " / " << c.pattern << " from " << c.from;
  }
}

TEST(TextSearch, MatchCaseUsesTheProgramsLetterTables) {
  const std::string text = W("Ёлка ёлка ЁЛКА");
  const std::string pattern = W("ёлка");
  const auto any = Opts(MatchCase::No, WholeWord::No, Direction::Down);
  const auto exact = Opts(MatchCase::Yes, WholeWord::No, Direction::Down);
  EXPECT_EQ(StartOf(Find(text, pattern, 0, any, Case())), 0u);
  EXPECT_EQ(StartOf(Find(text, pattern, 1, any, Case())), 5u);
  EXPECT_EQ(StartOf(Find(text, pattern, 6, any, Case())), 10u);
  EXPECT_EQ(StartOf(Find(text, pattern, 0, exact, Case())), 5u);
  EXPECT_EQ(StartOf(Find(text, pattern, 6, exact, Case())), kNone);

  // All 66 Russian letters, and the Latin ones, fold both ways.
  const Settings settings;
  for (const auto& [upper, lower] : {std::pair{settings.StrUpCase_Ru, settings.StrLoCase_Ru},
                                     std::pair{settings.StrUpCase_En, settings.StrLoCase_En}}) {
    EXPECT_EQ(StartOf(Find("--" + upper, lower, 0, any, Case())), 2u);
    EXPECT_EQ(StartOf(Find("--" + lower, upper, 0, any, Case())), 2u);
    EXPECT_EQ(StartOf(Find(upper, lower, 0, exact, Case())), kNone);
  }
  // Bytes without a case partner only match themselves.
  EXPECT_EQ(StartOf(Find("1.5", ",", 0, any, Case())), kNone);
}

TEST(TextSearch, WholeWordLooksAtTheNeighbours) {
  const auto down = Opts(MatchCase::No, WholeWord::Yes, Direction::Down);
  const auto up = Opts(MatchCase::No, WholeWord::Yes, Direction::Up);
  const struct {
    std::string text;
    std::string pattern;
    std::size_t from;
    SearchOptions options;
    std::size_t start;
  } cases[] = {
      {"cat", "cat", 0, down, 0},  // both text edges count as breaks
      {"cats cat", "cat", 0, down, 5},
      {"concat", "cat", 0, down, kNone},
      {"cat1 cat_ _cat", "cat", 0, down, kNone},  // digits and '_' are word characters
      {"(cat)", "cat", 0, down, 1},
      {"x\ncat\n", "cat", 0, down, 2},
      {W("бcat cat"), "cat", 0, down, 5},  // a Cyrillic letter is part of the word
      {W("котик кот"), W("кот"), 0, down, 6},
      {W("кот, котик"), W("КОТ"), 0, down, 0},
      {W("ёжик") + "\xA0" + W("ёж"), W("ёж"), 0, down, 5},  // a no-break space is a break
      {"cat concat", "cat", 10, up, 0},
      {"cat concat", "cat", 3, up, 0},
      {"concat", "cat", 6, up, kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartOf(Find(c.text, c.pattern, c.from, c.options, Case())), c.start)
        << c.text << " / " << c.pattern;
  }
}

TEST(TextSearch, NeverCutsACrLfPairInTwo) {
  const std::string text = "a\r\nb\rc";
  for (const char* pattern : {"\n", "a\r", "\nb"}) {
    EXPECT_EQ(StartOf(Find(text, pattern, 0, Opts(MatchCase::No, WholeWord::No, Direction::Down, LineBreak::CrLf),
                           Case())),
              kNone)
        << pattern;
  }
  // A whole pair, and a stray CR, are characters of their own.
  EXPECT_EQ(StartOf(Find(text, "\r\n", 0, Opts(MatchCase::No, WholeWord::No, Direction::Down, LineBreak::CrLf),
                         Case())),
            1u);
  EXPECT_EQ(StartOf(Find(text, "\r", 0, Opts(MatchCase::No, WholeWord::No, Direction::Down, LineBreak::CrLf),
                         Case())),
            4u);
  EXPECT_EQ(StartOf(Find(text, "b\r", 0, Opts(MatchCase::No, WholeWord::No, Direction::Down, LineBreak::CrLf),
                         Case())),
            3u);
  EXPECT_EQ(StartOf(Find(text, "\n", 0, Opts(MatchCase::No, WholeWord::No, Direction::Down), Case())), 2u);
}

// The plain definition the fast searcher must agree with.
std::optional<std::size_t> NaiveFind(const std::string& text, const std::string& pattern, std::size_t from,
                                     const SearchOptions& o) {
  const auto fold = [&](char c) {
    const auto b = static_cast<unsigned char>(c);
    return o.matchCase == MatchCase::Yes ? b : Case().LowerMap()[b];
  };
  const auto matches = [&](std::size_t s) {
    for (std::size_t j = 0; j < pattern.size(); ++j)
      if (fold(text[s + j]) != fold(pattern[j])) return false;
    if (o.wholeWord == WholeWord::Yes) {
      const std::size_t e = s + pattern.size();
      if (s > 0 && IsWordByte(static_cast<unsigned char>(text[s - 1]), Case())) return false;
      if (e < text.size() && IsWordByte(static_cast<unsigned char>(text[e]), Case())) return false;
    }
    return true;
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

std::pair<std::string, std::size_t> NaiveReplaceAll(const std::string& text, const std::string& pattern,
                                                    const std::string& replacement, SearchOptions o) {
  o.direction = Direction::Down;
  std::string out;
  std::size_t count = 0;
  std::size_t pos = 0;
  while (const auto s = NaiveFind(text, pattern, pos, o)) {
    out += text.substr(pos, *s - pos) + replacement;
    pos = *s + pattern.size();
    ++count;
  }
  return {out + text.substr(pos), count};
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
    const std::string text = round % 5 == 0 ? std::string(pick(200), 'a') + make(pick(4)) + std::string(pick(50), 'a')
                                            : make(pick(80));
    const std::string pattern = round % 3 == 0 ? make(1 + pick(2)) + std::string(pick(12), 'a') : make(1 + pick(6));
    const SearchOptions o = Opts(round % 2 ? MatchCase::Yes : MatchCase::No, round % 7 < 2 ? WholeWord::Yes : WholeWord::No,
                                 round % 4 < 2 ? Direction::Down : Direction::Up);
    const std::size_t from = pick(text.size() + 2);
    const auto found = Find(text, pattern, from, o, Case());
    const auto expected = NaiveFind(text, pattern, from, o);
    ASSERT_EQ(found.has_value(), expected.has_value()) << "text '" << text << "' pattern '" << pattern << "' from " << from;
    if (found) {
      ASSERT_EQ(found->start, *expected) << "text '" << text << "' pattern '" << pattern << "'";
      ASSERT_EQ(found->end, *expected + pattern.size());
    }
    const auto [text_after, count] = NaiveReplaceAll(text, pattern, "<>", o);
    const ReplaceResult replaced = ReplaceAll(text, pattern, "<>", o, Case());
    ASSERT_EQ(replaced.text, text_after) << "text '" << text << "' pattern '" << pattern << "'";
    ASSERT_EQ(replaced.count, count);
  }
}

TEST(TextSearch, HostilePatternsStayLinear) {
  // Quadratic work here would be billions of steps; linear work is a few
  // million, so a broken fallback shows up as a test that never ends.
  const std::string text(4 << 20, 'a');
  const std::string pattern = "b" + std::string(4000, 'a');
  const auto down = Opts(MatchCase::Yes, WholeWord::No, Direction::Down);
  const auto up = Opts(MatchCase::Yes, WholeWord::No, Direction::Up);
  EXPECT_FALSE(Find(text, pattern, 0, down, Case()));
  EXPECT_FALSE(Find(text, std::string(4000, 'a') + "b", text.size(), up, Case()));
  // Every position matches but none is a whole word.
  const auto whole = Opts(MatchCase::No, WholeWord::Yes, Direction::Down);
  EXPECT_FALSE(Find(text, std::string(4000, 'A'), 0, whole, Case()));
  EXPECT_EQ(ReplaceAll(text, std::string(4000, 'a'), "", whole, Case()).count, 0u);
}

TEST(TextSearch, TheLinearPathFindsAMatchOverlappingARejectedOne) {
  // The run of 'a' costs the fast search so much that it hands over to the
  // linear one; there the first "aaaa-aaaa" is no whole word and the one
  // sharing its last "aaaa" is.
  const std::string run(1000, 'a');
  const auto down = Opts(MatchCase::No, WholeWord::Yes, Direction::Down);
  const auto up = Opts(MatchCase::No, WholeWord::Yes, Direction::Up);
  EXPECT_EQ(StartOf(Find(run + " xaaaa-aaaa-aaaa", "aaaa-aaaa", 0, down, Case())), 1007u);
  EXPECT_EQ(StartOf(Find("aaaa-aaaa-aaaax " + run, "aaaa-aaaa", 1016, up, Case())), 0u);
  EXPECT_EQ(ReplaceAll(run + " xaaaa-aaaa-aaaa", "aaaa-aaaa", "#", down, Case()).text, run + " xaaaa-#");
}

TEST(TextSearch, ReplaceAllCountsEachOriginalOccurrenceOnce) {
  const auto any = Opts(MatchCase::No, WholeWord::No, Direction::Down);
  const struct {
    std::string text;
    std::string pattern;
    std::string replacement;
    SearchOptions options;
    std::string result;
    std::size_t count;
  } cases[] = {
      {std::string(12, 'a'), "a", "b", any, std::string(12, 'b'), 12},
      {"aaa", "a", "aa", any, "aaaaaa", 3},  // the replacement holds the pattern
      {"xax", "a", "aaa", any, "xaaax", 1},
      {"aaa", "aa", "X", any, "Xa", 1},  // overlapping: left to right, no overlaps
      {"aaaa", "aa", "X", any, "XX", 2},
      {"abc", "", "X", any, "abc", 0},  // an empty pattern does nothing
      {"abc", "z", "X", any, "abc", 0},
      {"a-b-c", "-", "", any, "abc", 2},
      {W("Ёж ёж ЁЖ ежи"), W("ёж"), "x", any, "x x x " + W("ежи"), 3},
      {W("Ёж ёж ЁЖ"), W("ёж"), "x", Opts(MatchCase::Yes, WholeWord::No, Direction::Down), W("Ёж x ЁЖ"), 1},
      {"cat concat cat", "cat", "dog", Opts(MatchCase::No, WholeWord::Yes, Direction::Down), "dog concat dog", 2},
      {"a\r\nb", "\n", "X", Opts(MatchCase::No, WholeWord::No, Direction::Down, LineBreak::CrLf), "a\r\nb", 0},
      {"a\r\nb\r\n", "\r\n", " ", Opts(MatchCase::No, WholeWord::No, Direction::Down, LineBreak::CrLf), "a b ", 2},
  };
  for (const auto& c : cases) {
    const ReplaceResult r = ReplaceAll(c.text, c.pattern, c.replacement, c.options, Case());
    EXPECT_EQ(r.text, c.result) << c.text << " / " << c.pattern;
    EXPECT_EQ(r.count, c.count) << c.text << " / " << c.pattern;
  }
}

TEST(TextSearch, ReplaceAllInPiecesEqualsOnePass) {
  const std::string text = "ab ab abab xabx ab";
  const auto whole = Opts(MatchCase::No, WholeWord::Yes, Direction::Down);
  const ReplaceResult once = ReplaceAll(text, "ab", "[ab]", whole, Case());
  ASSERT_EQ(once.count, 3u);
  for (std::size_t budget : {0u, 1u, 2u, 3u, 5u, 7u, 100u}) {
    ReplaceAllRun run(text, 0, text.size(), "ab", "[ab]", whole, Case());
    int pieces = 0;
    while (run.Advance(budget)) ++pieces;
    EXPECT_EQ(run.Count(), once.count) << budget;
    EXPECT_EQ(run.TakeRewrittenRange(), once.text) << budget;
    if (budget == 1) {
      EXPECT_GT(pieces, 5);
    }
  }
}

TEST(TextSearch, ReplaceAllRunKeepsToItsRangeAndReportsEnds) {
  const std::string text = "ab ab ab ab";
  const auto any = Opts(MatchCase::No, WholeWord::No, Direction::Down);
  ReplaceAllRun run(text, 2, 8, "ab", "XYZ", any, Case());  // " ab ab"
  while (run.Advance(1)) {
  }
  EXPECT_EQ(run.Count(), 2u);
  const std::string range = run.TakeRewrittenRange();
  EXPECT_EQ(range, " XYZ XYZ");
  EXPECT_EQ(run.FirstMatchStart(), 1u);
  EXPECT_EQ(run.LastMatchEnd(), 6u);
  EXPECT_EQ(run.FirstReplacementEnd(), 4u);
  EXPECT_EQ(run.LastReplacementEnd(), 8u);

  // A match cut by the range's end is not one; whole words see past the range.
  ReplaceAllRun cut(text, 0, 4, "ab", "X", any, Case());
  cut.Advance(100);
  EXPECT_EQ(cut.TakeRewrittenRange(), "X a");
  ReplaceAllRun word("xab ab", 1, 6, "ab", "X", Opts(MatchCase::No, WholeWord::Yes, Direction::Down), Case());
  word.Advance(100);
  EXPECT_EQ(word.TakeRewrittenRange(), "ab X");

  // Stopped half way: the rest comes back untouched.
  ReplaceAllRun stopped(text, 0, text.size(), "ab", "X", any, Case());
  stopped.Advance(4);
  EXPECT_EQ(stopped.Count(), 2u);
  EXPECT_EQ(stopped.TakeRewrittenRange(), "X X ab ab");

  // Ranges outside the text are clamped.
  ReplaceAllRun outside(text, 50, 10, "ab", "X", any, Case());
  EXPECT_FALSE(outside.Advance(10));
  EXPECT_EQ(outside.TakeRewrittenRange(), "");
}

TEST(TextSearch, CharacterAndByteOffsetsAgree) {
  const std::string text = "a\r\nb\rc\r\n";  // characters: a, break, b, CR, c, break
  const struct {
    long long character;
    std::size_t byte;
  } cases[] = {{-5, 0}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 8}, {99, 8}};
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
  const struct {
    std::string text;
    int caret;
    std::string word;
  } cases[] = {
      {"hello world", 2, "hello"},
      {"hello world", 5, "hello"},  // just after a word
      {"hello world", 6, "world"},  // at a word's first letter
      {"hello world", 11, "world"},
      {"a  b", 2, ""},  // between blanks
      {"x, y", 1, "x"},  // a word beside the caret wins over marks
      {"-- (--) --", 5, "(--)"},
      {W("привет мир_2"), 9, W("мир_2")},
      {"ab\ncd", 3, "cd"},
      {"ab\ncd", 2, "ab"},
      {"", 0, ""},
      {"abc", -4, "abc"},
      {"abc", 99, "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(WordAtCaret(c.text, c.caret, Case()), c.word) << c.text << " @" << c.caret;
}

TEST(ReplaceAllRunLimit, ARunThatWouldOutgrowItsLimitStopsAndSaysSo) {
  const std::string text(1000, 'a');
  ReplaceAllRun run(text, 0, text.size(), "a", std::string(100, 'b'), SearchOptions{}, Case());
  run.SetSizeLimit(50000);
  while (run.Advance(64)) {
  }
  EXPECT_TRUE(run.TooLarge());
  EXPECT_TRUE(run.Done());

  ReplaceAllRun fits(text, 0, text.size(), "a", "bb", SearchOptions{}, Case());
  fits.SetSizeLimit(50000);
  while (fits.Advance(64)) {
  }
  EXPECT_FALSE(fits.TooLarge());
  EXPECT_EQ(fits.TakeRewrittenRange(), std::string(2000, 'b'));
}

}  // namespace
}  // namespace plumex
