#include "computerturn.h"

#include <system_error>

ComputerTurn::ComputerTurn(std::uint64_t seed, QObject* parent) : QObject(parent), random_(seed) {
    answerTimer_.setSingleShot(true);
    answerTimer_.setTimerType(Qt::PreciseTimer);
    connect(&answerTimer_, &QTimer::timeout, this, &ComputerTurn::answerDue);
}

ComputerTurn::~ComputerTurn() {
    // The worker refers to this object: it must be gone before the members are.
    stopWorker();
}

void ComputerTurn::stopWorker() {
    if (!worker_.joinable()) return;
    // The search polls the flag on every iteration, so the join waits for one playout at most.
    stopRequested_.store(true, std::memory_order_relaxed);
    worker_.join();
    stopRequested_.store(false, std::memory_order_relaxed);
}

bool ComputerTurn::chooseCell(const board::Grid& cells, int player, computer::Level level) {
    return chooseCell(cells, player, level, computer::limitsOf(level));
}

bool ComputerTurn::chooseCell(const board::Grid& cells, int player, computer::Level level,
                              const computer::SearchLimits& limits) {
    cancel();
    bool anyFree = false;
    for (int row = 0; row < board::kRows && !anyFree; ++row)
        for (int col = board::firstCol(row); col <= board::lastCol(row); ++col)
            anyFree = anyFree ||
                      (cells.at(col, row) != board::cellPlayer1 && cells.at(col, row) != board::cellPlayer2);
    if (!anyFree) return false;

    searching_ = true;
    const std::uint64_t search = search_;
    computer::SearchLimits bounded = limits;
    bounded.cancelled = &stopRequested_;
    auto work = [this, cells, player, bounded, search,
                 random = rnd::Generator(random_.nextBits())](computer::Level playing) mutable {
        const auto cell = computer::chooseCell(cells, player, playing, random, bounded);
        // Queued to this object's thread; dropped by Qt if the object is destroyed before it arrives.
        QMetaObject::invokeMethod(
            this, [this, search, cell] { searchFinished(search, cell); }, Qt::QueuedConnection);
    };
    try {
        worker_ = std::thread(work, level);
    } catch (const std::system_error&) {
        // No thread to be had: the easy choice costs nothing and still arrives through the event loop.
        work(computer::Level::Easy);
    }
    return true;
}

void ComputerTurn::searchFinished(std::uint64_t search, std::optional<board::Pos> cell) {
    if (search != search_ || !searching_) return;
    searching_ = false;
    if (worker_.joinable()) worker_.join(); // it has nothing left to do but return
    if (!cell) return;
    const Cell chosen{cell->col, cell->row};
    if (paused_)
        heldCell_ = chosen;
    else
        emit cellChosen(chosen);
}

void ComputerTurn::answerQuestion(int rightSlot, computer::Level level, int timeLimitMs) {
    cancel();
    answerSlot_ = computer::answerSlot(rightSlot, level, random_);
    answerDelayMs_ = fixedDelayMs_ ? *fixedDelayMs_ : computer::thinkingDelayMs(timeLimitMs, random_);
    answerRemainingMs_ = answerDelayMs_;
    answerPending_ = true;
    if (!paused_) answerTimer_.start(answerRemainingMs_);
}

void ComputerTurn::answerDue() {
    if (!answerPending_) return;
    answerPending_ = false;
    emit answerChosen(answerSlot_);
}

void ComputerTurn::cancel() {
    ++search_;
    searching_ = false;
    stopWorker();
    heldCell_.reset();
    answerTimer_.stop();
    answerPending_ = false;
}

void ComputerTurn::pause() {
    if (paused_) return;
    paused_ = true;
    if (answerTimer_.isActive()) {
        answerRemainingMs_ = std::max(0, answerTimer_.remainingTime());
        answerTimer_.stop();
    }
}

void ComputerTurn::resume() {
    if (!paused_) return;
    paused_ = false;
    if (heldCell_) {
        const Cell cell = *heldCell_;
        heldCell_.reset();
        emit cellChosen(cell);
    }
    if (answerPending_) answerTimer_.start(answerRemainingMs_);
}
