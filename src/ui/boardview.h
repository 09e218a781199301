// The board screen: the triangle of cells with the highlighted cell under the pointer, the turn
// display (portraits, on-turn frame, names), and the animations of the board: the opening, the chosen
// cell's zoom, the capture and the winner. It paints from the match and its own view state.
#pragma once

#include "canvas.h"
#include "match.h"

#include <QRect>
#include <QRectF>
#include <functional>

class Canvas;
class ScreenHost;
struct Pointer;

// The control in the top right corner that ends a game: where it is drawn, and where it takes a click
// (from a little higher up, as it always has).
namespace closecontrol {
constexpr QRect kArea{770, 15, 30, 30};
constexpr bool isHit(int x, int y) {
    return x > kArea.left() && y > kArea.top() - 5 && y <= kArea.bottom();
}
} // namespace closecontrol

// The button under the winner's card that starts the next game at once.
namespace playagain {
constexpr QRect kArea{300, 512, 200, 46};
constexpr bool isHit(int x, int y) {
    return x >= kArea.left() && x <= kArea.right() && y >= kArea.top() && y <= kArea.bottom();
}
} // namespace playagain

class BoardView {
public:
    explicit BoardView(ScreenHost& host) : host_(host) {}

    // The opening animation from the board's centre over the menu, then the turn display and every
    // cell; then runs.
    void startGame(std::function<void()> then = {});
    bool isOpening() const { return phase_ == Phase::Opening; }
    // The chosen cell grows; then runs.
    void zoomInto(Cell cell, std::function<void()> then);
    // The cell goes to its new owner: its big piece shrinks onto it while the options go one by one
    // (clearOption); then runs once the board shows alone again.
    void animateCapture(const Capture& c, int chosenSlot, std::function<void()> then);
    // The winning group ringed, then after a pause the winner's card and the play-again button.
    void showWinner();
    bool isPlayAgainShown() const { return phase_ == Phase::Winner && winnerCardShown_; }
    bool isPlayAgainLit() const { return playAgainLit_; }
    // Back to the plain board, as a new screen shows.
    void reset();

    // Painting in layers: the board under the question panel, and what lies in front of it.
    void paintOpening(Canvas& c) const;
    void paintBoard(Canvas& c) const;
    void paintFront(Canvas& c) const;

    void handlePointer(const Pointer& p);
    // Arrows move the highlight over the free cells, Enter and Space choose the highlighted one.
    bool handleKey(int key);
    // On the winner screen only the play-again button answers: it lights under the pointer, and a
    // click on it, Enter or Space play again.
    void handleWinnerPointer(const Pointer& p);
    bool handleWinnerKey(int key);

    Cell hoveredCell() const { return hovered_; } // {0, 0} for none (no cell of the triangle is there)
    void forgetHover() {
        hovered_ = {};
        hoverButtons_ = 0;
    }
    // Where a cell's picture lies, with room for what spills over its rectangle.
    static QRectF cellArea(Cell cell);

private:
    enum class Phase { Opening, Board, Capture, Winner };

    Player turnShown() const;
    void paintPortraits(Canvas& c) const;
    void paintNames(Canvas& c) const;
    // The name bar lies in front of the board: over a zoomed piece that reaches into it.
    void keepNamesInFront(Canvas& c, const QRectF& area) const;
    void paintCells(Canvas& c) const;
    void paintWinner(Canvas& c) const;
    void paintPlayAgain(Canvas& c) const;
    void lightPlayAgain(bool lit);
    QRectF captureArea() const;
    void highlight(Cell cell);

    ScreenHost& host_;
    Phase phase_ = Phase::Board;
    int openingStep_ = 10;
    int zoomFrame_ = -1; // the chosen cell's zoom, -1 when there is none
    Capture capture_;
    int chosenSlot_ = 0;
    double captureGrowth_ = 0, captureStep_ = 0, captureSize_ = 0;
    bool winnerCardShown_ = false;
    bool playAgainLit_ = false;
    Cell hovered_;
    int hoverButtons_ = 0;
    mutable Canvas::KeptLayer plateAndCells_;
};
