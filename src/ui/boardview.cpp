#include "boardview.h"

#include "animation.h"
#include "numbers.h"
#include "platform.h"
#include "screenhost.h"
#include "sounds.h"
#include "surface.h"

#include <array>
#include <cmath>

using namespace board;

namespace {
// A cell is drawn with the picture in the slot of its state: assets/pictures.txt must keep these in
// this order.
constexpr bool isSlotOfState(Picture slot, CellState state) {
    return static_cast<int>(slot) == static_cast<int>(state);
}
static_assert(isSlotOfState(FreeCell, cellFree) && isSlotOfState(Player1Piece, cellPlayer1) &&
              isSlotOfState(Player2Piece, cellPlayer2) && isSlotOfState(HoveredCell, cellHover));

struct Area {
    int x, y, w, h;
};
constexpr Area kLeftPortrait{6, 40, 147, 139}, kRightPortrait{648, 40, 147, 139};
// Between the portraits, where the names go: their text reaches from y 98 to about 121.
constexpr Area kNameStrip{153, 96, 495, 28};
// Each name has half the strip between the first name's start (153) and the second's end (647).
constexpr double kNameWidth = 240, kSmallestNamePoints = 9.75;
constexpr double kWinnerNameWidth = 245, kSmallestWinnerPoints = 12;
constexpr int kOpeningPause = 20;

// Squares of the complete question panel that the capture animation of these cells reaches into.
struct Repair {
    int player, col, row, sx, sy, x, y;
};
constexpr std::array<Repair, 8> kRepairs = {{
    {1, 0, 5, 174, 190, 196, 388},
    {1, 1, 4, 206, 136, 228, 334},
    {1, 1, 3, 238, 82, 260, 280},
    {1, 2, 2, 270, 28, 292, 226},
    {2, 5, 5, 107, 190, 574, 388},
    {2, 4, 4, 75, 136, 542, 334},
    {2, 4, 3, 43, 82, 510, 280},
    {2, 3, 2, 11, 28, 478, 226},
}};
constexpr int kFirstFramePause = 500, kFramePause = 40, kAfterPause = 100, kWinnerPause = 1000;
} // namespace

int BoardView::cellStateAt(int col, int row) const {
    const int s = host_.match().cells().at(col, row);
    return s == cellFree && hovered_ == Cell{col, row} && !(hovered_ == Cell{}) ? cellHover : s;
}

void BoardView::drawBoard(bool refresh) {
    host_.surface().draw(BoardPlate, 129, 77, 542, 496);
    // Free cells lie lowest, a highlighted cell over all of its neighbours.
    for (int s = cellFree; s <= cellHover; ++s)
        for (int row = 0; row < kRows; ++row)
            for (int col = firstCol(row); col <= lastCol(row); ++col)
                if (cellStateAt(col, row) == s) {
                    const RectF r = cellRect(col, row);
                    host_.surface().draw(s, r.left, r.top, r.width, r.height);
                }
    if (refresh) host_.refresh();
}

void BoardView::drawCell(int col, int row) {
    const int s = cellStateAt(col, row);
    if (s == cellNone) return;
    const RectF r = cellRect(col, row);
    host_.surface().draw(s, r.left, r.top, r.width, r.height);
}

void BoardView::restoreBoardUnder(const QRectF& area) {
    Surface& s = host_.surface();
    const QRectF plate(129, 77, 542, 496);
    const QRectF part = area & plate;
    if (part.isEmpty()) return;
    s.setClip(part);
    s.drawPart(BoardPlate, part.x(), part.y(), part.width(), part.height(), part.x() - plate.x(),
               part.y() - plate.y(), part.width(), part.height());
    // In the board's own order: free cells lowest, a highlighted one on top.
    for (int state = cellFree; state <= cellHover; ++state)
        for (int row = 0; row < kRows; ++row)
            for (int col = firstCol(row); col <= lastCol(row); ++col) {
                const RectF r = cellRect(col, row);
                if (cellStateAt(col, row) == state &&
                    part.intersects(QRectF(r.left, r.top, r.width, r.height)))
                    s.draw(state, r.left, r.top, r.width, r.height);
            }
    s.clearClip();
}

void BoardView::drawPortraits() {
    Surface& s = host_.surface();
    s.restoreBackground(kLeftPortrait.x, kLeftPortrait.y, kLeftPortrait.w, kLeftPortrait.h);
    s.restoreBackground(kRightPortrait.x, kRightPortrait.y, kRightPortrait.w, kRightPortrait.h);
    // The player on turn large, the other small, each centred in its frame.
    if (host_.match().playerOnTurn().isFox()) {
        s.draw(Player1Portrait, 663, 56, 116, 106);
        s.draw(Player2Portrait, 33, 67, 93, 85);
        s.draw(OnTurnFrame, kRightPortrait.x, kRightPortrait.y, kRightPortrait.w, kRightPortrait.h);
    } else {
        s.draw(Player2Portrait, 21, 56, 116, 106);
        s.draw(Player1Portrait, 675, 67, 93, 85);
        s.draw(OnTurnFrame, kLeftPortrait.x, kLeftPortrait.y, kLeftPortrait.w, kLeftPortrait.h);
    }
    const QRect close = closecontrol::kArea;
    s.restoreBackground(close.x(), close.y(), close.width(), close.height());
    s.draw(CloseControl, close.x(), close.y(), close.width(), close.height());
}

