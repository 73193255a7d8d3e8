#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShowEvent>
#include <QSignalBlocker>

#include "app/status_bar.h"
#include "commands/status_texts.h"
#include "commands/find_replace.h"
#include "platform/editor_widget.h"
#include "platform/instance_launcher.h"
#include "platform/keyboard_layout.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"
#include "platform/system_facts.h"
#include "language/language_table.h"
#include "language/qt_language.h"

namespace plumex {

MainWindow::MainWindow(CommandLine commandLine, WindowServices services)
    : commandLine_(std::move(commandLine)),
      prompter_(services.prompter),
      launcher_(services.launcher),
      keyboard_(services.keyboard),
      hotKeys_(ProgramFolder() + std::string(kHotkeysFileName)),
      recent_(ProgramFolder() + std::string(kRecentFileName)) {
  startTime_.start();
  if (prompter_ == nullptr) {
    ownPrompter_ = std::make_unique<DialogPrompter>(this);
    prompter_ = ownPrompter_.get();
  }
  if (launcher_ == nullptr) {
    ownLauncher_ = std::make_unique<ProcessLauncher>();
    launcher_ = ownLauncher_.get();
  }
  if (keyboard_ == nullptr) {
    ownKeyboard_ = std::make_unique<XkbKeyboardLayouts>();
    keyboard_ = ownKeyboard_.get();
  }

  editor_ = new EditorWidget(this);
  setCentralWidget(editor_);
  status_ = new StatusBar(this);
  setStatusBar(status_);
  status_->encoding()->setText(QStringLiteral("---"));

  CreateActions();
  CreateMenus();
  ConnectEditor();
  ConnectStatusBar();

  languages_ = ScanLanguageFiles(ProgramFolder() + "Lang/");
  const SettingsLoad loaded = store_.Load(ProgramFolder() + SettingsFileName(), settings_);
  PutLanguageInForce();
  LoadLists();
  recent_.Load();
  hotKeys_.Load();
  // A first start writes every key at once, so the user finds them all.
  if (loaded.firstStart) {
    (void)store_.Save(settings_, language_.tables);
    SaveLists();
    (void)hotKeys_.Save();
  }
  RebuildConversionTables();
  RebuildTextTables();
  RetranslateActions();
  settingsDialog_ = new SettingsDialog(settings_, hotKeys_, languages_, *this, this);
  finder_ = new FindReplace(
      this, *editor_, settings_, [this]() -> const CaseTables& { return tables_->Case(); },
      [this](const QString& text) { status_->info()->setText(text); });
  goTo_ = new GoToDialog(this, *editor_);
  connect(goTo_, &GoToDialog::applied, this, &MainWindow::RefreshStatus);
  BuildRecentMenu();
  settingsDialog_->ApplySize(Language().SettingsDialogSize());
  ApplySettings();
  // The first eleven starts say where help is.
  if (settings_.Starts <= 10) ShowInfo("  " + Language().Text("strHelp"));
  ++settings_.Starts;

  doc_.Folder = NewTextFolder();
  doc_.FileName = kUntitledName;
  setAcceptDrops(true);

  autoSaveTimer_.setObjectName(QStringLiteral("autoSaveTimer"));
  autoSaveTimer_.setParent(this);
  connect(&autoSaveTimer_, &QTimer::timeout, this, &MainWindow::OnAutoSaveTimer);
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          &MainWindow::OnApplicationStateChanged);
  RefreshSize();
  RefreshStatus();
}

MainWindow::~MainWindow() {
  // The children outlive the window's own records; nothing they send while
  // they go may reach handlers that read those records.
  disconnect(editor_, nullptr, this, nullptr);
  disconnect(qApp, nullptr, this, nullptr);
  editor_->removeEventFilter(this);
  editor_->viewport()->removeEventFilter(this);
}

void MainWindow::ConnectEditor() {
  editor_->installEventFilter(this);
  editor_->viewport()->installEventFilter(this);
  editor_->setContextMenuPolicy(Qt::NoContextMenu);  // our pop-ups open on release
  connect(editor_, &QPlainTextEdit::textChanged, this, &MainWindow::OnTextChanged);
  connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, &MainWindow::RefreshStatus);
  connect(editor_, &QPlainTextEdit::selectionChanged, this, &MainWindow::RefreshStatus);
  connect(editor_, &EditorWidget::scrolled, this, [this] {
    // In read-only mode the hidden caret follows the view.
    if (editor_->ReadOnly() && !mouseDown_ && editor_->SelLength() == 0) {
      const QSignalBlocker quiet(editor_);
      CaretToTopLine();
    }
    ShowPercent();
  });
  connect(editor_, &EditorWidget::filesDropped, this, &MainWindow::OpenDropped);
  connect(editor_, &EditorWidget::doubleClicked, this, [this] {
    if (editor_->Length() == 0) OpenWithDialog();
  });
}

