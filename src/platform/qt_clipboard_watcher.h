#pragma once
// The clipboard watcher on Qt's clipboard (not the X11 selection). A change
// is read at once, so quick copies each bring their own text, but told from
// the event loop: the program's own copies never reach the capture in the
// middle of the command that made them. Wayland tells a window only while it
// has the focus: copies made elsewhere arrive, the latest one, on refocus.
#include <QObject>

#include "platform/clipboard_watcher.h"

namespace plumex {

class QtClipboardWatcher : public QObject, public ClipboardWatcher {
  Q_OBJECT

 public:
  explicit QtClipboardWatcher(QObject* parent = nullptr);

  void SetTextHandler(TextHandler handler) override { handler_ = std::move(handler); }
  void SetText(std::u16string_view text) override;

 private:
  void Changed();

  TextHandler handler_;
};

}  // namespace plumex
