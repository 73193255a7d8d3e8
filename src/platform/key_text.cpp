#include "platform/key_text.h"

namespace plumex {
namespace {

// Printable keys besides letters and digits: the US layout's unshifted
// punctuation, and the keypad's + and * (its digits, - / and . are written
// like those of the main block).
constexpr std::string_view kPunctuation = "=-[]\\;',./`+*";

struct NamedKey {
  KeyCode key;
  std::string_view name;
};

constexpr NamedKey kNamedKeys[] = {
    {KeyCode::BkSp, "BkSp"},   {KeyCode::Tab, "Tab"},     {KeyCode::Esc, "Esc"},
    {KeyCode::Enter, "Enter"}, {KeyCode::Space, "Space"}, {KeyCode::PgUp, "PgUp"},
    {KeyCode::PgDn, "PgDn"},   {KeyCode::End, "End"},     {KeyCode::Home, "Home"},
    {KeyCode::Left, "Left"},   {KeyCode::Up, "Up"},       {KeyCode::Right, "Right"},
    {KeyCode::Down, "Down"},   {KeyCode::Ins, "Ins"},     {KeyCode::Del, "Del"},
};

struct ModifierName {
  Modifiers modifier;
  std::string_view prefix;  // without its "+"
};

// The order in which texts are written.
constexpr ModifierName kModifierNames[] = {
    {Modifiers::Shift, "Shift"}, {Modifiers::Ctrl, "Ctrl"}, {Modifiers::Alt, "Alt"}};

constexpr int kFunctionKeys = 24;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// "F1" to "F24", without leading zeros.
KeyCode FunctionKeyByName(std::string_view name) {
  if (name.size() < 2 || name.size() > 3 || Lower(name[0]) != 'f' || name[1] == '0')
    return KeyCode::None;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return KeyCode::None;
    number = number * 10 + (c - '0');
  }
  if (number > kFunctionKeys) return KeyCode::None;
  return static_cast<KeyCode>(static_cast<int>(KeyCode::F1) + number - 1);
}

KeyCode KeyByName(std::string_view name) {
  if (name.size() == 1) return CharKey(name[0]);
  for (const NamedKey& named : kNamedKeys)
    if (EqualIgnoringCase(name, named.name)) return named.key;
  return FunctionKeyByName(name);
}

// Takes one "Modifier +" off the front of `text` when a key follows it.
bool TakeModifier(std::string_view& text, Modifiers& modifiers, bool& repeated) {
  for (const ModifierName& m : kModifierNames) {
    if (text.size() < m.prefix.size() ||
        !EqualIgnoringCase(text.substr(0, m.prefix.size()), m.prefix))
      continue;
    const std::string_view after = TrimLeft(text.substr(m.prefix.size()));
    if (after.empty() || after.front() != '+') continue;
    const std::string_view rest = Trim(after.substr(1));
    if (rest.empty()) continue;  // "Ctrl+" names no key
    repeated = repeated || Has(modifiers, m.modifier);
    modifiers = modifiers | m.modifier;
    text = rest;
    return true;
  }
  return false;
}

}  // namespace

KeyCode CharKey(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  if (!letterOrDigit && (c == '\0' || kPunctuation.find(c) == std::string_view::npos))
    return KeyCode::None;
  return static_cast<KeyCode>(static_cast<unsigned char>(c));
}

char KeyChar(KeyCode key) {
  const auto code = static_cast<unsigned>(key);
  if (code == 0 || code > 0x7F) return '\0';
  const char c = static_cast<char>(code);
  return CharKey(c) == key ? c : '\0';
}

int FunctionKeyNumber(KeyCode key) {
  const int offset = static_cast<int>(key) - static_cast<int>(KeyCode::F1);
  return offset >= 0 && offset < kFunctionKeys ? offset + 1 : 0;
}

std::string KeyText(const KeyStroke& stroke) {
  if (stroke.empty()) return {};
  std::string text;
  for (const ModifierName& m : kModifierNames)
    if (Has(stroke.modifiers, m.modifier)) (text += m.prefix) += '+';
  if (const char c = KeyChar(stroke.key); c != '\0') return text + c;
  if (const int f = FunctionKeyNumber(stroke.key); f != 0) return text + 'F' + std::to_string(f);
  for (const NamedKey& named : kNamedKeys)
    if (named.key == stroke.key) return text + std::string(named.name);
  return {};  // a code that names no key
}

KeyStroke ParseKeyText(std::string_view text) {
  std::string_view rest = Trim(text);
  Modifiers modifiers = Modifiers::None;
  bool repeated = false;
  while (TakeModifier(rest, modifiers, repeated)) {
  }
  const KeyCode key = KeyByName(rest);
  if (repeated || key == KeyCode::None) return {};
  return {modifiers, key};
}

}  // namespace plumex
