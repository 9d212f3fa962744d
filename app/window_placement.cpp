#include "app/window_placement.h"

#include <algorithm>

#include "views/layout.h"

namespace kx {
namespace {

// Settings may hold any int; positions this far out are off every screen and keep the sums below in range.
constexpr int kFarAway = 1 << 24;

// Never larger than the area with the frame around it, never smaller than the window's minimum.
WindowPlacement SizedFor(WindowPlacement p, const Rect& area, const FrameMargins& f) {
  p.clientWidth = std::min(p.clientWidth, std::max(area.w - f.left - f.right, kMinClientWidth));
  p.clientHeight = std::min(p.clientHeight, std::max(area.h - f.top - f.bottom, kMinClientHeight));
  return p;
}

bool TitleBarShownOn(const WindowPlacement& p, const Rect& area, const FrameMargins& f) {
  const int width = p.clientWidth + f.left + f.right;
  const Rect shown = Intersect({p.x, p.y, width, kTitleBarHeight}, area);
  return shown.h == kTitleBarHeight && shown.w >= std::min(kTitleBarGrip, width);
}

// The nearest start of a span of `length` inside [start, start + room); the start itself when it cannot fit.
int Within(int at, int length, int start, int room) {
  return length >= room ? start : std::clamp(at, start, start + room - length);
}

bool SameGeometry(const WindowPlacement& a, const WindowPlacement& b) {
  return a.x == b.x && a.y == b.y && a.clientWidth == b.clientWidth && a.clientHeight == b.clientHeight;
}

}  // namespace

WindowPlacement FitToScreens(WindowPlacement p, std::span<const Rect> screens, int primary,
                             const FrameMargins& frame) {
  p.clientWidth = std::max(p.clientWidth, kMinClientWidth);
  p.clientHeight = std::max(p.clientHeight, kMinClientHeight);
  if (screens.empty()) return p;
  const WindowPlacement wanted = p;
  p.x = std::clamp(p.x, -kFarAway, kFarAway);
  p.y = std::clamp(p.y, -kFarAway, kFarAway);

  WindowPlacement fitted = p;
  const auto shows = std::find_if(screens.begin(), screens.end(), [&](const Rect& area) {
    fitted = SizedFor(p, area, frame);
    return TitleBarShownOn(fitted, area, frame);
  });
  if (shows == screens.end()) {
    const Rect& area = screens[std::clamp(primary, 0, static_cast<int>(screens.size()) - 1)];
    fitted = SizedFor(p, area, frame);
    fitted.x = Within(fitted.x, fitted.clientWidth + frame.left + frame.right, area.x, area.w);
    fitted.y = Within(fitted.y, fitted.clientHeight + frame.top + frame.bottom, area.y, area.h);
  }
  fitted.refitted = !SameGeometry(fitted, wanted);
  return fitted;
}

}  // namespace kx
