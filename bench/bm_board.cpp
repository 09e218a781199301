// Board phase: the pointer crossing cells, the whole board, the win test and the capture animation.
#include "bmutil.h"

#include <QPainter>

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
    if (readyWithRepaint(state, s)) bench::crossCells(state, s);
}
BENCHMARK(BM_PointerCrossesCell)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"real", "repaint"})
    ->Unit(benchmark::kMicrosecond);

// The whole board screen painted from its state at 1x.
void BM_PaintBoardHalfOwned(benchmark::State& state) {
    bench::Scene s(picturesOf(state));
    if (!readyWithRepaint(state, s)) return;
    s.toBoard();
    s.ownHalf();
    const int paints0 = s.paints();
    QImage frame(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (state.range(1) == 1) {
            s.window->refresh();
        } else {
            QPainter p(&frame);
            s.window->paint(p);
        }
    }
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_PaintBoardHalfOwned)
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

void BM_WinTestFullBoardNoWinner(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    Match& m = s.window->match();
    Grid g = m.cells();
    fillBoard(g);
    m.setUp(g, m.playerOnTurn());
    m.setUpScreen(Screen::Board);
    for (auto _ : state)
        s.window->checkWinnerAt(Cell{3, 0});
    if (m.screen() != Screen::Board) state.SkipWithError("the winner screen was drawn");
}
BENCHMARK(BM_WinTestFullBoardNoWinner)->Unit(benchmark::kMicrosecond);

void BM_WinSearchFullBoard(benchmark::State& state) {
    Grid board;
    fillBoard(board);
    const bool winnerCell = state.range(0) == 1;
    for (auto _ : state) {
        auto sides = sidesReached(board, 3, winnerCell ? 6 : 0);
        benchmark::DoNotOptimize(sides);
    }
}
BENCHMARK(BM_WinSearchFullBoard)->Arg(0)->Arg(1)->ArgName("winner")->Unit(benchmark::kMicrosecond);

// The capture animation with the pauses skipped: what drawing costs beside its 1240 ms of pauses.
void BM_CaptureWithoutPauses(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    if (state.range(0) && !s.repaintOnRefresh()) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    s.toQuestion(3, 3);
    GameWindow& w = *s.window;
    Match& m = w.match();
    // The dealt question with its right answer in slot 2, so that answering slot 2 is right.
    Question q = m.question();
    q.rightSlot = 2;
    double pausesMs = 0;
    const int paints0 = s.paints();
    for (auto _ : state) {
        Grid g = m.cells();
        g.set(3, 3, cellFree);
        m.setUp(g, m.playerOnTurn());
        m.setUpQuestion(Cell{3, 3}, q);
        const auto t0 = Clock::now();
        w.resolveAnswer(2);
        const auto t1 = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        pausesMs = s.platform->totalPause();
        s.platform->clear();
    }
    state.counters["pauses_ms"] = pausesMs;
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_CaptureWithoutPauses)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("repaint")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
