// Open and save of a 16 MB Windows-1251 text through the real editor widget,
// and one status refresh on it, as a keystroke would cause.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/main_window.h"
#include "commands/document.h"
#include "convert/utf8.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "russian_like_text.h"
#include "language/language_table.h"

namespace {

constexpr std::size_t kSize = 16 << 20;

std::string TempFile(const std::string& bytes) {
  std::string dir = "/tmp/plumex-bench-XXXXXX";
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  const std::string path = dir + "/big.txt";
  if (!plumex::WriteFileAtomically(path, bytes)) std::abort();
  return path;
}

void BM_OpenIntoEditor16MB(benchmark::State& state) {
  const std::string path = TempFile(plumex::bench::RussianLikeText(kSize));
  plumex::EditorWidget editor;
  editor.resize(800, 600);
  for (auto _ : state) {
    const plumex::ReadResult read = plumex::ReadFileBytes(path);
    editor.Load(read.bytes);
    benchmark::DoNotOptimize(editor.Length());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_OpenIntoEditor16MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening as the window does, with the form decided on the way: the same
// 16 MB of text as Windows-1251 (arg 0) and as UTF-8 (arg 1).
struct SilentDialogs : plumex::DocumentDialogs {
  plumex::Answer AskSaveChanges() override { return plumex::Answer::No; }
  plumex::Answer AskSaveOnClose(const std::string&) override { return plumex::Answer::No; }
  std::string ChooseSavePath(const std::string&, const std::string&) override { return {}; }
  bool ConfirmOverwrite(const std::string&) override { return false; }
  void ShowError(const std::string&) override {}
  bool ConfirmLossySave(std::size_t) override { return false; }
};

void BM_DocumentOpen16MB(benchmark::State& state) {
  const std::string text = plumex::bench::RussianLikeText(kSize);
  const std::string path = TempFile(state.range(0) == 0 ? text : plumex::EncodeUtf8(text));
  plumex::EditorWidget editor;
  editor.resize(800, 600);
  const plumex::Settings settings;
  SilentDialogs dialogs;
  const plumex::LanguageTable texts;
  plumex::Document document(editor, settings, texts, dialogs, plumex::EditorWidget::kMaxLength);
  for (auto _ : state) {
    if (!document.Load(path)) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(editor.Length());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_DocumentOpen16MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveFromEditor16MB(benchmark::State& state) {
  const std::string bytes = plumex::bench::RussianLikeText(kSize);
  const std::string path = TempFile(bytes);
  plumex::EditorWidget editor;
  editor.Load(bytes);
  for (auto _ : state) {
    if (!plumex::WriteFileAtomically(path, editor.Text())) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_SaveFromEditor16MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StatusRefreshOn16MB(benchmark::State& state) {
  const std::string path = TempFile(plumex::bench::RussianLikeText(kSize));
  setenv("PLUMEX_HOME", "/tmp", 0);
  plumex::MainWindow window(plumex::ParseCommandLine(std::vector<std::string>{"/r", path}));
  window.show();
  QApplication::processEvents();
  window.editor()->Select(window.editor()->Length(), window.editor()->Length());
  for (auto _ : state) window.RefreshStatus();
}
BENCHMARK(BM_StatusRefreshOn16MB)->Unit(benchmark::kMicrosecond);

// The whole 16 MB text converted in the editor: read it out, map it, write
// it back, as WIN-1251 -> KOI8-R does.
void BM_ConvertWholeTextInEditor16MB(benchmark::State& state) {
  const std::string path = TempFile(plumex::bench::RussianLikeText(kSize));
  setenv("PLUMEX_HOME", "/tmp", 0);
  plumex::MainWindow window(plumex::ParseCommandLine(std::vector<std::string>{path}));
  window.show();
  QApplication::processEvents();
  bool toKoi = true;
  for (auto _ : state) {
    window.action(toKoi ? plumex::ActionId::WinToKoi : plumex::ActionId::KoiToWin)->trigger();
    toKoi = !toKoi;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_ConvertWholeTextInEditor16MB)->Unit(benchmark::kMillisecond)->Iterations(4);

// A language switch as the settings dialog makes it: every action, menu,
// caption and pane of the window retitled, and the tables reloaded.
void BM_ApplyLanguageToWindow(benchmark::State& state) {
  std::string home = "/tmp/plumex-bench-XXXXXX";
  if (mkdtemp(home.data()) == nullptr) std::abort();
  setenv("PLUMEX_HOME", home.c_str(), 1);
  std::string language = "[LANGUAGE]\r\nLanguage=Test\r\nLanguageCode=ts\r\n";
  for (const plumex::LanguageText& text : plumex::EnglishTexts())
    language += std::string(text.key) + "=" + text.english + " (ts)\r\n";
  std::filesystem::create_directory(home + "/Lang");
  if (!plumex::WriteFileAtomically(home + "/Lang/test.lng", language)) std::abort();
  plumex::MainWindow window(plumex::ParseCommandLine(std::vector<std::string>{}));
  window.show();
  QApplication::processEvents();
  auto* combo = window.settingsDialog()->findChild<QComboBox*>(QStringLiteral("comboxLang"));
  int index = 0;
  for (auto _ : state) {
    index = 1 - index;
    combo->setCurrentIndex(index);
  }
  window.settingsDialog()->reject();
}
BENCHMARK(BM_ApplyLanguageToWindow)->Unit(benchmark::kMillisecond);

}  // namespace

