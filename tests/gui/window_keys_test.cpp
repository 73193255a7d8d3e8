// The window's own keys and the editor's mouse, driven as a user would.
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>

#include "gui/window_fixture.h"
#include "platform/qt_keys.h"

namespace plumex {
namespace {

using test::WriteRaw;

class WindowKeys : public test::WindowTest {
 protected:
  void Press(const char* keyText) {
    const QKeyCombination key = ShortcutsFor(ParseKeyText(keyText)).front()[0];
    Key(key.key(), key.keyboardModifiers());
  }
  int Scrolled() { return static_cast<QAbstractScrollArea*>(area())->verticalScrollBar()->value(); }
  QString Position() { return window->statusPanes()->position()->text(); }
};

TEST_F(WindowKeys, KeysOfActionsThatCannotRunNeverEditTheText) {
  QApplication::clipboard()->setText("pasted");
  MainWindow& w = Open("abcdef");
  editor().Select(3, 3);
  int pressed = 0;
  for (const ActionRow& row : Actions()) {
    if (*row.defaultKey == '\0' || w.action(row.id)->isEnabled()) continue;
    Press(row.defaultKey);  // Ctrl+D (Date and Time, not built yet) deleted a character
    EXPECT_EQ(editor().Text(), "abcdef") << row.defaultKey;
    ++pressed;
  }
  EXPECT_GT(pressed, 20);
  Restart();

  // With no key bound to any action, the text area's own emacs-style
  // commands and Alt with a letter no menu takes must not edit it either.
  WriteRaw(home / "hotkeys.ini", std::string(Actions().size(), '\n'));
  Open("abcdef");
  for (const char* key : {"Ctrl+D", "Ctrl+H", "Ctrl+K", "Ctrl+U", "Ctrl+W", "Ctrl+Y", "Ctrl+V", "Ctrl+T",
                          "Ctrl+B", "Ctrl+J", "Ctrl+M", "Alt+Q", "Alt+X", "Alt+1", "Shift+Alt+Z"}) {
    editor().Select(3, 3);
    Press(key);
    EXPECT_EQ(editor().Text(), "abcdef") << key;
  }
}

TEST_F(WindowKeys, ScrollingAReadOnlyTextTakesTheCaretAndThePositionPaneAlong) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + "\r\n";
  Open(text, {"/r"});
  window->resize(400, 300);
  QApplication::processEvents();
  editor().ScrollLines(40);
  EXPECT_EQ(editor().LineFromChar(editor().SelStart()), Scrolled());
  EXPECT_EQ(Position(), "41 : 1");
  QWheelEvent notch(QPointF(5, 5), viewport()->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport(), &notch);
  EXPECT_EQ(Scrolled(), 43) << "three lines a notch";
  EXPECT_EQ(Position(), "44 : 1");
}

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
  EXPECT_EQ(editor().FontSize(), 10);
  Key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(editor().FontSize(), 11);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(editor().FontSize(), 9);
  EXPECT_EQ(editor().Text(), text);
  Key(Qt::Key_0, Qt::ControlModifier);  // the real Ctrl+0 still works
  EXPECT_NE(editor().Text(), text);
}

TEST_F(WindowKeys, TypographicInsertsAndTabBlanksNeedAWritableText) {
  WriteSettings("IsReplaceTabs=1\r\nSpaceTab=2\r\n");
  MainWindow& w = Open("ab");
  editor().Select(1, 1);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
  Key(Qt::Key_Apostrophe, Qt::ControlModifier | Qt::AltModifier);
  Key(Qt::Key_Tab);
  EXPECT_EQ(editor().Text(), "a\x97'  b");
  EXPECT_EQ(editor().SelStart(), 5);
  w.action(ActionId::RO)->trigger();
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
  Key(Qt::Key_Tab);
  EXPECT_EQ(editor().Text(), "a\x97'  b");
}

TEST_F(WindowKeys, ReadOnlyKeysScrollLikeAViewerAndAltBackspaceUndoes) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + "\r\n";
  MainWindow& w = Open(text);
  w.resize(400, 300);
  QApplication::processEvents();
  Type("d");
  Key(Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(editor().Text(), text);
  w.action(ActionId::RO)->trigger();
  Key(Qt::Key_Space);
  EXPECT_GT(editor().LineFromChar(editor().SelStart()), 3);
  EXPECT_GT(Scrolled(), 0);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(editor().LineFromChar(editor().SelStart()), 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(Scrolled(), 1);
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

TEST_F(WindowKeys, ALeftClickOpensSafeLinksAndARightClickOffersToCopyOne) {
  MainWindow& w = Open("go http://example.org now\r\nfile:///etc/passwd\r\n");
  const auto clickAt = [&](int position, Qt::MouseButton button) {
    editor().Select(position, position);
    const QPoint at = viewport()->mapFromGlobal(editor().SelectionEnds().first) + QPoint(2, 5);
    editor().Select(0, 0);
    QTest::mouseClick(viewport(), button, Qt::NoModifier, at);
  };
  for (const int position : {8, 30, 1}) clickAt(position, Qt::LeftButton);
  EXPECT_EQ(launcher.opened, QStringList({"http://example.org"}));
  clickAt(8, Qt::RightButton);
  EXPECT_TRUE(w.action(ActionId::CopyURL)->isEnabled());
  EXPECT_TRUE(w.menu(MenuId::EditorPopup)->isVisible());
  w.menu(MenuId::EditorPopup)->hide();
  w.action(ActionId::CopyURL)->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "http://example.org");
  EXPECT_EQ(launcher.opened.size(), 1);
}

}  // namespace
}  // namespace plumex
