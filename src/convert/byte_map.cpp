#include "convert/byte_map.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace plumex {
namespace {

// Where the k-th byte in memory of a loaded 64-bit word sits.
constexpr unsigned ShiftOfByte(std::size_t k) {
  return static_cast<unsigned>(std::endian::native == std::endian::little ? 8 * k : 56 - 8 * k);
}

}  // namespace

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

ByteMap ByteMap::Then(const ByteMap& next) const {
  ByteMap both;
  for (std::size_t b = 0; b < map_.size(); ++b) both.map_[b] = next.map_[map_[b]];
  return both;
}

void ByteMap::Apply(const char* in, char* out, std::size_t size) const {
  // Eight bytes read at once and written one by one: the look-ups, not the
  // loads, bound the loop. Byte stores also keep `in` == `out` safe.
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, in + i, 8);
    for (std::size_t k = 0; k < 8; ++k) out[i + k] = static_cast<char>(map_[(word >> ShiftOfByte(k)) & 0xFF]);
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
