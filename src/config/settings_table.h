#pragma once
// The one list of the settings file's keys: section, key, type, the field of
// the settings record it fills, and the values it may take. Loading, saving,
// clamping and the settings dialog all work from it; the defaults are the
// record's member initialisers.
#include <climits>
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

struct SettingEntry {
  std::string_view section;
  std::string_view key;
  Field field;
  Limits limits;
  OutOfRange outOfRange = OutOfRange::Clamp;
  TableRole role = TableRole::Setting;
  // What the settings dialog offers, which may be narrower than the limits.
  Limits offered = {};
};

std::span<const SettingEntry> SettingsTable();

// The values the settings dialog offers for one integer field of `settings`
// (for example AllowedRange(s, s.Mins) gives 1..60).
Limits AllowedRange(const Settings& settings, const int& field);

}  // namespace plumex
