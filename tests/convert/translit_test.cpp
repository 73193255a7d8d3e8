#include "convert/translit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "convert/win1251.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

TEST(Translit, ShippedTablesGoForwardToTheirValuesAndBackToTheFirstLetterWithThem) {
  const std::vector<std::string> translit = BuiltInTranslitLines();
  const std::vector<std::string> ruslit = BuiltInRuslitLines();
  ASSERT_EQ(translit.size(), 66u);
  ASSERT_EQ(ruslit.size(), 66u);
  EXPECT_EQ(translit[0] + translit[14] + translit[53] + translit[65], W("А=AЖ=Zhщ=shchя=ya"));
  EXPECT_EQ(ruslit[24] + ruslit[60] + ruslit[61], W("Л=/\\Э=-) э=-)")) << "the capital Э's value ends with a blank";
  // Letters sharing a value come back as the one listed first.
  const std::map<std::string, std::string> translitWinners = {{"E", "Е"}, {"e", "е"}, {"'", "Ъ"}, {"`", "Ь"}};
  const std::map<std::string, std::string> ruslitWinners = {
      {"6", "Б"},  {"B", "В"},  {"r", "Г"},  {"g", "Д"},  {"E", "Е"},   {"e", "е"},   {"}|{", "Ж"},
      {"3", "З"},  {"U", "И"},  {"u", "и"},  {"/\\", "Л"}, {"M", "М"},  {"H", "Н"},   {"/7", "П"},
      {"(|)", "Ф"}, {"U,", "Ц"}, {"u,", "ц"}, {"4", "Ч"},  {"|||", "Ш"}, {"|||,", "Щ"}, {"'b", "Ъ"},
      {"b|", "Ы"}, {"b", "Ь"},  {"|-0", "Ю"}, {"R", "Я"},
  };
  for (const auto& [lines, winners] : {std::pair{translit, translitWinners}, std::pair{ruslit, ruslitWinners}}) {
    for (const std::string& line : lines) {
      const std::string value = line.substr(2);
      EXPECT_EQ(TranslitForward(line.substr(0, 1), lines), value) << Win1251ToUtf8(line);
      const auto winner = winners.find(value);
      EXPECT_EQ(TranslitReverse(value, lines), winner == winners.end() ? line.substr(0, 1) : W(winner->second));
    }
  }
}

TEST(Translit, WordsFromTheHandbook) {
  const auto translit = BuiltInTranslitLines();
  const auto ruslit = BuiltInRuslitLines();
  EXPECT_EQ(TranslitForward(W("Щука"), translit), "Shchuka");
  EXPECT_EQ(TranslitReverse("Shchuka", translit), W("Щука"));
  EXPECT_EQ(TranslitReverse("ZHUK Zhuk", translit), W("ЗХУК Жук")) << "matching is case-sensitive";
  EXPECT_EQ(TranslitForward(W("Жук"), ruslit), "}|{yk");
  EXPECT_EQ(TranslitReverse("}|{yk", ruslit), W("Жук"));
  EXPECT_EQ(TranslitReverse("Shc", translit), W("Ш") + "c") << "a key cut off by the end";
  for (const auto* lines : {&translit, &ruslit}) {
    EXPECT_EQ(TranslitForward("12 .,!?\r\n", *lines), "12 .,!?\r\n");
    EXPECT_EQ(TranslitReverse("12 .,!?\r\n", *lines), "12 .,!?\r\n");
  }
  // A compiled table serves many texts.
  const TranslitTable reverse(translit, TranslitDirection::Reverse);
  EXPECT_EQ(reverse.Apply("Privet") + reverse.Apply("mir"), W("Приветмир"));
}

