// The Text menu's rewrites through the real window: each action's code pages
// and case change, the modified flag, read-only texts and the encoding pane.
// The rewrites themselves are tested in tests/commands.
#include <QAction>

#include "config/settings.h"
#include "convert/byte_map.h"
#include "convert/win1251.h"
#include "gui/window_fixture.h"

namespace plumex {
namespace {

using test::WriteRaw;

const std::string kWin = Utf8ToWin1251("Привет, мир! Съешь же ещё этих мягких французских булок.");

std::string In(const std::string& table) { return MapBytes(kWin, Settings().StrWIN, table); }

class ConvertFlow : public test::WindowTest {
 protected:
  QString Pane() { return window->statusPanes()->encoding()->text(); }
};

TEST_F(ConvertFlow, EachActionConvertsBetweenItsOwnCodePagesAndKeepsTheModifiedFlag) {
  const Settings s;
  const struct { ActionId id; std::string from, to; const char* pane; } cases[] = {
      {ActionId::DosToWin, In(s.StrDOS), kWin, "WIN"}, {ActionId::KoiToWin, In(s.StrKOI), kWin, "WIN"},
      {ActionId::MacToWin, In(s.StrMAC), kWin, "WIN"}, {ActionId::IsoToWin, In(s.StrISO), kWin, "WIN"},
      {ActionId::WinToDos, kWin, In(s.StrDOS), "DOS"}, {ActionId::WinToKoi, kWin, In(s.StrKOI), "KOI"},
      {ActionId::WinToMac, kWin, In(s.StrMAC), "MAC"}, {ActionId::WinToIso, kWin, In(s.StrISO), "ISO"},
  };
  for (const auto& c : cases) {
    MainWindow& w = Open(c.from);
    editor().Select(5, 5);
    w.action(c.id)->trigger();
    EXPECT_EQ(editor().Text(), c.to) << w.action(c.id)->text().toStdString();
    EXPECT_EQ(Pane(), c.pane);
    EXPECT_FALSE(w.windowTitle().contains("[Modified]"));
    EXPECT_EQ(editor().SelStart(), 0);
    Restart();
  }
  Start();
  window->action(ActionId::WinToMac)->trigger();
  EXPECT_EQ(Pane(), "---") << "an empty text has no code page";
}

TEST_F(ConvertFlow, UnsavedEditsStayModifiedThroughAConversionEvenOfAReadOnlyText) {
  MainWindow& w = Open(kWin);
  Type("x");
  w.action(ActionId::RO)->trigger();
  w.action(ActionId::WinToKoi)->trigger();
  EXPECT_EQ(editor().Text(), "x" + In(Settings().StrKOI));
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_TRUE(w.document().Modified());
  EXPECT_TRUE(w.windowTitle().endsWith("[Read Only]"));
  w.action(ActionId::RO)->trigger();
  w.action(ActionId::Undo)->trigger();
  EXPECT_EQ(editor().Text(), "x" + In(Settings().StrKOI)) << "a conversion cannot be undone";
  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(w.close());
}

TEST_F(ConvertFlow, CaseActionsChangeTheSelectionOrTheWordAtTheCaret) {
  const struct { ActionId id; int from, to; const char* after; } cases[] = {
      {ActionId::UpCase, 0, 6, "ЁЛКА И ель"}, {ActionId::LoCase, 0, 6, "ёлка и ель"},
      {ActionId::InvertCase, 0, 6, "ёЛКА И ель"}, {ActionId::CapWords, 0, 6, "Ёлка И ель"},
      {ActionId::CaseCyc, 2, 2, "ЁЛКА и ель"}, {ActionId::UpCase, 2, 2, "Ёлка и ель"},
  };
  MainWindow& w = Open(Utf8ToWin1251("Ёлка и ель"));
  for (const auto& c : cases) {
    editor().Load(Utf8ToWin1251("Ёлка и ель"));
    editor().Select(c.from, c.to);
    w.action(c.id)->trigger();
    EXPECT_EQ(editor().Text(), Utf8ToWin1251(c.after)) << c.after;
  }
}

TEST_F(ConvertFlow, DetectionNamesTheCodePageOnLoadAndConvertsWhenAskedOrSet) {
  MainWindow& w = Open(In(Settings().StrKOI));
  EXPECT_EQ(Pane(), "KOI");
  EXPECT_EQ(editor().Text(), In(Settings().StrKOI));
  prompter.yesNo = {false, true};
  w.action(ActionId::Detect)->trigger();
  EXPECT_EQ(prompter.questions, QStringList({"Detected encoding is KOI.\r\n\r\nDo you want to convert text into WIN-1251?"}));
  EXPECT_EQ(editor().Text(), In(Settings().StrKOI));
  w.action(ActionId::Detect)->trigger();
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_EQ(Pane(), "WIN");
  EXPECT_FALSE(w.document().Modified());
  w.action(ActionId::Detect)->trigger();
  EXPECT_EQ(prompter.infos, QStringList({"Detected encoding is WIN-1251."}));
  Restart();

  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[AUTODETECT]\r\nIsDirectConvert=1\r\n");
  Open(In(Settings().StrDOS));
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_EQ(Pane(), "WIN");
  EXPECT_FALSE(window->document().Modified());
}

TEST_F(ConvertFlow, EditedTablesChangeWhatTheCommandsDo) {
  // A user who swaps two letters of the DOS table swaps them in the result.
  std::string dos = Settings().StrDOS;
  std::swap(dos[0], dos[1]);
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[ECODINGS]\r\nStrDOS=" + dos + "\r\n");
  MainWindow& w = Open(Utf8ToWin1251("ЁЙ"));
  w.action(ActionId::WinToDos)->trigger();
  EXPECT_EQ(editor().Text(), "\x89\xF0");
}

}  // namespace
}  // namespace plumex
