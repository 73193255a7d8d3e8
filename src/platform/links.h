#pragma once
// Links in the text: which word under the mouse is one, and which links the
// program may hand to the desktop.
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

// The link around `position` in a line of text, or "" when there is none.
// A "www." address is given back with "http://" in front.
std::string LinkAt(std::string_view line, std::size_t position);

struct LinkSpan {
  std::size_t start;
  std::size_t length;
};

// Every link in a line, left to right, for underlining them.
std::vector<LinkSpan> LinksIn(std::string_view line);

// Only web, file transfer and mail links are opened; a file: link or any
// other scheme could run something on the user's machine.
bool IsSafeToOpen(std::string_view link);

}  // namespace plumex
