// The question phase: the panel with the question set as large as it fits, the four options, the
// answer clock's hand, and the pointer and keys over the options. It paints from the match and its own
// view state (the stage of its opening, each option's look, the hand).
#pragma once

#include "player.h"
#include "textfit.h"

#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>

class Canvas;
class ScreenHost;
struct Pointer;

enum class OptionState { Normal, Hovered, Wrong, Right, Cleared };

class QuestionPanel {
    Q_DECLARE_TR_FUNCTIONS(QuestionPanel)

public:
    explicit QuestionPanel(ScreenHost& host);

    // The panel opens for the player on turn with the options one by one; then the dealt question
    // shows and the clock starts.
    void open();
    // Gone, with its hand, once the capture is over.
    void close();
    bool isOpen() const { return stage_ != Stage::Closed; }
    void paint(Canvas& c) const;

    // An option box of the side of the player answering (the fox's on the right), slot 1 to 4 from
    // the top.
    static QRectF optionRect(Player side, int slot);
    // The option under a point, 1 to 4, or 0.
    static int optionAt(Player side, int x, int y);
    OptionState optionState(int slot) const { return options_[static_cast<std::size_t>(slot)]; }
    // Sets an option's look; returns the area to paint again.
    QRectF setOptionState(int slot, OptionState state);

    void handlePointer(const Pointer& p);
    // Keys 1 to 4 and A to D answer the options from the top; Up and Down move the highlight, Enter
    // and Space answer the highlighted option. False for a key the panel does not use.
    bool handleKey(int key);
    int hoveredSlot() const { return hovered_; }
    // The dealt question as the panel sets it: its size and lines in the game's pixels.
    textfit::SetText questionText() const;

    // The computer's answer: the light moves down the options to the one it chose, then answers it.
    void answerAsComputer(int slot);
    // One step of the clock hand, on the match's clockTicked; the last one is a time-out.
    void clockTick();
    // After a time-out, "Time's up!" below the question for as long as the right answer shows.
    bool isTimeUpShown() const;

private:
    enum class Stage { Closed, Opening, Shown };

    void paintFrames(Canvas& c, int frames) const;
    void paintQuestion(Canvas& c) const;
    void paintOption(Canvas& c, int slot, OptionState state) const;
    QRectF optionArea(int slot) const;
    QRectF panelArea() const;
    QRectF handArea() const;
    // Both return the area to paint again.
    QRectF highlight(int slot);
    QRectF answer(int slot);

    ScreenHost& host_;
    Stage stage_ = Stage::Closed;
    int openingFrame_ = 0;
    Player side_ = Player::fox();
    std::array<OptionState, 5> options_{};
    bool handShown_ = false;
    double handAngle_ = 0;
    bool timedOut_ = false;
    int hovered_ = 0;
    // The question as last set: each clock tick paints the panel again, and setting it tries every size.
    struct SetQuestion {
        QString text;
        Player side = Player::fox();
        textfit::SetText set;
    };
    mutable std::optional<SetQuestion> setQuestion_;
};
