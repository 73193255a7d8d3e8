#include "app/settings_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "app/integration_page.h"
#include "app/settings_bindings.h"
#include "app/settings_key_page.h"
#include "app/settings_list_memos.h"
#include "convert/translit.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

constexpr const char* kPageNames[] = {
    "tsetsInterface", "tsetsEditor", "tsetsFullScreen", "tsetsAutosave", "tsetsTransliteration",
    "tsetsFileTypes", "tsetsSounds", "tsetsKeyboard", "tsetsAdd",
};
static_assert(std::size(kPageNames) == static_cast<std::size_t>(SettingsPage::Count));

// Pages whose controls take Enter for themselves; elsewhere it means OK.
constexpr SettingsPage kEnterKeepingPages[] = {SettingsPage::Transliteration, SettingsPage::Integration,
                                               SettingsPage::Keyboard, SettingsPage::Additional};

constexpr int kPageListWidth = 110;

int PageIndex(SettingsPage page) { return static_cast<int>(page); }

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, HotKeys& hotKeys, const LanguageList& languages,
                               SettingsHost& host, QWidget* parent, FontChoosers choosers)
    : QDialog(parent), settings_(settings), host_(host) {
  const DialogSize least;
  setMinimumSize(least.width, least.height);
  bindings_ = new SettingBindings(settings, host, languages, std::move(choosers), this);
  bindings_->OnLanguageChosen([this](int index) { OnLanguageChosen(index); });
  keyPage_ = new KeyListPage(settings, hotKeys, host, this);

  pageList_ = new QListWidget(this);
  pageList_->setObjectName(QStringLiteral("lbSets"));
  pageList_->setFixedWidth(kPageListWidth);
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("nbSets"));
  for (int page = 0; page < PageIndex(SettingsPage::Count); ++page) {
    new QListWidgetItem(pageList_);
    // Long captions in a small dialog scroll rather than being cut.
    auto* scroll = new QScrollArea(pages_);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(BuildPage(static_cast<SettingsPage>(page)));
    pages_->addWidget(scroll);
  }
  // Listed, but empty until its contents are given.
  QListWidgetItem* integration = pageList_->item(PageIndex(SettingsPage::Integration));
  integration->setFlags(integration->flags() & ~Qt::ItemIsEnabled);
  connect(pageList_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);

  auto* body = new QHBoxLayout;
  body->addWidget(pageList_);
  body->addWidget(pages_, 1);
  auto* root = new QVBoxLayout(this);
  root->addLayout(body, 1);
  root->addWidget(BuildBottomBar());
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatBar"));
  root->addWidget(status_);

  Retranslate();
  ApplySize({settings_.SetsWidth, settings_.SetsHeight});
  ShowPage(SettingsPage::Interface);
}

QWidget* SettingsDialog::BuildPage(SettingsPage page) {
  auto* widget = new QWidget(this);
  auto* layout = new QVBoxLayout(widget);
  QLabel*& header = pageHeaders_[PageIndex(page)];
  header = new QLabel(widget);
  header->setAutoFillBackground(true);
  header->setBackgroundRole(QPalette::Mid);
  QFont bold = header->font();
  bold.setBold(true);
  header->setFont(bold);
  layout->addWidget(header);
  bindings_->AddRows(page, *widget, *layout);
  switch (page) {
    case SettingsPage::Transliteration:
      AddMemo(AuxList::Translit, "memoTrans", "tTranslit", *layout);
      AddMemo(AuxList::Ruslit, "memoRus", "tRuslit", *layout);
      return widget;
    case SettingsPage::Additional: AddMemo(AuxList::Signature, "memoSign", "aSign", *layout); return widget;
    case SettingsPage::Keyboard: layout->addWidget(keyPage_, 1); return widget;
    case SettingsPage::Integration: integrationArea_ = layout; break;
    default: break;
  }
  layout->addStretch();
  return widget;
}

void SettingsDialog::AddMemo(AuxList list, const char* name, const char* caption, QVBoxLayout& layout) {
  std::optional<std::vector<std::string>> builtIn;
  if (list == AuxList::Translit) builtIn = BuiltInTranslitLines();
  if (list == AuxList::Ruslit) builtIn = BuiltInRuslitLines();
  auto* label = new QLabel(layout.parentWidget());
  bindings_->AddCaption(label, caption);
  auto* memo = new ListMemo(list, std::move(builtIn), layout.parentWidget());
  memo->setObjectName(QString::fromLatin1(name));
  layout.addWidget(label);
  layout.addWidget(memo, 1);
  memos_.push_back(memo);
}

