#include "computerplayer.h"

#include "packedboard.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <vector>

namespace computer {
namespace {

using packed::bit;
using packed::Mask;
using packed::Position;

constexpr int kNone = -1;

struct LevelTraits {
    Level level;
    double rightChance;
    SearchLimits limits;
};
// Iterations decide the strength; the time cap (under the 300 ms a move may take) only bites on a slow
// or busy machine.
constexpr std::array<LevelTraits, 3> kLevels{{
    {Level::Easy, 0.55, {0, 0, nullptr}},
    {Level::Medium, 0.70, {300, 300, nullptr}},
    {Level::Hard, 0.85, {40'000, 250, nullptr}},
}};

const LevelTraits& traitsOf(Level level) {
    for (const LevelTraits& t : kLevels)
        if (t.level == level) return t;
    return kLevels.front();
}

int firstCellThatWins(Mask owned, Mask freeCells) {
    for (Mask rest = freeCells; rest; rest &= rest - 1) {
        const int i = std::countr_zero(rest);
        if (packed::hasWinningGroup(owned | bit(i))) return i;
    }
    return kNone;
}

int nthCell(Mask cells, int n) {
    for (int k = 0; k < n; ++k)
        cells &= cells - 1;
    return std::countr_zero(cells);
}

// Easy: a cell next to its own, now and then anywhere, with enough noise to make mistakes.
int lightHeuristicCell(const Position& pos, int player, rnd::Generator& random) {
    const Mask freeCells = pos.freeCells();
    constexpr float kWildChance = 0.25f;
    if (random.next() < kWildChance) return nthCell(freeCells, random.below(std::popcount(freeCells)));
    const Mask own = pos.owned(player);
    const Mask other = pos.owned(3 - player);
    int best = kNone;
    float bestScore = -1;
    for (Mask rest = freeCells; rest; rest &= rest - 1) {
        const int i = std::countr_zero(rest);
        const Mask around = packed::kTables.neighbours[static_cast<std::size_t>(i)];
        const float score = 2.0f * static_cast<float>(std::popcount(around & own)) +
                            0.5f * static_cast<float>(std::popcount(around & other)) + 4.0f * random.next();
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

// Upper confidence bounds on a tree of moves, the values blended with all-moves-as-first statistics
// (RAVE) while a move has few visits of its own. A playout fills the free cells at random; as a full
// board always has exactly one winner and cells never change hands, only who owns which cell matters,
// so a playout is one random split of the free cells and one win test.
class TreeSearch {
public:
    TreeSearch(const Position& root, int player, rnd::Generator& random)
        : root_(root), player_(player), random_(random) {
        nodes_.push_back(Node{});
    }

    int run(const SearchLimits& limits) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        const int budget = limits.iterations > 0 ? limits.iterations : SearchLimits::kMaxIterations;
        // Room for the tree grown by a search of this size, so it is never copied while it grows.
        nodes_.reserve(static_cast<std::size_t>(std::min(budget, 100'000)) * 8);
        for (int n = 0; n < budget; ++n) {
            if (limits.cancelled && limits.cancelled->load(std::memory_order_relaxed)) break;
            // The clock is read every few iterations: a read costs about as much as a playout.
            if (limits.timeMs > 0 && n % 16 == 0 && n > 0 &&
                Clock::now() - start >= std::chrono::milliseconds(limits.timeMs))
                break;
            iterate();
        }
        return mostVisitedMove();
    }

private:
    struct Node {
        int firstChild = 0;
        std::uint8_t childCount = 0;
        std::uint8_t cell = 0;
        bool expanded = false;
        std::uint32_t visits = 0;
        float wins = 0; // for the player whose move led here
        std::uint32_t raveVisits = 0;
        float raveWins = 0;
    };

    static constexpr float kExploration = 0.25f;
    static constexpr float kRaveBias = 0.0005f;
    static constexpr float kFirstPlayUrgency = 1.1f;
    static constexpr std::size_t kMaxNodes = 4'000'000;

    int moverAt(std::size_t depth) const { return depth % 2 == 0 ? player_ : 3 - player_; }

    void expand(int node, Mask freeCells) {
        const int first = static_cast<int>(nodes_.size());
        for (Mask rest = freeCells; rest; rest &= rest - 1) {
            Node child;
            child.cell = static_cast<std::uint8_t>(std::countr_zero(rest));
            nodes_.push_back(child);
        }
        Node& n = nodes_[static_cast<std::size_t>(node)];
        n.firstChild = first;
        n.childCount = static_cast<std::uint8_t>(nodes_.size() - static_cast<std::size_t>(first));
        n.expanded = true;
    }

    int select(int node) const {
        const Node& parent = nodes_[static_cast<std::size_t>(node)];
        const float logVisits = std::log(static_cast<float>(parent.visits) + 1.0f);
        int best = parent.firstChild;
        float bestValue = -1;
        for (int c = parent.firstChild; c < parent.firstChild + parent.childCount; ++c) {
            const Node& child = nodes_[static_cast<std::size_t>(c)];
            float value = kFirstPlayUrgency;
            if (child.visits > 0 || child.raveVisits > 0) {
                const float n = static_cast<float>(child.visits);
                const float rn = static_cast<float>(child.raveVisits);
                const float beta = rn / (rn + n + kRaveBias * rn * n);
                const float q = n > 0 ? child.wins / n : 0.0f;
                const float rq = rn > 0 ? child.raveWins / rn : 0.0f;
                value = (1 - beta) * q + beta * rq + kExploration * std::sqrt(logVisits / (n + 1));
            }
            if (value > bestValue) {
                bestValue = value;
                best = c;
            }
        }
        return best;
    }

    void iterate() {
        Mask owned[2] = {root_.player1, root_.player2};
        Mask freeCells = root_.freeCells();
        path_.clear();
        path_.push_back(0);
        int node = 0;
        for (;;) {
            const Node& n = nodes_[static_cast<std::size_t>(node)];
            if (!n.expanded) {
                // A leaf grows its children on its second visit, so single playouts cost no nodes.
                if (n.visits == 0 || freeCells == 0 || nodes_.size() + packed::kCells > kMaxNodes) break;
                expand(node, freeCells);
            }
            if (nodes_[static_cast<std::size_t>(node)].childCount == 0) break;
            const int child = select(node);
            const Mask m = bit(nodes_[static_cast<std::size_t>(child)].cell);
            owned[moverAt(path_.size() - 1) - 1] |= m;
            freeCells &= ~m;
            path_.push_back(child);
            node = child;
        }

        // The player on move at the leaf takes the larger half of the free cells.
        std::array<int, packed::kCells> cells{};
        int count = 0;
        for (Mask rest = freeCells; rest; rest &= rest - 1)
            cells[static_cast<std::size_t>(count++)] = std::countr_zero(rest);
        const int leafMover = moverAt(path_.size() - 1);
        const int taken = (count + 1) / 2;
        Mask leafMoverGets = 0;
        for (int k = 0; k < taken; ++k) {
            const int j = k + random_.below(count - k);
            std::swap(cells[static_cast<std::size_t>(k)], cells[static_cast<std::size_t>(j)]);
            leafMoverGets |= bit(cells[static_cast<std::size_t>(k)]);
        }
        owned[leafMover - 1] |= leafMoverGets;
        owned[2 - leafMover] |= freeCells & ~leafMoverGets;
        const int winner = packed::hasWinningGroup(owned[0]) ? 1 : 2;

        for (std::size_t depth = 0; depth < path_.size(); ++depth) {
            Node& n = nodes_[static_cast<std::size_t>(path_[depth])];
            ++n.visits;
            if (depth > 0 && winner == moverAt(depth - 1)) n.wins += 1;
            if (!n.expanded) continue;
            // Every move the player on turn here made later in this game counts as if made now.
            const int mover = moverAt(depth);
            const Mask moverCells = owned[mover - 1];
            const float won = winner == mover ? 1.0f : 0.0f;
            for (int c = n.firstChild; c < n.firstChild + n.childCount; ++c) {
                Node& child = nodes_[static_cast<std::size_t>(c)];
                if (moverCells & bit(child.cell)) {
                    ++child.raveVisits;
                    child.raveWins += won;
                }
            }
        }
    }

    int mostVisitedMove() const {
        const Node& root = nodes_.front();
        if (!root.expanded) return std::countr_zero(root_.freeCells());
        int best = root.firstChild;
        for (int c = root.firstChild; c < root.firstChild + root.childCount; ++c) {
            const Node& a = nodes_[static_cast<std::size_t>(c)];
            const Node& b = nodes_[static_cast<std::size_t>(best)];
            if (a.visits > b.visits || (a.visits == b.visits && a.wins > b.wins)) best = c;
        }
        return nodes_[static_cast<std::size_t>(best)].cell;
    }

    Position root_;
    int player_;
    rnd::Generator& random_;
    std::vector<Node> nodes_;
    std::vector<int> path_;
};

} // namespace

SearchLimits limitsOf(Level level) {
    return traitsOf(level).limits;
}

std::optional<board::Pos> chooseCell(const board::Grid& grid, int player, Level level, rnd::Generator& random,
                                     const SearchLimits& limits) {
    if (player != 2) player = 1;
    const Position pos = packed::fromGrid(grid);
    const Mask freeCells = pos.freeCells();
    if (freeCells == 0) return std::nullopt;

    int cell = firstCellThatWins(pos.owned(player), freeCells);
    if (cell == kNone && level != Level::Easy) cell = firstCellThatWins(pos.owned(3 - player), freeCells);
    if (cell == kNone && std::popcount(freeCells) == 1) cell = std::countr_zero(freeCells);
    if (cell == kNone) {
        if (level == Level::Easy)
            cell = lightHeuristicCell(pos, player, random);
        else
            cell = TreeSearch(pos, player, random).run(limits);
    }
    return packed::posOf(cell);
}

double rightAnswerChance(Level level) {
    return traitsOf(level).rightChance;
}

int answerSlot(int rightSlot, Level level, rnd::Generator& random) {
    rightSlot = std::clamp(rightSlot, 1, 4);
    if (random.next() < rightAnswerChance(level)) return rightSlot;
    const int wrong = 1 + random.below(3); // 1 .. 3 of the other slots, in order
    return wrong >= rightSlot ? wrong + 1 : wrong;
}

int thinkingDelayMs(int timeLimitMs, rnd::Generator& random) {
    int longest = kLongestThinkingMs;
    if (timeLimitMs > 0) {
        // The answer must land before the clock runs out, with room for the events in between.
        const int room = std::max(1, std::min(500, timeLimitMs / 5));
        longest = std::min(longest, timeLimitMs - room);
    }
    const int shortest = std::min(kShortestThinkingMs, longest);
    return std::max(0, random.between(shortest, longest));
}

} // namespace computer
