// Times the core entry points the Qt adapter calls, one event at a time, per event kind: a hover move over
// the editor view, a drawing step and a line drag step with the left button held, a pan step in the
// charset pane, an arrow key, Zoom In and Zoom Out, a whole-charset transform and Undo. Every client
// size, zoom and emulation setting is a row; each figure is the ratio to a memcpy of the editor view
// picture at that size (bench_rounds.h). The last line holds the worst ratios.
//
// Usage: kx_render_bench [mc] [off] [main+edge] [all] — with names only those emulation settings are
// measured; with mc every glyph is shown as multicolour pixels.

#include <chrono>
#include <cstdio>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "app/transform_families.h"
#include "bench_report.h"
#include "bench_rounds.h"

namespace kx::bench {
namespace {

MouseEvent Mouse(MouseAction action, int x, int y, MouseButton button = MouseButton::None,
                 MouseButton held = MouseButton::None) {
  MouseEvent e;
  e.action = action;
  e.x = x;
  e.y = y;
  e.button = button;
  e.leftHeld = held == MouseButton::Left;
  e.rightHeld = held == MouseButton::Right;
  return e;
}

KeyEvent KeyPress(Key key) {
  KeyEvent e;
  e.key = key;
  return e;
}

CommandId EntireCharsetFlip() { return FamilyCommandId(*FamilyOf(Transform::FlipHorizontal), FamilyScope::Entire); }

// A stroke with the current tool along `walk`: every step is a move with the stroke's button held. The
// continuous tool alternates the button each time the walk starts over, so every pass changes pixels.
struct Stroke {
  App& app;
  Walk walk;
  bool alternate;
  MouseButton held = MouseButton::None;

