#include "app/text_commands.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include "app/status_presenter.h"
#include "commands/detect_actions.h"
#include "commands/document.h"
#include "commands/inserts.h"
#include "commands/status_texts.h"
#include "commands/transform_frame.h"
#include "convert/mojibake.h"
#include "convert/utf8.h"
#include "app/document_dialogs.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"

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

TextCommands::TextCommands(EditorWidget& editor, Document& document, Profile& profile, StatusPresenter& status,
                           Prompter& prompter, KeyboardLayouts& keyboard)
    : editor_(editor),
      document_(document),
      profile_(profile),
      status_(status),
      prompter_(prompter),
      keyboard_(keyboard) {}

void TextCommands::ShowEncoding() {
  status_.ShowEncoding(document_.Utf8() ? QStringLiteral("UTF-8") : QString::fromLatin1(EncodingPaneText(encoding_)));
}

void TextCommands::ForgetEncoding() {
  encoding_ = EncodingState();
  ShowEncoding();
}

void TextCommands::Convert(EncodingCode from, EncodingCode to) {
  const BusyCursor busy;
  QElapsedTimer timer;
  timer.start();
  ConvertCodePage(editor_, document_, encoding_, profile_.tables(), from, to);
  ShowEncoding();
  if (profile_.settings().IsDebug)
    status_.ShowInfo(BytesToQString(TimingText(" Convert encoding time:  ", timer.elapsed())));
}

void TextCommands::ChangeCase(CaseChange change) {
  ChangeSelectionCase(editor_, profile_.tables().Case(), change);
}

void TextCommands::CycleCase() { plumex::CycleCase(editor_, profile_.tables().Case()); }

void TextCommands::DetectOnLoad() {
  encoding_ = EncodingState();
  // A file read as UTF-8 is already what it is.
  if (profile_.settings().IsAutoDetect && !document_.Utf8()) {
    const BusyCursor busy;
    AutoDetectOnLoad(editor_, document_, encoding_, profile_.tables(), DirectConvertOf(profile_.settings()));
  }
  ShowEncoding();
}

void TextCommands::Detect() {
  if (RepairMojibake(Ask::Yes)) return;
  if (document_.Utf8()) {
    prompter_.ShowInfo(Tr("strDetected") + QStringLiteral(" UTF-8."));
    return;
  }
  const DetectOutcome outcome = [this] {
    const BusyCursor busy;
    return DetectOnRequest(editor_, document_, encoding_, profile_.tables(), DirectConvertOf(profile_.settings()));
  }();
  ShowEncoding();
  // The statistical method says how sure it is and shows the first line as
  // the conversion would leave it; the marker count's texts stay as they are.
  const std::optional<DetectPreview> preview = PreviewDetection(editor_, encoding_, profile_.tables());
  const QString sureness = preview ? QStringLiteral(" (%1 %)").arg(preview->confidence * 100, 0, 'f', 1) : QString();
  if (outcome == DetectOutcome::AskToConvert) {
    const QString line = preview ? "\r\n\r\n" + BytesToQString(preview->first_line) : QString();
    const QString question = Tr("strDetected") + ' ' + QString::fromLatin1(EncodingPaneText(encoding_)) +
                             sureness + '.' + line + "\r\n\r\n" + Tr("strDoYouWantWIN");
    if (prompter_.AskYesNo(question, false)) {
      const BusyCursor busy;
      ConvertDetectedToWin(editor_, document_, encoding_, profile_.tables());
    }
  } else if (outcome == DetectOutcome::FoundWin) {
    prompter_.ShowInfo(Tr("strDetected") + QStringLiteral(" WIN-1251") + sureness + '.');
  }
  ShowEncoding();
}

void TextCommands::Transliterate(TranslitTable TranslitTables::*table) {
  const TranslitTable& chosen = profile_.translit().*table;
  // A hand-edited table can grow the text past the editor's limit, or past
  // what the table may make of it at all: the text then stays as it was.
  bool refused = false;
  RewriteWholeOrSelection(editor_, document_, [&](std::string& text) {
    try {
      std::string result = chosen.Apply(text);
      refused = LengthWith(editor_, result) > EditorWidget::kMaxLength;  // the frame selected what it rewrites
      if (!refused) text = std::move(result);
    } catch (const std::bad_alloc&) {
      refused = true;
    }
  });
  if (refused)
    prompter_.ShowError(Tr("strTranslitTooLarge") + ' ' + QString::number(EditorWidget::kMaxLength) + ' ' +
                        Tr("strTooLarge2"));
}

void TextCommands::RepairLayout(LayoutAction which) {
  const Settings& settings = profile_.settings();
  const LayoutRepair repair(which, settings.Layouts, settings.LOCount);
  if (!repair.available()) return;
  if (RewriteSelection(editor_, [&repair](std::string& text) { repair.ApplyInPlace(text); }))
    repair.ActivateTarget(keyboard_);
}

void TextCommands::InsertAtCaret(const std::string& bytes) {
  (void)InsertText(editor_, bytes, EditorWidget::kMaxLength);
}

void TextCommands::Utf8ToWin() {
  if (document_.Utf8()) {
    if (document_.Lossy() > 0) {
      if (!AskLossySave(prompter_, document_.Lossy())) return;
      document_.AcceptLossy();
    }
    document_.SetUtf8(false);
  } else {
    const std::string held = editor_.SelLength() > 0 ? editor_.SelectedText() : editor_.Text();
    // Text that is not UTF-8 is no UTF-8 misread; it stays as it is.
    if (ClassifyUtf8(held) != Utf8Form::Utf8) return;
    FromUtf8 decoded = DecodeUtf8(held);
    if (decoded.unrepresentable > 0 && !AskLossySave(prompter_, decoded.unrepresentable)) return;
    // The rewrite sees the same text that was just decoded.
    RewriteWholeOrSelection(editor_, document_, [&decoded](std::string& text) { text = std::move(decoded.bytes); });
  }
  encoding_ = EncodingState();
  ShowEncoding();
}

void TextCommands::WinToUtf8() {
  document_.SetUtf8(true);
  ShowEncoding();
}

bool TextCommands::RepairMojibake(Ask ask) {
  // A file read as UTF-8 that shows "?" may be Windows-1251 read as Latin-1:
  // only the file as read can tell.
  const MojibakeRepair repair = document_.LossyOriginal().empty()
                                    ? FindMojibake(editor_.Text(), profile_.tables())
                                    : FindLatinMojibake(document_.LossyOriginal());
  if (repair.kind == Mojibake::None) return false;
  if (ask == Ask::Yes) {
    const std::string firstLine = repair.repaired.substr(0, repair.repaired.find_first_of("\r\n"));
    const QString question = Tr("strMojibake") + "\r\n\r\n" + BytesToQString(firstLine.substr(0, 200)) +
                             "\r\n\r\n" + Tr("strMojibakeAsk");
    if (!prompter_.AskYesNo(question, false)) return true;
  }
  BeginTransform(editor_);
  editor_.SelectAll();
  editor_.ReplaceSelection(repair.repaired, UndoMode::Skip);
  editor_.Select(0, 0);
  EndTransform(editor_);
  document_.AcceptLossy();
  return true;
}

}  // namespace plumex
