#include "config/tool_list.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include "config/list_files.h"

namespace plumex {
namespace {

struct DefaultTool {
  const char* caption;
  std::vector<const char*> programs;  // the first installed one is taken
  const char* arguments;
};

}  // namespace

ToolItem ToolAt(const std::vector<std::string>& lines, std::size_t index, const FolderMacros& folders) {
  const std::string& line = lines.at(index);
  const std::size_t equals = std::min(line.find('='), line.size());
  const std::string command = equals < line.size() ? line.substr(equals + 1) : std::string();
  return {index, UnescapeEquals(line.substr(0, equals)), ExpandFolderMacros(command, folders)};
}

std::vector<ToolItem> ToolMenuItems(const std::vector<std::string>& lines, const FolderMacros& folders,
                                    const std::function<bool(const std::string& command)>& present) {
  std::vector<ToolItem> items;
  for (std::size_t i = 0; i < lines.size() && items.size() < kMaxTools; ++i) {
    ToolItem item = ToolAt(lines, i, folders);
    if (!item.command.empty() && present(item.command)) items.push_back(std::move(item));
  }
  return items;
}

bool IsInstalledProgram(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> DefaultToolLines(const std::function<bool(const std::string& path)>& installed) {
  const DefaultTool tools[] = {
      {"Calculator", {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"}, ""},
      {"Files", {"xdg-open"}, " ."},
      {"Terminal", {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"}, ""},
  };
  const std::string folder = LocalFolders().winPath;
  std::vector<std::string> lines;
  for (const DefaultTool& tool : tools) {
    const auto program = std::find_if(tool.programs.begin(), tool.programs.end(),
                                      [&](const char* name) { return installed(folder + name); });
    if (program != tool.programs.end())
      lines.push_back(std::string(tool.caption) + "=%WinPath%" + *program + tool.arguments);
  }
  return lines;
}

}  // namespace plumex
