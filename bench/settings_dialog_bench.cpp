// Opening the settings dialog offscreen with ten registered extensions and
// every action's hot key: the first opening, which builds the pages, and a
// repeated one, which only fills them again.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/integration_page.h"
#include "app/settings_dialog.h"
#include "support/fake_file_types.h"

namespace {

using namespace plumex;

// The window's answers; nothing the bench measures reaches it.
struct StillWindow : SettingsHost {
  void ApplyLanguage() override {}
  void HotKeysChanged() override {}
  void SaveSettings() override {}
  void SettingApplied(SettingEffect) override {}
  std::vector<std::string> SkinNames() const override { return {}; }
  std::vector<std::string> ListLines(AuxList) const override { return {"a=b", "c=d"}; }
  void SetListLines(AuxList, const std::vector<std::string>&) override {}
};

struct DialogParts {
  DialogParts() {
    settings.ExtsList = {"txt", "log", "ini", "cfg", "nfo", "diz", "md", "csv", "conf", "lst"};
    types.registered.insert(settings.ExtsList.begin(), settings.ExtsList.end());
  }
  Settings settings;
  test::FakeFileTypes types;
  HotKeys keys{"/nonexistent/hotkeys.ini"};  // the built-in keys
  LanguageList languages = ScanLanguageFiles("/nonexistent/");
  StillWindow host;
};

void OpenAndClose(SettingsDialog& dialog, SettingsPage page) {
  dialog.Open(page);
  QApplication::processEvents();
  dialog.reject();
}

void BM_SettingsDialogFirstOpen(benchmark::State& state) {
  DialogParts profile;
  for (auto _ : state) {
    SettingsDialog dialog(profile.settings, profile.keys, profile.languages, profile.host);
    dialog.SetIntegrationPage(new IntegrationPage(profile.settings, profile.types, nullptr));
    OpenAndClose(dialog, SettingsPage::Integration);
  }
}
BENCHMARK(BM_SettingsDialogFirstOpen)->Unit(benchmark::kMillisecond);

void BM_SettingsDialogOpenAgain(benchmark::State& state) {
  DialogParts profile;
  SettingsDialog dialog(profile.settings, profile.keys, profile.languages, profile.host);
  dialog.SetIntegrationPage(new IntegrationPage(profile.settings, profile.types, nullptr));
  OpenAndClose(dialog, SettingsPage::Integration);
  for (auto _ : state) OpenAndClose(dialog, SettingsPage::Interface);
}
BENCHMARK(BM_SettingsDialogOpenAgain)->Unit(benchmark::kMillisecond);

}  // namespace
