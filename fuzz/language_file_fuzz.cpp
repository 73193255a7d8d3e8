// Language files: any file puts texts within their cap and tables the
// conversions can use, and every action still has a caption.
#include "cached_tables.h"
#include "fuzz_support.h"
#include "language/language_files.h"
#include "language/language_table.h"
#include "model/action_table.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::MemoryFile stored(fuzz::AsText(data, size));
  const IniFile settingsFile;
  Settings settings;
  LanguageTable texts;
  const LanguageChange change =
      ApplyLanguage(1, {{"English", ""}, {"Fuzz", stored.path()}}, settings, 1, texts, {settingsFile, "/nonexistent/"});
  FUZZ_CHECK(change.index == 0 || change.index == 1);
  for (const LanguageText& text : EnglishTexts()) FUZZ_CHECK(texts.Text(text.key).size() <= kLanguageTextLimit);
  FUZZ_CHECK(texts.SettingsDialogSize().width >= 500 && texts.SettingsDialogSize().height >= 390);
  for (const ActionRow& row : Actions()) (void)ActionCaption(row.id, settings, texts);
  const ConversionTables& tables = fuzz::TablesFor(settings);
  (void)DetectEncoding(fuzz::AsText(data, size), tables.Detector());
  return 0;
}
