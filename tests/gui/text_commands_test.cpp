// Transliteration and layout repair through the window, and the list files
// behind them.
#include <QAction>
#include <QMenu>

#include "config/list_files.h"
#include "gui/window_fixture.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

class TextCommands : public test::WindowTest {};

TEST_F(TextCommands, FirstStartWritesTheListFilesWithTheirDefaults) {
  Start();
  for (AuxList list : kAuxLists) {
    const std::string path = home / std::string(AuxListFileName(list));
    ListFile file(path);
    file.Load({});
    EXPECT_EQ(file.lines(), AuxListDefaults(list)) << path;
  }
}

TEST_F(TextCommands, TranslitBothWaysKeepsTheModifiedFlag) {
  const std::string russian = Utf8ToWin1251("Щука");
  MainWindow& w = Open(russian);
  w.action(ActionId::ToTrans)->trigger();
  const std::string latin = editor().Text();
  EXPECT_NE(latin, russian);
  EXPECT_TRUE(latin.find("Sh") != std::string::npos) << latin;
  EXPECT_FALSE(w.document().Modified);
  w.action(ActionId::FromTrans)->trigger();
  EXPECT_EQ(editor().Text(), russian);
  EXPECT_EQ(editor().SelStart(), 0);
}

TEST_F(TextCommands, TranslitRewritesReadOnlyTextAndItStaysReadOnly) {
  MainWindow& w = Open(Utf8ToWin1251("Жук"), {"/r"});
  w.action(ActionId::ToRuslit)->trigger();
  EXPECT_EQ(editor().Text().substr(0, 3), "}|{");
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_FALSE(w.document().Modified);
  w.action(ActionId::FromRuslit)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("Жук"));
}

TEST_F(TextCommands, AHandEditedTableIsTakenUpAtTheNextStart) {
  Start();
  window->close();
  window.reset();
  WriteRaw(home / "translit.ini", Utf8ToWin1251("ж=zh\r\nу=oo\r\n"));
  Open(Utf8ToWin1251("жук"));
  window->action(ActionId::ToTrans)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("zhooк"));
}

TEST_F(TextCommands, LayoutRepairMapsTheSelectionAndSwitchesTheKeyboard) {
  MainWindow& w = Open("ghbdtn? vbh!");
  EXPECT_EQ(w.action(ActionId::LO_12)->text(), "En -> Ru\tCtrl+[");
  EXPECT_FALSE(w.action(ActionId::LO_13)->isVisible());

  w.action(ActionId::LO_12)->trigger();  // no selection: nothing happens
  EXPECT_EQ(editor().Text(), "ghbdtn? vbh!");
  EXPECT_TRUE(keyboard.activated.empty());

  editor().Select(0, 12);
  w.action(ActionId::LO_12)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("привет, мир!"));
  EXPECT_TRUE(w.document().Modified);
  EXPECT_EQ(editor().SelStart(), 12);
  EXPECT_EQ(keyboard.activated, std::vector<std::string>({"00000419"}));

  editor().Select(0, 6);
  w.action(ActionId::LO_21)->trigger();
  EXPECT_EQ(editor().Text().substr(0, 6), "ghbdtn");
}

TEST_F(TextCommands, LayoutRepairLeavesReadOnlyTextAlone) {
  MainWindow& w = Open("ghbdtn", {"/r"});
  editor().Select(0, 6);
  w.action(ActionId::LO_12)->trigger();
  EXPECT_EQ(editor().Text(), "ghbdtn");
  EXPECT_TRUE(keyboard.activated.empty());
}

TEST_F(TextCommands, AThirdLayoutShowsFourMoreRepairs) {
  WriteRaw(settingsPath(),
           "[EDITOR]\r\nStarts=2\r\n[LAYOUT]\r\nLOCount=3\r\n1=En\r\nEn=00000409\r\n"
           "StrLO_En=abc\r\n2=Ru\r\nRu=00000419\r\nStrLO_Ru=" + Utf8ToWin1251("фис") +
           "\r\n3=Xx\r\nXx=00000000\r\nStrLO_Xx=xyz\r\n");
  MainWindow& w = Open("abc");
  EXPECT_TRUE(w.action(ActionId::LO_13)->isVisible());
  EXPECT_EQ(w.action(ActionId::LO_32)->text(), "Xx -> Ru\tShift+Ctrl+Alt+]");
  editor().SelectAll();
  w.action(ActionId::LO_13)->trigger();
  EXPECT_EQ(editor().Text(), "xyz");
}

}  // namespace
}  // namespace plumex
