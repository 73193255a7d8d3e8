#include "config/hot_keys.h"

#include <gtest/gtest.h>

#include <filesystem>
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

std::string Joined(const std::vector<std::string>& lines, std::string_view end) {
  std::string bytes;
  for (const std::string& line : lines) (bytes += line) += end;
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

TEST_F(HotKeysFile, FreshInstallWritesTheBuiltInKeys) {
  HotKeys keys = Loaded();
  EXPECT_EQ(keys.Lines(), DefaultLines());
  ASSERT_TRUE(keys.Save());
  const std::string written = ReadRaw(path());
  EXPECT_EQ(written, Joined(DefaultLines(), "\r\n"));
  EXPECT_EQ(written.rfind("Ctrl+N\r\n", 0), 0u);

  std::vector<std::string> lines;
  for (std::size_t at = 0, next; (next = written.find("\r\n", at)) != std::string::npos; at = next + 2)
    lines.push_back(written.substr(at, next - at));
  ASSERT_EQ(lines.size(), 83u);
  EXPECT_EQ(lines[7], "");  // line 8: Print without its dialog has no key
  EXPECT_EQ(lines[74], "F1");
}

TEST_F(HotKeysFile, MissingOrEmptyFileGivesBuiltInKeysAndHelpKeepsF1) {
  for (const char* content : {static_cast<const char*>(nullptr), ""}) {
    std::filesystem::remove(path());
    if (content != nullptr) WriteRaw(path(), content);
    HotKeys keys(path());
    keys.Bind(ActionId::New, Key("Alt+N"));
    keys.Load();
    EXPECT_EQ(keys.Lines(), DefaultLines());
    EXPECT_EQ(KeyText(keys.Key(ActionId::Help)), "F1");
    ASSERT_TRUE(keys.Save());
    EXPECT_EQ(ReadRaw(path()), Joined(DefaultLines(), "\r\n"));
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

TEST_F(HotKeysFile, AShortFileChangesOnlyItsLines) {
  std::vector<std::string> ten;
  for (char c = 'A'; c < 'A' + 10; ++c) ten.push_back(std::string("Alt+") + c);
  WriteRaw(path(), Joined(ten, "\r\n"));
  HotKeys keys = Loaded();
  std::vector<std::string> expected = DefaultLines();
  std::copy(ten.begin(), ten.end(), expected.begin());
  EXPECT_EQ(keys.Lines(), expected);
}

TEST_F(HotKeysFile, ReadsEveryLineEndBomBlanksAndLetterCase) {
  const struct {
    std::string bytes;
    std::vector<const char*> firstKeys;
  } cases[] = {
      {"Ctrl+F2\r\n\r\nshift+ctrl+f3\r\n", {"Ctrl+F2", "", "Shift+Ctrl+F3"}},
      {"Ctrl+F2\n\nshift+ctrl+f3\n", {"Ctrl+F2", "", "Shift+Ctrl+F3"}},
      {"Ctrl+F2\r\rshift+ctrl+f3", {"Ctrl+F2", "", "Shift+Ctrl+F3"}},
      {"\xEF\xBB\xBF  ctrl + f2 \r\n\t\r\nSHIFT+CTRL+F3", {"Ctrl+F2", "", "Shift+Ctrl+F3"}},
      {"not a key\r\nCtrl+\r\nF25\r\n", {"", "", ""}},
  };
  for (const auto& c : cases) {
    WriteRaw(path(), c.bytes);
    HotKeys keys = Loaded();
    for (std::size_t i = 0; i < c.firstKeys.size(); ++i)
      EXPECT_EQ(keys.Lines()[i], c.firstKeys[i]) << "line " << i + 1 << " of " << c.bytes;
    EXPECT_EQ(keys.Lines()[3], "Ctrl+S");  // past the file's end: as it was
  }
}

TEST_F(HotKeysFile, LinesPastTheLastActionAreIgnored) {
  std::vector<std::string> lines = DefaultLines();
  lines.resize(90, "Alt+Z");
  WriteRaw(path(), Joined(lines, "\r\n"));
  HotKeys keys = Loaded();
  EXPECT_EQ(keys.Lines(), DefaultLines());
  ASSERT_TRUE(keys.Save());
  EXPECT_EQ(ReadRaw(path()), Joined(DefaultLines(), "\r\n"));
}

TEST_F(HotKeysFile, AKeyOnSeveralLinesStaysWithTheFirstAction) {
  // Line 1 takes Ctrl+Q, which Go to Quick Bookmark (line 27) holds by default;
  // lines 2 and 3 both ask for F5.
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
  const struct {
    const char* key;
    KeyArea area;
    KeyUse use;
  } cases[] = {
      {"", KeyArea::Main, KeyUse::Ignored},
      {"A", KeyArea::Main, KeyUse::Ignored},
      {"End", KeyArea::Main, KeyUse::Ignored},
      {"Esc", KeyArea::Main, KeyUse::Ignored},  // closes the dialog
      {"F13", KeyArea::Main, KeyUse::Ignored},
      {"F5", KeyArea::Main, KeyUse::Bindable},
      {"F12", KeyArea::Main, KeyUse::Bindable},
      {"Shift+F13", KeyArea::Main, KeyUse::Bindable},
      {"Ctrl+K", KeyArea::Main, KeyUse::Bindable},
      {"Ctrl+End", KeyArea::Main, KeyUse::Bindable},
      {"Shift+Home", KeyArea::Main, KeyUse::Bindable},
      {"Shift+A", KeyArea::Main, KeyUse::TypesText},
      {"Shift+1", KeyArea::Main, KeyUse::TypesText},
      {"Shift+Enter", KeyArea::Main, KeyUse::TypesText},
      {"Ctrl+Enter", KeyArea::Main, KeyUse::Bindable},
      {"Alt+BkSp", KeyArea::Main, KeyUse::WindowKey},
      {"Shift+Esc", KeyArea::Main, KeyUse::WindowKey},
      {"Ctrl+Up", KeyArea::Main, KeyUse::WindowKey},
      {"Shift+Down", KeyArea::Main, KeyUse::WindowKey},
      {"Ctrl+Space", KeyArea::Main, KeyUse::WindowKey},
      {"Ctrl+Tab", KeyArea::Main, KeyUse::WindowKey},
      {"Alt+Ins", KeyArea::Main, KeyUse::WindowKey},
      {"Ctrl+Ins", KeyArea::Main, KeyUse::Bindable},
      {"Shift+Ins", KeyArea::Main, KeyUse::Bindable},
      {"Ctrl+-", KeyArea::Main, KeyUse::Bindable},
      {"Ctrl+Alt+-", KeyArea::Main, KeyUse::WindowKey},
      {"Ctrl+-", KeyArea::Keypad, KeyUse::WindowKey},
      {"Ctrl+Alt+-", KeyArea::Keypad, KeyUse::Bindable},
      {"Ctrl++", KeyArea::Keypad, KeyUse::WindowKey},
      {"Shift+Ctrl++", KeyArea::Keypad, KeyUse::WindowKey},
      {"Ctrl+Alt++", KeyArea::Keypad, KeyUse::Bindable},
      {"Ctrl+1", KeyArea::Main, KeyUse::Bindable},
      {"Ctrl+1", KeyArea::Keypad, KeyUse::WindowKey},
      {"Ctrl+Alt+0", KeyArea::Keypad, KeyUse::WindowKey},
      {"Ctrl+2", KeyArea::Keypad, KeyUse::Bindable},
      {"Ctrl+Alt+'", KeyArea::Main, KeyUse::WindowKey},
      {"Ctrl+'", KeyArea::Main, KeyUse::Bindable},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckHotKey(ParseKeyText(c.key), c.area), c.use)
        << c.key << (c.area == KeyArea::Keypad ? " on the keypad" : "");
}

TEST(HotKeyUse, EveryBuiltInKeyMayBeBoundAgain) {
  for (const ActionRow& row : Actions()) {
    if (*row.defaultKey == '\0') continue;
    EXPECT_EQ(CheckHotKey(ParseKeyText(row.defaultKey), KeyArea::Main), KeyUse::Bindable) << row.name;
  }
}

}  // namespace
}  // namespace plumex
