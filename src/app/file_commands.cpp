#include "app/file_commands.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>

#include "app/document_dialogs.h"
#include "app/service_commands.h"
#include "app/status_bar.h"
#include "app/status_presenter.h"
#include "app/text_commands.h"
#include "app/window_actions.h"
#include "commands/date_time_text.h"
#include "commands/document.h"
#include "commands/profile.h"
#include "commands/status_texts.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "platform/instance_launcher.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"
#include "platform/system_facts.h"

namespace plumex {

bool FileCommands::Load(const QString& path) {
  const std::string file = path.toStdString();
  const int rememberedCaret = p_.profile.recent().RememberedCaret(file);
  if (!p_.document.Load(file)) return false;
  p_.text.DetectOnLoad();
  p_.editor.Select(0, 0);
  if (p_.profile.settings().IsRestoreCaret && rememberedCaret != 0) {
    p_.editor.Select(rememberedCaret, rememberedCaret);
    p_.editor.ShowCaret(Editor::Reveal::Centered);
  }
  if (HasReadOnlyAttribute(p_.document.Path())) SetReadOnlyMode(true);
  // Nothing is lost without the user being told first.
  if (const std::size_t lost = p_.document.Lossy(); lost > 0) {
    SetReadOnlyMode(true);
    p_.status.ShowInfo(" " + LossyText(lost) + ' ' + Tr("strLossy2"));
  }
  p_.status.RefreshTitle();
  p_.status.RefreshSize();
  return true;
}

void FileCommands::AppendLogStamp() {
  p_.document.AppendLogStamp(DateTimeText(p_.profile.settings().UseSecondsDateTime));
}

bool FileCommands::OpenHere(const QString& path) {
  if (!Load(path)) return false;
  AppendLogStamp();
  AddToRecent();
  return true;
}

void FileCommands::OpenWithDialog() {
  if (p_.locked() || !p_.document.ConfirmDiscard()) return;
  const QStringList files = p_.prompter.ChooseFilesToOpen(QString::fromStdString(p_.document.State().Folder));
  if (files.isEmpty()) return;
  QElapsedTimer timer;
  timer.start();
  if (p_.profile.settings().IsNewWindow) {
    for (const QString& file : files) StartInstance(file);
  } else {
    OpenHere(files.first());
    for (qsizetype i = 1; i < files.size(); ++i) StartInstance(files[i]);
  }
  if (p_.profile.settings().IsDebug)
    p_.status.ShowInfo(BytesToQString(TimingText(" File opening time:  ", timer.elapsed())));
}

void FileCommands::OpenDropped(const QStringList& paths) {
  if (paths.isEmpty() || p_.locked() || !p_.document.ConfirmDiscard()) return;
  if (p_.profile.settings().IsNewWindow) {
    StartInstance(paths.first());
    AddToRecent();
  } else {
    OpenHere(paths.first());
  }
  for (qsizetype i = 1; i < paths.size(); ++i) StartInstance(paths[i]);
  p_.refresh();
}

void FileCommands::OpenRecent(const std::string& path) {
  if (p_.locked() || !p_.document.ConfirmDiscard()) return;
  if (p_.profile.settings().IsNewWindow) {
    StartInstance(QString::fromStdString(path));
    AddToRecent();
  } else {
    OpenHere(QString::fromStdString(path));
  }
  p_.refresh();
}

void FileCommands::NewDocument() {
  p_.writeSettings();
  if (!p_.document.ConfirmDiscard()) return;
  if (p_.profile.settings().IsNewWindow) {
    StartInstance(QString::fromStdString(DesktopFolder() + kUntitledName));
    return;
  }
  p_.editor.Load("");
  p_.document.StartUntitled();
  p_.text.ForgetEncoding();
}

void FileCommands::StartInstance(const QString& path) {
  // A window that does not start is said, as a link nothing opens is.
  if (!p_.launcher.StartInstance(path))
    p_.prompter.ShowError(NotOpened(path.isEmpty() ? QString::fromLatin1(kProductName) : path));
}

void FileCommands::SetReadOnlyMode(bool on) {
  p_.editor.SetReadOnly(on);
  p_.actions.action(ActionId::RO)->setChecked(on);
  p_.statusBar.SetIndicator(Indicator::ReadOnly, on);
}

void FileCommands::ToggleReadOnly() {
  const bool on = !p_.editor.ReadOnly();
  SetReadOnlyMode(on);
  if (p_.profile.settings().IsChAttrs && !p_.document.Untitled()) ApplyReadOnlyAttribute(p_.document.Path(), on);
}

void FileCommands::AddToRecent() {
  if (p_.document.Untitled()) return;
  p_.profile.recent().AddToRecent(p_.document.Path());
  BuildRecentMenu();
}

void FileCommands::BuildRecentMenu() {
  QMenu* items = p_.actions.menu(MenuId::Recent);
  items->clear();
  for (const RecentEntry& entry : p_.profile.recent().MenuEntries()) {
    QString path = QString::fromStdString(entry.path);
    // "&" in a path would be taken for a mnemonic.
    QAction* item = items->addAction(QString::number(entry.index) + ". " +
                                     path.replace(QLatin1Char('&'), QStringLiteral("&&")));
    // The item keeps its own path: a list of more than ten lines must not
    // let item "10." open line 1.
    // Queued: opening rebuilds this menu, which deletes the clicked item.
    QObject::connect(item, &QAction::triggered, items, [this, file = entry.path] { OpenRecent(file); },
                     Qt::QueuedConnection);
  }
  items->setEnabled(!p_.profile.recent().Empty());
}

void FileCommands::ClearRecent() {
  p_.profile.recent().Clear();
  BuildRecentMenu();
}

}  // namespace plumex
