#pragma once
// What both benchmarks measure and how they print it: the event kinds, the client sizes, the emulation
// settings, the markdown tables and the closing line of worst ratios.

#include <string>
#include <vector>

#include "bench_rounds.h"
#include "views/view_pictures.h"

namespace kx::bench {

// The event kinds, in the order of the table's columns. The full-frame kinds recompose the whole view.
enum EventKind { Hover, Draw, LineDrag, PanePan, KeyScroll, ZoomIn, ZoomOut, Transform, Undo, kEventKinds };

struct ClientSize {
  int w, h;
};
inline constexpr ClientSize kClientSizes[] = {{1110, 514}, {1920, 1080}, {3840, 2160}};

struct EmulationMode {
  const char* name;
  void (*apply)(ViewOptions&);
};
// off: no display emulation; main+edge: both CRT passes; all: every View option on.
const std::vector<EmulationMode>& EmulationModes();

// The modes named on the command line (all of them without names); prints the unknown ones.
std::vector<EmulationMode> ModesFromArguments(int argc, char** argv);

// Whether "mc" is among the arguments, taking it out of them: the charset is then shown in multicolour mode
// with every glyph multicolour, the most work a picture of it takes.
bool TakeMulticolourArgument(int& argc, char** argv);
void ShowAllMulticolour(CharsetStore& store);

// Collects the figures of every configuration, prints each as a table row at once and the summaries
// at the end.
class Report {
 public:
  void PrintHeader() const;
  void Add(const ClientSize& size, int zoomIndex, const char* mode, int viewW, int viewH, const ConfigFigures& f);
  // The worst ratio of every event group per emulation mode and client size, then per mode over all
  // sizes; the last line names each mode in `lastLineModes` (when measured) with its worst hover, drawing
  // step and full-frame ratios.
  void PrintSummary(const std::vector<std::string>& lastLineModes) const;

 private:
  struct Row {
    ClientSize size;
    std::string mode;
    std::vector<EventFigure> events;
  };
  std::vector<Row> rows_;
};

}  // namespace kx::bench
