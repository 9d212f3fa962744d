#pragma once
// Timing shared by the two benchmarks: every event kind is measured in rounds that alternate with a plain
// memcpy of the editor view picture, so both see the same machine load, and each figure is the median of
// the rounds' ratios.

#include <cstddef>
#include <functional>
#include <vector>

namespace kx::bench {

// Microseconds of processor time `step` takes in this thread (user and system time, without the time
// other processes had the processor).
double TimeMicros(const std::function<void()>& step);

// How many samples one round of one event kind takes: at least `minSamples`, then more until
// `maxMillis` of sampling have passed or `maxSamples` are in.
struct SampleBudget {
  int minSamples = 3;
  int maxSamples = 400;
  double maxMillis = 25;
};

// One event kind. `sample(i)` delivers the i-th event (i counts on across rounds, so pointer walks go on)
// and returns the microseconds of the part that is the event; set-up it needs (a press before a drag,
// a redo before an undo) happens inside, untimed. `begin` and `end` run untimed around each round.
// An event kind without `sample` does not apply to the configuration.
struct EventProbe {
  std::function<void()> begin;
  std::function<double(int)> sample;
  std::function<void()> end;
};

struct EventFigure {
  bool measured = false;
  double micros = 0;  // median over the rounds of each round's median
  double ratio = 0;   // median over the rounds of (event median / memcpy median of the same round)
};

struct ConfigFigures {
  double copyMicros = 0;  // median memcpy of the view picture
  std::vector<EventFigure> events;  // one per probe, in order
};

// Measures every probe in `rounds` rounds; in each round every probe is preceded by its own memcpy
// baseline of `copyBytes` bytes.
ConfigFigures MeasureAlternating(std::size_t copyBytes, std::vector<EventProbe>& probes, int rounds,
                                 const SampleBudget& eventBudget);

// A pointer walk over a w x h area in steps of `step` pixels: along a row, down one step, back along the
// next row, so consecutive points are neighbours, as a hand moves the mouse. Points sit in the middle of
// their step cells.
struct Walk {
  int w, h, step;
  int Cells() const;
  int X(int i) const;
  int Y(int i) const;
};

}  // namespace kx::bench
