#include "gui/frame_pacer.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace kx {

FramePacer::FramePacer(QWidget* window) : QObject(window), window_(window) {
  held_.setSingleShot(true);
  held_.setTimerType(Qt::PreciseTimer);
  connect(&held_, &QTimer::timeout, this, &FramePacer::PaintNow);
  window_->installEventFilter(this);
}

void FramePacer::SetFrameMillis(int ms) {
  frameMillis_ = ms;
  if (ms == 0 && held_.isActive()) PaintNow();
}

int FramePacer::FrameMillis() const {
  if (frameMillis_) return *frameMillis_;
  // A screen that reports no rate (a virtual one) is taken for 60 Hz; the frame stays between 4 and 20 ms.
  const QScreen* screen = window_->screen();
  const qreal hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
  return std::clamp(static_cast<int>(std::lround(1000.0 / hz)), 4, 20);
}

// Qt asks a window to paint what was marked with an update request, posted to the window (or sent, for a
// repaint wanted at once); the window paints and flushes when it handles the request. A held request is
// answered by one sent when the frame ends.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::UpdateRequest || releasing_) return false;
  if (held_.isActive()) return true;
  // A millisecond's slack: a timer that ends a frame (a held move handed on) fires about a frame after the
  // last repaint, and the repaint it asks for is that frame's.
  const int frame = FrameMillis();
  if (frame == 0 || !sinceLast_.isValid() || sinceLast_.elapsed() >= frame - 1) {
    sinceLast_.start();
    return false;
  }
  held_.start(static_cast<int>(frame - sinceLast_.elapsed()));
  return true;
}

void FramePacer::PaintNow() {
  held_.stop();
  sinceLast_.start();
  releasing_ = true;
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window_, &request);
  releasing_ = false;
}

}  // namespace kx
