#pragma once
// The editor's look and the window's modes: the appearance schemes, the font
// size, the standard window size, always on top and full screen with the bars
// each mode shows.
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <functional>

#include "model/action_table.h"

class QAction;
class QMainWindow;
class QWidget;

namespace plumex {

class EditorWidget;
struct Settings;

// Where the window stands outside full screen: what the settings keep.
struct WindowPlace {
  QPoint position;
  QSize size;
  bool maximized = false;
};

class Appearance : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QMainWindow& window;
    EditorWidget& editor;
    Settings& settings;
    QAction& percentItem;  // on the menu bar, for when the status bar is hidden
    QWidget& toolBar;      // hidden in full screen, else shown by IsShowToolNorm
    std::function<QAction*(ActionId)> action;
    std::function<void()> refreshStatus;
  };
  explicit Appearance(Parts parts);

  // At start: the stored scheme, always on top and the bars of normal mode.
  void ApplySettings();
  // Scheme `index` (1..5) on the editor with its action checked; any other
  // index only clears the checks.
  void ApplyScheme(int index);
  // Lasts until the next scheme; no setting changes.
  void StepFontSize(int step);
  void NormalFontSize();
  void StandardSize();
  void ToggleStayOnTop();
  void ToggleFullScreen();
  bool FullScreen() const { return fullScreen_; }
  // The window's place now, or the one it had before full screen.
  WindowPlace NormalPlace() const;
  // The bars, borders and margins of the mode in force, as the settings now
  // say: after the settings dialog changed them.
  void ShowModeParts();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetStayOnTop(bool on);
  // The line that was the top one before the toggle is put back on top.
  void RestoreTopLine();

  Parts parts_;
  bool fullScreen_ = false;
  WindowPlace saved_;  // before full screen
  int topPosition_ = -1;  // the top line's first character before the toggle
  QTimer settle_;         // runs while the toggle's resizes may still come
};

}  // namespace plumex
