#pragma once
// Keyboard access to the menu bar as a desktop user expects it: Alt with a
// menu's letter opens it, a lone Alt or F10 puts the focus on the bar, Esc
// gives it back to the text.
#include <QObject>

class QMenuBar;
class QShortcut;

namespace plumex {

class MenuKeys : public QObject {
  Q_OBJECT

 public:
  explicit MenuKeys(QMenuBar& bar);

  // F10 belongs to the bar unless the user gave it to an action.
  void SetF10Free(bool free);

 private:
  void FocusBar();

  QMenuBar& bar_;
  QShortcut* f10_;
};

}  // namespace plumex
