// Writing the document: Save, Save As, Save Selection As, auto-save by the
// minute timer and on focus loss. Every write goes through a temporary file,
// so a failed save leaves the old file as it was and the text modified.
#include <QAction>
#include <QApplication>
#include <QFileInfo>

#include "app/main_window.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

bool HasExtension(const std::string& path) {
  return !QFileInfo(QString::fromStdString(path)).suffix().isEmpty();
}

}  // namespace

std::string MainWindow::WithDefaultExtension(const std::string& path) const {
  if (settings_.DefExt.empty() || HasExtension(path)) return path;
  return path + "." + settings_.DefExt;
}

bool MainWindow::WriteDocument(const std::string& path, const std::string& bytes, SaveMode mode) {
  const IoStatus written = WriteFileAtomically(path, bytes);
  if (!written && mode == SaveMode::Interactive)
    prompter_->ShowError(QString::fromStdString(written.error));
  return written.ok;
}

bool MainWindow::SaveDocument(SaveMode mode) {
  if (saving_) return false;
  // An untitled text never silently replaces an "Untitled.txt" it did not
  // write itself.
  if (doc_.Untitled && doc_.Path() != untitledWritten_ && FileExists(doc_.Path()))
    return mode == SaveMode::Interactive && SaveDocumentAs();
  saving_ = true;
  const bool ok = WriteDocument(doc_.Path(), editor_->Text(), mode);
  saving_ = false;
  if (!ok) return mode == SaveMode::Interactive && SaveDocumentAs();
  if (doc_.Untitled) untitledWritten_ = doc_.Path();
  MarkSaved();
  return true;
}

void MainWindow::MarkSaved() {
  doc_.Modified = false;
  doc_.AutoSaveHeld = false;
  RefreshTitle(false);
  action(ActionId::Save)->setEnabled(false);
  AddToRecent();
  RefreshSize();
  RefreshStatus();
}

bool MainWindow::ConfirmOverwrite(const std::string& path) {
  if (!settings_.IsConfirmSaveAs || !FileExists(path)) return true;
  const QString question = QFileInfo(QString::fromStdString(path)).fileName() + ' ' +
                           Tr("strAlredyExists1") + "\r\n\r\n" + Tr("strAlredyExists2");
  return prompter_->AskYesNo(question, true);
}

bool MainWindow::SaveDocumentAs() {
  if (saving_) return false;
  for (;;) {
    const QString chosen = prompter_->ChooseFileToSave(QString::fromStdString(doc_.Folder),
                                                       QString::fromStdString(doc_.FileName));
    if (chosen.isEmpty()) return false;
    // The question is asked about the name that will really be written.
    const std::string path = WithDefaultExtension(chosen.toStdString());
    if (!ConfirmOverwrite(path)) continue;
    saving_ = true;
    const bool ok = WriteDocument(path, editor_->Text(), SaveMode::Interactive);
    saving_ = false;
    if (!ok) return false;
    const QFileInfo info(QString::fromStdString(path));
    doc_.Folder = info.absolutePath().toStdString() + "/";
    doc_.FileName = info.fileName().toStdString();
    doc_.Untitled = false;
    MarkSaved();
    return true;
  }
}

void MainWindow::SaveSelectionAs() {
  const QString chosen = prompter_->ChooseFileToSave(QString::fromStdString(doc_.Folder),
                                                     QString::fromStdString(doc_.FileName));
  if (chosen.isEmpty()) return;
  const std::string path = WithDefaultExtension(chosen.toStdString());
  if (!ConfirmOverwrite(path)) return;
  std::string text = editor_->SelectedText();
  // Every line of the selection ends with a line break, the last one too.
  const std::string_view lineBreak = LineBreakBytes(editor_->LineBreakStyle());
  if (!text.empty() && !std::string_view(text).ends_with(lineBreak)) text += lineBreak;
  // Written over the document's own file, the text on screen is no longer
  // what the file holds.
  if (WriteDocument(path, text, SaveMode::Interactive) && path == doc_.Path()) {
    doc_.Modified = true;
    RefreshStatus();
  }
}

void MainWindow::OnAutoSaveTimer() {
  if (++autoSaveMinutes_ < settings_.Mins) return;
  // Not while a question is on screen: the answer may be "don't save".
  if (QApplication::activeModalWidget() != nullptr) return;
  autoSaveMinutes_ = 0;
  if (settings_.IsAutoSaving && !doc_.AutoSaveHeld && doc_.Modified) SaveDocument(SaveMode::Silent);
}

void MainWindow::OnFocusLost() {
  if (!settings_.IsSaveFocus || editor_->ReadOnly() || closing_ ||
      QApplication::activeModalWidget() != nullptr)
    return;
  if (!doc_.Untitled || doc_.Modified) SaveDocument(SaveMode::Silent);
}

void MainWindow::OnSave() {
  if (doc_.Untitled)
    SaveDocumentAs();
  else
    SaveDocument();
}

void MainWindow::OnSaveAs() { SaveDocumentAs(); }
void MainWindow::OnSaveSelAs() { SaveSelectionAs(); }

}  // namespace plumex
