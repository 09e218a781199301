// Small helpers shared by the benchmark files.
#pragma once

#include "scene.h"

#include <benchmark/benchmark.h>

namespace bench {

// Arg 0 of the drawing benchmarks: 0 fixture pictures, 1 the built program's (they carry transparency).
inline Pictures picturesOf(const benchmark::State& state) {
    return state.range(0) == 0 ? Pictures::Fixture : Pictures::Real;
}

inline bool ready(benchmark::State& state, const Scene& s) {
    if (s.loaded && s.error.isEmpty()) return true;
    state.SkipWithError(qPrintable(s.error));
    return false;
}

// Paint events per iteration, to show that the repaint variants really painted.
inline void reportPaints(benchmark::State& state, const Scene& s, int before) {
    if (s.paintCounter)
        state.counters["paints"] =
            benchmark::Counter(s.paints() - before, benchmark::Counter::kAvgIterations);
}

} // namespace bench
