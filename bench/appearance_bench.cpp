// The view commands on a 16 MB text with word wrap, in the real window: a
// scheme change, one font step and full screen there and back.
#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/file_io.h"
#include "russian_like_text.h"

namespace {

using plumex::ActionId;

constexpr std::size_t kSize = 16 << 20;

// A window over the 16 MB text, word wrap on, settings in a folder of its own.
struct WrappedWindow {
  WrappedWindow() {
    std::string home = "/tmp/plumex-bench-XXXXXX";
    if (mkdtemp(home.data()) == nullptr) std::abort();
    setenv("PLUMEX_HOME", home.c_str(), 1);
    const std::string path = home + "/big.txt";
    if (!plumex::WriteFileAtomically(path, plumex::bench::RussianLikeText(kSize))) std::abort();
    window = std::make_unique<plumex::MainWindow>(plumex::ParseCommandLine(std::vector<std::string>{path}));
    window->show();
    QApplication::processEvents();
    if (!window->action(ActionId::WW)->isChecked()) window->action(ActionId::WW)->trigger();
    QApplication::processEvents();
  }
  // Runs `first` and `second` in turn, each waiting for the repaint and
  // relayout it causes.
  void Alternate(benchmark::State& state, ActionId first, ActionId second) {
    bool odd = true;
    for (auto _ : state) {
      window->action(odd ? first : second)->trigger();
      QApplication::processEvents();
      odd = !odd;
    }
  }
  std::unique_ptr<plumex::MainWindow> window;
};

void BM_SchemeChangeOn16MBWrapped(benchmark::State& state) {
  WrappedWindow().Alternate(state, ActionId::ReadStyle, ActionId::StdStyle);
}
BENCHMARK(BM_SchemeChangeOn16MBWrapped)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_FontStepOn16MBWrapped(benchmark::State& state) {
  WrappedWindow().Alternate(state, ActionId::IncFont, ActionId::DecFont);
}
BENCHMARK(BM_FontStepOn16MBWrapped)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_FullScreenToggleOn16MBWrapped(benchmark::State& state) {
  WrappedWindow().Alternate(state, ActionId::FullScreen, ActionId::FullScreen);
}
BENCHMARK(BM_FullScreenToggleOn16MBWrapped)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace
