#include "app/tool_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <optional>

#include "commands/document.h"
#include "commands/profile.h"
#include "config/run_ini.h"
#include "config/tool_list.h"
#include "language/qt_language.h"
#include "platform/file_io.h"
#include "platform/instance_launcher.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

struct Launch {
  QString program;
  QStringList arguments;
};

// A command that names a file whole is that file, blanks and all, as
// Windows-style lists write paths; otherwise its first word is the program
// and the rest are its arguments, split as a command line is, by no shell.
std::optional<Launch> ResolveTool(const std::string& command) {
  const QString text = BytesToQString(command);
  if (QFileInfo::exists(text)) return Launch{text, {}};
  QStringList words = QProcess::splitCommand(text);
  if (words.isEmpty() || !QFileInfo::exists(words.first())) return std::nullopt;
  const QString program = words.takeFirst();
  return Launch{program, words};
}

// run.ini's app is one program: a path, or a name looked up as a shell would.
QString FindProgram(const QString& app) {
  const QString path = app.contains(QLatin1Char('/')) ? app : QStandardPaths::findExecutable(app);
  const QFileInfo file(path);
  return !app.isEmpty() && file.isFile() && file.isExecutable() ? path : QString();
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

}  // namespace

void ToolCommands::BuildMenu(QMenu& service, QMenu& tools) {
  const std::vector<std::string>& lines = p_.profile.list(AuxList::Tools);
  tools.clear();
  const auto present = [](const std::string& command) { return ResolveTool(command).has_value(); };
  for (const ToolItem& tool : ToolMenuItems(lines, LocalFolders(), present)) {
    // "&" in a name would be taken for a mnemonic.
    QAction* item = tools.addAction(BytesToQString(tool.caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    item->setData(static_cast<qulonglong>(tool.index));
    QObject::connect(item, &QAction::triggered, &tools, [this, index = tool.index] { StartTool(index); });
  }
  tools.setEnabled(!tools.isEmpty());
  const QList<QAction*> items = service.actions();
  const qsizetype at = items.indexOf(tools.menuAction());
  tools.menuAction()->setVisible(!lines.empty());
  if (at > 0 && items[at - 1]->isSeparator()) items[at - 1]->setVisible(!lines.empty());
}

void ToolCommands::StartTool(std::size_t index) {
  const ToolItem tool = ToolAt(p_.profile.list(AuxList::Tools), index, LocalFolders());
  const std::optional<Launch> launch = ResolveTool(tool.command);
  if (!launch) {
    p_.info(' ' + Tr("strNoProgram") + ' ' + BytesToQString(tool.command));
    return;
  }
  const QFileInfo program(launch->program);
  if (program.isFile() && program.isExecutable())
    Start(launch->program, launch->arguments, p_.document.State().Folder);
  else if (!p_.launcher.OpenFile(launch->program))
    p_.info(' ' + Tr("strNotStarted") + ' ' + launch->program);
}

void ToolCommands::Run() {
  const Settings& settings = p_.profile.settings();
  const bool selection = p_.editor.SelLength() > 0;
  // Only a file of its own can hold a part of the text.
  if (selection && !settings.UseTempFile) return;
  const std::string extension(FileExtension(p_.document.State().FileName));
  const IniFile runIni = IniFile::Load(p_.profile.folder() + std::string(kRunIniFileName)).file;
  const RunCommand command = LookUpRunCommand(runIni, QStringToBytes(QString::fromStdString(extension)));
  const QString app = BytesToQString(ExpandFolderMacros(command.app, LocalFolders()));
  const QString program = FindProgram(app);
  if (program.isEmpty()) {
    p_.info(' ' + (app.isEmpty() ? Tr("strRunNoApp") : Tr("strNoProgram") + ' ' + app));
    return;
  }
  std::string runFile;
  if (settings.UseTempFile) {
    runFile = RunFilePath(p_.document.State(), settings, p_.profile.folder());
    if (!WriteRunFile(runFile, selection ? p_.editor.SelectedText() : p_.editor.Text())) return;
  } else {
    if (!SaveForRun()) return;
    runFile = p_.document.Path();
  }
  // Split first, so a name put in stays one argument whatever it holds.
  std::vector<std::string> pieces;
  for (const QString& word : QProcess::splitCommand(BytesToQString(command.params)))
    pieces.push_back(word.toStdString());
  ExpandFirstOccurrences(pieces, RunFileMacros(runFile), LetterCase::Exact);
  QStringList arguments;
  for (const std::string& piece : pieces) arguments << QString::fromStdString(piece);
  Start(program, arguments, FolderOf(runFile));
}

void ToolCommands::Start(const QString& program, const QStringList& arguments, const std::string& folder) {
  if (!p_.launcher.StartProgram(program, arguments, QString::fromStdString(folder)))
    p_.info(' ' + Tr("strNotStarted") + ' ' + program);
}

bool ToolCommands::SaveForRun() {
  Document& document = p_.document;
  // A read-only text is never written: its file runs as it stands.
  if (p_.editor.ReadOnly()) return !document.Untitled();
  if (document.Untitled() || document.Modified()) return document.SaveOrSaveAs();
  return true;
}

bool ToolCommands::WriteRunFile(const std::string& path, const std::string& bytes) {
  // A file of that name we did not write, or the document's own, is the
  // user's: it is replaced only when they say so.
  const bool theirs = !written_.contains(path) || (path == p_.document.Path() && !p_.document.Untitled());
  if (theirs && FileExists(path) && !p_.dialogs.ConfirmOverwrite(path)) return false;
  const IoStatus status = WriteFileAtomically(path, bytes);
  if (!status) {
    p_.dialogs.ShowError(status.error);
    return false;
  }
  written_.insert(path);
  return true;
}

}  // namespace plumex
