#pragma once
// What the command line asks for. Switches count only as whole arguments, so
// Linux paths such as /root/... or /home/u/reports are plain file names.
#include <functional>
#include <span>
#include <string>

namespace plumex {

enum class StartRequest { Edit, Help, Version };

struct CommandLine {
  StartRequest request = StartRequest::Edit;
  std::string name;  // the remaining arguments joined by blanks; empty: none
  bool readOnly = false;
  bool print = false;
};

// `args` excludes the program path. "--" ends the switches, so a file really
// named "--help" opens as "./--help" or after "--".
CommandLine ParseCommandLine(std::span<const std::string> args);

std::string CommandLineHelp();
std::string VersionText();

struct DocumentPath {
  std::string folder;  // ends with '/'
  std::string fileName;
};

// Splits a command-line name into folder and file name, relative names
// against `currentFolder`. A name whose trailing blanks or dot the file system
// does not know is tried without them, as names typed at a prompt often
// carry them by accident; a name that exists as given is kept as given.
DocumentPath ResolveDocumentPath(const std::string& name, const std::string& currentFolder,
                                 const std::function<bool(const std::string&)>& exists);

}  // namespace plumex
