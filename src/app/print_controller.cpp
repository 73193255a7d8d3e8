#include "app/print_controller.h"

#include <QFrame>
#include <QLabel>
#include <QPrinter>
#include <QVBoxLayout>

#include "app/print_job.h"
#include "commands/profile.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/prompter.h"

namespace plumex {
namespace {

// A fresh printer with no printer installed is a PDF printer with no file.
bool HasTarget(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat ? !printer.outputFileName().isEmpty()
                                                       : !printer.printerName().isEmpty();
}

}  // namespace

PrintController::PrintController(QWidget& window, EditorWidget& editor, const Profile& profile, Prompter& prompter,
                                 PrinterService& printers)
    : window_(window), editor_(editor), profile_(profile), prompter_(prompter), printers_(printers) {}

void PrintController::PageSetup() { printers_.AskPageSetup(&window_, margins_); }

void PrintController::Print() {
  const std::optional<PrintScope> scope = printers_.AskToPrint(&window_, editor_.SelLength() > 0);
  if (!scope) return;
  const std::string text = *scope == PrintScope::Selection ? editor_.SelectedText() : editor_.Text();
  Report(PrintNow(text));
}

void PrintController::QuickPrint() { Report(PrintForClose()); }

QString PrintController::PrintForClose() {
  if (!HasTarget(printers_.Printer())) return Tr("strNoPrinter");
  return PrintNow(editor_.Text());
}

QString PrintController::PrintNow(const std::string& text) {
  QPrinter& printer = printers_.Printer();
  if (!ApplyMargins(printer, margins_)) return Tr("strPrintNoRoom");
  ShowBox();
  const Settings& settings = profile_.settings();
  const PrintResult result = PrintText(printer, settings.PrintFont, text, settings.TabSpaces);
  box_->hide();
  editor_.setFocus();
  switch (result.outcome) {
    case PrintOutcome::Printed: return {};
    // No job starts, so no page or file comes out: the user is told why.
    case PrintOutcome::NothingToPrint: return Tr("strNothingToPrint");
    case PrintOutcome::NoRoom: return Tr("strPrintNoRoom");
    default: break;
  }
  const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                         : printer.printerName();
  return Tr("strPrintFailed") + QStringLiteral(" ") + target;
}

void PrintController::ShowBox() {
  if (box_ == nullptr) {
    box_ = new QFrame(&window_, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    box_->setFixedSize(240, 100);
    auto* layout = new QVBoxLayout(box_);
    layout->setContentsMargins(0, 0, 0, 0);
    boxCaption_ = new QLabel(box_);
    boxCaption_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    boxCaption_->setAlignment(Qt::AlignCenter);
    QFont bold = boxCaption_->font();
    bold.setBold(true);
    boxCaption_->setFont(bold);
    layout->addWidget(boxCaption_);
  }
  boxCaption_->setText(Tr("tPrinting"));
  box_->move(window_.geometry().center() - QPoint(box_->width() / 2, box_->height() / 2));
  box_->show();
  // The job runs before the event loop would paint the box.
  box_->repaint();
}

void PrintController::Report(const QString& failure) {
  if (!failure.isEmpty()) prompter_.ShowError(failure);
}

}  // namespace plumex
