#include "convert/clipboard_text.h"

#include "convert/win1251.h"

namespace plumex {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

ClipboardBytes FromClipboardText(std::u16string_view text, LineBreak style) {
  const std::string_view lineBreak = LineBreakBytes(style);
  ClipboardBytes out;
  out.bytes.reserve(text.size() + text.size() / 32);
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n' || c == kLineSeparator || c == kParagraphSeparator) {
      if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
      out.bytes += lineBreak;
      ++out.characters;
      continue;
    }
    if (IsHighSurrogate(c) && i + 1 < size && IsLowSurrogate(text[i + 1])) ++i;
    const int byte = UnicodeToWin1251(c);
    if (byte < 0) ++out.lost;
    out.bytes += byte < 0 ? '?' : static_cast<char>(byte);
    ++out.characters;
  }
  return out;
}

std::u16string ToClipboardText(std::string_view bytes, LineBreak style) {
  std::u16string out;
  out.reserve(bytes.size());
  const bool crlf = style == LineBreak::CrLf;
  const std::size_t size = bytes.size();
  for (std::size_t i = 0; i < size; ++i) {
    if (crlf && bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
    out += Win1251ToUnicode(static_cast<unsigned char>(bytes[i]));
  }
  return out;
}

}  // namespace plumex
