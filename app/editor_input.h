#pragma once
// What the mouse and the keyboard do in the editor view, the two charset panes, the Pen Colour swatch and
// the tool column. The Qt adapter hands every event over as a plain struct and mirrors the App afterwards.

#include "app/wheel_input.h"
#include "views/gadgets.h"
#include "views/input_events.h"
#include "views/layout.h"
#include "ops/strokes.h"
#include "views/tool_selection.h"

namespace kx {

struct App;

// The pointer's state between events.
struct EditorInputState {
  MouseButton strokeButton = MouseButton::None;  // the button whose stroke is running in the editor view
  CharsetPoint anchor;                           // where the stroke started, or its last continuous point
  StrokeBackup backup;                           // the charset without the rubber band being shown
  bool rubberBandShown = false;                  // the charset holds the rubber band until the next event
  bool keyLatch = false;                         // R, I: set by the press, cleared by any key release
  bool panning = false;                          // the left button is dragging the view from the charset pane
  WheelRest wheel;                               // wheel turns short of a notch
  int pointerX = 0;  // the pointer's last position over the editor view or the charset pane, in the
  int pointerY = 0;  // coordinates of the page both stand on (those of the view layout's rectangles)
};

// Editor view: hover, strokes with the current tool, glyph tools, and extending the glyph selection.
void OnEditorMouse(App& app, const MouseEvent& event);

// A line or box being dragged is drawn into the editor charset so that the event's one composition shows
// it, and stays there only until the next event begins: this puts the charset back as it was before the
// rubber band and says whether it did (the charset is then marked changed).
bool TakeDownRubberBand(App& app);
// Editor view keys; (pointerX, pointerY) is the pointer in the view's own pixels (clamped to the view).
void OnEditorKey(App& app, const KeyEvent& event, int pointerX, int pointerY);

// Editor charset pane: hover, panning the editor view, and making the glyph selection (Ctrl with the left
// button) or ending it (a left press without Ctrl). Escape ends it from either canvas's keys.
void OnPaneMouse(App& app, const MouseEvent& event);
void OnPaneKey(App& app, const KeyEvent& event);

// The views were scrolled, zoomed or laid out again under a pointer that did not move: the hovered pixel is
// mapped again from the pointer's last position, or the hover ends when the canvas it was over no longer
// lies under the pointer; the status bar follows.
void FollowPointer(App& app);

// A left press on the memory charset pane swaps the charsets.
void OnMemoryPaneMouse(App& app, const MouseEvent& event);
// A left press on the Pen Colour swatch exchanges the two pens; a right press steps the multicolour bit pair
// (00, 01, 10, 11, 00, ...) of the pen it lands on: the disc the left button's, the rest the right button's.
void OnSwatchMouse(App& app, const MouseEvent& event);

// The App's current tool, variant memory and tool column, for the tool selections of views/tool_selection.h
// (the Tools menu commands use them the same way as the buttons and keys).
ToolControls ToolControlsOf(App& app);

// A click on a tool-column button.
void OnToolButton(App& app, GadgetId button);

}  // namespace kx
