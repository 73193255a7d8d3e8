#include "convert/display_text.h"

#include "convert/win1251.h"

namespace plumex {

LineBreak DetectLineBreak(std::string_view bytes) {
  // The style most lines use: one stray CR LF must not turn a whole LF file
  // into one long line of marks. The others survive as stand-ins.
  std::size_t pairs = 0;
  std::size_t lone = 0;
  for (std::size_t i = bytes.find('\n'); i != std::string_view::npos; i = bytes.find('\n', i + 1))
    ++(i > 0 && bytes[i - 1] == '\r' ? pairs : lone);
  return lone > pairs ? LineBreak::Lf : LineBreak::CrLf;
}

std::string_view LineBreakBytes(LineBreak style) {
  return style == LineBreak::CrLf ? "\r\n" : "\n";
}

std::size_t BytesToDisplay(std::string_view bytes, LineBreak style, char16_t* out) {
  const bool crlf = style == LineBreak::CrLf;
  std::size_t n = 0;
  const std::size_t size = bytes.size();
  for (std::size_t i = 0; i < size; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\r') {
      if (crlf && i + 1 < size && bytes[i + 1] == '\n') {
        out[n++] = kParagraphSeparator;
        ++i;
      } else {
        out[n++] = kStrayCrMark;
      }
    } else if (b == '\n') {
      out[n++] = crlf ? kStrayLfMark : kParagraphSeparator;
    } else if (b == 0) {
      out[n++] = kNulMark;  // the text layout ends lines at NUL
    } else {
      out[n++] = Win1251ToUnicode(b);
    }
  }
  return n;
}

std::u16string BytesToDisplay(std::string_view bytes, LineBreak style) {
  std::u16string out(bytes.size(), u'\0');
  out.resize(BytesToDisplay(bytes, style, out.data()));
  return out;
}

std::string DisplayToBytes(std::u16string_view chars, LineBreak style) {
  const std::string_view lineBreak = LineBreakBytes(style);
  std::string out;
  out.reserve(chars.size() + chars.size() / 32);
  for (char16_t c : chars) {
    switch (c) {
      case kParagraphSeparator:
      case kLineSeparator:
      case u'\n':
        out += lineBreak;
        break;
      case kStrayCrMark:
      case u'\r':
        out += '\r';
        break;
      case kStrayLfMark:
        out += '\n';
        break;
      case kNulMark:
        out += '\0';
        break;
      default: {
        const int b = UnicodeToWin1251(c);
        out += b < 0 ? '?' : static_cast<char>(b);
      }
    }
  }
  return out;
}

}  // namespace plumex
