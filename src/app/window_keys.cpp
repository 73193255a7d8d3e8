// The window's own key table, seen before the editor, and the editor's mouse:
// viewer keys in read-only mode, Esc, font size and language keys on the
// numeric pad, typographic inserts, the Tab replacement, pop-up menus and
// links.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "commands/find_replace.h"
#include "platform/links.h"
#include "commands/transform_frame.h"
#include "platform/editor_widget.h"
#include "platform/instance_launcher.h"
#include "platform/qt_text.h"
#include "language/language_table.h"

namespace plumex {
namespace {

// Scan codes of the physical minus and quote keys (X11 key codes), so the
// inserts work whatever the keyboard layout; without scan codes the key decides.
constexpr quint32 kMinusScanCode = 20;
constexpr quint32 kQuoteScanCode = 48;

bool IsPhysicalKey(const QKeyEvent& key, quint32 scanCode, int fallback) {
  return key.nativeScanCode() != 0 ? key.nativeScanCode() == scanCode : key.key() == fallback;
}

bool Has(const QKeyEvent& key, Qt::KeyboardModifier modifier) {
  return key.modifiers().testFlag(modifier);
}

bool IsPadKey(const QKeyEvent& key, int which) {
  return Has(key, Qt::KeypadModifier) && key.key() == which;
}

enum class WindowKey { None, PadPlus, PadMinus, Pad0, Pad1, EmDash, Apostrophe };

// The keys with Ctrl that the window takes for itself. Qt would otherwise
// retry a keypad key as its main-keyboard twin (Ctrl+pad 0 as Ctrl+0).
WindowKey WindowKeyOf(const QKeyEvent& key) {
  if (!Has(key, Qt::ControlModifier)) return WindowKey::None;
  const bool alt = Has(key, Qt::AltModifier);
  if (IsPadKey(key, Qt::Key_Plus) && !alt) return WindowKey::PadPlus;
  if (IsPadKey(key, Qt::Key_Minus) && !alt) return WindowKey::PadMinus;
  if (IsPadKey(key, Qt::Key_0)) return WindowKey::Pad0;
  if (IsPadKey(key, Qt::Key_1)) return WindowKey::Pad1;
  if (alt && !Has(key, Qt::KeypadModifier)) {
    if (IsPhysicalKey(key, kMinusScanCode, Qt::Key_Minus)) return WindowKey::EmDash;
    if (IsPhysicalKey(key, kQuoteScanCode, Qt::Key_Apostrophe)) return WindowKey::Apostrophe;
  }
  return WindowKey::None;
}

}  // namespace

bool MainWindow::ClaimShortcut(const QKeyEvent& key) const {
  return WindowKeyOf(key) != WindowKey::None;
}

bool MainWindow::BoundToAction(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* act : actions_)
    if (act->isEnabled() && act->shortcuts().contains(pressed)) return true;
  return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      const auto& key = static_cast<QKeyEvent&>(*event);
      if (ClaimShortcut(key)) {
        event->accept();
        return true;
      }
      // The editor claims copy, paste, undo and word keys for itself; a key
      // the user bound to an action runs that action instead.
      if (watched == editor_ && BoundToAction(key)) {
        event->ignore();
        return true;
      }
      break;
    }
    case QEvent::KeyPress:
      if (watched == editor_) {
        const auto& key = static_cast<QKeyEvent&>(*event);
        // Typing would abandon a running Replace All; it waits instead.
        if (TextLocked() && (!key.text().isEmpty() || key.key() == Qt::Key_Delete)) return true;
        return HandleKeyPress(key);
      }
      break;
    case QEvent::MouseButtonPress:
      if (watched == editor_->viewport()) HandleMousePress(static_cast<QMouseEvent&>(*event));
      break;
    case QEvent::MouseButtonRelease:
      if (watched == editor_->viewport()) HandleMouseRelease(static_cast<QMouseEvent&>(*event));
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::HandleKeyPress(const QKeyEvent& key) {
  // While Replace All runs, the window's own writing keys wait for it too.
  const bool readOnly = editor_->ReadOnly() || TextLocked();
  switch (WindowKeyOf(key)) {
    case WindowKey::PadPlus: OnIncFont(); return true;
    case WindowKey::PadMinus: OnDecFont(); return true;
    case WindowKey::Pad0: OnNormFont(); return true;
    case WindowKey::Pad1: ReturnToEnglish(); return true;
    case WindowKey::EmDash: InsertAtCaret("\x97"); return true;
    case WindowKey::Apostrophe: InsertAtCaret("'"); return true;
    case WindowKey::None: break;
  }
  switch (key.key()) {
    case Qt::Key_Insert:
      if (Has(key, Qt::ShiftModifier) || Has(key, Qt::ControlModifier)) return false;
      editor_->setOverwriteMode(!editor_->overwriteMode());
      status_->SetIndicator(Indicator::Insert, !editor_->overwriteMode());
      RefreshStatus();
      return true;
    case Qt::Key_Escape:
      OnEscape();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!readOnly) return false;
      ScrollReadOnly(key.key() == Qt::Key_Up ? -1 : 1, 0);
      return true;
    case Qt::Key_Backspace:
      if (Has(key, Qt::AltModifier)) action(ActionId::Undo)->trigger();
      if (readOnly) ScrollReadOnly(0, -1);
      return Has(key, Qt::AltModifier) || readOnly;
    case Qt::Key_Space:
      if (!readOnly) return false;
      ScrollReadOnly(0, 1);
      return true;
    case Qt::Key_Tab:
      // Only a Tab really typed into a writable text becomes blanks.
      if (readOnly || !settings_.IsReplaceTabs || key.modifiers() != Qt::NoModifier) return false;
      editor_->ReplaceSelection(settings_.TabSpaces, UndoMode::Record);
      return true;
    default:
      return false;
  }
}

