// hotkeys.ini: any file loads, no key is left on two actions, and every
// shortcut text that parses writes back to a text that parses the same.
#include <set>

#include "config/hot_keys.h"
#include "fuzz_support.h"
#include "platform/key_text.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  for (const std::string& line : fuzz::Split(text, '\n')) {
    const KeyStroke stroke = ParseKeyText(line);
    FUZZ_CHECK(ParseKeyText(KeyText(stroke)) == stroke);
    if (!stroke.empty()) (void)CheckHotKey(stroke, KeyArea::Main);
  }

  const fuzz::MemoryFile stored(text);
  HotKeys keys(stored.path());
  keys.Load();
  std::set<std::string> held;
  for (std::size_t i = 0; i < kActionCount; ++i) {
    const KeyStroke& key = keys.Key(static_cast<ActionId>(i));
    FUZZ_CHECK(key.empty() || held.insert(KeyText(key)).second);
  }
  FUZZ_CHECK(keys.Lines().size() == kActionCount);
  return 0;
}
