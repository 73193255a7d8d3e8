#include "app/settings_bindings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "app/style_combo.h"
#include "language/qt_language.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

// A check box shows a flag, or an integer setting as 1 or 0.
bool Checked(const SettingEntry& entry, Settings& settings) {
  if (entry.dialog.flag != nullptr) return entry.dialog.flag(settings);
  if (const auto* number = std::get_if<IntField>(&entry.field)) return (*number)(settings) != 0;
  return std::get<BoolField>(entry.field)(settings);
}
void SetChecked(const SettingEntry& entry, Settings& settings, bool checked) {
  if (entry.dialog.flag != nullptr) entry.dialog.flag(settings) = checked;
  else if (const auto* number = std::get_if<IntField>(&entry.field)) (*number)(settings) = checked ? 1 : 0;
  else std::get<BoolField>(entry.field)(settings) = checked;
}
int& Number(const SettingEntry& entry, Settings& settings) { return std::get<IntField>(entry.field)(settings); }
std::string& Words(const SettingEntry& entry, Settings& settings) {
  return std::get<TextField>(entry.field)(settings);
}

// An action's caption labels a box as "Separator:".
QString CaptionText(std::string_view key) {
  const QString text = Tr(std::string(key).c_str());
  return key.starts_with('a') ? text + ':' : text;
}

QString Name(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

template <class Control>
Control* Named(Control* control, std::string_view name) {
  control->setObjectName(Name(name));
  return control;
}

}  // namespace

SettingBindings::SettingBindings(Settings& settings, SettingsHost& host, const LanguageList& languages,
                                 FontChoosers choosers, QObject* parent)
    : QObject(parent), settings_(settings), host_(host), languages_(languages), choosers_(std::move(choosers)) {}

void SettingBindings::AddRows(SettingsPage page, QWidget& owner, QBoxLayout& layout) {
  QBoxLayout* fonts = nullptr;
  for (const SettingEntry& entry : SettingsTable()) {
    const DialogBinding& binding = entry.dialog;
    if (binding.page != page || binding.control == DialogControl::None || !binding.guard.empty()) continue;
    const bool panel = binding.control == DialogControl::EditorFont ||
                       binding.control == DialogControl::PrinterFont || binding.control == DialogControl::BackColor;
    if (panel && fonts == nullptr) {
      auto* group = Named(new QGroupBox(&owner), "gbFonts");
      AddCaption(group, "tDecor");
      fonts = new QHBoxLayout(group);
      layout.addWidget(group);
    }
    auto* line = new QHBoxLayout;
    AddControl(entry, owner, panel ? *fonts : *line);
    for (const SettingEntry& guarded : SettingsTable())
      if (guarded.dialog.guard == entry.key) AddControl(guarded, owner, *line);
    line->addStretch();
    if (!panel) layout.addLayout(line);
    else delete line;
  }
}

QWidget* SettingBindings::AddControl(const SettingEntry& entry, QWidget& owner, QBoxLayout& line) {
  const DialogBinding& binding = entry.dialog;
  if (binding.control == DialogControl::OptionalText) return AddOptionalText(entry, owner, line);
  if (!binding.caption.empty() && binding.control != DialogControl::Check &&
      binding.control != DialogControl::EditorFont && binding.control != DialogControl::PrinterFont) {
    auto* label = new QLabel(&owner);
    AddCaption(label, binding.caption);
    line.addWidget(label);
  }
  QWidget* control = nullptr;
  switch (binding.control) {
    case DialogControl::Check: control = AddCheck(entry, owner); break;
    case DialogControl::Spin: {
      auto* spin = new QSpinBox(&owner);
      spin->setRange(entry.offered.min, entry.offered.max);
      // A number counts once it is confirmed or taken on OK, not per digit.
      spin->setKeyboardTracking(false);
      if (binding.takes == Takes::AtOnce) {
        const std::size_t index = bound_.size();
        connect(spin, &QSpinBox::valueChanged, this, [this, index] {
          if (Take(bound_[index])) Applied(*bound_[index].entry);
        });
      }
      control = spin;
      break;
    }
    case DialogControl::Choice:
    case DialogControl::EditableChoice:
    case DialogControl::Style: control = AddCombo(entry, owner); break;
    case DialogControl::Text: control = new QLineEdit(&owner); break;
    case DialogControl::Language: control = AddLanguageCombo(owner, "comboxLang"); break;
    default: {
      auto* panel = new FontPanel(binding, settings_, host_, choosers_, &owner);
      if (!binding.caption.empty()) AddCaption(panel, binding.caption);
      connect(panel, &FontPanel::changed, this, [this] {
        for (const Bound& bound : bound_)
          if (auto* other = qobject_cast<FontPanel*>(bound.control)) other->Fill();
      });
      control = panel;
      break;
    }
  }
  control->setObjectName(Name(binding.name));
  const bool wide = binding.control != DialogControl::Check && binding.control != DialogControl::Spin;
  line.addWidget(control, wide ? 1 : 0);
  if (binding.control != DialogControl::Language) bound_.push_back({&entry, control});
  if (!binding.after.empty()) {
    auto* label = new QLabel(&owner);
    AddCaption(label, binding.after);
    line.addWidget(label);
  }
  return control;
}

