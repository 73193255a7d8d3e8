#include "app/settings_key_page.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "language/language_files.h"
#include "language/qt_language.h"
#include "platform/qt_keys.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

QString Note(const char* key, const QString& detail) { return Tr(key) + ' ' + detail; }

QString KeyName(const KeyStroke& key) { return QString::fromLatin1(KeyText(key)); }

}  // namespace

KeyListPage::KeyListPage(const Settings& settings, HotKeys& hotKeys, SettingsHost& host, QWidget* parent)
    : QWidget(parent), settings_(settings), hotKeys_(hotKeys), host_(host) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  text_ = new QLabel(this);
  text_->setWordWrap(true);
  keyList_ = new QListWidget(this);
  keyList_->setObjectName(QStringLiteral("lbKeys"));
  keyList_->installEventFilter(this);
  hotKey_ = new QLabel(this);
  hotKey_->setObjectName(QStringLiteral("lblHotKey"));
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("lblKeyNote"));
  note_->setWordWrap(true);
  layout->addWidget(text_);
  layout->addWidget(keyList_, 1);
  layout->addWidget(hotKey_);
  layout->addWidget(note_);
  connect(keyList_, &QListWidget::itemSelectionChanged, this, &KeyListPage::ShowSelectedKey);
  connect(keyList_, &QListWidget::itemDoubleClicked, this, &KeyListPage::RemoveBinding);
}

void KeyListPage::Retranslate() {
  text_->setText(Tr("tKeyListText"));
  BuildKeyList();
}

void KeyListPage::Refresh() {
  BuildKeyList();
  note_->clear();
}

bool KeyListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == keyList_) {
    switch (event->type()) {
      // Keys the list binds must not run a shortcut first.
      case QEvent::ShortcutOverride: {
        const PressedKey pressed = PressedKeyOf(*static_cast<QKeyEvent*>(event));
        if (CheckHotKey(pressed.stroke, pressed.area) != KeyUse::Ignored) event->accept();
        break;
      }
      case QEvent::KeyPress: return OnPress(*static_cast<QKeyEvent*>(event));
      case QEvent::KeyRelease: return OnRelease(*static_cast<QKeyEvent*>(event));
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void KeyListPage::BuildKeyList() {
  // Entries are rewritten in place, so the selection and the scrolled
  // position stay where the user left them.
  const QSignalBlocker blocker(keyList_);
  while (keyList_->count() > static_cast<int>(kActionCount)) delete keyList_->takeItem(keyList_->count() - 1);
  while (keyList_->count() < static_cast<int>(kActionCount)) keyList_->addItem(QString());
  for (const ActionRow& row : Actions()) {
    const int index = static_cast<int>(row.id);
    keyList_->item(index)->setText(QStringLiteral(" %1. ").arg(index + 1) +
                                   BytesToQString(ActionCaption(row.id, settings_, TextsInForce())) +
                                   QStringLiteral(" - ") + KeyName(hotKeys_.Key(row.id)));
  }
  ShowSelectedKey();
}

std::optional<ActionId> KeyListPage::SelectedAction() const {
  const QList<QListWidgetItem*> selected = keyList_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  const int row = keyList_->row(selected.front());
  if (row < 0 || row >= static_cast<int>(kActionCount)) return std::nullopt;
  return static_cast<ActionId>(row);
}

void KeyListPage::ShowSelectedKey() {
  const std::optional<ActionId> id = SelectedAction();
  hotKey_->setText(id ? KeyName(hotKeys_.Key(*id)) : QString());
}

bool KeyListPage::OnPress(const QKeyEvent& event) {
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
      note_->setText(Note("tKeyNeedsCtrlAlt", KeyName(pressed.stroke)));
      return true;
    case KeyUse::WindowKey:
      pendingKey_.reset();
      note_->setText(Note("tKeyWindow", KeyName(pressed.stroke)));
      return true;
  }
  return false;
}

bool KeyListPage::OnRelease(const QKeyEvent& event) {
  if (!pendingKey_) return false;
  if (event.isAutoRepeat()) return true;
  // The key itself, whatever modifiers were let go before it.
  if (PressedKeyOf(event).stroke.key != pendingKey_->key) return false;
  const KeyStroke key = *pendingKey_;
  pendingKey_.reset();
  BindSelected(key);
  return true;
}

void KeyListPage::BindSelected(const KeyStroke& key) {
  const std::optional<ActionId> id = SelectedAction();
  if (!id) return;
  const std::optional<ActionId> former = hotKeys_.Bind(*id, key);
  KeysChanged(former ? Note("tKeyTaken", BytesToQString(ActionCaption(*former, settings_, TextsInForce())))
                     : QString());
}

void KeyListPage::RemoveBinding(QListWidgetItem* item) {
  const int row = keyList_->row(item);
  if (row < 0 || row >= static_cast<int>(kActionCount)) return;
  hotKeys_.Remove(static_cast<ActionId>(row));
  KeysChanged({});
}

// hotkeys.ini follows every change at once, removals included.
void KeyListPage::KeysChanged(QString note) {
  BuildKeyList();
  if (const IoStatus saved = hotKeys_.Save(); !saved) {
    if (!note.isEmpty()) note += '\n';
    note += Note("tKeyNotSaved", QString::fromStdString(saved.error));
  }
  note_->setText(note);
  host_.HotKeysChanged();
}

}  // namespace plumex
