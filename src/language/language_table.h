#pragma once
// Every text the user sees, by key, over the built-in English. A language
// file overrides texts; a missing key keeps its English text.
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace plumex {

struct LanguageText {
  const char* key;
  const char* english;
};

// The built-in English texts, in the order a language file lists them.
std::span<const LanguageText> EnglishTexts();

// The size of the settings dialog a language asks for, in pixels.
struct DialogSize {
  int width = 500;
  int height = 390;
  bool operator==(const DialogSize&) const = default;
};

class LanguageTable {
 public:
  LanguageTable();

  // The text for a key (Windows-1251 bytes); an unknown key gives itself,
  // so a typo shows up on screen instead of as an empty caption.
  const std::string& Text(std::string_view key) const;
  // Sets a known key; unknown keys are ignored.
  void Set(std::string_view key, std::string text);
  // Every text, the code, the English name and the dialog size back to
  // those of the built-in English.
  void ResetToEnglish();

  // The short code of the language ("en"), naming its readme file.
  const std::string& LanguageCode() const { return code_; }
  void SetLanguageCode(std::string code) { code_ = std::move(code); }
  // The language's name in English ("English").
  const std::string& EnglishName() const { return englishName_; }
  void SetEnglishName(std::string name) { englishName_ = std::move(name); }
  DialogSize SettingsDialogSize() const { return dialogSize_; }
  void SetSettingsDialogSize(DialogSize size) { dialogSize_ = size; }

 private:
  std::unordered_map<std::string, std::string> texts_;
  std::string code_;
  std::string englishName_;
  DialogSize dialogSize_;
  mutable std::unordered_map<std::string, std::string> unknown_;
};

}  // namespace plumex
