#include "app/appearance.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "config/appearance_scheme.h"
#include "config/settings.h"
#include "platform/editor_widget.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

constexpr QSize kStandardSize(680, 530);

// The scheme actions in the order of the scheme indexes, from 1.
constexpr ActionId kSchemeActions[] = {ActionId::StdStyle, ActionId::ReadStyle, ActionId::UnixStyle,
                                       ActionId::RetroStyle, ActionId::UserStyle};

// The window manager resizes a window some time after it was asked to go
// full screen or back; the top line is put back after each resize until
// then.
constexpr int kSettleMilliseconds = 1000;

QColor ColorOf(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QFont FontOf(const SchemeLook& look) {
  QFont font(BytesToQString(look.face));
  if (look.fixedPitch) font.setStyleHint(QFont::Monospace);
  font.setPointSize(look.points);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  font.setUnderline(look.underline);
  font.setStrikeOut(look.strikeOut);
  return font;
}

}  // namespace

Appearance::Appearance(Parts parts) : QObject(&parts.window), parts_(std::move(parts)) {
  // No scheme is checked after a stored index of none of them.
  auto* group = new QActionGroup(this);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const ActionId id : kSchemeActions) group->addAction(parts_.action(id));
  parts_.editor.installEventFilter(this);
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&settle_, &QTimer::timeout, this, [this] { topPosition_ = -1; });
}

void Appearance::ApplySettings() {
  ApplyScheme(parts_.settings.AppearStyle);
  SetStayOnTop(parts_.settings.IsStayOnTop);
  ShowModeParts();
}

void Appearance::ApplyScheme(int index) {
  parts_.settings.AppearStyle = index;
  for (const ActionId id : kSchemeActions) parts_.action(id)->setChecked(false);
  const std::optional<SchemeLook> look = SchemeOf(index, parts_.settings.UserStyle);
  if (!look) return;
  parts_.editor.SetLook(FontOf(*look), ColorOf(look->text), ColorOf(look->background));
  parts_.action(kSchemeActions[index - kFirstScheme])->setChecked(true);
}

void Appearance::StepFontSize(int step) {
  parts_.editor.SetFontSize(ClampFontSize(static_cast<long long>(parts_.editor.FontSize()) + step));
}

void Appearance::NormalFontSize() { parts_.editor.SetFontSize(ClampFontSize(parts_.settings.NormFontSize)); }

void Appearance::StandardSize() {
  if (fullScreen_) return;
  QMainWindow& window = parts_.window;
  if (window.isMaximized()) window.showNormal();
  window.resize(kStandardSize);
  parts_.refreshStatus();
}

void Appearance::ToggleStayOnTop() { SetStayOnTop(!parts_.settings.IsStayOnTop); }

void Appearance::SetStayOnTop(bool on) {
  parts_.settings.IsStayOnTop = on;
  parts_.action(ActionId::AOT)->setChecked(on);
  QMainWindow& window = parts_.window;
  if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  const bool shown = window.isVisible();
  const bool active = window.isActiveWindow();
  const Qt::WindowStates state = window.windowState();
  // A new flag hides the window: it comes back as it was, full screen too,
  // and takes the focus only if it had it.
  window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (shown) {
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setWindowState(state);
    window.show();
    window.setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (active) window.activateWindow();
  }
  parts_.refreshStatus();
}

void Appearance::ToggleFullScreen() {
  QMainWindow& window = parts_.window;
  topPosition_ = parts_.editor.TopPosition();
  if (!fullScreen_) saved_ = NormalPlace();
  fullScreen_ = !fullScreen_;
  parts_.action(ActionId::FullScreen)->setChecked(fullScreen_);
  if (fullScreen_) {
    window.showFullScreen();
  } else if (saved_.maximized) {
    window.showMaximized();
  } else {
    window.showNormal();
    window.move(saved_.position);
    window.resize(saved_.size);
  }
  ShowModeParts();
  window.raise();
  window.activateWindow();
  // The caret starts the text; a read-only one stays on the top line.
  EditorWidget& editor = parts_.editor;
  const int caret = editor.ReadOnly() ? topPosition_ : 0;
  editor.Select(caret, caret);
  RestoreTopLine();
  settle_.start();
  parts_.refreshStatus();
}

WindowPlace Appearance::NormalPlace() const {
  if (fullScreen_) return saved_;
  const QMainWindow& window = parts_.window;
  return {window.pos(), window.size(), window.isMaximized()};
}

bool Appearance::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && settle_.isActive()) {
    // The editor takes its new size first, then the line goes back on top.
    QTimer::singleShot(0, this, [this] { RestoreTopLine(); });
  }
  return QObject::eventFilter(watched, event);
}

void Appearance::ShowModeParts() {
  const Settings& settings = parts_.settings;
  QMainWindow& window = parts_.window;
  const bool status = fullScreen_ ? settings.IsShowStatusFS : settings.IsShowStatusNorm;
  window.statusBar()->setVisible(status);
  window.menuBar()->setVisible(!fullScreen_ || settings.IsShowMenu);
  parts_.toolBar.setVisible(!fullScreen_ && settings.IsShowToolNorm);
  // The percent item stands in for the status bar's pane, on the menu bar.
  parts_.percentItem.setVisible(!status && window.menuBar()->isVisibleTo(&window));
  if (!fullScreen_) {
    parts_.editor.SetBare(false, true, 0, 0);
    return;
  }
  const QScreen* screen = parts_.window.screen();
  const SideMargins margins =
      FitSideMargins(settings.LInd, settings.RInd, screen->logicalDotsPerInchX(), screen->geometry().width());
  parts_.editor.SetBare(true, settings.IsShowScroll, margins.left, margins.right);
}

void Appearance::RestoreTopLine() {
  if (topPosition_ >= 0) parts_.editor.ScrollToTop(topPosition_);
}

}  // namespace plumex
