#pragma once
// The File menu and the other ways a text comes in: the open dialog, drops,
// the recent files, new windows, and the read-only mode a file opens in.
#include <QString>
#include <QStringList>
#include <functional>

namespace plumex {

class Document;
class EditorWidget;
class InstanceLauncher;
class Profile;
class Prompter;
class StatusBar;
class StatusPresenter;
class TextCommands;
class WindowActions;

class FileCommands {
 public:
  struct Parts {
    EditorWidget& editor;
    Document& document;
    Profile& profile;
    TextCommands& text;
    StatusPresenter& status;
    StatusBar& statusBar;
    WindowActions& actions;
    Prompter& prompter;
    InstanceLauncher& launcher;
    std::function<bool()> locked;         // Replace All is running
    std::function<void()> writeSettings;  // before a new text replaces this one
    std::function<void()> refresh;        // caption and panes, after a text came in
  };
  explicit FileCommands(Parts parts) : p_(std::move(parts)) {}

  // Reads a file as a start from the command line does, with the caret
  // where it was left; false when it could not be read.
  bool Load(const QString& path);
  // Load, then the ".LOG" stamp and the recent list; false when it failed.
  bool OpenHere(const QString& path);
  void OpenWithDialog();
  // The first here, others in new windows (all of them with IsNewWindow).
  void OpenDropped(const QStringList& paths);
  void OpenRecent(const std::string& path);
  void NewDocument();
  void StartInstance(const QString& path);
  void AppendLogStamp();

  void SetReadOnlyMode(bool on);
  // The Read Only command: the file follows the mode only when asked to.
  void ToggleReadOnly();

  void AddToRecent();
  void BuildRecentMenu();
  void ClearRecent();

 private:
  Parts p_;
};

}  // namespace plumex
