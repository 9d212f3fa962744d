#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace kx {

// Paints a window at most once per screen frame. Qt repaints a window as soon as the event loop is idle
// after any change, so a pointer that reports a few hundred moves a second costs a few hundred paints and
// flushes to the window system, of which the screen shows at most one a frame. The first repaint after a
// quiet spell goes through at once; one asked for sooner than a frame after the last is held and done when
// the frame ends, covering every change marked meanwhile.
class FramePacer : public QObject {
 public:
  explicit FramePacer(QWidget* window);

  // Whether a repaint is being held for the frame's end.
  bool Holding() const { return held_.isActive(); }
  // Paints what is marked now, held or not (a window that must be drawn before something modal starts).
  void PaintNow();
  // Sets the frame instead of taking it from the screen's refresh rate; 0 repaints on every request, as Qt
  // does by itself.
  void SetFrameMillis(int ms);
  // The frame in milliseconds, 0 when every request repaints.
  int FrameMillis() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QElapsedTimer sinceLast_;  // since the last repaint went through
  QTimer held_;
  std::optional<int> frameMillis_;
  bool releasing_ = false;
};

}  // namespace kx
