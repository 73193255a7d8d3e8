#include "config/appearance_scheme.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace plumex {
namespace {

constexpr Rgb kFallback{1, 2, 3};

TEST(AppearanceScheme, ColourValuesAreBlueGreenRedAndOnlyThreeBytesAreAColour) {
  const struct { long long value; Rgb rgb; } rows[] = {
      {15727868, {252, 252, 239}}, {0x0000FF, {255, 0, 0}}, {0x00FF00, {0, 255, 0}}, {0xFF0000, {0, 0, 255}},
      {0xFFFFFF, {255, 255, 255}}, {0, {0, 0, 0}},          {-1, kFallback},          {0x1000000, kFallback},
      {LLONG_MIN, kFallback},      {LLONG_MAX, kFallback},
  };
  for (const auto& row : rows) EXPECT_EQ(RgbOfColorRef(row.value, kFallback), row.rgb) << row.value;
}

TEST(AppearanceScheme, FourFixedLooksTheUsersClampedAndNoneForOtherIndexes) {
  const auto look = [](int index, const UserStyleSettings& user = {}) {
    const std::optional<SchemeLook> scheme = SchemeOf(index, user);
    return scheme ? std::tuple(scheme->face, scheme->points, scheme->text, scheme->background, scheme->fixedPitch)
                  : std::tuple(std::string("none"), 0, Rgb{}, Rgb{}, false);
  };
  const Rgb cream{252, 252, 239}, black{0, 0, 0};
  EXPECT_EQ(look(1), std::tuple("Fixedsys", 10, black, cream, true));
  EXPECT_EQ(look(2), std::tuple("Andale Mono", 13, black, cream, true));
  EXPECT_EQ(look(3), std::tuple("Fixedsys", 11, Rgb{0, 255, 0}, black, true));
  EXPECT_EQ(look(4), std::tuple("Fixedsys", 11, Rgb{255, 255, 0}, Rgb{0, 0, 128}, true));
  EXPECT_EQ(look(5), std::tuple("Courier New", 10, black, cream, false));
  for (const int index : {0, 6, -1, INT_MIN, INT_MAX}) EXPECT_EQ(std::get<0>(look(index)), "none") << index;

  UserStyleSettings hostile{.BackColor = -5, .Size = 0, .Color = 0x1000000, .Name = ""};
  EXPECT_EQ(look(5, hostile), std::tuple("", 1, black, cream, false));
  hostile = {.BackColor = 0x800000, .Size = INT_MAX, .Color = 0x0000FF};
  EXPECT_EQ(look(5, hostile), std::tuple("Courier New", kMaxFontSize, Rgb{255, 0, 0}, Rgb{0, 0, 128}, false));
  EXPECT_TRUE(SchemeOf(5, {.Bold = true, .StrikeOut = true})->strikeOut);
}

TEST(AppearanceScheme, MarginsArePointsAtTheScreensDpiAndLeaveAQuarterOfTheWidthToTheText) {
  const struct { long long left, right; double dpi; int width; SideMargins pixels; } rows[] = {
      {130, 130, 96, 1920, {173, 173}},    {130, 130, 72, 1920, {130, 130}}, {0, 0, 96, 1920, {0, 0}},
      {-5, 30, 72, 1000, {0, 30}},         {9999, 9999, 96, 800, {300, 300}}, {LLONG_MAX, 0, 96, 1000, {750, 0}},
      {100, 300, 72, 400, {75, 225}},      {130, 130, 96, 0, {0, 0}},         {130, 130, 96, -7, {0, 0}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(FitSideMargins(r.left, r.right, r.dpi, r.width), r.pixels) << r.left << " " << r.right << " " << r.width;
}

}  // namespace
}  // namespace plumex
