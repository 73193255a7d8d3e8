#pragma once
// The user-editable lists kept as plain files of lines in the program folder
// (signature, the two transliteration tables, tools, registered extensions;
// hot keys and recent files use the same type). A list is read whole and
// written whole; lines are Windows-1251 bytes.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"

namespace plumex {

class ListFile {
 public:
  explicit ListFile(std::string path);

  // Reads the file's lines; CR LF, LF and CR all end a line, and a last line
  // without an end counts. A missing file installs `defaults`, written at the
  // next save. A file that exists but cannot be read (or is unreasonably big)
  // leaves the list as it was and is not overwritten by Save().
  void Load(const std::vector<std::string>& defaults);

  // Writes every line followed by CR LF, through a temporary file, so a
  // failed write keeps the old file. Refused after a failed load.
  IoStatus Save() const;

  const std::vector<std::string>& lines() const { return lines_; }
  // Line ends inside a given line split it, so the list reads back as it is
  // saved. Lines that differ from the current ones are the user's new list
  // and are saved even over a file that could not be read; handing back
  // the same lines (as a dialog does on OK) keeps that file safe.
  void SetLines(const std::vector<std::string>& lines);

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;
  bool unreadable_ = false;
  // The lines as the file last held them, read or written; none when missing.
  mutable std::optional<std::vector<std::string>> onDisk_;
};

enum class AuxList { Signature, Translit, Ruslit, Tools, Exts };

inline constexpr std::array<AuxList, 5> kAuxLists = {
    AuxList::Signature, AuxList::Translit, AuxList::Ruslit, AuxList::Tools, AuxList::Exts,
};

// "signature.ini", "translit.ini", "ruslit.ini", "tools.ini", "exts.ini".
std::string_view AuxListFileName(AuxList list);
// The lines a list starts with when its file does not exist.
std::vector<std::string> AuxListDefaults(AuxList list);

// A name holding "=" is stored with each "=" as "#ravno#", since name=value
// lines split at the first "="; both directions replace every occurrence.
std::string EscapeEquals(std::string_view text);
std::string UnescapeEquals(std::string_view text);

}  // namespace plumex
