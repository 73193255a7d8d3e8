#include "cli/tool_tables.h"

#include <ostream>

#include "config/settings.h"
#include "platform/ini_file.h"
#include "platform/system_facts.h"

namespace plumex {

ConversionTables LoadToolTables(std::ostream& err) {
  const std::string path = ProgramFolder() + SettingsFileName();
  const IniLoad load = IniFile::Load(path);
  if (load.state == IniLoadState::Failed)
    err << "plumex-text: " << path << ": " << load.error << "; using the built-in tables\n";
  Settings settings;
  LoadSettings(load.file, settings);
  return ConversionTables::FromSettings(settings);
}

}  // namespace plumex
