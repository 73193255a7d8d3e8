// Keeping the caption, the status panes and the enabled state of the editing
// commands in step with the text. RefreshStatus runs on every keystroke, so
// it reads only the cursor and counts, never the text itself.
#include <QAction>
#include <QScrollBar>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "commands/status_texts.h"
#include "commands/transform_frame.h"
#include "platform/editor_widget.h"
#include "platform/qt_text.h"
#include "language/language_table.h"
#include "language/qt_language.h"

namespace plumex {

void MainWindow::RefreshTitle(bool modified) {
  setWindowTitle(QString::fromStdString(doc_.FileName) +
                 BytesToQString(TitleSuffix(editor_->ReadOnly(), modified, Language())));
}

void MainWindow::RefreshStatus() {
  const int start = editor_->SelStart();
  const int length = editor_->SelLength();
  const int end = start + length;
  const int line = editor_->LineFromChar(end);
  const int column = end - editor_->LineIndex(line);
  const QString position = BytesToQString(PositionText(line, column, length));
  status_->position()->setText(position);
  if (!doc_.FileName.empty() && doc_.FileName != kUntitledName) recent_.RememberCaret(doc_.Path(), end);
  status_->position()->setToolTip(Tr("hLineCol") + '\n' + position);

  RefreshTitle(doc_.Modified);
  if (doc_.Modified) action(ActionId::Save)->setEnabled(true);

  const bool readOnly = editor_->ReadOnly();
  const bool selected = length > 0 && !TransformBusy();
  action(ActionId::Undo)->setEnabled(!readOnly && editor_->CanUndo());
  action(ActionId::Redo)->setEnabled(!readOnly && editor_->CanRedo());
  action(ActionId::Paste)->setEnabled(!readOnly && editor_->CanPaste());
  action(ActionId::Copy)->setEnabled(selected);
  action(ActionId::SaveSelAs)->setEnabled(selected);
  action(ActionId::Cut)->setEnabled(selected && !readOnly);
  action(ActionId::Del)->setEnabled(selected && !readOnly);
  action(ActionId::DelLine)->setEnabled(!selected && !readOnly);
  action(ActionId::Replace)->setEnabled(!readOnly);

  ShowPercent();
}

void MainWindow::ShowPercent() {
  const QString percent = QString::number(editor_->Percent()) + '%';
  status_->percent()->setText(percent);
  if (percentItem_->isVisible()) percentItem_->setText("  [" + percent + "]");
}

void MainWindow::RefreshSize() {
  status_->size()->setText(
      BytesToQString(SizeText(editor_->ByteSize(), editor_->LineCount(), Language())));
  status_->size()->setToolTip(Tr("hStat1") + '\n' + Tr("hStat2"));
}

void MainWindow::RetranslateStatusBar() {
  const std::pair<QWidget*, const char*> hints[] = {
      {status_->percent(), "hPercent"},
      {status_->indicator(Indicator::WordWrap), "hWW"},
      {status_->indicator(Indicator::ReadOnly), "hRO"},
      {status_->indicator(Indicator::CatchClipboard), "hCB"},
      {status_->indicator(Indicator::DirectCopy), "hDC"},
      {status_->encoding(), "hEnc2"},
      {status_->indicator(Indicator::Insert), "hIns"},
  };
  for (const auto& [pane, key] : hints) pane->setToolTip(Tr(key));
  RefreshSize();
  RefreshStatus();
}

void MainWindow::OnTextChanged() {
  doc_.Modified = true;
  RefreshSize();
  RefreshStatus();
}

}  // namespace plumex
