#include "boardview.h"

#include "animation.h"
#include "canvas.h"
#include "numbers.h"
#include "platform.h"
#include "screenhost.h"
#include "sounds.h"

#include <array>
#include <cmath>
#include <memory>

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
// The score sits either side of the bar's middle ornament, a little apart from the names.
constexpr double kBarMiddle = 400, kScoreGap = 10, kScoreMargin = 12;
constexpr double kWinnerNameWidth = 245, kSmallestWinnerPoints = 12;
constexpr int kOpeningPause = 20, kZoomPause = 50;

// Squares of the question panel's tail that lie in front of the shrinking piece of these cells.
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

QRectF BoardView::cellArea(Cell cell) {
    const RectF r = cellRect(cell.col, cell.row);
    return QRectF(r.left, r.top, r.width, r.height).adjusted(-1, -1, 1, 1);
}

void BoardView::reset() {
    phase_ = Phase::Board;
    zoomFrame_ = -1;
    winnerCardShown_ = false;
    playAgainLit_ = false;
    forgetHover();
}

void BoardView::paintOpening(Canvas& c) const {
    const int i = openingStep_;
    const double x = 400 - 4 * i, y = 400 - 4 * i;
    c.drawPart(Background, x, y, 8 * i, 6 * i, x, y, 8 * i, 6 * i);
}

void BoardView::paintBoard(Canvas& c) const {
    c.draw(Background, 0, 0, 800, 600);
    paintPortraits(c);
    paintNames(c);
    paintCells(c);
    if (zoomFrame_ >= 0) {
        const Cell cell = host_.match().chosenCell();
        const RectF r = cellRect(cell.col, cell.row);
        const double i = zoomGrowth(host_.match().cells(), cell.col, cell.row) / 16.0 * zoomFrame_;
        const QRectF zoomed(r.left - i / 2, r.top - i / 2, 64 + i, 70 + i);
        c.draw(ZoomedCell, zoomed.x(), zoomed.y(), zoomed.width(), zoomed.height());
        keepNamesInFront(c, zoomed);
    }
}

void BoardView::paintCells(Canvas& c) const {
    const Grid& cells = host_.match().cells();
    const auto plateAndCells = [&cells](Canvas& on) {
        on.draw(BoardPlate, 129, 77, 542, 496);
        // Free cells lie lowest, a highlighted cell over all of its neighbours and over its own free look.
        for (int s = cellFree; s <= cellPlayer2; ++s)
            for (int row = 0; row < kRows; ++row)
                for (int col = firstCol(row); col <= lastCol(row); ++col)
                    if (cells.at(col, row) == s) {
                        const RectF r = cellRect(col, row);
                        on.draw(s, r.left, r.top, r.width, r.height);
                    }
    };
    if (c.isBetweenWholeScales()) {
        // In full screen the plate and its 28 cells are one kept picture until a cell changes hands.
        QString key;
        for (int row = 0; row < kRows; ++row)
            for (int col = firstCol(row); col <= lastCol(row); ++col)
                key += QChar(u'0' + cells.at(col, row));
        static const QRectF area = [] {
            QRectF all(129, 77, 542, 496);
            for (int row = 0; row < kRows; ++row)
                for (int col = firstCol(row); col <= lastCol(row); ++col) {
                    const RectF r = cellRect(col, row);
                    all |= QRectF(r.left, r.top, r.width, r.height);
                }
            return QRectF(all.toAlignedRect());
        }();
        c.drawKept(plateAndCells_, key, area, plateAndCells);
    } else {
        plateAndCells(c);
    }
    if (!(hovered_ == Cell{}) && cells.at(hovered_.col, hovered_.row) == cellFree) {
        const RectF r = cellRect(hovered_.col, hovered_.row);
        c.draw(HoveredCell, r.left, r.top, r.width, r.height);
    }
}

void BoardView::paintPortraits(Canvas& c) const {
    // The player on turn large, the other small, each centred in its frame.
    if (turnShown().isFox()) {
        c.draw(Player1Portrait, 663, 56, 116, 106);
        c.draw(Player2Portrait, 33, 67, 93, 85);
        c.draw(OnTurnFrame, kRightPortrait.x, kRightPortrait.y, kRightPortrait.w, kRightPortrait.h);
    } else {
        c.draw(Player2Portrait, 21, 56, 116, 106);
        c.draw(Player1Portrait, 675, 67, 93, 85);
        c.draw(OnTurnFrame, kLeftPortrait.x, kLeftPortrait.y, kLeftPortrait.w, kLeftPortrait.h);
    }
    const QRect close = closecontrol::kArea;
    c.draw(CloseControl, close.x(), close.y(), close.width(), close.height());
}

