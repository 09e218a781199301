#include "packedboard.h"

namespace packed {

Position fromGrid(const board::Grid& grid) {
    Position p;
    for (int i = 0; i < kCells; ++i) {
        const board::Pos c = posOf(i);
        const std::uint8_t s = grid.at(c.col, c.row);
        if (s == board::cellPlayer1) p.player1 |= bit(i);
        if (s == board::cellPlayer2) p.player2 |= bit(i);
    }
    return p;
}

} // namespace packed
