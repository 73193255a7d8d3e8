#include "config/list_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "config/recent_list.h"
#include "convert/win1251.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Any line end reads; every other byte, blanks and all, comes back as it was,
// and a file that exists, even empty, is never replaced by the built-in list.
TEST(ListFiles, EveryLineEndStyleReadsAndEveryOtherByteRoundTrips) {
  std::string bytes = test::AllBytes();
  std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
  const std::string signature = Utf8ToWin1251("Подпись: Иван Петров");
  const struct { std::string bytes; Lines lines; } cases[] = {
      {"", {}},  {"a\r\nb\r\n", {"a", "b"}},  {"a\nb\n", {"a", "b"}},  {"a\rb\r", {"a", "b"}},  {"a\rb", {"a", "b"}},
      {"a\r\n\r\nb\r\n\r\n", {"a", "", "b", ""}},  {"\n\n\n", {"", "", ""}},  {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},  {" x = y \t\r\n", {" x = y \t"}},
      {"first\r\n\r\n" + signature + "\r\n   \r\n" + bytes + "\r\n", {"first", "", signature, "   ", bytes}},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    test::WriteRaw(dir / "list.ini", c.bytes);
    ListFile file(dir / "list.ini");
    file.Load({"default"});
    EXPECT_EQ(file.lines(), c.lines) << c.bytes;
    ListFile copy(dir / "copy.ini");
    copy.SetLines(file.lines());
    ASSERT_TRUE(copy.Save());
    std::string expected;
    for (const std::string& line : c.lines) expected += line + "\r\n";
    EXPECT_EQ(test::ReadRaw(dir / "copy.ini"), expected);
  }
  // Line ends inside given lines split them, so the list reads back as saved.
  ListFile split(dir / "split.ini");
  split.SetLines({"one\r\ntwo", "", "three\rfour", "five\nsix"});
  EXPECT_EQ(split.lines(), (Lines{"one", "two", "", "three", "four", "five", "six"}));
}

// Save writes only a list the user changed: an unchanged one leaves the file
// as the user last wrote it. A file that cannot be read (a folder in its
// place, one far too big to be a list) leaves the list as it was, and is
// written over only with new lines.
TEST(ListFiles, OnlyAChangedListIsWrittenOverItsFile) {
  test::TempDir dir;
  fs::create_directory(dir / "folder.ini");
  test::WriteRaw(dir / "big.ini", "");
  ASSERT_EQ(truncate((dir / "big.ini").c_str(), 64 << 20), 0);
  for (const char* name : {"folder.ini", "big.ini"}) {
    ListFile file(dir / name);
    file.Load({"default"});
    EXPECT_TRUE(file.lines().empty()) << name;
    file.SetLines(file.lines());  // the dialog handing back what it showed
    EXPECT_FALSE(file.Save()) << name;
  }
  EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));
  EXPECT_EQ(fs::file_size(dir / "big.ini"), 64u << 20);
  ListFile edited(dir / "big.ini");
  edited.Load({});
  edited.SetLines({"Best regards"});
  ASSERT_TRUE(edited.Save());
  EXPECT_EQ(test::ReadRaw(dir / "big.ini"), "Best regards\r\n");

  test::WriteRaw(dir / "signature.ini", "old\n");
  ListFile list(dir / "signature.ini");
  list.Load({});
  test::WriteRaw(dir / "signature.ini", "edited by hand\r\n");  // meanwhile, elsewhere
  ASSERT_TRUE(list.Save());
  EXPECT_EQ(test::ReadRaw(dir / "signature.ini"), "edited by hand\r\n");
}

TEST(ListFiles, EqualsSignEscapeAndBuiltInLists) {
  const std::pair<const char*, const char*> escapes[] = {
      {"", ""}, {"no sign", "no sign"}, {"C:\\a=b\\c.txt", "C:\\a#ravno#b\\c.txt"}, {"=x=", "#ravno#x#ravno#"}};
  for (const auto& [plain, escaped] : escapes)
    EXPECT_EQ(EscapeEquals(plain) + "|" + UnescapeEquals(escaped), std::string(escaped) + "|" + plain);
  EXPECT_EQ(UnescapeEquals(EscapeEquals("x#ravno#y")), "x=y") << "the escape itself reads as =";
  EXPECT_EQ(UnescapeEquals("#RAVNO# #ravno #ravno#ravno#"), "#RAVNO# #ravno =ravno#") << "case-sensitive, whole";

  // The built-in lists a missing file starts with (written at once: TextCommands.FirstStartWritesTheListFiles...).
  EXPECT_EQ(AuxListDefaults(AuxList::Signature), Lines{"Hello World!"});
  EXPECT_TRUE(AuxListDefaults(AuxList::Exts).empty());
}

