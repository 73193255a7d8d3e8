#pragma once
// What the window knows about the code page of its text, and the encoding
// pane's caption that follows from it.
#include <string_view>

#include "convert/code_pages.h"

namespace plumex {

struct EncodingState {
  EncodingCode CurrentEncoding = EncodingCode::WIN;
  EncodingCode DetectedEncoding = EncodingCode::WIN;
  bool EncodingKnown = false;  // nothing detected or converted yet
};

// "---" until the code page is known, then its name ("KOI", "WIN", ...).
std::string_view EncodingPaneText(const EncodingState& state);

}  // namespace plumex
