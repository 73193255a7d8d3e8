#pragma once
// The file types Plumex opens, as the Integration page lists them:
// settings.ExtsList, sorted and lower case, holds the extensions we believe
// ours, and settings.CountExts their count. Every change goes through
// FileTypes; an extension is listed only while its registration holds.
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "platform/file_types.h"

namespace plumex {

// The language key of an extension's type text and its icon number.
struct ExtensionLook {
  const char* typeKey;
  int icon;
};
ExtensionLook LookOf(std::string_view ext);

// The lines of exts.ini as ExtsList: normalized, refused ones dropped,
// sorted, each once.
std::vector<std::string> ExtensionsFromLines(const std::vector<std::string>& lines);

enum class AddOutcome {
  Added,
  AlreadyListed,  // the caller selects its line
  Refused,        // not an extension we may write anywhere
  Failed,         // the system side refused it; nothing listed
};
struct Added {
  AddOutcome outcome;
  std::string ext;  // normalized, unless refused
};
Added AddExtension(Settings& settings, FileTypes& types, std::string_view typed);

// Unregisters and unlists `ext`; one that could not be unregistered stays
// listed, since it is still ours.
bool RemoveExtension(Settings& settings, FileTypes& types, const std::string& ext);

// Registers the default extensions (four more at the first set-up, when
// CountExts is -1) and lists those that took.
void InstallDefaultExtensions(Settings& settings, FileTypes& types);

// Unlists extensions another program has taken over; one whose state cannot
// be read stays.
void RefreshExtensionList(Settings& settings, const FileTypes& types);

void ClearExtensions(Settings& settings, FileTypes& types);

}  // namespace plumex
