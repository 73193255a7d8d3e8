#include "config/run_ini.h"

#include "config/path_macros.h"

namespace plumex {
namespace {

RunCommand ReadSection(const IniFile& runIni, std::string_view section) {
  return {runIni.ReadString(section, "app", ""), runIni.ReadString(section, "params", "")};
}

}  // namespace

RunCommand LookUpRunCommand(const IniFile& runIni, std::string_view extension) {
  if (!extension.empty()) {
    RunCommand own = ReadSection(runIni, extension);
    if (!own.app.empty() && !own.params.empty()) return own;
  }
  return ReadSection(runIni, "DEFAULT");
}

std::string RunFilePath(const DocumentState& document, const Settings& settings, const std::string& programFolder) {
  if (!settings.UseTempFile) return document.Path();
  const std::string name = "temp." + std::string(FileExtension(document.FileName));
  return (settings.UseAppFolder ? programFolder : document.Folder) + name;
}

}  // namespace plumex
