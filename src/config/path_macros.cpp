#include "config/path_macros.h"

#include <algorithm>

namespace plumex {
namespace {

char Folded(char c, LetterCase letterCase) {
  return letterCase == LetterCase::Ignored && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWith(std::string_view text, std::string_view prefix, LetterCase letterCase) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [&](char a, char b) { return Folded(a, letterCase) == Folded(b, letterCase); });
}

// Where a name's extension begins (its dot); npos when it has none.
std::size_t ExtensionDot(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == 0 ? std::string_view::npos : dot;
}

}  // namespace

void ExpandFirstOccurrences(std::span<std::string> pieces, std::span<const Macro> macros, LetterCase letterCase) {
  std::vector<bool> used(macros.size(), false);
  for (std::string& piece : pieces) {
    std::string out;
    for (std::size_t i = 0; i < piece.size();) {
      const std::string_view rest = std::string_view(piece).substr(i);
      const auto macro = std::find_if(macros.begin(), macros.end(),
                                      [&](const Macro& m) { return StartsWith(rest, m.name, letterCase); });
      if (macro == macros.end()) {
        out += piece[i++];
        continue;
      }
      // A later occurrence is copied whole, so no shorter macro is found inside it.
      const auto at = static_cast<std::size_t>(macro - macros.begin());
      out += used[at] ? rest.substr(0, macro->name.size()) : std::string_view(macro->value);
      used[at] = true;
      i += macro->name.size();
    }
    piece = std::move(out);
  }
}

FolderMacros LocalFolders() { return {"/usr/bin/", "/usr/sbin/", "/opt/"}; }

std::string ExpandFolderMacros(std::string_view text, const FolderMacros& folders) {
  const Macro macros[] = {{"%WinPath%", folders.winPath}, {"%SysPath%", folders.sysPath}, {"%PFPath%", folders.pfPath}};
  std::string piece(text);
  ExpandFirstOccurrences({&piece, 1}, macros, LetterCase::Ignored);
  return piece;
}

std::string_view FileExtension(std::string_view fileName) {
  const std::size_t dot = ExtensionDot(fileName);
  return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot + 1);
}

std::vector<Macro> RunFileMacros(std::string_view runFile) {
  const std::size_t slash = runFile.rfind('/');
  const std::string_view folder = slash == std::string_view::npos ? std::string_view() : runFile.substr(0, slash + 1);
  const std::string_view name = runFile.substr(folder.size());
  const std::size_t dot = std::min(ExtensionDot(name), name.size());
  return {
      {"@fullname", std::string(runFile)},
      {"@filename", std::string(runFile)},
      {"@fullpath", std::string(folder)},
      {"@.ext", std::string(name.substr(dot))},
      {"@ext", std::string(FileExtension(name))},
      {"@name", std::string(name.substr(0, dot))},
      {"@path", std::string(folder)},
      {"@drive", std::string()},
  };
}

}  // namespace plumex
