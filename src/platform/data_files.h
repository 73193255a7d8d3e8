#pragma once
// The files we ship for reading (help, history, readme). A copy run from its
// build folder keeps them beside the program; an installed one in its data
// folder; a user may put their own in the settings folder to win over both.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

// Where to look, first first: `programFolder`, the executable's folder and
// the data folder of an install, <executable folder>/../share/plumex/. Each
// ends with '/'; a folder is listed once.
std::vector<std::string> DataFolders(const std::string& programFolder);

// The path of `name` in the first of `folders` that holds it as a file (not
// a folder); empty when none does. A name that is not a plain file name
// (empty, ".", "..", or with a '/') finds nothing: it could lead elsewhere.
std::string FindDataFile(std::string_view name, std::span<const std::string> folders);

}  // namespace plumex
