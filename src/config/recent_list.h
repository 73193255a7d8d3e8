#pragma once
// The recent files under File > Open Recent and the caret position remembered
// for each. One line per file, newest first: the path with "=" escaped as
// "#ravno#", then "=" and the caret index (or nothing). Kept in recent.ini in
// the program folder.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/list_files.h"

namespace plumex {

inline constexpr std::string_view kRecentFileName = "recent.ini";
// AddToRecent keeps at most this many lines.
inline constexpr std::size_t kRecentLimit = 10;
// Lines a loaded recent.ini keeps at most.
inline constexpr std::size_t kRecentLoadLimit = 100;

// One item of the Open Recent menu: the line it stands for and the path to
// show and open. The index is the item's own, not read back from a caption.
struct RecentEntry {
  int index = 0;
  std::string path;
  friend bool operator==(const RecentEntry&, const RecentEntry&) = default;
};

class RecentList {
 public:
  // `filePath` is where the list is kept: the program folder + kRecentFileName.
  explicit RecentList(std::string filePath);

  // A missing file gives an empty list; lines are taken as they are, with
  // no limit. A file that cannot be read leaves the list empty and is not
  // overwritten by Save() until the list changes.
  void Load();
  IoStatus Save() const;

  // Puts the path on top with an empty caret value, drops its older lines and
  // cuts the list to kRecentLimit. Paths are compared exactly: on this
  // system names that differ in letter case are different files. A path
  // holding a line break cannot be stored as one line and is not added.
  void AddToRecent(std::string_view path);
  void Clear();
  bool Empty() const { return file_.lines().empty(); }

  // The caret index remembered for a path; 0 when the path is not listed or
  // its value is empty or not a number.
  int RememberedCaret(std::string_view path) const;
  // Sets the path's value, appending a line when the path is not listed.
  void RememberCaret(std::string_view path, int caret);

  std::vector<RecentEntry> MenuEntries() const;
  const std::vector<std::string>& Lines() const { return file_.lines(); }

 private:
  ListFile file_;
};

}  // namespace plumex
