#pragma once
// The document's questions, asked in the window's message boxes and file
// dialogs in the language in force.
#include <QString>

#include "commands/document.h"

namespace plumex {

class Prompter;

// "<count> characters of this file are not in Windows-1251 ..."
QString LossyText(std::size_t count);
// Whether to write a text that shows "?" for `count` characters of its file.
bool AskLossySave(Prompter& prompter, std::size_t count);

class PromptingDocumentDialogs : public DocumentDialogs {
 public:
  explicit PromptingDocumentDialogs(Prompter& prompter) : prompter_(prompter) {}

  Answer AskSaveChanges() override;
  Answer AskSaveOnClose(const std::string& fileName) override;
  std::string ChooseSavePath(const std::string& folder, const std::string& fileName) override;
  bool ConfirmOverwrite(const std::string& path) override;
  void ShowError(const std::string& message) override;
  bool ConfirmLossySave(std::size_t count) override;

 private:
  Prompter& prompter_;
};

}  // namespace plumex
