// Catch Clipboard, Copy All and Direct Copy on the real clipboard,
// offscreen: every copy, ours too, is told from the event loop.
#include <QClipboard>
#include <QImage>
#include <QMimeData>

#include "gui/window_fixture.h"

namespace plumex {
namespace {

using enum ActionId;

class ClipboardFlow : public test::WindowTest {
 protected:
  static QClipboard& Board() { return *QGuiApplication::clipboard(); }
  static void Copy(const QString& text) { Board().setText(text), QApplication::processEvents(); }
  bool Shown(ActionId id, Indicator pane) {
    return window->action(id)->isChecked() && window->statusPanes()->IndicatorOn(pane);
  }
};

// Rows copy texts of their own: the last caught text carries over.
TEST_F(ClipboardFlow, TextsAreAppendedThroughTheCodePageToAWritableTextWithinTheLimit) {
  std::string big;  // five characters short of the limit, in lines a test can lay out
  for (int i = 0; i < (EditorWidget::kMaxLength - 5) / 64; ++i) big += std::string(63, 'b') + "\r\n";
  big += std::string((EditorWidget::kMaxLength - 5) % 64, 'b');
  struct Row { std::string hr, before; bool readOnly; QStringList copies; std::string after; QString info; };
  const Row rows[] = {
      {"--", "x", false, {"A", "B", "B"}, "x\r\nA\r\n--\r\n\r\nB\r\n--\r\n", ""},
      {"", "x", false, {"C", "D", "C"}, "xC\r\nD\r\nC\r\n", ""},
      {"", "y\n", false, {QStringLiteral(u"E\r\nF\rG\u2029H")}, "y\nE\nF\nG\nH\n", ""},
      {"", "x", false, {QStringLiteral(u"\u20ac\u4e2d")}, "x\x88?\r\n",
       " 1 characters of the clipboard text are not in Windows-1251 and were caught as \"?\"."},
      {"", "x", true, {"I"}, "x", ""},
      {"--", big, false, {"J"}, big,
       " The clipboard text was not caught: the text would pass the editor's limit of 16777215 characters"},
      {"", big, false, {"K"}, big + "K\r\n", ""},
  };
  MainWindow& w = Start();
  Run(CB);
  for (const auto& row : rows) {
    w.settings().strHR = row.hr;
    editor().Load(row.before);
    editor().SetReadOnly(row.readOnly);
    w.statusPanes()->info()->clear();
    for (const QString& text : row.copies) Copy(text);
    EXPECT_EQ(std::pair(editor().Text() == row.after, Info()), std::pair(true, row.info))
        << row.copies.join(',').toStdString();
  }
}

TEST_F(ClipboardFlow, CatchingNeedsAWritableTextIgnoresPicturesAndCatchesCopyAllOnceKeepingItModified) {
  MainWindow& w = Open("one\xA0two", {"/r"});
  Run(CB);
  EXPECT_FALSE(Shown(CB, Indicator::CatchClipboard));
  Run(RO), Run(CB);
  EXPECT_TRUE(Shown(CB, Indicator::CatchClipboard));
  auto* picture = new QMimeData;  // a picture with a caption is still a picture
  picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
  picture->setText("caption");
  Board().setMimeData(picture);
  Run(SelAllCopy);
  EXPECT_EQ(editor().SelStart(), editor().Length());
  QApplication::processEvents();
  // The no-break space leaves and comes back as itself.
  EXPECT_EQ(std::tuple(Board().text(), editor().Text(), w.document().Modified()),
            std::tuple(QStringLiteral(u"one\u00a0two"), "one\xA0two\r\none\xA0two\r\n" + std::string(60, '-') + "\r\n",
                       true));
}

TEST_F(ClipboardFlow, DirectCopyStaysOnAndCopiesAMouseSelectionAfterTheReleaseButNeverAnEmptyOne) {
  WriteSettings("IsDC=1\r\n");
  Start();
  EXPECT_TRUE(Shown(DC, Indicator::DirectCopy));
  editor().Load("alpha beta");
  editor().Select(6, 10);
  const auto [from, to] = editor().SelectionEnds();
  const QPoint down = viewport()->mapFromGlobal(from) + QPoint(1, 4), up = viewport()->mapFromGlobal(to) + QPoint(1, 4);
  const auto release = [&] { QTest::mouseRelease(viewport(), Qt::LeftButton, {}, up), QApplication::processEvents(); };
  Copy("before");
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, down);  // inside the selection: it goes at the release
  QApplication::processEvents();
  EXPECT_EQ(Board().text(), "before");
  QTest::mousePress(viewport(), Qt::LeftButton, {}, down);
  QMouseEvent drag(QEvent::MouseMove, up, viewport()->mapToGlobal(up), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(viewport(), &drag);
  release();
  EXPECT_EQ(Board().text(), "beta");
  editor().Select(0, 5);  // a keyboard selection waits for the next release
  EXPECT_EQ(Board().text(), "beta");
  release();
  EXPECT_EQ(Board().text(), "alpha");
}

}  // namespace
}  // namespace plumex
