#include "platform/sound_player.h"

#include <cstdint>

namespace plumex {
namespace {

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

bool IsPcmWave(std::string_view bytes) {
  constexpr std::uint32_t kPcm = 1;
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return false;
  bool pcm = false;
  // Chunks follow one another, each padded to an even size.
  for (std::size_t at = 12; bytes.size() - at >= 8;) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint64_t size = Little(bytes, at + 4, 4);
    if (size > bytes.size() - at - 8) return false;
    if (id == "fmt ") {
      if (size < 16) return false;
      const std::uint32_t bits = Little(bytes, at + 22, 2);
      pcm = Little(bytes, at + 8, 2) == kPcm && Little(bytes, at + 10, 2) > 0 && (bits == 8 || bits == 16);
    } else if (id == "data") {
      return pcm && size > 0;
    }
    at += 8 + size + (size & 1);
    if (at > bytes.size()) return false;
  }
  return false;
}

}  // namespace plumex
