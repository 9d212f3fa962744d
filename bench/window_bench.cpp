// Times the real main window on the offscreen platform, one event at a time, per event kind: the events
// go through Qt as the window system would deliver them (the pointer moved over the canvas, mouse presses
// and moves with a button held, key clicks, menu actions triggered), and each sample lasts until the
// window has painted what the event changed. Same event kinds, client sizes and figures as
// kx_render_bench (bench_report.h); the main window is resized to each client size.
//
// Usage: kx_window_bench [mc] [off] [main+edge] [all] — with names only those emulation settings are
// measured; with mc every glyph is shown as multicolour pixels.

#include <chrono>
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

#include "app/command_ids.h"
#include "app/transform_families.h"
#include "bench_report.h"
#include "bench_rounds.h"
#include "gui/canvas_widget.h"
#include "gui/frame_pacer.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"

namespace kx::bench {
namespace {

// Counts the paint events of the widgets it watches, to tell that a sample lasted until the painting.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// Delivers what the event posted, the repaint of the widgets it changed included: Qt posts the update
// request of a window to the event queue, and the painting happens when it is handled.
void Settle() { QCoreApplication::processEvents(); }

void Trigger(MainWindow& window, CommandId id) {
  window.Menus()->Actions(id).front()->trigger();
  Settle();
}

CommandId EntireCharsetFlip() { return FamilyCommandId(*FamilyOf(Transform::FlipHorizontal), FamilyScope::Entire); }

// A stroke with the current tool along `walk` over `canvas`: every step is a move with the stroke's
// button held. The continuous tool alternates the button each time the walk starts over, so every pass
// changes pixels.
struct Stroke {
  QWidget* canvas;
  Walk walk;
  bool alternate;
  Qt::MouseButton held = Qt::NoButton;

