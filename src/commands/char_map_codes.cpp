#include "commands/char_map_codes.h"

#include <algorithm>
#include <cstdio>

namespace plumex {
namespace {

std::string CodeText(unsigned char code, const char* between) {
  char text[32];
  std::snprintf(text, sizeof text, "Hex: #%02X%sDec: %d", code, between, code);
  return text;
}

}  // namespace

CharMapRange CharMapCodes(int start, int end) {
  // Wide arithmetic: one past the largest int is still a number.
  const long long last = static_cast<long long>(end) + 1;
  return {std::max(start, 32), static_cast<int>(std::min(last, 255LL))};
}

std::string CodeStatusText(unsigned char code) { return CodeText(code, "  "); }
std::string CodeHintText(unsigned char code) { return CodeText(code, "\n"); }

}  // namespace plumex
