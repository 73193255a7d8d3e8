#include "convert/win1251.h"

#include <array>
#include <memory>

namespace plumex {
namespace {

// 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order, below 0x80 is ASCII.
constexpr char16_t kHighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

using ReverseTable = std::array<std::int16_t, 0x10000>;

const ReverseTable& Reverse() {
  static const std::unique_ptr<ReverseTable> table = [] {
    auto t = std::make_unique<ReverseTable>();
    t->fill(-1);
    for (int b = 0; b < 256; ++b)
      (*t)[Win1251ToUnicode(static_cast<unsigned char>(b))] = static_cast<std::int16_t>(b);
    return t;
  }();
  return *table;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char16_t Win1251ToUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xC0) return kHighHalf[byte - 0x80];
  return static_cast<char16_t>(0x0410 + (byte - 0xC0));
}

int UnicodeToWin1251(char16_t ch) { return Reverse()[ch]; }

std::string Win1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) AppendUtf8(out, Win1251ToUnicode(b));
  return out;
}

std::string Utf8ToWin1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    char32_t cp = extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : extra == 3 ? lead & 0x07 : lead;
    bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < utf8.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    i += static_cast<std::size_t>(extra) + 1;
    const int byte = cp < 0x10000 ? UnicodeToWin1251(static_cast<char16_t>(cp)) : -1;
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

}  // namespace plumex