void BoardView::drawTurn() {
    drawPortraits();
    drawNames();
}

void BoardView::keepNamesInFront(const QRectF& area) {
    if (area.intersects(QRectF(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h))) drawNames();
}

void BoardView::drawNames() {
    Surface& s = host_.surface();
    s.restoreBackground(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h);
    // The name of the player on turn is bold: the owl's on the left, the fox's on the right.
    s.setTextBold(host_.match().playerOnTurn().isOwl());
    s.setTextColour(QColor(0, 80, 0));
    s.setTextPosition(153, 98);
    s.setTextSize(14);
    s.print(s.fitText(host_.nameOf(Player::owl()), kNameWidth, kSmallestNamePoints));
    s.setTextBold(!s.isTextBold());
    s.setTextSize(14);
    const QString foxName = s.fitText(host_.nameOf(Player::fox()), kNameWidth, kSmallestNamePoints);
    const double width = s.textWidth(foxName);
    s.setTextPosition(static_cast<float>(647 - width), 98);
    s.print(foxName);
    s.setTextSize(11);
}

void BoardView::startGame() {
    forgetHover();
    // The background opens from the board's centre; each frame shows once its pause has passed.
    std::vector<Animation::Step> frames;
    for (int i = 10; i <= 100; i += 5)
        frames.push_back({[this, i] {
                              if (i > 10) host_.refresh();
                              const double x = 400 - 4 * i, y = 400 - 4 * i;
                              host_.surface().drawPart(Background, x, y, 8 * i, 6 * i, x, y, 8 * i, 6 * i);
                          },
                          kOpeningPause});
    host_.animation().play(std::move(frames), [this] {
        host_.refresh();
        drawTurn();
        drawBoard(true);
    });
}

void BoardView::animateCapture(const Capture& c, int chosenSlot, std::function<void()> then) {
    const int col = c.cell.col, row = c.cell.row;
    host_.sounds().playEffect(c.right ? QStringLiteral("good") : QStringLiteral("bad"));
    const double growth = zoomGrowth(host_.match().cells(), col, row);
    const double step = growth / 16;
    std::vector<Animation::Step> frames;
    // The same sizes as a loop of d -= step reaches, rounding and all.
    for (double d = growth; d >= 0; d -= step) {
        frames.push_back({[this, c, chosenSlot, growth, step, d] { drawCaptureFrame(c, chosenSlot, growth, step, d); },
                          frames.empty() ? kFirstFramePause : kFramePause});
        if (step <= 0) break;
    }
    frames.push_back({[this, c, chosenSlot] {
                          host_.clearOption(c.answering, chosenSlot);
                          if (c.rightSlot != chosenSlot) host_.clearOption(c.answering, c.rightSlot);
                      },
                      kAfterPause});
    host_.animation().play(std::move(frames), [this, then = std::move(then)] {
        host_.refresh();
        drawTurn();
        host_.surface().restoreBackground(0, 198, 800, 202);
        drawBoard(true);
        if (then) then();
    });
}

void BoardView::drawCaptureFrame(const Capture& c, int chosenSlot, double growth, double step, double d) {
    Surface& s = host_.surface();
    const int col = c.cell.col, row = c.cell.row;
    const Player answering = c.answering;
    const RectF cell = cellRect(col, row);
    const double x = cell.left - d / 2, y = cell.top - d / 2, w = cell.width + d, h = cell.height + d;
    s.drawPart(BoardPlate, x - step / 2, y - step / 2, w + step, h + step, x - step / 2 - 129, y - step / 2 - 77,
               w + step, h + step);
    for (const Pos& p : neighbours(col, row))
        drawCell(p.col, p.row);
    s.draw(c.newOwner.isFox() ? Player1BigPiece : Player2BigPiece, x, y, w, h);
    // Each quarter of the shrinking erases one option, the lowest first; the chosen and the right
    // option stay to the end.
    const auto quarter = numbers::roundHalfEven(growth / 4);
    if (quarter != 0 && numbers::roundHalfEven(d + step) % quarter == 0) {
        const int k = static_cast<int>(std::floor(4 * d / growth)) + 1;
        if (k != chosenSlot && k != c.rightSlot) host_.clearOption(answering, k);
    }
    for (const Repair& r : kRepairs)
        if (r.player == answering.number() && r.col == col && r.row == row)
            s.drawPart(answering.isFox() ? LeftPanel : RightPanel, r.x, r.y, 30, 30, r.sx, r.sy, 30, 30);
    keepNamesInFront(QRectF(x - step / 2, y - step / 2, w + step, h + step));
    host_.refresh();
}

