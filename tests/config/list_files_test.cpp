#include "config/list_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "convert/translit.h"
#include "convert/win1251.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines LoadedLines(const std::string& path, const Lines& defaults = {}) {
  ListFile file(path);
  file.Load(defaults);
  return file.lines();
}

TEST(ListFiles, MissingFileStartsWithTheBuiltInListAndIsCreatedAtSave) {
  const std::pair<AuxList, const char*> files[] = {{AuxList::Signature, "signature.ini"},
                                                   {AuxList::Translit, "translit.ini"},
                                                   {AuxList::Ruslit, "ruslit.ini"},
                                                   {AuxList::Tools, "tools.ini"},
                                                   {AuxList::Exts, "exts.ini"}};
  ASSERT_EQ(std::size(files), kAuxLists.size());
  for (const auto& [list, name] : files) EXPECT_EQ(AuxListFileName(list), name);

  test::TempDir temp;
  const std::string dir = temp / "Program Files \"Plumex\" 'copy'/";
  fs::create_directory(dir);
  for (AuxList list : kAuxLists) {
    ListFile file(dir + std::string(AuxListFileName(list)));
    file.Load(AuxListDefaults(list));
    EXPECT_EQ(file.lines(), AuxListDefaults(list)) << file.path();
    ASSERT_TRUE(file.Save()) << file.path();
    EXPECT_EQ(LoadedLines(file.path(), {"not used: the file exists now"}), AuxListDefaults(list)) << file.path();
  }
  EXPECT_EQ(test::ReadRaw(dir + "signature.ini"), "Hello World!\r\n");
  EXPECT_EQ(test::ReadRaw(dir + "tools.ini"),
            "Calculator=%WinPath%calc.exe\r\nExplorer=%WinPath%explorer.scf\r\nClipboard=%WinPath%clipbrd.exe\r\n");
  EXPECT_EQ(test::ReadRaw(dir + "exts.ini"), "");
  EXPECT_EQ(AuxListDefaults(AuxList::Translit), BuiltInTranslitLines());
  EXPECT_EQ(AuxListDefaults(AuxList::Ruslit), BuiltInRuslitLines());
}

std::string AllButLineEnds() {
  std::string bytes = test::AllBytes();
  std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
  return bytes;
}

TEST(ListFiles, EveryLineEndStyleReadsAndEveryOtherByteRoundTrips) {
  const std::string signature = Utf8ToWin1251("Подпись: Иван Петров");
  const struct { std::string bytes; Lines lines; } cases[] = {
      {"", {}},  // an empty list (say, no signature), not the built-in one
      {"a\r\nb\r\n", {"a", "b"}},  {"a\nb\n", {"a", "b"}},  {"a\rb\r", {"a", "b"}},  {"a\rb", {"a", "b"}},
      {"a\r\n\r\nb\r\n\r\n", {"a", "", "b", ""}},  {"\n\n\n", {"", "", ""}},
      {"a\n\rb", {"a", "", "b"}},  {"a\r\r\nb", {"a", "", "b"}},  {" x = y \t\r\n", {" x = y \t"}},
      {"first\r\n\r\n" + signature + "\r\n   \r\n" + AllButLineEnds() + "\r\n",
       {"first", "", signature, "   ", AllButLineEnds()}},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    test::WriteRaw(dir / "list.ini", c.bytes);
    ListFile file(dir / "list.ini");
    file.Load({"default"});
    EXPECT_EQ(file.lines(), c.lines) << c.bytes;
    EXPECT_TRUE(file.Save());
    fs::remove(dir / "copy.ini");
    ListFile copy(dir / "copy.ini");
    copy.Load({});
    copy.SetLines(file.lines());
    ASSERT_TRUE(copy.Save());
    std::string expected;
    for (const std::string& line : c.lines) expected += line + "\r\n";
    EXPECT_EQ(test::ReadRaw(dir / "copy.ini"), expected);
  }
}

// Loads with defaults, then saves: both the load and the save must leave the file alone.
void ExpectUntouched(const std::string& path, const Lines& defaults) {
  ListFile file(path);
  file.Load(defaults);
  EXPECT_TRUE(file.lines().empty()) << "the list stays as it was";
  EXPECT_FALSE(file.Save());
  file.SetLines(file.lines());  // the dialog handing back what it showed
  EXPECT_FALSE(file.Save());
}

TEST(ListFiles, AFileThatCannotBeReadIsNotOverwritten) {
  test::TempDir dir;
  fs::create_directory(dir / "translit.ini");
  ExpectUntouched(dir / "translit.ini", BuiltInTranslitLines());
  EXPECT_TRUE(fs::is_directory(dir / "translit.ini"));

  const std::string big = dir / "ruslit.ini";  // far too big to be a list
  test::WriteRaw(big, "");
  ASSERT_EQ(truncate(big.c_str(), 64 << 20), 0);
  ExpectUntouched(big, BuiltInRuslitLines());
  EXPECT_EQ(fs::file_size(big), 64u << 20);
}

