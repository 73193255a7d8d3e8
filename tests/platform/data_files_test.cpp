#include "platform/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system_facts.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

TEST(DataFiles, TheFirstFolderHoldingTheFileWins) {
  const test::TempDir first, second, third;
  const std::vector<std::string> folders = {first.path(), second.path(), third.path()};
  EXPECT_EQ(FindDataFile("help.html", folders), "");
  test::WriteRaw(third / "help.html", "3");
  EXPECT_EQ(FindDataFile("help.html", folders), third / "help.html");
  std::filesystem::create_directory(first / "help.html");  // a folder is no help file
  test::WriteRaw(second / "help.html", "2");
  EXPECT_EQ(FindDataFile("help.html", folders), second / "help.html");
  for (const char* name : {"", ".", "..", "../help.html", "x/../help.html", "/etc/passwd"})
    EXPECT_EQ(FindDataFile(name, folders), "") << name;
}

TEST(DataFiles, TheSettingsFolderThenBesideTheProgramThenTheInstallsDataFolder) {
  const std::string own = ExecutableFolder();
  const std::string installed =
      (std::filesystem::path(own).parent_path().parent_path() / "share/plumex/").string();
  EXPECT_EQ(DataFolders("/home/u/.config/plumex/"),
            (std::vector<std::string>{"/home/u/.config/plumex/", own, installed}));
  EXPECT_EQ(DataFolders(own), (std::vector<std::string>{own, installed})) << "a portable copy";
}

}  // namespace
}  // namespace plumex
