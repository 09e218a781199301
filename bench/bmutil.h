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

// As ready, and when range(1) asks for it, makes every refresh also repaint the shown window.
inline bool readyWithRepaint(benchmark::State& state, Scene& s) {
    if (!ready(state, s)) return false;
    if (state.range(1) && !s.repaintOnRefresh()) {
        state.SkipWithError("the window was never exposed");
        return false;
    }
    return true;
}

// Paint events per iteration, to show that the repaint variants really painted.
inline void reportPaints(benchmark::State& state, const Scene& s, int before) {
    if (s.paintCounter)
        state.counters["paints"] =
            benchmark::Counter(s.paints() - before, benchmark::Counter::kAvgIterations);
}

} // namespace bench
