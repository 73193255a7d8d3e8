#pragma once
// What the program says about itself: where to find us and whom we thank.
// The name and version are in status_texts.h, the build date in build_date.h.
#include <string>

#include "commands/status_texts.h"
#include "config/build_date.h"
#include "language/language_table.h"

namespace plumex {

inline constexpr const char* kHomePage = "plumex.example.org";
inline constexpr const char* kForum = "plumex.example.org/forum";
inline constexpr const char* kSupportMail = "support@plumex.example.org";
inline constexpr const char* kLegalNotice = "Free to use and to pass on, without warranty of any kind.";

// The About box's credits, each part ending in a line break: the product
// line; the translator's credit when the language is not English; the
// skin's author when the skin names one; the thanks.
struct CreditSources {
  bool english = true;
  std::string skinAuthor;
  std::string skinMail;
};
std::string CreditsText(const CreditSources& sources, const LanguageTable& texts);

}  // namespace plumex
