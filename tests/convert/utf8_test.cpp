#include "convert/utf8.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/file_helpers.h"
#include "support/russian_prose.h"

namespace plumex {
namespace {

using enum Utf8Form;

TEST(Utf8, ClassifiesByRfc3629) {
  const struct { std::string_view bytes; Utf8Form form; const char* why; } cases[] = {
      {"", Ascii, "empty"}, {"plain 7-bit text, longer than a word", Ascii, "ASCII"},
      {kUtf8Bom, Utf8, "a byte-order mark alone"},
      {"\xC2\x80 \xE0\xA0\x80 \xED\x9F\xBF \xEE\x80\x80 \xF0\x90\x80\x80 \xF4\x8F\xBF\xBF", Utf8, "edges that are allowed"},
      {"\xC0\x80", Invalid, "overlong NUL"}, {"\xC1\xBF", Invalid, "overlong two-byte form"},
      {"\xE0\x9F\xBF", Invalid, "overlong three-byte form"}, {"\xF0\x8F\xBF\xBF", Invalid, "overlong four-byte form"},
      {"\xED\xA0\x80", Invalid, "surrogate D800"}, {"\xED\xBF\xBF", Invalid, "surrogate DFFF"},
      {"\xF4\x90\x80\x80", Invalid, "above U+10FFFF"}, {"\xF5\x80\x80\x80", Invalid, "lead byte past F4"},
      {"\xF8\x88\x80\x80\x80", Invalid, "five-byte form"}, {"\xFC\x84\x80\x80\x80\x80", Invalid, "six-byte form"},
      {"\x80", Invalid, "lone continuation byte"}, {"\xFE\xFF", Invalid, "bytes UTF-8 never uses"},
      {"0123456789abcdef\xBF", Invalid, "continuation byte after a run of ASCII"},
      {"\xD0\x9F\xD0", Invalid, "sequence cut by the end"}, {"\xE2\x80" "a", Invalid, "sequence cut by an ASCII byte"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyUtf8(c.bytes), c.form) << c.why;
    if (c.form == Invalid) {  // hostile input decodes to '?' instead of failing
      const FromUtf8 decoded = DecodeUtf8(c.bytes);
      EXPECT_GT(decoded.unrepresentable, 0u) << c.why;
      EXPECT_LE(decoded.bytes.size(), c.bytes.size()) << c.why;
    }
  }
}

TEST(Utf8, EveryCutInsideASequenceIsInvalidAndTheWholeTextDecides) {
  const std::string text = "Ёж — «№5», €1 😀";
  for (std::size_t n = 0; n <= text.size(); ++n) {
    const bool at_boundary = n == text.size() || (static_cast<unsigned char>(text[n]) & 0xC0) != 0x80;
    EXPECT_EQ(ClassifyUtf8(std::string_view(text).substr(0, n)) == Invalid, !at_boundary) << n;
  }
  const std::string ascii(4096, 'x');  // not only its start
  EXPECT_EQ(std::tuple(ClassifyUtf8(ascii + "ж"), ClassifyUtf8(ascii + "ж\xFF"), ClassifyUtf8(ascii)),
            std::tuple(Utf8, Invalid, Ascii));
}

TEST(Utf8, RoundTripsKeepEveryByte) {
  const std::string all = test::AllBytes();
  EXPECT_EQ(ClassifyUtf8(EncodeUtf8(all)), Utf8);
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(all)).bytes, all);
  std::string prose;  // 400 KB: several blocks of output, sequences across their edges
  for (int i = 0; i < 200; ++i)
    for (std::string_view paragraph : test::kRussianProse) prose += paragraph;
  const FromUtf8 win = DecodeUtf8(prose);
  EXPECT_EQ(win.unrepresentable, 0u);
  EXPECT_TRUE(EncodeUtf8(win.bytes) == prose);  // no 400 KB diff on failure
}

TEST(Utf8, CharactersWindows1251LacksAreCounted) {
  const struct { std::string_view utf8, win; std::size_t lost; } cases[] = {
      {"ЄєІіЇїҐґЎўЈјЉљЊњЋћЂђЏџ", "\xAA\xBA\xB2\xB3\xAF\xBF\xA5\xB4\xA1\xA2\xA3\xBC\x8A\x9A\x8C\x9C\x8E\x9E\x80\x90\x8F\x9F", 0},
      {"«Ёж» — № 5… €", "\xAB\xA8\xE6\xBB \x97 \xB9 5\x85 \x88", 0},
      {"→", "?", 1}, {"中", "?", 1}, {"😀", "?", 1}, {"a→b中c😀d", "a?b?c?d", 3}, {"a\xFF" "b\xD0", "a?b?", 2},
  };
  for (const auto& c : cases) {
    const FromUtf8 decoded = DecodeUtf8(c.utf8);
    EXPECT_EQ(decoded.bytes, c.win) << c.utf8;
    EXPECT_EQ(decoded.unrepresentable, c.lost) << c.utf8;
    EXPECT_TRUE(c.lost > 0 || EncodeUtf8(c.win) == c.utf8) << c.utf8;
  }
}

}  // namespace
}  // namespace plumex
