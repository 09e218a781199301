// Question phase: the clock tick, option hover, justified question text and the deal.
#include "bmutil.h"
#include "canvas.h"

#include <QPainter>

#include "questionlayout.h"

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

// A canvas as the question text is painted on: bold, navy, 11 pt.
struct TextCanvas {
    explicit TextCanvas(GameWindow& w)
        : image(800, 600, QImage::Format_ARGB32_Premultiplied), painter(&image),
          canvas(painter, w.pictures()) {
        canvas.setTextBold(true);
        canvas.setTextColour(QColor(0, 0, 50));
        canvas.setTextSize(11);
    }
    QImage image;
    QPainter painter;
    Canvas canvas;
};

void BM_JustifyFirstLine(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    s.toQuestion();
    GameWindow& w = *s.window;
    TextCanvas t(w);
    const QString text = bench::longQuestion();
    const questionlayout::Line& l = questionlayout::lineTable[0];
    QString rest;
    for (auto _ : state) {
        rest =
            QuestionPanel::paintJustifiedLine(t.canvas, text, l.width, l.left1, questionlayout::lineTop(0));
        benchmark::DoNotOptimize(rest);
    }
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_JustifyFirstLine)->Unit(benchmark::kMicrosecond);

// The whole text, line by line down the panel as the deal lays it out.
void BM_JustifyWholeText(benchmark::State& state) {
    bench::Scene s;
    if (!ready(state, s)) return;
    s.toQuestion();
    GameWindow& w = *s.window;
    TextCanvas t(w);
    const QString text = state.range(0) == 1 ? bench::eightLineQuestion() : bench::longQuestion();
    int lines = 0;
    for (auto _ : state) {
        QString rest = text;
        int n = 0;
        do {
            const questionlayout::Line& l = questionlayout::lineTable[static_cast<std::size_t>(qMin(n, 8))];
            rest = QuestionPanel::paintJustifiedLine(t.canvas, rest, l.width, l.left1,
                                                     questionlayout::lineTop(n));
            ++n;
        } while (!rest.isEmpty());
        lines = n;
    }
    state.counters["lines"] = lines;
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_JustifyWholeText)->Arg(0)->Arg(1)->ArgName("eightLines")->Unit(benchmark::kMicrosecond);

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
