// The interface language and the settings dialog, as the window sees them.
#include <QAction>

#include "app/main_window.h"
#include "platform/editor_widget.h"
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
  settingsDialog_->ApplySize(Language().SettingsDialogSize());
  RefreshTitle(doc_.Modified);
  RefreshSize();
  RefreshStatus();
}

void MainWindow::HotKeysChanged() { ApplyHotKeys(); }

void MainWindow::SaveSettings() { WriteSettings(); }

void MainWindow::OnSettings() { settingsDialog_->Open(SettingsPage::Interface); }

}  // namespace plumex
