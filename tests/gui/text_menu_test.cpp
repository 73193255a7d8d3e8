// The Text menu through the real window: each action reaches its own code
// pages, case change, table or layouts, and the encoding pane follows. What
// the rewrites keep (modified flag, read-only mode, no undo) is tested in
// tests/commands, the rewrites themselves in tests/convert.
#include <QAbstractButton>

#include "config/list_files.h"
#include "convert/byte_map.h"
#include "convert/translit.h"
#include "convert/win1251.h"
#include "gui/window_fixture.h"

namespace plumex {
namespace {

using test::WriteRaw;

const std::string kWin = Utf8ToWin1251("Привет, мир! Съешь же ещё этих мягких французских булок.");
const Settings kDefaults;
const std::string kFir = Utf8ToWin1251("Ёлка и ель"), kPike = Utf8ToWin1251("Жук и Щука");

std::string In(const std::string& table) { return MapBytes(kWin, kDefaults.StrWIN, table); }
std::string To(const std::vector<std::string>& lines) { return TranslitForward(kPike, lines); }

class TextCommands : public test::WindowTest {
 protected:
  QString Pane() { return window->statusPanes()->encoding()->text(); }
};

// A row without a text to start from works on the text the row above left.
TEST_F(TextCommands, EachActionRunsItsOwnRewrite) {
  const auto& s = kDefaults;
  using enum ActionId;
  const struct { ActionId id; std::string before; int from, to; std::string after; const char* pane; } cases[] = {
      {WinToDos, kWin, 5, 5, In(s.StrDOS), "DOS"}, {DosToWin, "", 5, 5, kWin, "WIN"},
      {WinToKoi, "", 5, 5, In(s.StrKOI), "KOI"}, {KoiToWin, "", 5, 5, kWin, "WIN"},
      {WinToMac, "", 5, 5, In(s.StrMAC), "MAC"}, {MacToWin, "", 5, 5, kWin, "WIN"},
      {WinToIso, "", 5, 5, In(s.StrISO), "ISO"}, {IsoToWin, "", 5, 5, kWin, "WIN"},
      {UpCase, kFir, 0, 6, Utf8ToWin1251("ЁЛКА И ель"), "WIN"}, {LoCase, kFir, 0, 6, Utf8ToWin1251("ёлка и ель"), "WIN"},
      {InvertCase, kFir, 0, 6, Utf8ToWin1251("ёЛКА И ель"), "WIN"},
      {CapWords, kFir, 0, 6, Utf8ToWin1251("Ёлка И ель"), "WIN"}, {CaseCyc, kFir, 2, 2, Utf8ToWin1251("ЁЛКА и ель"), "WIN"},
      {ToTrans, kPike, 0, 0, To(BuiltInTranslitLines()), "WIN"}, {FromTrans, "", 0, 0, kPike, "WIN"},
      {ToRuslit, kPike, 0, 0, To(BuiltInRuslitLines()), "WIN"}, {FromRuslit, "", 0, 0, kPike, "WIN"},
  };
  MainWindow& w = Start();
  for (const auto& c : cases) {
    if (!c.before.empty()) editor().Load(c.before);
    editor().Select(c.from, c.to);
    this->Run(c.id);  // the fixture's, not the action of that name
    EXPECT_EQ(std::pair(editor().Text(), Pane()), std::pair(c.after, QString(c.pane)))
        << Caption(w.action(c.id)).toStdString();
  }
}

TEST_F(TextCommands, DetectionNamesTheCodePageOnLoadAndConvertsWhenAskedOrSetByTheTablesInForce) {
  Open(In(kDefaults.StrKOI));
  EXPECT_EQ(Pane(), "KOI");
  prompter.yesNo = {false, true};
  Run(ActionId::Detect);
  EXPECT_EQ(prompter.questions, QStringList({"Detected encoding is KOI.\r\n\r\nDo you want to convert text into WIN-1251?"}));
  EXPECT_EQ(editor().Text(), In(kDefaults.StrKOI));
  Run(ActionId::Detect);
  EXPECT_EQ(std::pair(editor().Text(), Pane()), std::pair(kWin, QString("WIN")));
  Run(ActionId::Detect);
  EXPECT_EQ(prompter.infos, QStringList({"Detected encoding is WIN-1251."}));
  Restart();

  std::string dos = kDefaults.StrDOS;  // a user swapped two letters
  std::swap(dos[0], dos[1]);
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[AUTODETECT]\r\nIsDirectConvert=1\r\n[ECODINGS]\r\nStrDOS=" + dos);
  Open(MapBytes(kWin, kDefaults.StrWIN, dos));
  EXPECT_EQ(editor().Text(), kWin);
  editor().Load(Utf8ToWin1251("ЁЙ"));
  Run(ActionId::WinToDos);
  EXPECT_EQ(editor().Text(), "\x89\xF0");
}

// KOI8-R the marker count takes for WIN, named with its confidence and converted first line.
TEST_F(TextCommands, ShiftCtrlEWithTheStatisticalMethodChosenInTheSettingsDialog) {
  const std::string win = Utf8ToWin1251("ДОКУМЕНТ\r\nСЧЁТ 5");
  MainWindow& w = Open(MapBytes(win, kDefaults.StrWIN, kDefaults.StrKOI));
  Key(Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
  w.OpenSettings();
  w.settingsDialog()->findChild<QAbstractButton*>(QStringLiteral("chbxDetectMethod"))->click();
  w.settingsDialog()->close();
  prompter.yesNo = {true};
  Key(Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(prompter.infos + prompter.questions,
            QStringList({"Detected encoding is WIN-1251.", "Detected encoding is KOI (100.0 %).\r\n\r\nДОКУМЕНТ\r\n\r\n"
                                                           "Do you want to convert text into WIN-1251?"}));
  EXPECT_EQ(editor().Text(), win);
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
  // A table growing the text past the editor's limit, or past what Apply allows, leaves it and says so.
  std::string doubling, lines;
  for (int i = 0; i < 64; ++i) doubling += "a=aa\r\n";
  for (int i = 0; i < 1025; ++i) lines += std::string(1023, 'a') + '\n';  // a long line would take seconds to lay out
  // 16 times the letters and the breaks pass the editor's limit but not the table's growth.
  for (const std::string& table : {"a=" + std::string(16, 'a'), doubling}) {
    WriteRaw(home / "translit.ini", table);
    Restart();
    Open(lines);
    prompter.errors.clear();
    Run(ActionId::ToTrans);
    EXPECT_EQ(std::pair(editor().Length(), prompter.errors.size()), std::pair(1025 << 10, 1LL)) << table.substr(0, 5);
  }
}

TEST_F(TextCommands, LayoutRepairMapsAWritableSelectionSwitchesTheKeyboardAndAThirdLayoutShowsFourMore) {
  MainWindow& w = Open("ghbdtn? vbh!");
  EXPECT_EQ(Caption(w.action(ActionId::LO_12)), "En -> Ru\tCtrl+[");
  EXPECT_FALSE(w.action(ActionId::LO_13)->isVisible());
  Run(ActionId::LO_12);  // no selection: nothing happens
  editor().Select(0, 12);
  Run(ActionId::LO_12);
  EXPECT_EQ(std::pair(editor().Text(), editor().SelStart()), std::pair(Utf8ToWin1251("привет, мир!"), 12));
  editor().Select(0, 6);
  Run(ActionId::LO_21);
  Run(ActionId::RO);
  editor().Select(6, 12);
  Run(ActionId::LO_12);  // read-only: neither the text nor the keyboard changes
  EXPECT_EQ(std::pair(editor().Text(), keyboard.activated),
            std::pair("ghbdtn" + Utf8ToWin1251(", мир!"), std::vector<std::string>({"00000419", "00000409"})));
  Restart();
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[LAYOUT]\r\nLOCount=3\r\n1=En\r\nEn=00000409\r\nStrLO_En=abc\r\n2=Ru\r\n"
                           "Ru=00000419\r\nStrLO_Ru=" + Utf8ToWin1251("фис") + "\r\n3=Xx\r\nXx=00000000\r\nStrLO_Xx=xyz");
  Open("abc");
  EXPECT_EQ(Caption(window->action(ActionId::LO_32)), "Xx -> Ru\tShift+Ctrl+Alt+]");
  editor().SelectAll();
  Run(ActionId::LO_13);
  EXPECT_EQ(editor().Text(), "xyz");
}

}  // namespace
}  // namespace plumex
