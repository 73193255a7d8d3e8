// External File of 16 MB into an empty text, as the Insert menu runs it:
// the file read whole, its lines in the text's own breaks, one replace.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

#include "commands/inserts.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "russian_like_text.h"

namespace {

void BM_InsertExternalFile16MB(benchmark::State& state) {
  constexpr std::size_t kSize = 16 << 20;
  std::string dir = "/tmp/plumex-bench-XXXXXX";
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  const std::string path = dir + "/insert.txt";
  if (!plumex::WriteFileAtomically(path, plumex::bench::RussianLikeText(kSize))) std::abort();
  plumex::EditorWidget editor;
  editor.resize(800, 600);
  for (auto _ : state) {
    state.PauseTiming();  // emptying the last round's text is not the insert
    editor.Load("");
    state.ResumeTiming();
    const plumex::ReadResult read = plumex::ReadFileBytes(path, 2 * std::size_t{plumex::EditorWidget::kMaxLength});
    const auto outcome = plumex::InsertText(editor, plumex::FileLines(read.bytes, editor.LineBreakStyle()),
                                            plumex::EditorWidget::kMaxLength);
    if (outcome != plumex::InsertOutcome::Inserted) std::abort();
    benchmark::DoNotOptimize(editor.Length());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_InsertExternalFile16MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
