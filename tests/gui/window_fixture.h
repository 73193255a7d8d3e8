#pragma once
// A main window in a private program folder, with the user's answers and new
// processes faked. Keys and clicks go where a user's go: to the text area.
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "gui/fakes.h"
#include "platform/editor_widget.h"
#include "platform/system_facts.h"
#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex::test {

class WindowTest : public ::testing::Test {
 protected:
  // Past the first start, so the first-start settings dialog stays shut.
  void SetUp() override { WriteSettings(""); }

  // The settings file of a later start, with these lines under [EDITOR].
  void WriteSettings(const std::string& lines) {
    WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=1\r\n" + lines);
  }

  MainWindow& Start(std::vector<std::string> args = {}) {
    window = std::make_unique<MainWindow>(ParseCommandLine(args),
                                          WindowServices{&prompter, &launcher, &keyboard, home.path()});
    window->show();
    QApplication::processEvents();  // the first activation opens the file
    return *window;
  }

  // Starts with a file of these bytes, after any switches in `extra`.
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
  // An item's caption and key as read, without the mark of its accelerator.
  static QString Caption(const QAction* item) { return item->text().remove(QLatin1Char('&')); }
  void Type(const QString& text) { QTest::keyClicks(area(), text); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(area(), key, modifiers);
  }

  void TearDown() override {
    if (window) Restart();
  }

  TempDir home;
  TempDir files;
  ScopedEnv homeEnv{"HOME", home.path()};  // untitled texts start here
  FakePrompter prompter;
  FakeLauncher launcher;
  FakeKeyboard keyboard;
  std::unique_ptr<MainWindow> window;
};

}  // namespace plumex::test
