// The Text menu's rewrites through the real window: what they do to the text,
// the modified flag, read-only documents, the caret and the encoding pane.
#include <QAction>

#include "app/status_bar.h"
#include "config/settings.h"
#include "convert/byte_map.h"
#include "gui/window_fixture.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

const std::string kWin = Utf8ToWin1251("Привет, мир! Съешь же ещё этих мягких французских булок.");

std::string In(const std::string& table) { return MapBytes(kWin, Settings().StrWIN, table); }

class ConvertFlow : public test::WindowTest {
 protected:
  QString Pane() { return window->statusPanes()->encoding()->text(); }
};

TEST_F(ConvertFlow, WholeTextKeepsAnUnmodifiedDocumentUnmodified) {
  MainWindow& w = Open(kWin);
  editor().Select(5, 5);
  w.action(ActionId::WinToDos)->trigger();
  EXPECT_EQ(editor().Text(), In(Settings().StrDOS));
  EXPECT_FALSE(w.document().Modified);
  EXPECT_FALSE(w.windowTitle().contains("[Modified]"));
  EXPECT_EQ(editor().SelStart(), 0);
  EXPECT_EQ(editor().SelLength(), 0);
  EXPECT_EQ(Pane(), "DOS");

  w.action(ActionId::DosToWin)->trigger();
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_EQ(Pane(), "WIN");
}

TEST_F(ConvertFlow, AModifiedDocumentStaysModifiedAndUndoCannotGoBack) {
  MainWindow& w = Open(kWin);
  Type("x");
  w.action(ActionId::WinToKoi)->trigger();
  EXPECT_TRUE(w.document().Modified);
  EXPECT_EQ(editor().Text(), "x" + In(Settings().StrKOI));
  w.action(ActionId::Undo)->trigger();
  EXPECT_EQ(editor().Text(), "x" + In(Settings().StrKOI));
}

TEST_F(ConvertFlow, ReadOnlyDocumentsAreConvertedAndStayReadOnly) {
  MainWindow& w = Open(In(Settings().StrISO), {"/r"});
  w.action(ActionId::IsoToWin)->trigger();
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_FALSE(w.document().Modified);
  EXPECT_TRUE(w.windowTitle().endsWith("[Read Only]"));
}

TEST_F(ConvertFlow, OnlyTheSelectionChanges) {
  MainWindow& w = Open(kWin);
  editor().Select(0, 6);  // "Привет"
  w.action(ActionId::WinToDos)->trigger();
  EXPECT_EQ(editor().Text(), "\x8F\xE0\xA8\xA2\xA5\xE2" + kWin.substr(6));
  EXPECT_EQ(editor().SelStart(), 6);
  EXPECT_EQ(editor().SelLength(), 0);
}

TEST_F(ConvertFlow, EmptyTextIsLeftAlone) {
  MainWindow& w = Start();
  w.action(ActionId::WinToMac)->trigger();
  EXPECT_EQ(editor().Text(), "");
  EXPECT_EQ(Pane(), "---");
  EXPECT_FALSE(w.document().Modified);
}

TEST_F(ConvertFlow, CaseChangesNeedASelectionAndAWritableText) {
  MainWindow& w = Open(kWin);
  w.action(ActionId::UpCase)->trigger();
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_FALSE(w.document().Modified);

  editor().Select(0, 6);
  w.action(ActionId::UpCase)->trigger();
  EXPECT_EQ(editor().Text().substr(0, 6), Utf8ToWin1251("ПРИВЕТ"));
  EXPECT_TRUE(w.document().Modified);
  EXPECT_EQ(editor().SelStart(), 6);
  EXPECT_EQ(editor().SelLength(), 0);

  w.action(ActionId::RO)->trigger();
  editor().Select(0, 6);
  w.action(ActionId::LoCase)->trigger();
  EXPECT_EQ(editor().Text().substr(0, 6), Utf8ToWin1251("ПРИВЕТ"));
}

TEST_F(ConvertFlow, CyclicCaseChangesTheWordAtTheCaret) {
  MainWindow& w = Open(Utf8ToWin1251("ёлка и ель"));
  editor().Select(2, 2);
  w.action(ActionId::CaseCyc)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("Ёлка и ель"));
  EXPECT_EQ(editor().SelStart(), 2);
  w.action(ActionId::CaseCyc)->trigger();
  EXPECT_EQ(editor().Text(), Utf8ToWin1251("ЁЛКА и ель"));
}

TEST_F(ConvertFlow, DetectionOnLoadNamesTheCodePage) {
  Open(In(Settings().StrKOI));
  EXPECT_EQ(Pane(), "KOI");
  EXPECT_EQ(editor().Text(), In(Settings().StrKOI));
  EXPECT_FALSE(window->document().Modified);
}

TEST_F(ConvertFlow, DirectConversionOnLoadLeavesTheDocumentUnmodified) {
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\n[AUTODETECT]\r\nIsDirectConvert=1\r\n");
  MainWindow& w = Open(In(Settings().StrDOS));
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_EQ(Pane(), "WIN");
  EXPECT_FALSE(w.document().Modified);
  EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(ConvertFlow, DetectCommandAsksBeforeConverting) {
  MainWindow& w = Open(In(Settings().StrKOI));
  prompter.yesNo = {false};
  w.action(ActionId::Detect)->trigger();
  ASSERT_EQ(prompter.questions.size(), 1);
  EXPECT_EQ(prompter.questions[0],
            "Detected encoding is KOI.\r\n\r\nDo you want to convert text into WIN-1251?");
  EXPECT_EQ(editor().Text(), In(Settings().StrKOI));
  EXPECT_EQ(Pane(), "KOI");

  prompter.yesNo = {true};
  w.action(ActionId::Detect)->trigger();
  EXPECT_EQ(editor().Text(), kWin);
  EXPECT_EQ(Pane(), "WIN");
  EXPECT_FALSE(w.document().Modified);

  w.action(ActionId::Detect)->trigger();
  EXPECT_EQ(prompter.infos, QStringList({"Detected encoding is WIN-1251."}));
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
