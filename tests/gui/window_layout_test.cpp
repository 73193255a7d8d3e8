#include <QGuiApplication>
#include <QScreen>

#include "commands/go_to_dialog.h"
#include "gui/window_fixture.h"

namespace plumex::test {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, PaneTextsNeverWidenTheWindowAndAStoredSizeComesOntoTheScreen) {
  WriteSettings("EditorWidth=99999\r\nEditorHeight=99999\r\nEditorLeft=-5000\r\nEditorTop=-5000\r\nIsSavePosition=1\r\n");
  MainWindow& w = Open("x");
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(w.width() <= room.width() && w.height() <= room.height()) << w.width() << "x" << w.height();
  const int least = w.minimumSizeHint().width();
  w.statusPanes()->info()->setText(QString(3000, QLatin1Char('W')));
  QApplication::processEvents();
  EXPECT_TRUE(w.minimumSizeHint().width() == least && least < 700) << least;
  w.resize(least, w.height());
  EXPECT_EQ(w.width(), least);
}

TEST_F(WindowLayout, KeysWorkAgainWhenOneOfOurBoxesCloses) {
  MainWindow& w = Open("abc");
  auto* goTo = w.findChild<GoToDialog*>();
  ASSERT_NE(goTo, nullptr);
  w.action(ActionId::GoTo)->trigger();
  QApplication::processEvents();
  goTo->reject();
  QTest::qWait(20);
  EXPECT_EQ(QApplication::activeWindow(), &w);
  EXPECT_EQ(QApplication::focusWidget(), area());
}

}  // namespace
}  // namespace plumex::test
