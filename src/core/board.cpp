#include "board.h"

#include <cmath>

namespace board {

int zoomGrowth(const Grid& board, int col, int row) {
    if (row == 0 || row == 6) return 48;
    if (board.at(col + 1, row) == cellNone || board.at(col - 1, row) == cellNone) return 20;
    return 64;
}

namespace {
int floorDiv(int a, int b) {
    return static_cast<int>(std::floor(static_cast<double>(a) / b));
}
} // namespace

int pointerRow(int y) {
    return floorDiv(y - 128 - 8, 55);
}

int pointerCol(int x, int row) {
    return floorDiv(x - 176 - ((row % 2 == 0) ? 0 : 32), 64);
}

namespace {
class SideSearch {
public:
    std::array<bool, 3> run(const Grid& board, int col, int row) {
        for (int c = 0; c <= 6; ++c)
            for (int r = 0; r <= 6; ++r)
                marked_.set(c, r, board.at(c, r));
        for (int r = 0; r < kRows; ++r) {
            marked_.set(firstCol(r) - 1, r, sideLeft);
            marked_.set(lastCol(r) + 1, r, sideRight);
        }
        for (int c = 0; c <= 6; ++c)
            marked_.set(c, 7, sideBottom);
        // Only an owned or free cell starts a search; from an empty position it would never stop.
        if (board.at(col, row) != cellNone) flood(col, row, board.at(col, row));
        return sides_;
    }
    // The cells the last run reached, in the order it reached them.
    const std::vector<Pos>& group() const { return group_; }

private:
    void flood(int x, int y, std::uint8_t v) {
        const std::uint8_t m = marked_.at(x, y);
        if (m == sideLeft) sides_[0] = true;
        if (m == sideRight) sides_[1] = true;
        if (m == sideBottom) sides_[2] = true;
        if (m != v) return;
        marked_.set(x, y, 0);
        group_.push_back({x, y});
        for (const Pos& p : neighbours(x, y))
            flood(p.col, p.row, v);
    }

    Grid marked_;
    std::array<bool, 3> sides_{};
    std::vector<Pos> group_;
};
} // namespace

std::array<bool, 3> sidesReached(const Grid& board, int col, int row) {
    return SideSearch().run(board, col, row);
}

bool wins(const Grid& board, int col, int row) {
    const std::uint8_t v = board.at(col, row);
    if (v != cellPlayer1 && v != cellPlayer2) return false;
    const auto sides = sidesReached(board, col, row);
    return sides[0] && sides[1] && sides[2];
}

std::vector<Pos> winningGroup(const Grid& board, CellState owner) {
    if (owner != cellPlayer1 && owner != cellPlayer2) return {};
    // Each group is searched once, from its first cell in reading order.
    Grid inWinningGroup, searched;
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col) {
            if (board.at(col, row) != owner || searched.at(col, row) != 0) continue;
            SideSearch search;
            const auto sides = search.run(board, col, row);
            const bool winning = sides[0] && sides[1] && sides[2];
            for (const Pos& p : search.group()) {
                searched.set(p.col, p.row, 1);
                if (winning) inWinningGroup.set(p.col, p.row, 1);
            }
        }
    std::vector<Pos> cells;
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            if (inWinningGroup.at(col, row) != 0) cells.push_back({col, row});
    return cells;
}

} // namespace board
