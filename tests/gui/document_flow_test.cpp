// The flows of a user's day with one document: open, type, save, close.
#include <QAction>
#include <QMenu>
#include <unistd.h>

#include "app/status_bar.h"
#include "gui/window_fixture.h"
#include "support/full_disk.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

class DocumentFlow : public test::WindowTest {};

TEST_F(DocumentFlow, OpenTypeSaveClose) {
  const std::string path = files / "my notes.txt";
  WriteRaw(path, "hello\r\n");
  MainWindow& w = Start({path});
  EXPECT_EQ(w.windowTitle(), "my notes.txt - Plumex 1.91 ");
  EXPECT_EQ(w.document().Path(), path);

  editor().moveCursor(QTextCursor::End);
  Type("world");
  EXPECT_TRUE(w.document().Modified);
  EXPECT_EQ(w.windowTitle(), "my notes.txt - Plumex 1.91  [Modified]");

  w.action(ActionId::Save)->trigger();
  EXPECT_EQ(ReadRaw(path), "hello\r\nworld");
  EXPECT_FALSE(w.document().Modified);
  EXPECT_EQ(w.windowTitle(), "my notes.txt - Plumex 1.91 ");
  EXPECT_TRUE(prompter.questions.isEmpty());
  EXPECT_TRUE(w.close());
}

TEST_F(DocumentFlow, CloseAsksAboutAModifiedText) {
  const std::string path = files / "a.txt";
  WriteRaw(path, "old");
  MainWindow& w = Start({path});
  Type("new ");

  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(prompter.questions.last().startsWith("Do you want to save a.txt?"));
  EXPECT_EQ(ReadRaw(path), "old");

  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(w.close());
  EXPECT_EQ(ReadRaw(path), "new old");
  window.reset();
}

TEST_F(DocumentFlow, CloseWithoutSavingKeepsTheFile) {
  const std::string path = files / "a.txt";
  WriteRaw(path, "old");
  MainWindow& w = Start({path});
  Type("x");
  prompter.answers = {Answer::No};
  EXPECT_TRUE(w.close());
  EXPECT_EQ(ReadRaw(path), "old");
  window.reset();
}

TEST_F(DocumentFlow, EveryByteSurvivesOpenEditElsewhereAndSave) {
  const std::string head = test::AllBytes() + "\r\n" + test::AllBytes();
  const std::string path = files / "bytes.bin";
  WriteRaw(path, head + "\r\nend");
  MainWindow& w = Start({path});
  editor().moveCursor(QTextCursor::End);
  Type("!");
  w.action(ActionId::Save)->trigger();
  EXPECT_EQ(ReadRaw(path), head + "\r\nend!");
}

TEST_F(DocumentFlow, LfFilesStayLf) {
  const std::string path = files / "unix.txt";
  WriteRaw(path, "one\ntwo\n");
  MainWindow& w = Start({path});
  editor().moveCursor(QTextCursor::End);
  QTest::keyClick(window->editor(), Qt::Key_Return);
  Type("three");
  w.action(ActionId::Save)->trigger();
  EXPECT_EQ(ReadRaw(path), "one\ntwo\n\nthree");
}

TEST_F(DocumentFlow, FailedSaveKeepsOldFileAndModifiedText) {
  const std::string path = files / "keep.txt";
  WriteRaw(path, "old text");
  MainWindow& w = Start({path});
  editor().Load(std::string(1 << 20, 'n'));
  ASSERT_TRUE(w.document().Modified);

  {
    const test::FullDisk disk;
    w.action(ActionId::Save)->trigger();  // the Save As that follows is cancelled
  }

  EXPECT_EQ(ReadRaw(path), "old text");
  EXPECT_TRUE(w.document().Modified);
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.saveDialogs, 1);
  EXPECT_TRUE(w.windowTitle().endsWith("[Modified]"));

  // Closing after the failure keeps the window when saving fails again.
  prompter.answers = {Answer::Yes};
  const test::FullDisk disk;
  EXPECT_FALSE(w.close());
}

TEST_F(DocumentFlow, SaveAsAsksAboutTheNameReallyWritten) {
  MainWindow& w = Start();
  Type("draft");
  WriteRaw(files / "report.txt", "precious");
  prompter.saveChoices = {QString::fromStdString(files / "report"),
                          QString::fromStdString(files / "other")};
  prompter.yesNo = {false};
  w.action(ActionId::Save)->trigger();  // untitled: Save As

  ASSERT_EQ(prompter.questions.size(), 1);
  EXPECT_TRUE(prompter.questions[0].startsWith("report.txt - this file already exists."));
  EXPECT_EQ(ReadRaw(files / "report.txt"), "precious");
  EXPECT_EQ(ReadRaw(files / "other.txt"), "draft");
  EXPECT_EQ(w.document().FileName, "other.txt");
  EXPECT_FALSE(w.document().Untitled);
}

