// Reading files into the window: the open dialog, drops, the save question
// before a text is replaced, and the ".LOG" stamp.
#include <QAction>
#include <QFileInfo>

#include "app/main_window.h"
#include "commands/status_texts.h"
#include "commands/date_time_text.h"
#include "platform/editor_widget.h"
#include "platform/file_io.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"
#include "platform/system_facts.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

// Bytes the editor can hold at most: a CR LF pair is one character there,
// so the byte count alone does not decide.
constexpr std::size_t kReadLimit = std::size_t{2} * EditorWidget::kMaxLength;

std::size_t CharactersOf(const std::string& bytes) {
  const LineBreak style = DetectLineBreak(bytes);
  if (style == LineBreak::Lf) return bytes.size();
  std::size_t pairs = 0;
  for (std::size_t i = bytes.find("\r\n"); i != std::string::npos; i = bytes.find("\r\n", i + 2))
    ++pairs;
  return bytes.size() - pairs;
}

}  // namespace

bool MainWindow::ConfirmDiscard() {
  if (!doc_.Modified) return true;
  switch (prompter_->AskYesNoCancel(Tr("strModified"))) {
    case Answer::Yes: return doc_.Untitled ? SaveDocumentAs() : SaveDocument();
    case Answer::No: return true;
    case Answer::Cancel: return false;
  }
  return false;
}

bool MainWindow::LoadDocument(const QString& path) {
  const std::string file = path.toStdString();
  ReadResult read = ReadFileBytes(file, kReadLimit);
  if (read.status && CharactersOf(read.bytes) > static_cast<std::size_t>(EditorWidget::kMaxLength))
    read.status = {false, "\"" + file + "\": the file is larger than the editor's limit of " +
                              std::to_string(EditorWidget::kMaxLength) + " characters"};
  if (!read.status) {
    // The document keeps its name and text, so no later save can write the
    // old text over the file that failed to open.
    prompter_->ShowError(QString::fromStdString(read.status.error));
    return false;
  }
  const int rememberedCaret = recent_.RememberedCaret(file);
  const QFileInfo info(path);
  doc_.Folder = info.absolutePath().toStdString();
  if (!doc_.Folder.ends_with('/')) doc_.Folder += '/';
  doc_.FileName = info.fileName().toStdString();
  untitledWritten_.clear();

  editor_->Load(read.bytes);
  read.bytes = std::string();
  DetectOnLoad();
  doc_.Format = settings_.IsDetectFormat && editor_->TextRange(0, 4) == ".LOG"
                    ? DocumentFormat::Log
                    : DocumentFormat::Plain;
  editor_->moveCursor(QTextCursor::Start);
  if (settings_.IsRestoreCaret && rememberedCaret != 0) {
    editor_->Select(rememberedCaret, rememberedCaret);
    editor_->centerCursor();
  }
  TestReadOnlyAttribute();
  doc_.AutoSaveHeld = true;
  doc_.Untitled = false;
  doc_.Modified = false;
  RefreshTitle(false);
  RefreshSize();
  return true;
}

void MainWindow::TestReadOnlyAttribute() {
  if (HasReadOnlyAttribute(doc_.Path())) SetReadOnlyMode(true);
}

void MainWindow::AppendLogStamp() {
  if (doc_.Format != DocumentFormat::Log || editor_->ReadOnly()) return;
  const std::string stamp = QStringToBytes(DateTimeText(settings_.UseSecondsDateTime));
  editor_->Select(editor_->Length(), editor_->Length());
  const std::string lineBreak(LineBreakBytes(editor_->LineBreakStyle()));
  editor_->ReplaceSelection(lineBreak + stamp + lineBreak, UndoMode::Record);
  doc_.Modified = true;
  RefreshTitle(true);
}

void MainWindow::OpenWithDialog() {
  if (TextLocked() || !ConfirmDiscard()) return;
  const QStringList files = prompter_->ChooseFilesToOpen(QString::fromStdString(doc_.Folder));
  if (files.isEmpty()) return;
  startTime_.restart();
  if (settings_.IsNewWindow) {
    for (const QString& file : files) StartInstance(file);
  } else {
    OpenHere(files.first());
    for (qsizetype i = 1; i < files.size(); ++i) StartInstance(files[i]);
  }
  RefreshSize();
  RefreshTitle(doc_.Modified);
  if (settings_.IsDebug) ShowInfo(TimingText(" File opening time:  ", startTime_.elapsed()));
}

void MainWindow::OpenDropped(const QStringList& paths) {
  if (paths.isEmpty() || TextLocked() || !ConfirmDiscard()) return;
  if (settings_.IsNewWindow) {
    StartInstance(paths.first());
    AddToRecent();
  } else {
    OpenHere(paths.first());
  }
  RefreshSize();
  for (qsizetype i = 1; i < paths.size(); ++i) StartInstance(paths[i]);
}

bool MainWindow::OpenHere(const QString& path) {
  if (!LoadDocument(path)) return false;
  AppendLogStamp();
  AddToRecent();
  RefreshTitle(doc_.Modified);
  return true;
}

std::string MainWindow::NewTextFolder() const {
  std::string folder = settings_.RestoreLastPath ? settings_.LastPath : DesktopFolder();
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

void MainWindow::NewDocument() {
  WriteSettings();
  if (!ConfirmDiscard()) return;
  if (settings_.IsNewWindow) {
    StartInstance(QString::fromStdString(DesktopFolder() + kUntitledName));
  } else {
    doc_.Folder = NewTextFolder();
    doc_.FileName = kUntitledName;
    untitledWritten_.clear();
    editor_->Load("");
    doc_.Modified = false;
    doc_.Untitled = true;
    doc_.AutoSaveHeld = true;
    doc_.Format = DocumentFormat::Plain;
    encoding_ = EncodingState();
    ShowEncodingName();
  }
  RefreshTitle(doc_.Modified);
  RefreshSize();
}

void MainWindow::OnNew() { NewDocument(); }
void MainWindow::OnNewWindow() { StartInstance(QString()); }
void MainWindow::OnOpen() { OpenWithDialog(); }

}  // namespace plumex
