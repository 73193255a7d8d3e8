#include "convert/mojibake.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "convert/utf8.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

enum Trait : unsigned char { kRussian = 1, kCommon = 2, kLatin = 4, kUpper = 8, kLower = 16 };

// What scoring and the choice between letters need to know of each byte.
const std::array<unsigned char, 256>& Traits() {
  static const std::array<unsigned char, 256> traits = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const char16_t ch = Win1251ToUnicode(static_cast<unsigned char>(b));
      const bool upper_ru = (ch >= u'А' && ch <= u'Я') || ch == u'Ё';
      const bool lower_ru = (ch >= u'а' && ch <= u'я') || ch == u'ё';
      const bool upper = upper_ru || (ch >= u'A' && ch <= u'Z');
      const bool lower = lower_ru || (ch >= u'a' && ch <= u'z');
      unsigned char& traits_of_b = t[b];
      if (upper || lower) traits_of_b |= upper_ru || lower_ru ? kRussian : kLatin;
      if (upper) traits_of_b |= kUpper;
      if (lower) traits_of_b |= kLower;
      if (std::u16string_view(u"еиноЕИНО").find(ch) != std::u16string_view::npos) traits_of_b |= kCommon;
    }
    return t;
  }();
  return traits;
}

bool Has(unsigned char byte, Trait trait) { return (Traits()[byte] & trait) != 0; }

bool ReadsAsRussian(std::string_view text) {
  std::array<std::size_t, 256> histogram{};
  for (unsigned char b : text) ++histogram[b];
  std::size_t russian = 0, common = 0, latin = 0;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    russian += Has(byte, kRussian) ? histogram[byte] : 0;
    common += Has(byte, kCommon) ? histogram[byte] : 0;
    latin += Has(byte, kLatin) ? histogram[byte] : 0;
  }
  return common >= 2 && 5 * common >= russian && russian >= latin;
}

bool SentenceStarts(std::string_view before) {
  const std::size_t last = before.find_last_not_of(" \t\r\n");
  return last == std::string_view::npos || std::string_view(".!?\x85").find(before[last]) != std::string_view::npos;
}

// Whether `choices` is one letter with the trait.
bool IsOne(std::string_view choices, Trait trait) {
  return choices.size() == 1 && Has(static_cast<unsigned char>(choices[0]), trait);
}

// Windows-1251 bytes as a reading left them: each byte became a form of one
// to three bytes, and one form may stand for more than one byte.
class Readings {
 public:
  void Add(std::string_view form, unsigned char byte) {
    std::uint16_t* slot = &one_[static_cast<unsigned char>(form[0])];
    if (form.size() == 2) slot = &two_[Key(form)];
    if (form.size() == 3) {
      auto it = three_.begin();
      while (it != three_.end() && it->first != Key(form)) ++it;
      slot = &(it == three_.end() ? three_.emplace_back(Key(form), 0) : *it).second;
    }
    if (*slot == 0) {
      *slot = static_cast<std::uint16_t>(choices_.size());
      choices_.emplace_back();
    }
    choices_[*slot] += static_cast<char>(byte);
  }

  // The bytes before the reading; nothing when `text` is not all forms.
  std::optional<std::string> Undo(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    Match current = At(text, at);
    while (at < text.size()) {
      if (current.length == 0) return std::nullopt;
      at += current.length;
      const Match next = At(text, at);
      const std::string& choices = choices_[current.choice];
      out += choices.size() == 1 ? choices[0] : Pick(choices, out, choices_[next.choice]);
      current = next;
    }
    return out;
  }

 private:
  struct Match {
    std::uint16_t choice = 0;
    std::size_t length = 0;
  };

  static std::uint32_t Key(std::string_view form) {
    std::uint32_t key = 0;
    for (unsigned char b : form) key = key << 8 | b;
    return key;
  }

  Match At(std::string_view text, std::size_t at) const {
    const std::size_t left = at < text.size() ? text.size() - at : 0;
    if (left >= 1 && one_[static_cast<unsigned char>(text[at])]) return {one_[static_cast<unsigned char>(text[at])], 1};
    if (left >= 2 && two_[Key(text.substr(at, 2))]) return {two_[Key(text.substr(at, 2))], 2};
    if (left >= 3)
      for (const auto& [key, choice] : three_)
        if (key == Key(text.substr(at, 3))) return {choice, 3};
    return {};
  }

