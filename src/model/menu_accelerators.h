#pragma once
// Keyboard access to the menus: every item of one menu level gets its own
// letter, chosen afresh from the captions of the current language, so no
// language file or setting ever stores a mark.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

// One byte index per caption (Windows-1251 bytes), or -1 for none. A key
// answers to both cases of its letter, Latin and Cyrillic (Ё with ё), and
// stands once per level. Each caption tries, in this order of rounds, its
// first letter, the first letter of a later word, any letter, and last any
// digit: a digit is a poor reminder of a word, and the recent-file items use
// digits as their own keys. Every round lets all captions choose before the
// next begins, earlier items first, so a first letter is never lost to a
// later item's fallback. Empty captions (separators) get none.
std::vector<int> ChooseAccelerators(std::span<const std::string> captions);

// The caption as a menu shows it: every "&" doubled so it shows as itself,
// and "&" before the byte at `index` (none when it is outside the caption).
std::string MarkAccelerator(std::string_view caption, int index);

}  // namespace plumex
