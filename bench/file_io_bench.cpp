// Reading and safely writing a 16 MB file, the floor under open and save.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/file_io.h"

namespace {

constexpr std::size_t kSize = 16 << 20;

std::string TempPath() {
  std::string dir = "/tmp/plumex-bench-XXXXXX";
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  return dir + "/big.txt";
}

void BM_WriteAtomically16MB(benchmark::State& state) {
  const std::string path = TempPath();
  const std::string bytes(kSize, '\xE0');
  for (auto _ : state) benchmark::DoNotOptimize(plumex::WriteFileAtomically(path, bytes));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
  unlink(path.c_str());
}
BENCHMARK(BM_WriteAtomically16MB)->Unit(benchmark::kMillisecond);

void BM_Read16MB(benchmark::State& state) {
  const std::string path = TempPath();
  (void)plumex::WriteFileAtomically(path, std::string(kSize, '\xE0'));
  for (auto _ : state) benchmark::DoNotOptimize(plumex::ReadFileBytes(path));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
  unlink(path.c_str());
}
BENCHMARK(BM_Read16MB)->Unit(benchmark::kMillisecond);

}  // namespace
