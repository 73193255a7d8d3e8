#pragma once
// What the settings dialog asks of the main window: the dialog edits the
// settings record and the hot keys in place, and the window puts into force
// what it shows of them.
#include <string>
#include <vector>

#include "config/list_files.h"
#include "config/settings_table.h"

namespace plumex {

class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  // settings.Language holds the chosen index: put that language in force,
  // retitle the window's own actions and menus and give the hot keys again.
  virtual void ApplyLanguage() = 0;
  // A hot key was bound or removed (and hotkeys.ini written): give the
  // actions their shortcuts again.
  virtual void HotKeysChanged() = 0;
  // Write the settings file and the list files.
  virtual void SaveSettings() = 0;
  // The dialog has stored a value whose row names `effect`: show it at once.
  virtual void SettingApplied(SettingEffect effect) = 0;
  // The skins the style combo lists after the built-in look, style n
  // being the n-th.
  virtual std::vector<std::string> SkinNames() const = 0;
  // The signature and transliteration lists the dialog's memos edit.
  virtual std::vector<std::string> ListLines(AuxList list) const = 0;
  virtual void SetListLines(AuxList list, const std::vector<std::string>& lines) = 0;
};

}  // namespace plumex
