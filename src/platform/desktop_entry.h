#pragma once
// The parts of Plumex's desktop entry and of mimeapps.list that follow the
// freedesktop rules to the letter, apart from the files they go into.
#include <string>
#include <string_view>

namespace plumex {

inline constexpr std::string_view kDesktopId = "plumex.desktop";

// The Exec value for `program` opening one file, as written in the entry:
// the program quoted as one argument ("\"", "`", "$" and "\\" escaped inside
// the quotes, "%" doubled), then the string escapes of the value, then a
// bare %f. Any path comes back whole, blanks and quotes included.
std::string DesktopExec(std::string_view program);

// Whether a [Default Applications] value names Plumex first.
bool IsOurDefault(std::string_view value);

}  // namespace plumex
