#include "commands/layout_repair.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "convert/win1251.h"
#include "support/fake_keyboard.h"

namespace plumex {
namespace {

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }

// The built-in En and Ru layouts, and a third that differs from Ru in six keys.
std::array<LayoutSlot, kMaxLayouts> ThreeLayouts() {
  std::array<LayoutSlot, kMaxLayouts> layouts = Settings{}.Layouts;
  std::string keys = layouts[1].Keys;
  const std::pair<const char*, const char*> differences[] = {
      {"Ы", "І"}, {"ы", "і"}, {"Ъ", "Ї"}, {"ъ", "ї"}, {"Э", "Є"}, {"э", "є"}};
  for (const auto& [ru, ua] : differences) keys[keys.find(W(ru))] = W(ua)[0];
  layouts[2] = {"Ua", "00000422", keys};
  return layouts;
}

TEST(LayoutRepair, EveryPairMapsEveryKeyOfTheOtherLayoutAndAsksForItsTarget) {
  const auto layouts = ThreeLayouts();
  ASSERT_EQ(layouts[0].Keys.size() + layouts[1].Keys.size(), 164u);
  const struct { LayoutAction action; int from, to; const char* caption; } pairs[] = {
      {LayoutAction::From1To2, 0, 1, "En -> Ru"}, {LayoutAction::From2To1, 1, 0, "Ru -> En"},
      {LayoutAction::From1To3, 0, 2, "En -> Ua"}, {LayoutAction::From3To1, 2, 0, "Ua -> En"},
      {LayoutAction::From2To3, 1, 2, "Ru -> Ua"}, {LayoutAction::From3To2, 2, 1, "Ua -> Ru"},
  };
  for (const auto& pair : pairs) {
    const LayoutRepair repair(pair.action, layouts, 3);
    ASSERT_TRUE(repair.available()) << pair.caption;
    EXPECT_EQ(repair.caption(), pair.caption);
    EXPECT_EQ(repair.Apply(layouts[pair.from].Keys), layouts[pair.to].Keys) << pair.caption;
    EXPECT_EQ(repair.Apply("0123456789-= \r\n"), "0123456789-= \r\n") << "keys in neither layout stay";
    test::FakeKeyboard keyboard;
    repair.ActivateTarget(keyboard);
    EXPECT_EQ(keyboard.activated, std::vector<std::string>{layouts[pair.to].Id});
  }
  const LayoutRepair toRu(LayoutAction::From1To2, layouts, 2);
  EXPECT_EQ(toRu.Apply("Ghbdtn? Ndjq lheu ~{}:\"<>?|`[];',./@#$^&"),
            W("Привет, Твой друг ЁХЪЖЭБЮ,/ёхъжэбю.\"№;:?"));
  std::string inPlace = "ghbdtn";
  toRu.ApplyInPlace(inPlace);
  EXPECT_EQ(inPlace, W("привет"));
}

// A repair that cannot be made leaves the text and the keyboard alone.
TEST(LayoutRepair, HandEditedCountsAndSlotsShortMissingOrEmpty) {
  auto layouts = ThreeLayouts();
  const auto expectInert = [](const LayoutRepair& repair) {
    test::FakeKeyboard keyboard;
    repair.ActivateTarget(keyboard);
    EXPECT_FALSE(repair.available());
    EXPECT_EQ(repair.Apply("ghbdtn") + std::to_string(keyboard.activated.size()), "ghbdtn0");
  };
  for (int count : {INT_MIN, -1, 0, 1, 2, 3, 4, 7, INT_MAX}) {
    for (LayoutAction action : kLayoutActions) {
      const bool expected = action == LayoutAction::From1To2 || action == LayoutAction::From2To1 || count >= 3;
      EXPECT_EQ(IsLayoutActionVisible(action, count), expected) << count;
      EXPECT_EQ(LayoutRepair(action, layouts, count).available(), expected) << count;
      if (!expected) expectInert(LayoutRepair(action, layouts, count));
    }
  }
  layouts[2].Keys = "QWE";  // shorter key strings map only the common positions
  EXPECT_EQ(LayoutRepair(LayoutAction::From3To1, layouts, 3).Apply("QWERTY"), "!@#RTY");
  EXPECT_EQ(LayoutRepair(LayoutAction::From1To3, layouts, 3).Apply("!@#$%^qwerty"), "QWE$%^qwerty");
  layouts[2].Keys.clear();  // a slot in use whose keys were never given
  expectInert(LayoutRepair(LayoutAction::From1To3, layouts, 3));
  expectInert(LayoutRepair(LayoutAction::From2To3, std::span<const LayoutSlot>(layouts.data(), 2), 3));
  expectInert(LayoutRepair(LayoutAction::From1To2, std::span<const LayoutSlot>{}, 2));
  layouts[1].Id.clear();
  test::FakeKeyboard keyboard;
  LayoutRepair(LayoutAction::From1To2, layouts, 2).ActivateTarget(keyboard);
  EXPECT_TRUE(keyboard.activated.empty()) << "no id, nothing to ask for";
}

}  // namespace
}  // namespace plumex
