// tk_bench: Google Benchmark over the game's hot paths, plus two modes for bench.sh:
//   --startup-only          one cold start-up on the built program folder (for peak memory)
//   --both-sets             start-up, then the 1x and 2x pictures in turn (for peak memory)
//   --splash-time=PROGRAM   starts the program on the display, prints when its splash was on screen
//   --idle-check[=seconds]  timer events and wake-ups of the idle main menu
//   --write-deck=PATH,MB    writes a question file of about MB megabytes (UTF-8, half Czech)
//   --load-deck=PATH        loads a question file as the game does, nothing else (for peak memory)
#include "deck.h"
#include "runmodes.h"

#include <QFile>
#include <QTemporaryDir>

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
int writeDeck(const QString& spec) {
    QFile f(spec.section(u',', 0, 0));
    const qint64 bytes = spec.section(u',', 1).toLongLong() * 1024 * 1024;
    if (!f.open(QIODevice::WriteOnly)) return 1;
    for (qint64 i = 0; f.size() < bytes; ++i) {
        const QString line =
            i % 2 == 0
                ? QStringLiteral(
                      "Which city was the capital of the country number %1 in the year %2?\\Prague\\"
                      "Vienna\\Budapest\\Bratislava\r\n")
                : QStringLiteral(u"Kolik obyvatel mělo město číslo %1 v roce %2, když příliš žluťoučký kůň "
                                 u"úpěl?\\Tisíc\\Dva tisíce\\Tři sta\\Pět set\r\n");
        f.write(line.arg(i).arg(1000 + i % 1000).toUtf8());
    }
    return 0;
}

// The way the game reads q.dat: the whole file, then the deck.
int loadDeck(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return 1;
    Deck deck;
    const LoadReport report = deck.loadFile(f.readAll());
    return deck.size() > 1 && report.skipped.empty() ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    // The deck modes run without an application object, so that only the deck counts.
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-deck=", 13) == 0)
            return writeDeck(QString::fromLocal8Bit(argv[i] + 13));
        if (std::strncmp(argv[i], "--load-deck=", 12) == 0)
            return loadDeck(QString::fromLocal8Bit(argv[i] + 12));
    }
    // Offscreen on a 2560 x 1600 screen, for the full-screen and zoomed benchmarks.
    QTemporaryDir screenDir;
    const QString qpa = qEnvironmentVariable("QT_QPA_PLATFORM");
    if ((qpa.isEmpty() || qpa == QLatin1String("offscreen")) && screenDir.isValid()) {
        QFile screen(screenDir.filePath(QStringLiteral("screen.json")));
        if (screen.open(QIODevice::WriteOnly))
            screen.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560, "height": 1600,)"
                         R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screen.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.fileName()).toLocal8Bit());
    }
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");

    std::vector<char*> args;
    bool startupOnly = false, idleCheck = false, bothSets = false;
    QString splashOf;
    double idleSeconds = 2.0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--startup-only") == 0) {
            startupOnly = true;
        } else if (std::strcmp(argv[i], "--both-sets") == 0) {
            bothSets = true;
        } else if (std::strncmp(argv[i], "--splash-time=", 14) == 0) {
            splashOf = QString::fromLocal8Bit(argv[i] + 14);
        } else if (std::strncmp(argv[i], "--idle-check", 12) == 0) {
            idleCheck = true;
            if (argv[i][12] == '=') idleSeconds = std::stod(argv[i] + 13);
        } else {
            args.push_back(argv[i]);
        }
    }
    int n = static_cast<int>(args.size());
    args.push_back(nullptr);

    QApplication app(n, args.data());
    if (startupOnly) return bench::runStartupOnly();
    if (bothSets) return bench::runBothSets();
    if (!splashOf.isEmpty()) return bench::runSplashTime(splashOf);
    if (idleCheck) return bench::runIdleCheck(idleSeconds);

    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
