// Tools and Run through the window, with the launcher faked, and one real start.
#include <QMenu>
#include <QThread>
#include <filesystem>
#include <sys/stat.h>

#include "gui/window_fixture.h"

namespace plumex::test {
namespace {

using ToolsAndRun = WindowTest;

// Blanks, quotes, ";", "$(x)", "`" and Cyrillic: a shell would split or run them.
const std::string kAwkward = "a b\"c';$(x)`д";

QString Q(const std::string& text) { return QString::fromStdString(text); }

TEST_F(ToolsAndRun, RunWritesTheTextOrSelectionInItsLineBreaksOrSavesTheDocumentAndPassesEachNameAsOneArgument) {
  WriteRaw(home / "run.ini", "[sh]\r\napp=%WinPath%sh\r\nparams=-w @fullname \"@name@.ext\" @fullpath@drive\r\n");
  const std::string folder = files / (kAwkward + "/"), doc = folder + kAwkward + ".sh";
  std::filesystem::create_directory(folder);
  WriteRaw(doc, "echo 1\nexit\n");
  Start({doc});
  Run(ActionId::Run);
  editor().Select(0, 4);
  Run(ActionId::Run);  // our own temp.sh is replaced without a question
  const QStringList temp{"/usr/bin/sh", "-w", Q(folder + "temp.sh"), "temp.sh", Q(folder), "in", Q(folder)};
  EXPECT_EQ(std::tuple(launcher.programs, ReadRaw(folder + "temp.sh"), prompter.questions.size()),
            std::tuple(QList{temp, temp}, "echo", 0));
  Restart();
  WriteSettings("UseTempFile=0\r\n");
  Start({doc});
  Type("x");
  Run(ActionId::Run);  // saved first, in its own line breaks
  editor().Select(0, 1);
  Run(ActionId::Run);  // a selection needs a temp file
  const QStringList own{"/usr/bin/sh", "-w", Q(doc), Q(kAwkward + ".sh"), Q(folder), "in", Q(folder)};
  EXPECT_EQ(std::tuple(launcher.programs.size(), launcher.programs.back(), ReadRaw(doc), window->document().Modified()),
            std::tuple(3, own, "xecho 1\nexit\n", false));
}

TEST_F(ToolsAndRun, RunIniMissingAppOnlyHostileOrAForeignOrUnwritableRunFileLaunchesNothingWithoutSaying) {
  const std::string runFile = files / "temp.txt";
  const struct { std::string ini; const char* before; bool starts, yes; QString said; QString launched; } rows[] = {
      {"", nullptr, true, false, "run.ini names no program for this file type", {}},
      {"[DEFAULT]\r\napp=/no/such\r\nparams=x", nullptr, true, false, "Program not found: /no/such", {}},
      {"[DEFAULT]\r\napp=/bin/true\r\nparams=x", nullptr, false, false, "Could not start: /bin/true", "/bin/true x"},
      {"[DEFAULT]\r\napp=/bin/true\r\nparams=x", "theirs", true, false, "", {}},
      {"[DEFAULT]\r\napp=/bin/true\r\nparams=x", "theirs", true, true, "", "/bin/true x"},
      {"[DEFAULT]\r\napp=/bin/true\r\nparams=x", "", true, true, "", {}},  // a folder: the write fails
  };
  for (const auto& row : rows) {
    std::filesystem::remove_all(runFile);
    row.ini.empty() ? (void)std::filesystem::remove(home / "run.ini") : WriteRaw(home / "run.ini", row.ini);
    if (row.before) row.before[0] ? WriteRaw(runFile, row.before) : (void)std::filesystem::create_directory(runFile);
    launcher.starts = row.starts;
    prompter.yesNo = {row.yes};
    Open("mine");
    Run(ActionId::Run);
    const QString launched = launcher.programs.isEmpty() ? QString() : launcher.programs.last().mid(0, 2).join(' ');
    const bool written = std::filesystem::is_regular_file(runFile) && ReadRaw(runFile) == "mine";
    EXPECT_EQ(std::tuple(Info().contains(row.said), launched, written, prompter.errors.size()),
              std::tuple(true, row.launched, !row.launched.isEmpty(), row.before && !row.before[0] ? 1 : 0))
        << row.ini;
    launcher.programs.clear();
    prompter.errors.clear();
    Restart();
  }
}

TEST_F(ToolsAndRun, ToolsListPresentProgramsByIndexStartInTheDocumentsFolderAndAnEmptyListHidesTheMenu) {
  WriteRaw(files / "notes.txt", "");
  WriteRaw(home / "tools.ini", "Shell & Co=%winpath%sh -c \"exit 0\"\r\nGone=/no/such\r\nNotes=" + files / "notes.txt");
  Open("");
  QMenu& tools = *window->menu(MenuId::Tools);
  QStringList shown;
  for (QAction* item : tools.actions()) shown << item->text() + '=' + item->data().toString();
  EXPECT_EQ(shown, (QStringList{"Shell && Co=0", "Notes=2"}));
  tools.actions()[0]->trigger();
  tools.actions()[1]->trigger();
  const QStringList shell{"/usr/bin/sh", "-c", "exit 0", "in", Q(files.path())};
  EXPECT_EQ(std::tuple(launcher.programs, launcher.opened),
            std::tuple(QList<QStringList>{shell}, QStringList{Q(files / "notes.txt")}));
  Restart();
  WriteRaw(home / "tools.ini", "");
  Start();
  const QList<QAction*> service = window->menu(MenuId::Service)->actions();
  const qsizetype at = service.indexOf(window->menu(MenuId::Tools)->menuAction());
  EXPECT_FALSE(service[at]->isVisible() || service[at - 1]->isVisible());
}

TEST(ProcessLauncher, EachArgumentReachesTheProgramExactlyInItsFolderWithNoShellBetween) {
  TempDir dir;
  WriteRaw(dir / "argv",
           "#!/bin/sh\nfor a; do printf '%s|' \"$a\"; done >../got.tmp; pwd >>../got.tmp; mv ../got.tmp ../got\n");
  chmod((dir / "argv").c_str(), 0700);
  std::filesystem::create_directory(dir / "run");
  ProcessLauncher launcher;
  ASSERT_TRUE(launcher.StartProgram(Q(dir / "argv"), {Q(kAwkward), "", "*"}, Q(dir / "run")));
  for (int i = 0; i < 1000 && !std::filesystem::exists(dir / "got"); ++i) QThread::msleep(10);
  EXPECT_EQ(ReadRaw(dir / "got"), kAwkward + "||*|" + dir / "run\n");
}

}  // namespace
}  // namespace plumex::test
