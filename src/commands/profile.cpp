#include "commands/profile.h"

#include "config/conversion_settings.h"
#include "config/extension_list.h"
#include "platform/system_facts.h"

namespace plumex {

Profile::Profile(std::string folder)
    : folder_(std::move(folder)),
      hotKeys_(folder_ + std::string(kHotkeysFileName)),
      recent_(folder_ + std::string(kRecentFileName)) {}

bool Profile::Load() {
  languages_ = ScanLanguageFiles(folder_ + "Lang/");
  const SettingsLoad loaded = store_.Load(folder_ + SettingsFileName(), settings_);
  ApplyLanguage();
  LoadLists();
  // exts.ini may have been edited by hand: only names fit for file names,
  // XML and key files are taken.
  settings_.ExtsList = ExtensionsFromLines(lists_[static_cast<std::size_t>(AuxList::Exts)].lines());
  if (settings_.CountExts != -1) settings_.CountExts = static_cast<int>(settings_.ExtsList.size());
  recent_.Load();
  hotKeys_.Load();
  if (loaded.firstStart) {
    (void)store_.Save(settings_, language_.tables);
    for (const ListFile& list : lists_) (void)list.Save();
    (void)hotKeys_.Save();
  }
  RebuildTranslit();
  return loaded.firstStart;
}

std::string Profile::Save() {
  lists_[static_cast<std::size_t>(AuxList::Exts)].SetLines(settings_.ExtsList);
  const IoStatus written = store_.Save(settings_, language_.tables);
  // Each list is written on its own; one failure does not stop the others.
  for (const ListFile& list : lists_) (void)list.Save();
  (void)hotKeys_.Save();
  (void)recent_.Save();
  return written || store_.LoadFailed() ? std::string() : written.error;
}

void Profile::ApplyLanguage() {
  language_ = plumex::ApplyLanguage(settings_.Language, languages_, settings_, settings_.Starts, texts_,
                                    {store_.File(), folder_});
  RebuildTables();
}

void Profile::RebuildTables() { tables_ = std::make_unique<ConversionTables>(TablesFromSettings(settings_)); }

void Profile::SetList(AuxList which, const std::vector<std::string>& lines) {
  lists_[static_cast<std::size_t>(which)].SetLines(lines);
  RebuildTranslit();
}

void Profile::LoadLists() {
  lists_.clear();
  for (AuxList list : kAuxLists) {
    lists_.emplace_back(folder_ + std::string(AuxListFileName(list)));
    lists_.back().Load(AuxListDefaults(list));
  }
}

void Profile::RebuildTranslit() {
  const auto& translit = lists_[static_cast<std::size_t>(AuxList::Translit)].lines();
  const auto& ruslit = lists_[static_cast<std::size_t>(AuxList::Ruslit)].lines();
  translit_ = std::make_unique<TranslitTables>(TranslitTables{
      TranslitTable(translit, TranslitDirection::Forward),
      TranslitTable(translit, TranslitDirection::Reverse),
      TranslitTable(ruslit, TranslitDirection::Forward),
      TranslitTable(ruslit, TranslitDirection::Reverse),
  });
}

}  // namespace plumex
