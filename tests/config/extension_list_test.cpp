#include "config/extension_list.h"

#include <gtest/gtest.h>

#include "config/code_page_patch.h"
#include "support/fake_file_types.h"

namespace plumex {
namespace {

using test::FakeFileTypes;
using Exts = std::vector<std::string>;

TEST(ExtensionList, LinesAreNormalizedSortedOnceAndHostileOnesDropped) {
  EXPECT_EQ(ExtensionsFromLines({" TXT ", "*.Log", ".cfg", "txt", "c++", "my_ext-2", std::string(16, 'a'),
                                 std::string(17, 'b'), "", "*", "*.*", "../x", "a b", "a/b", "a;b", "a=b",
                                 "x\r", "<x>", "\xF0\xF3\xF1", "%f"}),
            (Exts{std::string(16, 'a'), "c++", "cfg", "log", "my_ext-2", "txt"}));
}

TEST(ExtensionList, ListsOnlyWhatRegistrationHoldsAndPrunesOnlyWhatIsSurelyGone) {
  Settings settings;
  FakeFileTypes types;
  types.refused = {"bad"};
  EXPECT_EQ(AddExtension(settings, types, " *.TXT").outcome, AddOutcome::Added);
  const Added again = AddExtension(settings, types, "Txt");
  EXPECT_EQ(std::tie(again.outcome, again.ext), std::tuple(AddOutcome::AlreadyListed, "txt"));
  EXPECT_EQ(AddExtension(settings, types, "a/b").outcome, AddOutcome::Refused);
  EXPECT_EQ(AddExtension(settings, types, "bad").outcome, AddOutcome::Failed);
  EXPECT_EQ(AddExtension(settings, types, "aaa").outcome, AddOutcome::Added);
  EXPECT_EQ(std::tie(settings.ExtsList, settings.CountExts), std::tuple(Exts{"aaa", "txt"}, 2));

  types.refused = {"aaa"};
  EXPECT_FALSE(RemoveExtension(settings, types, "aaa"));  // still ours, so still listed
  types.registered.erase("txt");                          // taken by another program
  types.unreadable = true;
  RefreshExtensionList(settings, types);
  EXPECT_EQ(settings.ExtsList, (Exts{"aaa", "txt"}));
  types.unreadable = false;
  RefreshExtensionList(settings, types);
  EXPECT_EQ(std::tie(settings.ExtsList, settings.CountExts), std::tuple(Exts{"aaa"}, 1));
}

TEST(ExtensionList, DefaultsAreSixOrTenAtTheFirstSetUpAndClearingKeepsWhatCouldNotBeUndone) {
  for (const auto& [count, listed] : {std::pair{0, 5}, std::pair{-1, 9}}) {
    Settings settings;
    settings.CountExts = count;
    FakeFileTypes types;
    types.refused = {"nfo"};
    InstallDefaultExtensions(settings, types);
    EXPECT_EQ(settings.CountExts, listed);
    EXPECT_EQ(settings.ExtsList.size(), types.registered.size());
    types.refused = {"txt"};
    ClearExtensions(settings, types);
    EXPECT_EQ(std::tie(settings.ExtsList, settings.CountExts), std::tuple(Exts{"txt"}, 1));
    EXPECT_EQ(types.registered, std::set<std::string>{"txt"});
  }
}

enum class Patch { FirstStart, Check, Uncheck };

TEST(CodePagePatch, KeepsTheOldValuesAndNeverWritesAnEmptyOrUnsetOne) {
  struct Row {
    Patch patch;
    int starts;
    bool make;
    std::string str1251, str1252, table1251, table1253, want1252, wantStr1251, wantStr1252;
  };
  const Row rows[] = {
      {Patch::FirstStart, 1, true, "*", "*", "c_1251.nls", "c_1253.nls", "c_1251.nls", "c_1251.nls", "c_1252.nls"},
      {Patch::FirstStart, 0, false, "*", "*", "c_1251.nls", "c_1253.nls", "c_1252.nls", "c_1251.nls", "c_1252.nls"},
      {Patch::FirstStart, 2, true, "*", "*", "c_1251.nls", "c_1253.nls", "c_1252.nls", "*", "*"},
      {Patch::FirstStart, 1, true, "*", "*", "", "c_1253.nls", "c_1252.nls", "", "c_1252.nls"},
      {Patch::Check, 5, true, "*", "*", "c_1251.nls", "c_1253.nls", "c_1252.nls", "*", "*"},
      {Patch::Check, 5, true, "x_1251.nls", "*", "c_1251.nls", "c_1253.nls", "x_1251.nls", "x_1251.nls", "*"},
      {Patch::Uncheck, 5, false, "*", "*", "c_1251.nls", "cp_1253.nls", "cp_1252.nls", "*", "cp_1252.nls"},
      {Patch::Uncheck, 5, false, "*", "", "c_1251.nls", "c_1253.nls", "c_1252.nls", "*", "c_1252.nls"},
      {Patch::Uncheck, 5, false, "*", "c_1252.nls", "c_1251.nls", "cp_1253.nls", "c_1252.nls", "*", "c_1252.nls"},
  };
  for (const Row& row : rows) {
    Settings settings;
    std::tie(settings.Starts, settings.IsMake1251, settings.str1251, settings.str1252) =
        std::tie(row.starts, row.make, row.str1251, row.str1252);
    FakeFileTypes types;
    types.codePages[CodePageValue::Cp1251] = row.table1251;
    types.codePages[CodePageValue::Cp1253] = row.table1253;
    if (row.patch == Patch::FirstStart) PatchCodePageAtFirstStart(settings, types);
    else SetCodePagePatch(settings, types, row.patch == Patch::Check);
    EXPECT_EQ(std::tie(types.codePages[CodePageValue::Cp1252], settings.str1251, settings.str1252),
              std::tie(row.want1252, row.wantStr1251, row.wantStr1252))
        << static_cast<int>(row.patch) << " " << row.starts << " " << row.str1252;
  }
}

}  // namespace
}  // namespace plumex
