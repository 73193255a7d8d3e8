#include "app/editor_events.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include "app/action_handlers.h"
#include "app/appearance.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/service_commands.h"
#include "app/status_bar.h"
#include "app/status_presenter.h"
#include "app/text_commands.h"
#include "app/window_actions.h"
#include "commands/find_replace.h"
#include "config/typewriter.h"
#include "platform/editor_widget.h"
#include "platform/links.h"
#include "platform/sound_player.h"

namespace plumex {

EditorEvents::EditorEvents(Parts parts) : parts_(std::move(parts)) {
  EditorWidget& editor = parts_.window.editor;
  editor.SetKeyRules([&actions = parts_.actions](const QKeyEvent& key) { return actions.Bound(key); },
                     parts_.textLocked);
  connect(&editor, &EditorWidget::textChanged, this, [this] {
    parts_.window.document.Edited();
    parts_.refreshSize();
  });
  connect(&editor, &EditorWidget::caretMoved, this, [this] { parts_.refreshStatus(); });
  connect(&editor, &EditorWidget::scrolled, this, [this] { parts_.presenter.ShowPercent(); });
  connect(&editor, &EditorWidget::filesDropped, this,
          [this](const QStringList& paths) { parts_.window.files.OpenDropped(paths); });
  connect(&editor, &EditorWidget::doubleClicked, this, [this] {
    if (parts_.window.editor.Length() == 0) parts_.window.files.OpenWithDialog();
  });
  connect(&editor, &EditorWidget::overwriteChanged, this, [this](bool on) {
    parts_.status.SetIndicator(Indicator::Insert, !on);
    parts_.refreshStatus();
  });
  connect(&editor, &EditorWidget::escapePressed, this, &EditorEvents::OnEscape);
  connect(&editor, &EditorWidget::windowKeyPressed, this, &EditorEvents::OnWindowKey);
  connect(&editor, &EditorWidget::characterTyped, this, [this](unsigned char typed) {
    if (const auto sound = TypingSound(parts_.window.profile.settings(), typed)) parts_.sounds.Play(*sound);
  });
  connect(&editor, &EditorWidget::linkClicked, this, [this](const QString& url) {
    if (IsSafeToOpen(url.toStdString())) parts_.window.services.OpenLink(url);
  });
  connect(&editor, &EditorWidget::popupRequested, this, &EditorEvents::ShowPopup);
}

void EditorEvents::CopyClickedUrl() {
  if (!clickedUrl_.isEmpty()) QApplication::clipboard()->setText(clickedUrl_);
  clickedUrl_.clear();
}

void EditorEvents::ShowPopup(const QPoint& at, bool withCtrl, const QString& url) {
  clickedUrl_ = url;
  parts_.refreshStatus();
  const bool extended = parts_.window.profile.settings().IsUseSuperPopup || withCtrl;
  parts_.actions.menu(extended ? MenuId::ExtendedPopup : MenuId::EditorPopup)->popup(at);
}

void EditorEvents::OnWindowKey(WindowKey key) {
  switch (key) {
    case WindowKey::Pad1: parts_.returnToEnglish(); break;
    // Typographic inserts wait for a running Replace All, as typing does.
    case WindowKey::EmDash:
      if (!parts_.textLocked()) parts_.window.text.InsertAtCaret("\x97");
      break;
    case WindowKey::Apostrophe:
      if (!parts_.textLocked()) parts_.window.text.InsertAtCaret("'");
      break;
    default:
      if (QAction* act = parts_.actions.ForWindowKey(key)) act->trigger();
      break;
  }
  parts_.refreshStatus();
}

void EditorEvents::OnEscape() {
  MainWindow& window = parts_.window.window;
  switch (parts_.window.profile.settings().EscFunction) {
    case 1: window.showMinimized(); break;
    case 2:
      if (parts_.window.finder.DialogOpen())
        parts_.window.finder.CloseDialogs();
      else if (parts_.window.appearance.FullScreen())
        parts_.window.appearance.ToggleFullScreen();  // Esc leaves full screen first
      else
        window.close();
      break;
    default: break;
  }
}

}  // namespace plumex
