#include "platform/printer_service.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace plumex {

QtPrinterService::QtPrinterService() = default;
QtPrinterService::~QtPrinterService() { delete printer_; }

QPrinter& QtPrinterService::Printer() {
  if (printer_ == nullptr) printer_ = new QPrinter(QPrinter::HighResolution);
  return *printer_;
}

std::optional<PrintScope> QtPrinterService::AskToPrint(QWidget* parent, bool selection) {
  QPrintDialog dialog(&Printer(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
  // We print whole texts: a page range would be silently ignored, so none is offered.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.printRange() == QAbstractPrintDialog::Selection ? PrintScope::Selection : PrintScope::All;
}

bool QtPrinterService::AskPageSetup(QWidget* parent, PageMargins& margins) {
  ApplyMargins(Printer(), margins);
  QPageSetupDialog dialog(&Printer(), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  margins = MarginsOf(Printer());
  return true;
}

bool ApplyMargins(QPrinter& printer, const PageMargins& margins) {
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  const QMarginsF least = layout.minimumMargins();
  const auto mm = [](int hundredths, qreal minimum) { return std::max<qreal>(hundredths / 100, minimum); };
  const QMarginsF wanted(mm(margins.left, least.left()), mm(margins.top, least.top()),
                         mm(margins.right, least.right()), mm(margins.bottom, least.bottom()));
  return layout.setMargins(wanted) && printer.setPageLayout(layout);
}

PageMargins MarginsOf(const QPrinter& printer) {
  const QMarginsF mm = printer.pageLayout().margins(QPageLayout::Millimeter);
  const auto hundredths = [](qreal value) { return static_cast<int>(std::lround(value * 100)); };
  return {hundredths(mm.left()), hundredths(mm.top()), hundredths(mm.right()), hundredths(mm.bottom())};
}

}  // namespace plumex
