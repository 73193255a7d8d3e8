#include "platform/prompter.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <utility>

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

// A box of ours: the caption "Plumex", the buttons given, their words from
// `caption` when there is one. Returns the button pressed.
QMessageBox::StandardButton ShowBox(QWidget* parent, const BoxButtonCaption& caption, QMessageBox::Icon icon,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    const std::function<void()>& warn = {}) {
  QMessageBox box(icon, kCaption, text, buttons, parent);
  constexpr std::pair<QMessageBox::StandardButton, BoxButton> kWords[] = {
      {QMessageBox::Yes, BoxButton::Yes},
      {QMessageBox::No, BoxButton::No},
      {QMessageBox::Cancel, BoxButton::Cancel},
      {QMessageBox::Ok, BoxButton::Ok},
  };
  if (caption)
    for (const auto& [standard, word] : kWords)
      if (QAbstractButton* button = box.button(standard)) button->setText(caption(word));
  if (warn && (icon == QMessageBox::Warning || icon == QMessageBox::Critical)) warn();
  box.exec();
  return box.standardButton(box.clickedButton());
}

}  // namespace

Answer DialogPrompter::AskYesNoCancel(const QString& text) {
  switch (ShowBox(parent_, caption_, QMessageBox::Question, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

bool DialogPrompter::AskYesNo(const QString& text, bool warning) {
  const auto icon = warning ? QMessageBox::Warning : QMessageBox::Question;
  return ShowBox(parent_, caption_, icon, text, QMessageBox::Yes | QMessageBox::No, warn_) == QMessageBox::Yes;
}

void DialogPrompter::ShowError(const QString& text) {
  ShowBox(parent_, caption_, QMessageBox::Critical, text, QMessageBox::Ok, warn_);
}

void DialogPrompter::ShowInfo(const QString& text) {
  ShowBox(parent_, caption_, QMessageBox::Information, text, QMessageBox::Ok);
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
