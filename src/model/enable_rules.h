#pragma once
// Which actions are enabled, from what the window knows of the text at the
// moment. One function for every action, so menus, keys and the tool bar
// agree.
#include "model/action_table.h"

namespace plumex {

struct EditorFacts {
  bool selection = false;  // a selection, and no rewrite under way
  bool readOnly = false;
  bool undoStep = false;
  bool redoStep = false;
  bool clipboardText = false;
  bool unsaved = true;      // changed since the last save, or never saved
  bool onLink = false;      // the last right click was on a link
  bool replacing = false;   // Replace All is running
  bool helpFile = false;
  bool historyFile = false;
  bool readmeFile = false;
};

bool ActionEnabled(const ActionRow& row, const EditorFacts& facts);

}  // namespace plumex
