// Start-up without its splash pause, peak memory of one start-up, and the idle menu's wake-ups.
#include "runmodes.h"
#include "scene.h"

#include "qtplatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// Construction and load() on the real folder; the fake platform skips nothing but dialogs and sound.
void BM_StartUp(benchmark::State& state) {
    const QString dir = bench::realProgramDir();
    if (dir.isEmpty()) {
        state.SkipWithError("no built program folder (set TK_BENCH_PROGRAM_DIR)");
        return;
    }
    for (auto _ : state) {
        FakePlatform platform;
        const auto t0 = Clock::now();
        auto w = std::make_unique<GameWindow>(platform, dir);
        const bool ok = w->load();
        const auto t1 = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        w.reset();
        if (!ok) {
            state.SkipWithError("load failed");
            break;
        }
    }
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond);

// Counts timer events, except those of the timer that ends the measuring window.
class TimerCounter : public QObject {
public:
    const QObject* ignore = nullptr;
    int count = 0;
    QMap<QString, int> byReceiver;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Timer && o != ignore) {
            ++count;
            const QString who = QString::fromLatin1(o->metaObject()->className()) +
                                (o->objectName().isEmpty() ? QString() : u' ' + o->objectName());
            ++byReceiver[who];
        }
        return false;
    }
};

struct IdleCount {
    int timerEvents = 0;
    int wakeups = 0;
    QMap<QString, int> byReceiver;
};

// Runs the event loop for the given time; only the one timer that ends it is ours.
IdleCount idleFor(int ms) {
    IdleCount out;
    TimerCounter counter;
    QTimer stop;
    stop.setSingleShot(true);
    stop.setTimerType(Qt::PreciseTimer);
    counter.ignore = &stop;
    QEventLoop loop;
    QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto* dispatcher = QAbstractEventDispatcher::instance();
    const auto wake = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++out.wakeups; });
    qApp->installEventFilter(&counter);
    stop.start(ms);
    loop.exec();
    qApp->removeEventFilter(&counter);
    QObject::disconnect(wake);
    out.timerEvents = counter.count;
    out.byReceiver = counter.byReceiver;
    return out;
}

// The screen's name for the report; a table, not a switch, so a new screen only prints as "?".
const char* screenName(Screen s) {
    static const std::pair<Screen, const char*> names[] = {
        {Screen::Splash, "splash"},    {Screen::Board, "board"}, {Screen::Question, "question"},
        {Screen::Winner, "winner"},    {Screen::Menu, "menu"},   {Screen::Help, "help"},
        {Screen::Settings, "settings"}};
    for (const auto& [screen, name] : names)
        if (screen == s) return name;
    return "?";
}

int timersOf(const QObject* root) {
    auto* dispatcher = QAbstractEventDispatcher::instance();
    int n = static_cast<int>(dispatcher->registeredTimers(const_cast<QObject*>(root)).size());
    for (QObject* child : root->findChildren<QObject*>())
        n += static_cast<int>(dispatcher->registeredTimers(child).size());
    return n;
}

} // namespace