TEST(ListFiles, AFileWeMayNotReadIsNotOverwritten) {
  if (test::RunningAsRoot()) GTEST_SKIP() << "root reads every file";
  test::TempDir dir;
  const std::string locked = dir / "tools.ini";
  test::WriteRaw(locked, "Mine=/usr/bin/mine\r\n");
  ASSERT_EQ(chmod(locked.c_str(), 0200), 0);
  ExpectUntouched(locked, AuxListDefaults(AuxList::Tools));
  chmod(locked.c_str(), 0600);
  EXPECT_EQ(test::ReadRaw(locked), "Mine=/usr/bin/mine\r\n");
}

TEST(ListFiles, EditedLinesReplaceAFileThatCouldNotBeRead) {
  test::TempDir dir;
  fs::create_directory(dir / "signature.ini");
  ListFile signature(dir / "signature.ini");
  signature.Load({"Hello World!"});
  fs::remove(dir / "signature.ini");
  signature.SetLines({"Best regards"});
  ASSERT_TRUE(signature.Save());
  EXPECT_EQ(test::ReadRaw(dir / "signature.ini"), "Best regards\r\n");
}

TEST(ListFiles, AnUnchangedListLeavesTheFileAsTheUserLastWroteIt) {
  test::TempDir dir;
  const std::string path = dir / "signature.ini";
  test::WriteRaw(path, "old\n");
  ListFile list(path);
  list.Load({});
  test::WriteRaw(path, "edited by hand\r\n");  // meanwhile, elsewhere
  ASSERT_TRUE(list.Save());
  EXPECT_EQ(test::ReadRaw(path), "edited by hand\r\n");
  list.SetLines({"new"});
  ASSERT_TRUE(list.Save());
  EXPECT_EQ(test::ReadRaw(path), "new\r\n");
}

TEST(ListFiles, LineEndsInsideGivenLinesSplitThem) {
  test::TempDir dir;
  ListFile file(dir / "signature.ini");
  file.SetLines({"one\r\ntwo", "", "three\rfour", "five\nsix"});
  EXPECT_EQ(file.lines(), (Lines{"one", "two", "", "three", "four", "five", "six"}));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(LoadedLines(file.path()), file.lines());
}

TEST(ListFiles, EqualsSignEscape) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""}, {"no sign", "no sign"}, {"C:\\a=b\\c.txt", "C:\\a#ravno#b\\c.txt"},
      {"==", "#ravno##ravno#"}, {"=x=", "#ravno#x#ravno#"},
  };
  for (const auto& [plain, escaped] : cases) {
    EXPECT_EQ(EscapeEquals(plain), escaped);
    EXPECT_EQ(UnescapeEquals(escaped), plain);
  }
  EXPECT_EQ(UnescapeEquals(EscapeEquals("x#ravno#y")), "x=y") << "the escape itself reads as =";
  EXPECT_EQ(UnescapeEquals("#RAVNO# #ravno #ravno"), "#RAVNO# #ravno #ravno") << "case-sensitive, whole";
  EXPECT_EQ(UnescapeEquals("#ravno#ravno#"), "=ravno#");
}

TEST(ListFiles, FolderMacrosInAnyLetterCase) {
  const FolderMacros folders{"C:\\WINDOWS\\", "C:\\WINDOWS\\system32\\", "C:\\Program Files\\"};
  const std::pair<const char*, const char*> cases[] = {
      {"%WinPath%calc.exe", "C:\\WINDOWS\\calc.exe"},
      {"%winpath%calc.exe", "C:\\WINDOWS\\calc.exe"},
      {"%SysPath%clipbrd.exe", "C:\\WINDOWS\\system32\\clipbrd.exe"},
      {"%pfpath%Tool\\tool.exe %WinPath%", "C:\\Program Files\\Tool\\tool.exe C:\\WINDOWS\\"},
      {"100% sure %Unknown% %WinPath", "100% sure %Unknown% %WinPath"},
      {"%%WinPath%%", "%C:\\WINDOWS\\%"},
      {"", ""},
      {"%", "%"},
  };
  for (const auto& [text, expanded] : cases) EXPECT_EQ(ExpandFolderMacros(text, folders), expanded) << text;
  const FolderMacros tricky{"%SysPath%", "never", ""};
  EXPECT_EQ(ExpandFolderMacros("%WinPath%x%PFPath%", tricky), "%SysPath%x") << "no second pass";
}

}  // namespace
}  // namespace plumex
