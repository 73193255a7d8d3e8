// Language files at start-up: scanning a Lang folder of 50 full files, and
// putting one in force (every text, then the conversion tables).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/settings.h"
#include "language/language_files.h"
#include "language/language_table.h"

namespace {

constexpr int kFiles = 50;

// A file the size a real translation has: every text, and its own tables.
std::string FullLanguageFile(int number) {
  const plumex::Settings tables;
  std::string file = "[LANGUAGE]\r\nLanguage=Language " + std::to_string(number) +
                     "\r\nLanguageCode=l" + std::to_string(number) + "\r\nEnglishName=Other\r\n";
  for (const plumex::LanguageText& text : plumex::EnglishTexts())
    file += std::string(text.key) + "=\xD2\xE5\xEA\xF1\xF2 " + text.english + "\r\n";
  file += "[SETS_FORM]\r\nSetsWidth=560\r\nSetsHeight=420\r\n";
  file += "[ECODINGS]\r\nStrWIN=" + tables.StrWIN + "\r\nStrDOS=" + tables.StrDOS + "\r\nStrKOI=" +
          tables.StrKOI + "\r\nStrMAC=" + tables.StrMAC + "\r\nStrISO=" + tables.StrISO + "\r\n";
  file += "[CASE]\r\nStrUpCase_Add=" + tables.StrUpCase_Add +
          "\r\nStrLoCase_Add=" + tables.StrLoCase_Add + "\r\n";
  file += "[LAYOUT]\r\nLOCount=2\r\n";
  for (int i = 0; i < 2; ++i) {
    const plumex::LayoutSlot& slot = tables.Layouts[static_cast<std::size_t>(i)];
    file += std::to_string(i + 1) + "=" + slot.Name + "\r\n" + slot.Name + "=" + slot.Id + "\r\nStrLO_" +
            slot.Name + "=" + slot.Keys + "\r\n";
  }
  return file;
}

class LangFolder {
 public:
  LangFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plumex-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern + "/";
    for (int i = 0; i < kFiles; ++i)
      std::ofstream(path_ + "lang" + std::to_string(i) + ".lng", std::ios::binary) << FullLanguageFile(i);
  }
  ~LangFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void BM_ScanLanguageFiles(benchmark::State& state) {
  const LangFolder folder;
  for (auto _ : state) benchmark::DoNotOptimize(plumex::ScanLanguageFiles(folder.path()));
  state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ScanLanguageFiles)->Unit(benchmark::kMillisecond);

void BM_ApplyLanguage(benchmark::State& state) {
  const LangFolder folder;
  const plumex::LanguageList list = plumex::ScanLanguageFiles(folder.path());
  const plumex::IniFile settingsFile;
  plumex::Settings settings;
  plumex::LanguageTable texts;
  for (auto _ : state)
    benchmark::DoNotOptimize(plumex::ApplyLanguage(1, list, settings, 5, texts, {settingsFile, folder.path()}));
}
BENCHMARK(BM_ApplyLanguage)->Unit(benchmark::kMillisecond);

}  // namespace