// Ten newest first, once each, kept across starts: RecentFlow.TheTenNewestFilesNewestFirstAndKeptAcrossStartsUntilCleared;
// unreadable files: ListFiles.OnlyAChangedListIsWrittenOverItsFile.
TEST(RecentList, AddingEmptiesTheCaretTellsLetterCaseApartAndCaretValuesEscapesAndMenuItemsRead) {
  test::TempDir dir;
  RecentList recent(dir / "recent.ini");
  recent.AddToRecent("/b.txt");
  recent.AddToRecent("/a.txt");
  recent.RememberCaret("/b.txt", 42);
  recent.RememberCaret("/a.txt", 7);
  recent.AddToRecent("/a.txt");  // to the top again, its caret value emptied
  recent.AddToRecent("/B.txt");
  recent.AddToRecent("/bad\nname.txt");  // no path with a line break is stored
  recent.RememberCaret("/bad\r\nname.txt", 3);
  ASSERT_TRUE(recent.Save());
  EXPECT_EQ(test::ReadRaw(dir / "recent.ini"), "/B.txt=\r\n/a.txt=\r\n/b.txt=42\r\n");
  RecentList missing(dir / "nowhere/recent.ini");
  missing.Load();
  EXPECT_TRUE(missing.Empty());

  test::WriteRaw(dir / "recent.ini",
                 "/a/plain.txt=1534\r\n\r\n/a/bare.txt\r\n/a/word.txt=abc\r\n/a/minus.txt=-5\r\n/a/huge.txt=99999999999\r\n"
                 "/a/spaced.txt= 12\r\n/a/plus.txt=+4\r\n/a/first.txt=5\r\n/a/first.txt=6\r\n/a/Case.txt=8\r\n"
                 "/my docs/a#ravno#b \"c\".txt=3\r\n");
  recent.Load();  // read again, as at the next start
  const std::pair<const char*, int> carets[] = {
      {"/a/plain.txt", 1534}, {"/a/bare.txt", 0},  {"/a/word.txt", 0}, {"/a/minus.txt", 0}, {"/a/huge.txt", 0},
      {"/a/spaced.txt", 0},   {"/a/plus.txt", 0},  {"/a/absent.txt", 0}, {"/a/first.txt", 5}, {"/a/case.txt", 0},
      {"/my docs/a=b \"c\".txt", 3},
  };
  for (const auto& [path, caret] : carets) EXPECT_EQ(recent.RememberedCaret(path), caret) << path;
  const std::vector<RecentEntry> entries = recent.MenuEntries();
  ASSERT_EQ(entries.size(), 11u) << "a blank line is no file";
  EXPECT_EQ(entries[1], (RecentEntry{2, "/a/bare.txt"})) << "an item opens its own line";
  EXPECT_EQ(entries[10], (RecentEntry{11, "/my docs/a=b \"c\".txt"}));

  recent.RememberCaret("/a/new=.txt", 9);
  EXPECT_EQ(recent.Lines().back(), "/a/new#ravno#.txt=9") << "an unlisted path is appended";
  recent.RememberCaret("/a/new=.txt", -3);
  EXPECT_EQ(recent.Lines().back(), "/a/new#ravno#.txt=0");

  std::string text;
  for (int i = 0; i < 5000; ++i) text += "/f" + std::to_string(i) + "=1\r\n";
  test::WriteRaw(dir / "recent.ini", text);
  recent.Load();
  EXPECT_EQ(recent.MenuEntries().size(), kRecentLoadLimit) << "a huge file is cut to its first lines";
  EXPECT_EQ(recent.RememberedCaret("/f99"), 1);
}

}  // namespace
}  // namespace plumex
