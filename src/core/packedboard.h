// The 28 cells of the triangle as bits of one word, for the computer player's search: each player's
// cells are a mask, neighbours and the sides each cell touches are tables built once from board.h.
#pragma once

#include "board.h"

#include <array>
#include <bit>
#include <cstdint>

namespace packed {

constexpr int kCells = 28;
using Mask = std::uint32_t;
constexpr Mask kAllCells = (Mask{1} << kCells) - 1;

// Cells are numbered row by row from the top corner.
constexpr int indexOf(int col, int row) {
    return row * (row + 1) / 2 + (col - board::firstCol(row));
}
constexpr board::Pos posOf(int index) {
    int row = 0;
    while (index > row) {
        index -= row + 1;
        ++row;
    }
    return {board::firstCol(row) + index, row};
}
constexpr Mask bit(int index) {
    return Mask{1} << index;
}

struct Tables {
    std::array<Mask, kCells> neighbours{};
    // The cells next to each side, as the win search of board.h marks the sides around the grid.
    Mask left = 0, right = 0, bottom = 0;
};

constexpr Tables makeTables() {
    Tables t;
    for (int i = 0; i < kCells; ++i) {
        const board::Pos p = posOf(i);
        for (const board::Pos& n : board::neighbours(p.col, p.row)) {
            if (board::inTriangle(n.col, n.row))
                t.neighbours[i] |= bit(indexOf(n.col, n.row));
            else if (n.row >= 0 && n.row < board::kRows && n.col == board::firstCol(n.row) - 1)
                t.left |= bit(i);
            else if (n.row >= 0 && n.row < board::kRows && n.col == board::lastCol(n.row) + 1)
                t.right |= bit(i);
            else if (n.row == board::kRows && n.col >= 0 && n.col <= 6)
                t.bottom |= bit(i);
        }
    }
    return t;
}
inline constexpr Tables kTables = makeTables();

// Whether one connected group of the cells in owned touches all three sides.
constexpr bool hasWinningGroup(Mask owned) {
    // A winning group touches the left side, so only groups starting there are followed.
    Mask starts = owned & kTables.left;
    while (starts) {
        Mask group = starts & (~starts + 1);
        Mask frontier = group;
        while (frontier) {
            const int i = std::countr_zero(frontier);
            frontier &= frontier - 1;
            const Mask added = kTables.neighbours[static_cast<std::size_t>(i)] & owned & ~group;
            group |= added;
            frontier |= added;
        }
        if ((group & kTables.right) && (group & kTables.bottom)) return true;
        starts &= ~group;
    }
    return false;
}

// The two players' cells of a grid; anything else inside the triangle counts as free.
struct Position {
    Mask player1 = 0, player2 = 0;
    Mask owned(int player) const { return player == 1 ? player1 : player2; }
    Mask freeCells() const { return kAllCells & ~(player1 | player2); }
};
Position fromGrid(const board::Grid& grid);

} // namespace packed