  MouseButton ButtonFor(int i) const {
    return alternate && (i / walk.Cells()) % 2 == 1 ? MouseButton::Right : MouseButton::Left;
  }
  void Release(int x, int y) {
    if (held == MouseButton::None) return;
    OnEditorMouse(app, Mouse(MouseAction::Up, x, y, held));
    held = MouseButton::None;
  }
  double Step(int i) {
    const int x = walk.X(i), y = walk.Y(i);
    if (ButtonFor(i) != held) {
      Release(x, y);
      held = ButtonFor(i);
      OnEditorMouse(app, Mouse(MouseAction::Down, x, y, held, held));
    }
    return TimeMicros([&] { OnEditorMouse(app, Mouse(MouseAction::Move, x, y, MouseButton::None, held)); });
  }
};

ConfigFigures MeasureConfig(App& app) {
  const Rect view = app.view.layout.editorView;
  const Rect pane = app.view.layout.editorPane;
  const int block = app.view.layout.blockSize;
  const Walk viewWalk{view.w, view.h, block};
  const Walk paneWalk{pane.w, pane.h, 2};
  const int zoom = app.view.editing.zoomIndex;
  Stroke draw{app, viewWalk, true};
  Stroke line{app, viewWalk, false};
  const auto enterView = [&] { OnEditorMouse(app, Mouse(MouseAction::Enter, view.w / 2, view.h / 2)); };
  const auto leaveView = [&] { OnEditorMouse(app, Mouse(MouseAction::Leave, 0, 0)); };

  std::vector<EventProbe> probes(kEventKinds);
  probes[Hover] = {enterView,
                   [&](int i) {
                     return TimeMicros([&] { OnEditorMouse(app, Mouse(MouseAction::Move, viewWalk.X(i), viewWalk.Y(i))); });
                   },
                   leaveView};
  probes[Draw] = {[&] {
                    enterView();
                    RunCommand(app, cmd::DrawContinuous);
                  },
                  [&](int i) { return draw.Step(i); },
                  [&] {
                    draw.Release(view.w / 2, view.h / 2);
                    leaveView();
                  }};
  probes[LineDrag] = {[&] {
                        enterView();
                        RunCommand(app, cmd::LineDraw);
                      },
                      [&](int i) { return line.Step(i); },
                      [&] {
                        line.Release(view.w / 2, view.h / 2);
                        leaveView();
                      }};
  probes[PanePan] = {[&] {
                       OnPaneMouse(app, Mouse(MouseAction::Enter, pane.w / 2, pane.h / 2));
                       OnPaneMouse(app, Mouse(MouseAction::Down, pane.w / 2, pane.h / 2, MouseButton::Left, MouseButton::Left));
                     },
                     [&](int i) {
                       return TimeMicros([&] {
                         OnPaneMouse(app, Mouse(MouseAction::Move, paneWalk.X(i), paneWalk.Y(i), MouseButton::None, MouseButton::Left));
                       });
                     },
                     [&] {
                       OnPaneMouse(app, Mouse(MouseAction::Up, pane.w / 2, pane.h / 2, MouseButton::Left));
                       OnPaneMouse(app, Mouse(MouseAction::Leave, 0, 0));
                     }};
  probes[KeyScroll] = {enterView,
                       [&](int i) {
                         static constexpr Key kCycle[] = {Key::Right, Key::Down, Key::Left, Key::Up};
                         return TimeMicros([&] { OnEditorKey(app, KeyPress(kCycle[i % 4]), view.w / 2, view.h / 2); });
                       },
                       leaveView};
  // Both zoom events land on the row's zoom: the step away from it is untimed.
  if (zoom > 0) {
    probes[ZoomIn].sample = [&](int) {
      RunCommand(app, cmd::ZoomOut);
      return TimeMicros([&] { RunCommand(app, cmd::ZoomIn); });
    };
  }
  if (zoom < kZoomLevels - 1) {
    probes[ZoomOut].sample = [&](int) {
      RunCommand(app, cmd::ZoomIn);
      return TimeMicros([&] { RunCommand(app, cmd::ZoomOut); });
    };
  }
  probes[Transform].sample = [&](int) { return TimeMicros([&] { RunCommand(app, EntireCharsetFlip()); }); };
  probes[Undo].sample = [&](int) {
    if (CommandAvailable(app, cmd::Redo)) {
      RunCommand(app, cmd::Redo);
    } else if (!CommandAvailable(app, cmd::Undo)) {
      RunCommand(app, EntireCharsetFlip());
    }
    return TimeMicros([&] { RunCommand(app, cmd::Undo); });
  };
  return MeasureAlternating(static_cast<std::size_t>(view.w) * view.h * 4, probes, 5, SampleBudget{3, 400, 25});
}

// The window at `size` with the bars of the Qt main window, at `zoom`, scrolled off the glyph boundaries.
void Configure(App& app, const ClientSize& size, int zoom, const EmulationMode& mode, bool multicolour) {
  mode.apply(app.view.options);
  if (multicolour) ShowAllMulticolour(app.doc.store);
  WindowMetrics metrics;
  metrics.clientWidth = size.w;
  metrics.clientHeight = size.h;
  metrics.menuBarHeight = 24;
  metrics.tabHeight = 26;
  metrics.statusBarHeight = 24;
  ResizeWindow(app, metrics);
  OnZoomChosen(app, zoom);
  OnScrollBars(app, 3, 5);
}

}  // namespace
}  // namespace kx::bench

int main(int argc, char** argv) {
  using namespace kx;
  using namespace kx::bench;
  const auto start = std::chrono::steady_clock::now();
  const bool multicolour = TakeMulticolourArgument(argc, argv);
  const std::vector<EmulationMode> modes = ModesFromArguments(argc, argv);
  if (modes.empty()) return 1;
  Report report;
  report.PrintHeader();
  {
    App warmUp;
    Configure(warmUp, kClientSizes[0], 0, modes.front(), multicolour);
    MeasureConfig(warmUp);
  }
  for (const ClientSize& size : kClientSizes) {
    for (int zoom = 0; zoom < kZoomLevels; ++zoom) {
      for (const EmulationMode& mode : modes) {
        App app;
        Configure(app, size, zoom, mode, multicolour);
        const ConfigFigures figures = MeasureConfig(app);
        report.Add(size, zoom, mode.name, app.view.layout.editorView.w, app.view.layout.editorView.h, figures);
      }
    }
  }
  std::fprintf(stderr, "measured in %.0f s\n",
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  report.PrintSummary({"off", "all"});
  return 0;
}
