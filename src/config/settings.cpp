#include "config/settings.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "config/settings_layouts.h"
#include "config/settings_table.h"

namespace plumex {
namespace {

// Accessors only name a member; the built-in defaults are read, never written.
Settings& BuiltIn() {
  static Settings defaults;
  return defaults;
}

void ReadEntries(const IniFile& file, Settings& settings, TableRole role) {
  for (const SettingEntry& entry : SettingsTable()) {
    if (entry.role != role) continue;
    if (const auto* field = std::get_if<IntField>(&entry.field)) {
      int& value = (*field)(settings);
      value = file.ReadInteger(entry.section, entry.key, value);
    } else if (const auto* field = std::get_if<BoolField>(&entry.field)) {
      bool& value = (*field)(settings);
      value = file.ReadBool(entry.section, entry.key, value);
    } else if (const auto* field = std::get_if<TextField>(&entry.field)) {
      std::string& value = (*field)(settings);
      value = role == TableRole::ConversionTable ? file.ReadExactString(entry.section, entry.key, value)
                                                 : file.ReadString(entry.section, entry.key, value);
    }
  }
}

void BringIntoRange(const SettingEntry& entry, Settings& settings) {
  const Limits limits = entry.limits;
  if (const auto* field = std::get_if<IntField>(&entry.field)) {
    int& value = (*field)(settings);
    if (value >= limits.min && value <= limits.max) return;
    switch (entry.outOfRange) {
      case OutOfRange::Clamp: value = std::clamp(value, limits.min, limits.max); break;
      case OutOfRange::UseDefault: value = (*field)(BuiltIn()); break;
      case OutOfRange::UseZero: value = 0; break;
    }
  } else if (const auto* field = std::get_if<TextField>(&entry.field)) {
    std::string& value = (*field)(settings);
    const std::size_t length = value.size();
    if (length < static_cast<std::size_t>(limits.min)) value = (*field)(BuiltIn());
    else if (length > static_cast<std::size_t>(limits.max)) value.resize(static_cast<std::size_t>(limits.max));
  }
}

void BringAllIntoRange(Settings& settings) {
  for (const SettingEntry& entry : SettingsTable()) BringIntoRange(entry, settings);
}

// Upper- and lower-case strings pair up byte by byte; a pair of unequal
// length would shift every pair after it, so the longer one is cut.
void BuildCaseTables(Settings& settings) {
  settings.CaseUpperAll.clear();
  settings.CaseLowerAll.clear();
  const std::pair<const std::string&, const std::string&> pairs[] = {
      {settings.StrUpCase_En, settings.StrLoCase_En},
      {settings.StrUpCase_Ru, settings.StrLoCase_Ru},
      {settings.StrUpCase_Add, settings.StrLoCase_Add},
  };
  for (const auto& [upper, lower] : pairs) {
    const std::size_t length = std::min(upper.size(), lower.size());
    settings.CaseUpperAll.append(upper, 0, length);
    settings.CaseLowerAll.append(lower, 0, length);
  }
}

void WriteEntry(const SettingEntry& entry, Settings& values, IniFile& file) {
  if (const auto* field = std::get_if<IntField>(&entry.field))
    file.WriteInteger(entry.section, entry.key, (*field)(values));
  else if (const auto* field = std::get_if<BoolField>(&entry.field))
    file.WriteBool(entry.section, entry.key, (*field)(values));
  else if (const auto* field = std::get_if<TextField>(&entry.field))
    file.WriteString(entry.section, entry.key, (*field)(values));
  else
    file.WriteString(entry.section, entry.key, std::get<std::string_view>(entry.field));
}

// The record as the file stores it.
Settings ForSaving(const Settings& settings) {
  Settings values = settings;
  if (!values.RestoreLastPath) values.LastPath.clear();
  values.SpaceTab = static_cast<int>(std::min<std::size_t>(values.TabSpaces.size(), INT_MAX));
  // The font records keep the character set in one byte.
  values.PrintFont.Charset &= 0xFF;
  values.UserStyle.Charset &= 0xFF;
  return values;
}

}  // namespace

SettingsLoad LoadSettings(const IniFile& file, Settings& settings) {
  settings = Settings();
  ReadEntries(file, settings, TableRole::Setting);
  const SettingsLoad load{settings.Starts < 1};
  LoadTables(file, settings);
  settings.RestoreLastPath = !settings.LastPath.empty();
  settings.TabSpaces.assign(static_cast<std::size_t>(settings.SpaceTab), ' ');
  return load;
}

void LoadTables(const IniFile& source, Settings& settings) {
  ReadEntries(source, settings, TableRole::ConversionTable);
  ReadLayouts(source, settings, BuiltIn().Layouts);
  BringAllIntoRange(settings);
  BuildCaseTables(settings);
}

void SaveSettings(const Settings& settings, IniFile& file, TableSource tables) {
  Settings values = ForSaving(settings);
  for (const SettingEntry& entry : SettingsTable()) {
    if (entry.role == TableRole::ConversionTable && tables != TableSource::SettingsFile) continue;
    WriteEntry(entry, values, file);
  }
  if (tables == TableSource::SettingsFile) WriteLayouts(values, file);
}

}  // namespace plumex
