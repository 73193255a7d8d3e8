#pragma once
// The language table's texts as the widgets show them.
#include <QString>

#include "platform/prompter.h"

class QWidget;

namespace plumex {

class LanguageTable;

// The texts the widgets show come from the table put in force here, the way
// a translator is installed: the profile owns it and must outlive its use.
// Until one is put in force, and after nullptr, the widgets speak the
// built-in English.
void PutTextsInForce(const LanguageTable* texts);
const LanguageTable& TextsInForce();

QString Tr(const char* key);

// Ties a widget's caption to a language key, for RetranslateKeyed.
void SetTextKey(QWidget* widget, const char* key);
template <class Widget>
Widget* Keyed(Widget* widget, const char* key) {
  SetTextKey(widget, key);
  return widget;
}
// Every widget under `root` tied to a key takes that key's text in force: a
// label's or button's text, a group box's title.
void RetranslateKeyed(const QWidget& root);

// The word on a message box button, for DialogPrompter.
QString BoxButtonText(BoxButton button);

}  // namespace plumex
