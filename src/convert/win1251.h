#pragma once
// The one Windows-1251 table, both ways. Every byte has a character: 0x98,
// which the code page leaves empty, stands for U+0098, so all 256 byte values
// survive a trip to Unicode and back.
#include <cstdint>
#include <string>
#include <string_view>

namespace plumex {

char16_t Win1251ToUnicode(unsigned char byte);

// The byte for a Unicode character, or -1 when Windows-1251 has none.
int UnicodeToWin1251(char16_t ch);

// Bytes to UTF-8 and back, for texts shown in terminals and messages.
std::string Win1251ToUtf8(std::string_view bytes);
// Characters Windows-1251 lacks become '?'; malformed UTF-8 bytes too.
std::string Utf8ToWin1251(std::string_view utf8);

}  // namespace plumex
