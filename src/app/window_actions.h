#pragma once
// The window's actions and menus, all derived from the action table and the
// menu layout: captions in the language in force, keys from hotkeys.ini,
// accelerators, and the enabled state by the one set of rules.
#include <QObject>
#include <array>
#include <functional>

#include "model/action_table.h"
#include "model/enable_rules.h"
#include "model/menu_layout.h"

class QAction;
class QKeyEvent;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace plumex {

class HotKeys;
struct Settings;

class WindowActions : public QObject {
  Q_OBJECT

 public:
  explicit WindowActions(QMainWindow& window);

  QAction* action(ActionId id) const { return actions_[static_cast<std::size_t>(id)]; }
  QMenu* menu(MenuId id) const { return menus_[static_cast<std::size_t>(id)]; }
  void BuildMenus(QMenuBar& bar);

  // Runs `handler` when the action fires; one that waits for Replace All is
  // refused while `locked` says so. Actions given no handler stay disabled.
  void Connect(ActionId id, std::function<void()> handler, std::function<bool()> locked);

  void Retranslate(const Settings& settings, const HotKeys& keys);
  void ApplyHotKeys(const HotKeys& keys);
  void UpdateEnabled(const EditorFacts& facts);

  // Whether a key belongs to an action, enabled or not.
  bool Bound(const QKeyEvent& key) const;
  // The action a window key of the keypad runs, nullptr for none.
  QAction* ForWindowKey(WindowKey key) const;

 private:
  QMenu* BuildMenu(MenuId id);
  // Letters for Alt and the open menus, chosen afresh for each language.
  void MarkAccelerators(const Settings& settings);

  QMainWindow& window_;
  std::array<QAction*, static_cast<std::size_t>(ActionId::Count)> actions_{};
  std::array<bool, static_cast<std::size_t>(ActionId::Count)> handled_{};
  std::array<QMenu*, static_cast<std::size_t>(MenuId::Count)> menus_{};
};

}  // namespace plumex
