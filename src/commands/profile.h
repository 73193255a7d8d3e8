#pragma once
// The user's profile: the settings record and its file, the list files, hot
// keys, recent files, the interface language, and the tables built from them.
// The window reads it and asks it to load, save and apply a language.
#include <memory>
#include <string>
#include <vector>

#include "config/hot_keys.h"
#include "config/list_files.h"
#include "config/recent_list.h"
#include "config/settings.h"
#include "config/settings_store.h"
#include "convert/conversion_tables.h"
#include "convert/translit.h"
#include "language/language_files.h"

namespace plumex {

struct TranslitTables {
  TranslitTable toTranslit, fromTranslit, toRuslit, fromRuslit;
};

class Profile {
 public:
  // Everything lives in `folder`, the program folder.
  explicit Profile(std::string folder);

  // Reads the settings file, the language it names, the list files, the
  // recent list and the hot keys. A first start writes them all at once, so
  // the user finds every key. Returns whether this was a first start.
  bool Load();
  // Writes the settings file and every list; the message of a settings
  // file that could not be written, empty otherwise (and when its load
  // failed: a file we could not read is never written over).
  std::string Save();

  // Puts settings.Language in force with the tables it brings.
  void ApplyLanguage();
  // The code pages and the detector again, after a setting they read changed.
  void RebuildTables();

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  HotKeys& hotKeys() { return hotKeys_; }
  RecentList& recent() { return recent_; }
  const LanguageList& languages() const { return languages_; }
  const LanguageChange& language() const { return language_; }
  // The texts of the language in force.
  const LanguageTable& texts() const { return texts_; }
  const ConversionTables& tables() const { return *tables_; }
  const TranslitTables& translit() const { return *translit_; }
  const std::vector<std::string>& list(AuxList which) const {
    return lists_[static_cast<std::size_t>(which)].lines();
  }
  // Replaces a list's lines (written on Save); the transliteration tables
  // follow at once.
  void SetList(AuxList which, const std::vector<std::string>& lines);
  // The program folder: the settings, the lists and run.ini.
  const std::string& folder() const { return folder_; }

 private:
  void LoadLists();
  void RebuildTranslit();

  std::string folder_;
  Settings settings_;
  SettingsStore store_;
  LanguageList languages_;
  LanguageChange language_;
  LanguageTable texts_;
  HotKeys hotKeys_;
  RecentList recent_;
  std::vector<ListFile> lists_;  // by AuxList
  std::unique_ptr<ConversionTables> tables_;   // rebuilt when the language changes
  std::unique_ptr<TranslitTables> translit_;   // rebuilt when the lists change
};

}  // namespace plumex
