#include "platform/ini_encoding.h"

#include <algorithm>
#include <array>

#include "convert/win1251.h"

namespace plumex {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr char kEndOfFile = '\x1A';

// The code units of UTF-16 as UTF-8, through the Windows-1251 table: a
// character the code page lacks (any beyond the first plane among them)
// would be lost on the way anyway, so it comes out as U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, IniEncoding order) {
  static const std::array<std::string, 256> kUtf8 = [] {
    std::array<std::string, 256> table;
    for (std::size_t b = 0; b < table.size(); ++b) table[b] = Win1251ToUtf8(std::string(1, static_cast<char>(b)));
    return table;
  }();
  std::string out;
  out.reserve(bytes.size());
  const int high = order == IniEncoding::Utf16Le ? 1 : 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i + high]) << 8 |
                                            static_cast<unsigned char>(bytes[i + 1 - high]));
    const int byte = UnicodeToWin1251(unit);
    out += byte < 0 ? kReplacement : std::string_view(kUtf8[static_cast<std::size_t>(byte)]);
  }
  return out;
}

}  // namespace

IniText DecodeIniText(std::string_view bytes) {
  IniText decoded;
  if (bytes.starts_with(kUtf8Mark)) {
    decoded = {IniEncoding::Utf8, std::string(bytes.substr(kUtf8Mark.size()))};
  } else if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    const IniEncoding order = bytes.starts_with(kUtf16LeMark) ? IniEncoding::Utf16Le : IniEncoding::Utf16Be;
    decoded = {order, Utf16ToUtf8(bytes.substr(2), order)};
  } else {
    decoded.text = bytes;
  }
  // In every form 0x1A stands for itself, so one cut serves them all.
  decoded.text.erase(std::min(decoded.text.find(kEndOfFile), decoded.text.size()));
  return decoded;
}

std::string EncodeIniText(std::string_view win1251, IniEncoding encoding) {
  switch (encoding) {
    case IniEncoding::Win1251: return std::string(win1251);
    case IniEncoding::Utf8: return std::string(kUtf8Mark) + Win1251ToUtf8(win1251);
    case IniEncoding::Utf16Le:
    case IniEncoding::Utf16Be: break;
  }
  const bool little = encoding == IniEncoding::Utf16Le;
  std::string out(little ? kUtf16LeMark : kUtf16BeMark);
  out.reserve(2 + 2 * win1251.size());
  for (unsigned char byte : win1251) {
    const char16_t unit = Win1251ToUnicode(byte);
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    out += little ? low : high;
    out += little ? high : low;
  }
  return out;
}

}  // namespace plumex
