#include "app/wheel_input.h"

#include <algorithm>

#include "app/app.h"
#include "app/event_flow.h"

namespace kx {
namespace {

constexpr int kNotch = 120;

// Adds `delta` to what is left over and takes the whole notches out of it (towards zero, so turns back and
// forth cancel).
int TakeNotches(int& rest, int delta) {
  rest += delta;
  const int notches = rest / kNotch;
  rest -= notches * kNotch;
  return notches;
}

int ScrollStep(const ScrollRange& range) { return std::max(range.page / 4, 1); }

// Scrolls by the wheel's turn; with Shift the wheel's turn goes across.
void ScrollByWheel(App& app, const WheelEvent& e) {
  WheelRest& rest = app.view.input.wheel;
  rest.zoom = 0;
  const int acrossAngle = e.shift ? e.angleX + e.angleY : e.angleX;
  const int downAngle = e.shift ? 0 : e.angleY;
  const int across = TakeNotches(rest.across, acrossAngle);
  const int down = TakeNotches(rest.down, downAngle);
  if (across == 0 && down == 0) return;
  const ViewLayout& l = app.view.layout;
  // Turning away from the user, or to the left, shows what lies above, or to the left.
  ScrollTo(app, app.view.editing.scrollX - across * ScrollStep(l.horizontal),
           app.view.editing.scrollY - down * ScrollStep(l.vertical));
}

// The zoom levels the wheel's turn asks for, none when it asks for no whole step or for none that exists.
int ZoomSteps(App& app, const WheelEvent& e) {
  WheelRest& rest = app.view.input.wheel;
  rest.across = rest.down = 0;
  const int notches = TakeNotches(rest.zoom, e.angleY != 0 ? e.angleY : e.angleX);
  const int from = app.view.editing.zoomIndex;
  return std::clamp(from + notches, 0, kZoomLevels - 1) - from;
}

}  // namespace

void OnEditorWheel(App& app, const WheelEvent& e) {
  const EventScope event(app);
  const Rect& view = app.view.layout.editorView;
  app.view.input.pointerX = view.x + e.x;
  app.view.input.pointerY = view.y + e.y;
  if (!e.ctrl) return ScrollByWheel(app, e);
  const int steps = ZoomSteps(app, e);
  if (steps == 0) return;
  // The pixel under the pointer, and where the pointer stands in the view.
  EditingState& editing = app.view.editing;
  const int offsetX = std::clamp(e.x, 0, std::max(view.w - 1, 0));
  const int offsetY = std::clamp(e.y, 0, std::max(view.h - 1, 0));
  const CharsetPoint p = MouseToPixel(app.view.layout, editing.scrollX, editing.scrollY, offsetX, offsetY);
  SetZoom(app, editing.zoomIndex + steps);
  const int b = app.view.layout.blockSize;
  ScrollTo(app, p.x - offsetX / b, p.y - offsetY / b);
}

void OnPaneWheel(App& app, const WheelEvent& e) {
  const EventScope event(app);
  if (!e.ctrl) return ScrollByWheel(app, e);
  const int steps = ZoomSteps(app, e);
  if (steps == 0) return;
  const int px = std::clamp(e.x, 0, kPaneWidth - 1) / 2;
  const int py = std::clamp(e.y, 0, kPaneHeight - 1) / 2;
  SetZoom(app, app.view.editing.zoomIndex + steps);
  ScrollTo(app, px - app.view.layout.ColumnsVisible() / 2, py - app.view.layout.RowsVisible() / 2);
}

}  // namespace kx
