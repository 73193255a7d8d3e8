#include <gtest/gtest.h>

#include "config/path_macros.h"
#include "config/run_ini.h"
#include "config/tool_list.h"

namespace plumex {
namespace {

using Lines = std::vector<std::string>;

// Rows moved here from ListFiles.EqualsSignEscapeFolderMacrosAndBuiltInLists, now first occurrences only.
TEST(PathMacros, EachMacroOnceInOnePassThatNeverSearchesWhatItPutIn) {
  const FolderMacros folders{"/w/", "/s/", "/p p/"};
  const std::pair<const char*, const char*> commands[] = {
      {"%winpath%calc", "/w/calc"},  {"%PFPath%t %WinPath% %WINPATH%", "/p p/t /w/ %WINPATH%"},
      {"100% sure %Unknown% %WinPath", "100% sure %Unknown% %WinPath"},  {"%%SysPath%%", "%/s/%"},  {"", ""},
  };
  for (const auto& [text, expanded] : commands) EXPECT_EQ(ExpandFolderMacros(text, folders), expanded) << text;
  EXPECT_EQ(ExpandFolderMacros("%WinPath%x%PFPath%", {"%SysPath%", "never", ""}), "%SysPath%x");
  EXPECT_EQ(ExpandFolderMacros("%pfpath%x", LocalFolders()), "/opt/x");

  // params arrive split; a name with blanks, quotes or "@" stays one argument.
  const std::pair<const char*, Lines> files[] = {
      {"/m@n.org/a b\"c.htm",
       {"/m@n.org/a b\"c.htm", "/m@n.org/a b\"c.htm", "/m@n.org/", ".htm", "htm", "a b\"c", "/m@n.org/", ""}},
      {"/h/temp.", {"/h/temp.", "/h/temp.", "/h/", ".", "", "temp", "/h/", ""}},
      {"/h/.bashrc", {"/h/.bashrc", "/h/.bashrc", "/h/", "", "", ".bashrc", "/h/", ""}},
  };
  for (const auto& [file, values] : files) {
    Lines pieces{"@fullname", "@filename", "@fullpath", "@.ext", "@ext", "@name", "@path", "@drive"};
    ExpandFirstOccurrences(pieces, RunFileMacros(file), LetterCase::Exact);
    EXPECT_EQ(pieces, values) << file;
  }
  Lines pieces{"-w", "@name@.ext", "@name", "@FULLNAME", "x@ext@extra"};
  ExpandFirstOccurrences(pieces, RunFileMacros("/d/page.htm"), LetterCase::Exact);
  EXPECT_EQ(pieces, (Lines{"-w", "page.htm", "@name", "@FULLNAME", "xhtm@extra"}));
}

TEST(RunIni, TheExtensionsSectionWhenItSetsBothKeysElseDefaultsAndTheRunFile) {
  const std::string ini =
      "[DEFAULT]\r\napp=xdg-open\r\nparams=@fullname\r\n[sh]\r\napp=/bin/sh\r\nparams=-x @name\r\n"
      "[htm]\r\napp=%PFPath%browser\r\n[\x01\xff]\r\napp=\r\n[py\r\napp=python\r\nparams=\"@fullname\"";
  const RunCommand fallback{"xdg-open", "@fullname"};
  const std::pair<const char*, RunCommand> cases[] = {
      {"sh", {"/bin/sh", "-x @name"}},  {"SH", {"/bin/sh", "-x @name"}},  {"htm", fallback},  {"", fallback},
      {"txt", fallback},  {"\x01\xff", fallback},  {"py", fallback},  {"]", fallback},
  };
  for (const auto& [extension, command] : cases)
    EXPECT_EQ(LookUpRunCommand(IniFile::Parse(ini), extension), command) << extension;
  EXPECT_EQ(LookUpRunCommand(IniFile::Parse("[sh]\r\napp=x\r\nparams=y"), "txt"), RunCommand{});
  EXPECT_EQ(LookUpRunCommand(IniFile::Parse(std::string(1 << 16, '\0')), "txt"), RunCommand{});

  const struct { bool temp, app; const char* name; const char* file; } runFiles[] = {
      {true, false, "a.b.HTM", "/doc/temp.HTM"},  {true, true, "Makefile", "/prog/temp."},
      {true, false, ".profile", "/doc/temp."},  {false, true, "run.ini", "/doc/run.ini"},
  };
  for (const auto& row : runFiles) {
    Settings settings;
    settings.UseTempFile = row.temp;
    settings.UseAppFolder = row.app;
    EXPECT_EQ(RunFilePath({.Folder = "/doc/", .FileName = row.name}, settings, "/prog/"), row.file) << row.name;
  }
}

TEST(ToolList, PresentToolsInFileOrderUpToTwentyEachWithItsLineAndDefaultsOnlyWhenInstalled) {
  Lines lines{"Calc=%winpath%calc", "A#ravno#B=/x -y", "no equals", "Gone=/missing", "Empty="};
  for (int i = 0; i < 30; ++i) lines.push_back("T" + std::to_string(i) + "=/t");
  const auto present = [](const std::string& command) { return command != "/missing"; };
  const std::vector<ToolItem> items = ToolMenuItems(lines, LocalFolders(), present);
  ASSERT_EQ(items.size(), kMaxTools);
  EXPECT_EQ(items[0], (ToolItem{0, "Calc", "/usr/bin/calc"}));
  EXPECT_EQ(items[1], (ToolItem{1, "A=B", "/x -y"}));
  EXPECT_EQ(items[2], (ToolItem{5, "T0", "/t"}));
  EXPECT_EQ(items.back().index, 22U);

  const auto installed = [](const std::string& path) { return path == "/usr/bin/kcalc" || path.ends_with("/xterm"); };
  EXPECT_EQ(DefaultToolLines(installed), (Lines{"Calculator=%WinPath%kcalc", "Terminal=%WinPath%xterm"}));
  EXPECT_EQ(DefaultToolLines([](const std::string&) { return true; })[1], "Files=%WinPath%xdg-open .");
  EXPECT_TRUE(IsInstalledProgram("/bin/sh"));
  EXPECT_FALSE(IsInstalledProgram("/etc/passwd") || IsInstalledProgram("/bin/") || IsInstalledProgram(""));
}

}  // namespace
}  // namespace plumex
