#pragma once
// A main window in a private program folder, with the user's answers and new
// processes faked.
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

#include "app/main_window.h"
#include "gui/fakes.h"
#include "platform/editor_widget.h"
#include "platform/system_facts.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex::test {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("PLUMEX_HOME", home.path().c_str(), 1);
    setenv("HOME", home.path().c_str(), 1);
    // Past the first start, so the first-start settings dialog stays shut.
    WriteRaw(settingsPath(), "[EDITOR]\r\nStarts=1\r\n");
  }

  MainWindow& Start(std::vector<std::string> args = {}) {
    window = std::make_unique<MainWindow>(ParseCommandLine(args),
                                          WindowServices{&prompter, &launcher, &keyboard});
    window->show();
    QApplication::processEvents();  // the first activation opens the file
    return *window;
  }

  // Starts with a file of these bytes, after any switches in `extra`.
  MainWindow& Open(const std::string& bytes, std::vector<std::string> extra = {}) {
    const std::string path = files / "text.txt";
    WriteRaw(path, bytes);
    extra.push_back(path);
    return Start(extra);
  }

  EditorWidget& editor() { return *window->editor(); }
  std::string settingsPath() const { return home / SettingsFileName(); }

  void Type(const QString& text) { QTest::keyClicks(window->editor(), text); }

  void TearDown() override {
    if (window) {
      prompter.answers.push_back(Answer::No);
      window->close();
    }
  }

  TempDir home;
  TempDir files;
  FakePrompter prompter;
  FakeLauncher launcher;
  FakeKeyboard keyboard;
  std::unique_ptr<MainWindow> window;
};

}  // namespace plumex::test
