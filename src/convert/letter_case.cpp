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
  word_start_ = lower_.Then(upper_);
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
  // Case changes keep a letter a letter, so whether a byte starts a word can
  // be told from the byte before it as it came in.
  const ByteMap& word_start = tables_.WordStartMap();
  const ByteMap& lower = tables_.LowerMap();
  for (std::size_t i = 0; i < size; ++i) {
    const auto b = static_cast<unsigned char>(data[i]);
    data[i] = static_cast<char>(after_letter_ ? lower[b] : word_start[b]);
    after_letter_ = tables_.IsLetter(b);
  }
}

}  // namespace plumex
