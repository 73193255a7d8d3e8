#include "app/clipboard_commands.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include "app/status_bar.h"
#include "app/window_actions.h"
#include "platform/editor_widget.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

constexpr int kRetryMilliseconds = 100;

}  // namespace

ClipboardCommands::ClipboardCommands(Parts parts)
    : parts_(std::move(parts)),
      capture_(parts_.editor, parts_.document, parts_.settings, parts_.texts, parts_.watcher,
               ClipboardCapture::Hooks{
                   .busy = [this] {
                     return parts_.editor.TransformBusy() || parts_.locked() ||
                            QApplication::activeModalWidget() != nullptr;
                   },
                   // The editor takes the focus inside our window; the
                   // window is never raised over the program copied from.
                   .takeFocus = [this] { parts_.editor.setFocus(); },
                   .say = [this](const std::string& text) { parts_.say(BytesToQString(text)); },
               },
               EditorWidget::kMaxLength) {
  parts_.watcher.SetTextHandler([this](std::u16string text) { Arrived(std::move(text)); });
  retry_.setInterval(kRetryMilliseconds);
  connect(&retry_, &QTimer::timeout, this, [this] {
    capture_.Flush();
    if (!capture_.Waiting()) retry_.stop();
    parts_.refresh();
  });
  connect(&parts_.editor, &EditorWidget::caretMoved, this, [this] { capture_.SelectionChanged(); });
  StatusBar& status = parts_.status;
  connect(status.indicator(Indicator::CatchClipboard), &StatusPane::doubleClicked,
          parts_.actions.action(ActionId::CB), &QAction::trigger);
  connect(status.indicator(Indicator::DirectCopy), &StatusPane::doubleClicked,
          parts_.actions.action(ActionId::DC), &QAction::trigger);
  qApp->installEventFilter(this);
  ShowState();
}

ClipboardCommands::~ClipboardCommands() {
  qApp->removeEventFilter(this);
  parts_.watcher.SetTextHandler({});
}

void ClipboardCommands::Arrived(std::u16string text) {
  capture_.Arrived(std::move(text));
  if (capture_.Waiting()) retry_.start();
  // Paste may have become possible, and a caught text moved the caret.
  parts_.refresh();
}

void ClipboardCommands::ToggleCatch() {
  capture_.ToggleCatch();
  ShowState();
}

void ClipboardCommands::ToggleDirectCopy() {
  capture_.ToggleDirectCopy();
  ShowState();
}

void ClipboardCommands::CopyAll() { capture_.CopyAll(); }

void ClipboardCommands::ShowState() {
  const std::pair<ActionId, Indicator> items[] = {{ActionId::CB, Indicator::CatchClipboard},
                                                  {ActionId::DC, Indicator::DirectCopy}};
  for (const auto& [id, pane] : items) {
    const bool on = id == ActionId::CB ? capture_.Catching() : capture_.DirectCopying();
    parts_.actions.action(id)->setChecked(on);
    parts_.status.SetIndicator(pane, on);
  }
}

bool ClipboardCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    // After the editor has seen the release: a click inside a selection
    // clears it only then.
    if (widget != nullptr && parts_.editor.isAncestorOf(widget))
      QMetaObject::invokeMethod(this, [this] { capture_.MouseReleased(); }, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace plumex
