// Transliteration and layout repair through the window, and the list files
// behind them.
#include <QAction>

#include "config/list_files.h"
#include "convert/win1251.h"
#include "gui/window_fixture.h"

namespace plumex {
namespace {

using test::WriteRaw;

class TextCommands : public test::WindowTest {};

TEST_F(TextCommands, FirstStartWritesTheListFilesWithTheirDefaults) {
  Start();
  for (AuxList list : kAuxLists) {
    ListFile file(home / std::string(AuxListFileName(list)));
    file.Load({});
    EXPECT_EQ(file.lines(), AuxListDefaults(list)) << AuxListFileName(list);
  }
}

TEST_F(TextCommands, TransliterationGoesBothWaysOverReadOnlyTextsAndKeepsTheModifiedFlag) {
  const struct { ActionId to, back; const char* russian; const char* mark; } pairs[] = {
      {ActionId::ToTrans, ActionId::FromTrans, "Щука", "Sh"}, {ActionId::ToRuslit, ActionId::FromRuslit, "Жук", "}|{"}};
  for (const auto& p : pairs) {
    const std::string russian = Utf8ToWin1251(p.russian);
    MainWindow& w = Open(russian, {"/r"});
    w.action(p.to)->trigger();
    EXPECT_EQ(editor().Text().find(p.mark), 0u) << editor().Text();
    w.action(p.back)->trigger();
    EXPECT_EQ(editor().Text(), russian);
    EXPECT_TRUE(editor().ReadOnly());
    EXPECT_FALSE(w.document().Modified());
    Restart();
  }
}

TEST_F(TextCommands, AHandEditedTableIsTakenUpAtTheNextStart) {
  Start();
  Restart();
  WriteRaw(home / "translit.ini", Utf8ToWin1251("ж=zh\r\nу=oo\r\n"));
  Open(Utf8ToWin1251("жук"));
  window->action(ActionId::ToTrans)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("zhooк"));
}

TEST_F(TextCommands, LayoutRepairMapsAWritableSelectionAndSwitchesTheKeyboard) {
  MainWindow& w = Open("ghbdtn? vbh!");
  EXPECT_EQ(Caption(w.action(ActionId::LO_12)), "En -> Ru\tCtrl+[");
  EXPECT_FALSE(w.action(ActionId::LO_13)->isVisible());
  w.action(ActionId::LO_12)->trigger();  // no selection: nothing happens
  EXPECT_EQ(editor().Text(), "ghbdtn? vbh!");
  EXPECT_TRUE(keyboard.activated.empty());

  editor().Select(0, 12);
  w.action(ActionId::LO_12)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("привет, мир!"));
  EXPECT_TRUE(w.document().Modified());
  EXPECT_EQ(editor().SelStart(), 12);
  EXPECT_EQ(keyboard.activated, std::vector<std::string>({"00000419"}));
  editor().Select(0, 6);
  w.action(ActionId::LO_21)->trigger();
  EXPECT_EQ(editor().Text().substr(0, 6), "ghbdtn");

  w.action(ActionId::RO)->trigger();
  editor().Select(0, 6);
  w.action(ActionId::LO_12)->trigger();
  EXPECT_EQ(editor().Text().substr(0, 6), "ghbdtn");
  EXPECT_EQ(keyboard.activated.size(), 2u);
}

TEST_F(TextCommands, AThirdLayoutShowsFourMoreRepairs) {
  WriteRaw(settingsPath(),
           "[EDITOR]\r\nStarts=2\r\n[LAYOUT]\r\nLOCount=3\r\n1=En\r\nEn=00000409\r\n"
           "StrLO_En=abc\r\n2=Ru\r\nRu=00000419\r\nStrLO_Ru=" + Utf8ToWin1251("фис") +
           "\r\n3=Xx\r\nXx=00000000\r\nStrLO_Xx=xyz\r\n");
  MainWindow& w = Open("abc");
  EXPECT_TRUE(w.action(ActionId::LO_13)->isVisible());
  EXPECT_EQ(Caption(w.action(ActionId::LO_32)), "Xx -> Ru\tShift+Ctrl+Alt+]");
  editor().SelectAll();
  w.action(ActionId::LO_13)->trigger();
  EXPECT_EQ(editor().Text(), "xyz");
}

}  // namespace
}  // namespace plumex
