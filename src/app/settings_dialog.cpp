#include "app/settings_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "platform/qt_keys.h"
#include "platform/qt_text.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

struct PageRow {
  SettingsPage page;
  const char* name;  // language key
  bool ready;        // has controls yet; the others are listed but disabled
};

constexpr PageRow kPages[] = {
    {SettingsPage::Interface, "tsetsInterface", true},
    {SettingsPage::Editor, "tsetsEditor", false},
    {SettingsPage::FullScreen, "tsetsFullScreen", false},
    {SettingsPage::Autosave, "tsetsAutosave", false},
    {SettingsPage::Transliteration, "tsetsTransliteration", false},
    {SettingsPage::Integration, "tsetsFileTypes", false},
    {SettingsPage::Sounds, "tsetsSounds", false},
    {SettingsPage::Keyboard, "tsetsKeyboard", true},
    {SettingsPage::Additional, "tsetsAdd", false},
};
static_assert(std::size(kPages) == static_cast<std::size_t>(SettingsPage::Count));

// Pages whose controls take Enter for themselves; elsewhere it means OK.
constexpr SettingsPage kEnterKeepingPages[] = {SettingsPage::Transliteration,
                                               SettingsPage::Integration, SettingsPage::Keyboard,
                                               SettingsPage::Additional};

constexpr int kPageListWidth = 150;

QString Note(const char* key, const QString& detail) { return Tr(key) + ' ' + detail; }

QString KeyName(const KeyStroke& key) { return QString::fromLatin1(KeyText(key)); }

int PageIndex(SettingsPage page) { return static_cast<int>(page); }

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, HotKeys& hotKeys, const LanguageList& languages,
                               SettingsHost& host, QWidget* parent)
    : QDialog(parent), settings_(settings), hotKeys_(hotKeys), languages_(languages), host_(host) {
  const DialogSize least;
  setMinimumSize(least.width, least.height);

  pageList_ = new QListWidget(this);
  pageList_->setObjectName(QStringLiteral("lbSets"));
  pageList_->setFixedWidth(kPageListWidth);
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("nbSets"));
  for (const PageRow& row : kPages) {
    auto* item = new QListWidgetItem(pageList_);
    if (!row.ready) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    pages_->addWidget(BuildPage(row.page));
  }
  connect(pageList_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);

  auto* body = new QHBoxLayout;
  body->addWidget(pageList_);
  body->addWidget(pages_, 1);
  auto* root = new QVBoxLayout(this);
  root->addLayout(body, 1);
  root->addWidget(BuildBottomBar());

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
  if (page == SettingsPage::Interface) layout->addWidget(BuildInterfacePage());
  if (page == SettingsPage::Keyboard) layout->addWidget(BuildKeyboardPage(), 1);
  layout->addStretch();
  return widget;
}

QWidget* SettingsDialog::BuildInterfacePage() {
  auto* widget = new QWidget(this);
  auto* row = new QHBoxLayout(widget);
  languageLabel_ = new QLabel(widget);
  languageCombo_ = new QComboBox(widget);
  languageCombo_->setObjectName(QStringLiteral("comboxLang"));
  languageLabel_->setBuddy(languageCombo_);
  row->addWidget(languageLabel_);
  row->addWidget(languageCombo_, 1);
  connect(languageCombo_, &QComboBox::currentIndexChanged, this, &SettingsDialog::OnLanguageChosen);
  return widget;
}

QWidget* SettingsDialog::BuildKeyboardPage() {
  auto* widget = new QWidget(this);
  auto* layout = new QVBoxLayout(widget);
  keyListText_ = new QLabel(widget);
  keyListText_->setWordWrap(true);
  keyList_ = new QListWidget(widget);
  keyList_->setObjectName(QStringLiteral("lbKeys"));
  keyList_->installEventFilter(this);
  hotKeyLabel_ = new QLabel(widget);
  hotKeyLabel_->setObjectName(QStringLiteral("lblHotKey"));
  keyNote_ = new QLabel(widget);
  keyNote_->setObjectName(QStringLiteral("lblKeyNote"));
  keyNote_->setWordWrap(true);
  layout->addWidget(keyListText_);
  layout->addWidget(keyList_, 1);
  layout->addWidget(hotKeyLabel_);
  layout->addWidget(keyNote_);
  connect(keyList_, &QListWidget::itemSelectionChanged, this, &SettingsDialog::ShowSelectedKey);
  connect(keyList_, &QListWidget::itemDoubleClicked, this, &SettingsDialog::RemoveBinding);
  return widget;
}

