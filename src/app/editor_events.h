#pragma once
// What the editor reports to the window: typing, caret and scroll moves,
// links, pop-ups, the keypad's window keys and Esc, each handed to the part
// that acts on it.
#include <QObject>
#include <QString>
#include <functional>

#include "platform/key_text.h"

namespace plumex {

struct WindowParts;
class WindowActions;
class StatusBar;
class StatusPresenter;
class SoundPlayer;

class EditorEvents : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    WindowParts& window;
    WindowActions& actions;
    StatusBar& status;
    StatusPresenter& presenter;
    SoundPlayer& sounds;
    std::function<bool()> textLocked;  // while Replace All runs
    std::function<void()> refreshStatus;
    std::function<void()> refreshSize;
    std::function<void()> returnToEnglish;
  };
  explicit EditorEvents(Parts parts);

  // Copy URL: the link under the last right click, once.
  void CopyClickedUrl();
  bool OnLink() const { return !clickedUrl_.isEmpty(); }

 private:
  void OnWindowKey(WindowKey key);
  void OnEscape();
  void ShowPopup(const QPoint& at, bool withCtrl, const QString& url);

  Parts parts_;
  QString clickedUrl_;  // kept for Copy URL by a right click on a link
};

}  // namespace plumex
