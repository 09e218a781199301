// Loading a full deck of 10001 question lines: from text, and from a file read and decoded.
#include "deck.h"
#include "random.h"
#include "textcodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 10001;
Deck deck; // the benchmark loops load into one deck, as the game does

// At start-up the deck is empty; freeing the previous iteration's deck is not part of a load.
void emptyDeck(benchmark::State& state) {
    state.PauseTiming();
    deck = Deck();
    state.ResumeTiming();
}

// Half English, half Czech lines of typical length, CR LF line ends as written on Windows.
QString deckText() {
    QString s;
    s.reserve(kLines * 110);
    for (int i = 0; i < kLines; ++i) {
        if (i % 2 == 0)
            s += QStringLiteral(
                     "Which city was the capital of the country number %1 in the year %2?\\Prague\\Vienna\\"
                     "Budapest\\Bratislava\r\n")
                     .arg(i)
                     .arg(1000 + i % 1000);
        else
            s += QStringLiteral(
                     "Kolik obyvatel mělo město číslo %1 v roce %2, když příliš žluťoučký kůň úpěl?\\"
                     "Tisíc\\Dva tisíce\\Tři sta\\Pět set\r\n")
                     .arg(i)
                     .arg(1000 + i % 1000);
    }
    return s;
}

// The same deck in Windows-1250 bytes, the encoding of files from the original program.
QByteArray toWindows1250(const QString& text) {
    const QString high = textcodec::decodeWindows1250([] {
        QByteArray all;
        for (int b = 0x80; b <= 0xFF; ++b)
            all += static_cast<char>(b);
        return all;
    }());
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            out += static_cast<char>(c.unicode());
        } else {
            const qsizetype i = high.indexOf(c);
            out += i < 0 ? '?' : static_cast<char>(0x80 + i);
        }
    }
    return out;
}

void BM_DeckLoadFromText(benchmark::State& state) {
    const QString text = deckText();
    rnd::pin(7);
    for (auto _ : state) {
        emptyDeck(state);
        auto issues = deck.load(text);
        benchmark::DoNotOptimize(issues);
    }
    rnd::unpin();
    if (deck.size() != kLines) state.SkipWithError("not every line was loaded");
    state.counters["lines"] = kLines;
    state.counters["bytes"] = static_cast<double>(text.toUtf8().size());
}
BENCHMARK(BM_DeckLoadFromText)->Unit(benchmark::kMillisecond);

// Arg 0: UTF-8 file; 1: Windows-1250 file (decoded only after UTF-8 has failed).
void BM_DeckLoadFromFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.dat"));
    const QString text = deckText();
    const QByteArray bytes = state.range(0) == 0 ? text.toUtf8() : toWindows1250(text);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            state.SkipWithError("cannot write the deck file");
            return;
        }
    }
    rnd::pin(7);
    for (auto _ : state) {
        emptyDeck(state);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the deck file");
            break;
        }
        auto issues = deck.load(textcodec::decode(f.readAll()));
        benchmark::DoNotOptimize(issues);
    }
    rnd::unpin();
    if (deck.size() != kLines) state.SkipWithError("not every line was loaded");
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DeckLoadFromFile)->Arg(0)->Arg(1)->ArgName("cp1250")->Unit(benchmark::kMillisecond);

} // namespace