void MainWindow::ConnectStatusBar() {
  connect(status_->size(), &StatusPane::clicked, this, &MainWindow::RefreshSize);
  connect(status_->indicator(Indicator::WordWrap), &StatusPane::doubleClicked, this,
          &MainWindow::OnWordWrap);
  connect(status_->indicator(Indicator::ReadOnly), &StatusPane::doubleClicked,
          action(ActionId::RO), &QAction::trigger);
  connect(status_->encoding(), &StatusPane::doubleClicked, action(ActionId::Detect), &QAction::trigger);
  connect(status_->position(), &StatusPane::doubleClicked, this,
          [this] { ShowGoToAt(GoToMode::Line, status_->position(), 6); });
  connect(status_->percent(), &StatusPane::doubleClicked, this,
          [this] { ShowGoToAt(GoToMode::Percent, status_->percent(), 4); });
  connect(status_->encoding(), &StatusPane::rightReleased, this, &MainWindow::ShowEncodingMenu);
}

void MainWindow::ApplySettings() {
  editor_->SetLinesToScroll(settings_.LinesToScroll);
  editor_->SetLinkHighlighting(settings_.IsDetectURL);
  if (settings_.IsWW != action(ActionId::WW)->isChecked()) OnWordWrap();
  autoSaveTimer_.setInterval(60000);
  if (settings_.IsAutoSaving)
    autoSaveTimer_.start();
  else
    autoSaveTimer_.stop();
  status_->setVisible(settings_.IsShowStatusNorm);
  percentItem_->setVisible(!settings_.IsShowStatusNorm);

  resize(settings_.EditorWidth, settings_.EditorHeight);
  if (settings_.IsSavePosition) move(settings_.EditorLeft, settings_.EditorTop);
  if (settings_.IsMax) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::WriteSettings() {
  settings_.IsMax = isMaximized();
  if (!isMaximized() && !isMinimized()) {
    settings_.EditorLeft = x();
    settings_.EditorTop = y();
    settings_.EditorWidth = width();
    settings_.EditorHeight = height();
  }
  settings_.IsWW = action(ActionId::WW)->isChecked();
  settings_.LinesToScroll = editor_->LinesToScroll();
  if (settings_.RestoreLastPath) settings_.LastPath = doc_.Folder;
  const IoStatus written = store_.Save(settings_, language_.tables);
  if (!written && !store_.LoadFailed()) ShowInfo(" " + written.error);
  SaveLists();
  (void)hotKeys_.Save();
  (void)recent_.Save();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) OnActivated();
  return QMainWindow::event(event);
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
    if (!editor_->ReadOnly()) SetReadOnlyMode(settings_.IsDefReadOnly);
    if (doc_.Format == DocumentFormat::Log) AppendLogStamp();
    RefreshStatus();
    if (settings_.IsDebug)
      ShowInfo(TimingText(" Plumex loading time:  ", startTime_.elapsed()));
  }
  RefreshTitle(doc_.Modified);
  BuildRecentMenu();
  goTo_->hide();
  WriteSettings();
  if (settings_.Starts == 1 && !firstStartDialogShown_) {
    firstStartDialogShown_ = true;
    settingsDialog_->Open(SettingsPage::Integration);
  }
}

void MainWindow::OnApplicationStateChanged(Qt::ApplicationState state) {
  if (state == Qt::ApplicationInactive && !firstActivation_) OnFocusLost();
}

bool MainWindow::HandleCommandLine() {
  bool loaded = false;
  if (commandLine_.name.empty()) {
    doc_.Untitled = true;
  } else {
    const DocumentPath path = ResolveDocumentPath(commandLine_.name, CurrentFolder(), FileExists);
    const QString full = QString::fromStdString(path.folder + path.fileName);
    if (FileExists(path.folder + path.fileName)) {
      loaded = LoadDocument(full);
    } else {
      // A name that does not exist yet: an empty text that the first Save
      // writes there.
      doc_.Folder = path.folder;
      doc_.FileName = path.fileName;
      doc_.Modified = false;
      doc_.AutoSaveHeld = false;
      doc_.Untitled = false;
    }
  }
  AddToRecent();
  if (commandLine_.readOnly) SetReadOnlyMode(true);
  RefreshTitle(doc_.Modified);
  RefreshSize();
  return loaded;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running Replace All stops here and writes what it has done.
  finder_->CloseDialogs();
  if (doc_.Modified) {
    bool saved = false;
    if (settings_.IsSaveExit) {
      saved = SaveDocument();
    } else {
      const QString question =
          Tr("strDoYouWant") + ' ' + QString::fromStdString(doc_.FileName) + "?\r\n\r\n" +
          Tr("strDoYouWant2") + "\r\n" + Tr("strDoYouWant3") + "\r\n" + Tr("strDoYouWant4");
      switch (prompter_->AskYesNoCancel(question)) {
        case Answer::Yes: saved = SaveDocument(); break;
        case Answer::No: saved = true; doc_.Modified = false; break;
        case Answer::Cancel: break;
      }
    }
    // A text that could not be saved keeps its window.
    if (!saved) {
      event->ignore();
      return;
    }
  }
  closing_ = true;
  autoSaveTimer_.stop();
  WriteSettings();
  event->accept();
}

void MainWindow::StartInstance(const QString& path) { launcher_->StartInstance(path); }

void MainWindow::ShowInfo(const std::string& bytes) { status_->info()->setText(BytesToQString(bytes)); }

}  // namespace plumex
