#pragma once
// The status bar: position, percent, size, five mode indicators, encoding and
// a free information line. Panes that act as buttons report their clicks.
#include <QLabel>
#include <QStatusBar>

namespace plumex {

class StatusPane : public QLabel {
  Q_OBJECT

 public:
  StatusPane(int width, QWidget* parent);
  QSize minimumSizeHint() const override;

 signals:
  void clicked();
  void doubleClicked();
  void rightReleased();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

enum class Indicator { WordWrap, ReadOnly, CatchClipboard, DirectCopy, Insert };

class StatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent);

  StatusPane* position() const { return position_; }
  StatusPane* percent() const { return percent_; }
  StatusPane* size() const { return size_; }
  StatusPane* encoding() const { return encoding_; }
  StatusPane* info() const { return info_; }
  StatusPane* indicator(Indicator which) const;

  // Black when on, grey when off.
  void SetIndicator(Indicator which, bool on);
  bool IndicatorOn(Indicator which) const;

 private:
  StatusPane* AddPane(int width, bool stretch = false);

  StatusPane* position_;
  StatusPane* percent_;
  StatusPane* size_;
  StatusPane* indicators_[5];
  StatusPane* encoding_;
  StatusPane* info_;
};

}  // namespace plumex
