#pragma once
// Interface languages: the "*.lng" files of the Lang folder, and putting one
// in force: its texts into the language table, its conversion tables into
// the settings record. A language file is an INI file of Windows-1251 text
// (or UTF-8 text after a byte order mark) with the sections LANGUAGE (the
// texts, "Language", "LanguageCode", "EnglishName"), SETS_FORM and the
// conversion tables of the settings file.
#include <cstddef>
#include <string>
#include <vector>

#include "model/action_table.h"
#include "config/settings.h"
#include "language/language_table.h"
#include "platform/ini_file.h"

namespace plumex {

// Files this big are no language files; they are not read.
inline constexpr std::size_t kLanguageFileLimit = std::size_t{1} << 20;
// Longer texts are cut: no caption or message needs more.
inline constexpr std::size_t kLanguageTextLimit = 4096;

struct LanguageEntry {
  std::string name;  // the file's "Language", shown in the combos; "???" when it has none
  std::string path;  // the file; empty for the built-in English
  bool operator==(const LanguageEntry&) const = default;
};

// Entry 0 is the built-in English; the files follow sorted by name, letter
// case ignored, so that a stored index names the same file at each start.
using LanguageList = std::vector<LanguageEntry>;

// Reads the "Language" of every "*.lng" file (any letter case) in the
// folder. Files that are not regular files or are over kLanguageFileLimit
// are passed over, and so is a file calling itself "English".
LanguageList ScanLanguageFiles(const std::string& langFolder);

// Where ApplyLanguage looks besides the language file.
struct LanguagePlaces {
  const IniFile& settingsFile;  // the user's settings: the English interface's tables
  // The first place for the help, history and readme files; then beside the
  // program and in an install's data folder (DataFolders).
  std::string programFolder;
};

// What the window refreshes after a language change.
struct LanguageChange {
  int index = 0;  // the language in force, also put into settings.Language
  // Where the tables in use came from; only the settings file's are saved back.
  TableSource tables = TableSource::SettingsFile;
  // A third keyboard layout: the four repair commands that involve it and
  // the separators before them are shown.
  bool thirdLayout = false;
  // The files found, empty when missing: "help_" + LanguageCode + ".html"
  // for a language other than English, else (or when it is missing)
  // "help.html"; "history.txt"; "readme_" + LanguageCode + ".txt" for a
  // language other than English, else "readme.txt".
  std::string helpPath;
  std::string historyPath;
  std::string readmePath;
  // Whether each path above was found.
  bool helpExists = false;
  bool historyExists = false;
  bool readmeExists = false;
};

// Puts entry `index` of `list` in force; an index out of range means English.
// `texts` goes back to English and takes the file's texts, code,
// English name, credits and dialog size (at least 500 by 390). The conversion
// tables go back to their built-in values and take those of the settings
// file, then, when a language file is in force and `starts` (the start
// counter) is above 0, those of the language file, checked like the settings
// file's.
LanguageChange ApplyLanguage(int index, const LanguageList& list, Settings& settings, int starts,
                             LanguageTable& texts, const LanguagePlaces& places);

// An action's caption in the language in force; the layout-repair commands
// are named by the layouts' short names ("En -> Ru").
std::string ActionCaption(ActionId id, const Settings& settings, const LanguageTable& texts);

}  // namespace plumex
