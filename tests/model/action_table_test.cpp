#include "model/action_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/menu_layout.h"
#include "language/language_table.h"

namespace plumex {
namespace {

TEST(ActionTable, RowsStandInFileOrderWithTheirCaptions) {
  // The 83 of hotkeys.ini's first lines, then the later ones after them.
  ASSERT_EQ(Actions().size(), 86u);
  EXPECT_STREQ(Actions()[0].name, "actNew");
  EXPECT_STREQ(Actions()[0].defaultKey, "Ctrl+N");
  EXPECT_STREQ(Actions()[7].name, "actQPrint");
  EXPECT_STREQ(Actions()[7].defaultKey, "");
  EXPECT_STREQ(Actions()[82].name, "actClearRecent");
  EXPECT_STREQ(Actions()[83].name, "actUtf8ToWin");
  EXPECT_EQ(FindAction("actDetect")->id, ActionId::Detect);
  EXPECT_EQ(FindAction("actNope"), nullptr);

  const LanguageTable english;
  std::set<std::string> names, keys;
  for (const ActionRow& row : Actions()) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_TRUE(*row.defaultKey == '\0' || keys.insert(row.defaultKey).second) << row.defaultKey;
    const bool fromLanguage =
        row.rule == CaptionRule::LanguageKey || row.rule == CaptionRule::LanguageKeyWithoutEllipsis;
    EXPECT_TRUE(!fromLanguage || english.Text(row.caption) != row.caption) << "no English text for " << row.caption;
  }
}

TEST(ActionTable, EveryActionHasAPlaceInTheMenus) {
  std::set<ActionId> placed;
  for (const MenuDef& menu : Menus()) {
    EXPECT_TRUE(menu.heading == nullptr || LanguageTable().Text(menu.heading) != menu.heading);
    for (const MenuEntry& entry : menu.entries)
      if (entry.kind == EntryKind::Action) placed.insert(entry.action);
  }
  // Quick print, the extension commands, Clear Recent and the encoding
  // pop-up action live on the tool bar, the settings dialog and in menus
  // that their owners fill.
  const std::set<ActionId> elsewhere = {ActionId::QPrint, ActionId::PopMenuEncoding, ActionId::DefExts,
                                        ActionId::ClearExts, ActionId::ClearRecent};
  for (const ActionRow& row : Actions())
    EXPECT_NE(placed.contains(row.id), elsewhere.contains(row.id)) << row.name;
}

}  // namespace
}  // namespace plumex
