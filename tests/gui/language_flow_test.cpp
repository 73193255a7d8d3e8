// Interface languages and hot keys as the window shows and runs them.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "app/status_bar.h"
#include "gui/window_fixture.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

class LanguageFlow : public test::WindowTest {
 protected:
  void WriteRussian() {
    std::filesystem::create_directory(home / "Lang");
    WriteRaw(home / "Lang/russian.lng",
             Utf8ToWin1251("[LANGUAGE]\r\nLanguage=Русский\r\nLanguageCode=ru\r\nEnglishName=Russian\r\n"
                           "mmFile=Файл\r\naNew=Новый\r\ntTitleModified=[Изменён]\r\n"
                           "aFind=Найти...\r\naGoTo=Перейти...\r\nhWW=Перенос\r\n"));
  }
  std::vector<std::string> Hotkeys() {
    std::vector<std::string> lines;
    for (const ActionRow& row : Actions()) lines.push_back(row.defaultKey);
    return lines;
  }
  void WriteHotkeys(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteRaw(home / "hotkeys.ini", text);
  }
};

TEST_F(LanguageFlow, ALanguageFileRetitlesTheWindowAndCtrlPad1BringsEnglishBack) {
  WriteRussian();
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\nLanguage=1\r\n");
  MainWindow& w = Open("x");
  EXPECT_EQ(w.menuBar()->actions().first()->text(), "Файл");
  EXPECT_EQ(w.action(ActionId::New)->text(), "Новый\tCtrl+N");
  EXPECT_EQ(w.action(ActionId::Open)->text(), "Open...\tCtrl+O");  // missing key: English
  Type("y");
  EXPECT_TRUE(w.windowTitle().endsWith("[Изменён]"));
  EXPECT_EQ(w.findChild<QDialog*>("findDialog")->windowTitle(), "Найти");
  EXPECT_EQ(w.findChild<QDialog*>("goToDialog")->windowTitle(), "Перейти...");
  EXPECT_EQ(w.statusPanes()->indicator(Indicator::WordWrap)->toolTip(), "Перенос");

  QTest::keyClick(w.editor(), Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(w.menuBar()->actions().first()->text(), "File");
  EXPECT_EQ(w.action(ActionId::New)->text(), "New\tCtrl+N");
  EXPECT_TRUE(w.windowTitle().endsWith("[Modified]"));
  EXPECT_EQ(w.findChild<QDialog*>("findDialog")->windowTitle(), "Find");
  EXPECT_EQ(w.statusPanes()->indicator(Indicator::WordWrap)->toolTip(), "Word Wrap - Ctrl+W");
  EXPECT_EQ(w.settings().Language, 0);
  EXPECT_EQ(editor().Text(), "yx") << "Ctrl+pad 1 ran DOS -> WIN too";
}

TEST_F(LanguageFlow, HelpFilesAreOfferedOnlyWhenThere) {
  WriteRaw(home / "history.txt", "1.91");
  MainWindow& w = Start();
  EXPECT_FALSE(w.action(ActionId::Help)->isEnabled());
  EXPECT_FALSE(w.action(ActionId::Readme)->isEnabled());
  ASSERT_TRUE(w.action(ActionId::History)->isEnabled());
  w.action(ActionId::History)->trigger();
  EXPECT_EQ(launcher.started, QStringList({QString::fromStdString(home / "history.txt")}));
  EXPECT_EQ(w.statusPanes()->info()->text(), "  Press F1 to get help");
}

TEST_F(LanguageFlow, ReboundKeysRunTheirNewActionsOnly) {
  std::vector<std::string> keys = Hotkeys();
  keys[static_cast<std::size_t>(ActionId::UpCase)] = "Ctrl+K";
  keys[static_cast<std::size_t>(ActionId::CapWords)] = "";
  WriteHotkeys(keys);
  MainWindow& w = Open("abc def");
  editor().Select(0, 3);
  QTest::keyClick(w.editor(), Qt::Key_U, Qt::ControlModifier);  // the old key
  EXPECT_EQ(editor().Text(), "abc def");
  editor().Select(0, 3);
  QTest::keyClick(w.editor(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(editor().Text(), "ABC def");
  EXPECT_EQ(w.action(ActionId::UpCase)->text(), "UPPER CASE\tCtrl+K");
}

TEST_F(LanguageFlow, AKeyTheEditorKnowsRunsTheActionBoundToIt) {
  std::vector<std::string> keys = Hotkeys();
  keys[static_cast<std::size_t>(ActionId::Copy)] = "";
  keys[static_cast<std::size_t>(ActionId::UpCase)] = "Ctrl+C";
  WriteHotkeys(keys);
  MainWindow& w = Open("abc");
  editor().Select(0, 3);
  QTest::keyClick(w.editor(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(editor().Text(), "ABC");
}

TEST_F(LanguageFlow, DeletingHotkeysIniRestoresTheBuiltInKeys) {
  std::vector<std::string> keys = Hotkeys();
  keys[static_cast<std::size_t>(ActionId::New)] = "F7";
  WriteHotkeys(keys);
  MainWindow& w = Start();
  EXPECT_EQ(w.action(ActionId::New)->shortcut().toString(), "F7");
  EXPECT_TRUE(w.close());
  window.reset();
  std::filesystem::remove(home / "hotkeys.ini");
  Start();
  EXPECT_EQ(window->action(ActionId::New)->shortcut().toString(), "Ctrl+N");
  EXPECT_EQ(window->action(ActionId::Help)->shortcut().toString(), "F1");
  EXPECT_TRUE(window->close());
  window.reset();
  EXPECT_EQ(ReadRaw(home / "hotkeys.ini").rfind("Ctrl+N\r\n", 0), 0u);
}

}  // namespace
}  // namespace plumex
