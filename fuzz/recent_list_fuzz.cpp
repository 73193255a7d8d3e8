// recent.ini: any file loads into menu entries that name lines of the list,
// and adding a path keeps the list within its limit.
#include "config/recent_list.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::MemoryFile stored(fuzz::AsText(data, size));
  RecentList recent(stored.path());
  recent.Load();
  const std::vector<RecentEntry> entries = recent.MenuEntries();
  for (const RecentEntry& entry : entries) {
    FUZZ_CHECK(entry.index >= 0 && static_cast<std::size_t>(entry.index) < recent.Lines().size());
    FUZZ_CHECK(recent.RememberedCaret(entry.path) >= 0);
  }
  if (!entries.empty()) {
    recent.RememberCaret(entries.front().path, 7);
    recent.AddToRecent(entries.back().path);
    FUZZ_CHECK(recent.Lines().size() <= kRecentLimit);
  }
  return 0;
}
