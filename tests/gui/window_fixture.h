#pragma once
// A main window in a private program folder, with the user's answers and new
// processes faked. Keys and clicks go where a user's go: to the text area.
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <deque>
#include <memory>
#include <ostream>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "platform/editor_widget.h"
#include "platform/instance_launcher.h"
#include "platform/prompter.h"
#include "platform/system_facts.h"
#include "support/fake_keyboard.h"
#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace plumex::test {

// The user at the boxes: each queue answers in turn; an empty one cancels or says No.
class FakePrompter : public Prompter {
 public:
  std::deque<Answer> answers;
  std::deque<bool> yesNo;
  std::deque<QStringList> openChoices;
  std::deque<QString> saveChoices;
  QStringList questions, errors, infos;
  int saveDialogs = 0;

  Answer AskYesNoCancel(const QString& text) override { questions << text; return Take(answers, Answer::Cancel); }
  bool AskYesNo(const QString& text, bool) override { questions << text; return Take(yesNo, false); }
  void ShowError(const QString& text) override { errors << text; }
  void ShowInfo(const QString& text) override { infos << text; }
  QStringList ChooseFilesToOpen(const QString&) override { return Take(openChoices, {}); }
  QString ChooseFileToSave(const QString&, const QString&) override { ++saveDialogs; return Take(saveChoices, {}); }

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T none) {
    if (queue.empty()) return none;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

// Programs are recorded as program, arguments..., "in", folder; `starts` says whether they, new
// windows, links and files start.
struct FakeLauncher : InstanceLauncher {
  QStringList started, opened;
  QList<QStringList> programs;
  bool starts = true;
  bool StartInstance(const QString& path) override { return started << path, starts; }
  bool OpenUrl(const QString& url) override { return opened << url, starts; }
  bool StartProgram(const QString& program, const QStringList& arguments, const QString& folder) override {
    return programs << (QStringList{program} << arguments << QStringLiteral("in") << folder), starts;
  }
  bool OpenFile(const QString& path) override { return opened << path, starts; }
};

class WindowTest : public ::testing::Test {
 protected:
  // Past the first start, so the first-start settings dialog stays shut.
  void SetUp() override { WriteSettings(""); }
  void TearDown() override { if (window) Restart(); }

  // The settings file of a later start, with these lines under [EDITOR].
  void WriteSettings(const std::string& lines) { WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=1\r\n" + lines); }

  MainWindow& Start(std::vector<std::string> args = {}) {
    window = std::make_unique<MainWindow>(
        ParseCommandLine(args), WindowServices{.prompter = &prompter, .launcher = &launcher, .keyboard = &keyboard,
                                               .programFolder = home.path(), .printer = printer, .sounds = sounds});
    window->show();
    QApplication::processEvents();  // the first activation opens the file
    return *window;
  }
  // Starts with text.txt of these bytes, after any switches in `extra`.
  MainWindow& Open(const std::string& bytes, std::vector<std::string> extra = {}) {
    WriteRaw(path(), bytes);
    extra.push_back(path());
    return Start(extra);
  }
  // Closes the window as the user would, answering No to a save question.
  void Restart() {
    prompter.answers = {Answer::No};
    window->close();
    window.reset();
  }

  std::string path() const { return files / "text.txt"; }
  std::string settingsPath() const { return home / SettingsFileName(); }
  EditorWidget& editor() { return *window->editor(); }
  QWidget* area() { return editor().focusProxy(); }
  QWidget* viewport() { return static_cast<QAbstractScrollArea*>(area())->viewport(); }
  QString Info() { return window->statusPanes()->info()->text(); }
  void Run(ActionId id) { window->action(id)->trigger(); }
  void Type(const QString& text) { QTest::keyClicks(area(), text); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(area(), key, modifiers); }
  // An item's caption and key as read, without the mark of its accelerator.
  static QString Caption(const QAction* item) { return item->text().remove(QLatin1Char('&')); }

  TempDir home, files;
  ScopedEnv homeEnv{"HOME", home.path()};  // untitled texts start here
  FakePrompter prompter;
  FakeLauncher launcher;
  FakeKeyboard keyboard;
  PrinterService* printer = nullptr;  // the real ones unless a test fakes them
  SoundPlayer* sounds = nullptr;
  std::unique_ptr<MainWindow> window;
};

}  // namespace plumex::test
