#pragma once
// Stand-ins for the user at the dialogs and for new processes.
#include <QStringList>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/instance_launcher.h"
#include "platform/keyboard_layout.h"
#include "platform/prompter.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace plumex::test {

class FakePrompter : public Prompter {
 public:
  std::deque<Answer> answers;       // for Yes/No/Cancel questions
  std::deque<bool> yesNo;           // for Yes/No questions
  std::deque<QStringList> openChoices;
  std::deque<QString> saveChoices;  // an empty string cancels
  QStringList questions, errors, infos;
  int saveDialogs = 0;

  Answer AskYesNoCancel(const QString& text) override {
    questions << text;
    return Take(answers, Answer::Cancel);
  }
  bool AskYesNo(const QString& text, bool) override {
    questions << text;
    return Take(yesNo, false);
  }
  void ShowError(const QString& text) override { errors << text; }
  void ShowInfo(const QString& text) override { infos << text; }
  QStringList ChooseFilesToOpen(const QString&) override { return Take(openChoices, {}); }
  QString ChooseFileToSave(const QString&, const QString&) override {
    ++saveDialogs;
    return Take(saveChoices, QString());
  }

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

class FakeKeyboard : public KeyboardLayouts {
 public:
  std::vector<std::string> activated;
  void Activate(const std::string& layoutId) override { activated.push_back(layoutId); }
};

class FakeLauncher : public InstanceLauncher {
 public:
  QStringList started, opened;
  void StartInstance(const QString& path) override { started << path; }
  void OpenUrl(const QString& url) override { opened << url; }
};

}  // namespace plumex::test
