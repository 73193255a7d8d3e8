#include "convert/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "convert/win1251.h"

namespace plumex {
namespace {

// What a lead byte promises: the sequence length (0: no lead at all) and the
// range its second byte must fall in. The narrowed ranges of E0, ED, F0 and
// F4 rule out overlong forms, surrogates and code points above U+10FFFF.
struct Lead {
  unsigned char length = 0, low = 0x80, high = 0xBF;
};

constexpr std::array<Lead, 256> kLeads = [] {
  std::array<Lead, 256> leads{};
  for (int b = 0; b < 0x80; ++b) leads[b].length = 1;
  for (int b = 0xC2; b <= 0xDF; ++b) leads[b].length = 2;
  for (int b = 0xE0; b <= 0xEF; ++b) leads[b].length = 3;
  for (int b = 0xF0; b <= 0xF4; ++b) leads[b].length = 4;
  leads[0xE0].low = 0xA0;
  leads[0xED].high = 0x9F;
  leads[0xF0].low = 0x90;
  leads[0xF4].high = 0x8F;
  return leads;
}();

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Output grows a block at a time, so that only what is written gets touched:
// first touching fresh memory costs more than converting into it.
constexpr std::size_t kBlock = 1 << 16;

// The length of the well-formed sequence at p, 0 when there is none.
std::size_t SequenceLength(const unsigned char* p, const unsigned char* end) {
  const Lead lead = kLeads[*p];
  if (lead.length < 2) return lead.length;
  if (end - p < lead.length || p[1] < lead.low || p[1] > lead.high) return 0;
  for (std::size_t k = 2; k < lead.length; ++k)
    if ((p[k] & 0xC0) != 0x80) return 0;
  return lead.length;
}

// Whether the eight bytes at p, which the caller knows are there, are 7-bit.
bool EightAscii(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return (word & kHighBits) == 0;
}

// One pass over [p, end): `ascii(p, n)` for n 7-bit bytes, `sequence(p,
// length)` for every other sequence, length 0 for a byte that starts no
// well-formed one. The pass stops early when `sequence` returns false.
template <typename Ascii, typename Sequence>
bool Walk(const unsigned char* p, const unsigned char* const end, Ascii ascii, Sequence sequence) {
  while (p < end) {
    if (*p < 0x80) {
      const std::size_t run = end - p >= 8 && EightAscii(p) ? 8 : 1;
      ascii(p, run);
      p += run;
      continue;
    }
    // Cyrillic is all two-byte sequences: check those inline.
    const bool two_bytes = *p >= 0xC2 && *p <= 0xDF && end - p >= 2 && (p[1] & 0xC0) == 0x80;
    const std::size_t length = two_bytes ? 2 : SequenceLength(p, end);
    if (!sequence(p, length)) return false;
    p += length == 0 ? 1 : length;
  }
  return true;
}

// Windows-1251 bytes of U+0000..U+07FF, where the two-byte sequences fall;
// -1 where the code page has none.
const std::array<std::int16_t, 0x800>& TwoByteChars() {
  static const std::array<std::int16_t, 0x800> table = [] {
    std::array<std::int16_t, 0x800> t;
    t.fill(-1);
    for (int b = 0; b < 256; ++b) {
      const char16_t ch = Win1251ToUnicode(static_cast<unsigned char>(b));
      if (ch < t.size()) t[ch] = static_cast<std::int16_t>(b);
    }
    return t;
  }();
  return table;
}

// The Windows-1251 byte of a well-formed sequence, -1 when there is none.
int Win1251Of(const unsigned char* p, std::size_t length, const std::array<std::int16_t, 0x800>& two_byte_chars) {
  if (length == 2) return two_byte_chars[((p[0] & 0x1F) << 6) | (p[1] & 0x3F)];
  if (length == 3)
    return UnicodeToWin1251(static_cast<char16_t>(((p[0] & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F)));
  return -1;  // beyond the basic plane
}

// Each byte's UTF-8, stored in four bytes so that it is copied in one move.
struct Encoded {
  char bytes[3];
  unsigned char length;
};

const std::array<Encoded, 256>& EncodedBytes() {
  static const std::array<Encoded, 256> table = [] {
    std::array<Encoded, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const std::string utf8 = Utf8Of(Win1251ToUnicode(static_cast<unsigned char>(b)));
      utf8.copy(t[b].bytes, utf8.size());
      t[b].length = static_cast<unsigned char>(utf8.size());
    }
    return t;
  }();
  return table;
}

const unsigned char* Begin(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

}  // namespace

Utf8Form ClassifyUtf8(std::string_view bytes) {
  bool multi_byte = false;
  const auto well_formed = [&multi_byte](const unsigned char*, std::size_t length) {
    multi_byte = true;
    return length != 0;
  };
  if (!Walk(Begin(bytes), Begin(bytes) + bytes.size(), [](const unsigned char*, std::size_t) {}, well_formed))
    return Utf8Form::Invalid;
  return multi_byte ? Utf8Form::Utf8 : Utf8Form::Ascii;
}

FromUtf8 DecodeUtf8(std::string_view utf8) {
  const std::array<std::int16_t, 0x800>& two_byte_chars = TwoByteChars();
  FromUtf8 result;
  result.bytes.reserve(utf8.size());  // never longer than its input
  std::size_t used = 0;
  const unsigned char* p = Begin(utf8);
  const unsigned char* const end = p + utf8.size();
  while (p < end) {
    // Blocks end where a sequence starts, so that none is cut in two; four
    // continuation bytes in a row hold no start, but no sequence either.
    const unsigned char* block_end = end - p > static_cast<std::ptrdiff_t>(kBlock) ? p + kBlock : end;
    for (int back = 0; block_end < end && back < 4; ++back) {
      if ((block_end[-back] & 0xC0) != 0x80) {
        block_end -= back;
        break;
      }
    }
    result.bytes.resize(used + static_cast<std::size_t>(block_end - p));
    char* out = result.bytes.data() + used;
    Walk(
        p, block_end,
        [&out](const unsigned char* ascii, std::size_t n) {
          std::memcpy(out, ascii, n);
          out += n;
        },
        [&](const unsigned char* sequence, std::size_t length) {
          const int byte = length == 0 ? -1 : Win1251Of(sequence, length, two_byte_chars);
          if (byte < 0) ++result.unrepresentable;
          *out++ = byte < 0 ? '?' : static_cast<char>(byte);
          return true;
        });
    used = static_cast<std::size_t>(out - result.bytes.data());
    p = block_end;
  }
  result.bytes.resize(used);
  return result;
}

InPlaceDecoding DecodeUtf8InPlace(std::string& text) {
  const std::array<std::int16_t, 0x800>& two_byte_chars = TwoByteChars();
  InPlaceDecoding result;
  bool multi_byte = false;
  // Each character's byte lands at or before where its sequence began, so
  // the text is rewritten as it is read, with no second buffer to touch.
  char* out = text.data();
  const unsigned char* const begin = Begin(text);
  const bool valid = Walk(
      begin, begin + text.size(),
      [&out](const unsigned char* ascii, std::size_t n) {
        std::memmove(out, ascii, n);
        out += n;
      },
      [&](const unsigned char* sequence, std::size_t length) {
        if (length == 0) return false;
        multi_byte = true;
        const int byte = Win1251Of(sequence, length, two_byte_chars);
        if (byte < 0) ++result.unrepresentable;
        *out++ = byte < 0 ? '?' : static_cast<char>(byte);
        return true;
      });
  if (!valid) {
    // Up to the first multi-byte sequence the bytes were moved onto
    // themselves; after it they were not.
    result.form = Utf8Form::Invalid;
    result.rewritten = multi_byte;
    return result;
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  result.form = multi_byte ? Utf8Form::Utf8 : Utf8Form::Ascii;
  result.rewritten = multi_byte;
  return result;
}

std::string Utf8Of(char16_t ch) {
  if (ch < 0x80) return std::string(1, static_cast<char>(ch));
  if (ch < 0x800) return {static_cast<char>(0xC0 | (ch >> 6)), static_cast<char>(0x80 | (ch & 0x3F))};
  return {static_cast<char>(0xE0 | (ch >> 12)), static_cast<char>(0x80 | ((ch >> 6) & 0x3F)),
          static_cast<char>(0x80 | (ch & 0x3F))};
}

std::string EncodeUtf8(std::string_view bytes) {
  const std::array<Encoded, 256>& table = EncodedBytes();
  std::string out;
  // Russian text is nearly all two-byte sequences.
  out.reserve(bytes.size() * 2 + 3 * std::min(bytes.size(), kBlock) + 1);
  std::size_t used = 0;
  for (std::size_t at = 0; at < bytes.size(); at += kBlock) {
    const std::string_view block = bytes.substr(at, kBlock);
    out.resize(used + 3 * block.size() + 1);  // the spare byte takes the fourth of a copy
    char* dst = out.data() + used;
    for (unsigned char b : block) {
      std::memcpy(dst, &table[b], sizeof(Encoded));
      dst += table[b].length;
    }
    used = static_cast<std::size_t>(dst - out.data());
  }
  out.resize(used);
  return out;
}

}  // namespace plumex
