#include "cli/tool_tables.h"

#include <ostream>

#include "platform/file_io.h"
#include "platform/ini_file.h"
#include "platform/system_facts.h"

namespace plumex {

Settings LoadToolSettings(std::ostream& err) {
  const std::string path = ProgramFolder() + SettingsFileName();
  const IniLoad load = IniFile::Load(path);
  if (load.state == IniLoadState::Failed)
    err << "plumex-text: " << path << ": " << load.error << "; using the built-in tables\n";
  Settings settings;
  LoadSettings(load.file, settings);
  return settings;
}

std::vector<std::string> LoadToolList(AuxList list, std::ostream& err) {
  ListFile file(ProgramFolder() + std::string(AuxListFileName(list)));
  std::vector<std::string> defaults = AuxListDefaults(list);
  file.Load(defaults);
  if (!file.lines().empty() || defaults.empty()) return file.lines();
  // No lines where a missing file gives some: an empty file, which is the
  // user's empty table, or one that could not be read. Only an empty file
  // passes a read limited to 0 bytes.
  const ReadResult probe = ReadFileBytes(file.path(), 0);
  if (probe.status) return {};
  err << "plumex-text: " << probe.status.error << "; using the built-in table\n";
  return defaults;
}

}  // namespace plumex
