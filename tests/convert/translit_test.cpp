#include "convert/translit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "convert/win1251.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

TEST(Translit, ShippedTablesGoForwardToTheirValuesAndBackToTheFirstLetterWithThem) {
  const std::vector<std::string> translit = BuiltInTranslitLines();
  const std::vector<std::string> ruslit = BuiltInRuslitLines();
  ASSERT_EQ(translit.size() + ruslit.size(), 132u);
  const std::string alphabet = W("АаБбВвГгДдЕеЁёЖжЗзИиЙйКкЛлМмНнОоПпРрСсТтУуФфХхЦцЧчШшЩщЪъЫыЬьЭэЮюЯя");
  const std::string latin = TranslitForward(alphabet, translit);
  const std::string lookAlike = TranslitForward(alphabet, ruslit);
  EXPECT_EQ(latin, "AaBbVvGgDdEeEeZhzhZzIiJjKkLlMmNnOoPpRrSsTtUuFfHhTstsChchShshShchshch''Yy``EeYuyuYaya");
  EXPECT_EQ(lookAlike, "Aa66BBrrggEeEe}|{}|{33UuUuKk/\\/\\MMHHOo/7/7PpCcTmYy(|)(|)XxU,u,44||||||"
                       "|||,|||,'b'bb|b|bb-) -)|-0|-0RR");  // the capital Э's value ends with a blank
  // Letters sharing a value come back as the one listed first.
  EXPECT_EQ(TranslitReverse(latin, translit), W("АаБбВвГгДдЕеЕеЖжЗзИиЙйКкЛлМмНнОоПпРрСсТтУуФфХхЦцЧчШшЩщЪЪЫыЬЬЕеЮюЯя"));
  EXPECT_EQ(TranslitReverse(lookAlike, ruslit), W("АаББВВГГДДЕеЕеЖЖЗЗИиИиКкЛЛММННОоППРрСсТтУуФФХхЦцЧЧШШЩЩЪЪЫЫЬЬЭэЮЮЯЯ"));
}

// Where one Latin spelling stands for two Russian ones, the longer entry is taken first.
TEST(Translit, WordsBackFromLatin) {
  const struct { bool ruslit; const char* text; const char* expected; } cases[] = {
      {false, "Shchuka Shc", "Щука Шc"},  // a key cut off by the end
      {false, "ZHUK Zhuk tsar", "ЗХУК Жук цар"},  // case-sensitive; ts before t and s
      {true, "}|{yk 12 .,!?\r\n", "Жук 12 .,!?\r\n"},
      // shch before ts though ts starts first, and before sh; сх and ш are both sh, тс and ц both ts
      {false, "tshcheslavie borshch shema detskij", "тщеславие борщ шема децкий"},
      {false, "otshatnulsya", "оцхатнулся"},  // ts and sh tie: Ц stands before Ш
  };
  for (const auto& c : cases) {
    const TranslitTable table(c.ruslit ? BuiltInRuslitLines() : BuiltInTranslitLines(), TranslitDirection::Reverse);
    EXPECT_EQ(table.Apply(W(c.text)) + table.Apply(W(c.text)), W(c.expected) + W(c.expected)) << c.text;
  }
}

TEST(Translit, EditedTablesChainAndSkipWhatTheyCannotUse) {
  const struct { std::vector<std::string> lines; std::string text, forward, reverse; const char* why; } cases[] = {
      {{}, "abc", "abc", "abc", "an empty table changes nothing"},
      {{"no equals sign", "a"}, "a no", "a no", "a no", "lines without = are skipped"},
      {{"=x", "a=1"}, "ax1", "1x1", "aa", "an empty key is never looked for; reverse deletes its value"},
      {{"a=", "b=2"}, "ab2", "22", "abb", "an empty value deletes forward and is skipped in reverse"},
      {{"a=b=c"}, "a b=c", "b=c b=c", "a a", "the value runs to the end of the line"},
      {{"\r\n=<br>", "\x01=\xFF"}, std::string("\r\n\x01", 3), "<br>\xFF", "\r\n\x01", "control bytes"},
      {{"a=b", "b=c"}, "ab", "cc", "aa", "a later entry matches what an earlier one wrote"},
      {{"q=ab", "b=q"}, "ab", "aq", "b", "reverse chains through its own order"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TranslitForward(c.text, c.lines), c.forward) << c.why;
    EXPECT_EQ(TranslitReverse(c.text, c.lines), c.reverse) << c.why;
  }
}