void MainWindow::OnEscape() {
  switch (settings_.EscFunction) {
    case 1: showMinimized(); break;
    case 2:
      if (finder_->DialogOpen())
        finder_->CloseDialogs();
      else
        close();
      break;
    default: break;
  }
}

void MainWindow::ScrollReadOnly(int lines, int pages) {
  QScrollBar* bar = editor_->verticalScrollBar();
  bar->setValue(bar->value() + lines + pages * bar->pageStep());
  // The next page or line key starts from the top of the window.
  if (pages != 0) CaretToTopLine();
  RefreshStatus();
}

void MainWindow::CaretToTopLine() {
  QTextCursor top = editor_->cursorForPosition(QPoint(0, 0));
  top.movePosition(QTextCursor::StartOfLine);
  editor_->setTextCursor(top);
}

void MainWindow::InsertAtCaret(const std::string& bytes) {
  if (editor_->ReadOnly() || TextLocked()) return;
  BeginTransform(*editor_);
  editor_->ReplaceSelection(bytes, UndoMode::Skip);
  EndTransformCollapsed(*editor_);
  RefreshStatus();
}

void MainWindow::ReturnToEnglish() {
  settings_.Language = 0;
  ApplyLanguage();
  settingsDialog_->Retranslate();
}

QString MainWindow::UrlAt(const QPoint& viewportPosition) const {
  if (!settings_.IsDetectURL) return {};
  const QTextCursor cursor = editor_->cursorForPosition(viewportPosition);
  const QTextBlock block = cursor.block();
  // A click beyond the end of a line is not on the link before it.
  if (editor_->cursorRect(cursor).right() + 2 < viewportPosition.x()) return {};
  const std::string line = QStringToBytes(block.text());
  const auto offset = static_cast<std::size_t>(cursor.positionInBlock());
  std::string link = LinkAt(line, offset);
  if (link.empty() && offset > 0) link = LinkAt(line, offset - 1);
  return QString::fromLatin1(link.data(), static_cast<qsizetype>(link.size()));
}

void MainWindow::HandleMousePress(const QMouseEvent& mouse) {
  mouseDown_ = true;
  pressedUrl_ = UrlAt(mouse.position().toPoint());
  RefreshStatus();
}

void MainWindow::HandleMouseRelease(const QMouseEvent& mouse) {
  mouseDown_ = false;
  const QString url = UrlAt(mouse.position().toPoint());
  const bool onSameLink = !url.isEmpty() && url == pressedUrl_;
  pressedUrl_.clear();
  if (mouse.button() == Qt::LeftButton && onSameLink && editor_->SelLength() == 0 &&
      IsSafeToOpen(url.toStdString()))
    launcher_->OpenUrl(url);
  if (mouse.button() == Qt::RightButton) {
    clickedUrl_ = onSameLink ? url : QString();
    action(ActionId::CopyURL)->setEnabled(!clickedUrl_.isEmpty());
    const bool extended = settings_.IsUseSuperPopup || mouse.modifiers().testFlag(Qt::ControlModifier);
    menu(extended ? MenuId::ExtendedPopup : MenuId::EditorPopup)->popup(mouse.globalPosition().toPoint());
  }
  RefreshStatus();
}

void MainWindow::OnCopyUrl() {
  if (!clickedUrl_.isEmpty()) QApplication::clipboard()->setText(clickedUrl_);
  clickedUrl_.clear();
  action(ActionId::CopyURL)->setEnabled(false);
}

void MainWindow::OnIncFont() {
  QFont font = editor_->font();
  font.setPointSize(std::min(font.pointSize() + 1, 999));
  editor_->setFont(font);
}

void MainWindow::OnDecFont() {
  QFont font = editor_->font();
  // Qt has no font of size 0; one point is the smallest.
  if (font.pointSize() > 1) font.setPointSize(font.pointSize() - 1);
  editor_->setFont(font);
}

void MainWindow::OnNormFont() {
  QFont font = editor_->font();
  font.setPointSize(std::max(settings_.NormFontSize, 1));
  editor_->setFont(font);
}

}  // namespace plumex
