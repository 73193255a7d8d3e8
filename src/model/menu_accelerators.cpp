#include "model/menu_accelerators.h"

#include <array>
#include <cstddef>

namespace plumex {
namespace {

bool IsLatin(unsigned char byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

// The Russian alphabet of Windows-1251: А..я in one block, Ё and ё apart.
bool IsCyrillic(unsigned char byte) { return byte >= 0xC0 || byte == 0xA8 || byte == 0xB8; }

bool IsLetter(unsigned char byte) { return IsLatin(byte) || IsCyrillic(byte); }

bool IsDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

// The upper-case form: the key a letter answers to. Both lower-case blocks
// sit 0x20 above their capitals; ё sits 0x10 above Ё.
unsigned char KeyOf(unsigned char byte) {
  if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0) return static_cast<unsigned char>(byte - 0x20);
  if (byte == 0xB8) return 0xA8;
  return byte;
}

enum class Round { FirstLetter, WordStart, AnyLetter, AnyDigit };
constexpr Round kRounds[] = {Round::FirstLetter, Round::WordStart, Round::AnyLetter, Round::AnyDigit};

unsigned char ByteAt(std::string_view caption, std::size_t at) {
  return static_cast<unsigned char>(caption[at]);
}

bool Fits(Round round, std::string_view caption, std::size_t at) {
  const unsigned char byte = ByteAt(caption, at);
  switch (round) {
    case Round::FirstLetter:
    case Round::AnyLetter: return IsLetter(byte);
    case Round::WordStart: {
      if (!IsLetter(byte) || at == 0) return false;
      const unsigned char before = ByteAt(caption, at - 1);
      return !IsLetter(before) && !IsDigit(before);
    }
    case Round::AnyDigit: return IsDigit(byte);
  }
  return false;
}

using TakenKeys = std::array<bool, 256>;

int FirstFree(Round round, std::string_view caption, const TakenKeys& taken) {
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (!Fits(round, caption, at)) continue;
    if (!taken[KeyOf(ByteAt(caption, at))]) return static_cast<int>(at);
    if (round == Round::FirstLetter) break;  // only the very first letter counts here
  }
  return -1;
}

}  // namespace

std::vector<int> ChooseAccelerators(std::span<const std::string> captions) {
  std::vector<int> chosen(captions.size(), -1);
  TakenKeys taken{};
  for (const Round round : kRounds) {
    for (std::size_t i = 0; i < captions.size(); ++i) {
      if (chosen[i] >= 0) continue;
      chosen[i] = FirstFree(round, captions[i], taken);
      if (chosen[i] >= 0) taken[KeyOf(ByteAt(captions[i], static_cast<std::size_t>(chosen[i])))] = true;
    }
  }
  return chosen;
}

std::string MarkAccelerator(std::string_view caption, int index) {
  std::string shown;
  shown.reserve(caption.size() + 2);
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (index >= 0 && at == static_cast<std::size_t>(index)) shown += '&';
    if (caption[at] == '&') shown += '&';
    shown += caption[at];
  }
  return shown;
}

}  // namespace plumex
