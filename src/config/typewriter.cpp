#include "config/typewriter.h"

namespace plumex {

std::optional<Sound> TypingSound(const Settings& settings, unsigned char typed) {
  constexpr unsigned char kYo = 168;
  constexpr unsigned char kSmallYo = 184;
  if (!settings.IsSound) return std::nullopt;
  if ((typed >= 32 && typed <= 126) || typed >= 192 || typed == kYo || typed == kSmallYo) return Sound::KeyClick;
  if (typed == '\b' || typed == '\t' || typed == '\r') return Sound::CarriageReturn;
  return std::nullopt;
}

bool ColumnBellRings(const Settings& settings, int column) {
  return settings.IsLimit && column == settings.CharsLimit;
}

}  // namespace plumex
