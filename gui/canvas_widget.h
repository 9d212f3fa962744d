#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "views/input_events.h"

namespace kx {

class FramePacer;

// A gadget that shows a picture composed elsewhere and reports its mouse and key events as plain structs.
// The picture's pixels are wrapped, not copied: they must stay alive and unchanged in size until the next
// SetPicture. While a button is held the widget keeps receiving the mouse, also outside its area.
class CanvasWidget : public QWidget {
  Q_OBJECT
 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  // `pixels` are 0xFFRRGGBB, `strideBytes` apart from row to row. Repaints.
  void SetPicture(const std::uint32_t* pixels, int width, int height, int strideBytes);
  // The same after compositions that changed only the rectangles `changed` (picture coordinates): when
  // the picture kept its buffer and size only those are repainted, otherwise the whole canvas.
  void UpdatePicture(const std::uint32_t* pixels, int width, int height, int strideBytes,
                     const std::vector<QRect>& changed);
  const QImage& Picture() const { return picture_; }

  // With `shown`, a frame in the highlight colour is drawn over the picture's edge while the canvas has the
  // keyboard focus, so that the user sees where the keys go.
  void ShowFocusFrame(bool shown);
  bool FocusFrameShown() const { return focusFrame_; }

  // Plain moves of the pointer (no button held) that come sooner than a frame of `pacer` after the last
  // one handled are held, the latest only, and handed on when the frame ends or before any other event
  // of this canvas: the window paints once a frame, so the moves in between change nothing it shows.
  // Moves with a button held are handed on at once, each one (a stroke plots every step).
  void PaceMoves(const FramePacer* pacer);
  bool HoldsMove() const { return heldMove_.has_value(); }

  std::function<void(const MouseEvent&)> onMouse;
  std::function<void(const KeyEvent&)> onKey;
  // Without a handler the wheel goes on to the parent.
  std::function<void(const WheelEvent&)> onWheel;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void ReportMouse(MouseAction action, QMouseEvent* event);
  bool HoldMove(const MouseEvent& e);
  void HandOnHeldMove();
  void ReportKey(KeyAction action, QKeyEvent* event);

  QImage picture_;
  bool focusFrame_ = false;
  const FramePacer* pacer_ = nullptr;
  std::optional<MouseEvent> heldMove_;
  QTimer moveTimer_;
  QElapsedTimer sinceMove_;  // since the last plain move was handed on
};

}  // namespace kx