QWidget* SettingsDialog::BuildBottomBar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(bar);
  bindings_->AddCaption(label, "tLang");
  auto* ok = new QPushButton(QStringLiteral("OK"), bar);
  ok->setObjectName(QStringLiteral("rsbOK"));
  // Enter is decided by the page (eventFilter), never by a default button.
  ok->setAutoDefault(false);
  ok->setDefault(false);
  row->addWidget(label);
  row->addWidget(bindings_->AddLanguageCombo(*bar, "comboxLang2"));
  row->addStretch();
  row->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &SettingsDialog::OnOk);
  return bar;
}

void SettingsDialog::SetIntegrationPage(IntegrationPage* page) {
  integrationPage_ = page;
  integrationArea_->insertWidget(1, page, 1);
  QListWidgetItem* item = pageList_->item(PageIndex(SettingsPage::Integration));
  item->setFlags(item->flags() | Qt::ItemIsEnabled);
}

void SettingsDialog::Open(SettingsPage page) {
  ShowPage(page);
  // Before show: changing the flags of a shown window hides it.
  setWindowFlag(Qt::WindowStaysOnTopHint, settings_.IsStayOnTop);
  // Modal for the user, but the window's own timers and events go on.
  open();
}

void SettingsDialog::ShowPage(SettingsPage page) {
  const int index = std::clamp(PageIndex(page), 0, PageIndex(SettingsPage::Count) - 1);
  pageList_->setCurrentRow(index);
  pages_->setCurrentIndex(index);
}

SettingsPage SettingsDialog::CurrentPage() const { return static_cast<SettingsPage>(pages_->currentIndex()); }

void SettingsDialog::Retranslate() {
  setWindowTitle(Tr("aPrefs"));
  for (int page = 0; page < PageIndex(SettingsPage::Count); ++page) {
    const QString name = Tr(kPageNames[page]);
    pageList_->item(page)->setText(' ' + name);
    pageHeaders_[page]->setText(QStringLiteral("  ") + name);
  }
  bindings_->Retranslate();
  bindings_->FillLanguages();
  keyPage_->Retranslate();
  if (integrationPage_ != nullptr) integrationPage_->Retranslate();
}

void SettingsDialog::ApplySize(DialogSize size) {
  const DialogSize least;
  QSize wanted(std::max(size.width, least.width), std::max(size.height, least.height));
  if (const QScreen* screen = this->screen()) wanted = wanted.boundedTo(screen->availableGeometry().size());
  resize(wanted);
  settings_.SetsWidth = width();
  settings_.SetsHeight = height();
}

void SettingsDialog::OnLanguageChosen(int index) {
  const SettingsPage page = CurrentPage();
  settings_.Language = index;
  host_.ApplyLanguage();
  Retranslate();
  ShowPage(page);
}

bool SettingsDialog::EnterMeansOk() const {
  return std::find(std::begin(kEnterKeepingPages), std::end(kEnterKeepingPages), CurrentPage()) ==
         std::end(kEnterKeepingPages);
}

void SettingsDialog::OnOk() {
  bindings_->TakeOnOk();
  for (const ListMemo* memo : memos_) host_.SetListLines(memo->list(), memo->Lines());
  host_.SaveSettings();
  accept();
}

// The dialog sees keys before its controls: Enter is OK on the pages whose
// controls have no use for it, whichever control has the focus.
bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && QApplication::activePopupWidget() == nullptr) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && widget != nullptr && widget->window() == this && EnterMeansOk()) {
      OnOk();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SettingsDialog::showEvent(QShowEvent* event) {
  bindings_->Fill();
  for (ListMemo* memo : memos_) memo->Show(host_.ListLines(memo->list()));
  keyPage_->Refresh();
  qApp->installEventFilter(this);
  QDialog::showEvent(event);
}

void SettingsDialog::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QDialog::hideEvent(event);
}

void SettingsDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  settings_.SetsWidth = width();
  settings_.SetsHeight = height();
  status_->setText(settings_.IsDebug ? QStringLiteral("%1 : %2").arg(width()).arg(height()) : QString());
}

}  // namespace plumex
