#pragma once
// UTF-8 as a form of Cyrillic text beside the five code pages: strict
// validation and the two conversions to and from the bytes the editor holds.
// Each is one pass over the text with table lookups.
#include <cstddef>
#include <string>
#include <string_view>

namespace plumex {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Ascii: only 7-bit bytes (an empty text too). Utf8: well-formed and with at
// least one multi-byte sequence, a leading byte-order mark included.
// Invalid: anything RFC 3629 forbids - overlong forms, surrogates, code
// points above U+10FFFF, five- and six-byte forms, stray continuation bytes,
// a sequence cut short by the end of the text.
enum class Utf8Form { Ascii, Utf8, Invalid };

Utf8Form ClassifyUtf8(std::string_view bytes);

struct FromUtf8 {
  std::string bytes;                // Windows-1251
  std::size_t unrepresentable = 0;  // characters that became '?'
};

// UTF-8 without its byte-order mark to Windows-1251. A character the code
// page lacks becomes '?' and is counted; so does each byte of a malformed
// sequence, which keeps the function safe on any input.
FromUtf8 DecodeUtf8(std::string_view utf8);

// ClassifyUtf8 and DecodeUtf8 in one pass over the text itself, which
// shrinks to the result. It stops at the first malformed byte; the text is
// then left as it was unless `rewritten` says otherwise.
struct InPlaceDecoding {
  Utf8Form form = Utf8Form::Ascii;
  std::size_t unrepresentable = 0;
  bool rewritten = false;
};
InPlaceDecoding DecodeUtf8InPlace(std::string& text);

// Windows-1251 to UTF-8; every byte has a character, so nothing is lost.
std::string EncodeUtf8(std::string_view bytes);

// The UTF-8 of one character of the basic plane.
std::string Utf8Of(char16_t ch);

}  // namespace plumex
