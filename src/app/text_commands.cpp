#include "app/text_commands.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include "app/status_presenter.h"
#include "commands/detect_actions.h"
#include "commands/document.h"
#include "commands/status_texts.h"
#include "commands/transform_frame.h"
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

void TextCommands::ShowEncoding() { status_.ShowEncoding(encoding_); }

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
  if (profile_.settings().IsAutoDetect) {
    const BusyCursor busy;
    AutoDetectOnLoad(editor_, document_, encoding_, profile_.tables(), DirectConvertOf(profile_.settings()));
  }
  ShowEncoding();
}

void TextCommands::Detect() {
  const DetectOutcome outcome = [this] {
    const BusyCursor busy;
    return DetectOnRequest(editor_, document_, encoding_, profile_.tables(), DirectConvertOf(profile_.settings()));
  }();
  ShowEncoding();
  if (outcome == DetectOutcome::AskToConvert) {
    const QString question = Tr("strDetected") + ' ' + QString::fromLatin1(EncodingPaneText(encoding_)) +
                             ".\r\n\r\n" + Tr("strDoYouWantWIN");
    if (prompter_.AskYesNo(question, false)) {
      const BusyCursor busy;
      ConvertDetectedToWin(editor_, document_, encoding_, profile_.tables());
    }
  } else if (outcome == DetectOutcome::FoundWin) {
    prompter_.ShowInfo(Tr("strDetected") + QStringLiteral(" WIN-1251."));
  }
  ShowEncoding();
}

void TextCommands::Transliterate(TranslitTable TranslitTables::*table) {
  const TranslitTable& chosen = profile_.translit().*table;
  RewriteWholeOrSelection(editor_, document_, [&chosen](std::string& text) { text = chosen.Apply(text); });
}

void TextCommands::RepairLayout(LayoutAction which) {
  const Settings& settings = profile_.settings();
  const LayoutRepair repair(which, settings.Layouts, settings.LOCount);
  if (!repair.available()) return;
  if (RewriteSelection(editor_, [&repair](std::string& text) { repair.ApplyInPlace(text); }))
    repair.ActivateTarget(keyboard_);
}

void TextCommands::InsertAtCaret(const std::string& bytes) {
  if (editor_.ReadOnly()) return;
  BeginTransform(editor_);
  editor_.ReplaceSelection(bytes, UndoMode::Skip);
  EndTransformCollapsed(editor_);
}

}  // namespace plumex
