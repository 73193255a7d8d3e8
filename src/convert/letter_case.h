#pragma once
// Case changes by the program's own letter tables, not by the locale, so
// Latin, Russian and the additional Cyrillic-range pairs change case in any
// environment. Every change maps byte to byte: the length never changes.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "convert/byte_map.h"

namespace plumex {

// Paired letter strings, matched position by position within each pair:
// Latin, Russian and the additional Cyrillic-range pairs.
struct CaseLetters {
  std::string StrUpCase_En;
  std::string StrLoCase_En;
  std::string StrUpCase_Ru;
  std::string StrLoCase_Ru;
  std::string StrUpCase_Add;
  std::string StrLoCase_Add;
};

enum class CaseKind { Upper, Lower, Mixed };
enum class CaseChange { Upper, Lower, Invert, Capitalize };

// The maps built once from the letter strings. Each pair is matched on its
// own, so a hand-edited pair of unequal length cannot shift the pairs after
// it; a byte of the longer string stays a letter but has no partner.
class CaseTables {
 public:
  explicit CaseTables(const CaseLetters& letters);

  const ByteMap& UpperMap() const { return upper_; }
  const ByteMap& LowerMap() const { return lower_; }
  const ByteMap& InvertMap() const { return invert_; }
  // Lower case, then upper case: the first letter of a word.
  const ByteMap& WordStartMap() const { return word_start_; }

  // A letter is any byte of the upper-case or the lower-case strings.
  bool IsLetter(unsigned char byte) const { return (kind_[byte] & kAnyLetter) != 0; }
  // Only in the lower-case strings, or only in the upper-case ones.
  bool IsLowerOnly(unsigned char byte) const { return kind_[byte] == kLowerLetter; }
  bool IsUpperOnly(unsigned char byte) const { return kind_[byte] == kUpperLetter; }

 private:
  static constexpr unsigned char kUpperLetter = 1;
  static constexpr unsigned char kLowerLetter = 2;
  static constexpr unsigned char kAnyLetter = kUpperLetter | kLowerLetter;

  ByteMap upper_;
  ByteMap lower_;
  ByteMap invert_;
  ByteMap word_start_;
  std::array<unsigned char, 256> kind_{};
};

std::string ToUpper(std::string_view text, const CaseTables& tables);
std::string ToLower(std::string_view text, const CaseTables& tables);
std::string InvertCase(std::string_view text, const CaseTables& tables);
// Lower case, then the first letter of every run of letters in upper case.
std::string CapitalizeWords(std::string_view text, const CaseTables& tables);

// Upper when there is no lower-case letter (a text without letters too),
// Lower when there is no upper-case one, Mixed otherwise.
CaseKind CaseState(std::string_view text, const CaseTables& tables);

// Applies one of the fixed changes to the bytes in place.
void ApplyCaseChange(CaseChange change, const CaseTables& tables, char* data, std::size_t size);
void ApplyCaseChange(CaseChange change, const CaseTables& tables, std::string& text);

// CapitalizeWords over a text that arrives in pieces: a word split between
// two pieces gets only its first letter raised.
class WordCapitalizer {
 public:
  explicit WordCapitalizer(const CaseTables& tables) : tables_(tables) {}
  void Apply(char* data, std::size_t size);

 private:
  const CaseTables& tables_;
  bool after_letter_ = false;
};

}  // namespace plumex
