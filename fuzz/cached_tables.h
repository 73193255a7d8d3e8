#pragma once
// Building the conversion tables takes milliseconds (the statistical
// detector scores every byte pair), far more than parsing one input; inputs
// whose tables are those of the input before reuse its tables.
#include <memory>
#include <string>

#include "config/conversion_settings.h"

namespace plumex::fuzz {

inline const ConversionTables& TablesFor(const Settings& s) {
  static std::string builtFrom;
  static std::unique_ptr<ConversionTables> tables;
  std::string key;
  for (const std::string* text : {&s.StrWIN, &s.StrDOS, &s.StrKOI, &s.StrMAC, &s.StrISO, &s.StrUpCase_En,
                                  &s.StrLoCase_En, &s.StrUpCase_Ru, &s.StrLoCase_Ru, &s.StrUpCase_Add,
                                  &s.StrLoCase_Add, &s.WinDetectString})
    key += *text + '\0';
  key += std::to_string(s.DetectBuffer) + ' ' + std::to_string(s.DetectMethod);
  if (!tables || key != builtFrom) {
    tables = std::make_unique<ConversionTables>(TablesFromSettings(s));
    builtFrom = std::move(key);
  }
  return *tables;
}

}  // namespace plumex::fuzz
