#include "config/key_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/action_table.h"

namespace plumex {
namespace {

std::vector<std::string> EveryKeyName() {
  std::vector<std::string> names = {"BkSp", "Tab",  "Esc",  "Enter", "Space", "PgUp", "PgDn", "End",
                                    "Home", "Left", "Up",   "Right", "Down",  "Ins",  "Del"};
  for (int f = 1; f <= 24; ++f) names.push_back("F" + std::to_string(f));
  for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(1, c);
  for (char c = '0'; c <= '9'; ++c) names.emplace_back(1, c);
  for (char c : std::string("=-[]\\;',./`+*")) names.emplace_back(1, c);
  return names;
}

TEST(KeyText, EveryDefaultKeyOfTheActionTableRoundTrips) {
  int withKey = 0;
  for (const ActionRow& row : Actions()) {
    const KeyStroke stroke = ParseKeyText(row.defaultKey);
    EXPECT_EQ(KeyText(stroke), row.defaultKey) << row.name;
    if (*row.defaultKey != '\0') {
      EXPECT_FALSE(stroke.empty()) << row.name;
      ++withKey;
    }
  }
  EXPECT_EQ(withKey, 68);
}

TEST(KeyText, EveryKeyNameRoundTripsWithEveryModifierSet) {
  const char* prefixes[] = {"", "Shift+", "Ctrl+", "Alt+", "Shift+Ctrl+", "Shift+Alt+", "Ctrl+Alt+",
                            "Shift+Ctrl+Alt+"};
  for (const std::string& name : EveryKeyName()) {
    for (const char* prefix : prefixes) {
      const std::string text = prefix + name;
      const KeyStroke stroke = ParseKeyText(text);
      ASSERT_FALSE(stroke.empty()) << text;
      EXPECT_EQ(KeyText(stroke), text);
    }
  }
}

TEST(KeyText, ReadsAnyLetterCaseBlanksAndModifierOrder) {
  const struct {
    const char* text;
    const char* canonical;
  } cases[] = {
      {"ctrl+n", "Ctrl+N"},
      {"  Ctrl + N  ", "Ctrl+N"},
      {"\tALT+f4\t", "Alt+F4"},
      {"Ctrl+Shift+Z", "Shift+Ctrl+Z"},
      {"alt+ctrl+shift+s", "Shift+Ctrl+Alt+S"},
      {"Ctrl+enter", "Ctrl+Enter"},
      {"bksp", "BkSp"},
      {"PGDN", "PgDn"},
      {"shift+f3", "Shift+F3"},
      {"Ctrl++", "Ctrl++"},
      {"Ctrl + +", "Ctrl++"},
      {"+", "+"},
      {"Shift+Ctrl+Alt++", "Shift+Ctrl+Alt++"},
      {"Ctrl+\\", "Ctrl+\\"},
      {"ctrl+[", "Ctrl+["},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyText(ParseKeyText(c.text)), c.canonical) << c.text;
}

TEST(KeyText, JunkIsTheEmptyShortcut) {
  const std::string junk[] = {
      "",
      "   ",
      "Ctrl",
      "Ctrl+",
      "Shift+Ctrl",
      "Ctrl+Ctrl+N",
      "Ctrl+N+",
      "Ctrl-N",
      "Ctrl+NN",
      "F0",
      "F25",
      "F01",
      "Return",
      "Ctrl+Return",
      "Ctrl+!",
      "Ctrl+{",
      "Ctrl+\xC0",
      "Ctrl+ ",
      "++",
      "Meta+N",
      std::string("Ctrl+\0", 6),
      std::string("Ctrl+N\0", 7),
      std::string(100000, '+'),
      "Ctrl+" + std::string(100000, 'A'),
  };
  for (const std::string& text : junk) {
    EXPECT_TRUE(ParseKeyText(text).empty()) << text.substr(0, 40);
    EXPECT_EQ(KeyText(ParseKeyText(text)), "");
  }
}

TEST(KeyText, CharactersAndCodes) {
  EXPECT_EQ(CharKey('a'), CharKey('A'));
  EXPECT_EQ(KeyChar(CharKey('q')), 'Q');
  for (char c : std::string(" !{}\"\x01\xFF")) EXPECT_EQ(CharKey(c), KeyCode::None) << int(c);
  EXPECT_EQ(CharKey('\0'), KeyCode::None);
  EXPECT_EQ(KeyChar(KeyCode::Enter), '\0');
  EXPECT_EQ(FunctionKeyNumber(KeyCode::F24), 24);
  EXPECT_EQ(FunctionKeyNumber(KeyCode::Del), 0);
  // A code that names no key writes nothing rather than a stray byte.
  EXPECT_EQ(KeyText({Modifiers::Ctrl, static_cast<KeyCode>(0x01)}), "");
  EXPECT_EQ(KeyText({Modifiers::Ctrl, static_cast<KeyCode>(0x7FF)}), "");
  EXPECT_EQ(KeyText({Modifiers::Ctrl, KeyCode::None}), "");
}

}  // namespace
}  // namespace plumex
