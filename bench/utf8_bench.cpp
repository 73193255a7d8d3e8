// UTF-8 validation and the two conversions over 16 MB and 100 MB of Russian
// prose; bench/utf8_iconv_bench.sh times iconv on the same text.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "convert/utf8.h"

namespace plumex {
namespace {

// The size is that of the Windows-1251 text; its UTF-8 is nearly twice as long.
struct Sample {
  std::string win, utf8;
};

const Sample& Prose(std::size_t megabytes) {
  static std::map<std::size_t, Sample> samples;
  Sample& sample = samples[megabytes];
  if (sample.win.empty()) {
    const std::string unit = DecodeUtf8(
                                 "Утром над рекой стоял густой туман, и лодки у причала казались серыми тенями.\r\n"
                                 "Старый рыбак медленно разматывал сети, поглядывая на небо, где уже проступало "
                                 "солнце.\r\n"
                                 "Он знал, что к полудню ветер переменится и клёв будет хорошим, если только не "
                                 "начнётся дождь.\r\n")
                                 .bytes;
    const std::size_t size = megabytes << 20;
    sample.win.reserve(size + unit.size());
    while (sample.win.size() < size) sample.win += unit;
    sample.win.resize(size);
    sample.utf8 = EncodeUtf8(sample.win);
  }
  return sample;
}

template <typename Run>
void Measure(benchmark::State& state, const std::string& input, Run run) {
  for (auto _ : state) benchmark::DoNotOptimize(run(input));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(input.size()));
}

void BM_ClassifyUtf8(benchmark::State& state) {
  Measure(state, Prose(static_cast<std::size_t>(state.range(0))).utf8, ClassifyUtf8);
}
BENCHMARK(BM_ClassifyUtf8)->ArgName("MB")->Arg(16)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Utf8ToWin1251(benchmark::State& state) {
  Measure(state, Prose(static_cast<std::size_t>(state.range(0))).utf8, DecodeUtf8);
}
BENCHMARK(BM_Utf8ToWin1251)->ArgName("MB")->Arg(16)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Win1251ToUtf8(benchmark::State& state) {
  Measure(state, Prose(static_cast<std::size_t>(state.range(0))).win, EncodeUtf8);
}
BENCHMARK(BM_Win1251ToUtf8)->ArgName("MB")->Arg(16)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plumex
