// Laying out and printing 16 MB: a text of short lines, a single line with
// blanks, and a single line with no break at all (cut where it stops
// fitting), measured in a real printer font on a PDF printer. Layout should
// stay under a second.
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

#include "app/print_job.h"
#include "platform/printer_service.h"
#include "russian_like_text.h"

namespace plumex {
namespace {

constexpr std::size_t k16Mb = std::size_t{16} << 20;

enum Shape { kLines, kOneLine, kNoBreak };

const std::string& Text(int shape) {
  static const std::string texts[] = {
      bench::RussianLikeText(k16Mb),
      [] {
        std::string one = bench::RussianLikeText(k16Mb);
        std::erase(one, '\r');
        std::replace(one.begin(), one.end(), '\n', ' ');
        return one;
      }(),
      std::string(k16Mb, '\xFF'),
  };
  return texts[shape];
}

struct PdfPrinter {
  QTemporaryDir dir;
  QPrinter printer{QPrinter::HighResolution};
  PrintFontSettings font;
  PdfPrinter() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("bench.pdf")));
    ApplyMargins(printer, PageMargins{});
    font.Name = "DejaVu Sans Mono";
  }
};

void BM_LayOutPrint(benchmark::State& state) {
  PdfPrinter pdf;
  const PrintMetrics metrics = MeasurePrint(pdf.printer, PrintFontOf(pdf.font));
  const std::string& text = Text(static_cast<int>(state.range(0)));
  std::size_t pages = 0;
  for (auto _ : state) pages = LayOutPrint(text, "      ", metrics).pages.PageCount();
  state.counters["pages"] = static_cast<double>(pages);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LayOutPrint)->Arg(kLines)->Arg(kOneLine)->Arg(kNoBreak)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state) {
  PdfPrinter pdf;
  const std::string& text = Text(static_cast<int>(state.range(0)));
  std::size_t pages = 0;
  for (auto _ : state) pages = PrintText(pdf.printer, pdf.font, text, "      ").pages;
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_PrintToPdf)->Arg(kLines)->Arg(kOneLine)->Arg(kNoBreak)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plumex
