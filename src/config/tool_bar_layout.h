#pragma once
// What a skin says about the tool bar, and where its buttons go. skin.ini is
// a list of Key=Value lines; any value a hostile or careless skin gives is
// brought into range here, so the window only ever builds a sane bar.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

inline constexpr int kMaxToolSlots = 100;
inline constexpr int kMaxToolButtonSize = 256;

struct ToolBarParameters {
  int buttonsCount = 20;            // 0..kMaxToolSlots
  int buttonWidth = 22;             // 1..256
  int buttonHeight = 22;            // 1..256
  int space = 3;                    // 0..256
  int separatorWidth = 4;           // 0..256
  bool transparentSeparator = true;
  bool fourPictures = true;         // else one strip of square pictures per button
  std::string buttons = "1-3-4-|-8-|-13-14-16-17-|-11-12-|-23-24-25-|-72-60";
  bool operator==(const ToolBarParameters&) const = default;
};

struct SkinDescription {
  ToolBarParameters bar;
  // Taken only from a skin of engine version "1.0"; any other skin has none.
  std::string author;
  std::string authorEmail;
};

struct SkinIniResult {
  std::optional<SkinDescription> skin;
  std::string error;  // why there is none: the key that was missing or bad
};

// Parses skin.ini. A missing or non-numeric count or size, or a boolean
// that is neither "True", "False" nor a number, makes it no skin.
SkinIniResult ParseSkinIni(std::string_view text);

// Action numbers, 0 for a separator, by slot. It lives as long as the bar:
// a count above the layout's items builds the extra slots from what they
// held before.
using ToolSlots = std::array<std::uint8_t, kMaxToolSlots>;

// Items separated by "-", each an action number or "|" for a separator.
// Items that are empty, not a number or above the last action are skipped,
// and only the first kMaxToolSlots items are taken.
void ParseButtonsString(std::string_view buttons, ToolSlots& table);

struct ToolButtonPlace {
  int number;  // action number; 0 for a separator
  int left;
  int top;
  int width;
  int height;
  bool operator==(const ToolButtonPlace&) const = default;
};

// The buttons of the first `bar.buttonsCount` slots, left to right, each
// `bar.space` after the one before.
std::vector<ToolButtonPlace> PlaceToolButtons(const ToolBarParameters& bar, const ToolSlots& table);
// The panel holds the buttons with a margin.
inline int ToolBarHeight(const ToolBarParameters& bar) { return bar.buttonHeight + 7; }

}  // namespace plumex
