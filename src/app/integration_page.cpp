#include "app/integration_page.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "config/code_page_patch.h"
#include "config/extension_list.h"
#include "language/qt_language.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

constexpr int kIconSize = 32;

// The colour band of each icon number; 0 is the program's own.
constexpr QRgb kIconColours[] = {0x808080, 0x4a7ebb, 0x9b59b6, 0x2e8b57,
                                 0xc0392b, 0xd68910, 0x16a085, 0x2c3e50};

// A sheet with a folded corner, a band in the type's colour and lines of
// text: one picture per icon number.
QPixmap TypeIcon(int number) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QPolygon sheet({{5, 1}, {21, 1}, {27, 7}, {27, 30}, {5, 30}});
  painter.setPen(Qt::darkGray);
  painter.setBrush(Qt::white);
  painter.drawPolygon(sheet);
  painter.drawPolyline(QPolygon({{21, 1}, {21, 7}, {27, 7}}));
  const int colours = static_cast<int>(std::size(kIconColours));
  painter.fillRect(6, 9, 21, 6, QColor(kIconColours[std::clamp(number, 0, colours - 1)]));
  for (int y = 18; y <= 27; y += 3) painter.drawLine(8, y, 24, y);
  return pixmap;
}

QString ExtensionOf(const QListWidgetItem* item) { return item->data(Qt::UserRole).toString(); }

}  // namespace

IntegrationPage::IntegrationPage(Settings& settings, FileTypes& fileTypes, QWidget* parent)
    : QWidget(parent), settings_(settings), fileTypes_(fileTypes) {
  viewSource_ = Keyed(new QCheckBox(this), "tIntegrIE");
  viewSource_->setObjectName(QStringLiteral("chbxIntegrIE"));
  connect(viewSource_, &QCheckBox::clicked, this, [this](bool on) {
    settings_.IsIntegrIE = on;
    fileTypes_.SetViewSourceEditor(on);
  });
  codePage_ = Keyed(new QCheckBox(this), "t1251");
  codePage_->setObjectName(QStringLiteral("chbx1251"));
  connect(codePage_, &QCheckBox::clicked, this, [this](bool on) {
    settings_.IsMake1251 = on;
    SetCodePagePatch(settings_, fileTypes_, on);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildFileTypes(), 1);
  layout->addWidget(viewSource_);
  layout->addWidget(codePage_);
  Retranslate();
}

QWidget* IntegrationPage::BuildFileTypes() {
  auto* group = Keyed(new QGroupBox(this), "tFTypes");
  list_ = new QListWidget(group);
  list_->setObjectName(QStringLiteral("lbExt"));
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  useDefault_ = new QAction(list_);
  useDefault_->setObjectName(QStringLiteral("actDefExts"));
  clearList_ = new QAction(list_);
  clearList_->setObjectName(QStringLiteral("actClearExts"));
  list_->addActions({useDefault_, clearList_});
  connect(useDefault_, &QAction::triggered, this, &IntegrationPage::UseDefault);
  connect(clearList_, &QAction::triggered, this, &IntegrationPage::ClearList);
  connect(list_, &QListWidget::itemDoubleClicked, this, &IntegrationPage::RemoveSelected);
  connect(list_, &QListWidget::currentRowChanged, this, &IntegrationPage::ShowIcon);

  typed_ = new QLineEdit(group);
  typed_->setObjectName(QStringLiteral("eUserExt"));
  add_ = new QToolButton(group);
  add_->setObjectName(QStringLiteral("rsbExtAdd"));
  add_->setText(QStringLiteral("+"));
  connect(add_, &QToolButton::clicked, this, &IntegrationPage::AddTyped);
  remove_ = new QToolButton(group);
  remove_->setObjectName(QStringLiteral("rsbExtRemove"));
  remove_->setText(QStringLiteral("-"));
  connect(remove_, &QToolButton::clicked, this, &IntegrationPage::RemoveSelected);
  icon_ = new QLabel(group);
  icon_->setObjectName(QStringLiteral("imgIcon"));
  icon_->setFixedSize(kIconSize, kIconSize);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(remove_);
  buttons->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(typed_);
  side->addLayout(buttons);
  side->addWidget(icon_, 0, Qt::AlignHCenter);
  side->addStretch();
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(list_, 1);
  layout->addLayout(side);
  return group;
}

void IntegrationPage::AddTyped() {
  const Added added = AddExtension(settings_, fileTypes_, QStringToBytes(typed_->text()));
  if (added.outcome == AddOutcome::Added) typed_->clear();
  if (added.outcome == AddOutcome::Added || added.outcome == AddOutcome::AlreadyListed)
    Rebuild(added.ext);
}

void IntegrationPage::RemoveSelected() {
  const QListWidgetItem* item = list_->currentItem();
  if (item == nullptr) return;
  const int row = list_->currentRow();
  const QString ext = ExtensionOf(item);
  if (RemoveExtension(settings_, fileTypes_, ext.toStdString())) typed_->setText(ext);
  Rebuild({}, row);
  list_->setFocus();
}

void IntegrationPage::UseDefault() {
  InstallDefaultExtensions(settings_, fileTypes_);
  Rebuild({});
}

void IntegrationPage::ClearList() {
  if (settings_.CountExts > 0) ClearExtensions(settings_, fileTypes_);
  Rebuild({});
}

void IntegrationPage::Rebuild(const std::string& ext, int row) {
  list_->clear();
  for (const std::string& listed : settings_.ExtsList) {
    const QString name = QString::fromStdString(listed);
    auto* item = new QListWidgetItem(name.toUpper() + QStringLiteral(" - ") + Tr(LookOf(listed).typeKey), list_);
    item->setData(Qt::UserRole, name);
    if (listed == ext) row = list_->row(item);
  }
  list_->setCurrentRow(std::min(row, list_->count() - 1));
  ShowIcon();
}

void IntegrationPage::ShowIcon() {
  const QListWidgetItem* item = list_->currentItem();
  if (item == nullptr) icon_->clear();
  else icon_->setPixmap(TypeIcon(LookOf(ExtensionOf(item).toStdString()).icon));
}

void IntegrationPage::Retranslate() {
  RetranslateKeyed(*this);
  add_->setToolTip(Tr("hAddExt"));
  remove_->setToolTip(Tr("hRemExt"));
  useDefault_->setText(Tr("aDefExts"));
  clearList_->setText(Tr("aClearExts"));
  const QListWidgetItem* item = list_->currentItem();
  Rebuild(item != nullptr ? ExtensionOf(item).toStdString() : std::string());
}

void IntegrationPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RefreshExtensionList(settings_, fileTypes_);
  Rebuild({});
  viewSource_->setChecked(fileTypes_.IsViewSourceEditor());
  codePage_->setChecked(settings_.IsMake1251);
}

void IntegrationPage::keyPressEvent(QKeyEvent* event) {
  // The edit box and the list leave these keys to the page.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) AddTyped();
  else if (event->key() == Qt::Key_Delete && list_->hasFocus()) RemoveSelected();
  else QWidget::keyPressEvent(event);
}

}  // namespace plumex
