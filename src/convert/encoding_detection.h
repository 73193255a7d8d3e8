#pragma once
// Guessing a text's code page: the code page in whose byte values four very
// common Russian letters occur most often in the first bytes of the text.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/code_pages.h"
#include "convert/letter_case.h"
#include "convert/statistical_detection.h"

namespace plumex {

inline constexpr int kDefaultDetectBuffer = 1024;

// The stored values are those of the settings file.
enum class DetectMethod { MarkerCount = 0, Statistical = 1 };

struct DetectionSettings {
  std::string WinDetectString;  // marker letters, Windows-1251, lower case
  int DetectBuffer = kDefaultDetectBuffer;  // leading bytes examined
  DetectMethod method = DetectMethod::MarkerCount;
};

// The marker bytes of every code page, built once from the tables.
class EncodingDetector {
 public:
  EncodingDetector(const CodePageTables& code_pages, const CaseTables& case_tables,
                   const DetectionSettings& settings);

  // How many leading bytes are examined; a hand-edited size of zero or less
  // means the default.
  std::size_t SampleLimit() const { return sample_limit_; }

  // Bit i set: the byte is a marker of the i-th code page in tie order.
  unsigned char MarkerBits(unsigned char byte) const { return markers_[byte]; }

  DetectMethod Method() const { return method_; }
  const StatisticalDetector& Statistical() const { return statistical_; }

 private:
  std::array<unsigned char, 256> markers_{};
  std::size_t sample_limit_;
  DetectMethod method_;
  StatisticalDetector statistical_;
};

// Ties go to the earlier code page in this order.
inline constexpr std::array<EncodingCode, 5> kDetectionOrder = {EncodingCode::WIN, EncodingCode::DOS, EncodingCode::KOI,
                                                               EncodingCode::MAC, EncodingCode::ISO};

// Counts markers of a text that arrives in pieces; bytes past the sample
// limit are ignored.
class MarkerTally {
 public:
  explicit MarkerTally(const EncodingDetector& detector) : detector_(detector) {}

  void Add(std::string_view bytes);
  bool Full() const { return seen_ >= detector_.SampleLimit(); }
  // Marker counts in kDetectionOrder.
  std::array<std::uint64_t, kDetectionOrder.size()> Counts() const;
  // The code page with the strictly highest count; WIN for an empty text.
  EncodingCode Winner() const;

 private:
  const EncodingDetector& detector_;
  std::size_t seen_ = 0;
  std::array<std::uint64_t, 256> histogram_{};
};

EncodingCode DetectEncoding(std::string_view sample, const EncodingDetector& detector);

// The guess of the method the settings choose. The marker count is always
// sure and always finds Cyrillic; statistically, UTF-8 is taken only where
// `utf8` allows it.
StatisticalGuess DetectByMethod(std::string_view sample, const EncodingDetector& detector, Utf8Candidate utf8);

}  // namespace plumex
