#include "gui/focus_scroll_bar.h"

#include <QPainter>

namespace kx {

void FocusScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Highlight));
  const QRect inside = rect().adjusted(0, 0, -1, -1);
  painter.drawRect(inside);
  painter.drawRect(inside.adjusted(1, 1, -1, -1));
}

}  // namespace kx
