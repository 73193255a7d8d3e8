#pragma once
// Printed pages of a text: its lines wrapped between the margins at break
// characters and cut into pages. Pure, so that any metrics can be tried; the
// printing code measures the printer font into PrintMetrics and paints the
// lines it is given.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plumex {

// Widths and heights in the printer's pixels.
struct PrintMetrics {
  // The advance of each byte's character, as it is drawn.
  std::array<double, 256> advance{};
  double lineHeight = 0;
  // The printable area between the margins.
  double pageWidth = 0;
  double pageHeight = 0;
};

struct PrintLine {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const PrintLine&) const = default;
};

struct PrintPages {
  // The text with each Tab replaced; the lines point into it.
  std::string text;
  std::vector<PrintLine> lines;
  std::size_t linesPerPage = 1;

  std::string_view Line(std::size_t index) const {
    return std::string_view(text).substr(lines[index].start, lines[index].length);
  }
  // An exact multiple of linesPerPage fills its last page.
  std::size_t PageCount() const { return (lines.size() + linesPerPage - 1) / linesPerPage; }
};

// Why nothing can be laid out: no room for one character across, or for
// one line down.
enum class PrintRefusal { None, NoWidth, NoHeight };

struct PrintLayout {
  PrintRefusal refusal = PrintRefusal::None;
  PrintPages pages;
};

// Lays `text` out. Tabs become `tabSpaces`; CR LF, LF and CR end lines, and
// a break at the very end adds no empty line, so an empty text has no
// lines and no pages. A line as wide as the page or wider breaks after the
// last Tab, space, "-" or "." that still fits and is outside a part opened
// by a quote (' or ") and not yet closed; break characters right after
// such a break are dropped. With no such break the line is cut where it
// stops fitting, after one character at least, and blanks after the cut are
// dropped. Linear in the text's length.
PrintLayout LayOutPrint(std::string_view text, std::string_view tabSpaces, const PrintMetrics& metrics);

}  // namespace plumex
