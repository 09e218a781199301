// One match of the two players, as a state machine without drawing: the screen shown, the player on
// turn, the board, the chosen cell, the dealt question and the time left. The views draw this state
// and run the animations between its transitions.
#pragma once

#include "board.h"
#include "deck.h"
#include "player.h"
#include "score.h"

#include <QObject>
#include <QTimer>
#include <cstdint>

// Splash: the start-up picture until the game has loaded.
enum class Screen { Splash, Board, Question, Winner, Menu, Help, Settings, Setup };

struct Cell {
    int col = 0, row = 0;
    bool operator==(const Cell&) const = default;
};

// What an answer or a time-out did: who answered, who owns the cell now, and whether the turn passed.
struct Capture {
    Cell cell;
    Player answering = Player::fox();
    Player newOwner = Player::fox();
    bool right = false;
    int rightSlot = 0; // where the right answer was shown
};

class Match : public QObject {
    Q_OBJECT
public:
    // The clock runs 360 ticks, one a degree of the hand's turn.
    static constexpr float kFullTime = 360.0f;

    explicit Match(QObject* parent = nullptr);

    Screen screen() const { return screen_; }
    bool isInGame() const {
        return screen_ == Screen::Board || screen_ == Screen::Question || screen_ == Screen::Winner;
    }
    Player playerOnTurn() const { return player_; } // the loser of a game begins the next
    const board::Grid& cells() const { return cells_; }
    Cell chosenCell() const { return chosen_; }
    const Question& question() const { return question_; }
    float timeLeft() const { return timeLeft_; }
    std::optional<Player> winner() const { return winner_; } // on the winner screen
    // The wins of each player since the program started; a win counts as the winner screen shows.
    const Score& score() const { return score_; }
    // The players' names as they are now: a changed name starts the score again.
    void followPlayerNames(const QString& owlName, const QString& foxName) {
        score_.followNames(owlName, foxName);
    }

    // Sets up a position directly, as tests and benchmarks need: the board, the player on turn, the
    // screen, and the question phase of a chosen cell with its question.
    void setUp(const board::Grid& cells, Player playerOnTurn) {
        cells_ = cells;
        player_ = playerOnTurn;
    }
    void setUpScreen(Screen s) { screen_ = s; }
    void setUpQuestion(Cell chosen, const Question& q, float timeLeft = kFullTime) {
        chosen_ = chosen;
        question_ = q;
        timeLeft_ = timeLeft;
        screen_ = Screen::Question;
    }

    void showMenu() { screen_ = Screen::Menu; }
    void showHelp() { screen_ = Screen::Help; }
    void showSettings() { screen_ = Screen::Settings; }
    void showSetup() { screen_ = Screen::Setup; }

    // Every cell free, the board shown; the player on turn stays as the last game left it.
    void startGame();
    // The player on turn chooses a free cell and is dealt a question in the interface language.
    void chooseCell(Cell cell, Deck& deck, bool english);
    // The answer in a slot (0: none, the time ran out): a right answer wins the cell and passes the
    // turn, a wrong one gives the cell to the opponent. The board is shown again.
    Capture answer(int slot);
    Capture timeOut() { return answer(0); }
    // After a capture: whether the new owner's group now touches all three sides.
    bool checkWinner(Cell lastCaptured);
    // One tick of the answer clock; the clock hand points at 360 - timeLeft degrees.
    void tick() { timeLeft_ -= 1; }
    bool isTimeUp() const { return timeLeft_ <= 0; }

    // The answer clock of the dealt question: clockTicked every period ms (clamped to 0 ... 65535 ms;
    // 0 never ticks) from start until stop.
    void startClock(int periodMs);
    void stopClock();
    // While the game asks the player anything: no tick, not even from a clock started meanwhile (an
    // animation may finish under the question), and resume goes on from the time left.
    void pauseClock();
    void resumeClock();
    bool isClockRunning() const { return clockRunning_; }
    bool isClockPaused() const { return clockPaused_; }
    int clockPeriod() const { return clock_.interval(); }
    // Benchmarks and tests read the timer itself: whether it is armed, and its precision.
    const QTimer& clockTimer() const { return clock_; }

signals:
    // What happened, for views and tests that follow the match.
    void cellChosen(Cell cell);
    // A period of the answer clock passed.
    void clockTicked();
    void cellCaptured(const Capture& capture);
    void turnPassed(Player now);
    void gameWon(Player winner);

private:
    Screen screen_ = Screen::Splash;
    Player player_ = Player::owl();
    board::Grid cells_;
    Cell chosen_;
    Question question_;
    float timeLeft_ = 0;
    std::optional<Player> winner_;
    Score score_;
    QTimer clock_;
    bool clockRunning_ = false;
    bool clockPaused_ = false;
};
