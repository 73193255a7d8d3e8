// The settings file as the window keeps it: created whole on the first start,
// written on activation and at exit, never clobbered when it could not be read.
#include <QAction>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "gui/window_fixture.h"
#include "platform/ini_file.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

class SettingsFlow : public test::WindowTest {};

TEST_F(SettingsFlow, FirstStartWritesEveryKeyAndCountsStarts) {
  std::filesystem::remove(settingsPath());
  Start();
  ASSERT_TRUE(window->settingsDialog()->isVisible()) << "the first start shows the settings";
  EXPECT_EQ(window->settingsDialog()->CurrentPage(), SettingsPage::Integration);
  window->settingsDialog()->reject();
  const IniFile ini = IniFile::Parse(ReadRaw(settingsPath()));
  EXPECT_EQ(ini.ReadString("GENERAL", "ProgName", ""), "Plumex");
  EXPECT_EQ(ini.ReadInteger("EDITOR", "Starts", -1), 1);
  for (const char* section : {"EDITOR", "AUTODETECT", "ECODINGS", "CASE", "LAYOUT", "PRINT_FONT",
                              "USER_STYLE", "EXTS", "ADDITIONAL"})
    EXPECT_FALSE(ini.Keys(section).empty()) << section;
  EXPECT_EQ(ini.ReadString("ECODINGS", "StrKOI", "").size(), 66u);
  Restart();
  Start();
  Restart();
  EXPECT_EQ(IniFile::Parse(ReadRaw(settingsPath())).ReadInteger("EDITOR", "Starts", -1), 2);
}

TEST_F(SettingsFlow, SettingsFromTheFileApplyToTheWindow) {
  WriteRaw(settingsPath(),
           "; my settings\r\n[EDITOR]\r\nStarts=4\r\nIsWW=0\r\nLinesToScroll=7\r\n"
           "EditorWidth=720\r\nEditorHeight=400\r\nMyKey=kept\r\n");
  MainWindow& w = Start();
  EXPECT_FALSE(w.action(ActionId::WW)->isChecked());
  EXPECT_EQ(w.editor()->LinesToScroll(), 7);
  EXPECT_EQ(w.width(), 720);
  w.action(ActionId::WW)->trigger();
  Restart();

  const std::string written = ReadRaw(settingsPath());
  EXPECT_EQ(written.rfind("; my settings\r\n", 0), 0u);
  const IniFile ini = IniFile::Parse(written);
  EXPECT_EQ(ini.ReadString("EDITOR", "MyKey", ""), "kept");
  EXPECT_TRUE(ini.ReadBool("EDITOR", "IsWW", false));
  EXPECT_EQ(ini.ReadInteger("EDITOR", "Starts", 0), 5);
}

TEST_F(SettingsFlow, UnreadableSettingsAreNotOverwritten) {
  std::filesystem::remove(settingsPath());
  std::filesystem::create_directory(settingsPath());  // cannot be read as a file
  MainWindow& w = Start();
  EXPECT_TRUE(w.action(ActionId::WW)->isChecked());  // built-in defaults
  Restart();
  EXPECT_TRUE(std::filesystem::is_directory(settingsPath()));
}

TEST_F(SettingsFlow, AutoSavingRunsOnItsTimerWhenTurnedOn) {
  WriteSettings("IsAutoSaving=1\r\nMins=1\r\n");
  MainWindow& w = Open("v1");
  const QList<QTimer*> timers = w.findChildren<QTimer*>();
  const auto minute = std::find_if(timers.begin(), timers.end(), [](QTimer* t) { return t->interval() == 60000; });
  ASSERT_NE(minute, timers.end());
  ASSERT_TRUE((*minute)->isActive());
  (*minute)->setInterval(5);
  w.action(ActionId::Save)->trigger();  // auto-saving waits for the first own save
  Type("a");
  QTRY_COMPARE(ReadRaw(path()), std::string("av1"));
  EXPECT_FALSE(w.document().Modified());
}

TEST_F(SettingsFlow, AHiddenStatusBarShowsThePercentInTheMenuBar) {
  WriteSettings("IsShowStatusNorm=0\r\n");
  MainWindow& w = Start();
  EXPECT_FALSE(w.statusPanes()->isVisible());
  ASSERT_TRUE(w.percentItem()->isVisible());
  EXPECT_EQ(w.percentItem()->text(), "  [100%]");
}

}  // namespace
}  // namespace plumex
