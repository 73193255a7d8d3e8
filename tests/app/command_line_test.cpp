#include "app/command_line.h"

#include <gtest/gtest.h>

#include <set>

namespace plumex {
namespace {

CommandLine Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

TEST(CommandLine, SwitchesCountOnlyAsWholeArguments) {
  const struct {
    std::vector<std::string> args;
    std::string name;
    bool readOnly, print;
    StartRequest request;
  } cases[] = {
      {{}, "", false, false, StartRequest::Edit},
      {{"/r", "notes.txt"}, "notes.txt", true, false, StartRequest::Edit},
      {{"notes.txt", "/p"}, "notes.txt", false, true, StartRequest::Edit},
      {{"/root/reports/p.txt"}, "/root/reports/p.txt", false, false, StartRequest::Edit},
      {{"/home/u/r", "/r"}, "/home/u/r", true, false, StartRequest::Edit},
      {{"my", "long", "name.txt"}, "my long name.txt", false, false, StartRequest::Edit},
      {{"--help"}, "", false, false, StartRequest::Help},
      {{"--version"}, "", false, false, StartRequest::Version},
      {{"./--help"}, "./--help", false, false, StartRequest::Edit},
      {{"--", "--help"}, "--help", false, false, StartRequest::Edit},
      {{"--", "/r"}, "/r", false, false, StartRequest::Edit},
      {{"%1"}, "", false, false, StartRequest::Edit},
      {{"say \"hi\" 'there'.txt"}, "say \"hi\" 'there'.txt", false, false, StartRequest::Edit},
  };
  for (const auto& c : cases) {
    const CommandLine line = Parse(c.args);
    EXPECT_EQ(line.name, c.name);
    EXPECT_EQ(line.readOnly, c.readOnly) << c.name;
    EXPECT_EQ(line.print, c.print) << c.name;
    EXPECT_EQ(line.request, c.request) << c.name;
  }
}

TEST(CommandLine, ResolvesFolderAndName) {
  const std::set<std::string> existing = {"/data/notes.", "/data/real.txt"};
  const auto exists = [&](const std::string& p) { return existing.contains(p); };
  const struct {
    std::string name, folder, file;
  } cases[] = {
      {"real.txt", "/data/", "real.txt"},
      {"/data/real.txt  ", "/data/", "real.txt"},  // stray blanks dropped
      {"real.txt.", "/data/", "real.txt"},         // a trailing dot, as typed
      {"notes.", "/data/", "notes."},              // a file that really ends with a dot
      {"sub/../new file.txt", "/data/", "new file.txt"},
      {"/other/x y/z.txt", "/other/x y/", "z.txt"},
  };
  for (const auto& c : cases) {
    const DocumentPath path = ResolveDocumentPath(c.name, "/data/", exists);
    EXPECT_EQ(path.folder, c.folder) << c.name;
    EXPECT_EQ(path.fileName, c.file) << c.name;
  }
}

TEST(CommandLine, HelpNamesTheSwitches) {
  const std::string help = CommandLineHelp();
  for (const char* word : {"/r", "/p", "--help", "--version", "FILE"})
    EXPECT_NE(help.find(word), std::string::npos) << word;
  EXPECT_EQ(VersionText(), "Plumex 1.91\n");
}

}  // namespace
}  // namespace plumex
