#include <gtest/gtest.h>

#include "config/path_macros.h"
#include "config/run_ini.h"
#include "config/tool_list.h"

namespace plumex {
namespace {

using Lines = std::vector<std::string>;

TEST(PathMacros, EachMacroOnceInOnePassThatNeverSearchesWhatItPutIn) {
  // The Windows folder's value holds a macro that must not be replaced in turn.
  const std::pair<const char*, const char*> commands[] = {
      {"%winpath%calc", "%SysPath%/calc"},  {"%PFPath%t %WinPath% %WINPATH%", "/p p/t %SysPath%/ %WINPATH%"},
      {"100% %Unknown% %WinPath", "100% %Unknown% %WinPath"},  {"%%SysPath%%", "%/s/%"},  {"", ""},
  };
  for (const auto& [text, expanded] : commands)
    EXPECT_EQ(ExpandFolderMacros(text, {"%SysPath%/", "/s/", "/p p/"}), expanded) << text;
  EXPECT_EQ(ExpandFolderMacros("%pfpath%x", LocalFolders()), "/opt/x");
  // params arrive split: a name with blanks, quotes or "@" stays one argument.
  const std::pair<const char*, Lines> files[] = {
      {"/m@n.org/a b\"c.htm", {"/m@n.org/a b\"c.htm", "/m@n.org/", ".htm", "htm", "a b\"c", "/m@n.org/", ""}},
      {"/h/temp.", {"/h/temp.", "/h/", ".", "", "temp", "/h/", ""}},
      {"/h/.bashrc", {"/h/.bashrc", "/h/", "", "", ".bashrc", "/h/", ""}},
  };
  for (const auto& [file, values] : files) {
    Lines pieces{"@filename", "@fullpath", "@.ext", "@ext", "@name", "@path", "@drive"};
    ExpandFirstOccurrences(pieces, RunFileMacros(file), LetterCase::Exact);
    EXPECT_EQ(pieces, values) << file;
  }
  Lines pieces{"-w", "@name@.ext", "@fullname", "@name", "@FULLNAME", "x@ext@extra"};
  ExpandFirstOccurrences(pieces, RunFileMacros("/d/page.htm"), LetterCase::Exact);
  EXPECT_EQ(pieces, (Lines{"-w", "page.htm", "/d/page.htm", "@name", "@FULLNAME", "xhtm@extra"}));
}

TEST(RunIni, TheExtensionsSectionWhenItSetsBothKeysElseDefaultsAndTheRunFile) {
  const IniFile ini = IniFile::Parse("[DEFAULT]\r\napp=a\r\nparams=b\r\n[sh]\r\napp=/bin/sh\r\nparams=-x\r\n"
                                     "[htm]\r\napp=c\r\n[\x01\xff]\r\napp=\r\n[py\r\napp=d\r\nparams=e");
  for (const char* extension : {"htm", "", "txt", "\x01\xff", "py", "]"})
    EXPECT_EQ(LookUpRunCommand(ini, extension), (RunCommand{"a", "b"})) << extension;
  EXPECT_EQ(LookUpRunCommand(ini, "SH"), (RunCommand{"/bin/sh", "-x"}));
  EXPECT_EQ(LookUpRunCommand(IniFile::Parse("[sh]\r\napp=x\r\nparams=y"), "txt"), RunCommand{});

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
  lines.resize(40, "T=/t");
  const std::vector<ToolItem> items =
      ToolMenuItems(lines, LocalFolders(), [](const std::string& command) { return command != "/missing"; });
  ASSERT_EQ(items.size(), kMaxTools);
  EXPECT_EQ(std::tuple(items[0], items[1], items[2], items.back().index),
            std::tuple(ToolItem{0, "Calc", "/usr/bin/calc"}, ToolItem{1, "A=B", "/x -y"}, ToolItem{5, "T", "/t"}, 22U));
  const auto installed = [](const std::string& path) { return path == "/usr/bin/kcalc" || path.ends_with("/xterm"); };
  EXPECT_EQ(DefaultToolLines(installed), (Lines{"Calculator=%WinPath%kcalc", "Terminal=%WinPath%xterm"}));
  EXPECT_EQ(DefaultToolLines([](const std::string&) { return true; })[1], "Files=%WinPath%xdg-open .");
  EXPECT_TRUE(IsInstalledProgram("/bin/sh"));
  EXPECT_FALSE(IsInstalledProgram("/etc/passwd") || IsInstalledProgram("/bin/") || IsInstalledProgram(""));
}

}  // namespace
}  // namespace plumex
