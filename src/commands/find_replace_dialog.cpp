#include "commands/find_replace_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "language/qt_language.h"

namespace plumex {
namespace {

// A caption from the language table without the trailing "..." menu items carry.
QString Caption(const char* key) {
  QString text = Tr(key).trimmed();
  while (text.endsWith('.')) text.chop(1);
  return text.trimmed();
}

QPushButton* AddButton(QVBoxLayout* column, const char* name) {
  auto* button = new QPushButton;
  button->setObjectName(QLatin1String(name));
  column->addWidget(button);
  return button;
}

}  // namespace

FindReplaceDialog::FindReplaceDialog(SearchDialogKind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
  const bool replacing = kind == SearchDialogKind::Replace;
  setObjectName(replacing ? QStringLiteral("replaceDialog") : QStringLiteral("findDialog"));
  setModal(false);

  auto* fields = new QGridLayout;
  find_ = new QLineEdit;
  find_->setObjectName(QStringLiteral("findText"));
  fields->addWidget(Keyed(new QLabel, "tFindWhat"), 0, 0);
  fields->addWidget(find_, 0, 1);
  if (replacing) {
    replace_ = new QLineEdit;
    replace_->setObjectName(QStringLiteral("replaceText"));
    fields->addWidget(Keyed(new QLabel, "tReplaceWith"), 1, 0);
    fields->addWidget(replace_, 1, 1);
  }

  wholeWord_ = Keyed(new QCheckBox, "tWholeWord");
  wholeWord_->setObjectName(QStringLiteral("wholeWord"));
  matchCase_ = Keyed(new QCheckBox, "tMatchCase");
  matchCase_->setObjectName(QStringLiteral("matchCase"));
  auto* direction = Keyed(new QGroupBox, "tDirection");
  up_ = Keyed(new QRadioButton, "tUp");
  up_->setObjectName(QStringLiteral("up"));
  auto* down = Keyed(new QRadioButton, "tDown");
  down->setObjectName(QStringLiteral("down"));
  down->setChecked(true);
  auto* directionRow = new QHBoxLayout(direction);
  directionRow->addWidget(up_);
  directionRow->addWidget(down);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(wholeWord_);
  left->addWidget(matchCase_);
  left->addWidget(direction);
  left->addStretch();

  auto* buttons = new QVBoxLayout;
  findNext_ = AddButton(buttons, "findNext");
  findNext_->setDefault(true);
  connect(findNext_, &QPushButton::clicked, this, &FindReplaceDialog::findNextClicked);
  if (replacing) {
    replaceOne_ = AddButton(buttons, "replace");
    replaceAll_ = Keyed(AddButton(buttons, "replaceAll"), "tReplaceAll");
    connect(replaceOne_, &QPushButton::clicked, this, &FindReplaceDialog::replaceClicked);
    connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllClicked);
  }
  QPushButton* cancel = Keyed(AddButton(buttons, "cancel"), "tCancel");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
  Retranslate();
}

QString FindReplaceDialog::FindText() const { return find_->text(); }

void FindReplaceDialog::SetFindText(const QString& text) {
  find_->setText(text);
  find_->selectAll();
  find_->setFocus();
}

QString FindReplaceDialog::ReplaceText() const { return replace_ ? replace_->text() : QString(); }

SearchOptions FindReplaceDialog::Options() const {
  SearchOptions options;
  options.matchCase = matchCase_->isChecked() ? MatchCase::Yes : MatchCase::No;
  options.wholeWord = wholeWord_->isChecked() ? WholeWord::Yes : WholeWord::No;
  options.direction = up_->isChecked() ? Direction::Up : Direction::Down;
  return options;
}

void FindReplaceDialog::SetBusy(bool busy) {
  for (QPushButton* button : {findNext_, replaceOne_, replaceAll_})
    if (button) button->setEnabled(!busy);
}

std::optional<QPoint> PositionClearOf(const QRect& box, const QPoint& start, const QPoint& end, int screenHeight) {
  constexpr int kGap = 20;
  const QPoint below_end = end + QPoint(0, kGap);
  if (!box.contains(start) && !box.contains(below_end)) return std::nullopt;
  const int h = box.height();
  if (h + kGap < start.y()) return QPoint(box.left(), start.y() - kGap - h);
  if (screenHeight > start.y() + h) return QPoint(box.left(), start.y() + 2 * kGap);
  return std::nullopt;
}

void FindReplaceDialog::Retranslate() {
  setWindowTitle(Caption(kind_ == SearchDialogKind::Replace ? "aReplace" : "aFind"));
  findNext_->setText(Caption("aSearchAgain"));
  if (replaceOne_) replaceOne_->setText(Caption("aReplace"));
  RetranslateKeyed(*this);
}

}  // namespace plumex
