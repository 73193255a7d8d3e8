#include "platform/system_facts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;

bool PortableCopyPresent() { return fs::exists(ExecutableFolder() + SettingsFileName()); }

TEST(SystemFacts, SettingsFileNameKeepsTheUserInsideTheFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"Guest", "plumex_Guest.ini"}, {"../../etc/passwd", "plumex_.._.._etc_passwd.ini"},
      {std::string("nul\0x", 5), "plumex_nul_x.ini"}, {"", "plumex_.ini"},
      {"with space 'q'", "plumex_with space 'q'.ini"},
  };
  for (const auto& [user, file] : cases) EXPECT_EQ(SettingsFileNameFor(user), file);
  EXPECT_FALSE(UserName().empty());
}

TEST(SystemFacts, PlumexHomeWinsAndIsCreated) {
  test::TempDir dir;
  const std::string wanted = dir / "my settings/\"deep\" one";
  test::ScopedEnv home("PLUMEX_HOME", wanted);
  EXPECT_EQ(ProgramFolder(), wanted + "/");
  EXPECT_TRUE(fs::is_directory(wanted));

  test::ScopedEnv slashed("PLUMEX_HOME", wanted + "/");
  EXPECT_EQ(ProgramFolder(), wanted + "/");
}

TEST(SystemFacts, ConfigFolderWhenNoneIsChosen) {
  if (PortableCopyPresent()) GTEST_SKIP() << "a settings file stands beside the test program";
  test::TempDir dir;
  test::ScopedEnv chosen("PLUMEX_HOME", "");
  test::ScopedEnv home("HOME", dir / "home");
  {
    test::ScopedEnv config("XDG_CONFIG_HOME", dir / "config");
    EXPECT_EQ(ProgramFolder(), dir / "config/plumex/");
    EXPECT_TRUE(fs::is_directory(dir / "config/plumex"));
  }
  for (const std::optional<std::string>& unusable :
       {std::optional<std::string>(), std::optional<std::string>("relative/dir")}) {
    test::ScopedEnv config("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(ProgramFolder(), dir / "home/.config/plumex/");
    EXPECT_TRUE(fs::is_directory(dir / "home/.config/plumex"));
  }
}

TEST(SystemFacts, PortableCopyKeepsItsSettingsBesideTheProgram) {
  if (PortableCopyPresent()) GTEST_SKIP() << "a settings file stands beside the test program";
  test::TempDir dir;
  test::ScopedEnv chosen("PLUMEX_HOME", std::nullopt);
  test::ScopedEnv config("XDG_CONFIG_HOME", dir.path());
  const std::string beside = ExecutableFolder() + SettingsFileName();
  test::WriteRaw(beside, "[EDITOR]\r\n");
  const std::string folder = ProgramFolder();
  fs::remove(beside);
  EXPECT_EQ(folder, ExecutableFolder());
}

TEST(SystemFacts, FoldersEndWithASlash) {
  test::TempDir dir;
  test::ScopedEnv home("HOME", dir / "home");
  fs::create_directory(dir / "home");
  EXPECT_EQ(HomeFolder(), dir / "home/");
  EXPECT_EQ(DesktopFolder(), dir / "home/");
  fs::create_directory(dir / "home/Desktop");
  EXPECT_EQ(DesktopFolder(), dir / "home/Desktop/");

  EXPECT_EQ(CurrentFolder(), fs::current_path().string() + "/");
  const std::string program = ExecutableFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), '/');
  EXPECT_TRUE(fs::exists(program + "plumex_core_tests"));

  test::ScopedEnv noHome("HOME", std::nullopt);  // the password database answers
  const std::string fromDatabase = HomeFolder();
  ASSERT_FALSE(fromDatabase.empty());
  EXPECT_EQ(fromDatabase.back(), '/');
}

}  // namespace
}  // namespace plumex
