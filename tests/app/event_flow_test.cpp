#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/app.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "views/render.h"

namespace kx {
namespace {

MouseEvent At(MouseAction action, int x, int y, bool leftHeld = false, MouseButton button = MouseButton::None) {
  MouseEvent e;
  e.action = action;
  e.x = x;
  e.y = y;
  e.leftHeld = leftHeld;
  e.button = button;
  return e;
}

KeyEvent Press(Key key) { return KeyEvent{KeyAction::Press, key, false, false, false}; }

struct Counts {
  std::uint64_t view, pane, charset, swatch;
};

Counts CountsOf(const App& app) {
  const PictureVersions& v = app.view.pictures.versions;
  return {v.editorView, v.editorPane, v.charset, v.penSwatch};
}

// Each kind of event the adapter hands over composes the editor view exactly once, and the pane and the
// charset image at most once, however many state changes it makes on the way (a zoom re-lays out, maps the
// hover again and redraws; a drawing step edits, rebuilds the charset and moves the hover). The pen swatch
// is composed only by the events that change how it looks.
TEST(EventFlow, EveryEventComposesTheViewOnce) {
  App app;
  ResizeWindow(app, WindowMetrics{1300, 800, 20, 24, 20});
  OnEditorMouse(app, At(MouseAction::Enter, 40, 40));
  int x = 40;
  struct Event {
    std::string name;
    std::function<void()> run;
    bool swatch = false;
  };
  const Event events[] = {
      {"hover move", [&] { OnEditorMouse(app, At(MouseAction::Move, x += 9, 40)); }},
      {"drawing press", [&] { OnEditorMouse(app, At(MouseAction::Down, x, 40, true, MouseButton::Left)); }},
      {"drawing step", [&] { OnEditorMouse(app, At(MouseAction::Move, x += 9, 48, true)); }},
      {"drawing release", [&] { OnEditorMouse(app, At(MouseAction::Up, x, 48, false, MouseButton::Left)); }},
      {"line tool and press",
       [&] {
         OnToolButton(app, GadgetId::Line);  // changes no picture by itself
         OnEditorMouse(app, At(MouseAction::Down, x, 60, true, MouseButton::Left));
       }},
      {"line drag", [&] { OnEditorMouse(app, At(MouseAction::Move, x += 17, 90, true)); }},
      {"line release", [&] { OnEditorMouse(app, At(MouseAction::Up, x, 90, false, MouseButton::Left)); }},
      {"pane press", [&] { OnPaneMouse(app, At(MouseAction::Down, 300, 60, true, MouseButton::Left)); }},
      {"pane pan", [&] { OnPaneMouse(app, At(MouseAction::Move, 340, 70, true)); }},
      {"pane release", [&] { OnPaneMouse(app, At(MouseAction::Up, 340, 70, false, MouseButton::Left)); }},
      {"key scroll", [&] { OnEditorKey(app, Press(Key::Left), 40, 40); }},
      {"zoom in", [&] { RunCommand(app, cmd::ZoomIn); }},
      {"zoom out", [&] { RunCommand(app, cmd::ZoomOut); }},
      {"zoom key", [&] { OnEditorKey(app, Press(Key::Plus), 40, 40); }},
      {"zoom box", [&] { OnZoomChosen(app, 1); }},
      {"scroll bars", [&] { OnScrollBars(app, 20, 8); }},
      {"whole-charset transform", [&] { RunCommand(app, 330); }},  // "Rotate Entire Charset"
      {"undo", [&] { RunCommand(app, cmd::Undo); }},
      {"swap", [&] { RunCommand(app, cmd::Swap); }},
      {"brightness", [&] { RunCommand(app, cmd::BrightnessLow); }, true},
      {"view option", [&] { RunCommand(app, cmd::ScanlineEmulation); }, true},
      {"pen step", [&] { OnEditorKey(app, Press(Key::BracketRight), 40, 40); }, true},
      {"resize", [&] { ResizeWindow(app, WindowMetrics{1500, 900, 20, 24, 20}); }},
  };
  for (const auto& [name, event, swatch] : events) {
    const Counts before = CountsOf(app);
    event();
    const Counts after = CountsOf(app);
    EXPECT_EQ(after.view - before.view, 1u) << name;
    EXPECT_LE(after.pane - before.pane, 1u) << name;
    EXPECT_LE(after.charset - before.charset, 1u) << name;
    EXPECT_EQ(after.swatch - before.swatch, swatch ? 1u : 0u) << name;
    EXPECT_FALSE(app.view.marks.Any()) << name << " left marks behind";
  }
}

// The hover cell shows what a left press would paint, in the left pen's colour: a swap of the pens or a
// step of the pen's colour recolours it at once.
TEST(EventFlow, PenChangesRecolourTheHoverCell) {
  App app;
  ResizeWindow(app, WindowMetrics{1300, 800, 20, 24, 20});
  OnEditorMouse(app, At(MouseAction::Enter, 40, 40));
  OnEditorMouse(app, At(MouseAction::Move, 41, 40));
  const MouseEvent click = At(MouseAction::Down, 5, 5, true, MouseButton::Left);
  const std::pair<std::string, std::function<void()>> events[] = {
      {"]", [&] { OnEditorKey(app, Press(Key::BracketRight), 41, 40); }},
      {"[", [&] { OnEditorKey(app, Press(Key::BracketLeft), 41, 40); }},
      {"swatch click", [&] { OnSwatchMouse(app, click); }},
  };
  for (const auto& [name, event] : events) {
    const Rgb before = app.view.pictures.viewSource.hoverCell.colour;
    event();
    ViewPictures fresh;
    RebuildCharsetImage(fresh, app.doc.store, app.view.palette);
    RenderEditorView(fresh, app.view.editing, app.view.layout, app.view.palette, app.view.options);
    EXPECT_NE(fresh.viewSource.hoverCell.colour, before) << name;
    EXPECT_EQ(app.view.pictures.editorView, fresh.editorView) << name;
  }
}

// A tool button that runs a command is one event, not two; a tool choice composes nothing.
TEST(EventFlow, NestedEntryPointsFinishOnce) {
  App app;
  RunCommand(app, cmd::EraseAll);
  const Counts before = CountsOf(app);
  OnToolButton(app, GadgetId::Undo);
  EXPECT_EQ(CountsOf(app).view - before.view, 1u);
  EXPECT_EQ(CountsOf(app).charset - before.charset, 1u);
  OnToolButton(app, GadgetId::Fill);
  EXPECT_EQ(CountsOf(app).view - before.view, 1u);
}

}  // namespace
}  // namespace kx
