#include "config/recent_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using Lines = std::vector<std::string>;

class RecentListTest : public ::testing::Test {
 protected:
  std::string File() const { return dir / std::string(kRecentFileName); }
  // The list as loaded from a recent.ini holding `bytes`.
  RecentList Loaded(const std::string& bytes) const {
    test::WriteRaw(File(), bytes);
    RecentList recent(File());
    recent.Load();
    return recent;
  }
  test::TempDir dir;
};

TEST_F(RecentListTest, NewestFirstWithoutDuplicatesAndAtMostTen) {
  RecentList recent(File());
  recent.Load();
  EXPECT_TRUE(recent.Empty());
  for (int i = 0; i < 11; ++i) recent.AddToRecent("/docs/file" + std::to_string(i) + ".txt");
  ASSERT_EQ(recent.Lines().size(), kRecentLimit);
  EXPECT_EQ(recent.Lines().front(), "/docs/file10.txt=");
  EXPECT_EQ(recent.Lines().back(), "/docs/file1.txt=");

  // Reopening moves a file to the top and leaves one line for it.
  recent.RememberCaret("/docs/file5.txt", 77);
  recent.AddToRecent("/docs/file5.txt");
  EXPECT_EQ(recent.Lines().front(), "/docs/file5.txt=") << "the caret value is emptied";
  EXPECT_EQ(std::count(recent.Lines().begin(), recent.Lines().end(), "/docs/file5.txt="), 1);
  EXPECT_EQ(recent.Lines().size(), 9u) << "the old line went after the list was cut to ten";
  recent.AddToRecent("/docs/file5.txt");
  EXPECT_EQ(recent.Lines().size(), 9u);
}

TEST_F(RecentListTest, KeysDifferingInLetterCaseAreDifferentFiles) {
  RecentList recent(File());
  recent.AddToRecent("/docs/Notes.txt");
  recent.AddToRecent("/docs/notes.txt");
  recent.RememberCaret("/docs/Notes.txt", 12);
  recent.RememberCaret("/docs/notes.txt", 34);
  EXPECT_EQ(recent.Lines(), (Lines{"/docs/notes.txt=34", "/docs/Notes.txt=12"}));
  EXPECT_EQ(recent.RememberedCaret("/DOCS/NOTES.TXT"), 0);
}

TEST_F(RecentListTest, CaretValues) {
  RecentList recent = Loaded(
      "/a/plain.txt=1534\r\n/a/empty.txt=\r\n/a/bare.txt\r\n/a/word.txt=abc\r\n/a/minus.txt=-5\r\n"
      "/a/huge.txt=99999999999\r\n/a/spaced.txt= 12\r\n/a/plus.txt=+4\r\n/a/first.txt=5\r\n/a/first.txt=6\r\n");
  const struct { const char* path; int caret; } cases[] = {
      {"/a/plain.txt", 1534}, {"/a/empty.txt", 0}, {"/a/bare.txt", 0},  {"/a/word.txt", 0},
      {"/a/minus.txt", 0},    {"/a/huge.txt", 0},  {"/a/spaced.txt", 0}, {"/a/plus.txt", 0},
      {"/a/absent.txt", 0},   {"/a/first.txt", 5},  // the first of two lines counts
  };
  for (const auto& c : cases) EXPECT_EQ(recent.RememberedCaret(c.path), c.caret) << c.path;

  recent.RememberCaret("/a/new.txt", 9);
  EXPECT_EQ(recent.Lines().back(), "/a/new.txt=9") << "an unlisted path is appended";
  recent.RememberCaret("/a/new.txt", -3);
  EXPECT_EQ(recent.Lines().back(), "/a/new.txt=0");
}

TEST_F(RecentListTest, EqualsSignsAreEscapedInTheFileAndShownInTheMenu) {
  RecentList recent(File());
  const std::string path = "/my docs/a=b \"c\".txt";
  recent.AddToRecent(path);
  recent.RememberCaret(path, 1534);
  EXPECT_EQ(recent.Lines(), Lines{"/my docs/a#ravno#b \"c\".txt=1534"});
  EXPECT_EQ(recent.MenuEntries(), (std::vector<RecentEntry>{{0, path}}));
  EXPECT_EQ(recent.RememberedCaret(path), 1534);
}

TEST_F(RecentListTest, MenuItemsCarryTheirOwnIndex) {
  const RecentList recent =
      Loaded("/f0=1\r\n\r\n/f2\r\n/f3=\r\n/f4\r\n/f5\r\n/f6\r\n/f7\r\n/f8\r\n/f9\r\n/f10\r\n/f11=3\r\n");
  ASSERT_EQ(recent.Lines().size(), 12u) << "no limit of ten at load";
  const std::vector<RecentEntry> entries = recent.MenuEntries();
  ASSERT_EQ(entries.size(), 11u) << "a blank line is no file";
  EXPECT_EQ(entries[1], (RecentEntry{2, "/f2"}));
  EXPECT_EQ(entries[9], (RecentEntry{10, "/f10"})) << "item 10 opens line 10, not line 1";
  EXPECT_EQ(entries[10], (RecentEntry{11, "/f11"}));
}

TEST_F(RecentListTest, PersistsThroughRecentIni) {
  RecentList recent(File());
  recent.AddToRecent("/b.txt");
  recent.AddToRecent("/a.txt");
  recent.RememberCaret("/b.txt", 42);
  recent.AddToRecent("/bad\nname.txt");  // no path with a line break is stored
  recent.RememberCaret("/bad\r\nname.txt", 3);
  ASSERT_TRUE(recent.Save());
  EXPECT_EQ(test::ReadRaw(File()), "/a.txt=\r\n/b.txt=42\r\n");
  RecentList again(File());
  again.Load();
  EXPECT_EQ(again.Lines(), (Lines{"/a.txt=", "/b.txt=42"}));
  EXPECT_EQ(again.RememberedCaret("/b.txt"), 42);

  again.Clear();
  EXPECT_TRUE(again.MenuEntries().empty());
  ASSERT_TRUE(again.Save());
  EXPECT_EQ(test::ReadRaw(File()), "");
}

TEST_F(RecentListTest, MissingOrUnreadableFileGivesAnEmptyList) {
  RecentList missing(dir / "nowhere/recent.ini");
  missing.Load();
  EXPECT_TRUE(missing.Empty());

  // A directory where the file should be cannot be read and is left alone.
  std::filesystem::create_directory(File());
  RecentList blocked(File());
  blocked.Load();
  EXPECT_TRUE(blocked.Empty());
  EXPECT_FALSE(blocked.Save());
  EXPECT_TRUE(std::filesystem::is_directory(File()));
}

TEST_F(RecentListTest, AHugeFileIsCutToItsFirstLines) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "/f" + std::to_string(i) + "=1\r\n";
  const RecentList recent = Loaded(text);
  const auto entries = recent.MenuEntries();
  ASSERT_EQ(entries.size(), kRecentLoadLimit);
  EXPECT_EQ(entries.front().path, "/f0");
  EXPECT_EQ(recent.RememberedCaret("/f99"), 1);
}

}  // namespace
}  // namespace plumex
