// The statistical guess: for any text the readings share a confidence of
// one, and UTF-8 is chosen only where the caller allows it.
#include <cmath>

#include "config/conversion_settings.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  const std::string_view text = fuzz::AsText(data, size);
  for (Utf8Candidate utf8 : {Utf8Candidate::No, Utf8Candidate::Yes}) {
    const StatisticalGuess guess = tables.Detector().Statistical().Guess(text, utf8);
    FUZZ_CHECK(utf8 == Utf8Candidate::Yes || !guess.reading.utf8);
    double sum = 0;
    for (double share : guess.confidence) {
      FUZZ_CHECK(std::isfinite(share) && share >= 0 && share <= 1);
      sum += share;
    }
    FUZZ_CHECK(!guess.cyrillic || std::abs(sum - 1) < 1e-9);
  }
  return 0;
}
