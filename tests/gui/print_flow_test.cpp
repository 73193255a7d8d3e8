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
};

QString Output(const char* program, const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromLatin1(program), arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintFlow : public WindowTest {
 protected:
  PrintFlow() { printer = &printers; }
  void SetUp() override { WriteSettings("[PRINT_FONT]\r\nName=DejaVu Sans Mono\r\n"); }
  QString Pdf(const char* name) { return name == nullptr ? QString() : QString::fromStdString(files / name); }
  // Each page's text, once pdfinfo has counted as many pages; none when no file came out.
  QStringList Pages(const char* name) {
    if (!QFile::exists(Pdf(name))) return {};
    QStringList pages = Output("pdftotext", {"-layout", Pdf(name), "-"}).split('\f');
    pages.removeLast();
    const QRegularExpression count(QString("Pages: +%1\n").arg(pages.size()));
    EXPECT_TRUE(Output("pdfinfo", {Pdf(name)}).contains(count));
    return pages;
  }
  void Print(ActionId id, const char* name) {
    printers.printer.setOutputFileName(Pdf(name));  // a PDF file by its name
    Run(id);
  }
  PdfPrinters printers;
};

TEST_F(PrintFlow, JobsPrintPageByPageAlikeInWholeMillimetresOrSayWhyWithNoFileAndLeaveTextUndoAndSelectionAlone) {
  Start();
  Print(ActionId::QPrint, "empty.pdf");
  Restart();
  std::string text;
  for (int i = 1; i <= 120; ++i)
    text += "Line " + std::to_string(i) + " \xCF\xF0\xE8\xE2\xE5\xF2 " + std::string(100, 'x') + "\r\n";
  MainWindow& w = Open(text);
  Print(ActionId::QPrint, "unmodified.pdf");
  const bool touched = w.document().Modified() || editor().CanUndo();
  Type("y");
  editor().Select(0, 4);
  for (const char* name : {"all.pdf", "again.pdf"}) Print(ActionId::Print, name);
  printers.scope = PrintScope::Selection;
  Print(ActionId::Print, "selection.pdf");
  const QStringList all = Pages("all.pdf");
  const std::size_t laidOut =
      LayOutPrint("y" + text, "", MeasurePrint(printers.printer, PrintFontOf(w.settings().PrintFont)))
          .pages.PageCount();
  EXPECT_EQ(std::tuple(all.size(), all.join("").count('x'), Pages("again.pdf"), Pages("selection.pdf")),
            std::tuple(laidOut, 12000, all, QStringList{"yLin\n"}));
  EXPECT_GT(laidOut, 2);
  EXPECT_TRUE(all.first().startsWith("yLine 1 Привет") && all.last().contains("Line 120 Привет"));
  const auto margins = [&](PageMargins chosen) { printers.chosen = chosen, Run(ActionId::PageSetup); };
  margins({1550, 1550, 1550, 1550});
  Print(ActionId::QPrint, "margin.pdf");
  const QString boxes = Output("pdftotext", {"-bbox", Pdf("margin.pdf"), "-"});
  const double left = QRegularExpression("xMin=\"([0-9.]+)\"").match(boxes).captured(1).toDouble();
  EXPECT_NEAR(left, 15 / 25.4 * 72, 0.7) << "15 mm in points, not 15.5";
  w.settings().PrintFont.Size = 1000;  // taller than the page
  Print(ActionId::QPrint, "tall.pdf");
  w.settings().PrintFont.Size = 0;  // 11 points
  margins({12000, 1000, 12000, 1000});  // wider than the page
  Print(ActionId::QPrint, "wide.pdf");
  margins({});
  Print(ActionId::Print, "gone/x.pdf");
  Print(ActionId::QPrint, nullptr);
  const QString noRoom = Tr("strPrintNoRoom"), failed = Tr("strPrintFailed") + " " + Pdf("gone/x.pdf");
  EXPECT_EQ(prompter.errors, QStringList({Tr("strNothingToPrint"), noRoom, noRoom, failed, Tr("strNoPrinter")}));
  for (const char* name : {"empty.pdf", "tall.pdf", "wide.pdf"}) EXPECT_FALSE(QFile::exists(Pdf(name))) << name;
  EXPECT_EQ(std::tuple(editor().Text(), editor().SelStart(), editor().SelLength(), w.document().Modified(), touched),
            std::tuple("y" + text, 0, 4, true, false));
  Run(ActionId::Undo);
  EXPECT_EQ(editor().Text(), text);
}

TEST_F(PrintFlow, SlashPPrintsAndClosesAndExitsNonZeroWhenNothingCameOut) {
  const struct { std::string text; const char* pdf; QStringList pages; int exitCode; } cases[] = {
      {"Printed by /p", "p.pdf", {"Printed by /p\n"}, 0}, {"No printer", nullptr, {}, 1}, {"", "p-empty.pdf", {}, 1}};
  for (const auto& c : cases) {
    printers.printer.setOutputFileName(Pdf(c.pdf));
    Open(c.text, {"/p"});
    EXPECT_EQ(std::tuple(Pages(c.pdf), window->isVisible(), window->exitCode()),
              std::tuple(c.pages, false, c.exitCode)) << c.text;
    window.reset();
  }
}

TEST_F(PrintFlow, LinksAndWindowsNobodyOpensAreSaidAndATextTooLongForAMailLinkGoesByTheClipboard) {
  const std::string text = std::string(20000, '\xE9') + "\r\nend";  // six characters a letter, encoded
  WriteRaw(home / "readme.txt", "Read me");
  Open(text);
  prompter.yesNo = {false, true, true};
  Run(ActionId::SendEMail);  // No: nothing
  Run(ActionId::SendEMail);
  const QString mailto = QString::fromStdString(MailtoUrl({"", {}, TextsInForce().Text("strMailPaste")}));
  EXPECT_EQ(std::tuple(launcher.opened, QApplication::clipboard()->text()),
            std::tuple(QStringList{mailto}, BytesToQString(text)));
  launcher.starts = false;
  for (const ActionId id : {ActionId::SendEMail, ActionId::HomePage, ActionId::Readme, ActionId::NewWnd}) Run(id);
  const QString notOpened = Tr("strNotOpened") + " ";
  EXPECT_EQ(prompter.errors, QStringList({Tr("strNoMailer"), notOpened + "http://plumex.example.org",
                                          notOpened + QString::fromStdString(home / "readme.txt"),
                                          notOpened + "Plumex"}));
}

}  // namespace
}  // namespace plumex::test
