#include "config/appearance_scheme.h"

#include <gtest/gtest.h>

#include <climits>

namespace plumex {
namespace {

// The colours' byte order is pinned on the window (AppearanceFlow); here the
// values that are no colour and the sizes past the cap.
TEST(AppearanceScheme, HostileUserValuesGiveTheDefaultColoursAndTheCapAndOtherIndexesNoLook) {
  for (const int index : {0, 6, -1, INT_MIN, INT_MAX}) EXPECT_FALSE(SchemeOf(index, {})) << index;
  const struct { UserStyleSettings user; SchemeLook look; } rows[] = {
      {{.BackColor = -5, .Size = INT_MAX, .Color = 0x1000000, .Name = "", .StrikeOut = true},
       {.face = "", .points = kMaxFontSize, .text = {0, 0, 0}, .background = {252, 252, 239}, .strikeOut = true}},
  };
  for (const auto& row : rows) EXPECT_EQ(SchemeOf(5, row.user), row.look) << row.user.BackColor;
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
