#include "platform/system_facts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/data_files.h"
#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;

TEST(SystemFacts, SettingsFileNameKeepsTheUserInsideTheFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"Guest", "plumex_Guest.ini"}, {"../../etc/passwd", "plumex_.._.._etc_passwd.ini"},
      {std::string("nul\0x", 5), "plumex_nul_x.ini"}, {"", "plumex_.ini"}, {"with space 'q'", "plumex_with space 'q'.ini"},
  };
  for (const auto& [user, file] : cases) EXPECT_EQ(SettingsFileNameFor(user), file);
  EXPECT_FALSE(UserName().empty());
}

// PLUMEX_HOME wins; else a settings file beside the program makes a portable
// copy; else the config folder. Each is created when missing.
TEST(SystemFacts, TheProgramFolderIsChosenThenPortableThenTheConfigFolder) {
  test::TempDir dir;
  const std::string wanted = dir / "my settings/\"deep\" one";
  for (const std::string& given : {wanted, wanted + "/"}) {
    test::ScopedEnv home("PLUMEX_HOME", given);
    EXPECT_EQ(ProgramFolder(), wanted + "/");
    EXPECT_TRUE(fs::is_directory(wanted));
  }
  const std::string beside = ExecutableFolder() + SettingsFileName();
  if (fs::exists(beside)) GTEST_SKIP() << "a settings file stands beside the test program";
  test::ScopedEnv chosen("PLUMEX_HOME", std::nullopt), home("HOME", dir / "home");
  {
    test::ScopedEnv config("XDG_CONFIG_HOME", dir / "config");
    EXPECT_EQ(ProgramFolder(), dir / "config/plumex/");
    EXPECT_TRUE(fs::is_directory(dir / "config/plumex"));
    test::WriteRaw(beside, "[EDITOR]\r\n");
    const std::string portable = ProgramFolder();
    fs::remove(beside);
    EXPECT_EQ(portable, ExecutableFolder());
  }
  for (const std::optional<std::string>& unusable : {std::optional<std::string>(), std::optional<std::string>("rel/dir")}) {
    test::ScopedEnv config("XDG_CONFIG_HOME", unusable), empty("PLUMEX_HOME", "");  // an empty one is none
    EXPECT_EQ(ProgramFolder(), dir / "home/.config/plumex/");
    EXPECT_TRUE(fs::is_directory(dir / "home/.config/plumex"));
  }
}

TEST(SystemFacts, FoldersEndWithASlash) {
  test::TempDir dir;
  test::ScopedEnv home("HOME", dir / "home");
  fs::create_directories(dir / "home/Desktop");  // only the session names the desktop
  EXPECT_EQ(HomeFolder() + "|" + DesktopFolder(), dir / "home/|" + dir / "home/");
  SetDesktopFolder(dir / "home/gone");  // a desktop removed since
  const std::string gone = DesktopFolder();
  SetDesktopFolder(dir / "home/Desktop");
  EXPECT_EQ(gone + "|" + DesktopFolder(), dir / "home/|" + dir / "home/Desktop/");
  SetDesktopFolder({});
  EXPECT_EQ(CurrentFolder(), fs::current_path().string() + "/");
  const std::string program = ExecutableFolder();  // absolute, and ends with '/'
  EXPECT_TRUE(program.starts_with('/') && fs::exists(program + "plumex_core_tests")) << program;
  test::ScopedEnv noHome("HOME", std::nullopt);  // the password database answers
  const std::string fromDatabase = HomeFolder();
  ASSERT_FALSE(fromDatabase.empty());
  EXPECT_EQ(fromDatabase.back(), '/');
}

TEST(DataFiles, TheSettingsFolderThenBesideTheProgramThenTheInstallsAndTheFirstHoldingTheFileWins) {
  const std::string own = ExecutableFolder();
  const std::string installed = (fs::path(own).parent_path().parent_path() / "share/plumex/").string();
  EXPECT_EQ(DataFolders("/home/u/.config/plumex/"), (std::vector<std::string>{"/home/u/.config/plumex/", own, installed}));
  EXPECT_EQ(DataFolders(own), (std::vector<std::string>{own, installed})) << "a portable copy";
  const test::TempDir first, second, third;
  const std::vector<std::string> folders = {first.path(), second.path(), third.path()};
  EXPECT_EQ(FindDataFile("help.html", folders), "");
  test::WriteRaw(third / "help.html", "3");
  EXPECT_EQ(FindDataFile("help.html", folders), third / "help.html");
  fs::create_directory(first / "help.html");  // a folder is no help file
  test::WriteRaw(second / "help.html", "2");
  EXPECT_EQ(FindDataFile("help.html", folders), second / "help.html");
  for (const char* name : {"", ".", "..", "../help.html", "x/../help.html", "/etc/passwd"})
    EXPECT_EQ(FindDataFile(name, folders), "") << name;
}

}  // namespace
}  // namespace plumex
