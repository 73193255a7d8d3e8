// What the window keeps of the user's profile: the settings file, recent
// files with their carets, the interface language and the hot keys.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

#include "app/tool_bar.h"
#include "convert/win1251.h"
#include "gui/window_fixture.h"
#include "platform/ini_file.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

using SettingsFlow = test::WindowTest;

TEST_F(SettingsFlow, TheFirstStartOpensTheSettingsAndWritesThem) {
  std::filesystem::remove(settingsPath());
  Start();
  EXPECT_EQ(std::pair(window->settingsDialog()->isVisible(), window->settingsDialog()->CurrentPage()),
            std::pair(true, SettingsPage::Integration));
  window->settingsDialog()->reject();
  EXPECT_EQ(IniFile::Parse(ReadRaw(settingsPath())).ReadInteger("EDITOR", "Starts", -1), 1) << "written at once";
}

TEST_F(SettingsFlow, SettingsFromTheFileApplyToTheWindowAndComeBackWithTheUsersOwnLinesAndOneMoreStart) {
  WriteRaw(settingsPath(), "; my settings\r\n[EDITOR]\r\nStarts=4\r\nIsWW=0\r\nLinesToScroll=7\r\n"
                           "EditorWidth=720\r\nEditorHeight=400\r\nMyKey=kept\r\nIsShowStatusNorm=0\r\n");
  MainWindow& w = Start();
  EXPECT_EQ(std::tuple(w.action(ActionId::WW)->isChecked(), w.editor()->LinesToScroll(), w.width(),
                       w.statusPanes()->isVisible(), w.percentItem()->text()),  // the menu bar shows the percent instead
            std::tuple(false, 7, 720, false, "  [100%]"));
  Run(ActionId::WW);
  Restart();
  const IniFile ini = IniFile::Parse(ReadRaw(settingsPath()));
  EXPECT_EQ(std::tuple(ini.ReadString("EDITOR", "MyKey", ""), ini.ReadBool("EDITOR", "IsWW", false),
                       ini.ReadInteger("EDITOR", "Starts", 0)), std::tuple("kept", true, 5));
}

TEST_F(SettingsFlow, AutoSavingRunsOnItsTimerWhenTurnedOn) {
  WriteSettings("IsAutoSaving=1\r\nMins=1\r\n");
  MainWindow& w = Open("v1");
  const QList<QTimer*> timers = w.findChildren<QTimer*>();
  const auto minute = std::find_if(timers.begin(), timers.end(), [](QTimer* t) { return t->interval() == 60000; });
  ASSERT_TRUE(minute != timers.end() && (*minute)->isActive());
  (*minute)->setInterval(5);
  Run(ActionId::Save);  // auto-saving waits for the first own save
  Type("a");
  QTRY_COMPARE(ReadRaw(path()), std::string("av1"));
  EXPECT_FALSE(w.document().Modified());
}

class RecentFlow : public test::WindowTest {
 protected:
  QList<QAction*> Items() { return window->menu(MenuId::Recent)->actions(); }
};

TEST_F(RecentFlow, TheTenNewestFilesNewestFirstAndKeptAcrossStartsUntilCleared) {
  MainWindow& w = Start();
  EXPECT_FALSE(w.menu(MenuId::Recent)->isEnabled());
  for (const int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 5}) {
    WriteRaw(files / ("f" + std::to_string(i)), "x");
    w.OpenDropped({QString::fromStdString(files / ("f" + std::to_string(i)))});
  }
  ASSERT_EQ(Items().size(), 9) << "cut to ten before the older f5 went";
  const QString last = Items().last()->text();
  EXPECT_EQ(QStringList({Items().first()->text(), last}), QStringList({"0. " + QString::fromStdString(files / "f5"),
                                                                       "8. " + QString::fromStdString(files / "f2")}));
  Restart();
  Start();
  ASSERT_EQ(Items().last()->text(), last);
  Items().last()->trigger();
  QApplication::processEvents();
  EXPECT_EQ(window->document().Path(), files / "f2");
  Run(ActionId::ClearRecent);
  const bool enabled = window->menu(MenuId::Recent)->isEnabled();
  Restart();
  EXPECT_EQ(std::pair(enabled, ReadRaw(home / "recent.ini")), std::pair(false, std::string()));
}

