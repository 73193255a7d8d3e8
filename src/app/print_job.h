#pragma once
// One print job: the text measured in the printer font on the printer
// itself, laid out between the printer's margins and painted page by page.
#include <QColor>
#include <QFont>
#include <cstddef>
#include <string_view>

#include "commands/print_layout.h"
#include "config/settings.h"

class QPrinter;

namespace plumex {

// The [PRINT_FONT] font, kerning and shaping off so that each character is
// as wide drawn as measured; a size of 0 or less gives 11 points.
QFont PrintFontOf(const PrintFontSettings& settings);
// A 0x00BBGGRR colour.
QColor ColorOfColorref(int colorref);

// The advance of every byte's character, the line height and the printable
// area, in the printer's pixels.
PrintMetrics MeasurePrint(QPrinter& printer, const QFont& font);

enum class PrintOutcome { Printed, NothingToPrint, NoRoom, NotStarted, PageFailed, NotFinished };

struct PrintResult {
  PrintOutcome outcome = PrintOutcome::NothingToPrint;
  std::size_t pages = 0;
};

// Prints `text` with each Tab as `tabSpaces`. An empty text starts no job.
PrintResult PrintText(QPrinter& printer, const PrintFontSettings& font, std::string_view text,
                      std::string_view tabSpaces);

}  // namespace plumex
