#include "config/list_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "convert/translit.h"
#include "platform/win1251.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(ListFiles, NamesAndBuiltInContents) {
  const struct {
    AuxList list;
    const char* name;
  } files[] = {{AuxList::Signature, "signature.ini"}, {AuxList::Translit, "translit.ini"},
               {AuxList::Ruslit, "ruslit.ini"},       {AuxList::Tools, "tools.ini"},
               {AuxList::Exts, "exts.ini"}};
  ASSERT_EQ(std::size(files), kAuxLists.size());
  for (const auto& f : files) EXPECT_EQ(AuxListFileName(f.list), f.name);

  EXPECT_EQ(AuxListDefaults(AuxList::Signature), Lines{"Hello World!"});
  EXPECT_EQ(AuxListDefaults(AuxList::Translit), BuiltInTranslitLines());
  EXPECT_EQ(AuxListDefaults(AuxList::Ruslit), BuiltInRuslitLines());
  EXPECT_EQ(AuxListDefaults(AuxList::Tools),
            (Lines{"Calculator=%WinPath%calc.exe", "Explorer=%WinPath%explorer.scf",
                   "Clipboard=%WinPath%clipbrd.exe"}));
  EXPECT_TRUE(AuxListDefaults(AuxList::Exts).empty());
}

TEST(ListFiles, MissingFileStartsWithDefaultsAndIsCreatedAtSave) {
  test::TempDir dir;
  for (AuxList list : kAuxLists) {
    ListFile file(dir / std::string(AuxListFileName(list)));
    file.Load(AuxListDefaults(list));
    EXPECT_EQ(file.lines(), AuxListDefaults(list)) << AuxListFileName(list);
    ASSERT_TRUE(file.Save()) << file.path();

    ListFile again(file.path());
    again.Load({"not used: the file exists now"});
    EXPECT_EQ(again.lines(), AuxListDefaults(list)) << AuxListFileName(list);
  }
  EXPECT_EQ(test::ReadRaw(dir / "tools.ini"),
            "Calculator=%WinPath%calc.exe\r\nExplorer=%WinPath%explorer.scf\r\n"
            "Clipboard=%WinPath%clipbrd.exe\r\n");
  EXPECT_EQ(test::ReadRaw(dir / "exts.ini"), "");
  EXPECT_EQ(test::ReadRaw(dir / "translit.ini").substr(0, 10), "\xC0=A\r\n\xE0=a\r\n");
}

TEST(ListFiles, EmptyFileIsAnEmptyList) {
  test::TempDir dir;
  test::WriteRaw(dir / "signature.ini", "");
  ListFile signature(dir / "signature.ini");
  signature.Load({"Hello World!"});
  EXPECT_TRUE(signature.lines().empty()) << "an empty signature, not the default";
  ASSERT_TRUE(signature.Save());
  EXPECT_EQ(test::ReadRaw(dir / "signature.ini"), "");
}

TEST(ListFiles, EveryLineEndStyleReads) {
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\r\n\r\nb\r\n\r\n", {"a", "", "b", ""}},
      {"\r\n", {""}},
      {"\n\n\n", {"", "", ""}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {" x = y \t\r\n", {" x = y \t"}},
      {std::string("nul\0byte\r\n", 10), {std::string("nul\0byte", 8)}},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    test::WriteRaw(dir / "list.ini", c.bytes);
    ListFile file(dir / "list.ini");
    file.Load({"default"});
    EXPECT_EQ(file.lines(), c.lines) << c.bytes;
    ListFile copy(dir / "copy.ini");
    copy.Load({});
    copy.SetLines(file.lines());
    ASSERT_TRUE(copy.Save());
    std::string expected;
    for (const std::string& line : c.lines) expected += line + "\r\n";
    EXPECT_EQ(test::ReadRaw(dir / "copy.ini"), expected) << "written with CR LF";
    std::filesystem::remove(dir / "copy.ini");
  }
}

TEST(ListFiles, RoundTripsAreByteExactAndNeverGrow) {
  test::TempDir dir;
  std::string bytes = "first\r\n\r\n" + Utf8ToWin1251("Подпись: Иван Петров") + "\r\n   \r\nlast\r\n";
  for (char c : test::AllBytes())
    if (c != '\r' && c != '\n') bytes += c;
  bytes += "\r\n";
  const std::string path = dir / "signature.ini";
  test::WriteRaw(path, bytes);
  for (int round = 0; round < 3; ++round) {
    ListFile file(path);
    file.Load({});
    EXPECT_EQ(file.lines().size(), 6u);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(test::ReadRaw(path), bytes) << "round " << round;
  }
}

TEST(ListFiles, PathsWithSpacesAndQuotes) {
  test::TempDir dir;
  const std::string folder = dir / "Program Files \"Plumex\" 'copy'";
  fs::create_directory(folder);
  ListFile tools(folder + "/tools.ini");
  tools.Load(AuxListDefaults(AuxList::Tools));
  ASSERT_TRUE(tools.Save());
  ListFile again(folder + "/tools.ini");
  again.Load({});
  EXPECT_EQ(again.lines(), AuxListDefaults(AuxList::Tools));
}

