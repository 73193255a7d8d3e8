#include "convert/byte_map.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace plumex {

ByteMap::ByteMap() {
  for (std::size_t b = 0; b < map_.size(); ++b) map_[b] = static_cast<unsigned char>(b);
}

ByteMap ByteMap::Between(std::string_view from, std::string_view to) {
  ByteMap map;
  const std::size_t common = std::min(from.size(), to.size());
  for (std::size_t i = 0; i < common; ++i)
    map.map_[static_cast<unsigned char>(from[i])] = static_cast<unsigned char>(to[i]);
  return map;
}

void ByteMap::Apply(const char* in, char* out, std::size_t size) const {
  // Eight bytes per step: one load, eight table look-ups, one store. This
  // keeps the loop bound by the look-ups instead of by byte-sized stores.
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, in + i, 8);
    std::uint64_t mapped = 0;
    for (int k = 0; k < 8; ++k)
      mapped |= std::uint64_t{map_[(word >> (8 * k)) & 0xFF]} << (8 * k);
    std::memcpy(out + i, &mapped, 8);
  }
  for (; i < size; ++i) out[i] = static_cast<char>(map_[static_cast<unsigned char>(in[i])]);
}

std::string ByteMap::Apply(std::string_view text) const {
  std::string out(text.size(), '\0');
  Apply(text.data(), out.data(), text.size());
  return out;
}

std::string MapBytes(std::string_view text, std::string_view from, std::string_view to) {
  return ByteMap::Between(from, to).Apply(text);
}

}  // namespace plumex
