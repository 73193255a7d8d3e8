#include "app/window_actions.h"

#include <QAction>
#include <algorithm>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "commands/layout_repair.h"
#include "config/hot_keys.h"
#include "language/language_files.h"
#include "language/language_table.h"
#include "language/qt_language.h"
#include "model/menu_accelerators.h"
#include "platform/key_text.h"
#include "platform/qt_keys.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

ActionId ActionOfLayout(LayoutAction which) {
  return static_cast<ActionId>(static_cast<int>(ActionId::LO_12) + static_cast<int>(which));
}

}  // namespace

WindowActions::WindowActions(QMainWindow& window) : QObject(&window), window_(window) {
  for (const ActionRow& row : Actions()) {
    auto* act = new QAction(&window);
    act->setObjectName(QString::fromLatin1(row.name));
    act->setShortcutContext(Qt::WindowShortcut);
    act->setCheckable(row.Has(ActionTrait::Checkable));
    act->setEnabled(false);  // until it has a handler
    window.addAction(act);   // keys work even when the menu bar is hidden
    actions_[static_cast<std::size_t>(row.id)] = act;
  }
}

void WindowActions::Connect(ActionId id, std::function<void()> handler, std::function<bool()> locked) {
  const ActionRow& row = ActionOf(id);
  handled_[static_cast<std::size_t>(id)] = true;
  connect(action(id), &QAction::triggered, this, [&row, handler = std::move(handler), locked = std::move(locked)] {
    if (row.Has(ActionTrait::WaitsForReplaceAll) && locked()) return;
    handler();
  });
}

void WindowActions::UpdateEnabled(const EditorFacts& facts) {
  for (const ActionRow& row : Actions())
    if (handled_[static_cast<std::size_t>(row.id)]) action(row.id)->setEnabled(ActionEnabled(row, facts));
}

void WindowActions::Retranslate(const Settings& settings, const HotKeys& keys) {
  for (const ActionRow& row : Actions())
    action(row.id)->setText(BytesToQString(ActionCaption(row.id, settings, TextsInForce())));
  for (LayoutAction which : kLayoutActions)
    action(ActionOfLayout(which))->setVisible(IsLayoutActionVisible(which, settings.LOCount));
  MarkAccelerators(settings);
  ApplyHotKeys(keys);
}

void WindowActions::MarkAccelerators(const Settings& settings) {
  const auto heading = [](MenuId id) {
    const char* key = MenuOf(id).heading;
    return key != nullptr ? TextsInForce().Text(key) : std::string();
  };
  const auto mark = [](const std::string& caption, int index) {
    return BytesToQString(MarkAccelerator(caption, index));
  };
  // The menu bar is one level, each menu's items another. Pop-ups share
  // their actions with the menus, and show the same letters.
  std::vector<std::string> titles;
  for (MenuId id : MainMenuBar()) titles.push_back(heading(id));
  const std::vector<int> barKeys = ChooseAccelerators(titles);
  for (std::size_t i = 0; i < titles.size(); ++i) menu(MainMenuBar()[i])->setTitle(mark(titles[i], barKeys[i]));
  // Levels reached from the menu bar, each once; the pop-ups' own subsets
  // would give shared actions other letters.
  std::vector<MenuId> levels(MainMenuBar().begin(), MainMenuBar().end());
  for (std::size_t next = 0; next < levels.size(); ++next)
    for (const MenuEntry& entry : MenuOf(levels[next]).entries)
      if (entry.kind == EntryKind::Submenu && std::find(levels.begin(), levels.end(), entry.submenu) == levels.end())
        levels.push_back(entry.submenu);
  for (MenuId id : levels) {
    const MenuDef& def = MenuOf(id);
    if (def.generated) continue;
    std::vector<std::string> captions;
    for (const MenuEntry& entry : def.entries)
      // Hidden items take no letter from the ones shown.
      captions.push_back(entry.kind == EntryKind::Action
                             ? (action(entry.action)->isVisible() ? ActionCaption(entry.action, settings, TextsInForce()) : std::string())
                         : entry.kind == EntryKind::Submenu ? heading(entry.submenu)
                                                            : std::string());
    const std::vector<int> keys = ChooseAccelerators(captions);
    for (std::size_t i = 0; i < captions.size(); ++i) {
      const MenuEntry& entry = def.entries[i];
      if (entry.kind == EntryKind::Action) action(entry.action)->setText(mark(captions[i], keys[i]));
      if (entry.kind == EntryKind::Submenu) menu(entry.submenu)->setTitle(mark(captions[i], keys[i]));
    }
  }
}

void WindowActions::ApplyHotKeys(const HotKeys& keys) {
  for (const ActionRow& row : Actions()) {
    QAction* act = action(row.id);
    const KeyStroke& key = keys.Key(row.id);
    act->setShortcuts(ShortcutsFor(key));
    // Menus show the key as hotkeys.ini and the key list write it.
    const std::string text = KeyText(key);
    const QString caption = act->text().section(QLatin1Char('\t'), 0, 0);
    act->setText(text.empty() ? caption : caption + QLatin1Char('\t') + QString::fromLatin1(text.c_str()));
  }
}

bool WindowActions::Bound(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* act : actions_)
    if (act->shortcuts().contains(pressed)) return true;
  return false;
}

QAction* WindowActions::ForWindowKey(WindowKey key) const {
  for (const ActionRow& row : Actions())
    if (row.windowKey == key) return action(row.id);
  return nullptr;
}

QMenu* WindowActions::BuildMenu(MenuId id) {
  QMenu*& slot = menus_[static_cast<std::size_t>(id)];
  if (slot != nullptr) return slot;  // shared submenus are built once
  const MenuDef& def = MenuOf(id);
  slot = new QMenu(&window_);
  for (const MenuEntry& entry : def.entries) {
    switch (entry.kind) {
      case EntryKind::Action: slot->addAction(action(entry.action)); break;
      case EntryKind::Separator: slot->addSeparator(); break;
      case EntryKind::Submenu: slot->addMenu(BuildMenu(entry.submenu)); break;
    }
  }
  if (def.generated) slot->setEnabled(false);  // filled by the feature that owns it
  return slot;
}

void WindowActions::BuildMenus(QMenuBar& bar) {
  for (MenuId id : MainMenuBar()) bar.addMenu(BuildMenu(id));
  BuildMenu(MenuId::EditorPopup);
  BuildMenu(MenuId::ExtendedPopup);
  BuildMenu(MenuId::EncodingPopup);
}

}  // namespace plumex
