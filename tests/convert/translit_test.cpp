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

// Two pangrams, so every letter appears in both cases; no apostrophe or
// grave accent, which translit itself uses for Ъ and Ь.
const std::string kPangrams = W(
    "Съешь же ещё этих мягких французских булок, да выпей чаю.\r\n"
    "Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\r\n"
    "СЪЕШЬ ЖЕ ЕЩЁ ЭТИХ МЯГКИХ ФРАНЦУЗСКИХ БУЛОК, ДА ВЫПЕЙ ЧАЮ!\r\n"
    "ШИРОКАЯ ЭЛЕКТРИФИКАЦИЯ ЮЖНЫХ ГУБЕРНИЙ ДАСТ МОЩНЫЙ ТОЛЧОК ПОДЪЁМУ СЕЛЬСКОГО ХОЗЯЙСТВА?\r\n");
const std::string kTail = "1234567890 -+=;:() \t.\r\n";

std::string ReplaceLetters(std::string text, const std::map<std::string, std::string>& utf8Pairs) {
  for (const auto& [from, to] : utf8Pairs)
    for (char& c : text)
      if (c == W(from)[0]) c = W(to)[0];
  return text;
}

TEST(Translit, ShippedTablesHoldEveryLetterAndGoForwardToTheirValues) {
  const std::vector<std::string> translit = BuiltInTranslitLines();
  const std::vector<std::string> ruslit = BuiltInRuslitLines();
  ASSERT_EQ(translit.size(), 66u);
  ASSERT_EQ(ruslit.size(), 66u);
  EXPECT_EQ(translit.front(), W("А=A"));
  EXPECT_EQ(translit[14], W("Ж=Zh"));
  EXPECT_EQ(translit[53], W("щ=shch"));
  EXPECT_EQ(translit.back(), W("я=ya"));
  EXPECT_EQ(ruslit[60], W("Э=-) ")) << "the upper-case look-alike ends with a blank";
  EXPECT_EQ(ruslit[61], W("э=-)"));
  EXPECT_EQ(ruslit[24], W("Л=/\\"));
  for (const auto& lines : {translit, ruslit})
    for (const std::string& line : lines)
      EXPECT_EQ(TranslitForward(line.substr(0, 1), lines), line.substr(2)) << Win1251ToUtf8(line);
}

// Reverse of each value alone. Letters sharing a value come back as the one
// listed first, the only choice a table of shared values leaves.
TEST(Translit, EveryShippedValueComesBackToTheFirstLetterWithIt) {
  const std::map<std::string, std::string> translitWinners = {{"E", "Е"}, {"e", "е"}, {"'", "Ъ"}, {"`", "Ь"}};
  const std::map<std::string, std::string> ruslitWinners = {
      {"6", "Б"},  {"B", "В"},  {"r", "Г"},  {"g", "Д"},  {"E", "Е"},   {"e", "е"},
      {"}|{", "Ж"}, {"3", "З"},  {"U", "И"},  {"u", "и"},  {"/\\", "Л"}, {"M", "М"},
      {"H", "Н"},  {"/7", "П"}, {"(|)", "Ф"}, {"U,", "Ц"}, {"u,", "ц"},  {"4", "Ч"},
      {"|||", "Ш"}, {"|||,", "Щ"}, {"'b", "Ъ"}, {"b|", "Ы"}, {"b", "Ь"},  {"|-0", "Ю"},
      {"R", "Я"},
  };
  const struct { std::vector<std::string> lines; const std::map<std::string, std::string>& winners; } tables[] = {
      {BuiltInTranslitLines(), translitWinners}, {BuiltInRuslitLines(), ruslitWinners}};
  for (const auto& table : tables) {
    for (const std::string& line : table.lines) {
      const std::string value = line.substr(2);
      const auto winner = table.winners.find(value);
      const std::string expected = winner == table.winners.end() ? line.substr(0, 1) : W(winner->second);
      EXPECT_EQ(TranslitReverse(value, table.lines), expected) << Win1251ToUtf8(line);
    }
  }
}

