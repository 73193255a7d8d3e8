#pragma once
// The settings dialog: a page list on the left, one page per topic, the
// interface language and OK below. It edits the settings record and the hot
// keys in place and reaches the main window only through SettingsHost.
#include <QDialog>
#include <optional>

#include "config/hot_keys.h"
#include "config/settings.h"
#include "language/language_files.h"
#include "language/language_table.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;

namespace plumex {

// What the dialog asks of the main window.
class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  // settings.Language holds the chosen index: put that language in force and
  // retitle the window's own actions and menus.
  virtual void ApplyLanguage() = 0;
  // A hot key was bound or removed (and hotkeys.ini written): give the
  // actions their shortcuts again.
  virtual void HotKeysChanged() = 0;
  // OK: write the settings file and the list files.
  virtual void SaveSettings() = 0;
};

// The pages in the order of the page list.
enum class SettingsPage {
  Interface, Editor, FullScreen, Autosave, Transliteration, Integration, Sounds, Keyboard,
  Additional, Count
};

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // Created once with the window; the references outlive it.
  SettingsDialog(Settings& settings, HotKeys& hotKeys, const LanguageList& languages,
                 SettingsHost& host, QWidget* parent = nullptr);

  // Shows the dialog modally on `page`: the Interface page from the menu,
  // the Integration page on the first start.
  void Open(SettingsPage page);

  void ShowPage(SettingsPage page);
  SettingsPage CurrentPage() const;

  // Every caption, page name, combo and key list entry in the language in
  // force. The dialog calls it after its own language combos; the window
  // calls it after changing the language by other means.
  void Retranslate();

  // Resizes to `size`, at least 500 by 390 and at most the screen; the
  // settings record keeps the size.
  void ApplySize(DialogSize size);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* BuildPage(SettingsPage page);
  QWidget* BuildInterfacePage();
  QWidget* BuildKeyboardPage();
  QWidget* BuildBottomBar();
  void FillLanguageCombos();
  void OnLanguageChosen(int index);
  void OnOk();

  // The Keyboard page.
  void BuildKeyList();
  std::optional<ActionId> SelectedAction() const;
  void ShowSelectedKey();
  bool OnKeyListPress(const QKeyEvent& event);
  bool OnKeyListRelease(const QKeyEvent& event);
  void BindSelected(const KeyStroke& key);
  void RemoveBinding(QListWidgetItem* item);
  void KeysChanged(QString note);

  Settings& settings_;
  HotKeys& hotKeys_;
  const LanguageList& languages_;
  SettingsHost& host_;

  QListWidget* pageList_ = nullptr;  // lbSets
  QStackedWidget* pages_ = nullptr;  // nbSets
  QLabel* pageHeaders_[static_cast<int>(SettingsPage::Count)] = {};
  QComboBox* languageCombo_ = nullptr;   // comboxLang, Interface page
  QComboBox* languageCombo2_ = nullptr;  // comboxLang2, bottom bar
  QLabel* languageLabel_ = nullptr;
  QLabel* languageLabel2_ = nullptr;
  QLabel* keyListText_ = nullptr;
  QListWidget* keyList_ = nullptr;  // lbKeys
  QLabel* hotKeyLabel_ = nullptr;   // lblHotKey
  QLabel* keyNote_ = nullptr;       // why a key was refused, taken or not saved
  std::optional<KeyStroke> pendingKey_;  // pressed on the key list, bound on its release
};

}  // namespace plumex
