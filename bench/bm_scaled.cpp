// The hot paths at high resolution, as the program shows them: the window at the 200 % zoom step
// (1600 x 1200) and full screen on a 2560 x 1600 screen (the game at 2.665, letterboxed), with the real
// pictures (the 2x set) and every refresh repainting the view.
#include "bmutil.h"
#include "canvas.h"

#include <QPainter>
#include <cmath>

#include <chrono>

using namespace board;

namespace {

using Clock = std::chrono::steady_clock;

// Arg 0: 0 the window at 200 %, 1 full screen on 2560 x 1600.
bool readyScaled(benchmark::State& state, bench::Scene& s) {
    if (!bench::ready(state, s)) return false;
    if (!s.showScaled(state.range(0) == 1)) {
        state.SkipWithError("the scaled view was never exposed");
        return false;
    }
    const double want = state.range(0) == 1 ? 2.665 : 2.0;
    const double shown = s.window->shownFrame().devicePixelRatio();
    if (std::abs(shown - want) > 1e-6) {
        state.SkipWithError(qPrintable(QStringLiteral("drawn at %1, not %2").arg(shown).arg(want)));
        return false;
    }
    return true;
}

void BM_PointerCrossesCellScaled(benchmark::State& state) {
    bench::Scene s(bench::Pictures::Real);
    if (readyScaled(state, s)) bench::crossCells(state, s);
}
BENCHMARK(BM_PointerCrossesCellScaled)->Arg(0)->Arg(1)->ArgName("fullscreen")->Unit(benchmark::kMicrosecond);

void BM_ClockTickScaled(benchmark::State& state) {
    bench::Scene s(bench::Pictures::Real);
    if (readyScaled(state, s)) bench::tickClock(state, s);
}
BENCHMARK(BM_ClockTickScaled)->Arg(0)->Arg(1)->ArgName("fullscreen")->Unit(benchmark::kMicrosecond);

// One frame of the capture animation: the whole capture, pauses skipped, over its frames.
void BM_CaptureFrameScaled(benchmark::State& state) {
    bench::Scene s(bench::Pictures::Real);
    if (!readyScaled(state, s)) return;
    s.toQuestion(3, 3);
    GameWindow& w = *s.window;
    Match& m = w.match();
    Question q = m.question();
    q.rightSlot = 2;
    const int paints0 = s.paints();
    double frames = 0;
    for (auto _ : state) {
        Grid g = m.cells();
        g.set(3, 3, cellFree);
        m.setUp(g, m.playerOnTurn());
        m.setUpQuestion(Cell{3, 3}, q);
        s.platform->clear();
        const auto t0 = Clock::now();
        w.resolveAnswer(2);
        const auto t1 = Clock::now();
        // Every frame ends with one pause; the last pause follows the animation.
        frames = static_cast<double>(s.platform->pauses.size()) - 1;
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count() / std::max(1.0, frames));
    }
    state.counters["frames"] = frames;
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_CaptureFrameScaled)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("fullscreen")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

namespace {
// A whole frame painted from the state at the scale of a full screen: 2560 x 1600 (2.665) or
// 3840 x 2160 (3.6); arg 1: 0 the board, 1 a question with its panel, 2 a frame of the capture.
void BM_WholeFrameScaled(benchmark::State& state) {
    bench::Scene s(bench::Pictures::Real);
    if (!bench::ready(state, s)) return;
    const double scale = state.range(0) == 0 ? 2.665 : 3.6;
    GameWindow& w = *s.window;
    if (state.range(1) == 0) {
        s.toBoard();
        s.ownHalf();
    } else {
        s.toQuestion(3, 3);
    }
    if (state.range(1) == 2) {
        s.platform->holdPauses = true;
        w.resolveAnswer(w.match().question().rightSlot);
        for (int i = 0; i < 8; ++i)
            s.platform->runPause(); // half way down
    }
    w.pictures().useScale(scale);
    QImage frame = Canvas::blankFrame(scale);
    for (auto _ : state) {
        QPainter p(&frame);
        w.paint(p);
    }
    state.counters["width"] = frame.width();
    state.counters["height"] = frame.height();
    s.platform->runAllPauses();
}
} // namespace
BENCHMARK(BM_WholeFrameScaled)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"uhd", "screen"})
    ->Unit(benchmark::kMillisecond);
