// The window's own keys and the editor's mouse, driven as a user would.
#include <QAction>
#include <QMenu>

#include "app/status_bar.h"
#include "gui/window_fixture.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

using test::WriteRaw;

class WindowKeys : public test::WindowTest {
 protected:
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window->editor(), key, modifiers);
  }
};

TEST_F(WindowKeys, EscapeDoesWhatTheSettingSays) {
  MainWindow& w = Start();
  w.settings().EscFunction = 0;
  Key(Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  w.settings().EscFunction = 1;
  Key(Qt::Key_Escape);
  EXPECT_TRUE(w.isMinimized());
  w.showNormal();
  w.settings().EscFunction = 2;
  Key(Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowKeys, KeypadKeysNeverRunTheirMainKeyboardTwins) {
  // Ctrl+0 is From Translit on the whole text; Ctrl+pad 0 must not be.
  const std::string text = "Shchuka i ryba";
  Open(text);
  Key(Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier);  // normal size, 10
  Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(editor().Text(), text);
  EXPECT_EQ(editor().font().pointSize(), 10);
  Key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(editor().font().pointSize(), 11);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(editor().font().pointSize(), 9);
  EXPECT_EQ(editor().Text(), text);
  Key(Qt::Key_0, Qt::ControlModifier);  // the real Ctrl+0 still works
  EXPECT_NE(editor().Text(), text);
}

TEST_F(WindowKeys, TypographicInsertsNeedAWritableText) {
  MainWindow& w = Open("ab");
  editor().Select(1, 1);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(editor().Text(), "a\x97" "b");
  Key(Qt::Key_Apostrophe, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(editor().Text(), "a\x97'b");
  w.action(ActionId::RO)->trigger();
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(editor().Text(), "a\x97'b");
}

TEST_F(WindowKeys, TabBecomesBlanksOnlyWhenTypedIntoAWritableText) {
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\nIsReplaceTabs=1\r\nSpaceTab=4\r\n");
  MainWindow& w = Open("xy");
  editor().Select(1, 1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(editor().Text(), "x    y");
  EXPECT_EQ(editor().SelStart(), 5);
  w.action(ActionId::RO)->trigger();
  Key(Qt::Key_Tab);
  EXPECT_EQ(editor().Text(), "x    y");
}

TEST_F(WindowKeys, AltBackspaceUndoes) {
  Open("abc");
  editor().moveCursor(QTextCursor::End);
  Type("d");
  Key(Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(editor().Text(), "abc");
}

TEST_F(WindowKeys, ReadOnlyKeysScrollLikeAViewer) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + "\r\n";
  MainWindow& w = Open(text, {"/r"});
  w.resize(400, 300);
  QApplication::processEvents();
  Key(Qt::Key_Space);
  EXPECT_EQ(editor().Text(), text);
  const int top = editor().LineFromChar(editor().SelStart());
  EXPECT_GT(top, 3);
  EXPECT_GT(editor().verticalScrollBar()->value(), 0);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(editor().LineFromChar(editor().SelStart()), 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(editor().verticalScrollBar()->value(), 1);
  EXPECT_EQ(editor().Text(), text);
}

TEST_F(WindowKeys, InsertSwitchesOverwriteAndItsIndicator) {
  MainWindow& w = Open("abc");
  Key(Qt::Key_Insert);
  EXPECT_FALSE(w.statusPanes()->IndicatorOn(Indicator::Insert));
  Type("XY");
  EXPECT_EQ(editor().Text(), "XYc");
  Key(Qt::Key_Insert);
  EXPECT_TRUE(w.statusPanes()->IndicatorOn(Indicator::Insert));
}

TEST_F(WindowKeys, ClickedLinksOpenOnlyWhenSafe) {
  Open("go http://example.org now\r\nfile:///etc/passwd\r\n");
  const auto clickAt = [&](int position, Qt::MouseButton button) {
    editor().Select(position, position);
    const QPoint at = editor().cursorRect().center() + QPoint(2, 0);
    editor().Select(0, 0);
    QTest::mouseClick(editor().viewport(), button, Qt::NoModifier, at);
  };
  clickAt(8, Qt::LeftButton);
  EXPECT_EQ(launcher.opened, QStringList({"http://example.org"}));
  clickAt(30, Qt::LeftButton);
  EXPECT_EQ(launcher.opened.size(), 1);
  clickAt(1, Qt::LeftButton);
  EXPECT_EQ(launcher.opened.size(), 1);
}

TEST_F(WindowKeys, RightClickOnALinkOffersCopyUrl) {
  MainWindow& w = Open("go http://example.org now");
  editor().Select(8, 8);
  const QPoint at = editor().cursorRect().center() + QPoint(2, 0);
  QTest::mouseClick(editor().viewport(), Qt::RightButton, Qt::NoModifier, at);
  EXPECT_TRUE(w.action(ActionId::CopyURL)->isEnabled());
  EXPECT_TRUE(w.menu(MenuId::EditorPopup)->isVisible());
  w.menu(MenuId::EditorPopup)->hide();
  w.action(ActionId::CopyURL)->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "http://example.org");
  EXPECT_TRUE(launcher.opened.isEmpty());
}

}  // namespace
}  // namespace plumex
