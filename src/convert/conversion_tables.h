#pragma once
// Everything the conversion commands need, built once whenever the settings
// load or change, so that a command only runs a linear pass over its text.
#include <array>

#include "convert/byte_map.h"
#include "convert/code_pages.h"
#include "convert/encoding_detection.h"
#include "convert/letter_case.h"

namespace plumex {

// The user-editable tables as the settings hold them.
struct TableTexts {
  CodePageTables code_pages;
  CaseLetters letters;
  DetectionSettings detection;
};

class ConversionTables {
 public:
  explicit ConversionTables(const TableTexts& texts);

  const CodePageTables& CodePages() const { return code_pages_; }
  const CaseTables& Case() const { return case_; }
  const EncodingDetector& Detector() const { return detector_; }

  // TableOfCode(from) -> TableOfCode(to), position by position.
  const ByteMap& Conversion(EncodingCode from, EncodingCode to) const;

  // What the encoding pane names after converting to `code`: the code of its
  // table, which differs only when a user has made two tables equal.
  EncodingCode NameOfTarget(EncodingCode code) const;

 private:
  static constexpr std::size_t kCodes = std::size(kAllEncodings);
  static std::size_t Index(EncodingCode code);

  CodePageTables code_pages_;
  CaseTables case_;
  EncodingDetector detector_;
  std::array<std::array<ByteMap, kCodes>, kCodes> conversions_;
  std::array<EncodingCode, kCodes> target_names_{};
};

}  // namespace plumex
