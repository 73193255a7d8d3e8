// Translit and ruslit tables, either way and chained: the one-walk and the
// entry-by-entry application agree on any table and text.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/translit.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string text = input.ConsumeRandomLengthString(256);
  std::vector<std::string> lines = fuzz::Split(input.ConsumeRemainingBytesAsString(), '\n');
  // A shipped table in front half the time, so its many keys meet the input.
  if (!lines.empty() && lines.front() == "builtin") lines = BuiltInTranslitLines();
  if (!lines.empty() && lines.front() == "ruslit") lines = BuiltInRuslitLines();
  for (TranslitDirection direction : {TranslitDirection::Forward, TranslitDirection::Reverse}) {
    const TranslitTable table(lines, direction);
    FUZZ_CHECK(table.Apply(text) == table.ApplyEntryByEntry(text));
  }
  return 0;
}
