// The interface language and the settings dialog, as the window sees them.
#include <QAction>
#include <QUrl>

#include "app/main_window.h"
#include "commands/find_replace.h"
#include "commands/go_to_dialog.h"
#include "platform/editor_widget.h"
#include "platform/instance_launcher.h"
#include "platform/system_facts.h"

namespace plumex {

void MainWindow::PutLanguageInForce() {
  language_ = plumex::ApplyLanguage(settings_.Language, languages_, settings_, settings_.Starts,
                                    {store_.File(), ProgramFolder()});
}

void MainWindow::ApplyLanguage() {
  PutLanguageInForce();
  RebuildConversionTables();
  RetranslateActions();
  finder_->Retranslate();
  goTo_->Retranslate();
  settingsDialog_->ApplySize(Language().SettingsDialogSize());
  RefreshTitle(doc_.Modified);
  RefreshSize();
  RefreshStatus();
}

void MainWindow::HotKeysChanged() { ApplyHotKeys(); }

void MainWindow::SaveSettings() { WriteSettings(); }

void MainWindow::OnSettings() { settingsDialog_->Open(SettingsPage::Interface); }

void MainWindow::OnHelp() {
  launcher_->OpenUrl(QUrl::fromLocalFile(QString::fromStdString(ProgramFolder() + "help.chm")).toString());
}

void MainWindow::OnHistory() { StartInstance(QString::fromStdString(ProgramFolder() + "history.txt")); }

void MainWindow::OnReadme() {
  StartInstance(QString::fromStdString(ProgramFolder() + language_.readmeName));
}

}  // namespace plumex
