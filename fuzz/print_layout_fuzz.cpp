// The print layout: any text and metrics give lines inside the text, in
// order, each fitting the page unless it is a single character.
#include <fuzzer/FuzzedDataProvider.h>

#include "commands/print_layout.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  PrintMetrics metrics;
  for (double& advance : metrics.advance) advance = input.ConsumeIntegralInRange(0, 40) / 4.0;
  metrics.lineHeight = input.ConsumeIntegralInRange(-4, 60) / 2.0;
  metrics.pageWidth = input.ConsumeIntegralInRange(-10, 400) / 2.0;
  metrics.pageHeight = input.ConsumeIntegralInRange(-10, 400) / 2.0;
  const std::string tab(input.ConsumeIntegralInRange(0, 12), ' ');
  const std::string text = input.ConsumeRemainingBytesAsString();

  const PrintLayout layout = LayOutPrint(text, tab, metrics);
  const PrintPages& pages = layout.pages;
  if (layout.refusal != PrintRefusal::None) return 0;
  FUZZ_CHECK(pages.linesPerPage >= 1 && pages.text.size() <= text.size() * std::max<std::size_t>(tab.size(), 1));
  std::size_t end = 0;
  for (std::size_t i = 0; i < pages.lines.size(); ++i) {
    const PrintLine& line = pages.lines[i];
    FUZZ_CHECK(line.start >= end && line.start + line.length <= pages.text.size());
    end = line.start + line.length;
    double width = 0;
    for (char c : pages.Line(i)) width += metrics.advance[static_cast<unsigned char>(c)];
    FUZZ_CHECK(line.length <= 1 || width <= metrics.pageWidth);
  }
  return 0;
}
