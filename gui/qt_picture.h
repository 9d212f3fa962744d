#pragma once

#include <functional>

#include <QPixmap>

#include "views/icons.h"

class QWidget;

namespace kx {

// A QPixmap of a built-in pixel-art picture for a screen of `ratio` device pixels per logical pixel: its
// pixels enlarged by a whole factor and centred (views/crisp_picture.h), tagged with that ratio, so Qt
// draws it pixel for pixel instead of smoothing it to the screen's scale. Alpha is kept.
QPixmap ToPixmap(const Picture& picture, qreal ratio);

// The same for the screen `widget` is shown on.
QPixmap ToPixmap(const Picture& picture, const QWidget* widget);

// Calls `remake` each time `window` (a top-level widget) moves to another screen, whose pixel ratio may
// differ, so the pixmaps made for the old one can be made again.
void OnScreenChanged(QWidget* window, std::function<void()> remake);

}  // namespace kx
