#include "model/command_line.h"

#include <filesystem>

namespace plumex {

CommandLine ParseCommandLine(std::span<const std::string> args) {
  CommandLine result;
  std::string name;
  bool switches = true;
  for (const std::string& arg : args) {
    if (switches) {
      if (arg == "--") {
        switches = false;
        continue;
      }
      if (arg == "/r") {
        result.readOnly = true;
        continue;
      }
      if (arg == "/p") {
        result.print = true;
        continue;
      }
      if (arg == "--help" || arg == "-h") {
        result.request = StartRequest::Help;
        continue;
      }
      if (arg == "--version") {
        result.request = StartRequest::Version;
        continue;
      }
    }
    if (!name.empty()) name += ' ';
    name += arg;
  }
  // A broken file association passes its placeholder instead of a name.
  if (name == "%1") name.clear();
  result.name = name;
  return result;
}

std::string VersionText() { return "Plumex " PLUMEX_VERSION "\n"; }

std::string CommandLineHelp() {
  return "Usage: plumex [/r] [/p] [--] [FILE]\n"
         "A plain-text editor for Russian and English text in Windows-1251.\n"
         "\n"
         "  FILE        the file to open; blanks may stand unquoted\n"
         "  /r          open the file read-only\n"
         "  /p          print the file, then close\n"
         "  --          treat every following argument as part of the file name\n"
         "  --help      show this text and exit\n"
         "  --version   show the version and exit\n";
}

DocumentPath ResolveDocumentPath(const std::string& name, const std::string& currentFolder,
                                 const std::function<bool(const std::string&)>& exists) {
  namespace fs = std::filesystem;
  const std::string full = name.starts_with('/') ? name : currentFolder + name;
  std::string chosen = full;
  if (!exists(full)) {
    std::string trimmed = full;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) trimmed.pop_back();
    if (trimmed.ends_with('.') && !exists(trimmed)) trimmed.pop_back();
    if (!trimmed.empty() && trimmed.back() != '/') chosen = trimmed;
  }
  const fs::path path = fs::path(chosen).lexically_normal();
  std::string folder = path.parent_path().string();
  if (!folder.ends_with('/')) folder += '/';
  return {folder, path.filename().string()};
}

}  // namespace plumex
