#include "config/hot_keys.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using Lines = std::vector<std::string>;

KeyStroke Key(const char* text) { return ParseKeyText(text); }

// What a file (or its absence, or a folder in its place) gives each action.
// Keys earlier in the file win; lines past the last action are ignored.
// Writing them: SettingsDialogTest.CtrlKBindsTakesTheKeyAndWritesHotkeysIni.
TEST(HotKeys, LinesGiveTheActionsTheirKeysInOrder) {
  Lines defaults;
  for (const ActionRow& row : Actions()) defaults.emplace_back(row.defaultKey);
  std::string overlong;
  for (std::size_t i = 0; i < defaults.size() + 7; ++i) overlong += (i < defaults.size() ? defaults[i] : "Alt+Z") + "\n";
  const Lines builtIn(defaults.begin(), defaults.begin() + 3), set = {"Ctrl+F2", "", "Shift+Ctrl+F3"};
  const struct { std::optional<std::string> bytes; Lines first; } cases[] = {
      {std::nullopt, builtIn},  {"", builtIn},  {overlong, builtIn},  {"Ctrl+F2\r\n\r\nshift+ctrl+f3\r\n", set},
      {"Ctrl+F2\n\nshift+ctrl+f3", set},  {"\xEF\xBB\xBF  ctrl + f2 \r\n\t\r\nSHIFT+CTRL+F3", set},
      {"not a key\r\nCtrl+\r\nF25\r\n", {"", "", ""}},
      {"Ctrl+Q\r\nF5\r\nf5\r\n", {"Ctrl+Q", "F5", ""}},  // Ctrl+Q leaves Go to Quick Bookmark
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    std::filesystem::remove(dir / "hotkeys.ini");
    if (c.bytes) test::WriteRaw(dir / "hotkeys.ini", *c.bytes);
    HotKeys keys(dir / "hotkeys.ini");
    keys.Bind(ActionId::New, Key("Alt+N"));  // the file's first line, or the defaults, replace it
    keys.Load();
    Lines expected = defaults;
    std::copy(c.first.begin(), c.first.end(), expected.begin());
    if (c.first[0] == "Ctrl+Q") expected[static_cast<std::size_t>(ActionId::GoToBook)] = "";
    EXPECT_EQ(keys.Lines(), expected) << c.bytes.value_or("no file");
  }
  for (const std::string& key : defaults)  // every built-in key may be bound again
    EXPECT_TRUE(key.empty() || CheckHotKey(ParseKeyText(key), KeyArea::Main) == KeyUse::Bindable) << key;
  std::filesystem::create_directory(dir / "folder.ini");  // cannot be read, so is not written over
  HotKeys blocked(dir / "folder.ini");
  blocked.Load();
  EXPECT_EQ(blocked.Lines(), defaults);
  EXPECT_FALSE(blocked.Save());
}

// Binding and removing through the dialog: SettingsDialogTest.CtrlKBindsTakesTheKeyAndWritesHotkeysIni.
TEST(HotKeys, BindingTakesTheKeyFromItsHolderAndDefaultsKeepHelpRemoved) {
  HotKeys keys("unused");
  EXPECT_EQ(keys.Bind(ActionId::Exit, Key("Ctrl+N")), ActionId::New);
  EXPECT_EQ(keys.Bind(ActionId::Exit, Key("Ctrl+N")), std::nullopt) << "its own key";
  keys.Remove(ActionId::Help);
  keys.SetDefaults();
  EXPECT_EQ(KeyText(keys.Key(ActionId::New)), "Ctrl+N");
  EXPECT_TRUE(keys.Key(ActionId::Exit).empty());
  EXPECT_TRUE(keys.Key(ActionId::Help).empty()) << "F1 is given once, when the keys are created";
}

TEST(HotKeys, WhichPressedKeysMayBecomeHotKeys) {
  constexpr KeyArea M = KeyArea::Main, K = KeyArea::Keypad;
  constexpr KeyUse Ign = KeyUse::Ignored, Bind = KeyUse::Bindable, Text = KeyUse::TypesText,
                   Win = KeyUse::WindowKey;
  const struct { const char* key; KeyArea area; KeyUse use; } cases[] = {
      {"", M, Ign},  {"A", M, Ign}, {"Esc", M, Ign} /* closes the dialog */, {"F13", M, Ign}, {"F12", M, Bind},
      {"Shift+F13", M, Bind}, {"Ctrl+K", M, Bind}, {"Shift+Home", M, Bind}, {"Ctrl+Enter", M, Bind},
      {"Shift+A", M, Text}, {"Shift+Enter", M, Text}, {"Alt+BkSp", M, Win}, {"Shift+Esc", M, Win},
      {"Ctrl+Up", M, Win}, {"Shift+Down", M, Win}, {"Ctrl+Space", M, Win}, {"Ctrl+Tab", M, Win},
      {"Alt+Ins", M, Win}, {"Ctrl+Ins", M, Bind}, {"Shift+Ins", M, Bind}, {"Ctrl+-", M, Bind},
      {"Ctrl+Alt+-", M, Win}, {"Ctrl+-", K, Win}, {"Ctrl+Alt+-", K, Bind}, {"Ctrl++", K, Win},
      {"Shift+Ctrl++", K, Win}, {"Ctrl+Alt++", K, Bind}, {"Ctrl+1", M, Bind}, {"Ctrl+1", K, Win},
      {"Ctrl+Alt+0", K, Win}, {"Ctrl+2", K, Bind}, {"Ctrl+Alt+'", M, Win}, {"Ctrl+'", M, Bind},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckHotKey(ParseKeyText(c.key), c.area), c.use) << c.key << (c.area == K ? " on the keypad" : "");
}

}  // namespace
}  // namespace plumex
