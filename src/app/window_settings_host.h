#pragma once
// The window's side of the settings dialog: puts each value the dialog
// stores into force through the controller of its feature.
#include <functional>

#include "app/action_handlers.h"
#include "app/settings_host.h"

namespace plumex {

class WindowSettingsHost : public SettingsHost {
 public:
  // What only the window itself does.
  struct Hooks {
    std::function<void()> applyLanguage, hotKeysChanged, saveSettings;
    std::function<void(bool on)> autoSave;
  };
  WindowSettingsHost(WindowParts& parts, Hooks hooks) : parts_(parts), hooks_(std::move(hooks)) {}

  void ApplyLanguage() override { hooks_.applyLanguage(); }
  void HotKeysChanged() override { hooks_.hotKeysChanged(); }
  void SaveSettings() override { hooks_.saveSettings(); }
  void SettingApplied(SettingEffect effect) override;
  std::vector<std::string> SkinNames() const override;
  std::vector<std::string> ListLines(AuxList list) const override;
  void SetListLines(AuxList list, const std::vector<std::string>& lines) override;

 private:
  WindowParts& parts_;
  Hooks hooks_;
};

}  // namespace plumex
