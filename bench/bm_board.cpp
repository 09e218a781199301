// Board phase: the pointer crossing cells, the whole board, the win test and the capture animation.
#include "bmutil.h"

#include "modes.h"

#include <chrono>

using namespace board;
using bench::picturesOf;
using bench::ready;
using bench::readyWithRepaint;

namespace {

using Clock = std::chrono::steady_clock;

// Arg 1: 1 when each refresh also repaints the window, as on screen.
void BM_PointerCrossesCell(benchmark::State& state) {
    bench::Scene s(picturesOf(state));
    if (!readyWithRepaint(state, s)) return;
    s.toBoard();
    const QPoint a = bench::cellCentre(3, 3), b = bench::cellCentre(4, 3);
    frmMain& w = *s.window;
    bool flip = false;
    const int paints0 = s.paints();
    for (auto _ : state) {
        const QPoint& p = flip ? a : b;
        w.Form_MouseMove(0, 0, p.x(), p.y());
        flip = !flip;
    }
    if (s.platform->refreshes != static_cast<int>(state.iterations()))
        state.SkipWithError("not one refresh per event");
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_PointerCrossesCell)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"real", "repaint"})
    ->Unit(benchmark::kMicrosecond);

void BM_DrawFieldHalfOwned(benchmark::State& state) {
    bench::Scene s(picturesOf(state));
    if (!readyWithRepaint(state, s)) return;
    s.toBoard();
    s.ownHalf();
    const int paints0 = s.paints();
    for (auto _ : state)
        s.window->DrawField(true);
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_DrawFieldHalfOwned)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"real", "repaint"})
    ->Unit(benchmark::kMicrosecond);

// A full board: player 2 holds the bottom row (a winning group), player 1 the 21 cells above it, one
// group touching left and right but not the bottom, so testing it floods 21 cells and draws nothing.
void fillBoard(Grid& board) {
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            board.set(col, row, row == 6 ? cellPlayer2 : cellPlayer1);
}

void BM_TestFullBoardNoWinner(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    fillBoard(s.window->board);
    s.window->mode = modeBoard;
    for (auto _ : state)
        s.window->test(3, 0);
    if (s.window->mode != modeBoard) state.SkipWithError("the winner screen was drawn");
}
BENCHMARK(BM_TestFullBoardNoWinner)->Unit(benchmark::kMicrosecond);

void BM_WinSearchFullBoard(benchmark::State& state) {
    Grid board;
    fillBoard(board);
    WinSearch search;
    const bool winnerCell = state.range(0) == 1;
    for (auto _ : state) {
        auto sides = search.run(board, 3, winnerCell ? 6 : 0);
        benchmark::DoNotOptimize(sides);
    }
}
BENCHMARK(BM_WinSearchFullBoard)->Arg(0)->Arg(1)->ArgName("winner")->Unit(benchmark::kMicrosecond);

// The capture animation with the pauses skipped: what drawing costs beside its 1240 ms of pauses.
void BM_SpravneWithoutPauses(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    if (state.range(0) && !s.repaintOnRefresh()) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    s.toQuestion(3, 3);
    frmMain& w = *s.window;
    double pausesMs = 0;
    const int paints0 = s.paints();
    for (auto _ : state) {
        w.mode = w.player;
        w.board.set(3, 3, cellFree);
        const auto t0 = Clock::now();
        w.Spravne(3, 3, true, 2);
        const auto t1 = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        pausesMs = s.platform->totalSleep();
        s.platform->clear();
    }
    state.counters["pauses_ms"] = pausesMs;
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_SpravneWithoutPauses)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("repaint")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
