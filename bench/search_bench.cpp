// Replace All of a one-byte pattern with 100 000 matches in 1, 5 and 10 MB,
// as a pure function and through the editor widget and the Replace box; and
// Find over 16 MB that holds no match.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <string>

#include "commands/find_replace.h"
#include "config/conversion_settings.h"
#include "commands/find_replace_dialog.h"
#include "commands/text_search.h"
#include "config/settings.h"
#include "convert/conversion_tables.h"
#include "platform/editor_widget.h"
#include "russian_like_text.h"

namespace {

constexpr int kMatches = 100000;

const plumex::CaseTables& Case() {
  static const plumex::ConversionTables tables = plumex::TablesFromSettings(plumex::Settings{});
  return tables.Case();
}

// Russian-looking text with `matches` bytes 'a' spread evenly.
std::string Prose(std::size_t size, int matches) {
  std::string text = plumex::bench::RussianLikeText(size);
  const std::size_t step = matches > 0 ? size / static_cast<std::size_t>(matches) : size;
  for (int i = 0; i < matches; ++i) {
    std::size_t at = static_cast<std::size_t>(i) * step;
    if (text[at] == '\r' || text[at] == '\n') ++at;
    text[at] = 'a';
  }
  return text;
}

plumex::SearchOptions CrLfOptions() {
  plumex::SearchOptions options;
  options.lineBreak = plumex::LineBreak::CrLf;
  return options;
}

void BM_ReplaceAllCore(benchmark::State& state) {
  const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
  const std::string text = Prose(size, kMatches);
  for (auto _ : state) {
    const plumex::ReplaceResult result = plumex::ReplaceAll(text, "a", "bb", CrLfOptions(), Case());
    if (result.count != kMatches) state.SkipWithError("wrong count");
    benchmark::DoNotOptimize(result.text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReplaceAllCore)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_FindWithoutMatch16MB(benchmark::State& state) {
  const std::size_t size = 16 << 20;
  const std::string text = Prose(size, 0);
  plumex::SearchOptions options = CrLfOptions();
  options.matchCase = state.range(0) ? plumex::MatchCase::Yes : plumex::MatchCase::No;
  const std::string pattern = "\xEF\xF0\xE8\xE2\xE5\xF2";  // привет, absent from the prose
  const plumex::TextSearcher searcher(pattern, options, Case());
  for (auto _ : state) {
    if (searcher.Find(text, 0)) state.SkipWithError("found");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_FindWithoutMatch16MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FindOneByteWithoutMatch16MB(benchmark::State& state) {
  const std::size_t size = 16 << 20;
  const std::string text = Prose(size, 0);
  const plumex::TextSearcher searcher("a", CrLfOptions(), Case());
  for (auto _ : state) {
    if (searcher.Find(text, 0)) state.SkipWithError("found");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_FindOneByteWithoutMatch16MB)->Unit(benchmark::kMillisecond);

// The whole user path: the box's Replace All on the editor's text, read out,
// rewritten in pieces with the events let through, and written back once.
void BM_ReplaceAllInEditor(benchmark::State& state) {
  const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
  const std::string text = Prose(size, kMatches);
  QWidget window;
  auto* editor = new plumex::EditorWidget(&window);
  plumex::Settings settings;
  QString info;
  auto* finder = new plumex::FindReplace(
      &window, *editor, settings, []() -> const plumex::CaseTables& { return Case(); },
      [&info](const QString& t) { info = t; });
  window.resize(800, 600);
  window.show();
  finder->ShowReplace();
  auto* box = window.findChild<plumex::FindReplaceDialog*>("replaceDialog");
  box->findChild<QLineEdit*>("findText")->setText("a");
  box->findChild<QLineEdit*>("replaceText")->setText("bb");
  auto* replaceAll = box->findChild<QPushButton*>("replaceAll");
  for (auto _ : state) {
    state.PauseTiming();
    editor->Load(text);
    editor->Select(0, 0);
    state.ResumeTiming();
    replaceAll->click();
    if (info != QStringLiteral(" Replacements amount: 100000")) state.SkipWithError("wrong count");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReplaceAllInEditor)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

// Find Next through the widget in a 16 MB text, 1000 matches apart: each
// step reads the editor's text and searches on from the caret.
void BM_FindNextInEditor16MB(benchmark::State& state) {
  const std::size_t size = 16 << 20;
  QWidget window;
  auto* editor = new plumex::EditorWidget(&window);
  plumex::Settings settings;
  auto* finder = new plumex::FindReplace(
      &window, *editor, settings, []() -> const plumex::CaseTables& { return Case(); }, [](const QString&) {});
  editor->Load(Prose(size, 1000));
  finder->ShowFind();
  auto* box = window.findChild<plumex::FindReplaceDialog*>("findDialog");
  box->findChild<QLineEdit*>("findText")->setText("a");
  box->findChild<QPushButton*>("findNext")->click();
  for (auto _ : state) {
    const int before = editor->SelStart();
    finder->FindNext();
    if (editor->SelStart() == before) editor->Select(0, 0);
  }
}
BENCHMARK(BM_FindNextInEditor16MB)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

