// A user's day with one document through the real window: open, type, save,
// close, drops, focus loss and the command line's switches. The document's
// own rules stand in tests/commands/document_test.cpp.
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <tuple>

#include "gui/window_fixture.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;

class DocumentFlow : public test::WindowTest {
 protected:
  QString File(const std::string& name, const std::string& bytes) {
    WriteRaw(files / name, bytes);
    return QString::fromStdString(files / name);
  }
};

// Drags local files over `on` and drops them there; whether the drop was taken.
bool Drop(QWidget* on, const QStringList& paths) {
  QMimeData data;
  for (const QString& path : paths) data.setUrls(data.urls() << QUrl::fromLocalFile(path));
  QDragEnterEvent enter(on->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(on, &enter);
  QDropEvent drop(on->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(on, &drop);
  return drop.isAccepted();
}

TEST_F(DocumentFlow, OpenTypeSaveAndCloseAfterAQuestion) {
  const std::string path = files / "my notes.txt";
  WriteRaw(path, "hello\r\n");
  MainWindow& w = Start({path});
  EXPECT_EQ(w.windowTitle(), "my notes.txt - Plumex 1.91 ");
  editor().Select(7, 7);
  Type("world");
  Run(ActionId::Save);
  EXPECT_EQ(std::tuple(ReadRaw(path), w.windowTitle(), prompter.questions.size()),
            std::tuple("hello\r\nworld", "my notes.txt - Plumex 1.91 ", 0));
  prompter.saveChoices = {QString::fromStdString(path)};
  Run(ActionId::SaveAs);  // over itself: answered No
  EXPECT_TRUE(prompter.questions.last().startsWith("my notes.txt - this file already exists."));
  Type("!");
  prompter.answers = {Answer::Cancel};
  EXPECT_TRUE(!w.close() && prompter.questions.last().startsWith("Do you want to save my notes.txt?"));
  prompter.answers = {Answer::Yes};
  EXPECT_EQ((std::pair{w.close(), ReadRaw(path)}), std::pair(true, std::string("hello\r\nworld!")));
  window.reset();
}

TEST_F(DocumentFlow, NewAsksFirstAndADoubleClickOnAnEmptyTextOpensAFile) {
  MainWindow& w = Open("kept");
  Type("x");
  prompter.answers = {Answer::Cancel, Answer::No};
  Run(ActionId::New);
  EXPECT_EQ(editor().Text(), "xkept");
  Run(ActionId::New);
  EXPECT_EQ(std::tuple(editor().Text(), w.document().Path(), w.document().Modified()),
            std::tuple("", home / "Untitled.txt", false));
  prompter.openChoices = {{File("picked.txt", "picked")}};
  QTest::mouseDClick(viewport(), Qt::LeftButton);
  EXPECT_EQ(w.document().Path(), files / "picked.txt");
  prompter.openChoices = {{File("other.txt", "other")}};
  QTest::mouseDClick(viewport(), Qt::LeftButton);  // not empty now: nothing asked
  EXPECT_EQ(prompter.openChoices.size(), 1u);
}

TEST_F(DocumentFlow, FilesDroppedAnywhereOnTheWindowOpenTheFirstHereAndTheRestInNewWindows) {
  MainWindow& w = Start();
  for (QWidget* on : {static_cast<QWidget*>(w.menuBar()), static_cast<QWidget*>(w.statusBar()), viewport()}) {
    const std::string name = on->metaObject()->className();
    EXPECT_EQ((std::pair{Drop(on, {File(name, name)}), editor().Text()}), std::pair(true, name));
  }
  const QStringList more = {File("2.txt", "two"), File("3.txt", "three")};
  Drop(w.menuBar(), QStringList{File("1.txt", "one")} + more);
  EXPECT_EQ(std::pair(editor().Text(), launcher.started), std::pair(std::string("one"), more));
}

TEST_F(DocumentFlow, LogFilesGetAStampInTheirOwnLineBreaksUnlessOpenedReadOnly) {
  Open(".LOG\r\nday one");
  EXPECT_TRUE(editor().Text().starts_with(".LOG\r\nday one\r\n") && editor().Text().ends_with("\r\n"));
  Restart();
  Open(".LOG\r\nday one", {"/r"});
  EXPECT_EQ(editor().Text(), ".LOG\r\nday one");
}

TEST_F(DocumentFlow, AMissingFileStartsEmptyUnderTheNameTheWordsOfTheCommandLineMake) {
  MainWindow& w = Start({files / "new", "file.txt"});
  Type("first words");
  Run(ActionId::Save);
  EXPECT_EQ(std::tuple(ReadRaw(files / "new file.txt"), prompter.saveDialogs, w.document().Path()),
            std::tuple("first words", 0, files / "new file.txt"));
}

TEST_F(DocumentFlow, LosingTheFocusSavesAndSaysAFailureWithoutABox) {
  WriteSettings("IsSaveFocus=1\r\n");
  Open("v1");
  Type("x");
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(ReadRaw(path()), "xv1");
  Restart();
  Start({files / "gone/away.txt"});  // a folder that is not there
  Type("words");
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(Info().contains("away.txt")) << Info().toStdString();
  EXPECT_TRUE(window->document().Modified());
  EXPECT_EQ(prompter.errors.size() + prompter.saveDialogs, 0);
}

TEST_F(DocumentFlow, StatusPanesAndActionsFollowTheCaretAndReadOnlyModeAndTheFileAttributeWhenAsked) {
  WriteSettings("IsChAttrs=1\r\n");
  MainWindow& w = Open("ab\r\ncdefgh\r\nxyzxyzxyz");
  StatusBar& bar = *w.statusPanes();
  editor().Select(5, 12);  // the code page was detected as it loaded
  EXPECT_EQ(QStringList({bar.size()->text(), bar.position()->text(), bar.percent()->text(), bar.encoding()->text()}),
            QStringList({"21 bytes / 3 lines", "3 : 3  [7]", "100%", "WIN"}));
  for (const bool on : {true, false}) {
    Run(ActionId::RO);
    EXPECT_EQ(std::tuple(bar.IndicatorOn(Indicator::ReadOnly), HasReadOnlyAttribute(path()),
                         w.action(ActionId::Cut)->isEnabled(), w.action(ActionId::Copy)->isEnabled()),
              std::tuple(on, on, !on, true));
  }
  Run(ActionId::New);
  Run(ActionId::RO);  // an untitled text has no file to change
  EXPECT_FALSE(FileExists(w.document().Path()));
}

}  // namespace
}  // namespace plumex
