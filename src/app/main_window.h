#pragma once
// The main window: builds itself, the menus and the status bar from the
// tables, owns the profile, the document and one controller per feature, and
// hands each action and event to the one that does the work.
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string>

#include "app/action_handlers.h"
#include "app/document_dialogs.h"
#include "app/settings_dialog.h"
#include "app/window_services.h"
#include "commands/go_to.h"
#include "commands/profile.h"
#include "model/command_line.h"
#include "model/enable_rules.h"
#include "model/menu_layout.h"

class QAction;

namespace plumex {

class FileTypes;
class ClipboardCommands;
class InsertCommands;
class WindowSettingsHost;
class Appearance;
class EditorEvents;
class MenuKeys;
class PrintController;
class ServiceCommands;
class Skins;
class StatusBar;
class StatusPresenter;
class ToolBar;
class WindowActions;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(CommandLine commandLine, WindowServices services = {});
  ~MainWindow() override;

  EditorWidget* editor() const { return editor_; }
  StatusBar* statusPanes() const { return status_; }
  ToolBar* toolBar() const { return toolBar_; }
  const Skins& skins() const { return *skins_; }
  QAction* action(ActionId id) const;
  QMenu* menu(MenuId id) const;
  const Document& document() const { return *document_; }
  Settings& settings() { return profile_.settings(); }
  SettingsDialog* settingsDialog() const { return settingsDialog_; }
  // The percent item at the end of the menu bar, shown while the status bar
  // is hidden.
  QAction* percentItem() const { return percentItem_; }
  // The exit status for the process: not 0 when "/p" could not print.
  int exitCode() const { return exitCode_; }

  // Caption, panes and the enabled state of every action.
  void RefreshStatus();
  void SetWordWrap(bool on);
  void CopyClickedUrl();
  void ShowEncodingMenu();
  void OpenSettings();
  // The style combo's choice: stored as Style and put on the tool bar.
  void ChooseStyle(int style);
  // What Use Default and Clear List register and unregister through.
  FileTypes& fileTypes() { return outside_.fileTypes; }
  void OpenDropped(const QStringList& paths);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ConnectActions();
  void ConnectStatusBar();
  void ApplySettings();
  void WriteSettings();
  void OnActivated();
  void OnFocusLost();
  // Whether a file named on the command line was read.
  bool HandleCommandLine();
  void PrintAndClose();
  bool TextLocked() const;
  EditorFacts Facts() const;
  void RefreshSize();
  void ShowGoToAt(GoToMode mode, const QWidget* pane, int offset);
  void ShowHelpHint();
  void ReturnToEnglish();
  // What the settings dialog asks of the window.
  void ApplyLanguage();
  void ApplyHotKeys();
  // The skin of settings.Style on the tool bar.
  void ApplySkin();
  // Before an error or warning box, unless IsBeepOff.
  void WarningBeep();

  CommandLine commandLine_;
  OutsideServices outside_;

  Profile profile_;
  EditorWidget* editor_ = nullptr;
  StatusBar* status_ = nullptr;
  ToolBar* toolBar_ = nullptr;
  std::unique_ptr<Skins> skins_;
  WindowActions* actions_ = nullptr;
  QAction* percentItem_ = nullptr;
  MenuKeys* menuKeys_ = nullptr;
  PromptingDocumentDialogs dialogs_;
  std::unique_ptr<Document> document_;
  std::unique_ptr<StatusPresenter> presenter_;
  std::unique_ptr<TextCommands> text_;
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<PrintController> print_;
  std::unique_ptr<ServiceCommands> services_;
  std::unique_ptr<ToolCommands> tools_;
  SettingsDialog* settingsDialog_ = nullptr;
  FindReplace* finder_ = nullptr;
  GoToDialog* goTo_ = nullptr;
  // Goes before the watcher it listens to.
  std::unique_ptr<ClipboardCommands> clipboardCommands_;
  Appearance* appearance_ = nullptr;
  std::unique_ptr<InsertCommands> inserts_;
  std::unique_ptr<WindowParts> parts_;
  std::unique_ptr<WindowSettingsHost> settingsHost_;
  // Last, so it goes first and nothing the editor sends reaches the parts
  // after they are gone.
  std::unique_ptr<EditorEvents> events_;

  QElapsedTimer startTime_;
  QTimer autoSaveTimer_;
  int exitCode_ = 0;
  bool helpHint_ = false;  // the first starts say where help is
  bool firstActivation_ = true;
  bool firstStartDialogShown_ = false;
  bool closing_ = false;
};

}  // namespace plumex