TEST_F(DocumentFlow, SaveSelectionEndsWithALineBreak) {
  const std::string path = files / "s.txt";
  WriteRaw(path, "first\r\nsecond\r\n");
  MainWindow& w = Start({path});
  editor().Select(0, 9);
  prompter.saveChoices = {QString::fromStdString(files / "part")};
  w.action(ActionId::SaveSelAs)->trigger();
  EXPECT_EQ(ReadRaw(files / "part.txt"), "first\r\nsec\r\n");
  EXPECT_EQ(w.document().FileName, "s.txt");
}

TEST_F(DocumentFlow, UntitledNeverOverwritesAnExistingUntitledFile) {
  MainWindow& w = Start();
  const std::string untitled = w.document().Path();
  WriteRaw(untitled, "someone's file");
  Type("mine");
  w.settings().IsSaveExit = true;
  prompter.saveChoices = {QString()};
  EXPECT_FALSE(w.close());  // Save As offered and cancelled: stay open
  EXPECT_EQ(ReadRaw(untitled), "someone's file");
  EXPECT_EQ(prompter.saveDialogs, 1);
}

TEST_F(DocumentFlow, FailedOpenKeepsTheDocument) {
  const std::string path = files / "a.txt";
  WriteRaw(path, "text");
  MainWindow& w = Start({path});
  Type("changed ");
  prompter.answers = {Answer::No};
  w.OpenDropped({QString::fromStdString(files.path())});  // a folder cannot be read
  EXPECT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(w.document().Path(), path);
  EXPECT_EQ(editor().Text(), "changed text");
}

TEST_F(DocumentFlow, TooLargeFileIsRefused) {
  const std::string path = files / "huge.txt";
  WriteRaw(path, "");
  ASSERT_EQ(truncate(path.c_str(), 2L * EditorWidget::kMaxLength + 2), 0);
  MainWindow& w = Start();
  w.OpenDropped({QString::fromStdString(path)});
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(w.document().Untitled);
}

TEST_F(DocumentFlow, DroppedFilesOpenHereAndInNewWindows) {
  WriteRaw(files / "1.txt", "one");
  WriteRaw(files / "2.txt", "two");
  WriteRaw(files / "3.txt", "three");
  MainWindow& w = Start();
  w.OpenDropped({QString::fromStdString(files / "1.txt"), QString::fromStdString(files / "2.txt"),
                 QString::fromStdString(files / "3.txt")});
  EXPECT_EQ(editor().Text(), "one");
  EXPECT_EQ(launcher.started, QStringList({QString::fromStdString(files / "2.txt"),
                                           QString::fromStdString(files / "3.txt")}));
}

TEST_F(DocumentFlow, TheLogStampUsesTheFilesOwnLineBreaks) {
  const std::string path = files / "unix.log";
  WriteRaw(path, ".LOG\nday one\n");
  Start({path});
  EXPECT_EQ(editor().Text().find('\r'), std::string::npos);
  EXPECT_TRUE(editor().Text().starts_with(".LOG\nday one\n\n"));
}

TEST_F(DocumentFlow, LogFilesGetAStampUnlessReadOnly) {
  const std::string path = files / "diary.txt";
  WriteRaw(path, ".LOG\r\nday one");
  MainWindow& w = Start({path});
  EXPECT_TRUE(editor().Text().starts_with(".LOG\r\nday one\r\n"));
  EXPECT_TRUE(editor().Text().ends_with("\r\n"));
  EXPECT_TRUE(w.document().Modified);
  window.reset();

  prompter.answers.clear();
  Start({"/r", path});
  EXPECT_EQ(editor().Text(), ".LOG\r\nday one");
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_TRUE(window->windowTitle().endsWith("[Read Only]"));
}

TEST_F(DocumentFlow, MissingFileStartsEmptyUnderItsName) {
  const std::string path = files / "new file.txt";
  MainWindow& w = Start({files / "new", "file.txt"});
  EXPECT_EQ(w.document().Path(), path);
  EXPECT_FALSE(w.document().Untitled);
  Type("first words");
  w.action(ActionId::Save)->trigger();
  EXPECT_EQ(ReadRaw(path), "first words");
  EXPECT_EQ(prompter.saveDialogs, 0);
}

