#include "convert/letter_case.h"

#include <algorithm>

namespace plumex {

CaseTables::CaseTables(const CaseLetters& letters) {
  std::string upper_all;
  std::string lower_all;
  const std::pair<const std::string*, const std::string*> pairs[] = {
      {&letters.StrUpCase_En, &letters.StrLoCase_En},
      {&letters.StrUpCase_Ru, &letters.StrLoCase_Ru},
      {&letters.StrUpCase_Add, &letters.StrLoCase_Add},
  };
  for (const auto& [upper, lower] : pairs) {
    const std::size_t common = std::min(upper->size(), lower->size());
    upper_all += upper->substr(0, common);
    lower_all += lower->substr(0, common);
    for (unsigned char b : *upper) kind_[b] |= kUpperLetter;
    for (unsigned char b : *lower) kind_[b] |= kLowerLetter;
  }
  upper_ = ByteMap::Between(lower_all, upper_all);
  lower_ = ByteMap::Between(upper_all, lower_all);
  invert_ = ByteMap::Between(upper_all + lower_all, lower_all + upper_all);
}

std::string ToUpper(std::string_view text, const CaseTables& tables) { return tables.UpperMap().Apply(text); }

std::string ToLower(std::string_view text, const CaseTables& tables) { return tables.LowerMap().Apply(text); }

std::string InvertCase(std::string_view text, const CaseTables& tables) { return tables.InvertMap().Apply(text); }

std::string CapitalizeWords(std::string_view text, const CaseTables& tables) {
  std::string out(text);
  WordCapitalizer(tables).Apply(out.data(), out.size());
  return out;
}

CaseKind CaseState(std::string_view text, const CaseTables& tables) {
  bool has_lower = false;
  bool has_upper = false;
  for (unsigned char b : text) {
    has_lower = has_lower || tables.IsLowerOnly(b);
    has_upper = has_upper || tables.IsUpperOnly(b);
  }
  if (!has_lower) return CaseKind::Upper;
  return has_upper ? CaseKind::Mixed : CaseKind::Lower;
}

void ApplyCaseChange(CaseChange change, const CaseTables& tables, char* data, std::size_t size) {
  switch (change) {
    case CaseChange::Upper: tables.UpperMap().Apply(data, data, size); return;
    case CaseChange::Lower: tables.LowerMap().Apply(data, data, size); return;
    case CaseChange::Invert: tables.InvertMap().Apply(data, data, size); return;
    case CaseChange::Capitalize: WordCapitalizer(tables).Apply(data, size); return;
  }
}

void ApplyCaseChange(CaseChange change, const CaseTables& tables, std::string& text) {
  ApplyCaseChange(change, tables, text.data(), text.size());
}

void WordCapitalizer::Apply(char* data, std::size_t size) {
  const ByteMap& lower = tables_.LowerMap();
  const ByteMap& upper = tables_.UpperMap();
  for (std::size_t i = 0; i < size; ++i) {
    unsigned char b = lower[static_cast<unsigned char>(data[i])];
    if (!after_letter_) b = upper[b];
    after_letter_ = tables_.IsLetter(b);
    data[i] = static_cast<char>(b);
  }
}

}  // namespace plumex
