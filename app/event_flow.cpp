#include "app/event_flow.h"

#include "app/app.h"
#include "app/editor_input.h"
#include "app/font_preview_commands.h"
#include "app/recovery.h"
#include "views/render.h"
#include "views/status_bar.h"
#include "views/tool_selection.h"

namespace kx {

void MarkCharsetChanged(ViewSession& view) { view.marks.charset = true; }

void MarkViewsChanged(ViewSession& view) { view.marks.view = view.marks.pane = true; }

void MarkViewOptionsChanged(ViewSession& view) {
  MarkViewsChanged(view);
  view.marks.swatch = true;
}

void MarkHoverChanged(ViewSession& view) { view.marks.view = view.marks.pane = view.marks.status = true; }

void MarkPensChanged(ViewSession& view) { view.marks.swatch = view.marks.view = true; }

namespace {

// The charset image as the store has it, when an edit left it stale.
void BringCharsetImageUpToDate(App& app) {
  if (!app.view.marks.charset) return;
  RebuildCharsetImage(app.view.pictures, app.doc.store, app.view.palette);
  RefreshFontPreview(app.view);
  app.view.marks.charset = false;
  app.view.marks.pane = app.view.marks.view = true;
}

}  // namespace

void FinishEvent(App& app) {
  ViewSession& v = app.view;
  // A drawn pixel changes the pair the status bar names under the pointer.
  if (v.marks.charset) v.marks.status = true;
  BringCharsetImageUpToDate(app);
  if (v.marks.pane) RenderEditorPane(v.pictures, v.editing, v.layout, v.options);
  if (v.marks.view) RenderEditorView(v.pictures, v.editing, v.layout, v.palette, v.options);
  if (v.marks.swatch || PenSwatchStale(v.pictures, v.editing)) RenderPenSwatch(v.pictures, v.editing, v.palette, v.options);
  if (v.marks.status) UpdateStatusBar(app.shell.status, v.editing, app.doc.store);
  // Whatever chose the tool (a button, a key, a menu item, a copy press handing over to paste), the field
  // follows; it is assigned only when it changed, so a plain mouse move costs one comparison.
  const std::string_view tool = ToolFieldText(v.editing.tool, app.shell.tools);
  if (app.shell.status.tool != tool) app.shell.status.tool.assign(tool);
  v.marks = {};
  DropStaleRecoveryCopies(app);
}

EventScope::EventScope(App& app) : app_(app), outermost_(!app.view.inEvent) {
  app_.view.inEvent = true;
  // A rubber band left by the last drag step is not part of the charset: every event starts without it,
  // and the charset image follows at once, since the commands that read it (dumps, import) run before
  // the event's composition.
  if (outermost_ && TakeDownRubberBand(app_)) BringCharsetImageUpToDate(app_);
}

EventScope::~EventScope() {
  if (!outermost_) return;
  app_.view.inEvent = false;
  FinishEvent(app_);
}

void CaptureMemoryPanePicture(App& app) {
  BringCharsetImageUpToDate(app);
  CaptureMemoryPane(app.view.pictures);
}

void RenderStartupPictures(App& app) {
  BuildRomReferenceImages(app.view.pictures, app.view.palette);
  MarkCharsetChanged(app.view);
  MarkViewOptionsChanged(app.view);
  FinishEvent(app);
}

void MarkModified(App& app) {
  app.doc.store.modified = true;
  RefreshTitle(app);
}

}  // namespace kx
