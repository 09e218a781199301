// Pointer handling during a game: choosing a cell on the board and an answer in the question phase.
#include "frmMain.h"

#include "modes.h"

#include <cmath>

using namespace board;

void frmMain::boardBranch(int Button, int Shift, int X, int Y) {
    const bool click = Button == 1 && Shift == 1;
    const int row = pointerRow(Y);
    const int col = pointerCol(X, row);
    // Positions beyond the grid read as no cell (Grid::at), so a far-off pointer hits nothing.
    if (!((board.at(hoverCol, hoverRow) != cellNone || board.at(col, row) != cellNone) &&
          (col != hoverCol || row != hoverRow || Button != hoverButton)))
        return;
    if (hoverCol != 0 || hoverRow != 0) {
        board.set(hoverCol, hoverRow, cellFree);
        DrawPole(hoverCol, hoverRow);
    }
    if (board.at(col, row) == cellFree) {
        hoverCol = col;
        hoverRow = row;
        hoverButton = Button;
        if (!click) {
            board.set(col, row, cellHover);
            DrawPole(col, row);
        } else {
            Click(col, row);
            chosenCol = col;
            chosenRow = row;
            hoverCol = 0;
            hoverRow = 0;
        }
    } else {
        hoverCol = 0;
        hoverRow = 0;
        hoverButton = 0;
    }
    Refresh();
}

void frmMain::answerBranch(int Button, int Shift, int X, int Y) {
    const bool click = Button == 1 && Shift == 1;
    DrawVar(mode, hoverAnswer, optionNormal);
    const int t = Y - 185 + 5;
    const int k = static_cast<int>(std::floor(t / 54.0));
    if (t % 54 > 47 || k < 0 || k > 3) return;
    const int u = mode == modeQuestion1 ? X - 495 - 9 + 4 - 32 * k : X - 105 + 9 - 4 + 32 * k;
    if (u < 0 || u > 200) return;
    hoverAnswer = k + 1;
    DrawVar(mode, hoverAnswer, optionHover);
    if (click) {
        const bool right = hoverAnswer == question.rightSlot;
        DrawVar(mode, hoverAnswer, right ? optionRight : optionWrong);
        setClockEnabled(false);
        Spravne(chosenCol, chosenRow, right, hoverAnswer);
    }
    Refresh();
}
