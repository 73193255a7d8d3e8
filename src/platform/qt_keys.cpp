#include "platform/qt_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <iterator>

namespace plumex {
namespace {

struct QtNamedKey {
  Qt::Key qt;
  KeyCode key;
};

// The first row of a key is the one its shortcut uses.
constexpr QtNamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, KeyCode::BkSp}, {Qt::Key_Tab, KeyCode::Tab},
    {Qt::Key_Backtab, KeyCode::Tab},    {Qt::Key_Escape, KeyCode::Esc},
    {Qt::Key_Return, KeyCode::Enter},   {Qt::Key_Enter, KeyCode::Enter},
    {Qt::Key_Space, KeyCode::Space},    {Qt::Key_PageUp, KeyCode::PgUp},
    {Qt::Key_PageDown, KeyCode::PgDn},  {Qt::Key_End, KeyCode::End},
    {Qt::Key_Home, KeyCode::Home},      {Qt::Key_Left, KeyCode::Left},
    {Qt::Key_Up, KeyCode::Up},          {Qt::Key_Right, KeyCode::Right},
    {Qt::Key_Down, KeyCode::Down},      {Qt::Key_Insert, KeyCode::Ins},
    {Qt::Key_Delete, KeyCode::Del},
};

// What Shift makes of the US layout's keys, back to the key.
constexpr std::pair<char, char> kShiftedUs[] = {
    {'!', '1'}, {'@', '2'}, {'#', '3'}, {'$', '4'},  {'%', '5'}, {'^', '6'}, {'&', '7'},
    {'*', '8'}, {'(', '9'}, {')', '0'}, {'_', '-'},  {'+', '='}, {'{', '['}, {'}', ']'},
    {'|', '\\'}, {':', ';'}, {'"', '\''}, {'<', ','}, {'>', '.'}, {'?', '/'}, {'~', '`'},
};

// The Russian layout's letters ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ, by the US
// key they lie on; for platforms that give no scan code.
constexpr std::pair<char16_t, char> kRussianLetters[] = {
    {u'\u0419', 'Q'}, {u'\u0426', 'W'}, {u'\u0423', 'E'}, {u'\u041A', 'R'}, {u'\u0415', 'T'},
    {u'\u041D', 'Y'}, {u'\u0413', 'U'}, {u'\u0428', 'I'}, {u'\u0429', 'O'}, {u'\u0417', 'P'},
    {u'\u0425', '['}, {u'\u042A', ']'}, {u'\u0424', 'A'}, {u'\u042B', 'S'}, {u'\u0412', 'D'},
    {u'\u0410', 'F'}, {u'\u041F', 'G'}, {u'\u0420', 'H'}, {u'\u041E', 'J'}, {u'\u041B', 'K'},
    {u'\u0414', 'L'}, {u'\u0416', ';'}, {u'\u042D', '\''}, {u'\u042F', 'Z'}, {u'\u0427', 'X'},
    {u'\u0421', 'C'}, {u'\u041C', 'V'}, {u'\u0418', 'B'}, {u'\u0422', 'N'}, {u'\u042C', 'M'},
    {u'\u0411', ','}, {u'\u042E', '.'}, {u'\u0401', '`'},
};

// The main block's printable keys by their Linux input code (the X and
// Wayland scan code less 8), as the US layout names them.
constexpr char kUsKeyByInputCode[] =
    "\0\0" "1234567890-=" "\0\0" "QWERTYUIOP[]" "\0\0" "ASDFGHJKL;'`" "\0" "\\ZXCVBNM,./";
constexpr unsigned kScanCodeOffset = 8;

Qt::Key QtKeyOf(KeyCode key) {
  if (const char c = KeyChar(key); c != '\0') return static_cast<Qt::Key>(c);
  if (const int f = FunctionKeyNumber(key); f != 0) return static_cast<Qt::Key>(Qt::Key_F1 + f - 1);
  for (const QtNamedKey& named : kNamedKeys)
    if (named.key == key) return named.qt;
  return Qt::Key_unknown;
}

KeyCode NamedKeyOf(int qtKey) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
    return static_cast<KeyCode>(static_cast<int>(KeyCode::F1) + (qtKey - Qt::Key_F1));
  for (const QtNamedKey& named : kNamedKeys)
    if (named.qt == qtKey) return named.key;
  return KeyCode::None;
}

bool IsLatinLetterOrDigit(int qtKey) {
  return (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9);
}

bool HasScanCodes() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

// The physical key, whatever the layout made of it.
KeyCode KeyAtScanCode(quint32 scanCode) {
  static const bool usable = HasScanCodes();
  if (!usable || scanCode < kScanCodeOffset) return KeyCode::None;
  const quint32 code = scanCode - kScanCodeOffset;
  if (code >= std::size(kUsKeyByInputCode) - 1) return KeyCode::None;
  return CharKey(kUsKeyByInputCode[code]);
}

