#pragma once
// Page Setup, Print, Quick Print and "/p" as the window runs them. Printing
// only reads the text: the text, its undo history, the selection and the
// modified flag stay as they were, whatever happens to the job.
#include <QString>
#include <string>

#include "platform/printer_service.h"

class QWidget;
class QFrame;
class QLabel;

namespace plumex {

class EditorWidget;
class Profile;
class Prompter;

class PrintController {
 public:
  PrintController(QWidget& window, EditorWidget& editor, const Profile& profile, Prompter& prompter,
                  PrinterService& printers);

  void PageSetup();
  // The print dialog, then all of the text or the selection.
  void Print();
  // All of the text on the printer in use, without asking.
  void QuickPrint();
  // For "/p": all of the text on the printer in use. What went wrong, in
  // words, or empty when it printed.
  QString PrintForClose();

  const PageMargins& margins() const { return margins_; }

 private:
  // Runs one job behind the printing box; what went wrong, or empty.
  QString PrintNow(const std::string& text);
  void ShowBox();
  void Report(const QString& failure);

  QWidget& window_;
  EditorWidget& editor_;
  const Profile& profile_;
  Prompter& prompter_;
  PrinterService& printers_;
  PageMargins margins_;
  QFrame* box_ = nullptr;
  QLabel* boxCaption_ = nullptr;
};

}  // namespace plumex
