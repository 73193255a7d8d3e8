#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <cstdio>

#include "app/appearance.h"
#include "app/clipboard_commands.h"
#include "app/editor_events.h"
#include "app/file_commands.h"
#include "app/insert_commands.h"
#include "app/integration_page.h"
#include "app/menu_keys.h"
#include "app/print_controller.h"
#include "app/service_commands.h"
#include "app/skins.h"
#include "app/status_bar.h"
#include "app/status_presenter.h"
#include "app/window_settings_host.h"
#include "app/text_commands.h"
#include "app/tool_bar.h"
#include "app/tool_commands.h"
#include "app/window_actions.h"
#include "app/window_place.h"
#include "commands/find_replace.h"
#include "commands/go_to_dialog.h"
#include "commands/status_texts.h"
#include "commands/transform_frame.h"
#include "config/code_page_patch.h"
#include "config/extension_list.h"
#include "config/typewriter.h"
#include "language/language_table.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "platform/instance_launcher.h"
#include "platform/keyboard_layout.h"
#include "platform/printer_service.h"
#include "platform/prompter.h"
#include "platform/sound_player.h"
#include "platform/qt_text.h"
#include "platform/session_folders.h"
#include "platform/system_facts.h"

namespace plumex {
MainWindow::MainWindow(CommandLine commandLine, WindowServices services)
    : commandLine_(std::move(commandLine)),
      outside_(services, this, [this] { WarningBeep(); }),
      profile_(services.programFolder.empty() ? ProgramFolder() : services.programFolder),
      dialogs_(outside_.prompter) {
  startTime_.start();
  // Untitled texts start on the desktop the session names.
  TakeSessionFolders();
  editor_ = new EditorWidget(this);
  setCentralWidget(editor_);
  status_ = new StatusBar(this);
  setStatusBar(status_);
  PutTextsInForce(&profile_.texts());
  status_->encoding()->setText(QStringLiteral("---"));
  actions_ = new WindowActions(*this);
  actions_->BuildMenus(*menuBar());
  menuKeys_ = new MenuKeys(*menuBar());
  percentItem_ = menuBar()->addAction(QString());
  percentItem_->setObjectName(QStringLiteral("MenuPerc"));

  profile_.Load();
  Settings& settings = profile_.settings();
  if (settings.CountExts == -1) InstallDefaultExtensions(settings, outside_.fileTypes);
  document_ = std::make_unique<Document>(*editor_, settings, profile_.texts(), dialogs_, EditorWidget::kMaxLength);
  presenter_ = std::make_unique<StatusPresenter>(*this, *status_, *editor_, *document_, profile_.recent());
  presenter_->SetPercentItem(percentItem_);
  text_ = std::make_unique<TextCommands>(*editor_, *document_, profile_, *presenter_, outside_.prompter,
                                         outside_.keyboard);
  files_ = std::make_unique<FileCommands>(FileCommands::Parts{
      *editor_, *document_, profile_, *text_, *presenter_, *status_, *actions_, outside_.prompter, outside_.launcher,
      [this] { return TextLocked(); }, [this] { WriteSettings(); }, [this] { RefreshSize(); }});
  document_->SetSavedHandler([this] {
    files_->AddToRecent();
    RefreshSize();
  });
  finder_ = new FindReplace(
      this, *editor_, settings, [this]() -> const CaseTables& { return profile_.tables().Case(); },
      [this](const QString& text) { presenter_->ShowInfo(text); });
  goTo_ = new GoToDialog(this, *editor_);
  clipboardCommands_ = std::make_unique<ClipboardCommands>(
      ClipboardCommands::Parts{*editor_, *document_, settings, profile_.texts(), outside_.clipboard, *status_,
                               *actions_,
                               [this] { return TextLocked(); }, [this] { RefreshSize(); },
                               [this](const QString& text) { presenter_->ShowInfo(text); }});
  tools_ = std::make_unique<ToolCommands>(ToolCommands::Parts{
      *editor_, *document_, profile_, dialogs_, outside_.launcher,
      [this](const QString& text) { presenter_->ShowInfo(text); }});
  toolBar_ = PutToolBarAbove(*this, {[this](ActionId id) { return action(id); },
                                     [this](ActionId id) {
                                       return BytesToQString(ActionCaption(id, profile_.settings(), profile_.texts()));
                                     },
                                     menu(MenuId::EncodingPopup)});
  appearance_ = new Appearance({*this, *editor_, settings, *percentItem_, *toolBar_,
                                [this](ActionId id) { return action(id); }, [this] { RefreshStatus(); }});
  inserts_ = std::make_unique<InsertCommands>(
      InsertCommands::Parts{*editor_, *document_, profile_, outside_.prompter, *menu(MenuId::SpecialChars),
                            [this] { return TextLocked(); }, [this] { RefreshSize(); }},
      this);
  print_ = std::make_unique<PrintController>(*this, *editor_, profile_, outside_.prompter, outside_.printer);
  services_ = std::make_unique<ServiceCommands>(
      ServiceCommands::Parts{*this, *editor_, profile_, outside_.prompter, outside_.launcher});
  parts_ = std::make_unique<WindowParts>(WindowParts{*this, *editor_, *document_, profile_, *files_, *text_,
                                                     *finder_, *goTo_, *appearance_, *clipboardCommands_, *inserts_,
                                                     *tools_, *print_, *services_});
  settingsHost_ = std::make_unique<WindowSettingsHost>(
      *parts_, WindowSettingsHost::Hooks{[this] { ApplyLanguage(); }, [this] { ApplyHotKeys(); },
                                         [this] { WriteSettings(); },
                                         [this](bool on) { on ? autoSaveTimer_.start() : autoSaveTimer_.stop(); }});
  settingsDialog_ = new SettingsDialog(settings, profile_.hotKeys(), profile_.languages(), *settingsHost_, this);
  settingsDialog_->SetIntegrationPage(new IntegrationPage(settings, outside_.fileTypes, settingsDialog_));

  skins_ = std::make_unique<Skins>(*toolBar_, profile_.folder() + "Skins/");
  skins_->Scan();
  ConnectActions();
  events_ = std::make_unique<EditorEvents>(EditorEvents::Parts{
      *parts_, *actions_, *status_, *presenter_, outside_.sounds, [this] { return TextLocked(); },
      [this] { RefreshStatus(); }, [this] { RefreshSize(); }, [this] { ReturnToEnglish(); }});
  ConnectStatusBar();
  actions_->Retranslate(settings, profile_.hotKeys());
  ApplyHotKeys();
  presenter_->Retranslate();
  files_->BuildRecentMenu();
  tools_->BuildMenu(*menu(MenuId::Service), *menu(MenuId::Tools));
  inserts_->BuildSpecialMenu();
  if (profile_.language().index != 0) settingsDialog_->ApplySize(profile_.texts().SettingsDialogSize());
  ApplySettings();
  ApplySkin();
  // The first eleven starts say where help is.
  helpHint_ = settings.Starts <= 10;
  ShowHelpHint();
  ++settings.Starts;
  PatchCodePageAtFirstStart(settings, outside_.fileTypes);
  document_->StartUntitled();
  setAcceptDrops(true);
  qApp->installEventFilter(this);

  autoSaveTimer_.setParent(this);
  autoSaveTimer_.setInterval(60000);
  connect(&autoSaveTimer_, &QTimer::timeout, this,
          [this] { document_->AutoSaveMinute(QApplication::activeModalWidget() != nullptr); });
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationInactive && !firstActivation_) OnFocusLost();
  });
  RefreshSize();
}

