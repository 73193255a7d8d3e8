// The editor's own commands, word wrap and read-only mode. Commands that
// write text check read-only themselves: the widget's flag stops typing,
// not programmatic edits.
#include <QAction>
#include <QPrinter>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "platform/prompter.h"

namespace plumex {

void MainWindow::SetReadOnlyMode(bool on) {
  editor_->SetReadOnly(on);
  action(ActionId::RO)->setChecked(on);
  status_->SetIndicator(Indicator::ReadOnly, on);
  RefreshStatus();
}

void MainWindow::OnReadOnly() {
  const bool on = !editor_->ReadOnly();
  SetReadOnlyMode(on);
  // The file follows the mode only when asked to, and only a real file.
  if (settings_.IsChAttrs && !doc_.Untitled) ApplyReadOnlyAttribute(doc_.Path(), on);
}

void MainWindow::OnWordWrap() {
  const bool on = editor_->lineWrapMode() == QPlainTextEdit::NoWrap;
  editor_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  action(ActionId::WW)->setChecked(on);
  status_->SetIndicator(Indicator::WordWrap, on);
  RefreshSize();
}

void MainWindow::OnUndo() {
  if (!editor_->ReadOnly()) editor_->undo();
}

void MainWindow::OnRedo() {
  if (!editor_->ReadOnly()) editor_->redo();
}

void MainWindow::OnCut() {
  if (!editor_->ReadOnly()) editor_->cut();
}

void MainWindow::OnCopy() { editor_->copy(); }

void MainWindow::OnPaste() {
  if (!editor_->ReadOnly()) editor_->paste();
}

void MainWindow::OnDelete() {
  if (!editor_->ReadOnly() && editor_->SelLength() > 0)
    editor_->ReplaceSelection("", UndoMode::Record);
}

void MainWindow::OnSelectAll() { editor_->SelectAll(); }

void MainWindow::OnExit() { close(); }

void MainWindow::PrintAndClose() {
  QPrinter printer;
  if (printer.isValid())
    editor_->print(&printer);
  else
    prompter_->ShowError(QStringLiteral("No printer is available."));
  doc_.Modified = false;
  close();
}

}  // namespace plumex
