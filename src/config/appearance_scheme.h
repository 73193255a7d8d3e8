#pragma once
// The five looks of the editor, a font and a background each, and the rules
// that keep hand-edited values of them usable on screen.
#include <optional>
#include <string>

#include "config/settings.h"

namespace plumex {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

// A Windows colour value, 0x00BBGGRR: red in the low byte. Anything outside
// 0..0xFFFFFF is no colour and gives `fallback`.
Rgb RgbOfColorRef(long long value, Rgb fallback);

// Qt has no font of size 0. A glyph taller than the largest window (16384
// pixels, and a point is at least a pixel) shows no more than one that tall.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 16384;
int ClampFontSize(long long points);

struct SchemeLook {
  std::string face;
  int points = 10;
  Rgb text;
  Rgb background;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  // The built-in faces are old screen fonts: where one is missing, a
  // fixed-pitch one takes its place rather than the default face.
  bool fixedPitch = false;
  bool operator==(const SchemeLook&) const = default;
};

inline constexpr int kFirstScheme = 1;  // Standard
inline constexpr int kUserScheme = 5;   // User Defined, from [USER_STYLE]

// The look of scheme `index`: 1 Standard, 2 Reading, 3 Terminal,
// 4 Nostalgia, 5 the user's. Any other index has none.
std::optional<SchemeLook> SchemeOf(int index, const UserStyleSettings& user);

struct SideMargins {
  int left = 0;
  int right = 0;
  bool operator==(const SideMargins&) const = default;
};

inline constexpr int kMaxMarginPoints = 16384;

// The full-screen text margins, given in points, as pixels at `dpi` for a
// text `width` pixels wide. Each is first brought into 0..kMaxMarginPoints;
// together they never take more than three quarters of the width, or a
// wrapped text would shrink to a column of single letters.
SideMargins FitSideMargins(long long leftPoints, long long rightPoints, double dpi, int width);

}  // namespace plumex
