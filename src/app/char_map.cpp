#include "app/char_map.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "commands/char_map_codes.h"
#include "language/qt_language.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

// The code a button stands for: never read back from its caption, which a
// desktop may give an accelerator.
constexpr char kCode[] = "plumexCode";

unsigned char CodeOf(const QObject* button) { return static_cast<unsigned char>(button->property(kCode).toUInt()); }

QString CharacterOf(unsigned char code) { return BytesToQString(std::string(1, static_cast<char>(code))); }

QFont Sized(QFont font, int points) {
  font.setPointSize(points);
  return font;
}

}  // namespace

CharMap::CharMap(int start, int end, QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMinimumSize(280, 220);

  grid_ = new QWidget;
  QPalette black = grid_->palette();
  black.setColor(QPalette::ButtonText, Qt::black);
  black.setColor(QPalette::WindowText, Qt::black);
  grid_->setPalette(black);
  const CharMapRange range = CharMapCodes(start, end);
  for (int code = range.first; code <= range.last; ++code)
    AddButton(grid_, code - range.first, static_cast<unsigned char>(code));
  const int rows = (range.Count() + kCharMapColumns - 1) / kCharMapColumns;
  grid_->setFixedSize(kCharMapColumns * kCharMapButton + 2, rows * kCharMapButton + 2);
  auto* scroll = new QScrollArea;
  scroll->setWidget(grid_);

  preview_ = new QLabel;
  preview_->setFixedSize(36, 36);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setTextFormat(Qt::PlainText);
  preview_->setFrameShape(QFrame::Panel);
  preview_->setPalette(black);
  codeLine_ = new QStatusBar;
  codeLine_->setSizeGripEnabled(false);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);  // Enter closes, as Esc does
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(preview_);
  bottom->addWidget(codeLine_, 1);
  bottom->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addLayout(bottom);
  resize(grid_->width() + 40, 260);

  menu_ = new QMenu(this);
  insert_ = menu_->addAction(QString(), this, [this] { emit insertRequested(menuCode_); });
  copy_ = menu_->addAction(QString(), this,
                           [this] { QApplication::clipboard()->setText(CharacterOf(menuCode_)); });
  menu_->addSeparator();
  addToSpecial_ = menu_->addAction(QString(), this, [this] { emit addToSpecialRequested(menuCode_); });
  Retranslate();
}

void CharMap::AddButton(QWidget* grid, int index, unsigned char code) {
  auto* button = new QToolButton(grid);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setProperty(kCode, code);
  button->setText(CharacterOf(code).replace(QLatin1Char('&'), QStringLiteral("&&")));
  button->setToolTip(QString::fromLatin1(CodeHintText(code)));
  const int column = index % kCharMapColumns;
  const int row = index / kCharMapColumns;
  button->setGeometry(kCharMapButton * column + 1, kCharMapButton * row + 1, kCharMapButton, kCharMapButton);
  button->installEventFilter(this);
  connect(button, &QToolButton::clicked, this, [this, code] { emit insertRequested(code); });
  button->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(button, &QWidget::customContextMenuRequested, this, [this, button, code](const QPoint& at) {
    menuCode_ = code;
    menu_->popup(button->mapToGlobal(at));
  });
  buttons_.push_back(button);
}

bool CharMap::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) ShowCode(CodeOf(watched));
  if (event->type() == QEvent::Leave) {
    preview_->clear();
    codeLine_->clearMessage();
  }
  return QDialog::eventFilter(watched, event);
}

void CharMap::ShowCode(unsigned char code) {
  preview_->setText(CharacterOf(code));
  codeLine_->showMessage(QString::fromLatin1(CodeStatusText(code)));
}

void CharMap::ShowWithFont(const QFont& editorFont) {
  grid_->setFont(Sized(editorFont, 10));
  preview_->setFont(Sized(editorFont, 18));
  show();
  raise();
}

void CharMap::Retranslate() {
  setWindowTitle(Tr("aCharMap").remove(QStringLiteral("...")).trimmed());
  insert_->setText(Tr("aInsertIntoText"));
  copy_->setText(Tr("aCopy"));
  addToSpecial_->setText(Tr("aAddToSpec"));
}

}  // namespace plumex