// Where one Latin spelling stands for two Russian ones, the longer entry is
// taken first over the whole text, as a person reading it would.
TEST(Translit, LongerEntriesAreTakenFirst) {
  const auto lines = BuiltInTranslitLines();
  const struct { const char* russian; const char* back; const char* why; } cases[] = {
      {"тщеславие", "тщеславие", "shch outranks ts, though ts starts first"},
      {"борщ", "борщ", "shch outranks sh and s"},
      {"схема", "шема", "сх and ш are both sh"},
      {"детский", "децкий", "тс and ц are both ts"},
      {"отшатнулся", "оцхатнулся", "ts and sh tie, and Ц stands before Ш"},
      {"ёлка", "елка", "Ё and Е are both E"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TranslitReverse(TranslitForward(W(c.russian), lines), lines), W(c.back)) << c.why;
}

TEST(Translit, EditedTablesChainAndSkipWhatTheyCannotUse) {
  const struct { std::vector<std::string> lines; std::string text, forward, reverse; const char* why; } cases[] = {
      {{}, "abc", "abc", "abc", "an empty table changes nothing"},
      {{"no equals sign", "a"}, "a no", "a no", "a no", "lines without = are skipped"},
      {{"=x", "a=1"}, "ax1", "1x1", "aa", "an empty key is never looked for; reverse deletes its value"},
      {{"a=", "b=2"}, "ab2", "22", "abb", "an empty value deletes forward and is skipped in reverse"},
      {{"a=1", "a=2"}, "aa12", "1112", "aaaa", "a repeated key: the first line wins"},
      {{"a=b=c"}, "a b=c", "b=c b=c", "a a", "the value runs to the end of the line"},
      {{"x=s", "y=sh", "z=shch"}, "shchshs", "shchshs", "zyx", "longer values first"},
      {{"b=Y", "ab=X"}, "abb", "aYY", "abb", "forward keeps table order: b is replaced first"},
      {{"\r\n=<br>", "\x01=\xFF"}, std::string("\r\n\x01", 3), "<br>\xFF", "\r\n\x01", "control bytes"},
      {{"a=b", "b=c"}, "ab", "cc", "aa", "a later entry matches what an earlier one wrote"},
      {{"b=c", "a=b"}, "ab", "bc", "aa", "an earlier entry does not see what a later one writes"},
      {{"x=ab", "bb=Q"}, "xb", "aQ", "xb", "the end of a value and the text after it"},
      {{"x=b", "ab=Q"}, "ax", "Q", "ax", "the text before a value and its start"},
      {{"q=ab", "b=q"}, "ab", "aq", "b", "reverse chains through its own order"},
      {{"ab=", "c=d"}, "aabbc", "d", "aabbc", "a deletion brings a key together again"},
      {{"a=aa", "b=ab"}, "ab", "aaab", "b", "a value holding its own key is written once"},
      {{"ab=b"}, "aab", "ab", "aaab", "nor does an entry match across its own value"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TranslitForward(c.text, c.lines), c.forward) << c.why;
    EXPECT_EQ(TranslitReverse(c.text, c.lines), c.reverse) << c.why;
  }
}

// The rule written the slow way: entry after entry, replace the leftmost
// occurrence made of bytes this entry did not write, and search again from
// the start.
std::string ReplaceEntryByEntry(std::string text, const std::vector<std::pair<std::string, std::string>>& entries) {
  for (const auto& [key, value] : entries) {
    std::vector<bool> written(text.size());
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key)) {
      while (at != std::string::npos && std::count(written.begin() + at, written.begin() + at + key.size(), true))
        at = text.find(key, at + 1);
      if (at == std::string::npos) break;
      text.replace(at, key.size(), value);
      written.erase(written.begin() + at, written.begin() + at + key.size());
      written.insert(written.begin() + at, value.size(), true);
    }
  }
  return text;
}