MainWindow::~MainWindow() {
  // The children outlive the window's own records; nothing they send while
  // they go may reach handlers that read those records.
  qApp->removeEventFilter(this);
  PutTextsInForce(nullptr);
  disconnect(qApp, nullptr, this, nullptr);
}

QAction* MainWindow::action(ActionId id) const { return actions_->action(id); }
QMenu* MainWindow::menu(MenuId id) const { return actions_->menu(id); }

void MainWindow::ConnectActions() {
  for (const HandlerRow& row : ActionHandlers()) {
    if (row.run == nullptr) continue;
    actions_->Connect(
        row.id,
        [this, run = row.run] {
          run(*parts_);
          RefreshSize();
        },
        [this] { return TextLocked(); });
  }
  connect(percentItem_, &QAction::triggered, this, [this] { goTo_->ShowCentred(GoToMode::Percent); });
  connect(goTo_, &GoToDialog::applied, this, &MainWindow::RefreshStatus);
}

void MainWindow::ConnectStatusBar() {
  connect(status_->size(), &StatusPane::clicked, this, &MainWindow::RefreshSize);
  const std::pair<StatusPane*, ActionId> doubleClicks[] = {
      {status_->indicator(Indicator::WordWrap), ActionId::WW},
      {status_->indicator(Indicator::ReadOnly), ActionId::RO},
      {status_->encoding(), ActionId::Detect},
  };
  for (const auto& [pane, id] : doubleClicks)
    connect(pane, &StatusPane::doubleClicked, action(id), &QAction::trigger);
  connect(status_->position(), &StatusPane::doubleClicked, this,
          [this] { ShowGoToAt(GoToMode::Line, status_->position(), 6); });
  connect(status_->percent(), &StatusPane::doubleClicked, this,
          [this] { ShowGoToAt(GoToMode::Percent, status_->percent(), 4); });
  connect(status_->encoding(), &StatusPane::rightReleased, this, &MainWindow::ShowEncodingMenu);
}

