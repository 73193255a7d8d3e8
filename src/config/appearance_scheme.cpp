#include "config/appearance_scheme.h"

#include <algorithm>

namespace plumex {
namespace {

constexpr Rgb kCream{252, 252, 239};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kLime{0, 255, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kNavy{0, 0, 128};

struct FixedScheme {
  const char* face;
  int points;  // the pixel heights 13, 17 and 15 at 96 dots per inch
  Rgb text;
  Rgb background;
};

constexpr FixedScheme kFixedSchemes[] = {
    {"Fixedsys", 10, kBlack, kCream},     // Standard
    {"Andale Mono", 13, kBlack, kCream},  // Reading
    {"Fixedsys", 11, kLime, kBlack},      // Terminal
    {"Fixedsys", 11, kYellow, kNavy},     // Nostalgia
};

}  // namespace

Rgb RgbOfColorRef(long long value, Rgb fallback) {
  if (value < 0 || value > 0xFFFFFF) return fallback;
  const auto byte = [value](int shift) { return static_cast<int>((value >> shift) & 0xFF); };
  return {byte(0), byte(8), byte(16)};
}

int ClampFontSize(long long points) {
  return static_cast<int>(std::clamp<long long>(points, kMinFontSize, kMaxFontSize));
}

std::optional<SchemeLook> SchemeOf(int index, const UserStyleSettings& user) {
  if (index == kUserScheme) {
    // The user's colours fall back to those [USER_STYLE] starts with.
    return SchemeLook{
        .face = user.Name,
        .points = ClampFontSize(user.Size),
        .text = RgbOfColorRef(user.Color, kBlack),
        .background = RgbOfColorRef(user.BackColor, kCream),
        .bold = user.Bold,
        .italic = user.Italic,
        .underline = user.Underline,
        .strikeOut = user.StrikeOut,
    };
  }
  if (index < kFirstScheme || index >= kUserScheme) return std::nullopt;
  const FixedScheme& fixed = kFixedSchemes[index - kFirstScheme];
  return SchemeLook{.face = fixed.face, .points = fixed.points, .text = fixed.text,
                    .background = fixed.background, .fixedPitch = true};
}

SideMargins FitSideMargins(long long leftPoints, long long rightPoints, double dpi, int width) {
  const auto pixels = [dpi](long long points) {
    return std::clamp<long long>(points, 0, kMaxMarginPoints) * std::max(dpi, 1.0) / 72.0;
  };
  const double left = pixels(leftPoints);
  const double right = pixels(rightPoints);
  const double room = std::max(width, 0) * 0.75;
  // Too wide together: both give way in proportion.
  const double scale = left + right > room ? room / (left + right) : 1.0;
  return {static_cast<int>(left * scale), static_cast<int>(right * scale)};
}

}  // namespace plumex