  // Only a code page reading gives one form to two bytes, and then to a
  // capital and a small letter: the header says how the case is chosen.
  static char Pick(std::string_view choices, std::string_view before, std::string_view next) {
    const bool after_capital = !before.empty() && IsOne(before.substr(before.size() - 1), kUpper);
    const bool upper = IsOne(next, kUpper) || (after_capital && !IsOne(next, kLower)) || SentenceStarts(before);
    for (char c : choices)
      if (Has(static_cast<unsigned char>(c), upper ? kUpper : kLower)) return c;
    return choices[0];
  }

  std::vector<std::string> choices_ = std::vector<std::string>(1);  // [0]: no form
  std::array<std::uint16_t, 256> one_{};
  std::vector<std::uint16_t> two_ = std::vector<std::uint16_t>(1 << 16);
  std::vector<std::pair<std::uint32_t, std::uint16_t>> three_;  // a few dozen at most
};

// Each byte's UTF-8 read in a code page and converted from it by `to_win`.
Readings Utf8ReadThrough(const ByteMap& to_win) {
  Readings readings;
  for (int b = 0; b < 256; ++b)
    readings.Add(to_win.Apply(Utf8Of(Win1251ToUnicode(static_cast<unsigned char>(b)))), static_cast<unsigned char>(b));
  return readings;
}

// Windows-1252 at 0x80..0x9F; 0 where it has no character.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Each byte as Latin-1 and as Windows-1252 read it, in UTF-8.
const Readings& LatinReadings() {
  static const Readings readings = [] {
    Readings r;
    for (int b = 0; b < 256; ++b) {
      r.Add(Utf8Of(static_cast<char16_t>(b)), static_cast<unsigned char>(b));
      if (b >= 0x80 && b < 0xA0 && kWindows1252High[b - 0x80] != 0)
        r.Add(Utf8Of(kWindows1252High[b - 0x80]), static_cast<unsigned char>(b));
    }
    return r;
  }();
  return readings;
}

std::string_view WithoutBom(std::string_view text) {
  return text.starts_with(kUtf8Bom) ? text.substr(kUtf8Bom.size()) : text;
}

// UTF-8 taken for Windows-1251, undone when nothing is lost.
std::optional<std::string> Utf8TakenForWin(std::string_view held) {
  held = WithoutBom(held);
  if (ClassifyUtf8(held) != Utf8Form::Utf8) return std::nullopt;
  FromUtf8 decoded = DecodeUtf8(held);
  if (decoded.unrepresentable != 0) return std::nullopt;
  return std::move(decoded.bytes);
}

}  // namespace

MojibakeRepair FindMojibake(std::string_view held, const ConversionTables& tables) {
  if (ClassifyUtf8(held) == Utf8Form::Ascii || ReadsAsRussian(held)) return {};
  MojibakeRepair repair;
  const auto accept = [&repair](Mojibake kind, std::optional<std::string> text) {
    if (!text || !ReadsAsRussian(*text)) return false;
    repair = {kind, std::move(*text)};
    return true;
  };
  std::optional<std::string> once = Utf8TakenForWin(held);
  const auto through = [&](EncodingCode code) {
    return Utf8ReadThrough(tables.Conversion(code, EncodingCode::WIN)).Undo(held);
  };
  if ((once && accept(Mojibake::Utf8AsWinTwice, Utf8TakenForWin(*once))) ||
      accept(Mojibake::Utf8AsWin, std::move(once)) || accept(Mojibake::Utf8AsKoi, through(EncodingCode::KOI)) ||
      accept(Mojibake::Utf8AsDos, through(EncodingCode::DOS)))
    return repair;
  return {};
}

MojibakeRepair FindLatinMojibake(std::string_view utf8_file) {
  // A file made of Latin-1 and Windows-1252 characters only has no Russian
  // letter as it stands, so the repaired text alone decides.
  std::optional<std::string> bytes = LatinReadings().Undo(WithoutBom(utf8_file));
  if (!bytes || !ReadsAsRussian(*bytes)) return {};
  return {Mojibake::WinAsLatin, std::move(*bytes)};
}

}  // namespace plumex
