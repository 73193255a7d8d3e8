#include "app/window_settings_host.h"

#include "app/appearance.h"
#include "app/file_commands.h"
#include "app/insert_commands.h"
#include "app/main_window.h"
#include "app/skins.h"
#include "commands/profile.h"
#include "platform/editor_widget.h"

namespace plumex {

void WindowSettingsHost::SettingApplied(SettingEffect effect) {
  const Settings& settings = parts_.profile.settings();
  switch (effect) {
    case SettingEffect::ToolBar:
    case SettingEffect::StatusBar:
    case SettingEffect::FullScreenParts:
    case SettingEffect::Margins: parts_.appearance.ShowModeParts(); break;
    case SettingEffect::Appearance: parts_.appearance.ApplyScheme(settings.AppearStyle); break;
    case SettingEffect::SavePosition: hooks_.saveSettings(); break;
    case SettingEffect::ReadOnly: parts_.files.SetReadOnlyMode(settings.IsDefReadOnly); break;
    case SettingEffect::AutoSave: hooks_.autoSave(settings.IsAutoSaving); break;
    case SettingEffect::WheelScroll: parts_.editor.SetLinesToScroll(settings.LinesToScroll); break;
    case SettingEffect::SpecialChars: parts_.inserts.BuildSpecialMenu(); break;
    case SettingEffect::Skin: parts_.window.ChooseStyle(settings.Style); break;
    // The detector is built with the tables the language in force brings.
    case SettingEffect::Detection: parts_.profile.RebuildTables(); break;
    case SettingEffect::None: break;
  }
  parts_.window.RefreshStatus();
}

std::vector<std::string> WindowSettingsHost::SkinNames() const { return parts_.window.skins().names(); }

std::vector<std::string> WindowSettingsHost::ListLines(AuxList list) const { return parts_.profile.list(list); }

void WindowSettingsHost::SetListLines(AuxList list, const std::vector<std::string>& lines) {
  parts_.profile.SetList(list, lines);
}

}  // namespace plumex
