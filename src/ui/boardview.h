// The board screen: the triangle of cells with the highlighted cell under the pointer, the turn
// display (portraits, on-turn frame, names), the capture animation and the winner screen.
#pragma once

#include "match.h"

#include <QRect>
#include <QRectF>
#include <functional>

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

class BoardView {
public:
    explicit BoardView(ScreenHost& host) : host_(host) {}

    // The opening animation from the board's centre, then the turn display and every cell.
    void startGame();
    void drawBoard(bool refresh);
    void drawCell(int col, int row);
    void drawPortraits();
    // Puts back the board plate and the cells inside a rectangle that something drawn over them
    // (an option box) has left, over the background already restored there.
    void restoreBoardUnder(const QRectF& area);
    void drawTurn();
    // The name bar with both names, the name of the player on turn in bold.
    void drawNames();
    // The bar lies in front of the board: after a zoomed cell is drawn over this area, the bar is
    // drawn again if the area reaches into it.
    void keepNamesInFront(const QRectF& area);
    // The cell goes to its new owner: its big piece shrinks onto it, erasing the unchosen options;
    // then runs once the board is drawn again.
    void animateCapture(const Capture& c, int chosenSlot, std::function<void()> then);
    // The winning group ringed, then after a pause the winner's card.
    void showWinner();
    void handlePointer(const Pointer& p);
    // Arrows move the highlight over the free cells, Enter and Space choose the highlighted one.
    bool handleKey(int key);

    Cell hoveredCell() const { return hovered_; } // {0, 0} for none (no cell of the triangle is there)
    void forgetHover() {
        hovered_ = {};
        hoverButtons_ = 0;
    }

private:
    int cellStateAt(int col, int row) const; // the match's cell, or the highlight over a free one
    void highlight(Cell cell);
    void drawCaptureFrame(const Capture& c, int chosenSlot, double growth, double step, double d);
    void drawWinnerCard(Player winner);

    ScreenHost& host_;
    Cell hovered_;
    int hoverButtons_ = 0;
};
