#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "gui/canvas_widget.h"
#include "gui/frame_pacer.h"
#include "gui/main_window.h"

namespace kx {

// Lets the main window's frame end: the pointer moves its canvases held for it are handed on and the
// repaint held for it is done, as the window does by itself within a frame.
inline void EndFrame(QWidget* w) {
  QApplication::processEvents();
  const auto* main = dynamic_cast<const MainWindow*>(w->window());
  if (!main) return;
  const auto ended = [main] {
    for (const CanvasWidget* c : {main->EditorCanvas(), main->EditorPane(), main->MemoryPane(), main->PenSwatch()}) {
      if (c->HoldsMove()) return false;
    }
    return !main->Pacer()->Holding();
  };
  // A move handed on when the frame ends asks for a repaint of its own, which may be held again.
  for (int round = 0; round < 2; ++round) {
    if (!QTest::qWaitFor(ended)) ADD_FAILURE() << "the window's frame does not end";
    QApplication::processEvents();
  }
}

// What the window system holds for `w` once the frame ended: the window's stored pixels, so a picture the
// widget was never asked to repaint shows as stale (QWidget::grab() would paint it afresh instead).
inline QImage OnScreen(QWidget* w) {
  EndFrame(w);
  QWidget* top = w->window();
  const QPoint at = w->mapTo(top, QPoint(0, 0));
  return top->screen()
      ->grabWindow(top->winId(), at.x(), at.y(), w->width(), w->height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace kx
