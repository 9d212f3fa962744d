#pragma once

#include <QRect>
#include <QWidget>

namespace kx {

// Moves top-level window `w` so that its frame is centred on `on`'s frame.
inline void CentreOn(QWidget* w, const QWidget* on) {
  QRect r = w->frameGeometry();
  r.moveCenter(on->frameGeometry().center());
  w->move(r.topLeft());
}

}  // namespace kx
