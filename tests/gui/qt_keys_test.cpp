#include "platform/qt_keys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include "model/action_table.h"

namespace plumex {
namespace {

PressedKey Pressed(int key, Qt::KeyboardModifiers held) { return PressedKeyOf({QEvent::KeyPress, key, held}); }

TEST(QtKeys, EveryBuiltInKeyGoesToQtAndComesBackFromItsKeyPress) {
  for (const ActionRow& row : Actions()) {
    const QList<QKeySequence> shortcuts = ShortcutsFor(ParseKeyText(row.defaultKey));
    ASSERT_EQ(shortcuts.isEmpty(), *row.defaultKey == '\0') << row.name;
    if (shortcuts.isEmpty()) continue;
    const QKeyCombination key = shortcuts.front()[0];
    EXPECT_EQ(KeyText(Pressed(key.key(), key.keyboardModifiers()).stroke), row.defaultKey);
  }
}

TEST(QtKeys, ShortcutsUseQtsKeysForOurNamesAndEnterIsBothEnters) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const struct { const char* text; QKeyCombination combination; } cases[] = {
      {"Shift+Ctrl+Alt+S", Qt::ShiftModifier | ctrl | Qt::AltModifier | Qt::Key_S}, {"Ctrl+=", ctrl | Qt::Key_Equal},
      {"Shift+Ctrl+[", Qt::ShiftModifier | ctrl | Qt::Key_BracketLeft}, {"Ctrl+\\", ctrl | Qt::Key_Backslash},
      {"Ctrl+`", ctrl | Qt::Key_QuoteLeft}, {"Alt+'", QKeyCombination(Qt::AltModifier, Qt::Key_Apostrophe)},
      {"Shift+F24", QKeyCombination(Qt::ShiftModifier, Qt::Key_F24)}, {"BkSp", QKeyCombination(Qt::Key_Backspace)},
      {"Ctrl+PgDn", ctrl | Qt::Key_PageDown}, {"Ctrl+Ins", ctrl | Qt::Key_Insert},
      {"Ctrl+Del", ctrl | Qt::Key_Delete}, {"Ctrl++", ctrl | Qt::Key_Plus},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShortcutsFor(ParseKeyText(c.text)), QList<QKeySequence>({QKeySequence(c.combination)})) << c.text;
  EXPECT_EQ(ShortcutsFor(ParseKeyText("Ctrl+Enter")),
            QList<QKeySequence>({QKeySequence(ctrl | Qt::Key_Return), QKeySequence(ctrl | Qt::Key_Enter)}));
  EXPECT_EQ(KeyCombinationOf({}).key(), Qt::Key_unknown);
}

TEST(QtKeys, PressedKeysAreNamedByTheUnshiftedUsKey) {
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, shiftCtrl = shift | ctrl;
  const Qt::KeyboardModifiers pad = ctrl | Qt::KeypadModifier;
  const KeyArea main = KeyArea::Main, keypad = KeyArea::Keypad;
  const struct { int key; Qt::KeyboardModifiers modifiers; const char* text; KeyArea area; } cases[] = {
      {Qt::Key_Exclam, shift, "Shift+1", main}, {Qt::Key_ParenRight, shiftCtrl, "Shift+Ctrl+0", main},
      {Qt::Key_BraceLeft, shiftCtrl, "Shift+Ctrl+[", main}, {Qt::Key_Bar, shiftCtrl, "Shift+Ctrl+\\", main},
      {Qt::Key_QuoteDbl, shiftCtrl, "Shift+Ctrl+'", main}, {Qt::Key_AsciiTilde, shiftCtrl, "Shift+Ctrl+`", main},
      {Qt::Key_Plus, shiftCtrl, "Shift+Ctrl+=", main}, {Qt::Key_Asterisk, shiftCtrl, "Shift+Ctrl+8", main},
      {Qt::Key_Plus, pad, "Ctrl++", keypad}, {Qt::Key_Asterisk, pad, "Ctrl+*", keypad},
      {Qt::Key_Minus, pad, "Ctrl+-", keypad}, {Qt::Key_1, pad, "Ctrl+1", keypad},
      {Qt::Key_Enter, pad, "Ctrl+Enter", keypad}, {Qt::Key_End, pad, "Ctrl+End", keypad},
      {0x041B, ctrl, "Ctrl+K", main}, {0x0425, ctrl | Qt::AltModifier, "Ctrl+Alt+[", main},  // Л, Х
      {0x0401, ctrl, "Ctrl+`", main}, {Qt::Key_Backtab, shift, "Shift+Tab", main},        // Ё
      {Qt::Key_Backtab, Qt::NoModifier, "Shift+Tab", main}, {Qt::Key_F13, Qt::NoModifier, "F13", main},
      {Qt::Key_K, ctrl | Qt::MetaModifier, "Ctrl+K", main},  // other state is ignored
  };
  for (const auto& c : cases) {
    const PressedKey pressed = Pressed(c.key, c.modifiers);
    EXPECT_EQ(KeyText(pressed.stroke), c.text) << std::hex << c.key;
    EXPECT_EQ(pressed.area, c.area) << c.text;
  }
}

TEST(QtKeys, ModifiersAloneAndUnknownKeysAreNoKey) {
  for (int key : {int(Qt::Key_Control), int(Qt::Key_Shift), int(Qt::Key_Alt), int(Qt::Key_Meta), int(Qt::Key_AltGr),
                  int(Qt::Key_CapsLock), int(Qt::Key_unknown), int(Qt::Key_Print), 0x20AC, 0x4E2D, 0})
    EXPECT_TRUE(Pressed(key, Qt::ControlModifier).stroke.empty()) << std::hex << key;
}

}  // namespace
}  // namespace plumex
