#pragma once
// run.ini, read only: which program the Run command opens a file with, by
// the file's extension. One section per extension, named without its dot,
// and DEFAULT; keys "app" (one program, folder macros allowed) and "params"
// (its arguments, file macros allowed).
#include <string>
#include <string_view>

#include "config/settings.h"
#include "model/document_state.h"
#include "platform/ini_file.h"

namespace plumex {

inline constexpr std::string_view kRunIniFileName = "run.ini";

struct RunCommand {
  std::string app;
  std::string params;
  bool operator==(const RunCommand&) const = default;
};

// The extension's own section when it sets both keys, else DEFAULT's two;
// empty when neither has them.
RunCommand LookUpRunCommand(const IniFile& runIni, std::string_view extension);

// The file Run writes and opens: "temp." + the extension, in the program
// folder with UseAppFolder or else beside the document, with UseTempFile;
// without it the document's own file, whatever UseAppFolder says temp files
// go: that moves temp files only, or Run on ~/run.ini would write over ours.
std::string RunFilePath(const DocumentState& document, const Settings& settings, const std::string& programFolder);

}  // namespace plumex
