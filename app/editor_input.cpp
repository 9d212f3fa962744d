#include "app/editor_input.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "app/app.h"
#include "app/colour_commands.h"
#include "app/event_flow.h"
#include "app/run_command.h"
#include "app/edit_commands.h"
#include "ops/glyph_modes.h"
#include "ops/glyph_tools.h"
#include "views/render.h"
#include "views/status_bar.h"
#include "views/tool_selection.h"

namespace kx {
namespace {

void SetHoverTarget(ViewSession& view, HoverTarget target) {
  view.editing.hoverTarget = target;
  view.editing.hovering = target != HoverTarget::None;
}

void SetHoveredPixel(ViewSession& view, CharsetPoint p) {
  view.editing.hoverX = p.x;
  view.editing.hoverY = p.y;
}

// Remembers where the pointer is, in page coordinates, from an event in the canvas placed at `canvas`.
void RecordPointer(ViewSession& view, const Rect& canvas, const MouseEvent& e) {
  if (e.action == MouseAction::Leave) return;  // a leave carries no position
  view.input.pointerX = canvas.x + e.x;
  view.input.pointerY = canvas.y + e.y;
}

bool Contains(const Rect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// The charset pixel under (x, y) in the pane's own pixels, clamped to the pane.
CharsetPoint PanePixel(int x, int y) {
  return {std::clamp(x, 0, kPaneWidth - 1) / 2, std::clamp(y, 0, kPaneHeight - 1) / 2};
}

// Clears the hover target when the gadget being left is the one that holds it.
void LeaveHover(App& app, HoverTarget other) {
  if (app.view.editing.hoverTarget != other) SetHoverTarget(app.view, HoverTarget::None);
}

void StartSelection(ViewSession& view, CharsetPoint p) {
  GlyphSelection& s = view.editing.selection;
  s.startColumn = s.endColumn = p.x / 8;
  s.startRow = s.endRow = p.y / 8;
  s.selecting = true;
}

void ExtendSelection(ViewSession& view, CharsetPoint p) {
  GlyphSelection& s = view.editing.selection;
  if (!s.Exists()) return;
  s.endColumn = p.x / 8;
  s.endRow = p.y / 8;
}

// Escape and a plain click in the pane end the selection: the glyph keys act on the pointer's glyph again.
void ClearSelection(App& app) { app.view.editing.selection = GlyphSelection{}; }

// Moving with the left button held extends the selection while it is being made or while Ctrl is held.
bool ExtendsSelection(const ViewSession& view, const MouseEvent& e) {
  return e.leftHeld && !e.rightHeld && (view.editing.selection.selecting || e.ctrl);
}

// Every mouse step ends here: the operation scope follows the glyph selection, then the pictures and the
// status bar are redrawn.
void FinishMouseStep(App& app) {
  if (app.view.editing.selection.Exists()) app.view.editing.scope = ScopeOfSelection(app.view.editing.selection);
  MarkHoverChanged(app.view);
}

const Pen& PenOf(const ViewSession& view, MouseButton button) {
  return button == MouseButton::Left ? view.editing.leftPen : view.editing.rightPen;
}

bool IsRubberBand(Tool tool) { return tool == Tool::Line || tool == Tool::HollowBox || tool == Tool::FilledBox; }

// The free-hand tools and the line draw a line, the box tools a box, between the two points.
void DrawShape(App& app, CharsetPoint from, CharsetPoint to, const Pen& pen) {
  const Tool tool = app.view.editing.tool;
  if (tool == Tool::HollowBox || tool == Tool::FilledBox) {
    PlotBox(app.doc.store, from.x, from.y, to.x, to.y, pen, tool == Tool::FilledBox);
  } else {
    PlotLine(app.doc.store, from.x, from.y, to.x, to.y, pen);
  }
}

// A copy or cut press hands over to the paste tool: its button becomes usable and pressed, and so does
// the Paste menu item. A transform without a meaning on a multicolour glyph leaves it and says so.
void ApplyGlyphToolAt(App& app, int glyph) {
  const Tool before = app.view.editing.tool;
  const CharsetStore& store = app.doc.store;
  const std::optional<Transform> transform = TransformOfTool(before);
  if (transform && !TransformActsOn(*transform, GlyphModeOf(store.colours.mode, store.inks[ClampGlyphIndex(glyph)])))
    TellMulticolourGlyphsLeft(app, 1);
  const Tool after = ApplyGlyphTool(app.doc.store, app.doc.glyphStores, before, glyph);
  if (after == before) return;
  ShowToolVariant(ToolControlsOf(app), after);
}

void PressInView(App& app, const MouseEvent& e, CharsetPoint p) {
  if (e.button == MouseButton::None) return;
  if (e.button == MouseButton::Left && e.ctrl) return;  // Ctrl with the left button selects, never draws
  BeginEdit(app, RedoEntries::Drop);
  app.view.input.strokeButton = e.button;
  app.view.input.anchor = p;
  const Tool tool = app.view.editing.tool;
  if (IsGlyphTool(tool)) {
    if (e.button == MouseButton::Left || RightButtonApplies(tool)) ApplyGlyphToolAt(app, GlyphAtPixel(p.x, p.y));
  } else {
    DrawShape(app, p, p, PenOf(app.view, e.button));
  }
  EndEdit(app);
}

void DragInView(App& app, const MouseEvent& e, CharsetPoint p) {
  if (ExtendsSelection(app.view, e)) {
    ExtendSelection(app.view, p);
    return;
  }
  if (e.leftHeld == e.rightHeld) return;
  const MouseButton held = e.leftHeld ? MouseButton::Left : MouseButton::Right;
  if (held != app.view.input.strokeButton) return;  // no stroke was started by this button
  const Pen pen = PenOf(app.view, held);
  EditorInputState& in = app.view.input;
  switch (app.view.editing.tool) {
    case Tool::DottedDraw:
      PlotPixel(app.doc.store, p.x, p.y, pen);
      break;
    case Tool::ContinuousDraw:
      PlotLine(app.doc.store, in.anchor.x, in.anchor.y, p.x, p.y, pen);
      in.anchor = p;
      break;
    case Tool::Line:
    case Tool::HollowBox:
    case Tool::FilledBox:
      // The line or box is drawn for this event's pictures; the next event takes it down again.
      SaveBackup(app.doc.store, in.backup);
      DrawShape(app, in.anchor, p, pen);
      in.rubberBandShown = true;
      break;
    default:
      return;
  }
  MarkCharsetChanged(app.view);
}

void ReleaseInView(App& app, const MouseEvent& e, CharsetPoint p) {
  if (e.button == MouseButton::Left) app.view.editing.selection.selecting = false;
  if (e.button == MouseButton::None || e.button != app.view.input.strokeButton) return;
  app.view.input.strokeButton = MouseButton::None;
  if (!IsRubberBand(app.view.editing.tool)) return;
  DrawShape(app, app.view.input.anchor, p, PenOf(app.view, e.button));
  MarkCharsetChanged(app.view);
}

// Delete, F, R in the editor view and K, I in the pane: the glyph under the pointer, or the whole selection.
void RunGlyphKey(App& app, GlyphKeyAction action, int glyph) {
  BeginEdit(app, RedoEntries::Keep);
  for (int g : GlyphsForKey(app.view.editing.selection, glyph)) ApplyGlyphKey(app.doc.store, action, g);
  EndEdit(app);
}

// Any real key release ends the latch; the release the window system sends with each auto-repeat does not.
bool EndsWithKeyRelease(ViewSession& view, const KeyEvent& e) {
  if (e.action != KeyAction::Release) return false;
  if (!e.autoRepeat) view.input.keyLatch = false;
  return true;
}

// Alt+F opens File, it does not fill a glyph; Ctrl+Delete clears nothing (ActsOnlyWithoutCtrlOrAlt).
bool HeldModifierChord(const KeyEvent& e) { return ActsOnlyWithoutCtrlOrAlt(e.key) && (e.ctrl || e.alt); }

// The command key a key press in the editor view is, to be looked up in the rows' key column. "+" and "-"
// zoom whatever modifier is held (Shift is often needed to type them).
CommandKey EditorKeyOf(const KeyEvent& e) {
  const char character = CharacterOf(e.key);
  if (character == 0) return {};
  if (!IsLetterKey(e.key)) return {KeyScope::EditorView, {character}};
  return {KeyScope::EditorView, {character, 0, e.ctrl, e.shift, e.alt}};
}

// R, I and M act once per press: auto-repeats are ignored until a key is released.
bool TakeKeyLatch(App& app) { return !std::exchange(app.view.input.keyLatch, true); }

void StepPenIndex(App& app, int delta) {
  Pen& pen = app.view.editing.leftPen.kind == PenKind::Set ? app.view.editing.leftPen : app.view.editing.rightPen;
  pen.index = std::clamp(pen.index + delta, 0, 7);
  MarkPensChanged(app.view);
}

struct ScrollKey {
  Key key;
  int dx, dy;
};
constexpr ScrollKey kScrollKeys[] = {{Key::Left, -1, 0}, {Key::Right, 1, 0}, {Key::Up, 0, -1}, {Key::Down, 0, 1}};

// Arrows scroll by one pixel, by a glyph with Shift, and not at all with Ctrl alone.
bool ScrollByKey(App& app, const KeyEvent& e) {
  for (const ScrollKey& k : kScrollKeys) {
    if (k.key != e.key) continue;
    if (e.ctrl && !e.shift) return true;
    const int step = e.shift ? 8 : 1;
    ScrollTo(app, app.view.editing.scrollX + k.dx * step, app.view.editing.scrollY + k.dy * step);
    return true;
  }
  return false;
}

}  // namespace

bool TakeDownRubberBand(App& app) {
  EditorInputState& in = app.view.input;
  if (!in.rubberBandShown) return false;
  RestoreBackup(app.doc.store, in.backup);
  in.rubberBandShown = false;
  MarkCharsetChanged(app.view);
  return true;
}

ToolControls ToolControlsOf(App& app) { return {app.view.editing.tool, app.view.toolMemory, app.shell.tools}; }

void FollowPointer(App& app) {
  const int x = app.view.input.pointerX, y = app.view.input.pointerY;
  const Rect& view = app.view.layout.editorView;
  const Rect& pane = app.view.layout.editorPane;
  switch (app.view.editing.hoverTarget) {
    case HoverTarget::None:
      return;
    case HoverTarget::EditorView:
      // While a stroke runs the pointer belongs to the view wherever it is; the mapping clamps it.
      if (Contains(view, x, y) || app.view.input.strokeButton != MouseButton::None) {
        const EditingState& e = app.view.editing;
        SetHoveredPixel(app.view, MouseToPixel(app.view.layout, e.scrollX, e.scrollY, x - view.x, y - view.y));
      } else {
        SetHoverTarget(app.view, HoverTarget::None);
      }
      break;
    case HoverTarget::EditorPane:
      if (Contains(pane, x, y) || app.view.input.panning) {
        SetHoveredPixel(app.view, PanePixel(x - pane.x, y - pane.y));
      } else {
        SetHoverTarget(app.view, HoverTarget::None);
      }
      break;
  }
  MarkHoverChanged(app.view);
}

// A move over the view while the hover is elsewhere: the view changed size or place under a pointer that
// stood still (a zoom, a resize), and the window system may send no enter when the pointer comes back.
bool ReturnsOverView(const ViewSession& view, const MouseEvent& e) {
  const Rect& r = view.layout.editorView;
  return e.action == MouseAction::Move && view.editing.hoverTarget != HoverTarget::EditorView &&
         Contains({0, 0, r.w, r.h}, e.x, e.y);
}

void OnEditorMouse(App& app, const MouseEvent& e) {
  // The stroke's next step starts from the charset without the rubber band; this event redraws anyway, so
  // the charset image is rebuilt once, at its end.
  TakeDownRubberBand(app);
  const EventScope event(app);
  RecordPointer(app.view, app.view.layout.editorView, e);
  const CharsetPoint p = MouseToPixel(app.view.layout, app.view.editing.scrollX, app.view.editing.scrollY, e.x, e.y);
  if (e.action != MouseAction::Leave) SetHoveredPixel(app.view, p);
  if (ReturnsOverView(app.view, e)) {
    SetHoverTarget(app.view, HoverTarget::EditorView);
    app.shell.requests.focusEditor = true;
  }
  switch (e.action) {
    case MouseAction::Enter:
      SetHoverTarget(app.view, HoverTarget::EditorView);
      app.shell.requests.focusEditor = true;
      break;
    case MouseAction::Leave:
      LeaveHover(app, HoverTarget::EditorPane);
      break;
    case MouseAction::Down:
      PressInView(app, e, p);
      break;
    case MouseAction::Move:
      DragInView(app, e, p);
      break;
    case MouseAction::Up:
      ReleaseInView(app, e, p);
      break;
  }
  FinishMouseStep(app);
}

void OnEditorKey(App& app, const KeyEvent& e, int pointerX, int pointerY) {
  const EventScope event(app);
  if (EndsWithKeyRelease(app.view, e) || HeldModifierChord(e)) return;
  if (ScrollByKey(app, e) || RunCommandKey(app, EditorKeyOf(e))) return;
  const EditingState& editing = app.view.editing;
  const CharsetPoint p = MouseToPixel(app.view.layout, editing.scrollX, editing.scrollY, pointerX, pointerY);
  const int glyph = GlyphAtPixel(p.x, p.y);
  switch (e.key) {
    case Key::Home:
      ScrollTo(app, 0, 0);
      return;
    case Key::End:
      ScrollTo(app, kCharsetWidth, kCharsetHeight);
      return;
    case Key::Delete:
      RunGlyphKey(app, GlyphKeyAction::Clear, glyph);
      break;
    case Key::F:
      RunGlyphKey(app, GlyphKeyAction::Fill, glyph);
      break;
    case Key::R:
      if (!TakeKeyLatch(app)) return;
      RunGlyphKey(app, GlyphKeyAction::Reverse, glyph);
      break;
    case Key::BracketLeft:
    case Key::BracketRight:
      StepPenIndex(app, e.key == Key::BracketLeft ? -1 : 1);
      return;
    case Key::Escape:
      ClearSelection(app);
      MarkViewsChanged(app.view);
      return;
    default:
      return;
  }
  app.shell.requests.focusEditor = true;
}

void OnPaneMouse(App& app, const MouseEvent& e) {
  const EventScope event(app);
  RecordPointer(app.view, app.view.layout.editorPane, e);
  const CharsetPoint p = PanePixel(e.x, e.y);
  if (e.action != MouseAction::Leave) SetHoveredPixel(app.view, p);
  // Panning keeps the clicked pixel in the middle of the editor view.
  const auto centre = [&] {
    ScrollTo(app, p.x - app.view.layout.ColumnsVisible() / 2, p.y - app.view.layout.RowsVisible() / 2);
  };
  switch (e.action) {
    case MouseAction::Enter:
      SetHoverTarget(app.view, HoverTarget::EditorPane);
      break;
    case MouseAction::Leave:
      LeaveHover(app, HoverTarget::EditorView);
      app.shell.requests.focusEditor = true;
      break;
    case MouseAction::Down:
      if (e.button != MouseButton::Left) break;
      if (e.ctrl) {
        StartSelection(app.view, p);
      } else {
        ClearSelection(app);
        app.view.input.panning = true;
        app.shell.requests.handPointer = true;
        centre();
      }
      break;
    case MouseAction::Move:
      if (ExtendsSelection(app.view, e)) {
        ExtendSelection(app.view, p);
      } else if (e.leftHeld && app.view.input.panning) {
        centre();
      }
      break;
    case MouseAction::Up:
      if (e.button != MouseButton::Left) break;
      app.view.editing.selection.selecting = false;
      app.view.input.panning = false;
      app.shell.requests.handPointer = false;
      break;
  }
  FinishMouseStep(app);
}

void OnPaneKey(App& app, const KeyEvent& e) {
  const EventScope event(app);
  if (EndsWithKeyRelease(app.view, e) || HeldModifierChord(e)) return;
  const int glyph = GlyphAtPixel(app.view.editing.hoverX, app.view.editing.hoverY);
  switch (e.key) {
    case Key::I:
      if (TakeKeyLatch(app)) RunGlyphKey(app, GlyphKeyAction::Reverse, glyph);
      break;
    case Key::K:
      RunGlyphKey(app, GlyphKeyAction::Clear, glyph);
      break;
    case Key::J:
      RunSwap(app);
      break;
    case Key::M:
      if (TakeKeyLatch(app)) ToggleMulticolourGlyph(app, glyph);
      break;
    case Key::Escape:
      ClearSelection(app);
      MarkViewsChanged(app.view);
      break;
    default:
      break;
  }
}

void OnMemoryPaneMouse(App& app, const MouseEvent& e) {
  const EventScope event(app);
  if (e.action == MouseAction::Down && e.button == MouseButton::Left) RunSwap(app);
}

void OnSwatchMouse(App& app, const MouseEvent& e) {
  const EventScope event(app);
  if (e.action != MouseAction::Down) return;
  if (e.button == MouseButton::Right) {
    // The disc shows the left button's pen, the box around it the right button's: a right press steps the
    // multicolour pair of the pen it lands on.
    const MouseButton pen = OnSwatchDisc(e.x, e.y) ? MouseButton::Left : MouseButton::Right;
    return ChoosePenPair(app, pen, (PenPairOf(app, pen) + 1) % 4);
  }
  if (e.button != MouseButton::Left) return;
  std::swap(app.view.editing.leftPen, app.view.editing.rightPen);
  MarkPensChanged(app.view);
}

void OnToolButton(App& app, GadgetId button) {
  const EventScope event(app);
  switch (button) {
    case GadgetId::ScreenEditor:
      app.shell.requests.openScreenEditor = true;
      return;
    case GadgetId::Undo:
      RunCommand(app, cmd::Undo);
      return;
    case GadgetId::Redo:
      RunCommand(app, cmd::Redo);
      return;
    case GadgetId::Swap:
      RunSwap(app);
      return;
    default:
      SelectToolButton(ToolControlsOf(app), button);
      app.shell.requests.focusEditor = true;
      return;
  }
}

}  // namespace kx
