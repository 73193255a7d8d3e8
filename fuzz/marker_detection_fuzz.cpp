// The marker count: a text given in pieces counts as the whole text does.
#include <fuzzer/FuzzedDataProvider.h>

#include "cached_tables.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Settings settings;
  // A few hand-edited forms of each, so that their tables are built once.
  settings.DetectBuffer = input.PickValueInArray({-1, 0, 1, 7, 1024, 4096});
  settings.WinDetectString = input.PickValueInArray({settings.WinDetectString, std::string(), std::string("\xEE"),
                                                     std::string("abc\xEE\xEE"), std::string(300, '\xE5')});
  const std::size_t cut = input.ConsumeIntegral<std::uint16_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();
  const ConversionTables& tables = fuzz::TablesFor(settings);
  const EncodingDetector& detector = tables.Detector();

  MarkerTally tally(detector);
  const std::string_view whole(text);
  tally.Add(whole.substr(0, std::min(cut, whole.size())));
  tally.Add(whole.substr(std::min(cut, whole.size())));
  FUZZ_CHECK(tally.Winner() == DetectEncoding(text, detector));
  std::uint64_t counted = 0;
  for (std::uint64_t count : tally.Counts()) counted += count;
  FUZZ_CHECK(counted <= std::min(text.size(), detector.SampleLimit()) * kDetectionOrder.size());
  return 0;
}
