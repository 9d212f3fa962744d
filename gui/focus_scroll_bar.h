#pragma once

#include <QScrollBar>

namespace kx {

// A scroll bar that shows when it has the keyboard focus, with the two-pixel highlight frame the canvases
// draw, since the styles draw none on scroll bars and Tab stops on them.
class FocusScrollBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kx
