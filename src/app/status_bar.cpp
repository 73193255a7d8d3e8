#include "app/status_bar.h"

#include <QMouseEvent>
#include <QPainter>

namespace plumex {
namespace {

const QString kOn = QStringLiteral("color: #000000");
const QString kOff = QStringLiteral("color: #808080");

}  // namespace

StatusPane::StatusPane(int width, QWidget* parent) : QLabel(parent) {
  if (width > 0) setFixedWidth(width);
  setAlignment(width > 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  // A pane's text never widens the window: what does not fit is cut short.
  setSizePolicy(width > 0 ? QSizePolicy::Fixed : QSizePolicy::Ignored, QSizePolicy::Preferred);
  setMinimumWidth(width > 0 ? width : 0);
}

QSize StatusPane::minimumSizeHint() const { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

void StatusPane::paintEvent(QPaintEvent* event) {
  // A fixed pane is sized for what it shows; only the free one cuts short.
  if (sizePolicy().horizontalPolicy() == QSizePolicy::Fixed) {
    QLabel::paintEvent(event);
    return;
  }
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  const QRect room = contentsRect().adjusted(2, 0, 0, 0);
  painter.drawText(room, static_cast<int>(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
}

void StatusPane::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  if (event->button() == Qt::RightButton) emit rightReleased();
  QLabel::mouseReleaseEvent(event);
}

void StatusPane::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
  position_ = AddPane(120);
  percent_ = AddPane(35);
  size_ = AddPane(120);
  const char* captions[] = {"WW", "RO", "CB", "DC", "INS"};
  for (int i = 0; i < 5; ++i) {
    indicators_[i] = AddPane(30);
    indicators_[i]->setText(QString::fromLatin1(captions[i]));
    SetIndicator(static_cast<Indicator>(i), false);
  }
  // The encoding pane stands between the indicators and INS.
  removeWidget(indicators_[4]);
  encoding_ = AddPane(44);  // room for "UTF-8"
  addWidget(indicators_[4]);
  indicators_[4]->show();
  SetIndicator(Indicator::Insert, true);
  info_ = AddPane(0, true);
  connect(info_, &StatusPane::doubleClicked, info_, &QLabel::clear);
}

StatusPane* StatusBar::AddPane(int width, bool stretch) {
  auto* pane = new StatusPane(width, this);
  addWidget(pane, stretch ? 1 : 0);
  return pane;
}

StatusPane* StatusBar::indicator(Indicator which) const {
  return indicators_[static_cast<int>(which)];
}

void StatusBar::SetIndicator(Indicator which, bool on) {
  indicator(which)->setStyleSheet(on ? kOn : kOff);
  indicator(which)->setProperty("on", on);
}

bool StatusBar::IndicatorOn(Indicator which) const {
  return indicator(which)->property("on").toBool();
}

}  // namespace plumex
