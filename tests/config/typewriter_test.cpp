#include "config/typewriter.h"

#include <gtest/gtest.h>

namespace plumex {
namespace {

// The column bell is pinned through the window: ToolBarTest.TypingAndTheColumnBellSoundThroughThePlayer.
TEST(Typewriter, EachByteMakesItsSoundOnlyWithSoundsOn) {
  Settings settings;
  for (int c = 0; c < 256; ++c) {
    settings.IsSound = false;
    EXPECT_EQ(TypingSound(settings, static_cast<unsigned char>(c)), std::nullopt);
    settings.IsSound = true;
    const bool printable = (c >= 32 && c <= 126) || c >= 192 || c == 168 || c == 184;
    const auto expected = printable ? std::optional(Sound::KeyClick)
                          : c == 8 || c == 9 || c == 13 ? std::optional(Sound::CarriageReturn) : std::nullopt;
    EXPECT_EQ(TypingSound(settings, static_cast<unsigned char>(c)), expected) << c;
  }
}

}  // namespace
}  // namespace plumex
