#pragma once
// The Russian letters of each code page as published, written here from the
// code page definitions (Unicode character -> byte) so that the program's
// own tables can be checked against something they were not made from.
#include <cstddef>
#include <string>
#include <string_view>

#include "convert/code_pages.h"
#include "convert/win1251.h"

namespace plumex::test {

inline constexpr char16_t kCapitalIo = 0x0401;  // Ё
inline constexpr char16_t kSmallIo = 0x0451;    // ё
inline constexpr char16_t kCapitalA = 0x0410;   // А; А..я run 0x0410..0x044F

// KOI8-R orders its letters by their Latin look-alikes.
inline constexpr char16_t kKoiSmallLetters[32] = {
    u'ю', u'а', u'б', u'ц', u'д', u'е', u'ф', u'г', u'х', u'и', u'й', u'к', u'л', u'м', u'н', u'о',
    u'п', u'я', u'р', u'с', u'т', u'у', u'ж', u'в', u'ь', u'ы', u'з', u'ш', u'э', u'щ', u'ч', u'ъ'};

// Ё and ё stand apart from the А..я run in every code page.
struct IoBytes {
  EncodingCode code;
  int capital, small;
};
inline constexpr IoBytes kIoBytes[] = {
    {EncodingCode::WIN, 0xA8, 0xB8}, {EncodingCode::DOS, 0xF0, 0xF1}, {EncodingCode::KOI, 0xB3, 0xA3},
    {EncodingCode::MAC, 0xDD, 0xDE}, {EncodingCode::ISO, 0xA1, 0xF1}};

// The byte of a Russian letter in a code page; -1 for other characters.
inline int PublishedByte(EncodingCode code, char16_t ch) {
  for (const auto& io : kIoBytes)
    if (io.code == code && (ch == kCapitalIo || ch == kSmallIo)) return ch == kCapitalIo ? io.capital : io.small;
  if (ch < kCapitalA || ch > 0x044F) return -1;
  const int index = ch - kCapitalA;  // 0..63 for А..я
  switch (code) {
    case EncodingCode::WIN: return 0xC0 + index;
    case EncodingCode::DOS: return index < 48 ? 0x80 + index : 0xE0 + index - 48;  // 866: А..п, then р..я
    case EncodingCode::MAC: return ch == u'я' ? 0xDF : index < 32 ? 0x80 + index : 0xE0 + index - 32;
    case EncodingCode::ISO: return 0xB0 + index;
    case EncodingCode::KOI:
      for (int i = 0; i < 32; ++i) {
        if (kKoiSmallLetters[i] == ch) return 0xC0 + i;
        if (kKoiSmallLetters[i] - 0x20 == ch) return 0xE0 + i;
      }
  }
  return -1;
}

// UTF-8 of Cyrillic and ASCII text to its characters.
inline std::u16string DecodeUtf8(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    out += lead < 0x80 ? char16_t(lead) : char16_t(((lead & 0x1F) << 6) | (utf8[++i] & 0x3F));
  }
  return out;
}

// The 66 letters in the order of the tables.
inline constexpr std::u16string_view kTableLetters = u"ЁЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮёйцукенгшщзхъфывапролджэячсмитьбю";

inline std::string PublishedTable(EncodingCode code) {
  std::string table;
  for (char16_t ch : kTableLetters) table += static_cast<char>(PublishedByte(code, ch));
  return table;
}

// Text of Russian letters and ASCII, written in UTF-8, in a code page.
inline std::string EncodeText(std::string_view utf8, EncodingCode code) {
  std::string out;
  for (char16_t ch : DecodeUtf8(utf8)) {
    const int byte = PublishedByte(code, ch);
    out += static_cast<char>(byte >= 0 ? byte : UnicodeToWin1251(ch));
  }
  return out;
}

}  // namespace plumex::test
