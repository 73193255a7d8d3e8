// Conversion, detection and case changes over 16 MB of Russian text, beside
// a plain memcpy of the same buffer for scale.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "config/settings.h"
#include "config/conversion_settings.h"
#include "convert/conversion_tables.h"
#include "convert/encoding_detection.h"
#include "convert/letter_case.h"

namespace plumex {
namespace {

constexpr std::size_t kBenchBytes = std::size_t{16} << 20;

// Russian words of the Windows-1251 table with spaces, capitals and line
// breaks, repeated to 16 MB.
const std::string& RussianText() {
  static const std::string text = [] {
    const Settings s;
    std::string unit;
    for (std::size_t i = 0; i < s.StrWIN.size(); ++i) {
      unit += s.StrWIN[(i * 7) % s.StrWIN.size()];
      if (i % 6 == 5) unit += ' ';
    }
    unit += "Text 2024.\r\n";
    std::string big;
    big.reserve(kBenchBytes);
    while (big.size() + unit.size() <= kBenchBytes) big += unit;
    big.resize(kBenchBytes, ' ');
    return big;
  }();
  return text;
}

ConversionTables Tables(int detect_buffer) {
  Settings s;
  s.DetectBuffer = detect_buffer;
  return TablesFromSettings(s);
}

void Finish(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kBenchBytes));
}

void BM_Memcpy16MB(benchmark::State& state) {
  const std::string& in = RussianText();
  std::string out(in.size(), '\0');
  for (auto _ : state) {
    std::memcpy(out.data(), in.data(), in.size());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  Finish(state);
}
BENCHMARK(BM_Memcpy16MB)->Unit(benchmark::kMillisecond);

void BM_ConvertWinToKoi16MB(benchmark::State& state) {
  const ConversionTables tables = Tables(1024);
  const ByteMap& map = tables.Conversion(EncodingCode::WIN, EncodingCode::KOI);
  const std::string& in = RussianText();
  std::string out(in.size(), '\0');
  for (auto _ : state) {
    map.Apply(in.data(), out.data(), in.size());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  Finish(state);
}
BENCHMARK(BM_ConvertWinToKoi16MB)->Unit(benchmark::kMillisecond);

// The one-off form builds its map on every call.
void BM_MapBytes16MB(benchmark::State& state) {
  const Settings s;
  const std::string& in = RussianText();
  for (auto _ : state) benchmark::DoNotOptimize(MapBytes(in, s.StrWIN, s.StrDOS));
  Finish(state);
}
BENCHMARK(BM_MapBytes16MB)->Unit(benchmark::kMillisecond);

void BM_DetectEncoding16MB(benchmark::State& state) {
  const ConversionTables tables = Tables(static_cast<int>(kBenchBytes));
  const std::string& in = RussianText();
  for (auto _ : state) benchmark::DoNotOptimize(DetectEncoding(in, tables.Detector()));
  Finish(state);
}
BENCHMARK(BM_DetectEncoding16MB)->Unit(benchmark::kMillisecond);

void BM_DetectStatistically16MB(benchmark::State& state) {
  const StatisticalDetector detector(Tables(1).CodePages());
  const std::string& in = RussianText();
  for (auto _ : state) benchmark::DoNotOptimize(detector.Guess(in, Utf8Candidate::Yes));
  Finish(state);
}
BENCHMARK(BM_DetectStatistically16MB)->Unit(benchmark::kMillisecond);

// What opening a file asks of the chosen method: the first 1 KB.
void BM_DetectStatisticallyOnLoad1KB(benchmark::State& state) {
  Settings s;
  s.DetectMethod = 1;
  const ConversionTables tables = TablesFromSettings(s);
  const std::string in = RussianText().substr(0, kDefaultDetectBuffer);
  for (auto _ : state) benchmark::DoNotOptimize(DetectByMethod(in, tables.Detector(), Utf8Candidate::No));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kDefaultDetectBuffer);
}
BENCHMARK(BM_DetectStatisticallyOnLoad1KB)->Unit(benchmark::kMicrosecond);

void BM_CaseChange16MB(benchmark::State& state) {
  const auto change = static_cast<CaseChange>(state.range(0));
  const ConversionTables tables = Tables(1024);
  const std::string& in = RussianText();
  std::string text(in.size(), '\0');
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(text.data(), in.data(), in.size());
    state.ResumeTiming();
    ApplyCaseChange(change, tables.Case(), text);
    benchmark::DoNotOptimize(text.data());
  }
  Finish(state);
}
BENCHMARK(BM_CaseChange16MB)
    ->ArgName("upper0_lower1_invert2_capitalize3")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plumex
