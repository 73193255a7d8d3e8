// Transliteration of Russian prose both ways; reverse at two sizes to show
// that its cost grows with the text and no faster.
#include <benchmark/benchmark.h>

#include <string>

#include "convert/translit.h"
#include "convert/win1251.h"

namespace {

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

void Run(benchmark::State& state, const std::vector<std::string>& lines, plumex::TranslitDirection direction) {
  const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
  const plumex::TranslitTable forward(lines, plumex::TranslitDirection::Forward);
  const std::string input = direction == plumex::TranslitDirection::Forward ? Prose(size) : forward.Apply(Prose(size));
  const plumex::TranslitTable table(lines, direction);
  for (auto _ : state) benchmark::DoNotOptimize(table.Apply(input));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void BM_TranslitForward(benchmark::State& state) {
  Run(state, plumex::BuiltInTranslitLines(), plumex::TranslitDirection::Forward);
}
void BM_TranslitReverse(benchmark::State& state) {
  Run(state, plumex::BuiltInTranslitLines(), plumex::TranslitDirection::Reverse);
}
void BM_RuslitForward(benchmark::State& state) {
  Run(state, plumex::BuiltInRuslitLines(), plumex::TranslitDirection::Forward);
}
void BM_RuslitReverse(benchmark::State& state) {
  Run(state, plumex::BuiltInRuslitLines(), plumex::TranslitDirection::Reverse);
}

BENCHMARK(BM_TranslitForward)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslitReverse)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RuslitForward)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RuslitReverse)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