QWidget* SettingBindings::AddCheck(const SettingEntry& entry, QWidget& owner) {
  auto* box = new QCheckBox(&owner);
  AddCaption(box, entry.dialog.caption);
  const std::size_t index = bound_.size();
  // clicked, not toggled: filling the box must run no handler.
  connect(box, &QCheckBox::clicked, this, [this, index](bool checked) { OnChecked(bound_[index], checked); });
  return box;
}

QWidget* SettingBindings::AddCombo(const SettingEntry& entry, QWidget& owner) {
  auto* combo = new QComboBox(&owner);
  const std::size_t index = bound_.size();
  const auto take = [this, index] {
    if (Take(bound_[index])) Applied(*bound_[index].entry);
  };
  // activated and textEdited come from the user only.
  connect(combo, &QComboBox::activated, this, take);
  if (entry.dialog.control == DialogControl::EditableChoice) {
    combo->setEditable(true);
    for (std::string_view item : entry.dialog.items) combo->addItem(BytesToQString(item));
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, take);
  }
  return combo;
}

QWidget* SettingBindings::AddOptionalText(const SettingEntry& entry, QWidget& owner, QBoxLayout& line) {
  // The box is named like its edit: "chbxDefExt" beside "eDefExt".
  auto* box = Named(new QCheckBox(&owner), "chbx" + std::string(entry.dialog.name.substr(1)));
  AddCaption(box, entry.dialog.caption);
  auto* edit = Named(new QLineEdit(&owner), entry.dialog.name);
  edit->setMaximumWidth(80);
  line.addWidget(box);
  line.addWidget(edit);
  const std::size_t index = bound_.size();
  bound_.push_back({&entry, edit, box});
  connect(box, &QCheckBox::clicked, this,
          [this, index](bool checked) { OnDefaultExtensionBox(bound_[index], checked); });
  return edit;
}

QComboBox* SettingBindings::AddLanguageCombo(QWidget& owner, const char* name) {
  auto* combo = new QComboBox(&owner);
  combo->setObjectName(QString::fromLatin1(name));
  languageCombos_.push_back(combo);
  connect(combo, &QComboBox::activated, this, [this](int index) {
    if (index >= 0 && index != settings_.Language && onLanguage_) onLanguage_(index);
  });
  return combo;
}

void SettingBindings::AddCaption(QWidget* widget, std::string_view key) {
  captions_.emplace_back(widget, key);
  widget->setProperty("text", CaptionText(key));
  if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(CaptionText(key));
}

void SettingBindings::Retranslate() {
  for (const auto& [widget, key] : captions_) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(CaptionText(key));
    else widget->setProperty("text", CaptionText(key));
  }
  for (const Bound& bound : bound_) {
    if (bound.entry->dialog.control == DialogControl::EditorFont ||
        bound.entry->dialog.control == DialogControl::PrinterFont)
      bound.control->setToolTip(Tr("hTextFont"));
    if (bound.entry->dialog.control == DialogControl::BackColor) bound.control->setToolTip(Tr("hBackColor"));
    auto* combo = qobject_cast<QComboBox*>(bound.control);
    // Item 0 of the style combo is the built-in look; the skins are named by their files.
    if (bound.entry->dialog.control == DialogControl::Style && combo->count() > 0)
      combo->setItemText(0, Tr("tPlumexStyle"));
    if (bound.entry->dialog.control != DialogControl::Choice) continue;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (std::string_view item : bound.entry->dialog.items) combo->addItem(CaptionText(item));
    FillOne(bound);
  }
}

void SettingBindings::Fill() {
  FillLanguages();
  for (const Bound& bound : bound_) FillOne(bound);
}

void SettingBindings::FillLanguages() {
  for (QComboBox* combo : languageCombos_) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const LanguageEntry& language : languages_) combo->addItem(BytesToQString(language.name));
    combo->setCurrentIndex(settings_.Language);
  }
}

