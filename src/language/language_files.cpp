#include "language/language_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>

#include "config/settings_table.h"
#include "platform/data_files.h"
#include "platform/file_io.h"
#include "platform/folder_files.h"
#include "language/language_table.h"

namespace plumex {
namespace {

constexpr std::string_view kLanguageSection = "LANGUAGE";
constexpr std::string_view kDialogSection = "SETS_FORM";
constexpr std::string_view kEnglish = "English";

std::string InFolder(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/') path += '/';
  return path.append(name);
}

std::string Capped(std::string text) {
  if (text.size() > kLanguageTextLimit) text.resize(kLanguageTextLimit);
  return text;
}

// Looked at before opening: opening a pipe would wait for a writer.
bool IsLanguageFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         static_cast<std::size_t>(st.st_size) <= kLanguageFileLimit;
}

// The file parsed once, in Windows-1251; nothing for a file that is not a
// regular file of reasonable size or cannot be read.
std::optional<IniFile> ReadLanguageFile(const std::string& path) {
  if (!IsLanguageFile(path)) return std::nullopt;
  ReadResult read = ReadFileBytes(path, kLanguageFileLimit);
  if (!read.status) return std::nullopt;
  return IniFile::Parse(read.bytes);
}

void ReadTexts(const IniFile& file, LanguageTable& table) {
  for (const LanguageText& text : EnglishTexts())
    if (file.HasKey(kLanguageSection, text.key))
      table.Set(text.key, Capped(file.ReadString(kLanguageSection, text.key, "")));
  table.SetLanguageCode(
      Capped(file.ReadString(kLanguageSection, "LanguageCode", table.LanguageCode())));
  table.SetEnglishName(
      Capped(file.ReadString(kLanguageSection, "EnglishName", table.EnglishName())));
  const DialogSize least;
  table.SetSettingsDialogSize(
      {std::max(least.width, file.ReadInteger(kDialogSection, "SetsWidth", least.width)),
       std::max(least.height, file.ReadInteger(kDialogSection, "SetsHeight", least.height))});
}

// The conversion tables as the program has them built in, so that a table
// no source has does not linger from the language used before.
void ResetTables(Settings& settings) {
  Settings builtIn;
  for (const SettingEntry& entry : SettingsTable()) {
    if (entry.role != TableRole::ConversionTable) continue;
    if (const auto* field = std::get_if<IntField>(&entry.field))
      (*field)(settings) = (*field)(builtIn);
    else if (const auto* field = std::get_if<BoolField>(&entry.field))
      (*field)(settings) = (*field)(builtIn);
    else if (const auto* field = std::get_if<TextField>(&entry.field))
      (*field)(settings) = (*field)(builtIn);
  }
  settings.Layouts = builtIn.Layouts;
}

// stem + "_" + code + extension for a language other than English, else
// stem + extension. The code names a file we look for: nothing that could
// lead elsewhere or fail to be a plain name.
std::string NameForLanguage(std::string_view stem, std::string_view extension, int index,
                            const std::string& code) {
  const auto plain = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
  };
  std::string name(stem);
  if (index != 0 && std::all_of(code.begin(), code.end(), plain)) name += "_" + code;
  return name.append(extension);
}

}  // namespace

LanguageList ScanLanguageFiles(const std::string& langFolder) {
  LanguageList list{{std::string(kEnglish), {}}};
  for (const std::string& name : FilesWithExtension(langFolder, ".lng")) {
    const std::string path = InFolder(langFolder, name);
    if (!IsLanguageFile(path)) continue;
    const std::optional<IniFile> file = ReadLanguageFile(path);
    std::string language =
        file ? Capped(file->ReadString(kLanguageSection, "Language", "???")) : "???";
    if (language == kEnglish) continue;  // the built-in English is entry 0
    list.push_back({std::move(language), path});
  }
  return list;
}

LanguageChange ApplyLanguage(int index, const LanguageList& list, Settings& settings, int starts,
                             LanguageTable& table,
                             const LanguagePlaces& places) {
  LanguageChange change;
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) index = 0;
  change.index = settings.Language = index;

  table.ResetToEnglish();
  std::optional<IniFile> file;
  if (index != 0) file = ReadLanguageFile(list[static_cast<std::size_t>(index)].path);
  if (file) ReadTexts(*file, table);

  ResetTables(settings);
  LoadTables(places.settingsFile, settings);
  if (file && starts > 0) {
    LoadTables(*file, settings);
    change.tables = TableSource::LanguageFile;
  }
  change.thirdLayout = settings.LOCount > 2;

  const std::vector<std::string> folders = DataFolders(InFolder(places.programFolder, ""));
  // A language without a help page of its own still has the English one.
  change.helpPath = FindDataFile(NameForLanguage("help", ".html", index, table.LanguageCode()), folders);
  if (change.helpPath.empty()) change.helpPath = FindDataFile("help.html", folders);
  change.historyPath = FindDataFile("history.txt", folders);
  change.readmePath = FindDataFile(NameForLanguage("readme", ".txt", index, table.LanguageCode()), folders);
  change.helpExists = !change.helpPath.empty();
  change.historyExists = !change.historyPath.empty();
  change.readmeExists = !change.readmePath.empty();
  return change;
}

std::string ActionCaption(ActionId id, const Settings& settings, const LanguageTable& texts) {
  const ActionRow& row = ActionOf(id);
  switch (row.rule) {
    case CaptionRule::LanguageKey: return texts.Text(row.caption);
    case CaptionRule::LanguageKeyWithoutEllipsis: {
      std::string caption = texts.Text(row.caption);
      if (const std::size_t dots = caption.find("..."); dots != std::string::npos)
        caption.erase(dots, 3);
      return caption;
    }
    case CaptionRule::Fixed: return row.caption;
    case CaptionRule::Layout: {
      const LayoutPair pair = LayoutPairOf(id);
      const auto name = [&](int layout) -> const std::string& {
        const int slot = std::clamp(layout, 1, kMaxLayouts) - 1;
        return settings.Layouts[static_cast<std::size_t>(slot)].Name;
      };
      return name(pair.from) + " -> " + name(pair.to);
    }
  }
  return row.caption;
}

}  // namespace plumex
