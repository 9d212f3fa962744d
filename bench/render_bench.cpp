// Measures the real render code on the two hot paths: one mouse move over the editor view (pane, view,
// status bar) and one edit (charset image, pane, view), at three window sizes, every zoom and the display
// emulation settings. Beside each figure stands a plain memcpy of the editor view picture's bytes at that
// size, measured in the same run, and the ratio to it.
//
// Usage: kx_render_bench [emulation...] — with names (off, scanlines, main, edge, main+edge) only those
// rows are measured.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "app/app.h"
#include "app/redraw.h"
#include "views/render.h"
#include "views/status_bar.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median microseconds of `step`, sampled until about 150 ms or 2000 samples have passed.
double MedianMicros(const std::function<void(int)>& step) {
  std::vector<double> samples;
  const auto start = Clock::now();
  for (int i = 0; i < 3; ++i) step(i);  // warm the buffers
  for (int i = 0; samples.size() < 2000 && (samples.size() < 15 || Clock::now() - start < std::chrono::milliseconds(150));
       ++i) {
    const auto t0 = Clock::now();
    step(i);
    samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

struct Mode {
  const char* name;
  bool scanlines, crtMain, crtEdge;
};

constexpr Mode kModes[] = {
    {"off", false, false, false},
    {"scanlines", true, false, false},
    {"main", false, true, false},
    {"edge", false, false, true},
    {"main+edge", false, true, true},
};

struct Size {
  int w, h;
};
constexpr Size kSizes[] = {{1110, 514}, {1920, 1080}, {3840, 2160}};

}  // namespace

// Whether the rows of `mode` are wanted: all of them without arguments, else those named.
bool Wanted(const Mode& mode, int argc, char** argv) {
  if (argc < 2) return true;
  return std::any_of(argv + 1, argv + argc, [&](const char* arg) { return std::strcmp(arg, mode.name) == 0; });
}

int main(int argc, char** argv) {
  std::printf("| client | zoom | emulation | view | memcpy us | mouse move us | ratio | edit us | ratio |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|\n");
  double worstOffMove = 0, worstOffEdit = 0, worstMainEdgeMove = 0, worstMainEdgeEdit = 0;
  for (const Size& size : kSizes) {
    for (int zoom = 0; zoom < kx::kZoomLevels; ++zoom) {
      for (const Mode& mode : kModes) {
        if (!Wanted(mode, argc, argv)) continue;
        kx::App app;
        app.view.options.scanlines = mode.scanlines;
        app.view.options.crtMain = mode.crtMain;
        app.view.options.crtEdge = mode.crtEdge;
        kx::RenderStartupPictures(app);
        kx::WindowMetrics metrics;
        metrics.clientWidth = size.w;
        metrics.clientHeight = size.h;
        metrics.menuBarHeight = 24;
        metrics.tabHeight = 26;
        metrics.statusBarHeight = 24;
        kx::SetZoom(app, zoom);
        kx::ResizeWindow(app, metrics);
        kx::ScrollTo(app, 3, 5);  // not on a glyph boundary
        app.view.editing.hoverTarget = kx::HoverTarget::EditorView;
        const int cols = app.view.layout.ColumnsVisible(), rows = app.view.layout.RowsVisible();
        const std::size_t bytes = static_cast<std::size_t>(app.view.layout.editorView.w) * app.view.layout.editorView.h * 4;

        std::vector<unsigned char> from(bytes, 1), to(bytes);
        const double copy = MedianMicros([&](int i) {
          from[static_cast<std::size_t>(i) % bytes] = static_cast<unsigned char>(i);
          std::memcpy(to.data(), from.data(), bytes);
        });
        const double move = MedianMicros([&](int i) {
          app.view.editing.hoverX = app.view.editing.scrollX + (i * 7) % cols;
          app.view.editing.hoverY = app.view.editing.scrollY + (i * 3) % rows;
          kx::MarkHoverChanged(app.view);
        });
        const double edit = MedianMicros([&](int i) {
          app.doc.store.editor[static_cast<std::size_t>(i * 13) % app.doc.store.editor.size()] ^= 0x18;
          kx::MarkCharsetChanged(app.view);
        });
        const bool off = !mode.scanlines && !mode.crtMain && !mode.crtEdge;
        if (off) {
          worstOffMove = std::max(worstOffMove, move / copy);
          worstOffEdit = std::max(worstOffEdit, edit / copy);
        }
        if (mode.crtMain && mode.crtEdge) {
          worstMainEdgeMove = std::max(worstMainEdgeMove, move / copy);
          worstMainEdgeEdit = std::max(worstMainEdgeEdit, edit / copy);
        }
        std::printf("| %dx%d | %s | %s | %dx%d | %.1f | %.1f | %.2f | %.1f | %.2f |\n", size.w, size.h,
                    kx::kZoomLabels[zoom], mode.name, app.view.layout.editorView.w, app.view.layout.editorView.h, copy, move,
                    move / copy, edit, edit / copy);
        std::fflush(stdout);
      }
    }
  }
  std::printf("\nworst ratio, emulation off: mouse move %.2f, edit %.2f; main+edge: mouse move %.2f, edit %.2f\n",
              worstOffMove, worstOffEdit, worstMainEdgeMove, worstMainEdgeEdit);
  return 0;
}