TEST(ListFiles, AFileThatCannotBeReadIsNotOverwritten) {
  test::TempDir dir;

  // A folder where the file should be.
  fs::create_directory(dir / "translit.ini");
  ListFile folder(dir / "translit.ini");
  folder.Load(BuiltInTranslitLines());
  EXPECT_TRUE(folder.lines().empty()) << "the list stays as it was";
  EXPECT_FALSE(folder.Save());
  EXPECT_TRUE(fs::is_directory(dir / "translit.ini"));

  // A file far too big to be a list.
  const std::string big = dir / "ruslit.ini";
  test::WriteRaw(big, "");
  ASSERT_EQ(truncate(big.c_str(), 64 << 20), 0);
  ListFile huge(big);
  huge.Load(BuiltInRuslitLines());
  EXPECT_TRUE(huge.lines().empty());
  EXPECT_FALSE(huge.Save());
  EXPECT_EQ(fs::file_size(big), 64u << 20);
}

TEST(ListFiles, AFileWeMayNotReadIsNotOverwritten) {
  if (test::RunningAsRoot()) GTEST_SKIP() << "root reads every file";
  test::TempDir dir;
  const std::string locked = dir / "tools.ini";
  test::WriteRaw(locked, "Mine=/usr/bin/mine\r\n");
  ASSERT_EQ(chmod(locked.c_str(), 0200), 0);
  ListFile tools(locked);
  tools.Load(AuxListDefaults(AuxList::Tools));
  EXPECT_TRUE(tools.lines().empty());
  EXPECT_FALSE(tools.Save());
  tools.SetLines(tools.lines());  // the dialog handing back what it showed
  EXPECT_FALSE(tools.Save());
  chmod(locked.c_str(), 0600);
  EXPECT_EQ(test::ReadRaw(locked), "Mine=/usr/bin/mine\r\n");
}

TEST(ListFiles, EditedLinesReplaceAFileThatCouldNotBeRead) {
  test::TempDir dir;
  fs::create_directory(dir / "signature.ini");
  ListFile signature(dir / "signature.ini");
  signature.Load({"Hello World!"});
  signature.SetLines({});
  EXPECT_FALSE(signature.Save()) << "the same (empty) lines are no edit";
  fs::remove(dir / "signature.ini");
  signature.SetLines({"Best regards"});
  ASSERT_TRUE(signature.Save());
  EXPECT_EQ(test::ReadRaw(dir / "signature.ini"), "Best regards\r\n");
}

TEST(ListFiles, LineEndsInsideGivenLinesSplitThem) {
  test::TempDir dir;
  ListFile file(dir / "signature.ini");
  file.SetLines({"one\r\ntwo", "", "three\rfour", "five\nsix"});
  EXPECT_EQ(file.lines(), (Lines{"one", "two", "", "three", "four", "five", "six"}));
  ASSERT_TRUE(file.Save());
  ListFile again(file.path());
  again.Load({});
  EXPECT_EQ(again.lines(), file.lines());
}

TEST(ListFiles, EqualsSignEscape) {
  const struct {
    const char* plain;
    const char* escaped;
  } cases[] = {
      {"", ""},
      {"no sign", "no sign"},
      {"C:\\a=b\\c.txt", "C:\\a#ravno#b\\c.txt"},
      {"==", "#ravno##ravno#"},
      {"=x=", "#ravno#x#ravno#"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeEquals(c.plain), c.escaped);
    EXPECT_EQ(UnescapeEquals(c.escaped), c.plain);
  }
  EXPECT_EQ(UnescapeEquals(EscapeEquals("x#ravno#y")), "x=y") << "the escape itself reads as =";
  EXPECT_EQ(UnescapeEquals("#RAVNO# #ravno #ravno"), "#RAVNO# #ravno #ravno") << "case-sensitive, whole";
  EXPECT_EQ(UnescapeEquals("#ravno#ravno#"), "=ravno#");
}

TEST(ListFiles, FolderMacrosInAnyLetterCase) {
  const FolderMacros folders{"C:\\WINDOWS\\", "C:\\WINDOWS\\system32\\", "C:\\Program Files\\"};
  const struct {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"%WinPath%calc.exe", "C:\\WINDOWS\\calc.exe"},
      {"%winpath%calc.exe", "C:\\WINDOWS\\calc.exe"},
      {"%WINPATH%notepad.exe", "C:\\WINDOWS\\notepad.exe"},
      {"%SysPath%clipbrd.exe", "C:\\WINDOWS\\system32\\clipbrd.exe"},
      {"%pfpath%Tool\\tool.exe %WinPath%", "C:\\Program Files\\Tool\\tool.exe C:\\WINDOWS\\"},
      {"100% sure %Unknown% %WinPath", "100% sure %Unknown% %WinPath"},
      {"%%WinPath%%", "%C:\\WINDOWS\\%"},
      {"", ""},
      {"%", "%"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandFolderMacros(c.text, folders), c.expanded) << c.text;

  const FolderMacros tricky{"%SysPath%", "never", ""};
  EXPECT_EQ(ExpandFolderMacros("%WinPath%x%PFPath%", tricky), "%SysPath%x") << "no second pass";
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

}  // namespace
}  // namespace plumex
