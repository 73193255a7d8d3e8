// The Text menu's code page, detection and case commands: each hands its
// work to the transform frame and refreshes what the user sees.
#include <QCursor>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QMenu>

#include "app/main_window.h"
#include "config/conversion_settings.h"
#include "app/status_bar.h"
#include "commands/status_texts.h"
#include "commands/detect_actions.h"
#include "commands/transform_frame.h"
#include "platform/editor_widget.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

DirectConvert DirectConvertOf(const Settings& settings) {
  return settings.IsDirectConvert ? DirectConvert::On : DirectConvert::Off;
}

// The hourglass while a long pass runs over the text.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void MainWindow::RebuildConversionTables() {
  tables_ = std::make_unique<ConversionTables>(TablesFromSettings(settings_));
}

void MainWindow::ShowEncodingName() {
  status_->encoding()->setText(QString::fromLatin1(EncodingPaneText(encoding_)));
}

void MainWindow::ConvertEncoding(EncodingCode from, EncodingCode to) {
  const BusyCursor busy;
  QElapsedTimer timer;
  timer.start();
  ConvertCodePage(*editor_, doc_, encoding_, *tables_, from, to);
  RefreshStatus();
  ShowEncodingName();
  if (settings_.IsDebug) ShowInfo(TimingText(" Convert encoding time:  ", timer.elapsed()));
}

void MainWindow::ChangeCase(CaseChange change) {
  ChangeSelectionCase(*editor_, tables_->Case(), change);
  RefreshStatus();
}

void MainWindow::DetectOnLoad() {
  if (!settings_.IsAutoDetect) {
    ShowEncodingName();
    return;
  }
  const BusyCursor busy;
  AutoDetectOnLoad(*editor_, doc_, encoding_, *tables_, DirectConvertOf(settings_));
  ShowEncodingName();
}

void MainWindow::OnDetect() {
  const DetectOutcome outcome = [this] {
    const BusyCursor busy;
    return DetectOnRequest(*editor_, doc_, encoding_, *tables_, DirectConvertOf(settings_));
  }();
  ShowEncodingName();
  if (outcome == DetectOutcome::AskToConvert) {
    const QString question = Tr("strDetected") + ' ' +
                             status_->encoding()->text() + ".\r\n\r\n" +
                             Tr("strDoYouWantWIN");
    if (prompter_->AskYesNo(question, false)) {
      const BusyCursor busy;
      ConvertDetectedToWin(*editor_, doc_, encoding_, *tables_);
    }
  } else if (outcome == DetectOutcome::FoundWin) {
    prompter_->ShowInfo(Tr("strDetected") + QStringLiteral(" WIN-1251."));
  }
  ShowEncodingName();
  RefreshStatus();
}

void MainWindow::ShowEncodingMenu() {
  const StatusPane* pane = status_->encoding();
  menu(MenuId::EncodingPopup)->popup(pane->mapToGlobal(QPoint(5, 0)));
}

void MainWindow::OnDosToWin() { ConvertEncoding(EncodingCode::DOS, EncodingCode::WIN); }
void MainWindow::OnKoiToWin() { ConvertEncoding(EncodingCode::KOI, EncodingCode::WIN); }
void MainWindow::OnMacToWin() { ConvertEncoding(EncodingCode::MAC, EncodingCode::WIN); }
void MainWindow::OnIsoToWin() { ConvertEncoding(EncodingCode::ISO, EncodingCode::WIN); }
void MainWindow::OnWinToDos() { ConvertEncoding(EncodingCode::WIN, EncodingCode::DOS); }
void MainWindow::OnWinToKoi() { ConvertEncoding(EncodingCode::WIN, EncodingCode::KOI); }
void MainWindow::OnWinToMac() { ConvertEncoding(EncodingCode::WIN, EncodingCode::MAC); }
void MainWindow::OnWinToIso() { ConvertEncoding(EncodingCode::WIN, EncodingCode::ISO); }
void MainWindow::OnUpCase() { ChangeCase(CaseChange::Upper); }
void MainWindow::OnLoCase() { ChangeCase(CaseChange::Lower); }
void MainWindow::OnInvertCase() { ChangeCase(CaseChange::Invert); }
void MainWindow::OnCapWords() { ChangeCase(CaseChange::Capitalize); }

void MainWindow::OnCaseCyc() {
  CycleCase(*editor_, tables_->Case());
  RefreshStatus();
}

}  // namespace plumex
