#include "config/tool_bar_layout.h"

#include <gtest/gtest.h>

namespace plumex {
namespace {

const std::string kValid =
    "[Skin]\r\nSkinEngineVersion=1.0\r\nAuthor=Ann\r\nAuthorEmail=a@b\r\nButtonsCount=3\r\nToolButtonWidth=30\r\n"
    "ToolButtonHeight=20\r\nToolButtonSpace=2\r\nSeparatorWidth=5\r\nTransparentSeparator=0\r\nSkinType=False\r\n"
    "ButtonsString=1-|-3\r\n";

std::string With(const std::string& key, const std::string& value) {
  std::string text = kValid;
  const std::size_t at = text.find("\n" + key + "=") + 1;
  return text.replace(at, text.find('\r', at) - at, key + "=" + value);
}

// Values out of range are clamped, never wrapped; a missing or unreadable
// number or boolean is no skin; only engine 1.0 names its author.
TEST(SkinIni, ValuesAreClampedAndBadOnesRefuseTheSkin) {
  const SkinDescription skin = *ParseSkinIni(kValid).skin;
  EXPECT_EQ(skin.bar, (ToolBarParameters{3, 30, 20, 2, 5, false, false, "1-|-3"}));
  EXPECT_EQ(std::tie(skin.author, skin.authorEmail), std::make_tuple("Ann", "a@b"));
  const auto bar = [](const std::string& text) { return ParseSkinIni(text).skin->bar; };
  EXPECT_EQ(bar(With("ButtonsCount", "101")).buttonsCount, 100);
  EXPECT_EQ(bar(With("ButtonsCount", "-7")).buttonsCount, 0);
  EXPECT_EQ(bar(With("ToolButtonWidth", "0")).buttonWidth, 1);
  EXPECT_EQ(bar(With("ToolButtonHeight", "99999999999999999999")).buttonHeight, 256);
  EXPECT_EQ(bar(With("ToolButtonSpace", "-1")).space, 0);
  EXPECT_EQ(bar(With("SeparatorWidth", "257")).separatorWidth, 256);
  EXPECT_TRUE(bar(With("SkinType", "tRUE")).fourPictures);
  EXPECT_TRUE(bar(With("TransparentSeparator", "-3")).transparentSeparator);
  EXPECT_TRUE(ParseSkinIni(With("SkinEngineVersion", "1.01")).skin->author.empty());
  for (const auto& [key, value] : {std::pair{"ButtonsCount", ""}, {"ToolButtonWidth", "2x"}, {"SeparatorWidth", "1.5"},
                                   {"ToolButtonSpace", "-"}, {"SkinType", "yes"}, {"TransparentSeparator", ""},
                                   {"ToolButtonHeight", "0x10"}})
    EXPECT_EQ(ParseSkinIni(With(key, value)).error, key) << value;
  EXPECT_EQ(ParseSkinIni("").error, "ButtonsCount");
  EXPECT_EQ(ParseSkinIni("\x01\xff=\n=\n\n").error, "ButtonsCount");
}

TEST(ButtonsString, ItemsFillSlotsInOrderSkippingBadOnesAndStopAtAHundred) {
  const auto parse = [](const std::string& text, std::uint8_t before = 7) {
    ToolSlots slots;
    slots.fill(before);
    ParseButtonsString(text, slots);
    return std::vector<int>(slots.begin(), slots.begin() + 6);
  };
  EXPECT_EQ(parse("1-|-3"), (std::vector<int>{1, 0, 3, 7, 7, 7}));
  EXPECT_EQ(parse("|"), (std::vector<int>{0, 7, 7, 7, 7, 7}));
  EXPECT_EQ(parse("5|-|9-83-84-256-x--+4-1a-002"), (std::vector<int>{0, 9, 83, 2, 7, 7}));
  EXPECT_EQ(parse(""), (std::vector<int>{7, 7, 7, 7, 7, 7}));
  std::string many;
  for (int i = 0; i < 150; ++i) many += std::to_string(i % 80 + 1) + "-";
  ToolSlots slots{};
  ParseButtonsString(many, slots);
  EXPECT_EQ(std::make_pair(slots[0], slots[99]), std::make_pair(std::uint8_t{1}, std::uint8_t{20}));
}

TEST(ToolBarPlaces, ButtonsAndSeparatorsFollowEachOtherBySpace) {
  ToolSlots slots{};
  ParseButtonsString("1-|-3", slots);
  const ToolBarParameters bar = ParseSkinIni(kValid).skin->bar;
  EXPECT_EQ(PlaceToolButtons(bar, slots),
            (std::vector<ToolButtonPlace>{{1, 2, 4, 30, 20}, {0, 34, 4, 5, 20}, {3, 41, 4, 30, 20}}));
  EXPECT_EQ(ToolBarHeight(bar), 27);
  EXPECT_EQ(PlaceToolButtons(ToolBarParameters{.buttonsCount = 0}, slots).size(), 0U);
}

}  // namespace
}  // namespace plumex