// The key from the character Qt reports, undoing Shift and the Russian layout.
KeyCode KeyOfCharacter(int qtKey, KeyArea area) {
  if (qtKey > 0x20 && qtKey < 0x7F) {
    const char c = static_cast<char>(qtKey);
    // The keypad's + and * are keys of their own; elsewhere they are shifted.
    const bool keypadSign = area == KeyArea::Keypad && (c == '+' || c == '*');
    if (!keypadSign)
      for (const auto& [shifted, key] : kShiftedUs)
        if (shifted == c) return CharKey(key);
    return CharKey(c);
  }
  for (const auto& [letter, key] : kRussianLetters)
    if (letter == qtKey) return CharKey(key);
  return KeyCode::None;
}

}  // namespace

QKeyCombination KeyCombinationOf(const KeyStroke& stroke) {
  const Qt::Key key = QtKeyOf(stroke.key);
  if (key == Qt::Key_unknown) return QKeyCombination(Qt::Key_unknown);
  Qt::KeyboardModifiers modifiers;
  if (Has(stroke.modifiers, Modifiers::Shift)) modifiers |= Qt::ShiftModifier;
  if (Has(stroke.modifiers, Modifiers::Ctrl)) modifiers |= Qt::ControlModifier;
  if (Has(stroke.modifiers, Modifiers::Alt)) modifiers |= Qt::AltModifier;
  return QKeyCombination(modifiers, key);
}

QList<QKeySequence> ShortcutsFor(const KeyStroke& stroke) {
  const QKeyCombination combination = KeyCombinationOf(stroke);
  if (combination.key() == Qt::Key_unknown) return {};
  QList<QKeySequence> shortcuts{QKeySequence(combination)};
  // The keypad's Enter is a key of its own to Qt.
  if (combination.key() == Qt::Key_Return)
    shortcuts.append(QKeySequence(QKeyCombination(combination.keyboardModifiers(), Qt::Key_Enter)));
  return shortcuts;
}

PressedKey PressedKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  PressedKey pressed;
  pressed.area = held.testFlag(Qt::KeypadModifier) ? KeyArea::Keypad : KeyArea::Main;
  KeyCode key = NamedKeyOf(event.key());
  // A Latin letter or a digit is taken as the layout gives it, since that is
  // the key Qt's shortcuts answer to; a shifted sign or a letter of another
  // alphabet is the key it lies on.
  if (key == KeyCode::None && IsLatinLetterOrDigit(event.key()))
    key = CharKey(static_cast<char>(event.key()));
  if (key == KeyCode::None && pressed.area == KeyArea::Main)
    key = KeyAtScanCode(event.nativeScanCode());
  if (key == KeyCode::None) key = KeyOfCharacter(event.key(), pressed.area);
  if (key == KeyCode::None) return pressed;

  Modifiers modifiers = Modifiers::None;
  // Qt reports Shift+Tab as a key of its own.
  if (held.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab)
    modifiers = modifiers | Modifiers::Shift;
  if (held.testFlag(Qt::ControlModifier)) modifiers = modifiers | Modifiers::Ctrl;
  if (held.testFlag(Qt::AltModifier)) modifiers = modifiers | Modifiers::Alt;
  pressed.stroke = {modifiers, key};
  return pressed;
}

WindowKey WindowKeyOf(const QKeyEvent& event) {
  // Scan codes of the physical minus and quote keys (X11 key codes); without
  // scan codes the key decides.
  constexpr quint32 kMinusScanCode = 20;
  constexpr quint32 kQuoteScanCode = 48;
  const auto physical = [&event](quint32 scanCode, int fallback) {
    return event.nativeScanCode() != 0 ? event.nativeScanCode() == scanCode : event.key() == fallback;
  };
  const Qt::KeyboardModifiers held = event.modifiers();
  if (!held.testFlag(Qt::ControlModifier)) return WindowKey::None;
  const bool alt = held.testFlag(Qt::AltModifier);
  const bool pad = held.testFlag(Qt::KeypadModifier);
  if (pad) {
    switch (event.key()) {
      case Qt::Key_Plus: return alt ? WindowKey::None : WindowKey::PadPlus;
      case Qt::Key_Minus: return alt ? WindowKey::None : WindowKey::PadMinus;
      case Qt::Key_0: return WindowKey::Pad0;
      case Qt::Key_1: return WindowKey::Pad1;
      default: return WindowKey::None;
    }
  }
  if (alt && physical(kMinusScanCode, Qt::Key_Minus)) return WindowKey::EmDash;
  if (alt && physical(kQuoteScanCode, Qt::Key_Apostrophe)) return WindowKey::Apostrophe;
  return WindowKey::None;
}

}  // namespace plumex
