// The turn display (portraits, on-turn frame, names) and the start of a game.
#include "frmMain.h"

#include "modes.h"
#include "platform.h"

#include <QLineEdit>

using namespace board;

namespace {
struct Area {
    int x, y, w, h;
};
constexpr Area kLeftPortrait{6, 40, 147, 139}, kRightPortrait{648, 40, 147, 139};
constexpr Area kNameStrip{150, 98, 500, 20}, kClose{770, 15, 30, 30};
} // namespace

void frmMain::DrawPlayer() {
    restoreBackground(kLeftPortrait.x, kLeftPortrait.y, kLeftPortrait.w, kLeftPortrait.h);
    restoreBackground(kRightPortrait.x, kRightPortrait.y, kRightPortrait.w, kRightPortrait.h);
    if (player == 1) {
        drawPic(8, 663, 56, 116, 106);
        drawPic(9, 44, 67, 93, 85);
        drawPic(10, kRightPortrait.x, kRightPortrait.y, kRightPortrait.w, kRightPortrait.h);
    } else {
        drawPic(9, 21, 56, 116, 106);
        drawPic(8, 663, 67, 93, 85);
        drawPic(10, kLeftPortrait.x, kLeftPortrait.y, kLeftPortrait.w, kLeftPortrait.h);
    }
    restoreBackground(kClose.x, kClose.y, kClose.w, kClose.h);
    drawPic(29, kClose.x, kClose.y, kClose.w, kClose.h);
}

void frmMain::SelectPlayer() {
    restoreBackground(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h);
    FontBold = player == 2;
    DrawPlayer();
    ForeColor = QColor(0, 80, 0);
    CurrentX = 153;
    CurrentY = 98;
    FontSize = 14;
    Print(Text1->text());
    FontBold = !FontBold;
    const double w = TextWidth(Text2->text());
    CurrentX = static_cast<float>(647 - w);
    CurrentY = 98;
    Print(Text2->text());
    FontSize = 11;
}

void frmMain::gameStart() {
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            board.set(col, row, cellFree);
    for (int i = 10; i <= 100; i += 5) {
        const double x = 400 - 4 * i, y = 400 - 4 * i;
        drawPicPart(20, x, y, 8 * i, 6 * i, x, y, 8 * i, 6 * i);
        platform_.sleep(20);
        Refresh();
    }
    SelectPlayer();
    DrawField(true);
    mode = modeBoard;
}
