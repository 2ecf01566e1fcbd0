#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// Median and 95th percentile of repeated measurements, printed beside the
// floor measured in the same run: on a noisy machine the ratio is what counts.
struct CStats {
  double median = 0;
  double p95 = 0;

  static CStats of(std::vector<double> samples) {
    CStats s;
    if (samples.empty()) {
      return s;
    }
    std::sort(samples.begin(), samples.end());
    s.median = samples[samples.size() / 2];
    s.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
    return s;
  }

  // Times `work` `repetitions` times, each time over `inner` calls, and gives
  // the time of one call in the unit that `scale` converts seconds to.
  template <typename Work>
  static CStats measure(int repetitions, int inner, double scale, Work&& work) {
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(repetitions));
    for (int r = 0; r < repetitions; ++r) {
      const auto start = std::chrono::steady_clock::now();
      for (int i = 0; i < inner; ++i) {
        work();
      }
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      samples.push_back(took.count() * scale / inner);
    }
    return of(std::move(samples));
  }

  // Times `floor` and `work` in alternation, so that drift in the machine's
  // load falls on both alike. Returns {work, floor}.
  template <typename Floor, typename Work>
  static std::pair<CStats, CStats> measurePair(int repetitions, int inner, double scale, Floor&& floor, Work&& work) {
    std::vector<double> floorSamples;
    std::vector<double> workSamples;
    for (int r = 0; r < repetitions; ++r) {
      floorSamples.push_back(measure(1, inner, scale, floor).median);
      workSamples.push_back(measure(1, inner, scale, work).median);
    }
    return {of(std::move(workSamples)), of(std::move(floorSamples))};
  }
};

inline void printRow(const std::string& what, const CStats& s, const CStats& floor) {
  std::printf("| %-44s | %10.3f | %10.3f | %10.3f | %7.2f | %10.3f |\n", what.c_str(), s.median, s.p95, floor.median,
              floor.median > 0 ? s.median / floor.median : 0.0, s.median - floor.median);
}

inline void printHeader(const char* unit) {
  std::printf("| %-44s | %10s | %10s | %10s | %7s | %10s |\n", "", (std::string("median ") + unit).c_str(),
              (std::string("p95 ") + unit).c_str(), (std::string("floor ") + unit).c_str(), "ratio",
              (std::string("over floor")).c_str());
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(12, '-').c_str(),
              std::string(12, '-').c_str(), std::string(12, '-').c_str(), std::string(9, '-').c_str(),
              std::string(12, '-').c_str());
}
