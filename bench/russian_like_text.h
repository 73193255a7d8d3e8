#pragma once
// Russian-looking Windows-1251 text for the benchmarks: lowercase letters,
// blanks and a CR LF every 50 to 70 bytes, never the byte 'a'.
#include <string>

namespace plumex::bench {

inline std::string RussianLikeText(std::size_t size) {
  std::string text;
  text.reserve(size);
  unsigned seed = 7;
  while (text.size() < size) {
    seed = seed * 1103515245u + 12345u;
    const unsigned r = (seed >> 16) % 100;
    if (r < 12)
      text += ' ';
    else if (r == 12 && text.size() % 70 > 50)
      text += "\r\n";
    else
      text += static_cast<char>(0xE0 + r % 32);
  }
  text.resize(size);
  return text;
}

}  // namespace plumex::bench
