#include "config/hot_keys.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

std::vector<std::string> DefaultLines() {
  std::vector<std::string> lines;
  for (const ActionRow& row : Actions()) lines.emplace_back(row.defaultKey);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

KeyStroke Key(const char* text) { return ParseKeyText(text); }

class HotKeysFile : public ::testing::Test {
 protected:
  std::string path() const { return dir / "hotkeys.ini"; }
  HotKeys Loaded() {
    HotKeys keys(path());
    keys.Load();
    return keys;
  }
  test::TempDir dir;
};

TEST_F(HotKeysFile, MissingEmptyOrOverlongFileGivesAndWritesTheBuiltInKeys) {
  const std::vector<std::string> defaults = DefaultLines();
  std::vector<std::string> overlong = defaults;
  overlong.resize(defaults.size() + 7, "Alt+Z");  // lines past the last action are ignored
  for (const std::optional<std::string>& content : {std::optional<std::string>(), std::optional<std::string>(""),
                                                     std::optional<std::string>(Joined(overlong))}) {
    std::filesystem::remove(path());
    if (content) WriteRaw(path(), *content);
    HotKeys keys(path());
    keys.Bind(ActionId::New, Key("Alt+N"));
    keys.Load();
    EXPECT_EQ(keys.Lines(), defaults);
    EXPECT_EQ(KeyText(keys.Key(ActionId::Help)), "F1");
    ASSERT_TRUE(keys.Save());
    EXPECT_EQ(ReadRaw(path()), Joined(defaults));
  }
}

TEST_F(HotKeysFile, DefaultsLeaveARemovedHelpKeyRemoved) {
  HotKeys keys(path());
  keys.Remove(ActionId::Help);
  keys.Bind(ActionId::Open, Key("F2"));
  keys.SetDefaults();
  EXPECT_TRUE(keys.Key(ActionId::Help).empty());
  EXPECT_EQ(KeyText(keys.Key(ActionId::Open)), "Ctrl+O");
}

TEST_F(HotKeysFile, AShortFileSetsOnlyItsLines) {
  std::vector<std::string> expected = DefaultLines();
  expected[0] = "Ctrl+F2";
  expected[1] = "";
  expected[2] = "Shift+Ctrl+F3";
  for (const char* bytes : {"Ctrl+F2\r\n\r\nshift+ctrl+f3\r\n", "Ctrl+F2\n\nshift+ctrl+f3",
                            "\xEF\xBB\xBF  ctrl + f2 \r\n\t\r\nSHIFT+CTRL+F3"}) {
    WriteRaw(path(), bytes);
    EXPECT_EQ(Loaded().Lines(), expected) << bytes;
  }
  WriteRaw(path(), "not a key\r\nCtrl+\r\nF25\r\n");
  expected[0] = expected[2] = "";
  EXPECT_EQ(Loaded().Lines(), expected);
}

TEST_F(HotKeysFile, AKeyOnSeveralLinesStaysWithTheFirstAction) {
  // Ctrl+Q is Go to Quick Bookmark's by default; lines 2 and 3 both ask for F5.
  WriteRaw(path(), "Ctrl+Q\r\nF5\r\nf5\r\n");
  HotKeys keys = Loaded();
  EXPECT_EQ(KeyText(keys.Key(ActionId::New)), "Ctrl+Q");
  EXPECT_TRUE(keys.Key(ActionId::GoToBook).empty());
  EXPECT_EQ(KeyText(keys.Key(ActionId::NewWnd)), "F5");
  EXPECT_TRUE(keys.Key(ActionId::Open).empty());
}

TEST_F(HotKeysFile, BindingTakesTheKeyFromItsHolderAndSurvivesAReload) {
  HotKeys keys = Loaded();
  EXPECT_EQ(keys.Bind(ActionId::Exit, Key("Ctrl+N")), ActionId::New);
  EXPECT_TRUE(keys.Key(ActionId::New).empty());
  EXPECT_EQ(keys.Bind(ActionId::Exit, Key("Alt+X")), std::nullopt);
  EXPECT_EQ(keys.Bind(ActionId::Exit, Key("Alt+X")), std::nullopt) << "its own key";
  keys.Remove(ActionId::Open);
  ASSERT_TRUE(keys.Save());

  HotKeys again = Loaded();
  EXPECT_EQ(KeyText(again.Key(ActionId::Exit)), "Alt+X");
  EXPECT_TRUE(again.Key(ActionId::New).empty());
  EXPECT_TRUE(again.Key(ActionId::Open).empty());
  EXPECT_EQ(KeyText(again.Key(ActionId::Save)), "Ctrl+S");
}

TEST_F(HotKeysFile, AFileThatCannotBeReadIsNotWrittenOverUnasked) {
  std::filesystem::create_directory(path());
  HotKeys keys = Loaded();
  EXPECT_EQ(keys.Lines(), DefaultLines());
  EXPECT_FALSE(keys.Save());
  EXPECT_TRUE(std::filesystem::is_directory(path()));
}

TEST(HotKeyUse, WhichPressedKeysMayBecomeHotKeys) {
  constexpr KeyArea M = KeyArea::Main, K = KeyArea::Keypad;
  constexpr KeyUse Ign = KeyUse::Ignored, Bind = KeyUse::Bindable, Text = KeyUse::TypesText,
                   Win = KeyUse::WindowKey;
  const struct { const char* key; KeyArea area; KeyUse use; } cases[] = {
      {"", M, Ign},  {"A", M, Ign}, {"Esc", M, Ign},  // Esc closes the dialog
      {"F13", M, Ign}, {"F12", M, Bind}, {"Shift+F13", M, Bind},
      {"Ctrl+K", M, Bind}, {"Shift+Home", M, Bind}, {"Ctrl+Enter", M, Bind},
      {"Shift+A", M, Text}, {"Shift+Enter", M, Text},
      {"Alt+BkSp", M, Win}, {"Shift+Esc", M, Win}, {"Ctrl+Up", M, Win},
      {"Shift+Down", M, Win}, {"Ctrl+Space", M, Win}, {"Ctrl+Tab", M, Win},
      {"Alt+Ins", M, Win}, {"Ctrl+Ins", M, Bind}, {"Shift+Ins", M, Bind},
      {"Ctrl+-", M, Bind}, {"Ctrl+Alt+-", M, Win}, {"Ctrl+-", K, Win}, {"Ctrl+Alt+-", K, Bind},
      {"Ctrl++", K, Win}, {"Shift+Ctrl++", K, Win}, {"Ctrl+Alt++", K, Bind},
      {"Ctrl+1", M, Bind}, {"Ctrl+1", K, Win}, {"Ctrl+Alt+0", K, Win}, {"Ctrl+2", K, Bind},
      {"Ctrl+Alt+'", M, Win}, {"Ctrl+'", M, Bind},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckHotKey(ParseKeyText(c.key), c.area), c.use) << c.key << (c.area == K ? " on the keypad" : "");
  for (const ActionRow& row : Actions()) {
    if (*row.defaultKey == '\0') continue;
    EXPECT_EQ(CheckHotKey(ParseKeyText(row.defaultKey), M), Bind) << "built-in " << row.name;
  }
}

}  // namespace
}  // namespace plumex