void BoardView::showWinner() {
    const Player winner = host_.match().winner().value_or(Player::fox());
    const int state = winner.pieces();
    // The winning pieces ringed, a pause, then the winner's card.
    host_.animation().play({{[this, state] {
                                 for (int row = 0; row < kRows; ++row)
                                     for (int col = firstCol(row); col <= lastCol(row); ++col)
                                         if (host_.match().cells().at(col, row) == state) {
                                             const RectF r = cellRect(col, row);
                                             host_.surface().draw(WinnerRing, r.left - 16, r.top - 16, 96, 102);
                                         }
                                 host_.refresh();
                                 host_.sounds().playEffect(QStringLiteral("winner"));
                             },
                             kWinnerPause}},
                           [this, winner] {
                               drawWinnerCard(winner);
                               host_.refresh();
                           });
}

void BoardView::drawWinnerCard(Player winner) {
    Surface& s = host_.surface();
    s.draw(winner.isFox() ? Player1WinnerCard : Player2WinnerCard, 268, 300, 265, 206);
    s.drawPart(WinnerCaptions, 282, 329, 237, 71, 0, host_.isCzech() ? 71 : 0, 237, 71);
    s.setTextBold(true);
    s.setTextSize(20);
    const double fullHeight = s.textHeight();
    const QString name = s.fitText(host_.nameOf(winner), kWinnerNameWidth, kSmallestWinnerPoints);
    const double drop = (fullHeight - s.textHeight()) / 2; // a smaller name keeps the same middle
    s.setTextColour(QColor(80, 80, 80));
    const double width = s.textWidth(name);
    // A grey shadow in four directions, then the name in white.
    for (int k = 0; k < 4; ++k) {
        s.setTextPosition(static_cast<float>(400 - width / 2 - 2 + 4 * (k % 2)),
                          static_cast<float>(413 + 4 * (k / 2) + drop));
        s.print(name);
    }
    s.setTextColour(QColor(255, 255, 255));
    s.setTextPosition(static_cast<float>(400 - width / 2), static_cast<float>(415 + drop));
    s.print(name);
}

void BoardView::handlePointer(const Pointer& p) {
    const bool click = p.clicks();
    const int row = pointerRow(p.y);
    const int col = pointerCol(p.x, row);
    const Grid& cells = host_.match().cells();
    // Positions beyond the grid read as no cell, so a far-off pointer hits nothing.
    if (!((cells.at(hovered_.col, hovered_.row) != cellNone || cells.at(col, row) != cellNone) &&
          (col != hovered_.col || row != hovered_.row || p.buttons != hoverButtons_)))
        return;
    const Cell previous = hovered_;
    hovered_ = {};
    if (!(previous == Cell{})) drawCell(previous.col, previous.row);
    if (cells.at(col, row) == cellFree) {
        hoverButtons_ = p.buttons;
        if (!click) {
            hovered_ = {col, row};
            drawCell(col, row);
        } else {
            host_.dealFor({col, row});
        }
    } else {
        hoverButtons_ = 0;
    }
    host_.refresh();
}

void BoardView::highlight(Cell cell) {
    const Cell previous = hovered_;
    hovered_ = cell;
    if (!(previous == Cell{})) drawCell(previous.col, previous.row);
    drawCell(cell.col, cell.row);
    host_.refresh();
}

bool BoardView::handleKey(int key) {
    const Grid& cells = host_.match().cells();
    const bool none = hovered_ == Cell{};
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (none) return true;
        const Cell chosen = hovered_;
        forgetHover();
        drawCell(chosen.col, chosen.row);
        host_.dealFor(chosen);
        host_.refresh();
        return true;
    }
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down) return false;
    // From the highlighted cell to the nearest free cell that way: along the row for Left and Right,
    // the nearest row first for Up and Down. With nothing highlighted, the first free cell from the top.
    const RectF from = none ? RectF{} : cellRect(hovered_.col, hovered_.row);
    Cell best;
    double bestScore = 0;
    for (int row = 0; row < kRows; ++row)
        for (int col = firstCol(row); col <= lastCol(row); ++col) {
            if (cells.at(col, row) != cellFree) continue;
            if (none) {
                if (best == Cell{}) best = {col, row};
                continue;
            }
            const RectF r = cellRect(col, row);
            const double dx = r.left - from.left, dy = r.top - from.top;
            double score;
            if (key == Qt::Key_Left || key == Qt::Key_Right) {
                if (row != hovered_.row || (key == Qt::Key_Left ? dx >= 0 : dx <= 0)) continue;
                score = std::abs(dx);
            } else {
                if (key == Qt::Key_Up ? dy >= 0 : dy <= 0) continue;
                score = std::abs(dy) * 1000 + std::abs(dx);
            }
            if (best == Cell{} || score < bestScore) {
                best = {col, row};
                bestScore = score;
            }
        }
    if (!(best == Cell{})) highlight(best);
    return true;
}