  Qt::MouseButton ButtonFor(int i) const {
    return alternate && (i / walk.Cells()) % 2 == 1 ? Qt::RightButton : Qt::LeftButton;
  }
  void Release(QPoint at) {
    if (held == Qt::NoButton) return;
    QTest::mouseRelease(canvas, held, Qt::NoModifier, at);
    held = Qt::NoButton;
    Settle();
  }
  double Step(int i) {
    const QPoint at(walk.X(i), walk.Y(i));
    if (ButtonFor(i) != held) {
      Release(at);
      held = ButtonFor(i);
      QTest::mousePress(canvas, held, Qt::NoModifier, at);
      Settle();
    }
    return TimeMicros([&] {
      QTest::mouseMove(canvas, at);
      Settle();
    });
  }
};

ConfigFigures MeasureConfig(MainWindow& window, App& app) {
  CanvasWidget* canvas = window.EditorCanvas();
  CanvasWidget* pane = window.EditorPane();
  const QPoint middle = canvas->rect().center();
  const Walk viewWalk{canvas->width(), canvas->height(), app.view.layout.blockSize};
  const Walk paneWalk{pane->width(), pane->height(), 2};
  const int zoom = app.view.editing.zoomIndex;
  Stroke draw{canvas, viewWalk, true};
  Stroke line{canvas, viewWalk, false};
  // Moving the pointer without a button goes through the window system, enter and leave events included.
  const auto pointAt = [](QWidget* w, QPoint at) { QTest::mouseMove(w, at); Settle(); };
  const auto enterView = [&] { pointAt(canvas, middle); };

  std::vector<EventProbe> probes(kEventKinds);
  probes[Hover] = {enterView, [&](int i) {
                     return TimeMicros([&] { pointAt(canvas, QPoint(viewWalk.X(i), viewWalk.Y(i))); });
                   }, {}};
  probes[Draw] = {[&] {
                    enterView();
                    Trigger(window, cmd::DrawContinuous);
                  },
                  [&](int i) { return draw.Step(i); }, [&] { draw.Release(middle); }};
  probes[LineDrag] = {[&] {
                        enterView();
                        Trigger(window, cmd::LineDraw);
                      },
                      [&](int i) { return line.Step(i); }, [&] { line.Release(middle); }};
  probes[PanePan] = {[&] {
                       pointAt(pane, pane->rect().center());
                       QTest::mousePress(pane, Qt::LeftButton, Qt::NoModifier, pane->rect().center());
                       Settle();
                     },
                     [&](int i) {
                       return TimeMicros([&] { pointAt(pane, QPoint(paneWalk.X(i), paneWalk.Y(i))); });
                     },
                     [&] {
                       QTest::mouseRelease(pane, Qt::LeftButton, Qt::NoModifier, pane->rect().center());
                       Settle();
                     }};
  probes[KeyScroll] = {enterView, [&](int i) {
                         static constexpr Qt::Key kCycle[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
                         return TimeMicros([&] {
                           QTest::keyClick(canvas, kCycle[i % 4]);
                           Settle();
                         });
                       }, {}};
  // Both zoom events land on the row's zoom: the step away from it is untimed.
  if (zoom > 0) {
    probes[ZoomIn].sample = [&](int) {
      Trigger(window, cmd::ZoomOut);
      return TimeMicros([&] { Trigger(window, cmd::ZoomIn); });
    };
  }
  if (zoom < kZoomLevels - 1) {
    probes[ZoomOut].sample = [&](int) {
      Trigger(window, cmd::ZoomIn);
      return TimeMicros([&] { Trigger(window, cmd::ZoomOut); });
    };
  }
  probes[Transform].sample = [&](int) { return TimeMicros([&] { Trigger(window, EntireCharsetFlip()); }); };
  probes[Undo].sample = [&](int) {
    if (app.doc.history.CanRedo()) {
      Trigger(window, cmd::Redo);
    } else if (!app.doc.history.CanUndo()) {
      Trigger(window, EntireCharsetFlip());
    }
    return TimeMicros([&] { Trigger(window, cmd::Undo); });
  };
  const Rect& view = app.view.layout.editorView;
  return MeasureAlternating(static_cast<std::size_t>(view.w) * view.h * 4, probes, 3, SampleBudget{3, 300, 25});
}

}  // namespace
}  // namespace kx::bench

int main(int argc, char** argv) {
  using namespace kx;
  using namespace kx::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  const auto start = std::chrono::steady_clock::now();
  const bool multicolour = TakeMulticolourArgument(argc, argv);
  const std::vector<EmulationMode> modes = ModesFromArguments(argc, argv);
  if (modes.empty()) return 1;
  Report report;
  report.PrintHeader();
  PaintCounter counter;  // the editor canvas's paints, reported at the end as a check that painting was timed
  for (const ClientSize& size : kClientSizes) {
    for (const EmulationMode& mode : modes) {
      App app;
      mode.apply(app.view.options);
      if (multicolour) ShowAllMulticolour(app.doc.store);
      MainWindow window(app);
      // Every sample lasts until its event is painted: the window may not hold a repaint for a frame's end.
      window.Pacer()->SetFrameMillis(0);
      window.show();
      if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
      }
      window.resize(size.w, size.h);
      Settle();
      if (window.width() != size.w || window.height() != size.h) {
        std::fprintf(stderr, "the main window is %dx%d, not %dx%d\n", window.width(), window.height(), size.w, size.h);
      }
      window.EditorCanvas()->installEventFilter(&counter);
      for (int zoom = 0; zoom < kZoomLevels; ++zoom) {
        window.ZoomBox()->setCurrentIndex(zoom);
        window.HorizontalBar()->setValue(3);  // not on a glyph boundary
        window.VerticalBar()->setValue(5);
        Settle();
        const ConfigFigures figures = MeasureConfig(window, app);
        report.Add(size, zoom, mode.name, app.view.layout.editorView.w, app.view.layout.editorView.h, figures);
      }
    }
  }
  std::fprintf(stderr, "measured in %.0f s; the editor canvas was painted %d times\n",
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), counter.paints);
  report.PrintSummary({"off", "main+edge", "all"});
  return 0;
}