void MainWindow::ApplySettings() {
  const Settings& settings = profile_.settings();
  editor_->SetLinesToScroll(settings.LinesToScroll);
  editor_->SetLinkHighlighting(settings.IsDetectURL);
  editor_->SetTabReplacement(settings.IsReplaceTabs ? settings.TabSpaces : std::string());
  if (settings.IsWW != editor_->WordWrap()) SetWordWrap(settings.IsWW);
  if (settings.IsAutoSaving)
    autoSaveTimer_.start();
  else
    autoSaveTimer_.stop();
  appearance_->ApplySettings();
  // A stored size or place off the screen is brought back onto it.
  PlaceAsStored(*this, settings);
}

void MainWindow::WriteSettings() {
  Settings& settings = profile_.settings();
  // Full screen keeps the place the window goes back to.
  StorePlace(appearance_->NormalPlace(), isMinimized(), settings);
  settings.IsWW = editor_->WordWrap();
  settings.LinesToScroll = editor_->LinesToScroll();
  if (settings.RestoreLastPath) settings.LastPath = document_->State().Folder;
  const std::string failure = profile_.Save();
  if (!failure.empty()) presenter_->ShowInfo(QString::fromStdString(" " + failure));
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) OnActivated();
  return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Without a window manager nothing gives the window back its activation
  // when one of our boxes closes, and its keys would stop working.
  if (event->type() == QEvent::Hide && !closing_) {
    const auto* box = qobject_cast<QDialog*>(watched);
    if (box != nullptr && box->parentWidget() == this)
      QTimer::singleShot(0, this, [this] {
        activateWindow();
        editor_->setFocus();
      });
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Platforms without window activation (offscreen) still open the file.
  if (firstActivation_) QTimer::singleShot(0, this, &MainWindow::OnActivated);
}

void MainWindow::OnActivated() {
  if (closing_) return;
  if (firstActivation_) {
    firstActivation_ = false;
    const bool loaded = HandleCommandLine();
    // "/p" prints the file as it is, before any ".LOG" stamp.
    if (commandLine_.print) {
      if (loaded) PrintAndClose();
      else close();
      return;
    }
    if (!editor_->ReadOnly()) files_->SetReadOnlyMode(profile_.settings().IsDefReadOnly);
    files_->AppendLogStamp();
    RefreshStatus();
    if (profile_.settings().IsDebug)
      presenter_->ShowInfo(BytesToQString(TimingText(" Plumex loading time:  ", startTime_.elapsed())));
  }
  presenter_->RefreshTitle();
  files_->BuildRecentMenu();
  inserts_->BuildSpecialMenu();
  goTo_->hide();
  WriteSettings();
  if (profile_.settings().Starts == 1 && !firstStartDialogShown_) {
    firstStartDialogShown_ = true;
    settingsDialog_->Open(SettingsPage::Integration);
  }
}

void MainWindow::OnFocusLost() {
  if (closing_ || QApplication::activeModalWidget() != nullptr) return;
  // A failed save is said in the information pane: a box would pop up over
  // the program the user went to.
  const std::string failure = document_->SaveOnFocusLoss();
  if (!failure.empty()) presenter_->ShowInfo(QString::fromStdString(" " + failure));
  RefreshStatus();
}

