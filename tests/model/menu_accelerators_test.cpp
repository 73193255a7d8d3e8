#include "model/menu_accelerators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace plumex {
namespace {

using Captions = std::vector<std::string>;

Captions Marked(const Captions& captions) {
  const std::vector<int> chosen = ChooseAccelerators(captions);
  Captions shown;
  for (std::size_t i = 0; i < captions.size(); ++i) shown.push_back(MarkAccelerator(captions[i], chosen[i]));
  return shown;
}

TEST(MenuAccelerators, MarksOneKeyPerItemOfALevel) {
  const struct { Captions captions, shown; } cases[] = {
      // First letters go round before any item falls back to a later one.
      {{"Save As", "Save", "Append"}, {"&Save As", "Sa&ve", "&Append"}},
      {{"Go to", "Go Back", "Goal", ""}, {"&Go to", "Go &Back", "G&oal", ""}},
      {{"ab", "BA", "Ab"}, {"&ab", "&BA", "Ab"}},
      // Digits only once the letters are gone; blanks and signs never.
      {{"A1", "a2", "1st", "- 7 -"}, {"&A1", "a&2", "1&st", "- &7 -"}},
      {{"Find & Replace", "&&", "& Co"}, {"&Find && Replace", "&&&&", "&& &Co"}},
      // Файл, файл, Правка, правка: Cyrillic letters answer in either case.
      {{"\xD4\xE0\xE9\xEB", "\xF4\xE0\xE9\xEB", "\xCF\xF0\xE0\xE2\xEA\xE0", "\xEF\xF0\xE0\xE2\xEA\xE0"},
       {"&\xD4\xE0\xE9\xEB", "\xF4&\xE0\xE9\xEB", "&\xCF\xF0\xE0\xE2\xEA\xE0", "\xEF&\xF0\xE0\xE2\xEA\xE0"}},
      // Ёлка, ёж; Latin C beside Cyrillic С; № is no letter.
      {{"\xA8\xEB\xEA\xE0", "\xB8\xE6", "Copy", "\xD1\xEE\xF5\xF0", "\xB9 5"},
       {"&\xA8\xEB\xEA\xE0", "\xB8&\xE6", "&Copy", "&\xD1\xEE\xF5\xF0", "\xB9 &5"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Marked(c.captions), c.shown) << c.captions[0];

  EXPECT_EQ(MarkAccelerator("ab", 2), "ab");
  EXPECT_EQ(MarkAccelerator("a&", -7), "a&&");
}

TEST(MenuAccelerators, AHugeLevelRunsOutOfKeysWithoutRepeatingOne) {
  const Captions many(300, "Item 42");
  const std::vector<int> chosen = ChooseAccelerators(many);
  EXPECT_EQ(std::vector<int>(chosen.begin(), chosen.begin() + 7), (std::vector<int>{0, 1, 2, 3, 5, 6, -1}));
  EXPECT_EQ(std::count(chosen.begin(), chosen.end(), -1), 294);
}

}  // namespace
}  // namespace plumex