TEST_F(RecentFlow, TheCaretComesBackWhenAskedAndAVanishedFileStaysListedAndSaysWhy) {
  WriteSettings("IsRestoreCaret=1\r\n");
  Open("one\r\ntwo\r\nthree\r\n");
  editor().Select(7, 7);
  Restart();
  MainWindow& w = Start({path()});
  EXPECT_EQ(editor().SelStart(), 7);
  Run(ActionId::New);
  std::filesystem::remove(path());
  Items().first()->trigger();
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(prompter.errors.size(), w.document().Untitled(), Items().size()), std::tuple(1U, true, 1));
}

using LanguageFlow = test::WindowTest;

TEST_F(LanguageFlow, ALanguageFileRetitlesTheWindowAndCtrlPad1BringsEnglishBackWithTheHelpHint) {
  std::filesystem::create_directory(home / "Lang");
  WriteRaw(home / "Lang/russian.lng",
           Utf8ToWin1251("[LANGUAGE]\r\nLanguage=Русский\r\nLanguageCode=ru\r\nEnglishName=Russian\r\n"
                         "mmFile=Файл\r\naNew=Новый\r\ntTitleModified=[Изменён]\r\naFind=Найти...\r\n"
                         "aGoTo=Перейти...\r\nhWW=Перенос\r\nstrHelp=Справка: F1\r\n[SETS_FORM]\r\nSetsWidth=640\r\n"));
  WriteRaw(home / "history.txt", "1.91");
  WriteSettings("Language=1\r\n");
  MainWindow& w = Open("x");
  Type("y");
  // The menu bar, an action, the title, the boxes, a pane's tip, a tool button's hint, the help hint of the first
  // starts and the language's size for its settings dialog (English keeps the size it finds).
  const auto shown = [&] {
    return QStringList{Caption(w.menuBar()->actions().first()), Caption(w.action(ActionId::New)),
                       w.windowTitle().section(' ', -1), w.findChild<QDialog*>("findDialog")->windowTitle(),
                       w.findChild<QDialog*>("goToDialog")->windowTitle(),
                       w.statusPanes()->indicator(Indicator::WordWrap)->toolTip(),
                       w.toolBar()->buttons()[0]->toolTip(), Info(), QString::number(w.settingsDialog()->width())};
  };
  EXPECT_EQ(shown(), QStringList({"Файл", "Новый\tCtrl+N", "[Изменён]", "Найти", "Перейти...", "Перенос", "Новый",
                                  "  Справка: F1", "640"}));
  w.statusPanes()->info()->clear();
  Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(shown(), QStringList({"File", "New\tCtrl+N", "[Modified]", "Find", "Go to...", "Word Wrap - Ctrl+W", "New",
                                  "  Press F1 to get help", "640"}));  // the hint again, in the language now in force
  EXPECT_EQ(std::tuple(w.settings().Language, editor().Text(), w.action(ActionId::Help)->isEnabled(),
                       w.action(ActionId::Readme)->isEnabled()), std::tuple(0, std::string("yx"), false, false))
      << "Ctrl+pad 1 ran DOS -> WIN too";
  Run(ActionId::History);
  EXPECT_EQ(launcher.started, QStringList({QString::fromStdString(home / "history.txt")}));
  Restart();
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=11\r\nLanguage=1\r\n");  // later starts say nothing
  Start();
  Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(Info(), "");
}

TEST_F(LanguageFlow, KeysFromHotkeysIniRunTheirNewActionsOnlyAndGoBeforeTheEditorsOwn) {
  std::string lines;
  for (const ActionRow& row : Actions()) {
    const std::map<ActionId, const char*> changed = {
        {ActionId::UpCase, "Ctrl+K"}, {ActionId::InvertCase, "Ctrl+C"}, {ActionId::CapWords, ""}, {ActionId::Copy, ""}};
    lines += std::string(changed.contains(row.id) ? changed.at(row.id) : row.defaultKey) + "\r\n";
  }
  WriteRaw(home / "hotkeys.ini", lines);
  MainWindow& w = Open("abc def");
  const struct { Qt::Key key; const char* after; } presses[] = {
      {Qt::Key_U, "abc def"}, {Qt::Key_K, "ABC def"}, {Qt::Key_C, "abc def"}};  // Ctrl+U was Upper Case
  for (const auto& p : presses) {
    editor().Select(0, 3);
    Key(p.key, Qt::ControlModifier);
    EXPECT_EQ(editor().Text(), p.after) << p.key;
  }
  EXPECT_EQ(Caption(w.action(ActionId::UpCase)), "UPPER CASE\tCtrl+K");
}

}  // namespace
}  // namespace plumex
