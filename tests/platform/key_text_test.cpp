#include "platform/key_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Any letter case, blanks and modifier order read; what is written is one spelling.
TEST(KeyText, EveryKeyNameWithEveryModifierSetRoundTripsAndLooseSpellingsRead) {
  for (const std::string& name : EveryKeyName()) {
    for (const char* prefix : {"", "Shift+", "Ctrl+", "Alt+", "Shift+Ctrl+", "Shift+Alt+", "Ctrl+Alt+", "Shift+Ctrl+Alt+"}) {
      const std::string text = prefix + name;
      ASSERT_FALSE(ParseKeyText(text).empty()) << text;
      EXPECT_EQ(KeyText(ParseKeyText(text)), text);
    }
  }
  const std::pair<const char*, const char*> cases[] = {
      {"  ctrl + n  ", "Ctrl+N"}, {"\tALT+f4\t", "Alt+F4"}, {"alt+ctrl+shift+s", "Shift+Ctrl+Alt+S"},
      {"Ctrl+Shift+Z", "Shift+Ctrl+Z"}, {"bksp", "BkSp"}, {"PGDN", "PgDn"}, {"Ctrl + +", "Ctrl++"},
  };
  for (const auto& [text, canonical] : cases) EXPECT_EQ(KeyText(ParseKeyText(text)), canonical) << text;
}

TEST(KeyText, JunkIsTheEmptyShortcut) {
  const std::string junk[] = {
      "",        "   ",      "Ctrl",    "Ctrl+",       "Shift+Ctrl", "Ctrl+Ctrl+N", "Ctrl+N+",
      "Ctrl-N",  "Ctrl+NN",  "F0",      "F25",         "F01",        "Return",      "Ctrl+!",
      "Ctrl+ ",  "++",       "Meta+N",  "Ctrl+\xC0",   std::string("Ctrl+\0", 6), std::string("Ctrl+N\0", 7),
      std::string(100000, '+'), "Ctrl+" + std::string(100000, 'A'),
  };
  for (const std::string& text : junk) {
    EXPECT_TRUE(ParseKeyText(text).empty()) << text.substr(0, 40);
    EXPECT_EQ(KeyText(ParseKeyText(text)), "");
  }
}

TEST(KeyText, CharactersAndCodes) {
  EXPECT_EQ(CharKey('a'), CharKey('A'));
  EXPECT_EQ(KeyChar(CharKey('q')), 'Q');
  for (char c : std::string(" !{}\"\x01\xFF\0", 8)) EXPECT_EQ(CharKey(c), KeyCode::None) << int(c);
  EXPECT_EQ(KeyChar(KeyCode::Enter), '\0');
  EXPECT_EQ(FunctionKeyNumber(KeyCode::F24), 24);
  EXPECT_EQ(FunctionKeyNumber(KeyCode::Del), 0);
  // A code that names no key writes nothing rather than a stray byte.
  for (auto code : {KeyCode{0x01}, KeyCode{0x7FF}, KeyCode::None}) EXPECT_EQ(KeyText({Modifiers::Ctrl, code}), "");
}

}  // namespace
}  // namespace plumex
