#pragma once
// The main window: owns the one document, the editor control and the
// process-wide records, and hands each action to the code that does the work.
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

#include "model/action_table.h"
#include "model/command_line.h"
#include "model/document_state.h"
#include "model/menu_layout.h"
#include "config/recent_list.h"
#include "config/settings.h"
#include "config/hot_keys.h"
#include "config/list_files.h"
#include "app/settings_dialog.h"
#include "config/settings_store.h"
#include "convert/conversion_tables.h"
#include "convert/encoding_state.h"
#include "commands/layout_repair.h"
#include "commands/go_to_dialog.h"
#include "convert/translit.h"
#include "language/language_files.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMouseEvent;

namespace plumex {

class EditorWidget;
class FindReplace;
class GoToDialog;
class StatusBar;
class Prompter;
class InstanceLauncher;
class KeyboardLayouts;

// What the window needs from outside; tests give fakes.
struct WindowServices {
  Prompter* prompter = nullptr;          // nullptr: message boxes and dialogs
  InstanceLauncher* launcher = nullptr;  // nullptr: start real processes
  KeyboardLayouts* keyboard = nullptr;   // nullptr: the desktop's layouts
};

enum class SaveMode { Interactive, Silent };

class MainWindow : public QMainWindow, private SettingsHost {
  Q_OBJECT

 public:
  MainWindow(CommandLine commandLine, WindowServices services = {});
  ~MainWindow() override;

  EditorWidget* editor() const { return editor_; }
  StatusBar* statusPanes() const { return status_; }
  QAction* action(ActionId id) const { return actions_[static_cast<std::size_t>(id)]; }
  QMenu* menu(MenuId id) const { return menus_[static_cast<std::size_t>(id)]; }
  const DocumentState& document() const { return doc_; }
  Settings& settings() { return settings_; }

  // Opens files as a drop on the window does: the first here, others in
  // new windows.
  void OpenDropped(const QStringList& paths);

