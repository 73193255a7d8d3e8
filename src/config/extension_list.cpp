#include "config/extension_list.h"

#include <algorithm>
#include <array>

namespace plumex {
namespace {

struct LookRow {
  std::string_view ext;
  ExtensionLook look;
};

constexpr LookRow kLooks[] = {
    {"cfg", {"tCFG", 2}}, {"diz", {"tDIZ", 3}}, {"ini", {"tINI", 4}},
    {"log", {"tLOG", 5}}, {"nfo", {"tNFO", 6}}, {"txt", {"tTXT", 7}},
};
constexpr ExtensionLook kOtherLook = {"tDEF", 1};

constexpr std::array<std::string_view, 6> kDefaults = {"cfg", "diz", "ini", "log", "nfo", "txt"};
constexpr std::array<std::string_view, 4> kFirstSetUpDefaults = {"rc", "lng", "me", "rus"};

bool Listed(const Settings& settings, const std::string& ext) {
  return std::binary_search(settings.ExtsList.begin(), settings.ExtsList.end(), ext);
}

void Count(Settings& settings) { settings.CountExts = static_cast<int>(settings.ExtsList.size()); }

// Registers and lists `ext`; whether it is listed now.
bool Take(Settings& settings, FileTypes& types, const std::string& ext) {
  if (!types.Register(ext)) return Listed(settings, ext);
  auto& list = settings.ExtsList;
  const auto at = std::lower_bound(list.begin(), list.end(), ext);
  if (at == list.end() || *at != ext) list.insert(at, ext);
  Count(settings);
  return true;
}

}  // namespace

ExtensionLook LookOf(std::string_view ext) {
  for (const LookRow& row : kLooks)
    if (row.ext == ext) return row.look;
  return kOtherLook;
}

std::vector<std::string> ExtensionsFromLines(const std::vector<std::string>& lines) {
  std::vector<std::string> exts;
  for (const std::string& line : lines)
    if (std::optional<std::string> ext = NormalizeExtension(line)) exts.push_back(std::move(*ext));
  std::sort(exts.begin(), exts.end());
  exts.erase(std::unique(exts.begin(), exts.end()), exts.end());
  return exts;
}

Added AddExtension(Settings& settings, FileTypes& types, std::string_view typed) {
  std::optional<std::string> ext = NormalizeExtension(typed);
  if (!ext) return {AddOutcome::Refused, {}};
  if (Listed(settings, *ext)) return {AddOutcome::AlreadyListed, *ext};
  const bool taken = Take(settings, types, *ext);
  return {taken ? AddOutcome::Added : AddOutcome::Failed, *ext};
}

bool RemoveExtension(Settings& settings, FileTypes& types, const std::string& ext) {
  if (!types.Unregister(ext)) return false;
  std::erase(settings.ExtsList, ext);
  Count(settings);
  return true;
}

void InstallDefaultExtensions(Settings& settings, FileTypes& types) {
  const bool firstSetUp = settings.CountExts == -1;
  for (std::string_view ext : kDefaults) Take(settings, types, std::string(ext));
  if (firstSetUp)
    for (std::string_view ext : kFirstSetUpDefaults) Take(settings, types, std::string(ext));
  RefreshExtensionList(settings, types);
}

void RefreshExtensionList(Settings& settings, const FileTypes& types) {
  std::erase_if(settings.ExtsList,
                [&](const std::string& ext) { return types.Registered(ext) == Registration::No; });
  Count(settings);
}

void ClearExtensions(Settings& settings, FileTypes& types) {
  const std::vector<std::string> listed = settings.ExtsList;
  for (const std::string& ext : listed) RemoveExtension(settings, types, ext);
  RefreshExtensionList(settings, types);
}

}  // namespace plumex
