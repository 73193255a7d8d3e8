#pragma once
// A flat button drawn from pictures, for the tool bar. With four pictures it
// shows the one of its look (normal, pressed, hot, disabled); with a strip it
// shows a square of the strip on a flat button; with neither, its caption.
#include <QAbstractButton>
#include <QPixmap>
#include <vector>

class QMenu;

namespace plumex {

struct ButtonPictures {
  // Four-picture look; a missing one falls back to `normal`.
  QPixmap normal, active, down, disabled;
  // Strip look: up, disabled, down, held down.
  std::vector<QPixmap> glyphs;
  bool Empty() const { return normal.isNull() && glyphs.empty(); }
};

class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Look { Normal, Pressed, Hot, Disabled };

  // `number` is the action's tool-bar number, 0 for a separator.
  PictureButton(int number, bool fourPictures, QWidget* parent);

  int number() const { return number_; }
  bool fourPictures() const { return fourPictures_; }
  void SetPictures(ButtonPictures pictures);
  const ButtonPictures& pictures() const { return pictures_; }
  // A click pops `menu` up below the button instead of clicking it.
  void SetDropDown(QMenu* menu) { dropDown_ = menu; }
  Look look() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const QPixmap& PictureOfLook(Look look) const;
  void PaintCaption(QPainter& painter, Look look);

  int number_;
  bool fourPictures_;
  ButtonPictures pictures_;
  QMenu* dropDown_ = nullptr;
};

}  // namespace plumex