void SettingBindings::FillOne(const Bound& bound) {
  const SettingEntry& entry = *bound.entry;
  const QSignalBlocker blocker(bound.control);
  if (const Bound* guard = Find(entry.dialog.guard)) bound.control->setEnabled(Checked(*guard->entry, settings_));
  switch (entry.dialog.control) {
    case DialogControl::Check: static_cast<QCheckBox*>(bound.control)->setChecked(Checked(entry, settings_)); break;
    case DialogControl::Spin: static_cast<QSpinBox*>(bound.control)->setValue(Number(entry, settings_)); break;
    case DialogControl::Choice:
      // A hand-edited value no item stands for shows no item.
      static_cast<QComboBox*>(bound.control)->setCurrentIndex(Number(entry, settings_));
      break;
    case DialogControl::Style:
      FillStyleCombo(*static_cast<QComboBox*>(bound.control), Tr("tPlumexStyle"), host_.SkinNames(),
                     Number(entry, settings_));
      break;
    case DialogControl::EditableChoice:
      static_cast<QComboBox*>(bound.control)->setEditText(BytesToQString(Words(entry, settings_)));
      break;
    case DialogControl::Text:
      static_cast<QLineEdit*>(bound.control)->setText(BytesToQString(Words(entry, settings_)));
      break;
    case DialogControl::OptionalText: {
      const std::string& value = Words(entry, settings_);
      const QSignalBlocker boxBlocker(bound.check);
      bound.check->setChecked(!value.empty());
      bound.control->setEnabled(!value.empty());
      static_cast<QLineEdit*>(bound.control)->setText(BytesToQString(value));
      break;
    }
    default: static_cast<FontPanel*>(bound.control)->Fill(); break;
  }
}

bool SettingBindings::Take(const Bound& bound) {
  const SettingEntry& entry = *bound.entry;
  switch (entry.dialog.control) {
    case DialogControl::Check: SetChecked(entry, settings_, static_cast<QCheckBox*>(bound.control)->isChecked()); break;
    case DialogControl::Spin: {
      auto* spin = static_cast<QSpinBox*>(bound.control);
      // A number typed but not yet confirmed counts.
      spin->interpretText();
      Number(entry, settings_) = spin->value();
      break;
    }
    case DialogControl::Choice:
    case DialogControl::Style: {
      const int index = static_cast<QComboBox*>(bound.control)->currentIndex();
      if (index < 0) return false;
      Number(entry, settings_) = index;
      break;
    }
    case DialogControl::EditableChoice:
    case DialogControl::Text:
    case DialogControl::OptionalText: {
      auto* combo = qobject_cast<QComboBox*>(bound.control);
      const QString text = combo != nullptr ? combo->currentText() : static_cast<QLineEdit*>(bound.control)->text();
      const std::optional<std::string> value = TypedValue(entry.dialog.rule, QStringToBytes(text));
      if (!value) return false;
      Words(entry, settings_) = *value;
      break;
    }
    default: return false;
  }
  return true;
}

void SettingBindings::OnChecked(const Bound& bound, bool checked) {
  SetChecked(*bound.entry, settings_, checked);
  // The controls the box turns on are taken with it.
  for (const Bound& guarded : bound_) {
    if (guarded.entry->dialog.guard != bound.entry->key) continue;
    guarded.control->setEnabled(checked);
    const QSignalBlocker blocker(guarded.control);
    Take(guarded);
  }
  Applied(*bound.entry);
}

void SettingBindings::OnDefaultExtensionBox(const Bound& bound, bool checked) {
  auto* edit = static_cast<QLineEdit*>(bound.control);
  edit->setEnabled(checked);
  std::string& value = Words(*bound.entry, settings_);
  if (!checked) {
    edit->clear();
    value.clear();
  } else if (value.empty()) {
    edit->setText(QStringLiteral("txt"));
  }
}

void SettingBindings::TakeOnOk() {
  std::vector<SettingEffect> effects;
  for (const Bound& bound : bound_) {
    const bool spin = bound.entry->dialog.control == DialogControl::Spin;
    if (bound.entry->dialog.takes != Takes::OnOk && !spin) continue;
    const QSignalBlocker blocker(bound.control);
    // A refused text leaves the value it had.
    if (!Take(bound) || bound.entry->dialog.takes != Takes::OnOk) continue;
    const SettingEffect effect = bound.entry->dialog.effect;
    if (effect != SettingEffect::None && std::find(effects.begin(), effects.end(), effect) == effects.end())
      effects.push_back(effect);
  }
  for (SettingEffect effect : effects) host_.SettingApplied(effect);
}

void SettingBindings::Applied(const SettingEntry& entry) {
  if (entry.dialog.effect != SettingEffect::None) host_.SettingApplied(entry.dialog.effect);
}

const SettingBindings::Bound* SettingBindings::Find(std::string_view key) const {
  if (key.empty()) return nullptr;
  const auto found = std::find_if(bound_.begin(), bound_.end(), [&](const Bound& b) { return b.entry->key == key; });
  return found == bound_.end() ? nullptr : &*found;
}

}  // namespace plumex
