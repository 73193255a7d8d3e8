#pragma once
// A second way to guess the code page: read the sample in every candidate
// code page and keep the reading whose letters follow one another most the
// way Russian letters do. Unlike the marker count it sees every letter, so
// short and all-capitals texts and Mac Cyrillic are told apart too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "convert/code_pages.h"
#include "convert/russian_bigrams.h"

namespace plumex {

struct Reading {
  bool utf8 = false;
  EncodingCode code = EncodingCode::WIN;  // when not UTF-8
};

// Ties go to the earlier reading: Windows-1251 first, UTF-8 last.
inline constexpr std::array<Reading, 6> kReadings = {{{.code = EncodingCode::WIN},
                                                      {.code = EncodingCode::DOS},
                                                      {.code = EncodingCode::KOI},
                                                      {.code = EncodingCode::MAC},
                                                      {.code = EncodingCode::ISO},
                                                      {.utf8 = true}}};

// UTF-8 is a candidate only where the caller can hold it.
enum class Utf8Candidate { No, Yes };

struct StatisticalGuess {
  bool cyrillic = false;  // some reading holds a Russian letter
  Reading reading;        // Windows-1251 when no reading does
  // How sure, per reading in kReadings order; the candidates share 1.
  std::array<double, kReadings.size()> confidence{};

  double Confidence() const;  // of the reading chosen
};

class StatisticalDetector {
 public:
  // The code pages' bytes of each letter come from the user's tables.
  explicit StatisticalDetector(const CodePageTables& tables);

  // One pass over the sample per code page reading, whatever its length.
  StatisticalGuess Guess(std::string_view sample, Utf8Candidate utf8) const;

 private:
  static constexpr std::size_t kCodePages = kReadings.size() - 1;
  // The score of every pair of bytes in every code page reading, side by
  // side, so that one look-up per byte serves all readings at once.
  using PairScores = std::array<std::int16_t, 8>;
  using Totals = std::array<std::int64_t, kCodePages>;

  Totals Score(std::string_view bytes) const;

  std::vector<PairScores> pairs_;  // [previous byte << 8 | byte]
  std::array<bool, 256> letter_somewhere_{};
};

}  // namespace plumex
