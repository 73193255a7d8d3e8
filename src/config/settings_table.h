#pragma once
// The one list of the settings file's keys: section, key, type, the field of
// the settings record it fills, and the values it may take. Loading, saving,
// clamping and the settings dialog all work from it; the defaults are the
// record's member initialisers.
#include <climits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "config/settings.h"

namespace plumex {

inline constexpr std::string_view kSectionGeneral = "GENERAL";
inline constexpr std::string_view kSectionEditor = "EDITOR";
inline constexpr std::string_view kSectionAutodetect = "AUTODETECT";
inline constexpr std::string_view kSectionEcodings = "ECODINGS";
inline constexpr std::string_view kSectionCase = "CASE";
inline constexpr std::string_view kSectionLayout = "LAYOUT";
inline constexpr std::string_view kSectionPrintFont = "PRINT_FONT";
inline constexpr std::string_view kSectionUserStyle = "USER_STYLE";
inline constexpr std::string_view kSectionExts = "EXTS";
inline constexpr std::string_view kSectionAdditional = "ADDITIONAL";

using IntField = int& (*)(Settings&);
using BoolField = bool& (*)(Settings&);
using TextField = std::string& (*)(Settings&);
using Field = std::variant<IntField, BoolField, TextField, std::string_view>;  // text: written, never read

// For integers the values a loaded one is brought into, for texts the
// allowed lengths. Limits only bring a value into the meaning the program
// gives it: a value outside them means the same as the one it becomes.
struct Limits {
  int min = INT_MIN;
  int max = INT_MAX;
};

// What a value outside its limits becomes.
enum class OutOfRange { Clamp, UseDefault, UseZero };

// Conversion tables come from the settings file only with the English
// interface; a language file may bring its own, which are never saved.
enum class TableRole { Setting, ConversionTable };

// The settings dialog's pages, in the order of its page list.
enum class SettingsPage {
  Interface, Editor, FullScreen, Autosave, Transliteration, Integration, Sounds, Keyboard,
  Additional, Count
};

// The control that shows a setting in the settings dialog.
enum class DialogControl {
  None,            // not in the dialog
  Check,           // a check box; an integer setting it shows is 1 when checked, 0 when not
  Spin,            // a number within the offered limits
  Choice,          // a combo box whose index is the value; items are language keys
  EditableChoice,  // a combo box whose text is the value; items are offered texts
  Text,            // a one-line edit
  OptionalText,    // a check box that turns an edit on; unchecked means empty
  Language,        // the interface languages
  Style,           // the built-in look, then the skins; the index is the value
  EditorFont,      // a sample of the user-defined scheme's font; a click changes it
  PrinterFont,     // a sample of the printer font; a click changes it
  BackColor,       // the user-defined background; a click changes it
};

// When the dialog takes a value from its control.
enum class Takes { AtOnce, OnOk };

// What the window does at once when the dialog has taken a value.
enum class SettingEffect {
  None, ToolBar, StatusBar, SavePosition, ReadOnly, AutoSave, FullScreenParts, Margins,
  WheelScroll, SpecialChars, Appearance, Skin, Detection
};

// How a typed text becomes a value.
enum class TextRule {
  AsTyped,
  Extension,  // trimmed, leading dots dropped; refused with "/" or a control character
  NoBlanks,   // every blank removed
};

struct DialogBinding {
  DialogControl control = DialogControl::None;
  SettingsPage page = SettingsPage::Count;
  Takes takes = Takes::AtOnce;
  std::string_view name = {};     // the control's name ("chbxShowTBar"); for OptionalText the edit's
  std::string_view caption = {};  // language key of its caption
  std::string_view after = {};    // language key of the text after a number
  std::string_view guard = {};    // key of the check box that turns this control on
  SettingEffect effect = SettingEffect::None;
  std::span<const std::string_view> items = {};
  TextRule rule = TextRule::AsTyped;
  // A check box for a field with no key of its own (RestoreLastPath, which
  // decides whether LastPath is written).
  BoolField flag = nullptr;
};

struct SettingEntry {
  std::string_view section;
  std::string_view key;
  Field field;
  Limits limits;
  OutOfRange outOfRange = OutOfRange::Clamp;
  TableRole role = TableRole::Setting;
  // What the settings dialog offers, which may be narrower than the limits.
  Limits offered = {};
  DialogBinding dialog = {};
};

std::span<const SettingEntry> SettingsTable();

// The values the settings dialog offers for one integer field of `settings`
// (for example AllowedRange(s, s.Mins) gives 1..60).
Limits AllowedRange(const Settings& settings, const int& field);

// The value a typed text gives under `rule`; nothing when it is refused.
std::optional<std::string> TypedValue(TextRule rule, std::string_view typed);

}  // namespace plumex
