#pragma once
// The Keyboard page: the action list with each action's hot key. A key
// pressed on the list binds to the selected action when it is let go; a
// double-click removes the action's key. hotkeys.ini follows at once.
#include <QWidget>
#include <optional>

#include "app/settings_host.h"
#include "config/hot_keys.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace plumex {

class KeyListPage : public QWidget {
  Q_OBJECT

 public:
  KeyListPage(const Settings& settings, HotKeys& hotKeys, SettingsHost& host, QWidget* parent);

  // The entries in the language in force, keeping the selection.
  void Retranslate();
  // As the dialog shows: the keys as they are now, and no note.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildKeyList();
  std::optional<ActionId> SelectedAction() const;
  void ShowSelectedKey();
  bool OnPress(const QKeyEvent& event);
  bool OnRelease(const QKeyEvent& event);
  void BindSelected(const KeyStroke& key);
  void RemoveBinding(QListWidgetItem* item);
  void KeysChanged(QString note);

  const Settings& settings_;
  HotKeys& hotKeys_;
  SettingsHost& host_;
  QLabel* text_ = nullptr;
  QListWidget* keyList_ = nullptr;  // lbKeys
  QLabel* hotKey_ = nullptr;        // lblHotKey
  QLabel* note_ = nullptr;          // why a key was refused, taken or not saved
  std::optional<KeyStroke> pendingKey_;  // pressed on the list, bound on its release
};

}  // namespace plumex
