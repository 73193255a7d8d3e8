#pragma once
// Every text the user sees, by key, over the built-in English. A language
// file overrides texts; a missing key keeps its English text.
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace plumex {

struct LanguageText {
  const char* key;
  const char* english;
};

// The built-in English texts, in the order a language file lists them.
std::span<const LanguageText> EnglishTexts();

class LanguageTable {
 public:
  LanguageTable();

  // The text for a key (Windows-1251 bytes); an unknown key gives itself,
  // so a typo shows up on screen instead of as an empty caption.
  const std::string& Text(std::string_view key) const;
  // Sets a known key; unknown keys are ignored.
  void Set(std::string_view key, std::string text);
  void ResetToEnglish();

 private:
  std::unordered_map<std::string, std::string> texts_;
  mutable std::unordered_map<std::string, std::string> unknown_;
};

// The process-wide table every window reads when it shows a text.
LanguageTable& Language();

}  // namespace plumex
