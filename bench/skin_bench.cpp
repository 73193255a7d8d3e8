// Applying a skin of 100 four-picture buttons: the archive opened, skin.ini
// read and 400 bitmaps decoded, the bar rebuilt. Should stay under 100 ms.
#include <QAction>
#include <QMenu>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <filesystem>

#include "app/skins.h"
#include "app/tool_bar.h"
#include "support/temp_dir.h"
#include "support/skin_maker.h"

namespace {

using namespace plumex;

void ApplyHundredButtonSkin(benchmark::State& state) {
  test::TempDir home;
  std::filesystem::create_directory(home / "Skins");
  std::string layout;
  std::vector<test::ZipEntry> entries;
  for (int i = 0; i < kMaxToolSlots; ++i) {
    const int number = i % 83 + 1;
    layout += (i == 0 ? "" : "-") + std::to_string(number);
    if (i >= 83) continue;
    const std::string picture = test::Bmp(22, 22, QColor::fromHsv(number * 4, 200, 200));
    for (const char* look : {"Normal", "Active", "Down", "Disable"})
      entries.push_back({std::to_string(number) + look + ".bmp", picture});
  }
  entries.push_back({"skin.ini", "ButtonsCount=100\r\nToolButtonWidth=22\r\nToolButtonHeight=22\r\nSkinType=1\r\n"
                                 "ToolButtonSpace=1\r\nSeparatorWidth=4\r\nTransparentSeparator=1\r\nButtonsString=" +
                                     layout + "\r\n"});
  if (!test::MakeZip(home / "Skins/hundred.zip", entries)) {
    state.SkipWithError("cannot write the skin");
    return;
  }
  QWidget window;
  QMenu menu;
  std::vector<QAction*> actions;
  for (int i = 0; i < static_cast<int>(ActionId::Count); ++i) actions.push_back(new QAction(&window));
  ToolBar bar({[&](ActionId id) { return actions[static_cast<std::size_t>(id)]; },
               [](ActionId id) { return QString::number(static_cast<int>(id)); }, &menu},
              &window);
  Skins skins(bar, home / "Skins/");
  skins.Scan();
  for (auto _ : state) {
    int style = 1;
    skins.Apply(style, [&](const std::string& failure) { state.SkipWithError(failure.c_str()); });
    benchmark::DoNotOptimize(bar.buttons().data());
  }
  state.counters["buttons"] = static_cast<double>(bar.buttons().size());
}
BENCHMARK(ApplyHundredButtonSkin)->Unit(benchmark::kMillisecond);

}  // namespace