void BoardView::keepNamesInFront(Canvas& c, const QRectF& area) const {
    if (!area.intersects(QRectF(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h))) return;
    c.restoreBackground(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h);
    paintNames(c);
}

void BoardView::paintNames(Canvas& c) const {
    c.setTextColour(QColor(0, 80, 0));
    double owlRoom = kNameWidth, foxRoom = kNameWidth;
    // Once a game is won, each side's wins stand beside the bar's middle, the owl's left of it and
    // the fox's right of it; the names give way to them.
    const Score& score = host_.match().score();
    if (score.winsOf(Player::owl()) + score.winsOf(Player::fox()) > 0) {
        c.setTextBold(true);
        c.setTextSize(14);
        const QString owlWins = QString::number(score.winsOf(Player::owl()));
        const QString foxWins = QString::number(score.winsOf(Player::fox()));
        const double owlWidth = c.textWidth(owlWins), foxWidth = c.textWidth(foxWins);
        c.setTextPosition(kBarMiddle - kScoreGap - owlWidth, 98);
        c.print(owlWins);
        c.setTextPosition(kBarMiddle + kScoreGap, 98);
        c.print(foxWins);
        owlRoom = kBarMiddle - kScoreGap - owlWidth - kScoreMargin - 153;
        foxRoom = 647 - (kBarMiddle + kScoreGap + foxWidth + kScoreMargin);
    }
    // The name of the player on turn is bold: the owl's on the left, the fox's on the right.
    const bool owlBold = turnShown().isOwl();
    c.setTextBold(owlBold);
    c.setTextPosition(153, 98);
    c.setTextSize(14);
    c.print(c.fitText(host_.nameOf(Player::owl()), owlRoom, kSmallestNamePoints));
    c.setTextBold(!owlBold);
    c.setTextSize(14);
    const QString foxName = c.fitText(host_.nameOf(Player::fox()), foxRoom, kSmallestNamePoints);
    const double width = c.textWidth(foxName);
    c.setTextPosition(static_cast<float>(647 - width), 98);
    c.print(foxName);
}

Player BoardView::turnShown() const {
    // The turn passes on the board once the capture is over. On the winner screen nobody is on turn:
    // the winner stands out, not the loser who will begin the next game.
    if (phase_ == Phase::Capture) return capture_.answering;
    const Match& m = host_.match();
    if (m.screen() == Screen::Winner && m.winner()) return *m.winner();
    return m.playerOnTurn();
}

void BoardView::paintFront(Canvas& c) const {
    if (phase_ == Phase::Winner) {
        paintWinner(c);
        return;
    }
    if (phase_ != Phase::Capture) return;
    const double d = captureSize_, step = captureStep_;
    const RectF cell = cellRect(capture_.cell.col, capture_.cell.row);
    const double x = cell.left - d / 2, y = cell.top - d / 2, w = cell.width + d, h = cell.height + d;
    c.draw(capture_.newOwner.isFox() ? Player1BigPiece : Player2BigPiece, x, y, w, h);
    for (const Repair& r : kRepairs)
        if (r.player == capture_.answering.number() && r.col == capture_.cell.col &&
            r.row == capture_.cell.row)
            c.drawPart(capture_.answering.isFox() ? LeftPanel : RightPanel, r.x, r.y, 30, 30, r.sx, r.sy, 30,
                       30);
    keepNamesInFront(c, QRectF(x - step / 2, y - step / 2, w + step, h + step));
}

QRectF BoardView::captureArea() const {
    // The piece as large as in the frame before, which this frame must paint over.
    const double d = captureSize_ + captureStep_;
    const RectF cell = cellRect(capture_.cell.col, capture_.cell.row);
    QRectF area =
        QRectF(cell.left - d / 2, cell.top - d / 2, cell.width + d, cell.height + d).adjusted(-1, -1, 1, 1);
    for (const Repair& r : kRepairs)
        if (r.player == capture_.answering.number() && r.col == capture_.cell.col &&
            r.row == capture_.cell.row)
            area |= QRectF(r.x, r.y, 30, 30);
    if (area.intersects(QRectF(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h)))
        area |= QRectF(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h);
    return area;
}

void BoardView::startGame(std::function<void()> then) {
    forgetHover();
    zoomFrame_ = -1;
    winnerCardShown_ = false;
    playAgainLit_ = false;
    phase_ = Phase::Opening;
    // The background opens from the board's centre over the menu.
    std::vector<Animation::Step> frames;
    for (int i = 10; i <= 100; i += 5)
        frames.push_back({[this, i] {
                              openingStep_ = i;
                              const double x = 400 - 4 * i, y = 400 - 4 * i;
                              host_.refresh(QRectF(x, y, 8 * i, 6 * i));
                          },
                          kOpeningPause});
    host_.animation().play(std::move(frames), [this, then = std::move(then)] {
        phase_ = Phase::Board;
        host_.refresh();
        if (then) then();
    });
}

void BoardView::zoomInto(Cell cell, std::function<void()> then) {
    const RectF r = cellRect(cell.col, cell.row);
    const double growth = zoomGrowth(host_.match().cells(), cell.col, cell.row);
    const QRectF largest =
        QRectF(r.left - growth / 2, r.top - growth / 2, 64 + growth, 70 + growth).adjusted(-1, -1, 1, 1);
    const QRectF names(kNameStrip.x, kNameStrip.y, kNameStrip.w, kNameStrip.h);
    const QRectF area = largest.intersects(names) ? largest | names : largest;
    std::vector<Animation::Step> frames;
    for (int f = 0; f <= 16; ++f)
        frames.push_back({[this, f, area] {
                              zoomFrame_ = f;
                              host_.refresh(area);
                          },
                          kZoomPause});
    host_.animation().play(std::move(frames), std::move(then));
}

void BoardView::animateCapture(const Capture& c, int chosenSlot, std::function<void()> then) {
    host_.sounds().playEffect(c.right ? QStringLiteral("good") : QStringLiteral("bad"));
    capture_ = c;
    chosenSlot_ = chosenSlot;
    captureGrowth_ = zoomGrowth(host_.match().cells(), c.cell.col, c.cell.row);
    captureStep_ = captureGrowth_ / 16;
    std::vector<Animation::Step> frames;
    // The same sizes as a loop of d -= step reaches, rounding and all.
    for (double d = captureGrowth_; d >= 0; d -= captureStep_) {
        frames.push_back({[this, d] {
                              const bool first = phase_ != Phase::Capture;
                              phase_ = Phase::Capture;
                              captureSize_ = d;
                              // Each quarter of the shrinking takes one option away, the lowest first; the
                              // chosen and the right option stay to the end.
                              QRectF area = captureArea();
                              const auto quarter = numbers::roundHalfEven(captureGrowth_ / 4);
                              if (quarter != 0 && numbers::roundHalfEven(d + captureStep_) % quarter == 0) {
                                  const int k = static_cast<int>(std::floor(4 * d / captureGrowth_)) + 1;
                                  if (k != chosenSlot_ && k != capture_.rightSlot)
                                      area |= host_.clearOption(k);
                              }
                              if (first) {
                                  // The piece takes the zoomed cell's place.
                                  const RectF r = cellRect(capture_.cell.col, capture_.cell.row);
                                  const double g = captureGrowth_ + 2;
                                  area |= QRectF(r.left - g / 2, r.top - g / 2, 64 + g, 70 + g);
                                  zoomFrame_ = -1;
                              }
                              host_.refresh(area);
                          },
                          frames.empty() ? kFirstFramePause : kFramePause});
        if (captureStep_ <= 0) break;
    }
    auto cleared = std::make_shared<QRectF>();
    frames.push_back({[this, cleared] {
                          *cleared |= host_.clearOption(chosenSlot_);
                          if (capture_.rightSlot != chosenSlot_)
                              *cleared |= host_.clearOption(capture_.rightSlot);
                      },
                      kAfterPause});
    host_.animation().play(std::move(frames), [this, cleared, then = std::move(then)] {
        host_.refresh(*cleared);
        phase_ = Phase::Board;
        if (then) then();
    });
}

