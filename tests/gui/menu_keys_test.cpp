// The menus from the keyboard, in the real window: Alt with a menu's letter,
// F10 and Esc, in English and in a Russian interface. That each level's
// letters are its own is MenuAccelerators' to show.
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "convert/win1251.h"
#include "gui/window_fixture.h"

namespace plumex::test {
namespace {

using MenuKeysTest = WindowTest;

void AltKey(QWidget* to, int key, const QString& text) {
  QTest::sendKeyEvent(QTest::Click, to, static_cast<Qt::Key>(key), text, Qt::AltModifier);
  QApplication::processEvents();
}

TEST_F(MenuKeysTest, AltOpensTheMenuOfItsLetterF10TheFirstAndEscGivesTheTextBack) {
  MainWindow& w = Open("abc");
  AltKey(area(), Qt::Key_T, QStringLiteral("t"));
  EXPECT_EQ(QApplication::activePopupWidget(), w.menu(MenuId::Text));
  QApplication::activePopupWidget()->close();
  AltKey(area(), Qt::Key_Q, QStringLiteral("q"));  // no menu's letter
  EXPECT_TRUE(QApplication::activePopupWidget() == nullptr && editor().Text() == "abc");
  Key(Qt::Key_F10);
  ASSERT_EQ(QApplication::activePopupWidget(), w.menu(MenuId::File));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), w.menuBar());
  QTest::keyClick(w.menuBar(), Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), area());
}

TEST_F(MenuKeysTest, ARussianInterfaceGetsCyrillicLetters) {
  std::filesystem::create_directory(home / "Lang");
  WriteRaw(home / "Lang/russian.lng",
           Utf8ToWin1251("[LANGUAGE]\r\nLanguage=Русский\r\nmmFile=Файл\r\nmmEdit=Правка\r\nmmView=Вид\r\n"
                         "mmInsert=Вставка\r\nmmText=Текст\r\nmmService=Сервис\r\nmmHelpAbout=Справка\r\n"
                         "aNew=Новый\r\naNewWnd=Новое окно\r\naOpen=Открыть...\r\n"));
  WriteSettings("Language=1\r\n");
  MainWindow& w = Open("abc");
  EXPECT_EQ(w.menu(MenuId::Text)->title(), QString::fromUtf8("&Текст"));
  AltKey(area(), 0x0422, QString::fromUtf8("т"));
  EXPECT_EQ(QApplication::activePopupWidget(), w.menu(MenuId::Text));
  QApplication::activePopupWidget()->close();
  EXPECT_EQ(editor().Text(), "abc");
}

}  // namespace
}  // namespace plumex::test
