// Board-only games between the computer's levels at their real budgets: the chooser always gets the
// cell (every answer right), the first move alternates between the two sides.
//   tk_strength [--games-random N] [--games-levels N] [--seed S] [--only hard-random|hard-medium|medium-easy]
#include "board.h"
#include "computerplayer.h"
#include "packedboard.h"
#include "random.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using computer::Level;

// A side of a game: a level, or nothing for uniformly random cells.
using Contender = std::optional<Level>;

const char* nameOf(Contender c) {
    if (!c) return "random";
    switch (*c) {
    case Level::Easy:
        return "easy";
    case Level::Medium:
        return "medium";
    case Level::Hard:
        return "hard";
    }
    return "?";
}

struct Tally {
    int firstWins = 0; // games won by the first-named contender
    int games = 0;
    std::vector<double> hardMoveMs;
};

board::Pos randomFreeCell(const board::Grid& g, rnd::Generator& random) {
    std::vector<board::Pos> freeCells;
    for (int row = 0; row < board::kRows; ++row)
        for (int col = board::firstCol(row); col <= board::lastCol(row); ++col)
            if (g.at(col, row) == board::cellFree) freeCells.push_back({col, row});
    return freeCells[static_cast<std::size_t>(random.below(static_cast<int>(freeCells.size())))];
}

// Returns the winning side (0: a, 1: b); a plays player 1 when aStarts.
int playGame(Contender a, Contender b, bool aStarts, rnd::Generator& random, Tally& tally) {
    board::Grid g;
    for (int row = 0; row < board::kRows; ++row)
        for (int col = board::firstCol(row); col <= board::lastCol(row); ++col)
            g.set(col, row, board::cellFree);
    int side = aStarts ? 0 : 1;
    for (int move = 0; move < packed::kCells; ++move) {
        const Contender who = side == 0 ? a : b;
        const int player = (side == 0) == aStarts ? 1 : 2;
        board::Pos cell;
        if (!who) {
            cell = randomFreeCell(g, random);
        } else {
            const auto start = Clock::now();
            const auto chosen = computer::chooseCell(g, player, *who, random);
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (*who == Level::Hard) tally.hardMoveMs.push_back(ms);
            if (!chosen || g.at(chosen->col, chosen->row) != board::cellFree) {
                std::fprintf(stderr, "%s chose no free cell\n", nameOf(who));
                return 1 - side;
            }
            cell = *chosen;
        }
        g.set(cell.col, cell.row, static_cast<std::uint8_t>(board::cellPlayer1 + player - 1));
        if (board::wins(g, cell.col, cell.row)) return side;
        side = 1 - side;
    }
    std::fprintf(stderr, "a full board without a winner\n");
    return -1;
}

Tally playMatch(Contender a, Contender b, int games, std::uint64_t seed) {
    rnd::Generator random(seed);
    Tally t;
    for (int n = 0; n < games; ++n) {
        const int winner = playGame(a, b, n % 2 == 0, random, t);
        if (winner == 0) ++t.firstWins;
        ++t.games;
    }
    return t;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(
        std::min<double>(static_cast<double>(v.size() - 1), p * static_cast<double>(v.size() - 1) + 0.5));
    return v[i];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto option = [&](const char* name, long long fallback) {
        const int i = static_cast<int>(args.indexOf(QString::fromLatin1(name)));
        return i >= 0 && i + 1 < args.size() ? args[i + 1].toLongLong() : fallback;
    };
    const int gamesRandom = static_cast<int>(option("--games-random", 1000));
    const int gamesLevels = static_cast<int>(option("--games-levels", 300));
    const auto seed = static_cast<std::uint64_t>(option("--seed", 20240601));
    const int onlyAt = static_cast<int>(args.indexOf(QStringLiteral("--only")));
    const QString only = onlyAt >= 0 && onlyAt + 1 < args.size() ? args[onlyAt + 1] : QString();

    struct Pairing {
        const char* key;
        Contender a, b;
        int games;
        double goal;
    };
    const Pairing pairings[] = {
        {"hard-random", Level::Hard, std::nullopt, gamesRandom, 0.99},
        {"hard-medium", Level::Hard, Level::Medium, gamesLevels, 0.75},
        {"medium-easy", Level::Medium, Level::Easy, gamesLevels, 0.75},
    };
    std::vector<double> hardMs;
    bool allMet = true;
    std::printf("%-18s %7s %9s %7s %s\n", "pairing", "games", "won by 1st", "goal", "verdict");
    for (const Pairing& p : pairings) {
        if (!only.isEmpty() && only != QLatin1String(p.key)) continue;
        const auto start = Clock::now();
        const Tally t = playMatch(p.a, p.b, p.games, seed);
        const double share = t.games ? static_cast<double>(t.firstWins) / t.games : 0;
        const bool met = share >= p.goal;
        allMet = allMet && met;
        hardMs.insert(hardMs.end(), t.hardMoveMs.begin(), t.hardMoveMs.end());
        std::printf("%-7s vs %-7s %7d %8.1f%% %6.0f%% %s  (%.0f s)\n", nameOf(p.a), nameOf(p.b), t.games,
                    100 * share, 100 * p.goal, met ? "ok" : "MISSED",
                    std::chrono::duration<double>(Clock::now() - start).count());
        std::fflush(stdout);
    }
    if (!hardMs.empty()) {
        const double p99 = percentile(hardMs, 0.99);
        const bool met = p99 <= 300;
        allMet = allMet && met;
        std::printf(
            "hard move time over %zu moves: p50 %.1f ms, p99 %.1f ms, max %.1f ms (goal p99 <= 300 ms) %s\n",
            hardMs.size(), percentile(hardMs, 0.5), p99, *std::max_element(hardMs.begin(), hardMs.end()),
            met ? "ok" : "MISSED");
    }
    return allMet ? 0 : 1;
}
