#pragma once
// The view session: how the document is being looked at and worked on. The editing state (tool, zoom,
// scroll, hover, selection), the view options and brightness, the layout of the window's views and every
// picture composed for them, the mouse and key state between events, the font preview and the screen editor.

#include <optional>

#include "app/editor_input.h"
#include "app/event_flow.h"
#include "model/editing_state.h"
#include "model/palette.h"
#include "views/layout.h"
#include "views/tool_selection.h"
#include "views/view_pictures.h"
#include "windows/font_preview.h"
#include "windows/screen_editor.h"

namespace kx {

struct ViewSession {
  EditingState editing;
  ViewOptions options;  // the View menu's options; its ticks show them
  Brightness brightness = Brightness::High;
  Palette palette = MakePalette();
  WindowMetrics window;  // the main window's size as last reported
  ViewLayout layout = LayoutViews(window, editing.zoomIndex);
  ViewPictures pictures;         // every composed picture the main window shows (app/event_flow.h)
  ToolVariantMemory toolMemory;  // the variant each two-variant tool button last used
  EditorInputState input;        // strokes, key latch and panning between events
  FontPreviewState preview;      // the "Preview Auto Creation" window and its picture
  std::optional<ScreenEditor> screenEditor;  // while its window is open
  RedrawMarks marks;     // what the current event has made stale (app/event_flow.h)
  bool inEvent = false;  // an entry point is running; the outermost one finishes the event
};

}  // namespace kx
