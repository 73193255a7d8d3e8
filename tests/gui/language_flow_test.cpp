// Interface languages and hot keys as the window shows and runs them.
#include <QAction>
#include <QDialog>
#include <QMenuBar>
#include <filesystem>

#include "convert/win1251.h"
#include "gui/window_fixture.h"

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
                           "aFind=Найти...\r\naGoTo=Перейти...\r\nhWW=Перенос\r\nstrHelp=Справка: F1\r\n"
                           "[SETS_FORM]\r\nSetsWidth=640\r\n"));
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
  WriteSettings("Language=1\r\n");
  MainWindow& w = Open("x");
  EXPECT_EQ(Caption(w.menuBar()->actions().first()), "Файл");
  EXPECT_EQ(Caption(w.action(ActionId::New)), "Новый\tCtrl+N");
  EXPECT_EQ(Caption(w.action(ActionId::Open)), "Open...\tCtrl+O");  // missing key: English
  Type("y");
  EXPECT_TRUE(w.windowTitle().endsWith("[Изменён]"));
  EXPECT_EQ(w.findChild<QDialog*>("findDialog")->windowTitle(), "Найти");
  EXPECT_EQ(w.findChild<QDialog*>("goToDialog")->windowTitle(), "Перейти...");
  EXPECT_EQ(w.statusPanes()->indicator(Indicator::WordWrap)->toolTip(), "Перенос");
  EXPECT_EQ(w.settingsDialog()->width(), 640) << "the language's size for its settings dialog";

  Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(Caption(w.menuBar()->actions().first()), "File");
  EXPECT_EQ(Caption(w.action(ActionId::New)), "New\tCtrl+N");
  EXPECT_TRUE(w.windowTitle().endsWith("[Modified]"));
  EXPECT_EQ(w.findChild<QDialog*>("findDialog")->windowTitle(), "Find");
  EXPECT_EQ(w.statusPanes()->indicator(Indicator::WordWrap)->toolTip(), "Word Wrap - Ctrl+W");
  EXPECT_EQ(w.settings().Language, 0);
  EXPECT_EQ(w.settingsDialog()->width(), 640) << "English keeps the size it finds";
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
}

TEST_F(LanguageFlow, TheFirstStartsSayWhereHelpIsAgainAfterALanguageChange) {
  WriteRussian();
  for (const auto& [starts, hinted] : {std::pair{"10", true}, std::pair{"11", false}}) {
    WriteRaw(settingsPath(), "[EDITOR]\r\nLanguage=1\r\nStarts=" + std::string(starts) + "\r\n");
    Start();
    EXPECT_EQ(Info(), hinted ? "  Справка: F1" : "") << starts;
    window->statusPanes()->info()->clear();
    Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);  // back to English
    EXPECT_EQ(Info(), hinted ? "  Press F1 to get help" : "") << starts;
    Restart();
  }
}

TEST_F(LanguageFlow, ReboundKeysRunTheirNewActionsOnly) {
  std::vector<std::string> keys = Hotkeys();
  keys[static_cast<std::size_t>(ActionId::UpCase)] = "Ctrl+K";
  keys[static_cast<std::size_t>(ActionId::CapWords)] = "";
  WriteHotkeys(keys);
  MainWindow& w = Open("abc def");
  editor().Select(0, 3);
  Key(Qt::Key_U, Qt::ControlModifier);  // the old key
  EXPECT_EQ(editor().Text(), "abc def");
  editor().Select(0, 3);
  Key(Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(editor().Text(), "ABC def");
  EXPECT_EQ(Caption(w.action(ActionId::UpCase)), "UPPER CASE\tCtrl+K");
}

TEST_F(LanguageFlow, AKeyTheEditorKnowsRunsTheActionBoundToIt) {
  std::vector<std::string> keys = Hotkeys();
  keys[static_cast<std::size_t>(ActionId::Copy)] = "";
  keys[static_cast<std::size_t>(ActionId::UpCase)] = "Ctrl+C";
  WriteHotkeys(keys);
  MainWindow& w = Open("abc");
  editor().Select(0, 3);
  Key(Qt::Key_C, Qt::ControlModifier);
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
