// Drawing the board: the plate and every cell, or one cell.
#include "frmMain.h"

using namespace board;

void frmMain::DrawField(bool refresh) {
    drawPic(0, 129, 77, 542, 496);
    // Free cells lie lowest, a highlighted cell over all of its neighbours.
    for (std::uint8_t s = cellFree; s <= cellHover; ++s)
        for (int row = 0; row < kRows; ++row)
            for (int col = firstCol(row); col <= lastCol(row); ++col)
                if (board.at(col, row) == s) {
                    const RectF r = cellRect(col, row);
                    drawPic(s, r.left, r.top, r.width, r.height);
                }
    if (refresh) Refresh();
}

void frmMain::DrawPole(int col, int row) {
    const std::uint8_t s = board.at(col, row);
    if (s == cellNone) return;
    const RectF r = cellRect(col, row);
    drawPic(s, r.left, r.top, r.width, r.height);
}
