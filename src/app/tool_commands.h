#pragma once
// The Tools menu and Run (F9): the programs of tools.ini, and the text
// written to a file that the run.ini program of its extension opens.
#include <QString>
#include <QStringList>
#include <functional>
#include <set>
#include <string>

class QMenu;

namespace plumex {

class Document;
class DocumentDialogs;
class Editor;
class InstanceLauncher;
class Profile;

class ToolCommands {
 public:
  struct Parts {
    Editor& editor;
    Document& document;
    Profile& profile;
    DocumentDialogs& dialogs;  // the overwrite question and the error box
    InstanceLauncher& launcher;
    std::function<void(const QString&)> info;  // the information pane
  };
  explicit ToolCommands(Parts parts) : p_(std::move(parts)) {}

  // Fills `tools` with the tools whose program is there. Without any tool
  // it and the separator before it in `service` are hidden.
  void BuildMenu(QMenu& service, QMenu& tools);
  // The tool on line `index` of tools.ini, started in the document's folder.
  void StartTool(std::size_t index);
  void Run();

 private:
  // A failure to start is said in the information pane.
  void Start(const QString& program, const QStringList& arguments, const std::string& folder);
  // The document's own file, saved first when it has changes; false when
  // there is no file to run.
  bool SaveForRun();
  bool WriteRunFile(const std::string& path, const std::string& bytes);

  Parts p_;
  std::set<std::string> written_;  // run files this process wrote
};

}  // namespace plumex
