#include "config/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;

TEST(SettingsStore, FirstStartCreatesTheFileAndCountsOn) {
  test::TempDir dir;
  const std::string path = dir / "plumex_Jo \"the\" user's.ini";
  SettingsStore store;
  Settings settings;
  settings.Mins = 44;
  EXPECT_TRUE(store.Load(path, settings).firstStart);
  EXPECT_FALSE(store.LoadFailed());
  EXPECT_EQ(settings.Mins, Settings().Mins);
  EXPECT_FALSE(fs::exists(path)) << "loading alone writes nothing";

  ASSERT_TRUE(store.Save(settings, TableSource::SettingsFile));
  EXPECT_TRUE(test::ReadRaw(path).starts_with("[GENERAL]\r\nProgName=Plumex\r\n"));
  ++settings.Starts;
  settings.Mins = 12;
  ASSERT_TRUE(store.Save(settings, TableSource::SettingsFile));
  Settings reloaded;
  EXPECT_FALSE(SettingsStore().Load(path, reloaded).firstStart);
  EXPECT_EQ(reloaded.Starts, 1);
  EXPECT_EQ(reloaded.Mins, 12);
}

TEST(SettingsStore, ForeignLinesSurviveEverySave) {
  test::TempDir dir;
  const std::string path = dir / "plumex_user.ini";
  test::WriteRaw(path, "; kept by hand\n[EDITOR]\nStarts=3\nHandMade=yes\n[Mine]\na=b\n");
  SettingsStore store;
  Settings settings;
  EXPECT_FALSE(store.Load(path, settings).firstStart);
  EXPECT_EQ(settings.Starts, 3);
  for (int i = 0; i < 2; ++i) {
    settings.Mins = 20 + i;
    ASSERT_TRUE(store.Save(settings, TableSource::SettingsFile));
  }
  const std::string bytes = test::ReadRaw(path);
  EXPECT_TRUE(bytes.starts_with("; kept by hand\r\n[EDITOR]\r\nStarts=3\r\nHandMade=yes\r\n"));
  EXPECT_EQ(IniFile::Parse(bytes).ReadString("Mine", "a", ""), "b");
  EXPECT_EQ(IniFile::Parse(bytes).ReadInteger("EDITOR", "Mins", 0), 21);
}

void ExpectLoadFailedAndSaveRefused(const std::string& path) {
  SettingsStore store;
  Settings settings;
  settings.Mins = 33;
  EXPECT_FALSE(store.Load(path, settings).firstStart);
  EXPECT_TRUE(store.LoadFailed());
  EXPECT_FALSE(store.LoadError().empty());
  EXPECT_EQ(settings.Mins, Settings().Mins) << "built-in defaults after a failed load";
  const IoStatus saved = store.Save(settings, TableSource::SettingsFile);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(saved.error.empty());
}

TEST(SettingsStore, UnreadableFileIsNeverWrittenOver) {
  test::TempDir dir;
  const std::string folder = dir / "plumex_user.ini";
  fs::create_directory(folder);
  test::WriteRaw(folder + "/inside", "x");
  ExpectLoadFailedAndSaveRefused(folder);
  EXPECT_EQ(test::ReadRaw(folder + "/inside"), "x");

  const std::string huge = dir / "huge.ini";
  test::WriteRaw(huge, "[EDITOR]\nMins=9\n");
  ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(kIniSizeLimit + 1)), 0);
  ExpectLoadFailedAndSaveRefused(huge);
  EXPECT_EQ(fs::file_size(huge), kIniSizeLimit + 1);
  std::string head(16, '\0');
  std::ifstream(huge, std::ios::binary).read(head.data(), 16);
  EXPECT_EQ(head, "[EDITOR]\nMins=9\n");
}

TEST(SettingsStore, FileWithoutReadPermissionIsNeverWrittenOver) {
  if (test::RunningAsRoot()) GTEST_SKIP() << "root reads any file";
  test::TempDir dir;
  const std::string locked = dir / "locked.ini";
  test::WriteRaw(locked, "[EDITOR]\nMins=9\n");
  fs::permissions(locked, fs::perms::owner_write);
  ExpectLoadFailedAndSaveRefused(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(test::ReadRaw(locked), "[EDITOR]\nMins=9\n");
}

TEST(SettingsStore, SaveWithoutLoadOrIntoAMissingFolderFails) {
  EXPECT_FALSE(SettingsStore().Save(Settings(), TableSource::SettingsFile));
  test::TempDir dir;
  SettingsStore store;
  Settings settings;
  store.Load(dir / "gone/plumex_user.ini", settings);
  const IoStatus saved = store.Save(settings, TableSource::SettingsFile);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(saved.error.empty());
}

}  // namespace
}  // namespace plumex
