#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "gui/frame_pacer.h"
#include "gui/main_window.h"

namespace kx {

// What the window system holds for `w` once every pending repaint ran, the one held for a frame's end
// included: the window's stored pixels, so a picture the widget was never asked to repaint shows as stale
// (QWidget::grab() would paint it afresh instead).
inline QImage OnScreen(QWidget* w) {
  QApplication::processEvents();
  QWidget* top = w->window();
  if (const auto* main = dynamic_cast<const MainWindow*>(top)) {
    if (!QTest::qWaitFor([main] { return !main->Pacer()->Holding(); })) ADD_FAILURE() << "a repaint stays held";
  }
  const QPoint at = w->mapTo(top, QPoint(0, 0));
  return top->screen()
      ->grabWindow(top->winId(), at.x(), at.y(), w->width(), w->height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace kx
