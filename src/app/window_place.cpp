#include "app/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "config/settings.h"

namespace plumex {

void PlaceAsStored(QWidget& window, const Settings& settings) {
  QRect place(settings.EditorLeft, settings.EditorTop, settings.EditorWidth, settings.EditorHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect room = screen->availableGeometry();
    place.setSize(place.size().boundedTo(room.size()));
    place.moveLeft(std::clamp(place.left(), room.left(), room.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - place.height() + 1));
  }
  window.resize(place.size());
  if (settings.IsSavePosition) window.move(place.topLeft());
  if (settings.IsMax) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void StorePlace(const WindowPlace& place, bool minimized, Settings& settings) {
  settings.IsMax = place.maximized;
  if (place.maximized || minimized) return;
  settings.EditorLeft = place.position.x();
  settings.EditorTop = place.position.y();
  settings.EditorWidth = place.size.width();
  settings.EditorHeight = place.size.height();
}

}  // namespace plumex