QWidget* SettingsDialog::BuildBottomBar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  languageLabel2_ = new QLabel(bar);
  languageCombo2_ = new QComboBox(bar);
  languageCombo2_->setObjectName(QStringLiteral("comboxLang2"));
  languageLabel2_->setBuddy(languageCombo2_);
  auto* ok = new QPushButton(QStringLiteral("OK"), bar);
  ok->setObjectName(QStringLiteral("rsbOK"));
  // Enter is decided by the page (keyPressEvent), not by a default button.
  ok->setAutoDefault(false);
  row->addWidget(languageLabel2_);
  row->addWidget(languageCombo2_);
  row->addStretch();
  row->addWidget(ok);
  connect(languageCombo2_, &QComboBox::currentIndexChanged, this,
          &SettingsDialog::OnLanguageChosen);
  connect(ok, &QPushButton::clicked, this, &SettingsDialog::OnOk);
  return bar;
}

void SettingsDialog::Open(SettingsPage page) {
  ShowPage(page);
  setWindowFlag(Qt::WindowStaysOnTopHint, settings_.IsStayOnTop);
  // Modal for the user, but the window's own timers and events go on.
  open();
}

void SettingsDialog::ShowPage(SettingsPage page) {
  const int index = std::clamp(PageIndex(page), 0, PageIndex(SettingsPage::Count) - 1);
  pageList_->setCurrentRow(index);
  pages_->setCurrentIndex(index);
}

SettingsPage SettingsDialog::CurrentPage() const {
  return static_cast<SettingsPage>(pages_->currentIndex());
}

void SettingsDialog::Retranslate() {
  setWindowTitle(Tr("aPrefs"));
  for (const PageRow& row : kPages) {
    const QString name = Tr(row.name);
    pageList_->item(PageIndex(row.page))->setText(' ' + name);
    pageHeaders_[PageIndex(row.page)]->setText(QStringLiteral("  ") + name);
  }
  languageLabel_->setText(Tr("tLang"));
  languageLabel2_->setText(Tr("tLang"));
  keyListText_->setText(Tr("tKeyListText"));
  FillLanguageCombos();
  BuildKeyList();
}

void SettingsDialog::ApplySize(DialogSize size) {
  const DialogSize least;
  QSize wanted(std::max(size.width, least.width), std::max(size.height, least.height));
  if (const QScreen* screen = this->screen())
    wanted = wanted.boundedTo(screen->availableGeometry().size());
  resize(wanted);
  settings_.SetsWidth = width();
  settings_.SetsHeight = height();
}

void SettingsDialog::FillLanguageCombos() {
  for (QComboBox* combo : {languageCombo_, languageCombo2_}) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const LanguageEntry& entry : languages_) combo->addItem(BytesToQString(entry.name));
    combo->setCurrentIndex(settings_.Language);
  }
}

void SettingsDialog::OnLanguageChosen(int index) {
  if (index < 0 || index == settings_.Language) return;
  const SettingsPage page = CurrentPage();
  settings_.Language = index;
  host_.ApplyLanguage();
  Retranslate();
  ShowPage(page);
}

void SettingsDialog::OnOk() {
  host_.SaveSettings();
  accept();
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QDialog::keyPressEvent(event);  // Esc closes without the OK steps
    return;
  }
  event->accept();
  if (std::find(std::begin(kEnterKeepingPages), std::end(kEnterKeepingPages), CurrentPage()) ==
      std::end(kEnterKeepingPages))
    OnOk();
}

void SettingsDialog::showEvent(QShowEvent* event) {
  FillLanguageCombos();
  BuildKeyList();
  keyNote_->clear();
  QDialog::showEvent(event);
}

void SettingsDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  settings_.SetsWidth = width();
  settings_.SetsHeight = height();
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == keyList_) {
    switch (event->type()) {
      // Keys the list binds must not run a shortcut first.
      case QEvent::ShortcutOverride: {
        const PressedKey pressed = PressedKeyOf(*static_cast<QKeyEvent*>(event));
        if (CheckHotKey(pressed.stroke, pressed.area) != KeyUse::Ignored) event->accept();
        break;
      }
      case QEvent::KeyPress: return OnKeyListPress(*static_cast<QKeyEvent*>(event));
      case QEvent::KeyRelease: return OnKeyListRelease(*static_cast<QKeyEvent*>(event));
      default: break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// The Keyboard page --------------------------------------------------------

void SettingsDialog::BuildKeyList() {
  // Entries are rewritten in place, so the selection and the scrolled
  // position stay where the user left them.
  const QSignalBlocker blocker(keyList_);
  while (keyList_->count() > static_cast<int>(kActionCount))
    delete keyList_->takeItem(keyList_->count() - 1);
  while (keyList_->count() < static_cast<int>(kActionCount)) keyList_->addItem(QString());
  for (const ActionRow& row : Actions()) {
    const int index = static_cast<int>(row.id);
    keyList_->item(index)->setText(QStringLiteral(" %1. ").arg(index + 1) +
                                   BytesToQString(ActionCaption(row.id, settings_, TextsInForce())) +
                                   QStringLiteral(" - ") + KeyName(hotKeys_.Key(row.id)));
  }
  ShowSelectedKey();
}

std::optional<ActionId> SettingsDialog::SelectedAction() const {
  const QList<QListWidgetItem*> selected = keyList_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  const int row = keyList_->row(selected.front());
  if (row < 0 || row >= static_cast<int>(kActionCount)) return std::nullopt;
  return static_cast<ActionId>(row);
}

void SettingsDialog::ShowSelectedKey() {
  const std::optional<ActionId> id = SelectedAction();
  hotKeyLabel_->setText(id ? KeyName(hotKeys_.Key(*id)) : QString());
}

bool SettingsDialog::OnKeyListPress(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return pendingKey_.has_value();
  const PressedKey pressed = PressedKeyOf(event);
  switch (CheckHotKey(pressed.stroke, pressed.area)) {
    case KeyUse::Ignored:
      // A modifier on its own belongs to the key still to come.
      if (!pressed.stroke.empty()) pendingKey_.reset();
      return false;
    case KeyUse::Bindable: pendingKey_ = pressed.stroke; return true;
    case KeyUse::TypesText:
      pendingKey_.reset();
      keyNote_->setText(Note("tKeyNeedsCtrlAlt", KeyName(pressed.stroke)));
      return true;
    case KeyUse::WindowKey:
      pendingKey_.reset();
      keyNote_->setText(Note("tKeyWindow", KeyName(pressed.stroke)));
      return true;
  }
  return false;
}

bool SettingsDialog::OnKeyListRelease(const QKeyEvent& event) {
  if (!pendingKey_) return false;
  if (event.isAutoRepeat()) return true;
  // The key itself, whatever modifiers were let go before it.
  if (PressedKeyOf(event).stroke.key != pendingKey_->key) return false;
  const KeyStroke key = *pendingKey_;
  pendingKey_.reset();
  BindSelected(key);
  return true;
}

void SettingsDialog::BindSelected(const KeyStroke& key) {
  const std::optional<ActionId> id = SelectedAction();
  if (!id) return;
  const std::optional<ActionId> former = hotKeys_.Bind(*id, key);
  KeysChanged(former ? Note("tKeyTaken", BytesToQString(ActionCaption(*former, settings_, TextsInForce())))
                     : QString());
}

void SettingsDialog::RemoveBinding(QListWidgetItem* item) {
  const int row = keyList_->row(item);
  if (row < 0 || row >= static_cast<int>(kActionCount)) return;
  hotKeys_.Remove(static_cast<ActionId>(row));
  KeysChanged({});
}

// hotkeys.ini follows every change at once, removals included.
void SettingsDialog::KeysChanged(QString note) {
  BuildKeyList();
  if (const IoStatus saved = hotKeys_.Save(); !saved) {
    if (!note.isEmpty()) note += '\n';
    note += Note("tKeyNotSaved", QString::fromStdString(saved.error));
  }
  keyNote_->setText(note);
  host_.HotKeysChanged();
}

}  // namespace plumex
