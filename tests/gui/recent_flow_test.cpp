// Recent files, caret memory, go to, Delete Line and the find boxes as the
// window offers them.
#include <QAction>
#include <QMenu>
#include <filesystem>

#include "gui/window_fixture.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

class RecentFlow : public test::WindowTest {
 protected:
  QStringList RecentItems() {
    QStringList items;
    for (const QAction* item : window->menu(MenuId::Recent)->actions()) items << item->text();
    return items;
  }
};

TEST_F(RecentFlow, TheTenNewestFilesNewestFirstAndKeptAcrossStarts) {
  MainWindow& w = Start();
  EXPECT_FALSE(w.menu(MenuId::Recent)->isEnabled());
  for (int i = 0; i < 11; ++i) {
    const std::string path = files / ("f" + std::to_string(i) + ".txt");
    WriteRaw(path, "x");
    w.OpenDropped({QString::fromStdString(path)});
  }
  QStringList items = RecentItems();
  ASSERT_EQ(items.size(), 10);
  EXPECT_EQ(items.first(), "0. " + QString::fromStdString(files / "f10.txt"));
  EXPECT_EQ(items.last(), "9. " + QString::fromStdString(files / "f1.txt"));
  w.OpenDropped({QString::fromStdString(files / "f5.txt")});  // moves to the top, once
  items = RecentItems();
  EXPECT_EQ(items.size(), 9);  // the list is cut to ten before the older f5 goes
  EXPECT_EQ(items.first(), "0. " + QString::fromStdString(files / "f5.txt"));
  EXPECT_EQ(items.filter("f5.txt").size(), 1);
  EXPECT_TRUE(w.close());
  window.reset();

  Start();
  EXPECT_EQ(RecentItems(), items);
  window->menu(MenuId::Recent)->actions().last()->trigger();  // item "8."
  QApplication::processEvents();
  EXPECT_EQ(window->document().Path(), files / "f2.txt");
}

TEST_F(RecentFlow, TheCaretComesBackWhenAsked) {
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\nIsRestoreCaret=1\r\n");
  const std::string path = files / "long.txt";
  WriteRaw(path, "one\r\ntwo\r\nthree\r\n");
  Start({path});
  editor().Select(7, 7);
  EXPECT_TRUE(window->close());
  window.reset();
  Start({path});
  EXPECT_EQ(editor().SelStart(), 7);
}

TEST_F(RecentFlow, AVanishedFileStaysListedAndReportsWhy) {
  const std::string path = files / "gone.txt";
  WriteRaw(path, "x");
  MainWindow& w = Start({path});
  w.action(ActionId::New)->trigger();
  std::filesystem::remove(path);
  w.menu(MenuId::Recent)->actions().first()->trigger();
  QApplication::processEvents();
  EXPECT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(w.document().Untitled);
  EXPECT_EQ(RecentItems().size(), 1);
}

TEST_F(RecentFlow, ClearRecentEmptiesTheMenu) {
  const std::string path = files / "a.txt";
  WriteRaw(path, "x");
  MainWindow& w = Start({path});
  w.action(ActionId::ClearRecent)->trigger();
  EXPECT_FALSE(w.menu(MenuId::Recent)->isEnabled());
  EXPECT_TRUE(w.close());
  window.reset();
  EXPECT_EQ(ReadRaw(home / "recent.ini"), "");
}

TEST_F(RecentFlow, DeleteLineIsUndoableAndRespectsReadOnly) {
  MainWindow& w = Open("one\r\ntwo\r\nthree");
  editor().Select(5, 5);
  w.action(ActionId::DelLine)->trigger();
  EXPECT_EQ(editor().Text(), "one\r\nthree");
  w.action(ActionId::Undo)->trigger();
  EXPECT_EQ(editor().Text(), "one\r\ntwo\r\nthree");
  w.action(ActionId::RO)->trigger();
  w.action(ActionId::DelLine)->trigger();
  EXPECT_EQ(editor().Text(), "one\r\ntwo\r\nthree");
}

TEST_F(RecentFlow, EscapeClosesTheFindBoxBeforeTheWindow) {
  MainWindow& w = Open("text");
  w.settings().EscFunction = 2;
  w.action(ActionId::Find)->trigger();
  QTest::keyClick(w.editor(), Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  QTest::keyClick(w.editor(), Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(RecentFlow, BookmarkComesBackToItsLine) {
  MainWindow& w = Open("a\r\nb\r\nc\r\nd");
  editor().Select(4, 4);  // "c"
  w.action(ActionId::SetBook)->trigger();
  editor().Select(0, 0);
  w.action(ActionId::GoToBook)->trigger();
  EXPECT_EQ(editor().LineFromChar(editor().SelStart()), 2);
}

}  // namespace
}  // namespace plumex