TEST(Translit, WordsFromTheHandbook) {
  const auto translit = BuiltInTranslitLines();
  const auto ruslit = BuiltInRuslitLines();
  EXPECT_EQ(TranslitForward(W("Щука"), translit), "Shchuka");
  EXPECT_EQ(TranslitReverse("Shchuka", translit), W("Щука"));
  EXPECT_EQ(TranslitReverse("ZHUK", translit), W("ЗХУК")) << "matching is case-sensitive";
  EXPECT_EQ(TranslitForward(W("Жук"), ruslit), "}|{yk");
  EXPECT_EQ(TranslitReverse("}|{yk", ruslit), W("Жук"));
  // Keys cut off by the end of the text.
  EXPECT_EQ(TranslitReverse("Shc", translit), W("Ш") + "c");
  EXPECT_EQ(TranslitReverse("||", ruslit), "||");
  for (const auto* lines : {&translit, &ruslit}) {
    EXPECT_EQ(TranslitForward("12 .,!?\r\n", *lines), "12 .,!?\r\n");
    EXPECT_EQ(TranslitReverse("12 .,!?\r\n", *lines), "12 .,!?\r\n");
    EXPECT_EQ(TranslitForward("", *lines), "");
    EXPECT_EQ(TranslitReverse("", *lines), "");
  }
  // A compiled table serves many texts.
  const TranslitTable reverse(translit, TranslitDirection::Reverse);
  EXPECT_EQ(reverse.Apply("Privet"), W("Привет"));
  EXPECT_EQ(reverse.Apply("mir"), W("мир"));
  EXPECT_EQ(TranslitTable(translit, TranslitDirection::Forward).Apply(W("Ёж")), "Ezh");
}

TEST(Translit, ParagraphRoundTripsLoseOnlyWhatTheTablesCannotTell) {
  const struct {
    std::vector<std::string> lines;
    std::map<std::string, std::string> merged;
    std::string tail;
  } cases[] = {
      // Ё and Э share "E" with Е; the signs share their marks with the capitals.
      {BuiltInTranslitLines(), {{"ё", "е"}, {"Ё", "Е"}, {"э", "е"}, {"Э", "Е"}, {"ъ", "Ъ"}, {"ь", "Ь"}}, kTail},
      // Most look-alikes are shared with the other case, some with another
      // letter; "-) " is upper-case Э, so an э before a blank comes back
      // capital too (the paragraph has none). Digits are look-alikes too.
      {BuiltInRuslitLines(),
       {{"б", "Б"}, {"в", "В"}, {"г", "Г"}, {"д", "Д"}, {"ё", "е"}, {"Ё", "Е"}, {"ж", "Ж"}, {"з", "З"},
        {"й", "и"}, {"Й", "И"}, {"л", "Л"}, {"м", "М"}, {"н", "Н"}, {"п", "П"}, {"ф", "Ф"}, {"ч", "Ч"},
        {"ш", "Ш"}, {"щ", "Щ"}, {"ъ", "Ъ"}, {"ы", "Ы"}, {"ь", "Ь"}, {"ю", "Ю"}, {"я", "Я"}},
       W("12ЗЧ5Б7890 -+=;:() \t.\r\n")},
  };
  for (const auto& c : cases) {
    const std::string latin = TranslitForward(kPangrams + kTail, c.lines);
    for (char ch : latin) ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << "a letter was left";
    EXPECT_EQ(TranslitReverse(latin, c.lines), ReplaceLetters(kPangrams, c.merged) + c.tail);
  }
  EXPECT_EQ(TranslitForward(kPangrams, BuiltInTranslitLines()).substr(0, 25), "S'esh` zhe eshche etih my");
}

