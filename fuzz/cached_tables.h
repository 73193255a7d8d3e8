#pragma once
// Building the conversion tables takes milliseconds (the statistical
// detector scores every byte pair), far more than parsing one input; inputs
// whose tables were built before reuse them.
#include <map>
#include <memory>
#include <string>

#include "config/conversion_settings.h"

namespace plumex::fuzz {

inline const ConversionTables& TablesFor(const Settings& s) {
  static std::map<std::string, std::unique_ptr<ConversionTables>> built;
  std::string key;
  for (const std::string* text : {&s.StrWIN, &s.StrDOS, &s.StrKOI, &s.StrMAC, &s.StrISO, &s.StrUpCase_En,
                                  &s.StrLoCase_En, &s.StrUpCase_Ru, &s.StrLoCase_Ru, &s.StrUpCase_Add,
                                  &s.StrLoCase_Add, &s.WinDetectString})
    key += *text + '\0';
  key += std::to_string(s.DetectBuffer) + ' ' + std::to_string(s.DetectMethod);
  if (!built.contains(key) && built.size() >= 64) built.clear();  // tables of about a megabyte each
  std::unique_ptr<ConversionTables>& tables = built[key];
  if (!tables) tables = std::make_unique<ConversionTables>(TablesFromSettings(s));
  return *tables;
}

}  // namespace plumex::fuzz
