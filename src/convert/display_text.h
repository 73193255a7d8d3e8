#pragma once
// The edge between the document's bytes and the characters the editor widget
// shows. One byte is one character, except that the document's own line break
// (CR LF or LF) becomes one paragraph separator. A stray CR, or a lone LF in a
// CR LF text, is shown as a visible stand-in so that saving gives it back.
#include <cstddef>
#include <string>
#include <string_view>

namespace plumex {

enum class LineBreak { CrLf, Lf };

inline constexpr char16_t kParagraphSeparator = 0x2029;
inline constexpr char16_t kLineSeparator = 0x2028;
inline constexpr char16_t kStrayCrMark = 0x240D;  // SYMBOL FOR CARRIAGE RETURN
inline constexpr char16_t kStrayLfMark = 0x240A;  // SYMBOL FOR LINE FEED
inline constexpr char16_t kNulMark = 0x2400;      // SYMBOL FOR NULL

// LF when more lines end in a lone LF than in CR LF; CR LF otherwise, new
// texts too.
LineBreak DetectLineBreak(std::string_view bytes);

std::string_view LineBreakBytes(LineBreak style);

// Writes at most bytes.size() characters to `out`; returns how many.
std::size_t BytesToDisplay(std::string_view bytes, LineBreak style, char16_t* out);
std::u16string BytesToDisplay(std::string_view bytes, LineBreak style);

// The inverse; characters Windows-1251 lacks become '?'.
std::string DisplayToBytes(std::u16string_view chars, LineBreak style);

}  // namespace plumex
