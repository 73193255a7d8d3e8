#include "platform/qt_keys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include "model/action_table.h"

namespace plumex {
namespace {

PressedKey Pressed(int key, Qt::KeyboardModifiers modifiers) {
  const QKeyEvent event(QEvent::KeyPress, key, modifiers);
  return PressedKeyOf(event);
}

TEST(QtKeys, EveryBuiltInKeyGoesToQtAndComesBackFromItsKeyPress) {
  for (const ActionRow& row : Actions()) {
    const KeyStroke stroke = ParseKeyText(row.defaultKey);
    const QList<QKeySequence> shortcuts = ShortcutsFor(stroke);
    if (stroke.empty()) {
      EXPECT_TRUE(shortcuts.isEmpty()) << row.name;
      continue;
    }
    ASSERT_FALSE(shortcuts.isEmpty()) << row.name;
    const QKeyCombination combination = shortcuts.front()[0];
    EXPECT_EQ(KeyText(Pressed(combination.key(), combination.keyboardModifiers()).stroke), row.defaultKey) << row.name;
  }
}

TEST(QtKeys, ShortcutsUseQtsKeysForOurNames) {
  const struct { const char* text; QKeyCombination combination; } cases[] = {
      {"Ctrl+N", QKeyCombination(Qt::ControlModifier, Qt::Key_N)},
      {"Shift+Ctrl+Alt+S", Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::Key_S},
      {"Ctrl+=", QKeyCombination(Qt::ControlModifier, Qt::Key_Equal)},
      {"Ctrl+-", QKeyCombination(Qt::ControlModifier, Qt::Key_Minus)},
      {"Shift+Ctrl+[", Qt::ShiftModifier | Qt::ControlModifier | Qt::Key_BracketLeft},
      {"Ctrl+\\", QKeyCombination(Qt::ControlModifier, Qt::Key_Backslash)},
      {"Ctrl+`", QKeyCombination(Qt::ControlModifier, Qt::Key_QuoteLeft)},
      {"Alt+'", QKeyCombination(Qt::AltModifier, Qt::Key_Apostrophe)},
      {"F11", QKeyCombination(Qt::Key_F11)},
      {"Shift+F24", QKeyCombination(Qt::ShiftModifier, Qt::Key_F24)},
      {"BkSp", QKeyCombination(Qt::Key_Backspace)},
      {"Ctrl+PgDn", QKeyCombination(Qt::ControlModifier, Qt::Key_PageDown)},
      {"Ctrl+Ins", QKeyCombination(Qt::ControlModifier, Qt::Key_Insert)},
      {"Ctrl+Del", QKeyCombination(Qt::ControlModifier, Qt::Key_Delete)},
      {"Ctrl++", QKeyCombination(Qt::ControlModifier, Qt::Key_Plus)},
  };
  for (const auto& c : cases) {
    const QList<QKeySequence> shortcuts = ShortcutsFor(ParseKeyText(c.text));
    ASSERT_EQ(shortcuts.size(), 1) << c.text;
    EXPECT_EQ(shortcuts.front(), QKeySequence(c.combination)) << c.text;
  }
  EXPECT_EQ(KeyCombinationOf({}).key(), Qt::Key_unknown);
}

TEST(QtKeys, EnterIsTheMainReturnAndTheKeypadEnter) {
  const QList<QKeySequence> shortcuts = ShortcutsFor(ParseKeyText("Ctrl+Enter"));
  ASSERT_EQ(shortcuts.size(), 2);
  EXPECT_EQ(shortcuts[0], QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key_Return)));
  EXPECT_EQ(shortcuts[1], QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key_Enter)));
}

TEST(QtKeys, PressedKeysAreNamedByTheUnshiftedUsKey) {
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, shiftCtrl = shift | ctrl;
  const struct { int key; Qt::KeyboardModifiers modifiers; const char* text; KeyArea area; } cases[] = {
      {Qt::Key_Exclam, shift, "Shift+1", KeyArea::Main},
      {Qt::Key_ParenRight, shiftCtrl, "Shift+Ctrl+0", KeyArea::Main},
      {Qt::Key_BraceLeft, shiftCtrl, "Shift+Ctrl+[", KeyArea::Main},
      {Qt::Key_Bar, shiftCtrl, "Shift+Ctrl+\\", KeyArea::Main},
      {Qt::Key_QuoteDbl, shiftCtrl, "Shift+Ctrl+'", KeyArea::Main},
      {Qt::Key_AsciiTilde, shiftCtrl, "Shift+Ctrl+`", KeyArea::Main},
      {Qt::Key_Plus, shiftCtrl, "Shift+Ctrl+=", KeyArea::Main},
      {Qt::Key_Asterisk, shiftCtrl, "Shift+Ctrl+8", KeyArea::Main},
      {Qt::Key_Plus, ctrl | Qt::KeypadModifier, "Ctrl++", KeyArea::Keypad},
      {Qt::Key_Asterisk, ctrl | Qt::KeypadModifier, "Ctrl+*", KeyArea::Keypad},
      {Qt::Key_Minus, ctrl | Qt::KeypadModifier, "Ctrl+-", KeyArea::Keypad},
      {Qt::Key_1, ctrl | Qt::KeypadModifier, "Ctrl+1", KeyArea::Keypad},
      {Qt::Key_Enter, ctrl | Qt::KeypadModifier, "Ctrl+Enter", KeyArea::Keypad},
      {Qt::Key_End, ctrl | Qt::KeypadModifier, "Ctrl+End", KeyArea::Keypad},
      {0x041B, ctrl, "Ctrl+K", KeyArea::Main},          // Л
      {0x0425, ctrl | Qt::AltModifier, "Ctrl+Alt+[", KeyArea::Main},  // Х
      {0x0401, ctrl, "Ctrl+`", KeyArea::Main},          // Ё
      {Qt::Key_Backtab, shift, "Shift+Tab", KeyArea::Main},
      {Qt::Key_Backtab, Qt::NoModifier, "Shift+Tab", KeyArea::Main},
      {Qt::Key_K, ctrl | Qt::MetaModifier, "Ctrl+K", KeyArea::Main},  // other state is ignored
      {Qt::Key_F13, Qt::NoModifier, "F13", KeyArea::Main},
  };
  for (const auto& c : cases) {
    const PressedKey pressed = Pressed(c.key, c.modifiers);
    EXPECT_EQ(KeyText(pressed.stroke), c.text) << std::hex << c.key;
    EXPECT_EQ(pressed.area, c.area) << c.text;
  }
}

TEST(QtKeys, ModifiersAloneAndUnknownKeysAreNoKey) {
  for (int key : {int(Qt::Key_Control), int(Qt::Key_Shift), int(Qt::Key_Alt), int(Qt::Key_Meta),
                  int(Qt::Key_AltGr), int(Qt::Key_CapsLock), int(Qt::Key_unknown), int(Qt::Key_Print),
                  0x20AC, 0x4E2D, 0}) {
    EXPECT_TRUE(Pressed(key, Qt::ControlModifier).stroke.empty()) << std::hex << key;
  }
}

}  // namespace
}  // namespace plumex
