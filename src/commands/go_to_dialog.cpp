#include "commands/go_to_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "platform/editor_widget.h"
#include "platform/qt_text.h"
#include "language/language_table.h"
#include "language/qt_language.h"

namespace plumex {

GoToDialog::GoToDialog(QWidget* parent, EditorWidget& editor) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("goToDialog"));
  setModal(false);

  number_ = new QSpinBox;
  number_->setObjectName(QStringLiteral("seGoTo"));
  number_->setRange(0, std::numeric_limits<int>::max());

  auto* modes = new QGroupBox;
  line_ = Keyed(new QRadioButton, "tLine");
  line_->setObjectName(QStringLiteral("line"));
  percent_ = Keyed(new QRadioButton, "tPercent");
  percent_->setObjectName(QStringLiteral("percent"));
  line_->setChecked(true);
  auto* modeColumn = new QVBoxLayout(modes);
  modeColumn->addWidget(line_);
  modeColumn->addWidget(percent_);

  // The default button: Enter anywhere in the box runs it; Esc closes.
  auto* ok = Keyed(new QPushButton, "tOK");
  ok->setObjectName(QStringLiteral("rsbOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &GoToDialog::Apply);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(number_);
  layout->addWidget(modes);
  layout->addWidget(ok);
  Retranslate();
}

void GoToDialog::Retranslate() {
  setWindowTitle(Tr("aGoTo"));
  RetranslateKeyed(*this);
}

void GoToDialog::ShowCentred(GoToMode mode) {
  Prepare(mode);
  adjustSize();
  if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
  Present();
}

void GoToDialog::ShowAt(GoToMode mode, const QPoint& topLeft) {
  Prepare(mode);
  move(topLeft);
  Present();
}

void GoToDialog::Prepare(GoToMode mode) {
  (mode == GoToMode::Percent ? percent_ : line_)->setChecked(true);
}

void GoToDialog::Present() {
  show();
  raise();
  activateWindow();
  number_->setFocus();
  number_->selectAll();
}

void GoToDialog::Apply() {
  const int value = number_->value();
  if (percent_->isChecked()) {
    editor_.ScrollToPercent(value);
  } else {
    GoToLine(editor_, value);
    editor_.ShowCaret(Editor::Reveal::Nearest);
  }
  number_->setValue(0);
  accept();
  emit applied();
}

void ShowQuickBookmark(EditorWidget& editor, const Settings& settings) {
  GoToQuickBookmark(editor, settings);
  // From the bottom of the view, bringing the caret into view scrolls its
  // line to the top.
  if (BookmarkKindOf(settings.BookmarkType) == BookmarkKind::Line) {
    editor.ScrollToPercent(100);
  }
  editor.ShowCaret(Editor::Reveal::Nearest);
}

}  // namespace plumex
