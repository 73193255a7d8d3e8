#include "convert/word_breaks.h"

#include <algorithm>
#include <cstddef>

namespace plumex {
namespace {

enum class CharClass { Blank, Break, Word, Mark };

CharClass ClassOf(char c, const CaseTables& tables) {
  const auto b = static_cast<unsigned char>(c);
  if (b == '\n' || b == '\r') return CharClass::Break;
  if (b == ' ' || b == '\t' || b == '\v' || b == '\f' || b == 0xA0) return CharClass::Blank;
  const bool ascii_word = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
  return ascii_word || tables.IsLetter(b) ? CharClass::Word : CharClass::Mark;
}

int Clamp(std::string_view chars, int pos) { return std::clamp(pos, 0, static_cast<int>(chars.size())); }

}  // namespace

std::string CharacterText(std::string_view bytes, LineBreak style) {
  if (style != LineBreak::CrLf) return std::string(bytes);
  std::string chars;
  chars.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    chars += bytes[i];
  }
  return chars;
}

int WordStartLeft(std::string_view chars, int pos, const CaseTables& tables) {
  const auto at = [&](int i) { return ClassOf(chars[static_cast<std::size_t>(i)], tables); };
  int i = Clamp(chars, pos) - 1;
  while (i >= 0 && at(i) == CharClass::Blank) --i;
  if (i < 0) return 0;
  const CharClass run = at(i);
  if (run == CharClass::Break) return i;
  while (i > 0 && at(i - 1) == run) --i;
  return i;
}

int WordStartRight(std::string_view chars, int pos, const CaseTables& tables) {
  const int end = static_cast<int>(chars.size());
  const auto at = [&](int i) { return ClassOf(chars[static_cast<std::size_t>(i)], tables); };
  int i = Clamp(chars, pos);
  if (i == end) return end;
  const CharClass run = at(i);
  if (run == CharClass::Break) return i + 1;
  if (run != CharClass::Blank)
    while (i < end && at(i) == run) ++i;
  while (i < end && at(i) == CharClass::Blank) ++i;
  return i;
}

std::pair<int, int> CaseCycleRange(std::string_view chars, int caret, const CaseTables& tables) {
  caret = Clamp(chars, caret);
  const int start = WordStartLeft(chars, caret, tables);
  const int end = WordStartRight(chars, start, tables);
  const bool nothing_to_change =
      end == start || (end - start == 1 && !tables.IsLetter(static_cast<unsigned char>(chars[static_cast<std::size_t>(start)])));
  if (nothing_to_change) return {caret, WordStartRight(chars, caret, tables)};
  return {start, end};
}

}  // namespace plumex
