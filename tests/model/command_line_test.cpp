#include "model/command_line.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace plumex {
namespace {

TEST(CommandLine, SwitchesCountOnlyAsWholeArguments) {
  using enum StartRequest;
  const struct { std::vector<std::string> args; std::string name; bool readOnly, print; StartRequest asks; } cases[] = {
      {{}, "", false, false, Edit}, {{"/r", "notes.txt"}, "notes.txt", true, false, Edit},
      {{"notes.txt", "/p"}, "notes.txt", false, true, Edit}, {{"/home/u/r", "/r"}, "/home/u/r", true, false, Edit},
      {{"/root/reports/p.txt"}, "/root/reports/p.txt", false, false, Edit},
      {{"my", "long", "name.txt"}, "my long name.txt", false, false, Edit},
      {{"--help"}, "", false, false, Help}, {{"--version"}, "", false, false, Version},
      {{"./--help"}, "./--help", false, false, Edit}, {{"--", "--help"}, "--help", false, false, Edit},
      {{"--", "/r"}, "/r", false, false, Edit}, {{"%1"}, "", false, false, Edit},
      {{"say \"hi\" 'there'.txt"}, "say \"hi\" 'there'.txt", false, false, Edit},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(std::tuple(line.name, line.readOnly, line.print, line.request),
              std::tuple(c.name, c.readOnly, c.print, c.asks)) << c.args.size();
  }
}

TEST(CommandLine, ResolvesFolderAndName) {
  const std::set<std::string> existing = {"/data/notes.", "/data/real.txt"};
  const auto exists = [&](const std::string& p) { return existing.contains(p); };
  const struct { std::string name, folder, file; } cases[] = {
      {"real.txt", "/data/", "real.txt"}, {"/data/real.txt  ", "/data/", "real.txt"},  // stray blanks dropped
      {"real.txt.", "/data/", "real.txt"},         // a trailing dot, as typed
      {"notes.", "/data/", "notes."},              // a file that really ends with a dot
      {"sub/../new file.txt", "/data/", "new file.txt"}, {"/other/x y/z.txt", "/other/x y/", "z.txt"},
  };
  for (const auto& c : cases) {
    const DocumentPath path = ResolveDocumentPath(c.name, "/data/", exists);
    EXPECT_EQ(path.folder + "|" + path.fileName, c.folder + "|" + c.file) << c.name;
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