namespace bench {

int runStartupOnly() {
    const QString dir = realProgramDir();
    if (dir.isEmpty()) {
        std::fprintf(stderr, "tk_bench: no built program folder (set TK_BENCH_PROGRAM_DIR)\n");
        return 2;
    }
    FakePlatform platform;
    QElapsedTimer t;
    t.start();
    GameWindow w(platform, dir);
    const double constructed = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const bool ok = w.load();
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    if (!ok) {
        std::fprintf(stderr, "tk_bench: load failed: %s\n",
                     qPrintable(platform.errors.join(QStringLiteral("; "))));
        return 1;
    }
    // The first start-up in a process: fonts and picture decoders are loaded cold.
    std::printf("startup_cold_ms %.3f\n", ms);
    std::printf("startup_construct_ms %.3f\n", constructed);
    std::printf("startup_load_ms %.3f\n", ms - constructed);
    std::printf("program_dir %s\n", qPrintable(dir));
    return 0;
}

int runBothSets() {
    const QString dir = realProgramDir();
    if (dir.isEmpty()) {
        std::fprintf(stderr, "tk_bench: no built program folder (set TK_BENCH_PROGRAM_DIR)\n");
        return 2;
    }
    FakePlatform platform;
    GameWindow w(platform, dir);
    if (!w.load()) return 1;
    ::Pictures& s = w.pictures();
    QImage frame;
    for (double scale : {2.665, 1.0, 2.665})
        frame = w.frame(scale);
    const bool ok = s.pictureSet() == 2 && s.picture(Background).devicePixelRatio() == 2;
    std::printf("both_sets %s, frame %dx%d\n", ok ? "ok" : "2x pictures missing", frame.width(),
                frame.height());
    return ok ? 0 : 1;
}

int runSplashTime(const QString& program) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TK_SPLASH_PROBE"), QStringLiteral("1"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    const auto started = Clock::now();
    p.setReadChannel(QProcess::StandardError);
    p.start(program, {});
    QByteArray err;
    long long shownAt = -1;
    QElapsedTimer waited;
    waited.start();
    while (shownAt < 0 && waited.elapsed() < 10000 && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(100);
        err += p.readAllStandardError();
        const qsizetype at = err.indexOf("splash_on_screen_steady_ns ");
        if (at >= 0 && err.indexOf('\n', at) > at)
            shownAt = err.mid(at + 27, err.indexOf('\n', at) - at - 27).toLongLong();
    }
    p.terminate();
    p.waitForFinished(5000);
    if (shownAt < 0) {
        std::fprintf(stderr, "tk_bench: the program never reported its splash\n");
        return 1;
    }
    const long long startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(started.time_since_epoch()).count();
    std::printf("splash_on_screen_ms %.1f\n", static_cast<double>(shownAt - startNs) / 1e6);
    return 0;
}

int runIdleCheck(double seconds) {
    const QString dir = realProgramDir();
    if (dir.isEmpty()) {
        std::fprintf(stderr, "tk_bench: no built program folder (set TK_BENCH_PROGRAM_DIR)\n");
        return 2;
    }
    const int ms = static_cast<int>(seconds * 1000);
    // What the event loop does with no window at all, so that Qt's own wake-ups are not counted.
    const IdleCount baseline = idleFor(ms);

    // The real platform, as the program runs; only the splash pause is left out.
    QtPlatform platform;
    GameWindow w(platform, dir);
    w.show();
    if (!w.load()) return 1;
    idleFor(300); // the window's first expose and paint settle
    const IdleCount idle = idleFor(ms);
    const int registered = timersOf(&w) + (w.match().clockTimer().isActive() ? 1 : 0);

    // A control: a timer that does tick must be counted, or the zero above proves nothing.
    QTimer probe(&w);
    probe.start(50);
    const IdleCount control = idleFor(500);
    probe.stop();

    std::printf("idle_platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("idle_mode %s\n", screenName(w.match().screen()));
    std::printf("idle_seconds %.1f\n", seconds);
    std::printf("idle_timer_events %d\n", idle.timerEvents);
    std::printf("idle_wakeups %d\n", qMax(0, idle.wakeups - baseline.wakeups));
    std::printf("idle_wakeups_raw %d baseline %d\n", idle.wakeups, baseline.wakeups);
    std::printf("idle_registered_timers %d\n", registered);
    std::printf("idle_control_timer_events %d\n", control.timerEvents);
    for (auto it = idle.byReceiver.cbegin(); it != idle.byReceiver.cend(); ++it)
        std::printf("idle_timer_receiver %s %d\n", qPrintable(it.key()), it.value());
    return w.match().screen() == Screen::Menu && control.timerEvents > 0 ? 0 : 1;
}

} // namespace bench