bool MainWindow::HandleCommandLine() {
  bool loaded = false;
  if (!commandLine_.name.empty()) {
    const DocumentPath path = ResolveDocumentPath(commandLine_.name, CurrentFolder(), FileExists);
    if (FileExists(path.folder + path.fileName))
      loaded = files_->Load(QString::fromStdString(path.folder + path.fileName));
    else
      document_->StartNamed(path.folder, path.fileName);
  }
  files_->AddToRecent();
  if (commandLine_.readOnly) files_->SetReadOnlyMode(true);
  presenter_->RefreshTitle();
  RefreshSize();
  return loaded;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running Replace All stops here and writes what it has done.
  finder_->CloseDialogs();
  // A text that could not be saved keeps its window.
  if (!document_->ConfirmClose()) {
    event->ignore();
    return;
  }
  closing_ = true;
  autoSaveTimer_.stop();
  WriteSettings();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList files = LocalFiles(event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  OpenDropped(files);
}

void MainWindow::OpenDropped(const QStringList& paths) { files_->OpenDropped(paths); }

void MainWindow::PrintAndClose() {
  // The window goes at once, so a failure is said on the terminal.
  const QString failure = print_->PrintForClose();
  if (!failure.isEmpty()) {
    std::fprintf(stderr, "plumex: %s\n", failure.toUtf8().constData());
    exitCode_ = 1;
  }
  document_->Discard();
  close();
}

bool MainWindow::TextLocked() const { return finder_ != nullptr && finder_->ReplaceAllRunning(); }

EditorFacts MainWindow::Facts() const {
  const LanguageChange& language = profile_.language();
  return {
      .selection = editor_->SelLength() > 0 && !editor_->TransformBusy(),
      .readOnly = editor_->ReadOnly(),
      .undoStep = editor_->CanUndo(),
      .redoStep = editor_->CanRedo(),
      .clipboardText = editor_->CanPaste(),
      .unsaved = document_->Unsaved(),
      .onLink = events_ != nullptr && events_->OnLink(),
      .replacing = TextLocked(),
      .helpFile = language.helpExists,
      .historyFile = language.historyExists,
      .readmeFile = language.readmeExists,
  };
}

void MainWindow::RefreshStatus() {
  presenter_->RefreshStatus();
  const int caret = editor_->SelStart() + editor_->SelLength();
  if (ColumnBellRings(profile_.settings(), caret - editor_->LineIndex(editor_->LineFromChar(caret)) + 1))
    outside_.sounds.Play(Sound::ColumnBell);
  actions_->UpdateEnabled(Facts());
}

void MainWindow::RefreshSize() {
  presenter_->RefreshSize();
  RefreshStatus();
}

void MainWindow::SetWordWrap(bool on) {
  editor_->SetWordWrap(on);
  action(ActionId::WW)->setChecked(on);
  status_->SetIndicator(Indicator::WordWrap, on);
}

void MainWindow::CopyClickedUrl() { events_->CopyClickedUrl(); }

void MainWindow::ShowEncodingMenu() {
  menu(MenuId::EncodingPopup)->popup(status_->encoding()->mapToGlobal(QPoint(5, 0)));
}

void MainWindow::ShowGoToAt(GoToMode mode, const QWidget* pane, int offset) {
  const QPoint left = pane->mapToGlobal(QPoint(offset, 0));
  const int top = y() + height() - goTo_->height() - status_->height() - 7;
  goTo_->ShowAt(mode, QPoint(left.x(), top));
}

void MainWindow::ShowHelpHint() {
  if (helpHint_) presenter_->ShowInfo("  " + Tr("strHelp"));
}

void MainWindow::ReturnToEnglish() {
  profile_.settings().Language = 0;
  ApplyLanguage();
  settingsDialog_->Retranslate();
}

void MainWindow::ApplyLanguage() {
  profile_.ApplyLanguage();
  actions_->Retranslate(profile_.settings(), profile_.hotKeys());
  ApplyHotKeys();
  finder_->Retranslate();
  goTo_->Retranslate();
  inserts_->Retranslate();
  // English keeps the size the user gave the dialog.
  if (profile_.language().index != 0) settingsDialog_->ApplySize(profile_.texts().SettingsDialogSize());
  presenter_->Retranslate();
  ShowHelpHint();
  // The hints are the actions' captions.
  ApplySkin();
  RefreshSize();
}

void MainWindow::ApplySkin() {
  skins_->Apply(profile_.settings().Style,
                [this](const std::string& failure) { outside_.prompter.ShowError(QString::fromStdString(failure)); });
}

void MainWindow::WarningBeep() {
  // Our own beep only: the desktop's bell setting is left as the user has it.
  if (!profile_.settings().IsBeepOff) outside_.sounds.Beep();
}

void MainWindow::ChooseStyle(int style) {
  profile_.settings().Style = style;
  ApplySkin();
}

void MainWindow::ApplyHotKeys() {
  actions_->ApplyHotKeys(profile_.hotKeys());
  menuKeys_->SetF10Free(!actions_->Bound(QKeyEvent(QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier)));
}

void MainWindow::OpenSettings() { settingsDialog_->Open(SettingsPage::Interface); }

}  // namespace plumex
