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

// The pointer moving to and fro between a and b, as moves with no button reach the window's handler.
inline void moveBetween(benchmark::State& state, GameWindow& w, QPoint a, QPoint b) {
    bool flip = false;
    for (auto _ : state) {
        const QPoint& p = flip ? a : b;
        w.handlePointer(Pointer{0, 0, p.x(), p.y()});
        flip = !flip;
    }
}

// The pointer moving between two free cells of a new game: each move redraws both and refreshes.
inline void crossCells(benchmark::State& state, Scene& s) {
    s.toBoard();
    const int paints0 = s.paints();
    moveBetween(state, *s.window, cellCentre(3, 3), cellCentre(4, 3));
    if (s.platform->refreshes != static_cast<int>(state.iterations()))
        state.SkipWithError("not one refresh per event");
    reportPaints(state, s, paints0);
}

// The answer clock of a question, every angle in turn, never reaching the time-out.
inline void tickClock(benchmark::State& state, Scene& s) {
    s.toQuestion();
    GameWindow& w = *s.window;
    Match& m = w.match();
    const Cell cell = m.chosenCell();
    const Question q = m.question();
    int k = 0;
    const int paints0 = s.paints();
    for (auto _ : state) {
        m.setUpQuestion(cell, q, static_cast<float>(360 - k));
        k = (k + 1) % 359;
        w.questionPanel().clockTick();
    }
    if (m.screen() != Screen::Question) state.SkipWithError("the question ended");
    reportPaints(state, s, paints0);
}

} // namespace bench
