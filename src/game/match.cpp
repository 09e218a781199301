#include "match.h"

using namespace board;

void Match::startGame() {
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            cells_.set(col, row, cellFree);
    winner_ = 0;
    screen_ = Screen::Board;
}

void Match::chooseCell(Cell cell, Deck& deck, bool english) {
    chosen_ = cell;
    question_ = deck.dealInLanguage(english);
    timeLeft_ = kFullTime;
    screen_ = Screen::Question;
}

Capture Match::answer(int slot) {
    Capture c;
    c.cell = chosen_;
    c.answeringPlayer = player_;
    c.right = slot != 0 && slot == question_.rightSlot;
    c.rightSlot = question_.rightSlot;
    if (c.right) player_ = 3 - player_;
    c.newOwner = c.right ? c.answeringPlayer : 3 - c.answeringPlayer;
    cells_.set(chosen_.col, chosen_.row, static_cast<std::uint8_t>(cellPlayer1 + c.newOwner - 1));
    screen_ = Screen::Board;
    return c;
}

bool Match::checkWinner(Cell lastCaptured) {
    if (!wins(cells_, lastCaptured.col, lastCaptured.row)) return false;
    winner_ = cells_.at(lastCaptured.col, lastCaptured.row) - cellPlayer1 + 1;
    screen_ = Screen::Winner;
    return true;
}
