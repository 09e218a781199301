// Judging an answer: the cell goes to its new owner with the shrinking-piece animation.
#include "frmMain.h"

#include "modes.h"
#include "numbers.h"
#include "platform.h"

#include <array>
#include <cmath>

using namespace board;

namespace {
// Squares of the complete question panel that the zoom of these cells reaches into.
struct Repair {
    int player, col, row, sx, sy, x, y;
};
constexpr std::array<Repair, 8> kRepairs = {{
    {1, 0, 5, 174, 190, 196, 388},
    {1, 1, 4, 206, 136, 228, 334},
    {1, 1, 3, 238, 82, 260, 280},
    {1, 2, 2, 270, 28, 292, 226},
    {2, 5, 5, 107, 190, 574, 388},
    {2, 4, 4, 75, 136, 542, 334},
    {2, 4, 3, 43, 82, 510, 280},
    {2, 3, 2, 11, 28, 478, 226},
}};
constexpr int kFirstFramePause = 500, kFramePause = 40, kAfterPause = 100;
} // namespace

void frmMain::Spravne(int col, int row, bool right, int slot) {
    const int A = player;
    makeSound(right ? QStringLiteral("good") : QStringLiteral("bad"));
    if (right) player = 3 - player;
    const int O = 3 - player;
    const double G = zoomGrowth(board, col, row);
    const double step = G / 16;
    const int shift = (row % 2 == 0) ? 0 : 32;
    int frame = 0;
    for (double d = G; d >= 0; d -= step, ++frame) {
        const double X = 176 + shift + 64 * col - d / 2, Y = 128 + 55 * row - d / 2, W = 64 + d, H = 70 + d;
        drawPicPart(0, X - step / 2, Y - step / 2, W + step, H + step, X - step / 2 - 129, Y - step / 2 - 77,
                    W + step, H + step);
        for (const Pos& p : neighbours(col, row))
            DrawPole(p.col, p.row);
        drawPic(5 + O, X, Y, W, H);
        const auto quarter = numbers::roundHalfEven(G / 4);
        if (quarter != 0 && numbers::roundHalfEven(d + step) % quarter == 0) {
            const int k = static_cast<int>(std::floor(4 * d / G)) + 1;
            if (k != slot) DrawVar(mode, k, optionClear);
        }
        for (const Repair& r : kRepairs)
            if (r.player == A && r.col == col && r.row == row)
                drawPicPart(22 + A, r.x, r.y, 30, 30, r.sx, r.sy, 30, 30);
        Refresh();
        platform_.sleep(frame == 0 ? kFirstFramePause : kFramePause);
    }
    DrawVar(mode, slot, optionClear);
    platform_.sleep(kAfterPause);
    Refresh();
    board.set(col, row, static_cast<std::uint8_t>(O + 1));
    SelectPlayer();
    restoreBackground(0, 198, 800, 202);
    DrawField(true);
    mode = modeBoard;
    test(col, row);
}
