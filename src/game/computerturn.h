// The computer's part of a turn on the event loop: the cell search runs on a worker thread and the
// answer comes after a thinking delay, so the window never waits. Nothing is emitted after cancel()
// or once the object is gone.
#pragma once

#include "computerplayer.h"
#include "match.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

class ComputerTurn : public QObject {
    Q_OBJECT
public:
    // The seed gives the sequence of searches and answers; the program passes something like the time.
    explicit ComputerTurn(std::uint64_t seed, QObject* parent = nullptr);
    ~ComputerTurn() override;

    // Starts looking for a cell for player (1 or 2); cellChosen follows. Whatever was still pending is
    // cancelled first. False, and no signal, when no cell is free.
    bool chooseCell(const board::Grid& cells, int player, computer::Level level);
    bool chooseCell(const board::Grid& cells, int player, computer::Level level,
                    const computer::SearchLimits& limits);
    // answerChosen(slot) after a thinking delay that ends inside timeLimitMs (<= 0: no limit). Whatever
    // was still pending is cancelled first.
    void answerQuestion(int rightSlot, computer::Level level, int timeLimitMs);
    // Every answer after this delay instead of one that looks like thinking (tests and demonstrations).
    void setFixedAnswerDelay(std::optional<int> ms) { fixedDelayMs_ = ms; }
    // Stops the search and the answer still to come, without waiting for the search to finish.
    void cancel();

    // While the game asks the player anything: a found cell is held back and the thinking delay stands
    // still; resume delivers the cell and goes on with the delay where it stopped.
    void pause();
    void resume();
    bool isPaused() const { return paused_; }

    // A search runs, or its cell is held back by a pause.
    bool isChoosingCell() const { return searching_ || heldCell_.has_value(); }
    bool isCellHeldBack() const { return heldCell_.has_value(); }
    bool isAnswerPending() const { return answerPending_; }
    // The delay drawn for the latest answer, and its timer (tests look whether it is armed).
    int answerDelayMs() const { return answerDelayMs_; }
    const QTimer& answerTimer() const { return answerTimer_; }

signals:
    void cellChosen(Cell cell);
    void answerChosen(int slot);

private:
    void stopWorker();
    void searchFinished(std::uint64_t search, std::optional<board::Pos> cell);
    void answerDue();

    rnd::Generator random_;
    std::thread worker_;
    std::atomic<bool> stopRequested_{false};
    std::uint64_t search_ = 0; // counts the searches, so a result of an older one is dropped
    bool searching_ = false;
    std::optional<Cell> heldCell_;
    bool paused_ = false;

    QTimer answerTimer_;
    bool answerPending_ = false;
    int answerSlot_ = 0;
    int answerDelayMs_ = 0;
    int answerRemainingMs_ = 0;
    std::optional<int> fixedDelayMs_;
};
