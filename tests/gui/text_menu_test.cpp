// The Text menu through the real window: each action's code pages, case
// change, transliteration table and layouts, the modified flag, read-only
// texts and the encoding pane. The rewrites themselves are tested in
// tests/commands and tests/convert.
#include "config/list_files.h"
#include "convert/byte_map.h"
#include "convert/win1251.h"
#include "gui/window_fixture.h"

namespace plumex {
namespace {

using test::WriteRaw;

const std::string kWin = Utf8ToWin1251("Привет, мир! Съешь же ещё этих мягких французских булок.");

std::string In(const std::string& table) { return MapBytes(kWin, Settings().StrWIN, table); }

class TextCommands : public test::WindowTest {
 protected:
  QString Pane() { return window->statusPanes()->encoding()->text(); }
};

TEST_F(TextCommands, EachConversionGoesBetweenItsOwnCodePagesAndKeepsTheModifiedFlag) {
  const Settings s;
  const struct { ActionId id; std::string after; const char* pane; } steps[] = {
      {ActionId::WinToDos, In(s.StrDOS), "DOS"}, {ActionId::DosToWin, kWin, "WIN"},
      {ActionId::WinToKoi, In(s.StrKOI), "KOI"}, {ActionId::KoiToWin, kWin, "WIN"},
      {ActionId::WinToMac, In(s.StrMAC), "MAC"}, {ActionId::MacToWin, kWin, "WIN"},
      {ActionId::WinToIso, In(s.StrISO), "ISO"}, {ActionId::IsoToWin, kWin, "WIN"},
  };
  MainWindow& w = Open(kWin, {"/r"});  // read-only texts are converted too
  for (const auto& step : steps) {
    editor().Select(5, 5);
    Run(step.id);
    EXPECT_EQ(editor().Text(), step.after) << Caption(w.action(step.id)).toStdString();
    EXPECT_EQ(Pane(), step.pane);
    EXPECT_EQ(editor().SelStart(), 0);
  }
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_FALSE(w.document().Modified());
  Run(ActionId::RO);
  Type("x");
  Run(ActionId::WinToKoi);
  Run(ActionId::Undo);
  EXPECT_EQ(editor().Text(), "x" + In(s.StrKOI)) << "a conversion cannot be undone";
  EXPECT_TRUE(w.document().Modified());
  prompter.answers = {Answer::No};
  Run(ActionId::New);
  Run(ActionId::WinToMac);
  EXPECT_EQ(Pane(), "---") << "an empty text has no code page";
}

TEST_F(TextCommands, CaseActionsChangeTheSelectionOrTheWordAtTheCaret) {
  const struct { ActionId id; int from, to; const char* after; } cases[] = {
      {ActionId::UpCase, 0, 6, "ЁЛКА И ель"}, {ActionId::LoCase, 0, 6, "ёлка и ель"},
      {ActionId::InvertCase, 0, 6, "ёЛКА И ель"}, {ActionId::CapWords, 0, 6, "Ёлка И ель"},
      {ActionId::CaseCyc, 2, 2, "ЁЛКА и ель"}, {ActionId::UpCase, 2, 2, "Ёлка и ель"},
  };
  Start();
  for (const auto& c : cases) {
    editor().Load(Utf8ToWin1251("Ёлка и ель"));
    editor().Select(c.from, c.to);
    Run(c.id);
    EXPECT_EQ(editor().Text(), Utf8ToWin1251(c.after)) << c.after;
  }
}

TEST_F(TextCommands, DetectionNamesTheCodePageOnLoadAndConvertsWhenAskedOrSetByTheTablesInForce) {
  MainWindow& w = Open(In(Settings().StrKOI));
  EXPECT_EQ(Pane(), "KOI");
  prompter.yesNo = {false, true};
  Run(ActionId::Detect);
  EXPECT_EQ(prompter.questions, QStringList({"Detected encoding is KOI.\r\n\r\nDo you want to convert text into WIN-1251?"}));
  EXPECT_EQ(editor().Text(), In(Settings().StrKOI));
  Run(ActionId::Detect);
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_EQ(Pane(), "WIN");
  EXPECT_FALSE(w.document().Modified());
  Run(ActionId::Detect);
  EXPECT_EQ(prompter.infos, QStringList({"Detected encoding is WIN-1251."}));
  Restart();

  std::string dos = Settings().StrDOS;  // a user swapped two letters
  std::swap(dos[0], dos[1]);
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[AUTODETECT]\r\nIsDirectConvert=1\r\n[ECODINGS]\r\nStrDOS=" + dos);
  Open(MapBytes(kWin, Settings().StrWIN, dos));
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_FALSE(window->document().Modified());
  editor().Load(Utf8ToWin1251("ЁЙ"));
  Run(ActionId::WinToDos);
  EXPECT_EQ(editor().Text(), "\x89\xF0");
}

TEST_F(TextCommands, FirstStartWritesTheListFilesAndAHandEditedOneIsTakenUpAtTheNext) {
  Start();
  Restart();
  for (AuxList list : kAuxLists) {
    ListFile file(home / std::string(AuxListFileName(list)));
    file.Load({});
    EXPECT_EQ(file.lines(), AuxListDefaults(list)) << AuxListFileName(list);
  }
  EXPECT_EQ(test::ReadRaw(home / "hotkeys.ini").rfind("Ctrl+N\r\n", 0), 0u);
  WriteRaw(home / "translit.ini", Utf8ToWin1251("ж=zh\r\nу=oo\r\n"));
  Open(Utf8ToWin1251("жук"));
  Run(ActionId::ToTrans);
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("zhooк"));
}

TEST_F(TextCommands, TransliterationGoesBothWaysOverAReadOnlyTextAndKeepsTheModifiedFlag) {
  const std::string russian = Utf8ToWin1251("Жук и Щука");
  MainWindow& w = Open(russian, {"/r"});
  const struct { ActionId to, back; const char* start; } pairs[] = {
      {ActionId::ToTrans, ActionId::FromTrans, "Zhuk"}, {ActionId::ToRuslit, ActionId::FromRuslit, "}|{"}};
  for (const auto& p : pairs) {
    Run(p.to);
    EXPECT_EQ(editor().Text().find(p.start), 0u) << editor().Text();
    Run(p.back);
    EXPECT_EQ(editor().Text(), russian);
  }
  EXPECT_FALSE(w.document().Modified());
}

TEST_F(TextCommands, LayoutRepairMapsAWritableSelectionAndSwitchesTheKeyboard) {
  MainWindow& w = Open("ghbdtn? vbh!");
  EXPECT_EQ(Caption(w.action(ActionId::LO_12)), "En -> Ru\tCtrl+[");
  EXPECT_FALSE(w.action(ActionId::LO_13)->isVisible());
  Run(ActionId::LO_12);  // no selection: nothing happens
  editor().Select(0, 12);
  Run(ActionId::LO_12);
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("привет, мир!"));
  EXPECT_TRUE(w.document().Modified());
  EXPECT_EQ(editor().SelStart(), 12);
  editor().Select(0, 6);
  Run(ActionId::LO_21);
  EXPECT_EQ(editor().Text().substr(0, 6), "ghbdtn");
  EXPECT_EQ(keyboard.activated, std::vector<std::string>({"00000419", "00000409"}));
  Run(ActionId::RO);
  editor().Select(0, 6);
  Run(ActionId::LO_12);
  EXPECT_EQ(editor().Text().substr(0, 6), "ghbdtn");
  EXPECT_EQ(keyboard.activated.size(), 2u);
}

TEST_F(TextCommands, AThirdLayoutShowsFourMoreRepairs) {
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[LAYOUT]\r\nLOCount=3\r\n1=En\r\nEn=00000409\r\nStrLO_En=abc\r\n2=Ru\r\n"
                           "Ru=00000419\r\nStrLO_Ru=" + Utf8ToWin1251("фис") + "\r\n3=Xx\r\nXx=00000000\r\nStrLO_Xx=xyz");
  MainWindow& w = Open("abc");
  EXPECT_EQ(Caption(w.action(ActionId::LO_32)), "Xx -> Ru\tShift+Ctrl+Alt+]");
  editor().SelectAll();
  Run(ActionId::LO_13);
  EXPECT_EQ(editor().Text(), "xyz");
}

}  // namespace
}  // namespace plumex
