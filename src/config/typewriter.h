#pragma once
// When the editor sounds like a typewriter.
#include <optional>

#include "config/settings.h"
#include "platform/sound_player.h"

namespace plumex {

// The sound for a Windows-1251 byte typed into the editor, with IsSound on:
// a key click for a printable character, a carriage return for Backspace,
// Tab and Enter, nothing for the rest.
std::optional<Sound> TypingSound(const Settings& settings, unsigned char typed);

// The bell rings at every refresh while IsLimit is on and the caret stands
// in column CharsLimit (counted from 1), typing sounds on or off.
bool ColumnBellRings(const Settings& settings, int column);

}  // namespace plumex
