#include "commands/find_replace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScreen>

#include "commands/find_replace_dialog.h"
#include "commands/transform_frame.h"
#include "convert/word_breaks.h"
#include "platform/editor_widget.h"
#include "platform/qt_text.h"
#include "language/language_table.h"
#include "language/qt_language.h"

namespace plumex {
namespace {

// Replace All reads this much of the text between two looks at the window's
// events: a few milliseconds of work.
constexpr std::size_t kChunkBytes = 256 * 1024;

QString NotFoundText() { return ' ' + Tr("strNotFound"); }
QString CountText(std::size_t count) { return ' ' + Tr("strRepAmount") + ": " + QString::number(count); }

QString ElapsedText(qint64 ms) {
  return QStringLiteral(" - Time:%1:%2:%3").arg(ms / 60000).arg(ms / 1000 % 60).arg(ms % 1000);
}

std::string FirstLine(std::string bytes) {
  bytes.resize(std::min(bytes.size(), bytes.find_first_of("\r\n")));
  return bytes;
}

std::string TrimBlanks(const std::string& bytes) {
  const std::size_t first = bytes.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return bytes.substr(first, bytes.find_last_not_of(" \t") + 1 - first);
}

}  // namespace

// The text read at the start, the part of it being rewritten (in editor
// characters) and the rewrite so far. The editor is written once, at the end.
struct FindReplace::ReplaceAllState {
  std::string text;
  LineBreak style = LineBreak::CrLf;
  Direction direction = Direction::Down;
  int anchor = 0;
  std::size_t byteFrom = 0;  // where the rewritten range starts
  int charFrom = 0;
  QElapsedTimer timer;
  std::unique_ptr<ReplaceAllRun> run;
};

FindReplace::FindReplace(QWidget* window, EditorWidget& editor, Settings& settings, CaseTablesSource tables,
                         InfoSink info)
    : QObject(window), editor_(editor), settings_(settings), tables_(std::move(tables)), info_(std::move(info)) {
  find_ = new FindReplaceDialog(SearchDialogKind::Find, window);
  replace_ = new FindReplaceDialog(SearchDialogKind::Replace, window);
  for (FindReplaceDialog* dialog : {find_.data(), replace_.data()}) {
    connect(dialog, &FindReplaceDialog::findNextClicked, this, [this, dialog] { StepFromDialog(*dialog); });
    connect(dialog, &QDialog::finished, this, [this, dialog] { OnDialogClosed(*dialog); });
  }
  connect(replace_, &FindReplaceDialog::replaceClicked, this, &FindReplace::Replace);
  connect(replace_, &FindReplaceDialog::replaceAllClicked, this, &FindReplace::ReplaceAll);
  connect(&editor_, &EditorWidget::contentsChanged, this, &FindReplace::OnContentsChange);
}

FindReplace::~FindReplace() = default;

void FindReplace::Retranslate() {
  find_->Retranslate();
  replace_->Retranslate();
}

void FindReplace::ShowFind() {
  info_(QString());
  searchText_ = ProposedText();
  Show(*find_);
  find_->SetFindText(searchText_);
}

void FindReplace::ShowReplace() {
  info_(QString());
  if (editor_.ReadOnly()) return;
  Show(*replace_);
  replace_->SetFindText(ProposedText());
}

void FindReplace::Show(FindReplaceDialog& dialog) {
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void FindReplace::FindNext() {
  if (searchText_.isEmpty())
    ShowFind();
  else
    SearchStep();
}

void FindReplace::CloseDialogs() {
  for (FindReplaceDialog* dialog : {find_.data(), replace_.data()})
    if (dialog && dialog->isVisible()) dialog->reject();
  if (run_) FinishReplaceAll(RunEnd::Stopped);
}

bool FindReplace::DialogOpen() const {
  return (find_ && find_->isVisible()) || (replace_ && replace_->isVisible());
}

QString FindReplace::ProposedText() const {
  const LineBreak style = editor_.LineBreakStyle();
  std::string bytes;
  if (editor_.SelLength() > 0) {
    bytes = FirstLine(editor_.SelectedText());
  } else {
    const int caret = editor_.SelStart();
    const int line = editor_.LineFromChar(caret);
    const int start = editor_.LineIndex(line);
    const int end = line + 1 < editor_.LineCount() ? editor_.LineIndex(line + 1) : editor_.Length();
    bytes = WordAtCaret(CharacterText(editor_.TextRange(start, end), style), caret - start, tables_());
  }
  return BytesToQString(TrimBlanks(bytes), style);
}

std::string FindReplace::Bytes(const QString& text) const {
  // A pasted CR LF is one line break, in the document's own style.
  return QStringToBytes(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), editor_.LineBreakStyle());
}

const std::string& FindReplace::EditorBytes() {
  if (!textCacheValid_) {
    textCache_ = editor_.Text();
    textCacheValid_ = true;
  }
  return textCache_;
}

void FindReplace::TakeSearchFrom(const FindReplaceDialog& dialog) {
  searchText_ = dialog.FindText();
  searchOptions_ = dialog.Options();
}

bool FindReplace::SearchStep() {
  if (searchText_.isEmpty()) return false;
  SearchOptions options = searchOptions_;
  options.lineBreak = editor_.LineBreakStyle();
  const std::string& text = EditorBytes();
  const int selStart = editor_.SelStart();
  const int from = options.direction == Direction::Up ? selStart : selStart + editor_.SelLength();
  const TextSearcher searcher(Bytes(searchText_), options, tables_());
  const auto match = searcher.Find(text, ByteOffsetOf(text, options.lineBreak, from));
  if (!match) {
    info_(NotFoundText());
    return false;
  }
  const auto at = [&](std::size_t byte) { return static_cast<int>(CharacterOffsetOf(text, options.lineBreak, byte)); };
  editor_.Select(at(match->start), at(match->end));
  editor_.ShowCaret(Editor::Reveal::Nearest);
  info_(QString());
  return true;
}

void FindReplace::StepFromDialog(FindReplaceDialog& dialog) {
  TakeSearchFrom(dialog);
  SearchStep();
  MoveClearOfSelection(dialog);
}

int FindReplace::ReplaceStart() const {
  // The edge of the selection the search runs away from, so that a selected
  // match is replaced first and nothing before it is touched.
  const int start = editor_.SelStart();
  return searchOptions_.direction == Direction::Up ? start + editor_.SelLength() : start;
}

void FindReplace::Replace() {
  if (run_ || editor_.ReadOnly()) return;
  TakeSearchFrom(*replace_);
  if (searchText_.isEmpty()) return;
  const int caret = ReplaceStart();
  editor_.Select(caret, caret);
  if (SearchStep()) {
    BeginTransform(editor_);
    editor_.ReplaceSelection(Bytes(replace_->ReplaceText()), UndoMode::Skip);
    EndTransform(editor_);
  }
  SearchStep();
  MoveClearOfSelection(*replace_);
}

void FindReplace::ReplaceAll() {
  if (run_ || editor_.ReadOnly()) return;
  TakeSearchFrom(*replace_);
  if (searchText_.isEmpty()) return;

  auto state = std::make_unique<ReplaceAllState>();
  state->timer.start();
  state->style = editor_.LineBreakStyle();
  state->direction = searchOptions_.direction;
  state->anchor = ReplaceStart();
  state->text = EditorBytes();
  const std::size_t anchorByte = ByteOffsetOf(state->text, state->style, state->anchor);
  const bool down = state->direction == Direction::Down;
  state->charFrom = down ? state->anchor : 0;
  state->byteFrom = down ? anchorByte : 0;
  SearchOptions options = searchOptions_;
  options.lineBreak = state->style;
  state->run = std::make_unique<ReplaceAllRun>(state->text, state->byteFrom, down ? state->text.size() : anchorByte,
                                               Bytes(searchText_), Bytes(replace_->ReplaceText()), options, tables_());
  // The whole text may take at most what the editor holds (a CR LF pair
  // is one character there, so twice its count in bytes).
  const std::size_t rangeBytes = (down ? state->text.size() : anchorByte) - state->byteFrom;
  const std::size_t outside = state->text.size() - rangeBytes;
  const std::size_t room = 2 * static_cast<std::size_t>(EditorWidget::kMaxLength);
  state->run->SetSizeLimit(room > outside ? room - outside : 0);
  run_ = std::move(state);
  replace_->SetBusy(true);

  // Closing the box, a change of the text or the window going away may all
  // happen inside processEvents().
  const QPointer<FindReplace> alive(this);
  while (run_ && run_->run->Advance(kChunkBytes)) {
    if (run_->run->Count() > 0) info_(CountText(run_->run->Count()));
    QCoreApplication::processEvents();
    if (!alive) return;
  }
  if (run_) FinishReplaceAll(RunEnd::Completed);
}

void FindReplace::FinishReplaceAll(RunEnd end) {
  const std::unique_ptr<ReplaceAllState> state = std::move(run_);
  if (replace_) replace_->SetBusy(false);
  ReplaceAllRun& run = *state->run;
  const std::size_t count = run.Count();
  if (run.TooLarge()) {
    // The text would outgrow the editor (and memory): nothing is replaced.
    editor_.Select(state->anchor, state->anchor);
    Report(QStringLiteral(" The text would grow beyond %1 characters; nothing was replaced.")
               .arg(EditorWidget::kMaxLength));
    return;
  }
  if (editor_.ReadOnly()) {
    Report(CountText(0), state.get());
    return;
  }
  if (count == 0) {
    editor_.Select(state->anchor, state->anchor);
    Report(end == RunEnd::Completed ? NotFoundText() : CountText(0), state.get());
    return;
  }
  // Only the stretch from the first match to the end of the last one is
  // written back: the editor pays for every line it takes in.
  const std::string range = run.TakeRewrittenRange();
  const std::string_view original = std::string_view(state->text).substr(state->byteFrom);
  const auto chars = [&](std::string_view bytes, std::size_t byte) {
    return state->charFrom + static_cast<int>(CharacterOffsetOf(bytes, state->style, byte));
  };
  const std::size_t first = run.FirstMatchStart();
  const int changeFrom = chars(original, first);
  const int changeTo = chars(original, run.LastMatchEnd());
  // The caret ends after the replacement made last in the search's order.
  const int caret = chars(range, state->direction == Direction::Down ? run.LastReplacementEnd() : run.FirstReplacementEnd());
  writing_ = true;
  BeginTransform(editor_);
  editor_.Select(changeFrom, changeTo);
  editor_.ReplaceSelection(std::string_view(range).substr(first, run.LastReplacementEnd() - first), UndoMode::Skip);
  editor_.Select(caret, caret);
  EndTransform(editor_);
  writing_ = false;
  Report(CountText(count), state.get());
}

void FindReplace::OnContentsChange(int, int removed, int added) {
  textCacheValid_ = false;
  if (!run_ || writing_ || (removed == 0 && added == 0)) return;
  // Someone else changed the text under the run: what it computed no longer
  // fits, so nothing is written.
  run_.reset();
  if (replace_) replace_->SetBusy(false);
  info_(CountText(0));
}

void FindReplace::OnDialogClosed(const FindReplaceDialog& dialog) {
  info_(QString());
  if (run_ && &dialog == replace_.data()) FinishReplaceAll(RunEnd::Stopped);
}

void FindReplace::Report(const QString& text, const ReplaceAllState* timed) {
  info_(timed && settings_.IsDebug ? text + ElapsedText(timed->timer.elapsed()) : text);
}

void FindReplace::MoveClearOfSelection(FindReplaceDialog& dialog) {
  if (!settings_.IsChangeFindDlgPos || !dialog.isVisible()) return;
  const auto [start, end] = editor_.SelectionEnds();
  const QScreen* screen = dialog.screen();
  const int screenHeight = screen ? screen->geometry().height() : 0;
  if (const auto to = PositionClearOf(dialog.frameGeometry(), start, end, screenHeight)) dialog.move(*to);
}

}  // namespace plumex
