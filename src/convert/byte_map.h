#pragma once
// The positional byte map behind code page conversion, case changes,
// detection markers and layout repair: the i-th byte of one table becomes the
// i-th byte of another, everything else passes unchanged.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace plumex {

class ByteMap {
 public:
  // The identity: every byte maps to itself.
  ByteMap();

  // from[i] -> to[i] for every position present in both tables, so a pair
  // of different lengths never reads past the shorter one. A byte standing
  // twice in `from` takes the value of its later position.
  static ByteMap Between(std::string_view from, std::string_view to);

  unsigned char operator[](unsigned char byte) const { return map_[byte]; }

  // This map, then `next`.
  ByteMap Then(const ByteMap& next) const;

  // Maps `size` bytes of `in` into `out`; the two may be the same buffer.
  void Apply(const char* in, char* out, std::size_t size) const;
  void ApplyInPlace(std::string& text) const { Apply(text.data(), text.data(), text.size()); }
  std::string Apply(std::string_view text) const;

  friend bool operator==(const ByteMap&, const ByteMap&) = default;

 private:
  std::array<unsigned char, 256> map_;
};

// One-off form of ByteMap::Between(from, to).Apply(text).
std::string MapBytes(std::string_view text, std::string_view from, std::string_view to);

}  // namespace plumex