void BoardView::showWinner() {
    winnerCardShown_ = false;
    playAgainLit_ = false;
    // The winning pieces ringed, a pause, then the winner's card.
    host_.animation().play({{[this] {
                                 phase_ = Phase::Winner;
                                 host_.refresh();
                                 host_.sounds().playEffect(QStringLiteral("winner"));
                             },
                             kWinnerPause}},
                           [this] {
                               winnerCardShown_ = true;
                               host_.refresh(QRectF(268, 300, 265, 206) | QRectF(playagain::kArea));
                           });
}

void BoardView::paintWinner(Canvas& c) const {
    const Player winner = host_.match().winner().value_or(Player::fox());
    // Only the group that won is ringed; the winner's other cells stay plain.
    for (const Pos& cell : winningGroup(host_.match().cells(), winner.pieces())) {
        const RectF r = cellRect(cell.col, cell.row);
        c.draw(WinnerRing, r.left - 16, r.top - 16, 96, 102);
    }
    if (!winnerCardShown_) return;
    paintPlayAgain(c);
    c.draw(winner.isFox() ? Player1WinnerCard : Player2WinnerCard, 268, 300, 265, 206);
    c.drawPart(WinnerCaptions, 282, 329, 237, 71, 0, host_.isCzech() ? 71 : 0, 237, 71);
    c.setTextBold(true);
    c.setTextSize(20);
    const double fullHeight = c.textHeight();
    const QString name = c.fitText(host_.nameOf(winner), kWinnerNameWidth, kSmallestWinnerPoints);
    const double drop = (fullHeight - c.textHeight()) / 2; // a smaller name keeps the same middle
    c.setTextColour(QColor(80, 80, 80));
    const double width = c.textWidth(name);
    // A grey shadow in four directions, then the name in white.
    for (int k = 0; k < 4; ++k) {
        c.setTextPosition(static_cast<float>(400 - width / 2 - 2 + 4 * (k % 2)),
                          static_cast<float>(413 + 4 * (k / 2) + drop));
        c.print(name);
    }
    c.setTextColour(QColor(255, 255, 255));
    c.setTextPosition(static_cast<float>(400 - width / 2), static_cast<float>(415 + drop));
    c.print(name);
}

void BoardView::paintPlayAgain(Canvas& c) const {
    // The sheet holds four looks one under another: English plain and lit, then Czech plain and lit.
    const QRect a = playagain::kArea;
    const int look = (host_.isCzech() ? 2 : 0) + (playAgainLit_ ? 1 : 0);
    c.drawPart(PlayAgainSheet, a.x(), a.y(), a.width(), a.height(), 0, look * a.height(), a.width(),
               a.height());
}

void BoardView::lightPlayAgain(bool lit) {
    if (lit == playAgainLit_) return;
    playAgainLit_ = lit;
    host_.refresh(QRectF(playagain::kArea));
}

void BoardView::handleWinnerPointer(const Pointer& p) {
    if (!isPlayAgainShown()) return;
    const bool over = playagain::isHit(p.x, p.y);
    lightPlayAgain(over);
    if (over && p.clicks()) host_.playAgain();
}

bool BoardView::handleWinnerKey(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
    if (isPlayAgainShown()) host_.playAgain();
    return true;
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
    QRectF changed;
    if (!(previous == Cell{})) changed |= cellArea(previous);
    if (cells.at(col, row) == cellFree) {
        hoverButtons_ = p.buttons;
        if (!click) {
            hovered_ = {col, row};
            changed |= cellArea(hovered_);
        } else {
            host_.dealFor({col, row});
        }
    } else {
        hoverButtons_ = 0;
    }
    if (!changed.isEmpty()) host_.refresh(changed); // an empty area would paint the whole window
}

void BoardView::highlight(Cell cell) {
    QRectF changed = cellArea(cell);
    if (!(hovered_ == Cell{})) changed |= cellArea(hovered_);
    hovered_ = cell;
    host_.refresh(changed);
}

bool BoardView::handleKey(int key) {
    const Grid& cells = host_.match().cells();
    const bool none = hovered_ == Cell{};
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (none) return true;
        const Cell chosen = hovered_;
        forgetHover();
        host_.dealFor(chosen);
        host_.refresh(cellArea(chosen));
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
