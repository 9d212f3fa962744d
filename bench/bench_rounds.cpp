#include "bench_rounds.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

namespace kx::bench {
namespace {

using Clock = std::chrono::steady_clock;

// The time this thread has spent on the processor. The machine the figures come from is shared, so
// wall-clock time would count the other processes' turns as well.
double ThreadCpuMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// The median of `sample(next++)` over one budget.
double SampleRound(const std::function<double(int)>& sample, int& next, const SampleBudget& budget) {
  std::vector<double> samples;
  const auto start = Clock::now();
  while (static_cast<int>(samples.size()) < budget.minSamples ||
         (static_cast<int>(samples.size()) < budget.maxSamples &&
          std::chrono::duration<double, std::milli>(Clock::now() - start).count() < budget.maxMillis)) {
    samples.push_back(sample(next++));
  }
  return Median(std::move(samples));
}

}  // namespace

double TimeMicros(const std::function<void()>& step) {
  const double t0 = ThreadCpuMicros();
  step();
  return ThreadCpuMicros() - t0;
}

ConfigFigures MeasureAlternating(std::size_t copyBytes, std::vector<EventProbe>& probes, int rounds,
                                 const SampleBudget& eventBudget) {
  std::vector<unsigned char> from(copyBytes, 1), to(copyBytes);
  const auto copy = [&](int i) {
    from[static_cast<std::size_t>(i) % copyBytes] = static_cast<unsigned char>(i);  // not the same copy twice
    return TimeMicros([&] { std::memcpy(to.data(), from.data(), copyBytes); });
  };
  const SampleBudget copyBudget{5, 400, 8};
  int copies = 0;
  for (int i = 0; i < 3; ++i) copy(copies++);  // both buffers in memory before the first figure

  std::vector<double> allCopies;
  std::vector<std::vector<double>> micros(probes.size()), ratios(probes.size());
  std::vector<int> next(probes.size(), 0);
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t p = 0; p < probes.size(); ++p) {
      EventProbe& probe = probes[p];
      if (!probe.sample) continue;
      const double baseline = SampleRound(copy, copies, copyBudget);
      allCopies.push_back(baseline);
      if (probe.begin) probe.begin();
      if (round == 0) {  // the configuration's pictures and the event's own buffers in memory first
        for (int warm = 0; warm < 2; ++warm) probe.sample(next[p]++);
      }
      const double event = SampleRound(probe.sample, next[p], eventBudget);
      if (probe.end) probe.end();
      micros[p].push_back(event);
      ratios[p].push_back(event / baseline);
    }
  }
  ConfigFigures figures;
  figures.copyMicros = Median(allCopies);
  for (std::size_t p = 0; p < probes.size(); ++p) {
    EventFigure f;
    f.measured = !micros[p].empty();
    f.micros = Median(micros[p]);
    f.ratio = Median(ratios[p]);
    figures.events.push_back(f);
  }
  return figures;
}

int Walk::Cells() const { return std::max(1, w / step) * std::max(1, h / step); }

int Walk::X(int i) const {
  const int columns = std::max(1, w / step);
  const int k = i % Cells();
  const int row = k / columns, column = k % columns;
  return (row % 2 == 0 ? column : columns - 1 - column) * step + step / 2;
}

int Walk::Y(int i) const { return (i % Cells()) / std::max(1, w / step) * step + step / 2; }

}  // namespace kx::bench
