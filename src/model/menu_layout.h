#pragma once
// Where the actions stand in the main menu and the pop-ups. A submenu that
// appears in several menus (Convert Encoding, Insert ...) is listed once and
// shared; generated submenus are filled by their owners at run time.
#include <span>

#include "model/action_table.h"

namespace plumex {

enum class MenuId {
  File, Edit, View, Insert, Text, Service, HelpMenu,
  AppearanceSchemes, ConvertEncoding, CharactersCase, RepairLayout,
  Recent, SpecialChars, Tools,   // generated
  EditorPopup, ExtendedPopup, InsertPopup, EncodingPopup,
  Count
};

enum class EntryKind { Action, Separator, Submenu };

struct MenuEntry {
  EntryKind kind;
  ActionId action = ActionId::Count;
  MenuId submenu = MenuId::Count;
};

struct MenuDef {
  MenuId id;
  const char* heading;  // language key; nullptr for pop-ups
  std::span<const MenuEntry> entries;
  bool generated;       // items come from a list at run time
};

std::span<const MenuDef> Menus();
const MenuDef& MenuOf(MenuId id);
// The menu bar, left to right.
std::span<const MenuId> MainMenuBar();

}  // namespace plumex
