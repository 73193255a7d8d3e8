#pragma once
// The settings dialog's controls, each bound to its setting by its row of
// the settings table: filled from the record when the dialog shows (no
// handler runs then), taken at once or on OK as the row says, and the row's
// effect asked of the window once the value is stored.
#include <QObject>
#include <functional>
#include <vector>

#include "app/settings_font_panels.h"
#include "app/settings_host.h"
#include "config/settings_table.h"
#include "language/language_files.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QWidget;

namespace plumex {

class SettingBindings : public QObject {
  Q_OBJECT

 public:
  SettingBindings(Settings& settings, SettingsHost& host, const LanguageList& languages,
                  FontChoosers choosers, QObject* parent);

  // Builds the controls of the rows shown on `page`, one line each; a
  // guarded control joins its check box's line.
  void AddRows(SettingsPage page, QWidget& owner, QBoxLayout& layout);
  // A further list of the interface languages (the one below the pages).
  QComboBox* AddLanguageCombo(QWidget& owner, const char* name);
  // The user chose language `index` in one of the language combos.
  void OnLanguageChosen(std::function<void(int)> handler) { onLanguage_ = std::move(handler); }

  // Ties `widget`'s text to a language key; an action's caption gets a
  // colon, as a label.
  void AddCaption(QWidget* widget, std::string_view key);

  // Every control from its setting, as the dialog shows.
  void Fill();
  // The language combos select the language in force.
  void FillLanguages();
  void TakeOnOk();
  void Retranslate();

 private:
  struct Bound {
    const SettingEntry* entry;
    QWidget* control;               // the control that holds the value
    QCheckBox* check = nullptr;     // an OptionalText row's box
  };

  QWidget* AddControl(const SettingEntry& entry, QWidget& owner, QBoxLayout& line);
  QWidget* AddCheck(const SettingEntry& entry, QWidget& owner);
  QWidget* AddCombo(const SettingEntry& entry, QWidget& owner);
  QWidget* AddOptionalText(const SettingEntry& entry, QWidget& owner, QBoxLayout& line);
  void FillOne(const Bound& bound);
  // Stores the control's value in its setting; false when the text is refused.
  bool Take(const Bound& bound);
  void OnChecked(const Bound& bound, bool checked);
  void OnDefaultExtensionBox(const Bound& bound, bool checked);
  void Applied(const SettingEntry& entry);
  const Bound* Find(std::string_view key) const;

  Settings& settings_;
  SettingsHost& host_;
  const LanguageList& languages_;
  FontChoosers choosers_;
  std::vector<Bound> bound_;
  std::vector<std::pair<QWidget*, std::string_view>> captions_;
  std::vector<QComboBox*> languageCombos_;
  std::function<void(int)> onLanguage_;
};

}  // namespace plumex
