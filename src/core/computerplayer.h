// The computer opponent's decisions, without threads or timers: which free cell it takes at each
// level, and how it answers a question (the chance of being right and the time it seems to think).
#pragma once

#include "board.h"
#include "random.h"

#include <atomic>
#include <optional>

namespace computer {

enum class Level { Easy, Medium, Hard };

// How long a search may run. Zero means no limit of that kind; with neither limit the search stops
// at kMaxIterations. The flag, when given, is polled on every iteration to stop the search early.
struct SearchLimits {
    static constexpr int kMaxIterations = 1'000'000;
    int iterations = 0;
    int timeMs = 0;
    const std::atomic<bool>* cancelled = nullptr;
};

// The budget each level plays with; the time limit only matters on a slow or busy machine.
SearchLimits limitsOf(Level level);

// A free cell for player (1 or 2) to take on grid, or nothing when no cell is free. Any level takes a
// cell that wins at once; medium and hard otherwise take the cell the opponent would win with.
// Easy uses no limits; medium and hard search within limits. The same generator state, grid and
// limits without a time limit give the same cell.
std::optional<board::Pos> chooseCell(const board::Grid& grid, int player, Level level, rnd::Generator& random,
                                     const SearchLimits& limits);
inline std::optional<board::Pos> chooseCell(const board::Grid& grid, int player, Level level,
                                            rnd::Generator& random) {
    return chooseCell(grid, player, level, random, limitsOf(level));
}

// The chance that the computer answers a question right: 0.55, 0.70 or 0.85.
double rightAnswerChance(Level level);

// The slot (1 to 4) the computer answers: rightSlot with the level's chance, else one of the three
// others, each as likely.
int answerSlot(int rightSlot, Level level, rnd::Generator& random);

constexpr int kShortestThinkingMs = 1500;
constexpr int kLongestThinkingMs = 4000;

// How long the computer seems to think before it answers: 1500 to 4000 ms, but always ending before
// the time limit with some room to spare (timeLimitMs <= 0: the question has no limit).
int thinkingDelayMs(int timeLimitMs, rnd::Generator& random);

} // namespace computer
