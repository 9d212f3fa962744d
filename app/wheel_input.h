#pragma once
// The mouse wheel over the editor view and the charset panes: it scrolls the editor view up and down,
// with Shift (or a sideways wheel) left and right, and with Ctrl it zooms. One notch (120) is one step;
// smaller turns add up until they make one.

#include "views/input_events.h"

namespace kx {

struct App;

// Wheel turns not yet worth a whole notch, kept between events.
struct WheelRest {
  int across = 0;
  int down = 0;
  int zoom = 0;
};

// Scrolling moves the view by a quarter of what it shows (at least one charset pixel) per notch. A zoom
// keeps the charset pixel under the pointer under it, as far as the scroll range allows.
void OnEditorWheel(App& app, const WheelEvent& event);

// The same scrolling over a charset pane; a zoom there centres the editor view on the pane's pixel under
// the pointer, as a click in the pane does.
void OnPaneWheel(App& app, const WheelEvent& event);

}  // namespace kx
