#pragma once
// One event, one picture. Handlers never compose pictures: they mark what their change affects, and the
// event's entry point ends with FinishEvent, which recomposes each marked picture once, in dependency
// order (charset image → font preview → pane → view), and clears the marks. The adapter then hands what
// changed to the widgets in one place (MainWindow::SyncFromApp).

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;

// The pictures and texts an event has made stale.
struct RedrawMarks {
  bool charset = false;  // the charset image, and so the font preview, pane and view
  bool pane = false;
  bool view = false;
  bool swatch = false;
  bool status = false;   // the hover fields of the status bar
  bool Any() const { return charset || pane || view || swatch || status; }
};

// The editor charset's bytes, inks or the palette changed.
void MarkCharsetChanged(ViewSession& view);
// Scroll, zoom, layout or the selection changed: the view and the pane.
void MarkViewsChanged(ViewSession& view);
// A view option changed: the view, the pane and the swatch (whose scanlines follow the emulation options).
void MarkViewOptionsChanged(ViewSession& view);
// The hover or the selection moved: the view, the pane and the status bar's hover fields.
void MarkHoverChanged(ViewSession& view);
// The pens changed: the swatch shows both, and the editor view's hover cell what a left press would paint.
void MarkPensChanged(ViewSession& view);

// Recomposes what is marked, once, and clears the marks.
void FinishEvent(App& app);

// Ends an event when it goes out of scope, whichever way the entry point returns. Entry points nest (a tool
// button runs a command); only the outermost finishes, so each event composes once.
class EventScope {
 public:
  explicit EventScope(App& app);
  ~EventScope();
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;

 private:
  App& app_;
  bool outermost_;
};

// Once at start-up, after the settings are read: the ROM reference images in the palette as it is then,
// and every other picture.
void RenderStartupPictures(App& app);

// Before a swap: the charset image as it is now becomes the memory pane picture (smoothed to 512x128).
void CaptureMemoryPanePicture(App& app);

// Marks the edit as an unsaved change and updates the title.
void MarkModified(App& app);

}  // namespace kx
