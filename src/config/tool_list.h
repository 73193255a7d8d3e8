#pragma once
// The Tools menu's entries: "Caption=Command" lines of tools.ini. A command
// is a program with any arguments after it; it starts in the document's
// folder.
#include <functional>
#include <string>
#include <vector>

#include "config/path_macros.h"

namespace plumex {

// The menu holds this many tools; further entries are ignored.
inline constexpr std::size_t kMaxTools = 20;

struct ToolItem {
  std::size_t index = 0;  // its line in the tools list
  std::string caption;    // "#ravno#" read as "="
  std::string command;    // folder macros replaced
  bool operator==(const ToolItem&) const = default;
};

// The line at `index`, split at its first "="; a line without one is all
// caption and no command.
ToolItem ToolAt(const std::vector<std::string>& lines, std::size_t index, const FolderMacros& folders);

// The tools the menu shows, in file order: those whose command `present`
// finds, at most kMaxTools of them.
std::vector<ToolItem> ToolMenuItems(const std::vector<std::string>& lines, const FolderMacros& folders,
                                    const std::function<bool(const std::string& command)>& present);

// A regular file we may execute.
bool IsInstalledProgram(const std::string& path);

// The list a missing tools.ini starts with: a calculator, the file manager
// on the document's folder and a terminal there, each only when a program
// for it is installed, written with "%WinPath%" for their folder.
std::vector<std::string> DefaultToolLines(const std::function<bool(const std::string& path)>& installed);

}  // namespace plumex
