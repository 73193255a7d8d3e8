#pragma once
// The printer and its two dialogs. The process has one printer, made on
// first use and kept, so every job of a run starts from the same settings;
// tests give a service that prints to a PDF file.
#include <optional>

class QPrinter;
class QWidget;

namespace plumex {

// Page margins in hundredths of a millimetre, as the page setup keeps them.
struct PageMargins {
  int left = 1000, top = 1000, right = 1000, bottom = 1000;
  bool operator==(const PageMargins&) const = default;
};

enum class PrintScope { All, Selection };

class PrinterService {
 public:
  virtual ~PrinterService() = default;
  // Made on the default printer; without one, a PDF printer with no file.
  virtual QPrinter& Printer() = 0;
  // The print dialog on Printer(); the scope chosen, or nothing when
  // cancelled. "Selection" is offered only when `selection` is true.
  virtual std::optional<PrintScope> AskToPrint(QWidget* parent, bool selection) = 0;
  // The page setup dialog on Printer(), starting from `margins`; whether
  // the user accepted, with the margins chosen.
  virtual bool AskPageSetup(QWidget* parent, PageMargins& margins) = 0;
};

class QtPrinterService : public PrinterService {
 public:
  QtPrinterService();
  ~QtPrinterService() override;
  QPrinter& Printer() override;
  std::optional<PrintScope> AskToPrint(QWidget* parent, bool selection) override;
  bool AskPageSetup(QWidget* parent, PageMargins& margins) override;

 private:
  QPrinter* printer_ = nullptr;
};

// Puts the margins on the printer in whole millimetres (the remainder is
// dropped), each at least the printer's own minimum. False when the page
// cannot take them.
bool ApplyMargins(QPrinter& printer, const PageMargins& margins);
PageMargins MarginsOf(const QPrinter& printer);

}  // namespace plumex
