// Catch Clipboard through the real editor widget: clipboard texts of 1 KB
// (a thousand of them) and of 1 MB (one) appended to texts of 1 and 16 MB.
// The counter "per_capture" must not grow with the text.
#include <benchmark/benchmark.h>

#include "commands/clipboard_capture.h"
#include "platform/editor_widget.h"
#include "russian_like_text.h"
#include "../tests/support/fake_clipboard.h"
#include "../tests/support/fake_dialogs.h"

namespace {

// A 16 MB text leaves no room under the editor's limit; here the time is
// what counts.
constexpr int kRoomForAll = 1 << 26;

// Arguments: the text's megabytes, the captured text's kilobytes, captures.
void BM_CatchClipboard(benchmark::State& state) {
  const std::string text = plumex::bench::RussianLikeText(static_cast<std::size_t>(state.range(0)) << 20);
  const auto captures = static_cast<int>(state.range(2));
  // Neighbours differ, and so do the rounds: an equal text is not caught.
  std::vector<std::u16string> caught(static_cast<std::size_t>(captures),
                                     std::u16string(static_cast<std::size_t>(state.range(1)) << 10, u'\u0436'));
  for (std::size_t i = 0; i < caught.size(); ++i) caught[i][1] = static_cast<char16_t>(u'A' + i % 2);
  plumex::EditorWidget editor;
  editor.resize(800, 600);
  plumex::Settings settings;
  const plumex::LanguageTable texts;
  plumex::test::FakeDialogs dialogs;
  plumex::Document document(editor, settings, texts, dialogs, plumex::EditorWidget::kMaxLength);
  plumex::test::FakeClipboard clipboard;
  plumex::ClipboardCapture capture(editor, document, settings, texts, clipboard,
                                   {[&] { return editor.TransformBusy(); }, [] {}, [](const std::string&) {}},
                                   kRoomForAll);
  capture.ToggleCatch();
  for (auto _ : state) {
    state.PauseTiming();
    editor.Load(text);
    state.ResumeTiming();
    for (std::u16string& one : caught) {
      one[0] ^= 1;
      capture.Arrived(one);
    }
    benchmark::DoNotOptimize(editor.Length());
  }
  state.counters["per_capture"] = benchmark::Counter(
      static_cast<double>(captures), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CatchClipboard)
    ->Args({1, 1, 1000})
    ->Args({16, 1, 1000})
    ->Args({1, 1024, 1})
    ->Args({16, 1024, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
