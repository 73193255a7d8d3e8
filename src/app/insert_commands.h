#pragma once
// The Insert menu as the window runs it: separator, signature, date and
// time, an external file, the special characters and the character map.
// What goes in, and the rules of going in, are the core's; this side reads
// the file, says why nothing went in, and keeps the menus.
#include <QObject>
#include <QString>
#include <functional>

#include "commands/inserts.h"

class QMenu;

namespace plumex {

class CharMap;
class Document;
class EditorWidget;
class Profile;
class Prompter;

class InsertCommands : public QObject {
 public:
  struct Parts {
    EditorWidget& editor;
    const Document& document;
    Profile& profile;
    Prompter& prompter;
    QMenu& specialChars;            // one menu, shown by the Insert menu and the pop-up
    std::function<bool()> locked;   // Replace All is running: nothing goes in
    std::function<void()> refresh;  // panes and actions, after a text went in
  };
  // Builds the character map, a child of `window`, from the loaded settings.
  InsertCommands(Parts parts, QWidget* window);

  void Separator();
  void Signature();
  void DateAndTime();
  // The open dialog; the chosen file is read whole, and only then inserted.
  void ExternalFile();
  void ShowCharMap();
  // One item for each byte of strSpecChars; none disables the menu.
  void BuildSpecialMenu();
  void Retranslate();

  CharMap* charMap() const { return charMap_; }

 private:
  void Character(unsigned char code);
  void AddToSpecial(unsigned char code);
  // Tells why a text was refused; `source` names the file it came from.
  void Report(InsertOutcome outcome, const QString& source = {});

  Parts p_;
  CharMap* charMap_;
};

}  // namespace plumex
