#pragma once
// The files of one kind in a folder, in an order that does not depend on the
// file system, so that a stored index names the same file at each start.
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

// The names of the regular files in `folder` whose names end with
// `extension` (letter case ignored), sorted by name with letter case
// ignored; names differing only in case keep a fixed order too.
std::vector<std::string> FilesWithExtension(const std::string& folder, std::string_view extension);

}  // namespace plumex
