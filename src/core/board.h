// The triangle of 28 hexagonal cells: grid, shape, cell rectangles, neighbours and the win search.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace board {

enum CellState : std::uint8_t { cellNone = 0, cellFree = 1, cellPlayer1 = 2, cellPlayer2 = 3, cellHover = 4 };

constexpr int kMin = -10;
constexpr int kMax = 18;
constexpr int kSpan = kMax - kMin + 1; // 29
constexpr int kRows = 7;

// Grid with both indexes from -10 to 18; reads outside count as cellNone, writes there are dropped.
class Grid {
public:
    static bool inRange(int col, int row) { return col >= kMin && col <= kMax && row >= kMin && row <= kMax; }
    std::uint8_t at(int col, int row) const {
        return inRange(col, row) ? cells_[static_cast<std::size_t>((row - kMin) * kSpan + (col - kMin))] : 0;
    }
    void set(int col, int row, std::uint8_t v) {
        if (inRange(col, row)) cells_[static_cast<std::size_t>((row - kMin) * kSpan + (col - kMin))] = v;
    }
    bool operator==(const Grid&) const = default;

private:
    std::array<std::uint8_t, kSpan * kSpan> cells_{};
};

constexpr int firstCol(int row) {
    return (6 - row) / 2;
}
constexpr int lastCol(int row) {
    return 6 - (7 - row) / 2;
}
constexpr bool inTriangle(int col, int row) {
    return row >= 0 && row < kRows && col >= firstCol(row) && col <= lastCol(row);
}

// The board of a new game: every cell of the triangle free, the rest none.
inline Grid freeGrid() {
    Grid g;
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            g.set(col, row, cellFree);
    return g;
}

struct RectF {
    float left, top, width, height;
};

// Odd rows are shifted right by half a cell; every row is centred on x = 400.
constexpr RectF cellRect(int col, int row) {
    const int shift = (row % 2 == 0) ? 0 : 32; // a negative odd row has row % 2 == -1: shifted too
    return {static_cast<float>(176 + shift + 64 * col), static_cast<float>(128 + 55 * row), 64.f, 70.f};
}

struct Pos {
    int col, row;
};

// The six neighbours in the order the capture animation and the search visit them.
constexpr std::array<Pos, 6> neighbours(int col, int row) {
    const int s = (row % 2 == 0) ? -1 : 1;
    return {{{col - 1, row},
             {col + 1, row},
             {col, row - 1},
             {col, row + 1},
             {col + s, row - 1},
             {col + s, row + 1}}};
}

// How far a cell's picture grows in the zoom animations.
int zoomGrowth(const Grid& board, int col, int row);

// The cell under the pointer; positions off the grid give row or column outside the grid's range.
int pointerRow(int y);
int pointerCol(int x, int row);

// Marker values of the win search's scratch grid.
constexpr std::uint8_t sideLeft = 8, sideRight = 9, sideBottom = 10;

// Which sides (0 left, 1 right, 2 bottom) the group of the cell (col, row) reaches; a flood fill on a
// copy of the board with the sides marked around it.
std::array<bool, 3> sidesReached(const Grid& board, int col, int row);

// Whether the group of the cell (col, row) touches all three sides.
bool wins(const Grid& board, int col, int row);

// The cells of owner's groups that touch all three sides, row by row from the top: what the winner
// screen rings. Cells of owner outside such a group are left out; empty when owner has not won.
std::vector<Pos> winningGroup(const Grid& board, CellState owner);

} // namespace board
