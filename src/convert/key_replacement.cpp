#include "convert/key_replacement.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace plumex {
namespace {

// For each prefix of `key`, the length of its longest proper border (a
// prefix that is also a suffix): where a failed match may go on from.
std::vector<std::uint32_t> Borders(std::string_view key) {
  std::vector<std::uint32_t> borders(key.size(), 0);
  std::uint32_t length = 0;
  for (std::size_t i = 1; i < key.size(); ++i) {
    while (length > 0 && key[i] != key[length]) length = borders[length - 1];
    if (key[i] == key[length]) ++length;
    borders[i] = length;
  }
  return borders;
}

}  // namespace

bool ReplaceEveryOccurrence(std::string_view text, std::string_view key, std::string_view value, std::string& out,
                            std::size_t limit) {
  out.clear();
  out.reserve(text.size());
  const std::vector<std::uint32_t> borders = Borders(key);
  // A deletion joins what stood before the key to what follows, and the walk
  // goes on in the state it had before the key, so each byte's state is kept.
  // A value needs none: none of its bytes may begin a match.
  const bool deletes = value.empty();
  std::vector<std::uint32_t> states;
  std::size_t state = 0;  // how much of the key the last bytes of `out` hold
  std::size_t i = 0;
  while (i < text.size()) {
    if (state == 0) {  // nothing begun: copy up to the next byte the key starts with
      const std::size_t next = std::min(text.find(key[0], i), text.size());
      out.append(text, i, next - i);
      if (deletes) states.resize(out.size(), 0);
      i = next;
      if (i == text.size()) break;
    }
    const char c = text[i++];
    while (state > 0 && key[state] != c) state = borders[state - 1];
    if (key[state] == c) ++state;
    out += c;
    if (deletes) states.push_back(static_cast<std::uint32_t>(state));
    if (state < key.size()) continue;
    out.resize(out.size() - key.size());
    if (deletes) {
      states.resize(out.size());
      state = states.empty() ? 0 : states.back();
    } else {
      out += value;
      if (out.size() > limit) return false;
      state = 0;
    }
  }
  return true;
}

}  // namespace plumex
