#include "config/settings_store.h"

namespace plumex {

SettingsLoad SettingsStore::Load(const std::string& path, Settings& settings) {
  path_ = path;
  IniLoad load = IniFile::Load(path);
  loadFailed_ = load.state == IniLoadState::Failed;
  loadError_ = load.error;
  file_ = std::move(load.file);
  SettingsLoad result = LoadSettings(file_, settings);
  if (loadFailed_) result.firstStart = false;
  return result;
}

IoStatus SettingsStore::Save(const Settings& settings, TableSource tables) {
  if (path_.empty()) return {false, "no settings file was loaded"};
  if (loadFailed_)
    return {false, "\"" + path_ + "\" could not be read at start-up and is left as it is: " + loadError_};
  IniFile updated = file_;
  SaveSettings(settings, updated, tables);
  IoStatus status = updated.Save(path_);
  if (status) file_ = std::move(updated);
  return status;
}

}  // namespace plumex
