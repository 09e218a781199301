// The win test after each capture and the winner screen.
#include "frmMain.h"

#include "modes.h"
#include "platform.h"

#include <QLineEdit>

using namespace board;

void frmMain::test(int col, int row) {
    const std::uint8_t v = board.at(col, row);
    const auto sides = sidesReached(board, col, row);
    if (sides[0] && sides[1] && sides[2]) showWinner(v);
}

void frmMain::showWinner(std::uint8_t v) {
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            if (board.at(col, row) == v) {
                const RectF r = cellRect(col, row);
                drawPic(19, r.left - 16, r.top - 16, 96, 102);
            }
    Refresh();
    makeSound(QStringLiteral("winner"));
    platform_.sleep(1000);
    drawPic(12 + v, 268, 300, 265, 206);
    drawPicPart(13, 282, 329, 237, 71, 0, czech ? 71 : 0, 237, 71);
    FontBold = true;
    FontSize = 20;
    const QString name = v == cellPlayer1 ? Text2->text() : Text1->text();
    ForeColor = QColor(80, 80, 80);
    const double w = TextWidth(name);
    for (int k = 0; k < 4; ++k) {
        CurrentX = static_cast<float>(400 - w / 2 - 2 + 4 * (k % 2));
        CurrentY = static_cast<float>(413 + 4 * (k / 2));
        Print(name);
    }
    ForeColor = QColor(255, 255, 255);
    CurrentX = static_cast<float>(400 - w / 2);
    CurrentY = 415;
    Print(name);
    mode = modeWinner;
}
