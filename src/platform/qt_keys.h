#pragma once
// Shortcuts between their stored text and Qt: the sequences an action is
// given, and the key a pressed key means. Qt's own key text is never stored:
// it differs between versions and platforms.
#include <QKeySequence>
#include <QList>

#include "platform/key_text.h"

class QKeyEvent;

namespace plumex {

// The key combination of a shortcut; an empty shortcut gives Qt::Key_unknown.
QKeyCombination KeyCombinationOf(const KeyStroke& stroke);

// The sequences an action is given: none for the empty shortcut, and for
// "Enter" both the main block's Return and the keypad's Enter.
QList<QKeySequence> ShortcutsFor(const KeyStroke& stroke);

struct PressedKey {
  KeyStroke stroke;  // empty for a lone modifier or a key without a name
  KeyArea area = KeyArea::Main;
};

// The key a press or release means as a shortcut: the held Shift, Ctrl and
// Alt, and the key by its unshifted US name. Latin letters and digits are
// taken as typed; a shifted sign or a letter of another alphabet is named by
// the US key at the same place on the keyboard ("Shift+1", not "!"; "Ctrl+Q"
// for the Russian layout's first letter).
PressedKey PressedKeyOf(const QKeyEvent& event);

// The window key a press means, by the key's place for the inserts (so they
// work whatever the layout).
WindowKey WindowKeyOf(const QKeyEvent& event);

}  // namespace plumex
