#pragma once

#include <QImage>
#include <QPixmap>

#include "views/icons.h"

namespace kx {

// A QPixmap holding its own copy of a built-in picture (alpha kept).
inline QPixmap ToPixmap(const Picture& p) {
  const QImage wrapped(reinterpret_cast<const uchar*>(p.pixels.data()), p.width, p.height, p.width * 4,
                       QImage::Format_ARGB32);
  return QPixmap::fromImage(wrapped.copy());
}

}  // namespace kx
