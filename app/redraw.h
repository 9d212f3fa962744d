#pragma once
// The redraw steps the commands, tools and file flows end with. They live in one place so that every
// path redraws in the same order.

#include "views/view_pictures.h"

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;
// Once at start-up, after the settings are read: the ROM reference images in the palette as it is then,
// the Pen Colour swatch, the charset image, the editor pane and the editor view.
void RenderStartupPictures(App& app);

// After any change of the editor charset bytes: RebuildCharsetImage, RenderEditorPane, RenderEditorView.
void RedrawAfterCharsetChange(App& app);

// After a mouse step over the editor view or the charset pane: RenderEditorPane, RenderEditorView,
// UpdateStatusBar.
void RedrawAfterMouseStep(App& app);

// After scrolling, zooming or toggling a view option: RenderEditorView, RenderEditorPane (and the Pen
// Colour swatch, whose scanlines follow the emulation options).
void RedrawViews(App& app);

// After the pens change: RenderPenSwatch.
void RedrawPenSwatch(ViewSession& view);

// Before a swap: the charset image as it is now becomes the memory pane picture (smoothed to 512x128).
void CaptureMemoryPanePicture(App& app);

// Marks the edit as an unsaved change and updates the title.
void MarkModified(App& app);

}  // namespace kx
