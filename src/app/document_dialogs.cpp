#include "app/document_dialogs.h"

#include <QFileInfo>

#include "language/qt_language.h"
#include "platform/prompter.h"

namespace plumex {

Answer PromptingDocumentDialogs::AskSaveChanges() { return prompter_.AskYesNoCancel(Tr("strModified")); }

Answer PromptingDocumentDialogs::AskSaveOnClose(const std::string& fileName) {
  return prompter_.AskYesNoCancel(Tr("strDoYouWant") + ' ' + QString::fromStdString(fileName) + "?\r\n\r\n" +
                                  Tr("strDoYouWant2") + "\r\n" + Tr("strDoYouWant3") + "\r\n" +
                                  Tr("strDoYouWant4"));
}

std::string PromptingDocumentDialogs::ChooseSavePath(const std::string& folder, const std::string& fileName) {
  return prompter_.ChooseFileToSave(QString::fromStdString(folder), QString::fromStdString(fileName))
      .toStdString();
}

bool PromptingDocumentDialogs::ConfirmOverwrite(const std::string& path) {
  const QString question = QFileInfo(QString::fromStdString(path)).fileName() + ' ' + Tr("strAlredyExists1") +
                           "\r\n\r\n" + Tr("strAlredyExists2");
  return prompter_.AskYesNo(question, true);
}

bool PromptingDocumentDialogs::ConfirmLossySave(std::size_t count) {
  return AskLossySave(prompter_, count);
}

bool AskLossySave(Prompter& prompter, std::size_t count) {
  return prompter.AskYesNo(LossyText(count) + "\r\n\r\n" + Tr("strLossySave"), true);
}

QString LossyText(std::size_t count) { return QString::number(count) + ' ' + Tr("strLossy1"); }

void PromptingDocumentDialogs::ShowError(const std::string& message) {
  prompter_.ShowError(QString::fromStdString(message));
}

}  // namespace plumex
