#pragma once
// The clipboard features in the window: the watcher's notices, the Catch
// Clipboard and Direct Copy check items with their status panes, Copy All,
// and the mouse releases Direct Copy copies at.
#include <QObject>
#include <QTimer>
#include <functional>

#include "commands/clipboard_capture.h"

namespace plumex {

class EditorWidget;
class StatusBar;
class WindowActions;

class ClipboardCommands : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    EditorWidget& editor;
    Document& document;
    Settings& settings;
    const LanguageTable& texts;
    ClipboardWatcher& watcher;
    StatusBar& status;
    WindowActions& actions;
    std::function<bool()> locked;  // Replace All is running
    std::function<void()> refresh;
    std::function<void(const QString&)> say;
  };

  explicit ClipboardCommands(Parts parts);
  ~ClipboardCommands() override;

  void ToggleCatch();
  void ToggleDirectCopy();
  void CopyAll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Arrived(std::u16string text);
  void ShowState();

  Parts parts_;
  ClipboardCapture capture_;
  // Texts that wait for a command or a box to end are tried again here.
  QTimer retry_;
};

}  // namespace plumex
