// Question phase: the clock tick, option hover, setting the question text and the deal.
#include "bmutil.h"
#include "canvas.h"

#include <QPainter>

#include "questionlayout.h"
#include "questiontext.h"

#include <chrono>

using namespace board;
using bench::picturesOf;
using bench::ready;
using bench::readyWithRepaint;

namespace {

using Clock = std::chrono::steady_clock;

void BM_ClockTick(benchmark::State& state) {
    bench::Scene s(picturesOf(state));
    if (readyWithRepaint(state, s)) bench::tickClock(state, s);
}
BENCHMARK(BM_ClockTick)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"real", "repaint"})
    ->Unit(benchmark::kMicrosecond);

// The pointer moving between two options: the old one drawn normal, the new one highlighted, a refresh.
void BM_OptionHover(benchmark::State& state) {
    bench::Scene s(picturesOf(state));
    if (!readyWithRepaint(state, s)) return;
    s.toQuestion();
    GameWindow& w = *s.window;
    const Player side = w.match().playerOnTurn();
    const int paints0 = s.paints();
    bench::moveBetween(state, w, bench::optionCentre(side, 1), bench::optionCentre(side, 2));
    if (w.questionPanel().hoveredSlot() < 1) state.SkipWithError("no option was hit");
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_OptionHover)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"real", "repaint"})
    ->Unit(benchmark::kMicrosecond);

// One option drawn alone, highlighted, a two-line answer with name placeholders (slot of that
// answer).
void BM_DrawOptionHover(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    s.toQuestion();
    GameWindow& w = *s.window;
    const Question& q = w.match().question();
    int slot = 1;
    for (int i = 1; i <= 4; ++i)
        if (q.answers[static_cast<std::size_t>(i)].contains(u'|') == (state.range(0) == 1)) slot = i;
    // The option's area painted from the state, as the window paints a change of look.
    w.questionPanel().setOptionState(slot, OptionState::Hovered);
    const QRectF area = QuestionPanel::optionRect(w.match().playerOnTurn(), slot).adjusted(-1, -1, 1, 1);
    QImage frame(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&frame);
        p.setClipRect(area);
        w.paint(p);
    }
}
BENCHMARK(BM_DrawOptionHover)->Arg(0)->Arg(1)->ArgName("twoLines")->Unit(benchmark::kMicrosecond);

// Setting the question: the size ladder tried from the largest, each size measured line by line.
void BM_SetQuestionText(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    const QString text = state.range(0) == 1 ? bench::eightLineQuestion() : bench::longQuestion();
    textfit::SetText set;
    for (auto _ : state) {
        set = questiontext::set(text, Player::fox());
        benchmark::DoNotOptimize(set);
    }
    state.counters["lines"] = static_cast<double>(set.lines.size());
    state.counters["points"] = set.points;
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_SetQuestionText)->Arg(0)->Arg(1)->ArgName("longer")->Unit(benchmark::kMicrosecond);

// The panel with its question painted whole, as after the opening.
void BM_PaintQuestionPanel(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    s.toQuestion();
    GameWindow& w = *s.window;
    const QRectF area(questionlayout::panelX(w.match().playerOnTurn()), questionlayout::kPanelY,
                      panelshape::kWidth, panelshape::kHeight);
    QImage frame(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&frame);
        p.setClipRect(area);
        w.paint(p);
    }
}
BENCHMARK(BM_PaintQuestionPanel)->Unit(benchmark::kMicrosecond);

// Choosing a cell: zoom, panel, options, text, clock; 1410 ms of pauses skipped by the fake.
void BM_DealWithoutPauses(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    if (state.range(0) && !s.repaintOnRefresh()) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    s.toBoard();
    GameWindow& w = *s.window;
    double pausesMs = 0;
    const int paints0 = s.paints();
    for (auto _ : state) {
        w.match().setUpScreen(Screen::Board);
        const auto t0 = Clock::now();
        w.dealFor(Cell{3, 3});
        const auto t1 = Clock::now();
        w.match().stopClock();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        pausesMs = s.platform->totalPause();
        s.platform->clear();
    }
    state.counters["pauses_ms"] = pausesMs;
    bench::reportPaints(state, s, paints0);
}
BENCHMARK(BM_DealWithoutPauses)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("repaint")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
