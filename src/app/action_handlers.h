#pragma once
// What each action of the table does: one short hand-off per row, in the
// table's order.
#include <span>

#include "model/action_table.h"

namespace plumex {

class MainWindow;
class EditorWidget;
class Document;
class FileCommands;
class TextCommands;
class ToolCommands;
class FindReplace;
class GoToDialog;
class InsertCommands;
class ClipboardCommands;
class Profile;
class Appearance;
class PrintController;
class ServiceCommands;

// The parts of the window the handlers hand their work to.
struct WindowParts {
  MainWindow& window;
  EditorWidget& editor;
  Document& document;
  Profile& profile;
  FileCommands& files;
  TextCommands& text;
  FindReplace& finder;
  GoToDialog& goTo;
  Appearance& appearance;
  ClipboardCommands& clipboard;
  InsertCommands& inserts;
  ToolCommands& tools;
  PrintController& print;
  ServiceCommands& services;
};

using ActionHandler = void (*)(WindowParts& parts);

struct HandlerRow {
  ActionId id;
  ActionHandler run;  // nullptr: the feature is still to come
};

// One row per action, in the order of the action table.
std::span<const HandlerRow> ActionHandlers();

}  // namespace plumex