TEST(Translit, AgreesWithReplacingEntryByEntry) {
  std::mt19937 random(20240611);
  const auto word = [&](std::string_view letters, int minLength, int maxLength) {
    std::string w(std::uniform_int_distribution<int>(minLength, maxLength)(random), ' ');
    for (char& c : w) c = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
    return w;
  };
  for (int round = 0; round < 3000; ++round) {
    // Keys and values of different letters never chain; of the same ones they do.
    const bool apart = round % 2 == 0;
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> forward, reverse;
    for (int i = std::uniform_int_distribution<int>(1, 8)(random); i > 0; --i) {
      const std::string key = word(apart ? "abc" : "ab", 1, 3);
      const std::string value = word(apart ? "xyz" : "ab", apart ? 1 : 0, 3);
      lines.push_back(key + "=" + value);
      forward.emplace_back(key, value);
      if (!value.empty()) reverse.emplace_back(value, key);
    }
    std::stable_sort(reverse.begin(), reverse.end(), [](const auto& a, const auto& b) {
      return a.first.size() + a.second.size() > b.first.size() + b.second.size();
    });
    const std::string text = word("abcxyz", 0, 40);
    for (const auto& [direction, entries] : {std::pair{TranslitDirection::Forward, forward},
                                             std::pair{TranslitDirection::Reverse, reverse}}) {
      const TranslitTable table(lines, direction);
      const std::string expected = ReplaceEntryByEntry(text, entries);
      ASSERT_EQ(table.Apply(text), expected) << text << (table.OnePass() ? " in one pass" : "");
      ASSERT_EQ(table.ApplyEntryByEntry(text), expected) << text;
    }
  }
}

TEST(Translit, ShippedTablesGiveInOnePassWhatEntryByEntryGives) {
  std::string alphabet = W("ЁЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮёйцукенгшщзхъфывапролджэячсмитьбю  ,.\r\n");
  for (const auto& lines : {BuiltInTranslitLines(), BuiltInRuslitLines()})
    for (const std::string& line : lines) alphabet += line.substr(2);  // for the reverse tables to find
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, 3000)(random), ' ');
    for (char& c : text) c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    for (const auto& lines : {BuiltInTranslitLines(), BuiltInRuslitLines()}) {
      for (TranslitDirection direction : {TranslitDirection::Forward, TranslitDirection::Reverse}) {
        const TranslitTable table(lines, direction);
        ASSERT_TRUE(table.OnePass());
        ASSERT_EQ(table.Apply(text), table.ApplyEntryByEntry(text)) << Win1251ToUtf8(text);
      }
    }
  }
}

TEST(Translit, HostileTextsAndTablesStayLinear) {
  const auto ruslit = BuiltInRuslitLines();
  // Every position starts a "|||": more overlapping occurrences than one pass settles together.
  EXPECT_TRUE(TranslitReverse(std::string(150'001, '|'), ruslit) == std::string(50'000, W("Ш")[0]) + "|");
  std::vector<std::string> nested;
  for (int length = 1; length <= 40; ++length) nested.push_back(W("я") + "=" + std::string(length, 'a'));
  EXPECT_TRUE(TranslitReverse(std::string(20'000, 'a'), nested) == std::string(500, W("я")[0]));
  // Entry by entry, a long key that nearly matches everywhere and a deletion
  // that brings its key together again a million times.
  const std::string run(4 << 20, 'a');
  EXPECT_TRUE(TranslitForward(run, {"y=a", std::string(4000, 'a') + "b=Q"}) == run);
  EXPECT_EQ(TranslitForward(std::string(1 << 20, 'a') + std::string(1 << 20, 'b'), {"ab="}), "");

  const std::string all = test::AllBytes();
  std::vector<std::string> everyByte;  // "=" is in no key, so no value feeds another entry
  for (char c : all)
    if (c != '=') everyByte.push_back(std::string(1, c) + "==" + std::string(1, c) + "=");
  const std::string forward = TranslitForward(all, everyByte);
  EXPECT_EQ(forward.size(), all.size() * 3 - 2);
  EXPECT_EQ(TranslitReverse(forward, everyByte), all);
}

}  // namespace
}  // namespace plumex
