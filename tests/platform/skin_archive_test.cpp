#include "platform/skin_archive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/file_helpers.h"
#include "support/temp_dir.h"
#include "support/zip_maker.h"

namespace plumex {
namespace {

// Entries come whole or not at all: missing, over their cap whatever they
// declare (a bomb), damaged or encrypted; names that would climb out of a
// folder are just names that do not match.
TEST(SkinArchive, EntriesAreReadWholeWithinTheirCapOrNotAtAll) {
  test::TempDir dir;
  const std::string bomb(kSkinPictureLimit + 1, '\0');
  const std::string stored = "stored entry that the test damages";
  const bool aes = zip_encryption_method_supported(ZIP_EM_AES_256, 1) != 0;
  ASSERT_TRUE(test::MakeZip(dir / "skin.zip", {{"skin.ini", "ButtonsCount=1"}, {"1Normal.bmp", bomb},
                                               {"../2Normal.bmp", "x"}, {"3Normal.bmp", stored, true},
                                               {"4Normal.bmp", "secret", false, aes}}));
  std::string bytes = test::ReadRaw(dir / "skin.zip");
  ASSERT_LT(bytes.size(), kSkinIniLimit);
  bytes[bytes.find(stored) + 3] ^= 1;
  test::WriteRaw(dir / "skin.zip", bytes);
  const OpenedSkinArchive opened = OpenSkinArchive(dir / "skin.zip");
  ASSERT_TRUE(opened.archive) << opened.error;
  const SkinArchive& skin = *opened.archive;
  EXPECT_EQ(skin.Entry("SKIN.INI", kSkinIniLimit), "ButtonsCount=1");
  EXPECT_EQ(skin.Entry("skin.ini", 13), std::nullopt);
  EXPECT_EQ(skin.Entry("1Normal.bmp", kSkinPictureLimit), std::nullopt);
  EXPECT_EQ(skin.Entry("1Normal.bmp", bomb.size())->size(), bomb.size());
  for (const char* name : {"2Normal.bmp", "3Normal.bmp", "5Normal.bmp", ""})
    EXPECT_EQ(skin.Entry(name, kSkinPictureLimit), std::nullopt) << name;
  if (aes) {
    EXPECT_EQ(skin.Entry("4Normal.bmp", kSkinPictureLimit), std::nullopt);
  }
}

// None of these may block or be taken for an archive.
TEST(SkinArchive, PipesFoldersHugeForeignAndTruncatedFilesAreRefused) {
  test::TempDir dir;
  ASSERT_TRUE(test::MakeZip(dir / "whole.zip", {{"skin.ini", std::string(5000, 'k')}}));
  const std::string whole = test::ReadRaw(dir / "whole.zip");
  test::WriteRaw(dir / "cut.zip", whole.substr(0, whole.size() / 2));
  test::WriteRaw(dir / "text.zip", "ButtonsCount=1\r\n");
  test::WriteRaw(dir / "empty.zip", "");
  ASSERT_EQ(mkfifo((dir / "pipe.zip").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.zip");
  ASSERT_EQ(truncate((dir / "whole.zip").c_str(), kSkinArchiveLimit + 1), 0);  // sparse: no disk used
  for (const char* name : {"whole.zip", "cut.zip", "text.zip", "empty.zip", "pipe.zip", "folder.zip", "gone.zip"}) {
    const OpenedSkinArchive opened = OpenSkinArchive(dir / name);
    EXPECT_TRUE(opened.archive == nullptr && !opened.error.empty()) << name;
  }
}

}  // namespace
}  // namespace plumex
