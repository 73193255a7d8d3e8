#pragma once
// The macros of tools.ini and run.ini. Each macro is replaced at its first
// occurrence only, in one pass from left to right: a folder or file name put
// in is never searched again, so "mail@name.org" stays what it is.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

struct Macro {
  std::string_view name;
  std::string value;
};

enum class LetterCase { Exact, Ignored };

// The pieces are one text for the first occurrences: a macro replaced in one
// argument stays as written in the arguments after it.
void ExpandFirstOccurrences(std::span<std::string> pieces, std::span<const Macro> macros, LetterCase letterCase);

// Folders for "%WinPath%", "%SysPath%" and "%PFPath%", each ending with '/'.
struct FolderMacros {
  std::string winPath;
  std::string sysPath;
  std::string pfPath;
};

// Where the programs such lines name live here: /usr/bin/ for the Windows
// folder, /usr/sbin/ for the system folder, /opt/ for the programs folder.
FolderMacros LocalFolders();

// The folder macros in any letter case.
std::string ExpandFolderMacros(std::string_view text, const FolderMacros& folders);

// A file name's extension without its dot; a leading dot starts a name, not
// an extension (".bashrc" has none).
std::string_view FileExtension(std::string_view fileName);

// The file macros of run.ini's params for the file Run writes: "@fullname",
// "@filename", "@fullpath", "@.ext", "@ext", "@name", "@path", "@drive".
// Paths have no drive, so "@drive" is empty and "@path" is "@fullpath".
std::vector<Macro> RunFileMacros(std::string_view runFile);

}  // namespace plumex
