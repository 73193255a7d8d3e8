#pragma once
// The questions, messages and file dialogs the program puts to the user. The
// window asks through this interface so a test can answer for the user.
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

#include "platform/answer.h"

class QWidget;

namespace plumex {

enum class FileDialogPurpose { Open, Save };

enum class BoxButton { Yes, No, Cancel, Ok };
// The word on a button, asked each time a box is shown so that it follows
// the language in force.
using BoxButtonCaption = std::function<QString(BoxButton)>;

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer AskYesNoCancel(const QString& text) = 0;
  // Yes/No with an exclamation icon (overwrite) or a question icon.
  virtual bool AskYesNo(const QString& text, bool warning) = 0;
  virtual void ShowError(const QString& text) = 0;
  virtual void ShowInfo(const QString& text) = 0;
  // Full paths chosen in the open dialog; empty when cancelled.
  virtual QStringList ChooseFilesToOpen(const QString& folder) = 0;
  // The full path chosen in the save dialog; empty when cancelled.
  virtual QString ChooseFileToSave(const QString& folder, const QString& fileName) = 0;
};

// Message boxes captioned "Plumex" and the toolkit's file dialogs. Without
// `caption` the buttons keep the toolkit's words. `warn` sounds the warning
// beep as an error or a warning question shows.
class DialogPrompter : public Prompter {
 public:
  explicit DialogPrompter(QWidget* parent, BoxButtonCaption caption = {}, std::function<void()> warn = {})
      : parent_(parent), caption_(std::move(caption)), warn_(std::move(warn)) {}
  Answer AskYesNoCancel(const QString& text) override;
  bool AskYesNo(const QString& text, bool warning) override;
  void ShowError(const QString& text) override;
  void ShowInfo(const QString& text) override;
  QStringList ChooseFilesToOpen(const QString& folder) override;
  QString ChooseFileToSave(const QString& folder, const QString& fileName) override;

 private:
  QWidget* parent_;
  BoxButtonCaption caption_;
  std::function<void()> warn_;
};

}  // namespace plumex
