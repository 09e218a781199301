#include "match.h"

using namespace board;

Match::Match(QObject* parent) : QObject(parent) {
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(60);
    connect(&clock_, &QTimer::timeout, this, &Match::clockTicked);
}

void Match::startClock(int periodMs) {
    clock_.setInterval(qBound(0, periodMs, 65535));
    clockRunning_ = true;
    // A Qt timer of 0 would fire on every idle pass of the event loop: 0 means no limit. A clock
    // started while the game asks something waits for the answer.
    if (clock_.interval() > 0 && !clockPaused_)
        clock_.start();
    else
        clock_.stop();
}

void Match::stopClock() {
    clockRunning_ = false;
    clock_.stop();
}

void Match::pauseClock() {
    if (clockPaused_) return;
    clockPaused_ = true;
    clock_.stop();
}

void Match::resumeClock() {
    if (!clockPaused_) return;
    clockPaused_ = false;
    if (clockRunning_ && clock_.interval() > 0) clock_.start();
}

void Match::startGame() {
    cells_ = freeGrid();
    winner_.reset();
    screen_ = Screen::Board;
}

void Match::chooseCell(Cell cell, Deck& deck, bool english) {
    chosen_ = cell;
    question_ = deck.dealInLanguage(english);
    timeLeft_ = kFullTime;
    screen_ = Screen::Question;
    emit cellChosen(cell);
}

Capture Match::answer(int slot) {
    Capture c;
    c.cell = chosen_;
    c.answering = player_;
    c.right = slot != 0 && slot == question_.rightSlot;
    c.rightSlot = question_.rightSlot;
    if (c.right) player_ = player_.opponent();
    c.newOwner = c.right ? c.answering : c.answering.opponent();
    cells_.set(chosen_.col, chosen_.row, c.newOwner.pieces());
    screen_ = Screen::Board;
    emit cellCaptured(c);
    if (c.right) emit turnPassed(player_);
    return c;
}

bool Match::checkWinner(Cell lastCaptured) {
    if (!wins(cells_, lastCaptured.col, lastCaptured.row)) return false;
    winner_ = Player::owning(cells_.at(lastCaptured.col, lastCaptured.row));
    screen_ = Screen::Winner;
    if (!winner_) return true;
    score_.addWin(*winner_);
    emit gameWon(*winner_);
    return true;
}
