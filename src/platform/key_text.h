#pragma once
// Shortcuts as hotkeys.ini and the key list write them: "Shift+", "Ctrl+",
// "Alt+" in that order, then the key's name ("Ctrl+N", "Shift+Ctrl+Alt+[",
// "F11", "Ctrl+Enter"). Punctuation keys are named by what they type on the
// US layout, so a file reads back the same whatever layout is active.
#include <cstdint>
#include <string>
#include <string_view>

namespace plumex {

// Where a key lies. The keypad's digits, "-", "/" and "." are written like
// those of the main block, but the window gives some of them work of its own.
enum class KeyArea { Main, Keypad };

// The keys with Ctrl that the window keeps for itself whatever hotkeys.ini
// says: font size on the keypad, English back on pad 1, typographic inserts
// on the physical minus and quote keys.
enum class WindowKey { None, PadPlus, PadMinus, Pad0, Pad1, EmDash, Apostrophe };

enum class Modifiers : std::uint8_t { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };

constexpr Modifiers operator|(Modifiers a, Modifiers b) {
  return static_cast<Modifiers>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool Has(Modifiers set, Modifiers one) {
  return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(one)) != 0;
}

// The key itself. A printable key is its unshifted US character (letters in
// upper case, digits, = - [ ] \ ; ' , . / ` and the keypad's + and *); the
// keys without a character have codes of their own above 0xFF.
enum class KeyCode : std::uint16_t {
  None = 0,
  BkSp = 0x100, Tab, Esc, Enter, Space, PgUp, PgDn, End, Home, Left, Up, Right, Down, Ins, Del,
  F1 = 0x120,
  F24 = F1 + 23,
};

// The key of a printable character, KeyCode::None for a character no key is
// named by. Small letters give their capitals.
KeyCode CharKey(char c);
// The character of a printable key, '\0' for the others.
char KeyChar(KeyCode key);
// F1 to F24 as 1 to 24, 0 for other keys.
int FunctionKeyNumber(KeyCode key);

struct KeyStroke {
  Modifiers modifiers = Modifiers::None;
  KeyCode key = KeyCode::None;

  bool empty() const { return key == KeyCode::None; }
  bool operator==(const KeyStroke&) const = default;
};

// The shortcut text; the empty text for the empty shortcut.
std::string KeyText(const KeyStroke& stroke);

// Reads a shortcut text in any letter case, with blanks around its parts and
// the modifiers in any order. Anything else (unknown names, a modifier twice,
// modifiers without a key) is the empty shortcut.
KeyStroke ParseKeyText(std::string_view text);

}  // namespace plumex