// The rule the slow way: entry after entry, replace the leftmost occurrence
// of bytes this entry did not write, and search again from the start.
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

std::string RandomText(std::mt19937& random, std::string_view letters, int minLength, int maxLength) {
  std::string text(std::uniform_int_distribution<int>(minLength, maxLength)(random), ' ');
  for (char& c : text) c = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
  return text;
}

TEST(Translit, AgreesWithReplacingEntryByEntry) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 3000; ++round) {
    const bool apart = round % 2 == 0;  // keys and values of different letters never chain
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> forward, reverse;
    for (int i = std::uniform_int_distribution<int>(1, 8)(random); i > 0; --i) {
      const std::string key = RandomText(random, apart ? "abc" : "ab", 1, 3);
      forward.emplace_back(key, RandomText(random, apart ? "xyz" : "ab", apart, 3));
      lines.push_back(forward.back().first + "=" + forward.back().second);
      if (!forward.back().second.empty()) reverse.emplace_back(forward.back().second, forward.back().first);
    }
    std::stable_sort(reverse.begin(), reverse.end(), [](const auto& a, const auto& b) {
      return a.first.size() + a.second.size() > b.first.size() + b.second.size();
    });
    const std::string text = RandomText(random, "abcxyz", 0, 40);
    for (const auto& [direction, entries] : {std::pair{TranslitDirection::Forward, forward},
                                             std::pair{TranslitDirection::Reverse, reverse}}) {
      const TranslitTable table(lines, direction);
      const std::string expected = ReplaceEntryByEntry(text, entries);
      ASSERT_EQ(table.Apply(text) + "|" + table.ApplyEntryByEntry(text), expected + "|" + expected) << text;
    }
  }
}

TEST(Translit, ShippedTablesGiveInOnePassWhatEntryByEntryGives) {
  std::string alphabet = W("ЁЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮёйцукенгшщзхъфывапролджэячсмитьбю  ,.\r\n");
  for (const auto& lines : {BuiltInTranslitLines(), BuiltInRuslitLines()})
    for (const std::string& line : lines) alphabet += line.substr(2);  // for the reverse tables to find
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const std::string text = RandomText(random, alphabet, 0, 3000);
    for (const auto& lines : {BuiltInTranslitLines(), BuiltInRuslitLines()}) {
      for (const TranslitDirection direction : {TranslitDirection::Forward, TranslitDirection::Reverse}) {
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
  // Entry by entry: a long key that nearly matches everywhere, a deletion that joins its key a million times.
  const std::string run(4 << 20, 'a');
  EXPECT_TRUE(TranslitForward(run, {"y=a", std::string(4000, 'a') + "b=Q"}) == run);
  EXPECT_EQ(TranslitForward(std::string(1 << 20, 'a') + std::string(1 << 20, 'b'), {"ab="}), "");
  // Growth stops at 16 times the text and 64 KB: 16 doublings pass, 64 would not end.
  EXPECT_EQ(TranslitForward("a", std::vector<std::string>(16, "a=aa")).size(), 1u << 16);
  const std::string wide(1 << 16, 'b');
  for (const auto& [text, lines] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"a", std::vector<std::string>(64, "a=aa")}, {std::string(32, 'a'), {"a=" + wide}},
           {std::string(64, 'a'), {"aa=" + wide}}})
    EXPECT_THROW(TranslitForward(text, lines), std::bad_alloc) << lines.size();

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
