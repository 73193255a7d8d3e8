#pragma once
// plumex-text: the editor's code page and UTF-8, detection, mojibake repair,
// case, transliteration and layout repair tools for the shell, with the same
// tables as the editor.
#include <iosfwd>

namespace plumex {

// Runs one command line; returns the exit status: 0 done, 1 a file could
// not be read or written or memory ran out, 2 bad arguments, 3 nothing to
// repair, 4 characters Windows-1251 lacks. Never writes any settings file.
int RunTextTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace plumex