  void RefreshStatus();
  void RefreshSize();
  void RefreshTitle(bool modified);
  SettingsDialog* settingsDialog() const { return settingsDialog_; }
  // The percent item at the end of the menu bar, shown while the status bar
  // is hidden.
  QAction* percentItem() const { return percentItem_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Construction and settings.
  void CreateActions();
  void CreateMenus();
  QMenu* BuildMenu(MenuId id);
  void RetranslateActions();
  void PutLanguageInForce();
  void ApplyHotKeys();
  // What the settings dialog asks of the window.
  void ApplyLanguage() override;
  void HotKeysChanged() override;
  void SaveSettings() override;
  void ConnectEditor();
  void ConnectStatusBar();
  void ApplySettings();
  void WriteSettings();
  void OnActivated();
  void OnApplicationStateChanged(Qt::ApplicationState state);
  // Whether a file named on the command line was read.
  bool HandleCommandLine();

  // Document life.
  void NewDocument();
  void OpenWithDialog();
  bool LoadDocument(const QString& path);
  // Reads a file into this window as an open does; false when it failed.
  bool OpenHere(const QString& path);
  std::string NewTextFolder() const;
  void AppendLogStamp();
  bool ConfirmDiscard();
  bool SaveDocument(SaveMode mode = SaveMode::Interactive);
  bool SaveDocumentAs();
  void SaveSelectionAs();
  bool WriteDocument(const std::string& path, const std::string& bytes, SaveMode mode);
  bool ConfirmOverwrite(const std::string& path);
  void MarkSaved();
  std::string WithDefaultExtension(const std::string& path) const;
  void OnAutoSaveTimer();
  void OnFocusLost();
  void OnTextChanged();
  void SetReadOnlyMode(bool on);
  void TestReadOnlyAttribute();
  void StartInstance(const QString& path);
  void PrintAndClose();
  void ShowInfo(const std::string& bytes);

  // Code pages, detection and case (the Text menu).
  void RebuildConversionTables();
  void ConvertEncoding(EncodingCode from, EncodingCode to);
  void ChangeCase(CaseChange change);
  void DetectOnLoad();
  void ShowEncodingName();
  void ShowEncodingMenu();

  // The window's own keys and the editor's mouse, seen before the editor.
  bool ClaimShortcut(const QKeyEvent& key) const;
  bool BoundToAction(const QKeyEvent& key) const;
  bool HandleKeyPress(const QKeyEvent& key);
  void HandleMousePress(const QMouseEvent& mouse);
  void HandleMouseRelease(const QMouseEvent& mouse);
  void OnEscape();
  void ScrollReadOnly(int lines, int pages);
  void CaretToTopLine();
  void RetranslateStatusBar();
  void InsertAtCaret(const std::string& bytes);
  void ReturnToEnglish();
  QString UrlAt(const QPoint& viewportPosition) const;

  // Search, go to, bookmarks and recent files.
  bool TextLocked() const;
  void AddToRecent();
  void BuildRecentMenu();
  void OpenRecent(const std::string& path);
  void ShowGoToAt(GoToMode mode, const QWidget* pane, int offset);
  void ShowPercent();

  // Lists, transliteration and layout repair.
  void LoadLists();
  void SaveLists();
  void RebuildTextTables();
  void Transliterate(const TranslitTable& table);
  void RepairLayout(LayoutAction which);

  // Action handlers, one each.
  void OnNew();
  void OnNewWindow();
  void OnOpen();
  void OnSave();
  void OnSaveAs();
  void OnSaveSelAs();
  void OnExit();
  void OnUndo();
  void OnRedo();
  void OnCut();
  void OnCopy();
  void OnPaste();
  void OnDelete();
  void OnSelectAll();
  void OnWordWrap();
  void OnReadOnly();
  void OnIncFont();
  void OnDecFont();
  void OnNormFont();
  void OnCopyUrl();
  void OnSettings();
  void OnFind();
  void OnReplace();
  void OnFindNext();
  void OnGoTo();
  void OnSetBookmark();
  void OnGoToBookmark();
  void OnDeleteLine();
  void OnClearRecent();
  void OnHelp();
  void OnHistory();
  void OnReadme();
  void OnDosToWin();
  void OnKoiToWin();
  void OnMacToWin();
  void OnIsoToWin();
  void OnWinToDos();
  void OnWinToKoi();
  void OnWinToMac();
  void OnWinToIso();
  void OnDetect();
  void OnUpCase();
  void OnLoCase();
  void OnInvertCase();
  void OnCapWords();
  void OnCaseCyc();
  void OnToTrans();
  void OnFromTrans();
  void OnToRuslit();
  void OnFromRuslit();
  void OnLayout12();
  void OnLayout21();
  void OnLayout13();
  void OnLayout31();
  void OnLayout23();
  void OnLayout32();

  using Handler = void (MainWindow::*)();
  // Whether an action may run while Replace All lets events through: the
  // ones that write text wait until it ends.
  enum class DuringReplaceAll { Runs, Refused };
  struct HandlerRow {
    ActionId id;
    Handler handler;
    DuringReplaceAll during = DuringReplaceAll::Runs;
  };
  static const HandlerRow kHandlers[];

  CommandLine commandLine_;
  Prompter* prompter_;
  InstanceLauncher* launcher_;
  std::unique_ptr<Prompter> ownPrompter_;
  std::unique_ptr<InstanceLauncher> ownLauncher_;
  KeyboardLayouts* keyboard_;
  std::unique_ptr<KeyboardLayouts> ownKeyboard_;

  Settings settings_;
  SettingsStore store_;
  LanguageList languages_;
  LanguageChange language_;
  HotKeys hotKeys_;
  SettingsDialog* settingsDialog_ = nullptr;
  RecentList recent_;
  FindReplace* finder_ = nullptr;
  GoToDialog* goTo_ = nullptr;
  QAction* percentItem_ = nullptr;
  DocumentState doc_;
  EncodingState encoding_;
  std::unique_ptr<ConversionTables> tables_;  // rebuilt when the settings change
  std::vector<ListFile> lists_;               // by AuxList
  struct TranslitTables {
    TranslitTable toTranslit, fromTranslit, toRuslit, fromRuslit;
  };
  std::unique_ptr<TranslitTables> translit_;   // rebuilt when the lists change
  EditorWidget* editor_ = nullptr;
  StatusBar* status_ = nullptr;
  std::array<QAction*, static_cast<std::size_t>(ActionId::Count)> actions_{};
  std::array<QMenu*, static_cast<std::size_t>(MenuId::Count)> menus_{};

  QElapsedTimer startTime_;
  QTimer autoSaveTimer_;
  int autoSaveMinutes_ = 0;
  std::string untitledWritten_;  // the "Untitled.txt" this window saved
  QString clickedUrl_;   // kept for Copy URL by a right click on a link
  QString pressedUrl_;   // the link under the mouse when its button went down
  bool mouseDown_ = false;
  bool firstActivation_ = true;
  bool firstStartDialogShown_ = false;
  bool saving_ = false;
  bool closing_ = false;
};

}  // namespace plumex
