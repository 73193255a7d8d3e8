#include "app/picture_button.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOption>

namespace plumex {

PictureButton::PictureButton(int number, bool fourPictures, QWidget* parent)
    : QAbstractButton(parent), number_(number), fourPictures_(fourPictures) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (dropDown_ != nullptr) dropDown_->popup(mapToGlobal(rect().bottomLeft()));
  });
}

void PictureButton::SetPictures(ButtonPictures pictures) {
  pictures_ = std::move(pictures);
  update();
}

PictureButton::Look PictureButton::look() const {
  if (!isEnabled()) return Look::Disabled;
  if (isDown()) return Look::Pressed;
  return underMouse() ? Look::Hot : Look::Normal;
}

const QPixmap& PictureButton::PictureOfLook(Look look) const {
  const QPixmap* wanted = &pictures_.normal;
  switch (look) {
    case Look::Pressed: wanted = &pictures_.down; break;
    case Look::Hot: wanted = &pictures_.active; break;
    case Look::Disabled: wanted = &pictures_.disabled; break;
    case Look::Normal: break;
  }
  return wanted->isNull() ? pictures_.normal : *wanted;
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Look now = look();
  if (fourPictures_ && !pictures_.normal.isNull()) {
    // The parent's background shows around and through the picture.
    painter.drawPixmap(0, 0, PictureOfLook(now));
    return;
  }
  if (now != Look::Normal && now != Look::Disabled) {
    QStyleOptionToolButton frame;
    frame.initFrom(this);
    frame.state |= now == Look::Pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonTool, &frame, &painter, this);
  }
  if (pictures_.glyphs.empty()) {
    PaintCaption(painter, now);
    return;
  }
  // Up, disabled, down, held down: a strip with fewer shows its first.
  const std::size_t index = now == Look::Disabled ? 1 : now == Look::Pressed ? 2 : 0;
  const QPixmap& glyph = pictures_.glyphs[index < pictures_.glyphs.size() ? index : 0];
  painter.drawPixmap((width() - glyph.width()) / 2, (height() - glyph.height()) / 2, glyph);
}

void PictureButton::PaintCaption(QPainter& painter, Look now) {
  painter.setPen(palette().color(now == Look::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

void PictureButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  update();
}

void PictureButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  update();
}

}  // namespace plumex
