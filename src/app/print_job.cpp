#include "app/print_job.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "convert/win1251.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

constexpr int kDefaultPrintSize = 11;
// Beyond this no glyph would fit a page, and font engines misbehave.
constexpr int kLargestPrintSize = 1000;

void PaintPages(QPrinter& printer, QPainter& painter, const PrintPages& pages, double ascent, double lineHeight,
                PrintResult& result) {
  for (std::size_t i = 0; i < pages.lines.size(); ++i) {
    const std::size_t row = i % pages.linesPerPage;
    if (i > 0 && row == 0) {
      if (!printer.newPage()) {
        result.outcome = PrintOutcome::PageFailed;
        return;
      }
      ++result.pages;
    }
    painter.drawText(QPointF(0, static_cast<double>(row) * lineHeight + ascent), BytesToQString(pages.Line(i)));
  }
}

}  // namespace

QFont PrintFontOf(const PrintFontSettings& settings) {
  QFont font(QString::fromStdString(Win1251ToUtf8(settings.Name)));
  font.setPointSize(settings.Size > 0 ? std::min(settings.Size, kLargestPrintSize) : kDefaultPrintSize);
  font.setBold(settings.Bold);
  font.setItalic(settings.Italic);
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QColor ColorOfColorref(int colorref) {
  return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

PrintMetrics MeasurePrint(QPrinter& printer, const QFont& font) {
  const QFontMetricsF metrics(font, &printer);
  PrintMetrics print;
  for (int byte = 0; byte < 256; ++byte)
    print.advance[static_cast<std::size_t>(byte)] =
        metrics.horizontalAdvance(QString(QChar(Win1251ToUnicode(static_cast<unsigned char>(byte)))));
  print.lineHeight = metrics.lineSpacing();
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  print.pageWidth = page.width();
  print.pageHeight = page.height();
  return print;
}

PrintResult PrintText(QPrinter& printer, const PrintFontSettings& fontSettings, std::string_view text,
                      std::string_view tabSpaces) {
  PrintResult result;
  const QFont font = PrintFontOf(fontSettings);
  const PrintMetrics metrics = MeasurePrint(printer, font);
  const PrintLayout layout = LayOutPrint(text, tabSpaces, metrics);
  if (layout.refusal != PrintRefusal::None) {
    result.outcome = PrintOutcome::NoRoom;
    return result;
  }
  if (layout.pages.lines.empty()) return result;

  QPainter painter;
  if (!painter.begin(&printer)) {
    result.outcome = PrintOutcome::NotStarted;
    return result;
  }
  result.outcome = PrintOutcome::Printed;
  result.pages = 1;
  painter.setFont(font);
  painter.setPen(ColorOfColorref(fontSettings.Color));
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  painter.setClipRect(QRectF(0, 0, metrics.pageWidth, metrics.pageHeight));
  PaintPages(printer, painter, layout.pages, QFontMetricsF(font, &printer).ascent(), metrics.lineHeight, result);
  // A PDF that could not be written shows only here.
  if (!painter.end() && result.outcome == PrintOutcome::Printed) result.outcome = PrintOutcome::NotFinished;
  if (printer.printerState() == QPrinter::Error && result.outcome == PrintOutcome::Printed)
    result.outcome = PrintOutcome::NotFinished;
  return result;
}

}  // namespace plumex