TEST_F(DocumentFlow, StatusPanesFollowTheCaret) {
  const std::string path = files / "s.txt";
  WriteRaw(path, "ab\r\ncdefgh\r\nxyzxyzxyz");
  MainWindow& w = Start({path});
  StatusBar& bar = *w.statusPanes();
  EXPECT_EQ(bar.size()->text(), "21 bytes / 3 lines");
  editor().Select(5, 12);
  EXPECT_EQ(bar.position()->text(), "3 : 3  [7]");
  EXPECT_EQ(bar.percent()->text(), "100%");
  EXPECT_EQ(bar.encoding()->text(), "WIN");  // detected as it loaded
  EXPECT_FALSE(bar.IndicatorOn(Indicator::ReadOnly));
  w.action(ActionId::RO)->trigger();
  EXPECT_TRUE(bar.IndicatorOn(Indicator::ReadOnly));
  EXPECT_FALSE(w.action(ActionId::Cut)->isEnabled());
  EXPECT_TRUE(w.action(ActionId::Copy)->isEnabled());
}

TEST_F(DocumentFlow, ReadOnlyModeSetsTheFileAttributeWhenAsked) {
  WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=2\r\nIsChAttrs=1\r\n");
  const std::string path = files / "attr.txt";
  WriteRaw(path, "x");
  MainWindow& w = Start({path});
  w.action(ActionId::RO)->trigger();
  EXPECT_TRUE(HasReadOnlyAttribute(path));
  w.action(ActionId::RO)->trigger();
  EXPECT_FALSE(HasReadOnlyAttribute(path));
  window.reset();

  Start();  // an untitled text has no file to change
  window->action(ActionId::RO)->trigger();
  EXPECT_FALSE(FileExists(window->document().Path()));
}

TEST_F(DocumentFlow, DoubleClickOnAnEmptyTextOpensAFile) {
  WriteRaw(files / "picked.txt", "picked");
  MainWindow& w = Start();
  prompter.openChoices = {{QString::fromStdString(files / "picked.txt")}};
  QTest::mouseDClick(editor().viewport(), Qt::LeftButton);
  EXPECT_EQ(editor().Text(), "picked");
  EXPECT_EQ(w.document().FileName, "picked.txt");
  QTest::mouseDClick(editor().viewport(), Qt::LeftButton);  // not empty now: nothing asked
  EXPECT_TRUE(prompter.openChoices.empty());
}

TEST_F(DocumentFlow, NewAsksFirstAndCancelKeepsTheText) {
  MainWindow& w = Open("kept");
  Type("x");
  prompter.answers = {Answer::Cancel};
  w.action(ActionId::New)->trigger();
  EXPECT_EQ(editor().Text(), "xkept");
  prompter.answers = {Answer::No};
  w.action(ActionId::New)->trigger();
  EXPECT_EQ(editor().Text(), "");
  EXPECT_TRUE(w.document().Untitled);
  EXPECT_EQ(w.document().FileName, "Untitled.txt");
  EXPECT_FALSE(w.document().Modified);
}

TEST_F(DocumentFlow, SaveSelectionOverTheOpenFileAsksAndLeavesTheTextModified) {
  const std::string path = files / "whole.txt";
  WriteRaw(path, "keep all of this");
  MainWindow& w = Start({path});
  editor().Select(0, 4);
  prompter.saveChoices = {QString::fromStdString(path), QString::fromStdString(path)};
  prompter.yesNo = {false, true};
  w.action(ActionId::SaveSelAs)->trigger();  // answered No
  EXPECT_EQ(ReadRaw(path), "keep all of this");
  EXPECT_FALSE(w.document().Modified);
  w.action(ActionId::SaveSelAs)->trigger();  // answered Yes
  EXPECT_EQ(ReadRaw(path), "keep\r\n");
  EXPECT_TRUE(w.document().Modified) << "the rest of the text would go without a question";
}

TEST_F(DocumentFlow, ConvertingReadOnlyTextKeepsUnsavedEditsAskedAbout) {
  MainWindow& w = Open("text");
  Type("more ");
  w.action(ActionId::RO)->trigger();
  w.action(ActionId::WinToKoi)->trigger();
  EXPECT_TRUE(w.document().Modified);
  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(w.close());
}

}  // namespace
}  // namespace plumex
