#include "platform/data_files.h"

#include <algorithm>
#include <filesystem>

#include "platform/file_io.h"
#include "platform/system_facts.h"

namespace plumex {

std::vector<std::string> DataFolders(const std::string& programFolder) {
  const std::string own = ExecutableFolder();
  // Normal form, so that the browser is handed /usr/share/..., not /usr/bin/../share/...
  const std::string installed =
      std::filesystem::path(own + "../share/plumex/").lexically_normal().string();
  std::vector<std::string> folders;
  for (const std::string& folder : {programFolder, own, installed})
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  return folders;
}

std::string FindDataFile(std::string_view name, std::span<const std::string> folders) {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) return {};
  for (const std::string& folder : folders) {
    const std::string path = folder + std::string(name);
    if (FileExists(path)) return path;
  }
  return {};
}

}  // namespace plumex
