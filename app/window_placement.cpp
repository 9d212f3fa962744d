#include "app/window_placement.h"

#include <algorithm>
#include <cstdint>

#include "views/layout.h"

namespace kx {
namespace {

// Settings may hold any int; positions and sizes this far out are off every screen and keep the sums below
// in range.
constexpr int kFarAway = 1 << 24;

// Never larger than the area with the frame around it, never smaller than the window's minimum.
WindowPlacement SizedFor(WindowPlacement p, const Rect& area, const FrameMargins& f) {
  p.clientWidth = std::min(p.clientWidth, std::max(area.w - f.left - f.right, kMinClientWidth));
  p.clientHeight = std::min(p.clientHeight, std::max(area.h - f.top - f.bottom, kMinClientHeight));
  return p;
}

Rect FrameRect(const WindowPlacement& p, const FrameMargins& f) {
  return {p.x, p.y, p.clientWidth + f.left + f.right, p.clientHeight + f.top + f.bottom};
}

std::int64_t AreaOf(const Rect& r) { return r.Empty() ? 0 : std::int64_t{r.w} * r.h; }

// The screen that shows most of the frame; `primary` when none shows any of it.
const Rect& ScreenFor(const Rect& frame, std::span<const Rect> screens, int primary) {
  const Rect* best = &screens[std::clamp(primary, 0, static_cast<int>(screens.size()) - 1)];
  std::int64_t shown = 0;
  for (const Rect& area : screens) {
    const std::int64_t part = AreaOf(Intersect(frame, area));
    if (part > shown) {
      shown = part;
      best = &area;
    }
  }
  return *best;
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
  p.clientWidth = std::min(p.clientWidth, kFarAway);
  p.clientHeight = std::min(p.clientHeight, kFarAway);

  const Rect& area = ScreenFor(FrameRect(p, frame), screens, primary);
  WindowPlacement fitted = SizedFor(p, area, frame);
  const Rect outer = FrameRect(fitted, frame);
  fitted.x = Within(fitted.x, outer.w, area.x, area.w);
  fitted.y = Within(fitted.y, outer.h, area.y, area.h);
  fitted.refitted = !SameGeometry(fitted, wanted);
  return fitted;
}

}  // namespace kx
