#include "app/status_presenter.h"

#include <QAction>
#include <QMainWindow>

#include "app/status_bar.h"
#include "commands/document.h"
#include "commands/status_texts.h"
#include "config/recent_list.h"
#include "language/language_table.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/qt_text.h"

namespace plumex {

StatusPresenter::StatusPresenter(QMainWindow& window, StatusBar& status, EditorWidget& editor,
                                 const Document& document, RecentList& recent)
    : window_(window), status_(status), editor_(editor), document_(document), recent_(recent) {}

void StatusPresenter::RefreshTitle() {
  window_.setWindowTitle(QString::fromStdString(document_.State().FileName) +
                         BytesToQString(TitleSuffix(editor_.ReadOnly(), document_.Modified(), TextsInForce())));
}

void StatusPresenter::RefreshStatus() {
  const int start = editor_.SelStart();
  const int length = editor_.SelLength();
  const int end = start + length;
  const int line = editor_.LineFromChar(end);
  const int column = end - editor_.LineIndex(line);
  const QString position = BytesToQString(PositionText(line, column, length));
  status_.position()->setText(position);
  status_.position()->setToolTip(Tr("hLineCol") + '\n' + position);
  // Only a caret that moved is remembered: a refresh after Clear Recent must
  // not put the file straight back.
  const std::string& name = document_.State().FileName;
  if (!name.empty() && name != kUntitledName && (end != rememberedCaret_ || document_.Path() != rememberedPath_)) {
    recent_.RememberCaret(document_.Path(), end);
    rememberedCaret_ = end;
    rememberedPath_ = document_.Path();
  }
  RefreshTitle();
  ShowPercent();
}

void StatusPresenter::ShowPercent() {
  const QString percent = QString::number(editor_.Percent()) + '%';
  status_.percent()->setText(percent);
  if (percentItem_ != nullptr && percentItem_->isVisible()) percentItem_->setText("  [" + percent + "]");
}

void StatusPresenter::RefreshSize() {
  status_.size()->setText(BytesToQString(SizeText(editor_.ByteSize(), editor_.LineCount(), TextsInForce())));
  status_.size()->setToolTip(Tr("hStat1") + '\n' + Tr("hStat2"));
}

void StatusPresenter::ShowEncoding(const QString& name) { status_.encoding()->setText(name); }

void StatusPresenter::ShowInfo(const QString& text) { status_.info()->setText(text); }

void StatusPresenter::Retranslate() {
  const std::pair<QWidget*, const char*> hints[] = {
      {status_.percent(), "hPercent"},
      {status_.indicator(Indicator::WordWrap), "hWW"},
      {status_.indicator(Indicator::ReadOnly), "hRO"},
      {status_.indicator(Indicator::CatchClipboard), "hCB"},
      {status_.indicator(Indicator::DirectCopy), "hDC"},
      {status_.encoding(), "hEnc2"},
      {status_.indicator(Indicator::Insert), "hIns"},
  };
  for (const auto& [pane, key] : hints) pane->setToolTip(Tr(key));
  RefreshSize();
  RefreshStatus();
}

}  // namespace plumex
