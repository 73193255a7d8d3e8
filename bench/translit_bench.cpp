// Transliteration of Russian prose both ways at 4 and 16 MB, by the one walk
// the shipped tables allow and entry by entry as a table that chains goes,
// to show that each grows with the text and no faster.
#include <benchmark/benchmark.h>

#include <string>

#include "convert/translit.h"
#include "convert/win1251.h"

namespace {

enum class Path { OneWalk, EntryByEntry };

const std::string& Prose(std::size_t size) {
  static std::string text;
  if (text.size() != size) {
    const std::string paragraph = plumex::Utf8ToWin1251(
        "Поезд опаздывал почти на час, поэтому пассажиры сидели в зале ожидания и пили горячий чай. "
        "Кто-то читал газету, кто-то разговаривал по телефону, а маленькая девочка рисовала паровоз. "
        "Наконец объявили посадку, и все поспешили на платформу, тщательно проверяя свои вещи. "
        "Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\r\n");
    text.clear();
    while (text.size() < size) text += paragraph;
    text.resize(size);
  }
  return text;
}

void Run(benchmark::State& state, const std::vector<std::string>& lines, plumex::TranslitDirection direction,
         Path path) {
  const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
  const plumex::TranslitTable forward(lines, plumex::TranslitDirection::Forward);
  const std::string input = direction == plumex::TranslitDirection::Forward ? Prose(size) : forward.Apply(Prose(size));
  const plumex::TranslitTable table(lines, direction);
  if (!table.OnePass()) state.SkipWithError("a shipped table chains");
  for (auto _ : state)
    benchmark::DoNotOptimize(path == Path::OneWalk ? table.Apply(input) : table.ApplyEntryByEntry(input));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void BM_TranslitForward(benchmark::State& state, Path path) {
  Run(state, plumex::BuiltInTranslitLines(), plumex::TranslitDirection::Forward, path);
}
void BM_TranslitReverse(benchmark::State& state, Path path) {
  Run(state, plumex::BuiltInTranslitLines(), plumex::TranslitDirection::Reverse, path);
}
void BM_RuslitForward(benchmark::State& state, Path path) {
  Run(state, plumex::BuiltInRuslitLines(), plumex::TranslitDirection::Forward, path);
}
void BM_RuslitReverse(benchmark::State& state, Path path) {
  Run(state, plumex::BuiltInRuslitLines(), plumex::TranslitDirection::Reverse, path);
}

#define PLUMEX_TRANSLIT_BENCH(function)                                                                        \
  BENCHMARK_CAPTURE(function, one_walk, Path::OneWalk)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);        \
  BENCHMARK_CAPTURE(function, entry_by_entry, Path::EntryByEntry)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond)

PLUMEX_TRANSLIT_BENCH(BM_TranslitForward);
PLUMEX_TRANSLIT_BENCH(BM_TranslitReverse);
PLUMEX_TRANSLIT_BENCH(BM_RuslitForward);
PLUMEX_TRANSLIT_BENCH(BM_RuslitReverse);

}  // namespace
