#include "platform/prompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace plumex {
namespace {

const QString kCaption = QStringLiteral("Plumex");

const QStringList& FileFilters() {
  static const QStringList filters = {
      "Plumex files (*.cfg; *.diz; *.inf; *.ini; *.log; *.nfo; *.txt) "
      "(*.cfg *.diz *.inf *.ini *.log *.nfo *.txt)",
      "Text files (*.txt) (*.txt)",
      "HTML files (*.htm; *.html) (*.htm *.html)",
      "All files (*.*) (*)",
  };
  return filters;
}

void Configure(QFileDialog& dialog, const QString& folder) {
  dialog.setDirectory(folder);
  dialog.setNameFilters(FileFilters());
  dialog.selectNameFilter(FileFilters().last());
  dialog.setSizeGripEnabled(true);
}

}  // namespace

Answer DialogPrompter::AskYesNoCancel(const QString& text) {
  switch (QMessageBox::question(parent_, kCaption, text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

bool DialogPrompter::AskYesNo(const QString& text, bool warning) {
  const auto buttons = QMessageBox::Yes | QMessageBox::No;
  const auto answer = warning ? QMessageBox::warning(parent_, kCaption, text, buttons)
                              : QMessageBox::question(parent_, kCaption, text, buttons);
  return answer == QMessageBox::Yes;
}

void DialogPrompter::ShowError(const QString& text) {
  QMessageBox::critical(parent_, kCaption, text);
}

void DialogPrompter::ShowInfo(const QString& text) {
  QMessageBox::information(parent_, kCaption, text);
}

QStringList DialogPrompter::ChooseFilesToOpen(const QString& folder) {
  QFileDialog dialog(parent_);
  Configure(dialog, folder);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString DialogPrompter::ChooseFileToSave(const QString& folder, const QString& fileName) {
  QFileDialog dialog(parent_);
  Configure(dialog, folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // We ask about overwriting ourselves, after the default extension is added.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace plumex
