#include "bench_report.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "views/gadgets.h"

namespace kx::bench {
namespace {

constexpr const char* kEventNames[kEventKinds] = {"hover", "draw", "line drag", "pane pan", "key scroll",
                                                  "zoom in", "zoom out", "transform", "undo"};

// The summary's groups: hover, drawing step, line drag and the full-frame events.
struct Group {
  const char* name;
  std::vector<EventKind> kinds;
};
const std::vector<Group>& Groups() {
  static const std::vector<Group> groups = {
      {"hover", {Hover}},
      {"draw", {Draw}},
      {"line drag", {LineDrag}},
      {"frame", {PanePan, KeyScroll, ZoomIn, ZoomOut, Transform, Undo}},
  };
  return groups;
}

double Worst(const std::vector<EventFigure>& events, const Group& group) {
  double worst = 0;
  for (EventKind k : group.kinds) {
    if (events[k].measured) worst = std::max(worst, events[k].ratio);
  }
  return worst;
}

void Off(ViewOptions& o) { o.scanlines = o.crtMain = o.crtEdge = false; }
void MainEdge(ViewOptions& o) {
  Off(o);
  o.crtMain = o.crtEdge = true;
}
void All(ViewOptions& o) {
  for (bool* option : {&o.charGrid, &o.pixelGrid, &o.hoverChar, &o.hoverPixel, &o.paneFrame, &o.paneFade,
                       &o.highlights, &o.scanlines, &o.crtMain, &o.crtEdge, &o.emulationOnGrids}) {
    *option = true;
  }
}

}  // namespace

const std::vector<EmulationMode>& EmulationModes() {
  static const std::vector<EmulationMode> modes = {{"off", Off}, {"main+edge", MainEdge}, {"all", All}};
  return modes;
}

std::vector<EmulationMode> ModesFromArguments(int argc, char** argv) {
  if (argc < 2) return EmulationModes();
  std::vector<EmulationMode> chosen;
  for (int i = 1; i < argc; ++i) {
    const auto& modes = EmulationModes();
    const auto it = std::find_if(modes.begin(), modes.end(), [&](const EmulationMode& m) { return std::strcmp(m.name, argv[i]) == 0; });
    if (it == modes.end()) {
      std::fprintf(stderr, "unknown emulation setting %s (off, main+edge, all)\n", argv[i]);
    } else {
      chosen.push_back(*it);
    }
  }
  return chosen;
}

bool TakeMulticolourArgument(int& argc, char** argv) {
  bool found = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "mc") == 0) {
      found = true;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return found;
}

void ShowAllMulticolour(CharsetStore& store) {
  store.colours.mode = DisplayMode::Multicolour;
  store.inks.fill(kMulticolourBit | 1);
}

void Report::PrintHeader() const {
  std::printf("| client | zoom | emulation | view | memcpy us |");
  for (const char* name : kEventNames) std::printf(" %s |", name);
  std::printf("\n|---|---|---|---|---|");
  for (int i = 0; i < kEventKinds; ++i) std::printf("---|");
  std::printf("\n");
}

void Report::Add(const ClientSize& size, int zoomIndex, const char* mode, int viewW, int viewH, const ConfigFigures& f) {
  std::printf("| %dx%d | %s | %s | %dx%d | %.0f |", size.w, size.h, kZoomLabels[zoomIndex], mode, viewW, viewH,
              f.copyMicros);
  for (const EventFigure& e : f.events) {
    if (e.measured) {
      std::printf(" %.2f |", e.ratio);
    } else {
      std::printf(" - |");
    }
  }
  std::printf("\n");
  std::fflush(stdout);
  rows_.push_back({size, mode, f.events});
}

void Report::PrintSummary(const std::vector<std::string>& lastLineModes) const {
  std::vector<std::string> modes;
  for (const Row& row : rows_) {
    if (std::find(modes.begin(), modes.end(), row.mode) == modes.end()) modes.push_back(row.mode);
  }
  const auto worst = [&](const std::string& mode, const ClientSize* size, const Group& group) {
    double w = 0;
    for (const Row& row : rows_) {
      if (row.mode == mode && (!size || (row.size.w == size->w && row.size.h == size->h))) {
        w = std::max(w, Worst(row.events, group));
      }
    }
    return w;
  };
  std::printf("\nWorst ratio over the zooms (frame: the worst of pane pan, key scroll, zoom in and out, transform, undo)\n\n");
  std::printf("| emulation | client |");
  for (const Group& g : Groups()) std::printf(" %s |", g.name);
  std::printf("\n|---|---|");
  for (std::size_t i = 0; i < Groups().size(); ++i) std::printf("---|");
  std::printf("\n");
  for (const std::string& mode : modes) {
    for (const ClientSize& size : kClientSizes) {
      std::printf("| %s | %dx%d |", mode.c_str(), size.w, size.h);
      for (const Group& g : Groups()) std::printf(" %.2f |", worst(mode, &size, g));
      std::printf("\n");
    }
  }
  std::printf("\nworst ratios:");
  const char* separator = " ";
  for (const std::string& mode : lastLineModes) {
    if (std::find(modes.begin(), modes.end(), mode) == modes.end()) continue;
    std::printf("%s%s hover %.2f draw %.2f frame %.2f", separator, mode.c_str(), worst(mode, nullptr, Groups()[0]),
                worst(mode, nullptr, Groups()[1]), worst(mode, nullptr, Groups()[3]));
    separator = "; ";
  }
  std::printf("\n");
}

}  // namespace kx::bench
