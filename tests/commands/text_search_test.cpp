#include "commands/text_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <tuple>

#include "config/conversion_settings.h"
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
constexpr SearchOptions kExact{.matchCase = MatchCase::Yes};
constexpr SearchOptions kWord{.wholeWord = WholeWord::Yes};
constexpr SearchOptions kCrLf{.lineBreak = LineBreak::CrLf};

std::size_t FindAt(std::string_view text, std::string_view pattern, std::size_t from, const SearchOptions& o) {
  const auto span = Find(text, pattern, from, o, Case());
  return span ? span->start : kNone;
}

// What the random texts below cannot show: the letter tables, which bytes
// are word bytes, empty patterns and CR LF pairs.
TEST(TextSearch, FindsAndReplacesByExample) {
  const Settings s;
  const struct { std::string text, pattern; std::size_t from; SearchOptions options; std::size_t start; } cases[] = {
      {"abc", "", 0, kDown, kNone}, {"1.5", ",", 0, kDown, kNone},  // an empty pattern; a byte with no case partner
      {"--" + s.StrUpCase_Ru, s.StrLoCase_Ru, 0, kDown, 2}, {"--" + s.StrLoCase_Ru, s.StrUpCase_Ru, 0, kDown, 2},
      {"--" + s.StrUpCase_En, s.StrLoCase_En, 0, kDown, 2}, {s.StrUpCase_Ru, s.StrLoCase_Ru, 0, kExact, kNone},
      {"(cat) cat1 cat_ _cat", "cat", 2, kWord, kNone}, {W("бcat cat"), "cat", 0, kWord, 5},  // digits, '_', letters
      {W("кот, котик"), W("КОТ"), 0, kWord, 0}, {W("ёжик") + "\xA0" + W("ёж"), W("ёж"), 0, kWord, 5},  // no-break space
      // A CR LF pair is one character: never cut in two, while a stray CR is a character of its own.
      {"a\r\nb\rc", "\n", 0, kCrLf, kNone}, {"a\r\nb\rc", "a\r", 0, kCrLf, kNone}, {"a\r\nb\rc", "\nb", 0, kCrLf, kNone},
      {"a\r\nb\rc", "\r\n", 0, kCrLf, 1}, {"a\r\nb\rc", "b\r", 0, kCrLf, 3}, {"a\r\nb\rc", "\n", 0, kDown, 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindAt(c.text, c.pattern, c.from, c.options), c.start) << c.text << " / " << c.pattern << " @" << c.from;
  // Replace All counts each original occurrence once, also when the replacement holds the pattern.
  const struct { std::string text, pattern, replacement; SearchOptions options; std::string result; } replaced[] = {
      {"aaa", "a", "aa", kDown, "aaaaaa/3"}, {"abc", "", "X", kDown, "abc/0"},
      {"a\r\nb", "\n", "X", kCrLf, "a\r\nb/0"}, {"a\r\nb\r\n", "\r\n", " ", kCrLf, "a b /2"},
  };
  for (const auto& c : replaced) {
    const ReplaceResult r = ReplaceAll(c.text, c.pattern, c.replacement, c.options, Case());
    EXPECT_EQ(r.text + "/" + std::to_string(r.count), c.result) << c.pattern;
  }
}

// The plain definition the fast searcher must agree with.
std::optional<std::size_t> NaiveFind(const std::string& text, const std::string& pattern, std::size_t from,
                                     const SearchOptions& o) {
  const auto fold = [&](unsigned char b) { return o.matchCase == MatchCase::Yes ? b : Case().LowerMap()[b]; };
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

TEST(TextSearch, AgreesWithThePlainDefinitionOnRandomTexts) {
  // Few distinct bytes and long runs: many partial matches, and the runs of
  // one letter that drive the searcher onto its linear path.
  const std::string alphabet = std::string("aaaaAb _") + W("Ёё");
  std::mt19937 random(20240611);
  const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  const auto make = [&](std::size_t n) { std::string s; while (s.size() < n) s += alphabet[pick(alphabet.size())]; return s; };
  for (int round = 0; round < 4000; ++round) {
    const std::string text =
        round % 5 == 0 ? std::string(pick(200), 'a') + make(pick(4)) + std::string(pick(50), 'a') : make(pick(80));
    const std::string pattern = round % 3 == 0 ? make(1 + pick(2)) + std::string(pick(12), 'a') : make(1 + pick(6));
    SearchOptions o{round % 2 ? MatchCase::Yes : MatchCase::No, round % 7 < 2 ? WholeWord::Yes : WholeWord::No,
                    round % 4 < 2 ? Direction::Down : Direction::Up};
    const std::size_t from = pick(text.size() + 2);
    SCOPED_TRACE("text '" + text + "' pattern '" + pattern + "' from " + std::to_string(from));
    const auto expected = NaiveFind(text, pattern, from, o);
    ASSERT_EQ(Find(text, pattern, from, o, Case()), expected ? std::optional(TextSpan{*expected, *expected + pattern.size()})
                                                             : std::nullopt);
    // Replace All: every match left to right, without overlaps, whatever the direction.
    const ReplaceResult replaced = ReplaceAll(text, pattern, "<>", o, Case());
    ReplaceResult naive;
    std::size_t pos = 0;
    o.direction = Direction::Down;
    for (auto s = NaiveFind(text, pattern, 0, o); s; s = NaiveFind(text, pattern, pos, o), ++naive.count) {
      naive.text += text.substr(pos, *s - pos) + "<>";
      pos = *s + pattern.size();
    }
    naive.text += text.substr(pos);
    ASSERT_EQ(std::pair(replaced.text, replaced.count), std::pair(naive.text, naive.count));
  }
}

TEST(TextSearch, HostilePatternsStayLinear) {
  // Quadratic work here would be billions of steps; linear work is a few
  // million, so a broken fallback shows up as a test that never ends.
  const std::string text(4 << 20, 'a');
  EXPECT_FALSE(Find(text, "b" + std::string(4000, 'a'), 0, kExact, Case()));
  EXPECT_FALSE(Find(text, std::string(4000, 'a') + "b", text.size(), {MatchCase::Yes, WholeWord::No, Direction::Up}, Case()));
  // Every position matches but none is a whole word.
  EXPECT_FALSE(Find(text, std::string(4000, 'A'), 0, kWord, Case()));
  EXPECT_EQ(ReplaceAll(text, std::string(4000, 'a'), "", kWord, Case()).count, 0u);
  // On the linear path, the first "aaaa-aaaa" is no whole word and the one sharing its last "aaaa" is.
  const std::string run(1000, 'a');
  EXPECT_EQ(FindAt(run + " xaaaa-aaaa-aaaa", "aaaa-aaaa", 0, kWord), 1007u);
  EXPECT_EQ(FindAt("aaaa-aaaa-aaaax " + run, "aaaa-aaaa", 1016, {.wholeWord = WholeWord::Yes, .direction = Direction::Up}), 0u);
  EXPECT_EQ(ReplaceAll(run + " xaaaa-aaaa-aaaa", "aaaa-aaaa", "#", kWord, Case()).text, run + " xaaaa-#");
}

// The range of a run as rewritten after at most `budget` bytes, or "too large".
std::string RunOver(std::string_view text, std::size_t from, std::size_t to, std::string_view replacement,
                    const SearchOptions& o, std::size_t budget, std::size_t limit = -1) {
  ReplaceAllRun run(text, from, to, "ab", replacement, o, Case());
  run.SetSizeLimit(limit);
  run.Advance(budget);
  return run.TooLarge() ? "too large" : run.TakeRewrittenRange();
}

TEST(TextSearch, ReplaceAllRunGoesInPiecesKeepsToItsRangeAndReportsEnds) {
  const std::string words = "ab ab abab xabx ab";
  for (std::size_t budget : {0u, 1u, 2u, 3u, 5u, 7u, 100u}) {
    ReplaceAllRun run(words, 0, words.size(), "ab", "[ab]", kWord, Case());
    int pieces = 0;
    while (run.Advance(budget)) ++pieces;
    EXPECT_EQ(run.Count(), 3u) << budget;
    EXPECT_EQ(run.TakeRewrittenRange(), "[ab] [ab] abab xabx [ab]") << budget;
    EXPECT_TRUE(budget != 1 || pieces > 5);
  }
  const std::string text = "ab ab ab ab";
  ReplaceAllRun run(text, 2, 8, "ab", "XYZ", kDown, Case());  // " ab ab"
  while (run.Advance(1)) {}
  EXPECT_EQ(run.TakeRewrittenRange(), " XYZ XYZ");
  EXPECT_EQ((std::vector<std::size_t>{run.Count(), run.FirstMatchStart(), run.LastMatchEnd(), run.FirstReplacementEnd(),
                                      run.LastReplacementEnd()}),
            (std::vector<std::size_t>{2, 1, 6, 4, 8}));
  EXPECT_EQ(RunOver(text, 0, 4, "X", kDown, 100), "X a") << "a match cut by the range's end is not one";
  EXPECT_EQ(RunOver("xab ab", 1, 6, "X", kWord, 100), "ab X") << "whole words see past the range";
  EXPECT_EQ(RunOver(text, 0, text.size(), "X", kDown, 4), "X X ab ab") << "stopped half way: the rest is untouched";
  EXPECT_EQ(RunOver(text, 50, 10, "X", kDown, 10), "") << "clamped to the text";
  // A run that would outgrow its limit stops at once and says so.
  std::string pairs;
  for (int i = 0; i < 500; ++i) pairs += "ab";
  EXPECT_EQ(RunOver(pairs, 0, pairs.size(), std::string(200, 'b'), kDown, -1, 50000), "too large");
  EXPECT_EQ(RunOver(pairs, 0, pairs.size(), "bbbb", kDown, -1, 50000), std::string(2000, 'b'));
}

TEST(TextSearch, CharacterAndByteOffsetsAgree) {
  const std::string text = "a\r\nb\rc\r\n";  // characters: a, break, b, CR, c, break
  const struct { long long character; std::size_t byte; } cases[] = {
      {-5, 0}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 8}, {99, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(ByteOffsetOf(text, LineBreak::CrLf, c.character), c.byte) << c.character;
    EXPECT_EQ(CharacterOffsetOf(text, LineBreak::CrLf, c.byte), std::clamp(c.character, 0LL, 6LL)) << c.byte;
  }
  // Between CR and LF is the pair's start; Lf counts every byte.
  EXPECT_EQ(std::tuple(CharacterOffsetOf(text, LineBreak::CrLf, 2), ByteOffsetOf(text, LineBreak::Lf, 2),
                       ByteOffsetOf(text, LineBreak::Lf, 99), CharacterOffsetOf(text, LineBreak::Lf, 3),
                       CharacterOffsetOf(text, LineBreak::CrLf, 99)),
            std::tuple(1, 2u, text.size(), 3, 6));
}

TEST(TextSearch, WordAtCaretProposesTheWordNotItsBlanks) {
  const struct { std::string text; int caret; std::string word; } cases[] = {
      {"hello world", 2, "hello"}, {"hello world", 5, "hello"}, {"hello world", 6, "world"},  // just after, at the start
      {"hello world", 11, "world"}, {"a  b", 2, ""}, {"x, y", 1, "x"},  // a word beside the caret wins over marks
      {"-- (--) --", 5, "(--)"}, {W("привет мир_2"), 9, W("мир_2")}, {"ab\ncd", 3, "cd"}, {"ab\ncd", 2, "ab"},
      {"", 0, ""}, {"abc", -4, "abc"}, {"abc", 99, "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(WordAtCaret(c.text, c.caret, Case()), c.word) << c.text << " @" << c.caret;
}

}  // namespace
}  // namespace plumex
