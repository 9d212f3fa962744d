#pragma once

#include <QWidget>

#include "views/layout.h"

namespace kx {

// Moves and sizes a gadget to a rectangle given in its parent's coordinates.
inline void Place(QWidget* w, const Rect& r) { w->setGeometry(r.x, r.y, r.w, r.h); }

}  // namespace kx
