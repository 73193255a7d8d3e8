// Translit and ruslit tables, either way and chained: the one-walk and the
// entry-by-entry application agree on any table and text, and no table
// grows a text past a fixed multiple of it.
#include <fuzzer/FuzzedDataProvider.h>

#include <new>
#include <optional>

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
  // A text grown past its limit is refused as memory running out would be.
  const auto refusable = [](const auto& apply) -> std::optional<std::string> {
    try {
      return apply();
    } catch (const std::bad_alloc&) {
      return std::nullopt;
    }
  };
  for (TranslitDirection direction : {TranslitDirection::Forward, TranslitDirection::Reverse}) {
    const TranslitTable table(lines, direction);
    const std::optional<std::string> once = refusable([&] { return table.Apply(text); });
    const std::optional<std::string> each = refusable([&] { return table.ApplyEntryByEntry(text); });
    if (once && each) FUZZ_CHECK(*once == *each);
    if (once) FUZZ_CHECK(once->size() <= text.size() * (kTranslitGrowth + 1) + (1 << 16));
  }
  return 0;
}
