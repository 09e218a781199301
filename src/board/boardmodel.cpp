#include "boardmodel.h"

#include <cmath>

namespace boardmodel {

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

std::array<bool, 3> WinSearch::run(const Grid& board, int col, int row) {
    searchBoard = Grid{};
    for (int c = 0; c <= 6; ++c)
        for (int r = 0; r <= 6; ++r)
            searchBoard.set(c, r, board.at(c, r));
    for (int r = 0; r < kRows; ++r) {
        searchBoard.set(firstCol(r) - 1, r, sideLeft);
        searchBoard.set(lastCol(r) + 1, r, sideRight);
    }
    for (int c = 0; c <= 6; ++c)
        searchBoard.set(c, 7, sideBottom);
    sides = {false, false, false};
    // Only an owned or free cell starts a search; from an empty position it would never stop.
    if (board.at(col, row) != cellNone) Flood(col, row, board.at(col, row));
    return sides;
}

void WinSearch::Flood(int x, int y, std::uint8_t v) {
    const std::uint8_t m = searchBoard.at(x, y);
    if (m == sideLeft) sides[0] = true;
    if (m == sideRight) sides[1] = true;
    if (m == sideBottom) sides[2] = true;
    if (m != v) return;
    searchBoard.set(x, y, 0);
    for (const Pos& p : neighbours(x, y))
        Flood(p.col, p.row, v);
}

bool wins(const Grid& board, int col, int row) {
    const std::uint8_t v = board.at(col, row);
    if (v != cellPlayer1 && v != cellPlayer2) return false;
    WinSearch s;
    const auto sides = s.run(board, col, row);
    return sides[0] && sides[1] && sides[2];
}

} // namespace boardmodel
