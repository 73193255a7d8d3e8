#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;

std::size_t EntriesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileIo, WriteThenReadEveryByteUnderAnAwkwardName) {
  test::TempDir dir;
  const std::string path = dir / "name with 'quotes' \"and\" =spaces= \xD0\xB6.txt";
  const std::string bytes = test::AllBytes() + test::AllBytes();
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  const ReadResult read = ReadFileBytes(path);
  ASSERT_TRUE(read.status) << read.status.error;
  EXPECT_EQ(read.bytes, bytes);
  EXPECT_EQ(EntriesIn(dir.path()), 1u) << "a temporary file was left behind";
}

TEST(FileIo, ReadRefusesWhatIsNotAWholeRegularFile) {
  test::TempDir dir;
  EXPECT_FALSE(ReadFileBytes(dir / "missing").status);
  EXPECT_FALSE(ReadFileBytes(dir.path()).status);
  test::WriteRaw(dir / "big", std::string(100, 'x'));
  const ReadResult capped = ReadFileBytes(dir / "big", 99);
  EXPECT_FALSE(capped.status);
  EXPECT_TRUE(capped.bytes.empty());
  EXPECT_TRUE(ReadFileBytes(dir / "big", 100).status);
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  EXPECT_FALSE(ReadFileBytes(dir / "pipe").status);  // refused, not waited on
}

// A failed write leaves the old file as it was and no temporary behind; a
// target we may not write (unless root, who may) is refused, not replaced.
TEST(FileIo, FailedWriteLeavesTheOldFileIntact) {
  test::TempDir dir;
  const std::string path = dir / "keep.txt";
  test::WriteRaw(path, "old text");
  EXPECT_FALSE(WriteFileAtomically(dir / "no such folder/x.txt", "new"));
  const IoStatus intoFolder = WriteFileAtomically(dir.path(), "new");
  EXPECT_FALSE(intoFolder);
  EXPECT_FALSE(intoFolder.error.empty());
  const IoStatus full = [&] {
    const test::FullDisk disk;  // gone before anything is reported
    return WriteFileAtomically(path, std::string(1 << 20, 'n'));
  }();
  EXPECT_FALSE(full);
  chmod(path.c_str(), 0444);
  EXPECT_EQ(WriteFileAtomically(path, "new").ok, test::RunningAsRoot());
  EXPECT_EQ(test::ReadRaw(path), test::RunningAsRoot() ? "new" : "old text");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

unsigned Mode(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_mode & 0777;
}

TEST(FileIo, AWriteKeepsPermissionsAndGoesThroughLinksAndTheReadOnlyAttributeFollowsTheMode) {
  test::TempDir dir;
  const std::string real = dir / "real.txt";
  test::WriteRaw(real, "old");
  chmod(real.c_str(), 0640);
  fs::create_symlink(real, dir / "link.txt");
  ASSERT_TRUE(WriteFileAtomically(dir / "link.txt", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(test::ReadRaw(real), "new");
  EXPECT_EQ(Mode(real), 0640u);
  chmod(real.c_str(), 0664);
  ApplyReadOnlyAttribute(real, true);
  EXPECT_TRUE(HasReadOnlyAttribute(real));
  EXPECT_EQ(Mode(real), 0444u);
  ApplyReadOnlyAttribute(real, false);
  EXPECT_FALSE(HasReadOnlyAttribute(real));
  ApplyReadOnlyAttribute(dir / "missing", true);
  ApplyReadOnlyAttribute(dir.path(), true);  // not a file: left alone
  EXPECT_NE(Mode(dir.path()) & S_IWUSR, 0u);
}

}  // namespace
}  // namespace plumex
