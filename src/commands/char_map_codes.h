#pragma once
// What the character map shows: which byte codes get a button, where each
// button stands, and the texts that name a code.
#include <string>

namespace plumex {

// Buttons from `first` to `last`, both included; none when first > last.
struct CharMapRange {
  int first = 0;
  int last = -1;
  int Count() const { return last >= first ? last - first + 1 : 0; }
};

// From StartCharMap to one past EndCharMap, as stored. Only printable bytes,
// 32..255, get buttons: the stored values are kept, whatever they are, and
// an inverted range shows none.
CharMapRange CharMapCodes(int start, int end);

inline constexpr int kCharMapColumns = 16;
inline constexpr int kCharMapButton = 20;  // a square button's side, pixels

// "Hex: #41  Dec: 65", for the status line.
std::string CodeStatusText(unsigned char code);
// "Hex: #41", a line break, "Dec: 65", for the hint.
std::string CodeHintText(unsigned char code);

}  // namespace plumex
