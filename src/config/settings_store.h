#pragma once
// The settings file on disk: where it is, what it held besides our keys, and
// whether it may be written. A file that exists but could not be read is
// never written over, so a passing fault cannot cost the user his settings.
#include <string>

#include "config/settings.h"
#include "platform/file_io.h"
#include "platform/ini_file.h"

namespace plumex {

class SettingsStore {
 public:
  // Fills `settings` from the file at `path`. A missing file gives the
  // built-in defaults and a first start; a file that cannot be read gives the
  // built-in defaults, no first start, and a store that refuses to save.
  SettingsLoad Load(const std::string& path, Settings& settings);

  // Writes the record over the file, keeping the loaded file's other lines.
  IoStatus Save(const Settings& settings, TableSource tables);

  bool LoadFailed() const { return loadFailed_; }
  const std::string& LoadError() const { return loadError_; }
  // The file as loaded, for the language step that reads tables from it.
  const IniFile& File() const { return file_; }

 private:
  std::string path_;
  IniFile file_;
  bool loadFailed_ = false;
  std::string loadError_;
};

}  // namespace plumex
