#pragma once
// The tables the text tool works with: the user's, as the editor has them.
// They are only ever read; the tool writes no settings or list file.
#include <iosfwd>
#include <string>
#include <vector>

#include "config/list_files.h"
#include "config/settings.h"

namespace plumex {

// From the user's settings file when there is one (the folder the editor
// uses, $PLUMEX_HOME included), the built-in settings otherwise. A file
// that exists but cannot be read is reported on `err` and the built-in
// settings are used.
Settings LoadToolSettings(std::ostream& err);

// The lines of one list file of that folder, its built-in lines when the
// file does not exist. A file that exists but cannot be read is reported on
// `err` and the built-in lines are used, as for the settings file.
std::vector<std::string> LoadToolList(AuxList list, std::ostream& err);

}  // namespace plumex
