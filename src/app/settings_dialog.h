#pragma once
// The settings dialog: a page list on the left, one page per topic, the
// interface language and OK below. Its controls come from the settings
// table; it edits the settings record, the lists and the hot keys in place
// and reaches the main window only through SettingsHost.
#include <QDialog>
#include <vector>

#include "app/settings_font_panels.h"
#include "app/settings_host.h"
#include "config/hot_keys.h"
#include "config/settings.h"
#include "language/language_files.h"
#include "language/language_table.h"

class QLabel;
class QListWidget;
class QStackedWidget;
class QVBoxLayout;

namespace plumex {

class IntegrationPage;
class KeyListPage;
class ListMemo;
class SettingBindings;

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // Created once with the window; the references outlive it.
  SettingsDialog(Settings& settings, HotKeys& hotKeys, const LanguageList& languages, SettingsHost& host,
                 QWidget* parent = nullptr, FontChoosers choosers = FontChoosers::Standard());

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

  // The Integration page's contents (the file types, view source and the
  // code-page patch), which the dialog takes over. Until it is given, that
  // page is listed but cannot be chosen.
  void SetIntegrationPage(IntegrationPage* page);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* BuildPage(SettingsPage page);
  QWidget* BuildBottomBar();
  void AddMemo(AuxList list, const char* name, const char* caption, QVBoxLayout& layout);
  void OnLanguageChosen(int index);
  bool EnterMeansOk() const;
  void OnOk();

  Settings& settings_;
  SettingsHost& host_;
  SettingBindings* bindings_ = nullptr;
  KeyListPage* keyPage_ = nullptr;
  std::vector<ListMemo*> memos_;
  QListWidget* pageList_ = nullptr;  // lbSets
  QStackedWidget* pages_ = nullptr;  // nbSets
  QLabel* pageHeaders_[static_cast<int>(SettingsPage::Count)] = {};
  QVBoxLayout* integrationArea_ = nullptr;
  IntegrationPage* integrationPage_ = nullptr;
  QLabel* status_ = nullptr;  // StatBar: the size, in debug mode only
};

}  // namespace plumex
