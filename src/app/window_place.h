#pragma once
// The window's size and place as the settings keep them.
#include "app/appearance.h"

class QWidget;

namespace plumex {

struct Settings;

// The stored size and place, brought back onto the screen when they lie off
// it; maximised when it was.
void PlaceAsStored(QWidget& window, const Settings& settings);
// `place` is the normal one, outside full screen; a minimised or maximised
// window keeps the last normal size and place.
void StorePlace(const WindowPlace& place, bool minimized, Settings& settings);

}  // namespace plumex
