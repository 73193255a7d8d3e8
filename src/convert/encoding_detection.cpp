#include "convert/encoding_detection.h"

#include <algorithm>

#include "convert/byte_map.h"

namespace plumex {

EncodingDetector::EncodingDetector(const CodePageTables& code_pages, const CaseTables& case_tables,
                                   const DetectionSettings& settings)
    : sample_limit_(settings.DetectBuffer > 0 ? static_cast<std::size_t>(settings.DetectBuffer)
                                              : static_cast<std::size_t>(kDefaultDetectBuffer)),
      method_(settings.method),
      statistical_(code_pages) {
  const std::string& lower = settings.WinDetectString;
  const std::string upper = ToUpper(lower, case_tables);
  for (std::size_t i = 0; i < kDetectionOrder.size(); ++i) {
    const std::string& table = TableOfCode(code_pages, kDetectionOrder[i]);
    const auto bit = static_cast<unsigned char>(1U << i);
    for (const std::string* markers : {&lower, &upper})
      for (unsigned char b : MapBytes(*markers, code_pages.StrWIN, table)) markers_[b] |= bit;
  }
}

void MarkerTally::Add(std::string_view bytes) {
  const std::size_t take = std::min(bytes.size(), detector_.SampleLimit() - std::min(seen_, detector_.SampleLimit()));
  for (unsigned char b : bytes.substr(0, take)) ++histogram_[b];
  seen_ += take;
}

std::array<std::uint64_t, kDetectionOrder.size()> MarkerTally::Counts() const {
  std::array<std::uint64_t, kDetectionOrder.size()> counts{};
  for (std::size_t b = 0; b < histogram_.size(); ++b) {
    const unsigned char bits = detector_.MarkerBits(static_cast<unsigned char>(b));
    for (std::size_t i = 0; i < counts.size(); ++i)
      if (bits & (1U << i)) counts[i] += histogram_[b];
  }
  return counts;
}

EncodingCode MarkerTally::Winner() const {
  const auto counts = Counts();
  std::size_t winner = 0;
  for (std::size_t i = 1; i < counts.size(); ++i)
    if (counts[i] > counts[winner]) winner = i;
  return kDetectionOrder[winner];
}

EncodingCode DetectEncoding(std::string_view sample, const EncodingDetector& detector) {
  MarkerTally tally(detector);
  tally.Add(sample);
  return tally.Winner();
}

StatisticalGuess DetectByMethod(std::string_view sample, const EncodingDetector& detector, Utf8Candidate utf8) {
  if (detector.Method() == DetectMethod::Statistical) return detector.Statistical().Guess(sample, utf8);
  StatisticalGuess guess{.cyrillic = true, .reading = {.code = DetectEncoding(sample, detector)}};
  guess.confidence[static_cast<std::size_t>(std::ranges::find_if(kReadings, [&guess](Reading r) {
                     return !r.utf8 && r.code == guess.reading.code;
                   }) - kReadings.begin())] = 1;
  return guess;
}

}  // namespace plumex