// Where one Latin spelling stands for two Russian ones, the longer entry is
// taken first over the whole text, as a person reading it would.
TEST(Translit, LongerEntriesAreTakenFirst) {
  const auto lines = BuiltInTranslitLines();
  const struct { const char* russian; const char* back; const char* why; } cases[] = {
      {"тщеславие", "тщеславие", "shch outranks ts, though ts starts first"},
      {"отщепенец", "отщепенец", "shch outranks ts"},
      {"борщ", "борщ", "shch outranks sh and s"},
      {"схема", "шема", "сх and ш are both sh"},
      {"детский", "децкий", "тс and ц are both ts"},
      {"отшатнулся", "оцхатнулся", "ts and sh tie, and Ц stands before Ш"},
      {"ёлка", "елка", "Ё and Е are both E"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TranslitReverse(TranslitForward(W(c.russian), lines), lines), W(c.back)) << c.why;
}

TEST(Translit, EditedTablesWithOddEntries) {
  const struct { std::vector<std::string> lines; std::string text, forward, reverse; const char* why; } cases[] = {
      {{}, "abc", "abc", "abc", "an empty table changes nothing"},
      {{"no equals sign", "a"}, "a no", "a no", "a no", "lines without = are skipped"},
      {{"=x", "a=1"}, "ax1", "1x1", "aa", "an empty key is never looked for; reverse deletes its value"},
      {{"a=", "b=2"}, "ab2", "22", "abb", "an empty value deletes forward and is skipped in reverse"},
      {{"a=1", "a=2"}, "aa12", "1112", "aaaa", "a repeated key: the first line wins"},
      {{"a=x", "b=x"}, "abx", "xxx", "aba", "a repeated value: the first line wins in reverse"},
      {{"a=aa", "b=ab"}, "ab", "aaab", "b", "a value holding a key is not searched again"},
      {{"x=s", "y=sh", "z=shch"}, "shchshs", "shchshs", "zyx", "longer values first"},
      {{"a=b=c"}, "a b=c", "b=c b=c", "a a", "the value runs to the end of the line"},
      {{"ab=X", "b=Y"}, "abb", "XY", "abb", "a key of two letters forward"},
      {{"b=Y", "ab=X"}, "abb", "aYY", "abb", "forward keeps table order: b is replaced first"},
      {{"\r\n=<br>", "\x01=\xFF"}, std::string("\r\n\x01", 3), "<br>\xFF", "\r\n\x01", "control bytes"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TranslitForward(c.text, c.lines), c.forward) << c.why;
    EXPECT_EQ(TranslitReverse(c.text, c.lines), c.reverse) << c.why;
  }
}

// The rule written the slow way: entry after entry, replace the leftmost
// occurrence and search again from the start. Keys and values are drawn from
// different letters, so no replacement can make a new occurrence.
std::string ReplaceEntryByEntry(std::string text, std::vector<std::pair<std::string, std::string>> entries) {
  for (const auto& [key, value] : entries) {
    if (key.empty()) continue;
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key))
      text.replace(at, key.size(), value);
  }
  return text;
}

TEST(Translit, AgreesWithReplacingEntryByEntry) {
  std::mt19937 random(20240611);
  const auto word = [&](std::string_view letters, int maxLength) {
    std::string w(std::uniform_int_distribution<int>(1, maxLength)(random), ' ');
    for (char& c : w) c = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
    return w;
  };
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> forward, reverse;
    const int entries = std::uniform_int_distribution<int>(1, 8)(random);
    for (int i = 0; i < entries; ++i) {
      const std::string key = word("abc", 4);
      const std::string value = word("xyz", 4);
      lines.push_back(key + "=" + value);
      forward.emplace_back(key, value);
      reverse.emplace_back(value, key);
    }
    std::stable_sort(reverse.begin(), reverse.end(), [](const auto& a, const auto& b) {
      return a.first.size() + a.second.size() > b.first.size() + b.second.size();
    });
    const std::string text = word("abcxyz", 40);
    ASSERT_EQ(TranslitForward(text, lines), ReplaceEntryByEntry(text, forward)) << text;
    ASSERT_EQ(TranslitReverse(text, lines), ReplaceEntryByEntry(text, reverse)) << text;
  }
}

TEST(Translit, HostileRunsStayLinearAndComplete) {
  const auto ruslit = BuiltInRuslitLines();
  // Every position starts a "|||": far more overlapping occurrences than one
  // group holds at a time.
  EXPECT_TRUE(TranslitReverse(std::string(150'001, '|'), ruslit) == std::string(50'000, W("Ш")[0]) + "|");
  std::vector<std::string> nested;
  for (int length = 1; length <= 40; ++length) nested.push_back(W("я") + "=" + std::string(length, 'a'));
  EXPECT_TRUE(TranslitReverse(std::string(20'000, 'a'), nested) == std::string(500, W("я")[0]));

  const std::string all = test::AllBytes();
  std::vector<std::string> everyByte;
  for (char c : all)
    if (c != '=') everyByte.push_back(std::string(1, c) + "=<" + std::string(1, c) + ">");
  const std::string forward = TranslitForward(all, everyByte);
  EXPECT_EQ(forward.size(), all.size() * 3 - 2);
  EXPECT_EQ(TranslitReverse(forward, everyByte), all);
}

}  // namespace
}  // namespace plumex
