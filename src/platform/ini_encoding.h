#pragma once
// The forms a hand-edited INI file comes in. Ours are Windows-1251 bytes, but
// a Windows editor saves "Unicode" as UTF-16 and "UTF-8" as UTF-8, each with a
// byte order mark; such a file is read and, when rewritten, keeps its form.
#include <string>
#include <string_view>

namespace plumex {

enum class IniEncoding { Win1251, Utf8, Utf16Le, Utf16Be };

struct IniText {
  IniEncoding encoding = IniEncoding::Win1251;
  // Windows-1251 bytes, or UTF-8 for the marked forms. UTF-16 arrives as
  // UTF-8 with U+FFFD for each character Windows-1251 lacks; an odd last
  // byte, half a character, is dropped. The text ends before the first
  // 0x1A, the DOS end of file.
  std::string text;
};

// The form is told by the byte order mark, which is dropped.
IniText DecodeIniText(std::string_view bytes);

// Windows-1251 text in `encoding`, its byte order mark first.
std::string EncodeIniText(std::string_view win1251, IniEncoding encoding);

}  // namespace plumex
