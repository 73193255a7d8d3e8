// The window's own keys, its edit commands and the editor's mouse, driven as a
// user would.
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>

#include "gui/window_fixture.h"
#include "platform/qt_keys.h"

namespace plumex {
namespace {

class WindowKeys : public test::WindowTest {
 protected:
  void Press(const char* keyText) {
    const QKeyCombination key = ShortcutsFor(ParseKeyText(keyText)).front()[0];
    Key(key.key(), key.keyboardModifiers());
  }
  int TopLine() { return static_cast<QAbstractScrollArea*>(area())->verticalScrollBar()->value(); }
  int CaretLine() { return editor().LineFromChar(editor().SelStart()); }
};

TEST_F(WindowKeys, KeysOfActionsThatCannotRunNeverEditTheText) {
  QApplication::clipboard()->setText("pasted");
  MainWindow& w = Open("abcdef");
  editor().Select(3, 3);
  int pressed = 0;
  for (const ActionRow& row : Actions()) {
    if (*row.defaultKey == '\0' || w.action(row.id)->isEnabled()) continue;
    Press(row.defaultKey);  // Ctrl+D on a disabled Date and Time once deleted a character
    EXPECT_EQ(editor().Text(), "abcdef") << row.defaultKey;
    ++pressed;
  }
  EXPECT_GT(pressed, 5);
  Restart();

  // With no key bound to any action, the text area's own emacs-style
  // commands and Alt with a letter no menu takes must not edit it either.
  test::WriteRaw(home / "hotkeys.ini", std::string(Actions().size(), '\n'));
  Open("abcdef");
  for (const char* key : {"Ctrl+D", "Ctrl+H", "Ctrl+K", "Ctrl+U", "Ctrl+W", "Ctrl+Y", "Ctrl+V", "Ctrl+T", "Ctrl+B",
                          "Ctrl+J", "Ctrl+M", "Alt+Q", "Alt+X", "Alt+1", "Shift+Alt+Z"}) {
    editor().Select(3, 3);
    Press(key);
    EXPECT_EQ(editor().Text(), "abcdef") << key;
  }
}

TEST_F(WindowKeys, ReadOnlyKeysScrollLikeAViewerTakingTheCaretAndThePositionPaneAlongWhereWritableOnesEdit) {
  const std::string text = QStringLiteral("line\r\n").repeated(300).toStdString();  // more than the window shows
  Open(text);
  window->resize(400, 300);
  QApplication::processEvents();
  Type("d");
  Key(Qt::Key_Backspace, Qt::AltModifier);  // undoes: the text is checked at the end
  Run(ActionId::RO);
  Key(Qt::Key_Space);
  EXPECT_TRUE(CaretLine() > 3 && CaretLine() == TopLine()) << CaretLine();
  Key(Qt::Key_Backspace);
  EXPECT_EQ(CaretLine(), 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(TopLine(), 1);
  editor().ScrollLines(39);
  EXPECT_EQ(std::pair(CaretLine(), window->statusPanes()->position()->text()), std::pair(40, QString("41 : 1")));
  QWheelEvent notch(QPointF(5, 5), viewport()->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport(), &notch);
  EXPECT_EQ(std::tuple(TopLine(), window->statusPanes()->position()->text(), editor().Text()),
            std::tuple(43, QString("44 : 1"), text)) << "three lines a notch";
}

TEST_F(WindowKeys, EscapeDoesWhatTheSettingSaysClosingTheFindBoxBeforeTheWindow) {
  MainWindow& w = Start();
  for (const int function : {0, 3, 1}) {  // nothing, nothing, minimize
    w.settings().EscFunction = function;
    Key(Qt::Key_Escape);
    EXPECT_EQ(w.isMinimized(), function == 1);
  }
  w.showNormal();
  w.settings().EscFunction = 2;
  Run(ActionId::Find);
  Key(Qt::Key_Escape);
  EXPECT_EQ(std::pair(w.findChild<QWidget*>("findDialog")->isVisible(), w.isVisible()), std::pair(false, true));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowKeys, KeypadKeysNeverRunTheirMainKeyboardTwins) {
  // Ctrl+0 is From Translit on the whole text; Ctrl+pad 0 must not be.
  const std::string text = "Shchuka i ryba";
  Open(text);
  const Qt::KeyboardModifiers pad = Qt::ControlModifier | Qt::KeypadModifier;
  const struct { Qt::Key key; int size; } presses[] = {
      {Qt::Key_0, 10}, {Qt::Key_1, 10}, {Qt::Key_Plus, 11}, {Qt::Key_Minus, 10}, {Qt::Key_Minus, 9}};
  for (const auto& p : presses) {
    Key(p.key, pad);
    EXPECT_EQ(editor().FontSize(), p.size) << p.key;
  }
  EXPECT_EQ(editor().Text(), text);
  Key(Qt::Key_0, Qt::ControlModifier);  // the real Ctrl+0 still works
  EXPECT_NE(editor().Text(), text);
}

TEST_F(WindowKeys, InsertOverwritesTypographicInsertsAndTabBlanksNeedAWritableText) {
  WriteSettings("IsReplaceTabs=1\r\nSpaceTab=2\r\n");
  MainWindow& w = Open("abc");
  editor().Select(1, 1);
  Key(Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
  Key(Qt::Key_Apostrophe, Qt::ControlModifier | Qt::AltModifier);
  Key(Qt::Key_Tab);
  EXPECT_EQ(std::pair(editor().Text(), editor().SelStart()), std::pair(std::string("a\x97'  bc"), 5));
  Key(Qt::Key_Insert);
  EXPECT_FALSE(w.statusPanes()->IndicatorOn(Indicator::Insert));
  Type("X");  // overwrites: the text is checked at the end
  Key(Qt::Key_Insert);
  EXPECT_TRUE(w.statusPanes()->IndicatorOn(Indicator::Insert));
  Run(ActionId::RO);
  Key(Qt::Key_Tab);
  EXPECT_EQ(editor().Text(), "a\x97'  Xc");
}

TEST_F(WindowKeys, DeleteLineTakesAWholeWrappedLineAsOneUndoableStepAndTheBookmarkComesBack) {
  const std::string text = "one\r\n" + std::string(2000, 'w') + "\r\nthree";
  Open(text);
  ASSERT_TRUE(editor().WordWrap()) << "a long wrapped line is still one line";
  editor().Select(1500, 1500);
  Run(ActionId::DelLine);
  EXPECT_EQ(editor().Text(), "one\r\nthree");
  Run(ActionId::Undo);
  EXPECT_EQ(editor().Text(), text);
  editor().Select(7, 7);  // the bookmark comes back to its line
  Run(ActionId::SetBook);
  editor().Select(0, 0);
  Run(ActionId::GoToBook);
  EXPECT_EQ(CaretLine(), 1);
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
  EXPECT_TRUE(w.action(ActionId::CopyURL)->isEnabled() && w.menu(MenuId::EditorPopup)->isVisible());
  w.menu(MenuId::EditorPopup)->hide();
  Run(ActionId::CopyURL);
  EXPECT_EQ(std::pair(QApplication::clipboard()->text(), launcher.opened.size()),
            std::pair(QString("http://example.org"), 1LL));
}

}  // namespace
}  // namespace plumex
