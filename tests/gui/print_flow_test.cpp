// Printing and links through the window: pages go to a PDF file that pdfinfo
// and pdftotext read back; links go to the faked launcher.
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "app/print_job.h"
#include "commands/mail_message.h"
#include "language/qt_language.h"
#include "platform/printer_service.h"
#include "platform/qt_text.h"
#include "window_fixture.h"

namespace plumex::test {
namespace {

// The user at the print dialogs, printing to a PDF file.
struct PdfPrinters : PrinterService {
  QPrinter printer{QPrinter::HighResolution};
  std::optional<PrintScope> scope = PrintScope::All;
  PageMargins chosen;
  QPrinter& Printer() override { return printer; }
  std::optional<PrintScope> AskToPrint(QWidget*, bool) override { return scope; }
  bool AskPageSetup(QWidget*, PageMargins& margins) override { return margins = chosen, true; }
  void To(const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
  }
};

QString Output(const char* program, const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromLatin1(program), arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintFlow : public WindowTest {
 protected:
  MainWindow& StartPrinting(std::vector<std::string> args) {
    window = std::make_unique<MainWindow>(ParseCommandLine(args),
                                          WindowServices{.prompter = &prompter, .launcher = &launcher,
                                                         .keyboard = &keyboard, .programFolder = home.path(),
                                                         .printer = &printers});
    window->settings().PrintFont.Name = "DejaVu Sans Mono";
    window->show();
    QApplication::processEvents();
    return *window;
  }
  QString Pdf(const char* name) { return QString::fromStdString(files / name); }
  // Each page's text, once pdfinfo has counted as many pages.
  QStringList Pages(const char* name) {
    if (!QFile::exists(Pdf(name))) return {};
    QStringList pages = Output("pdftotext", {"-layout", Pdf(name), "-"}).split('\f');
    pages.removeLast();
    EXPECT_TRUE(Output("pdfinfo", {Pdf(name)}).contains(QRegularExpression(QString("Pages: +%1\n").arg(pages.size()))));
    return pages;
  }
  void Print(ActionId id, const char* name) {
    printers.To(name == nullptr ? QString() : Pdf(name));
    Run(id);
  }
  PdfPrinters printers;
};

TEST_F(PrintFlow, AllOrTheSelectionPrintsPageByPageAlikeEachTimeAndLeavesTextUndoSelectionAndModifiedAlone) {
  std::string text;
  for (int i = 1; i <= 120; ++i) text += "Line " + std::to_string(i) + " \xCF\xF0\xE8\xE2\xE5\xF2 " + std::string(100, 'x') + "\r\n";
  WriteRaw(path(), text);
  MainWindow& w = StartPrinting({path()});
  const auto state = [&] { return std::tuple(editor().Text(), editor().SelStart(), editor().SelLength(), editor().CanUndo(), w.document().Modified()); };
  editor().Select(0, 4);
  Print(ActionId::QPrint, "unmodified.pdf");
  EXPECT_EQ(state(), std::tuple(text, 0, 4, false, false));
  editor().Select(0, 0);
  Type("y");
  editor().Select(0, 4);
  for (const char* name : {"all.pdf", "again.pdf"}) Print(ActionId::Print, name);
  printers.scope = PrintScope::Selection;
  Print(ActionId::Print, "selection.pdf");
  const QStringList all = Pages("all.pdf");
  const std::size_t laidOut = LayOutPrint("y" + text, "", MeasurePrint(printers.printer, PrintFontOf(w.settings().PrintFont))).pages.PageCount();
  EXPECT_EQ(std::tuple(all.size(), all.join("").count('x'), Pages("again.pdf"), Pages("selection.pdf")),
            std::tuple(laidOut, 12000, all, QStringList{"yLin\n"}));
  EXPECT_GT(laidOut, 2);
  EXPECT_TRUE(all.first().startsWith("yLine 1 Привет") && all.last().contains("Line 120 Привет")) << all.first().toStdString();
  EXPECT_EQ(state(), std::tuple("y" + text, 0, 4, true, true));
  Run(ActionId::Undo);
  EXPECT_EQ(std::tuple(editor().Text(), prompter.errors), std::tuple(text, QStringList()));
}

TEST_F(PrintFlow, MarginsInWholeMillimetresAndWhatCannotPrintIsSaidWithNoFileAndTheTextAlone) {
  MainWindow& w = StartPrinting({});
  Print(ActionId::QPrint, "empty.pdf");
  Type("Margin");
  printers.chosen = {1550, 1550, 1550, 1550};
  Run(ActionId::PageSetup);
  Print(ActionId::QPrint, "margin.pdf");
  const QRegularExpressionMatch left = QRegularExpression("xMin=\"([0-9.]+)\"").match(Output("pdftotext", {"-bbox", Pdf("margin.pdf"), "-"}));
  EXPECT_NEAR(left.captured(1).toDouble(), 15 / 25.4 * 72, 0.7) << "15 mm in points, not 15.5";
  w.settings().PrintFont.Size = 1000;  // taller than the page
  Print(ActionId::QPrint, "tall.pdf");
  w.settings().PrintFont.Size = 0;  // 11 points
  printers.chosen = {12000, 1000, 12000, 1000};  // wider than the page
  Run(ActionId::PageSetup);
  Print(ActionId::QPrint, "wide.pdf");
  printers.chosen = {};
  Run(ActionId::PageSetup);
  Print(ActionId::Print, "gone/x.pdf");
  Print(ActionId::QPrint, nullptr);
  const QString noRoom = Tr("strPrintNoRoom");
  EXPECT_EQ(prompter.errors, QStringList({Tr("strNothingToPrint"), noRoom, noRoom, Tr("strPrintFailed") + " " + Pdf("gone/x.pdf"), Tr("strNoPrinter")}));
  for (const char* name : {"empty.pdf", "tall.pdf", "wide.pdf"}) EXPECT_FALSE(QFile::exists(Pdf(name))) << name;
  EXPECT_EQ(std::tuple(editor().Text(), editor().CanUndo(), w.document().Modified()), std::tuple("Margin", true, true));
}

TEST_F(PrintFlow, SlashPPrintsAndClosesAndExitsNonZeroWhenNothingCameOut) {
  const struct { std::string text; const char* pdf; QStringList pages; int exitCode; } cases[] = {
      {"Printed by /p", "p.pdf", {"Printed by /p\n"}, 0},
      {"No printer", nullptr, {}, 1},
      {"", "p-empty.pdf", {}, 1},
  };
  for (const auto& c : cases) {
    WriteRaw(path(), c.text);
    printers.To(c.pdf == nullptr ? QString() : Pdf(c.pdf));
    StartPrinting({"/p", path()});
    EXPECT_EQ(std::tuple(c.pdf == nullptr ? QStringList() : Pages(c.pdf), window->isVisible(), window->exitCode()),
              std::tuple(c.pages, false, c.exitCode)) << c.text;
    window.reset();
  }
}

TEST_F(PrintFlow, LinksAndWindowsNobodyOpensAreSaidAndATextTooLongForAMailLinkGoesByTheClipboard) {
  const std::string text = std::string(20000, '\xE9') + "\r\nend";  // six characters a letter, encoded
  WriteRaw(path(), text);
  WriteRaw(home / "readme.txt", "Read me");
  StartPrinting({path()});
  prompter.yesNo = {false, true, true};
  Run(ActionId::SendEMail);  // No: nothing
  Run(ActionId::SendEMail);
  ASSERT_EQ(launcher.opened.size(), 1);
  EXPECT_EQ(std::tuple(launcher.opened[0].toStdString(), QApplication::clipboard()->text()),
            std::tuple(MailtoUrl({"", {}, TextsInForce().Text("strMailPaste")}), BytesToQString(text)));
  launcher.starts = false;
  Run(ActionId::SendEMail);
  Run(ActionId::HomePage);
  Run(ActionId::Readme);
  const QString notOpened = Tr("strNotOpened") + " ";
  EXPECT_EQ(prompter.errors, QStringList({Tr("strNoMailer"), notOpened + "http://plumex.example.org",
                                          notOpened + QString::fromStdString(home / "readme.txt")}));
}

}  // namespace
}  // namespace plumex::test
