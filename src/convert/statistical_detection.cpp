#include "convert/statistical_detection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "convert/utf8.h"

namespace plumex {
namespace {

// Scores are natural logarithms times this (see tools/russian_bigrams.py).
constexpr double kScale = 16;
// Entering a byte that is no letter costs more than the rarest pair of
// letters, so a reading full of pseudo-graphics never beats one of words.
constexpr std::int32_t kJunkCost = -12 * 16;
// A capital right after a small letter: what a wrong reading of a Mac or
// KOI8-R text looks like far more often than a real word does.
constexpr std::int32_t kCaseCost = -6 * 16;
// Windows-1251 is what the editor holds: a reading must beat it by this much.
constexpr std::int64_t kWinPrior = 2 * 16;
constexpr std::uint8_t kCapital = kRussianClasses;
constexpr unsigned char kYo = 0xB8;
constexpr unsigned char kCapitalYo = 0xA8;

// The class of a Windows-1251 byte: the letter's class of the model, and
// kCapital more for a capital; 0 for anything else.
std::uint8_t ClassOfWin(unsigned char byte) {
  if (byte >= 0xC0) return static_cast<std::uint8_t>(1 + (byte & 0x1F) + (byte < 0xE0 ? kCapital : 0));
  if (byte == kYo) return kRussianClasses - 1;
  return byte == kCapitalYo ? kRussianClasses - 1 + kCapital : 0;
}

// The sample without a UTF-8 character cut short at its end.
std::string_view WithoutCutCharacter(std::string_view sample) {
  for (std::size_t cut = 0; cut <= std::min<std::size_t>(3, sample.size()); ++cut)
    if (ClassifyUtf8(sample.substr(0, sample.size() - cut)) != Utf8Form::Invalid)
      return sample.substr(0, sample.size() - cut);
  return {};
}

}  // namespace

double StatisticalGuess::Confidence() const {
  for (std::size_t i = 0; i < kReadings.size(); ++i)
    if (kReadings[i].utf8 == reading.utf8 && (reading.utf8 || kReadings[i].code == reading.code))
      return confidence[i];
  return 0;
}

StatisticalDetector::StatisticalDetector(const CodePageTables& tables) : pairs_(256 * 256) {
  // Letters take a class of the model, capitals that plus kCapital; a byte
  // outside the 7-bit range that is no Russian letter is kJunk.
  constexpr std::uint8_t kJunk = 2 * kCapital;
  std::array<std::array<std::int32_t, kJunk + 1>, kJunk + 1> pair_scores{};
  for (std::size_t from = 0; from <= kJunk; ++from) {
    // After a stray byte the next letter starts afresh, as after a space.
    const auto& row = kRussianBigrams[from == kJunk ? 0 : from % kCapital];
    const bool small_letter = from > 0 && from < kCapital;
    for (std::size_t to = 0; to < kJunk; ++to)
      pair_scores[from][to] = row[to % kCapital] + (small_letter && to > kCapital ? kCaseCost : 0);
    pair_scores[from][kJunk] = kJunkCost;
  }
  for (std::size_t c = 0; c < kCodePages; ++c) {
    std::array<std::uint8_t, 256> classes{};
    for (std::size_t b = 0x80; b < 256; ++b) classes[b] = kJunk;
    const std::string& table = TableOfCode(tables, kReadings[c].code);
    for (std::size_t i = 0; i < std::min(table.size(), tables.StrWIN.size()); ++i) {
      const auto byte = static_cast<unsigned char>(table[i]);
      classes[byte] = ClassOfWin(static_cast<unsigned char>(tables.StrWIN[i]));
      letter_somewhere_[byte] = letter_somewhere_[byte] || classes[byte] != 0;
    }
    for (std::size_t pair = 0; pair < pairs_.size(); ++pair)
      pairs_[pair][c] = static_cast<std::int16_t>(pair_scores[classes[pair >> 8]][classes[pair & 0xFF]]);
  }
}

StatisticalDetector::Totals StatisticalDetector::Score(std::string_view bytes) const {
  // 32-bit sums vectorize; a pair scores less than 2^15 in size, so they
  // are moved to 64 bits before 2^16 bytes can overflow them.
  constexpr std::size_t kFlush = std::size_t{1} << 16;
  Totals totals{};
  unsigned previous = ' ';
  for (std::size_t i = 0; i < bytes.size();) {
    std::array<std::int32_t, std::tuple_size_v<PairScores>> sums{};
    for (const std::size_t end = std::min(bytes.size(), i + kFlush); i < end; ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      const PairScores& row = pairs_[previous << 8 | byte];
      for (std::size_t k = 0; k < sums.size(); ++k) sums[k] += row[k];
      previous = byte;
    }
    for (std::size_t c = 0; c < kCodePages; ++c) totals[c] += sums[c];
  }
  for (std::size_t c = 0; c < kCodePages; ++c) totals[c] += pairs_[previous << 8 | ' '][c];
  return totals;
}

StatisticalGuess StatisticalDetector::Guess(std::string_view sample, Utf8Candidate utf8) const {
  StatisticalGuess guess;
  guess.cyrillic = std::ranges::any_of(sample, [this](unsigned char b) { return letter_somewhere_[b]; });
  if (!guess.cyrillic) return guess;

  constexpr std::int64_t kImpossible = std::numeric_limits<std::int64_t>::min();
  std::array<std::int64_t, kReadings.size()> scores{};
  scores.fill(kImpossible);
  const Totals totals = Score(sample);
  std::copy(totals.begin(), totals.end(), scores.begin());
  scores[0] += kWinPrior;
  if (utf8 == Utf8Candidate::Yes) {
    std::string_view whole = WithoutCutCharacter(sample);
    if (whole.starts_with(kUtf8Bom)) whole.remove_prefix(kUtf8Bom.size());
    if (ClassifyUtf8(whole) == Utf8Form::Utf8) scores.back() = Score(DecodeUtf8(whole).bytes)[0];
  }

  const std::size_t best = static_cast<std::size_t>(std::ranges::max_element(scores) - scores.begin());
  guess.reading = kReadings[best];
  // Shares of a softmax over the log-likelihoods, taken from the best so
  // that nothing overflows.
  double sum = 0;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    if (scores[i] == kImpossible) continue;
    guess.confidence[i] = std::exp(static_cast<double>(scores[i] - scores[best]) / kScale);
    sum += guess.confidence[i];
  }
  for (double& share : guess.confidence) share /= sum;
  return guess;
}

}  // namespace plumex
