#include "questionpanel.h"

#include "animation.h"
#include "match.h"
#include "numbers.h"
#include "platform.h"
#include "questionlayout.h"
#include "screenhost.h"
#include "sounds.h"
#include "surface.h"
#include "textfit.h"

#include <array>
#include <cmath>
#include <vector>

using namespace board;

namespace {
constexpr int kZoomPause = 50, kPanelPause = 70;

struct OptionLook {
    int picture; // side 1 draws the normal look from its own copy
    QColor text;
};
const std::array<OptionLook, 5> kLooks = {{
    {OptionNormal, QColor(255, 255, 63)},
    {OptionHovered, QColor(255, 255, 255)},
    {OptionWrong, QColor(255, 191, 191)},
    {OptionRight, QColor(255, 255, 0)},
    {-1, QColor(255, 255, 0)},
}};
} // namespace

QuestionPanel::QuestionPanel(ScreenHost& host) : host_(host) {
    QObject::connect(&host.match(), &Match::clockTicked, &host.match(), [this] { clockTick(); });
}

void QuestionPanel::show() {
    hovered_ = 0;
    Match& m = host_.match();
    const Player player = m.playerOnTurn();
    const Cell cell = m.chosenCell();
    const double growth = zoomGrowth(m.cells(), cell.col, cell.row);
    const RectF r = cellRect(cell.col, cell.row);
    std::vector<Animation::Step> frames;
    // The chosen cell grows, then the panel's frame opens while the options appear one by one.
    for (int f = 0; f <= 16; ++f)
        frames.push_back({[this, r, i = growth / 16 * f] {
                              host_.surface().draw(ZoomedCell, r.left - i / 2, r.top - i / 2, 64 + i, 70 + i);
                              host_.keepNamesInFront(QRectF(r.left - i / 2, r.top - i / 2, 64 + i, 70 + i));
                              host_.refresh();
                          },
                          kZoomPause});
    const int panelX = player.isFox() ? 22 : 467;
    for (int k = 0; k <= 7; ++k)
        frames.push_back({[this, player, panelX, k] {
                              host_.surface().draw(player.isFox() ? LeftPanelFrame : RightPanelFrame, panelX, 198,
                                                   313, 202);
                              if (k % 2 == 0) drawOption(player, k / 2 + 1, OptionState::Normal);
                              host_.refresh();
                          },
                          kPanelPause});
    host_.animation().play(std::move(frames), [this, player, panelX] { drawQuestion(player, panelX); });
}

void QuestionPanel::drawQuestion(Player player, int panelX) {
    Surface& s = host_.surface();
    Match& m = host_.match();
    s.draw(player.isFox() ? LeftPanel : RightPanel, panelX, 198, 313, 202);
    s.setTextBold(true);
    s.setTextColour(QColor(0, 0, 50));
    const Question& q = m.question();
    QString rest = q.text;
    int n = 0;
    do {
        const questionlayout::Line& l = questionlayout::lineTable[static_cast<std::size_t>(qMin(n, 8))];
        rest = drawJustifiedLine(rest, l.width, player.isFox() ? l.left1 : l.left2, questionlayout::lineTop(n));
        ++n;
    } while (!rest.isEmpty());
    host_.refresh();
    int length = static_cast<int>(q.text.size());
    for (int slot = 1; slot <= 4; ++slot)
        length += static_cast<int>(q.answers[static_cast<std::size_t>(slot)].size());
    m.startClock(textfit::tickPeriod(length, numbers::leadingNumber(host_.timeBase())));
}

void QuestionPanel::drawOption(Player side, int slot, OptionState state) {
    if (slot < 1 || slot > 8) return;
    Surface& s = host_.surface();
    const auto look = static_cast<std::size_t>(state);
    const QRectF box = optionRect(side, slot);
    const double x = box.x(), y = box.y();
    QString text;
    if (state == OptionState::Cleared) {
        s.restoreBackground(x, y, 200, 47);
    } else {
        s.draw(state == OptionState::Normal && side.isFox() ? OptionNormalCopy : kLooks[look].picture, x, y, 200,
               47);
        text = host_.match().question().answers[static_cast<std::size_t>(slot)];
        text.replace(QStringLiteral("%1%"), host_.nameOf(Player::owl()));
        text.replace(QStringLiteral("%2%"), host_.nameOf(Player::fox()));
    }
    s.setTextBold(false);
    s.setTextColour(kLooks[look].text);
    if (text.contains(u'|')) {
        // Two lines around the box's middle.
        const QStringList parts = text.split(u'|');
        const double h = s.textHeight();
        const QString& a = parts[0];
        const QString& b = parts[1];
        s.setTextPosition(static_cast<float>(x + static_cast<float>((200 - s.textWidth(a)) / 2)),
                          static_cast<float>(y + 23.5 - h));
        s.print(a);
        s.setTextPosition(static_cast<float>(x + static_cast<float>((200 - s.textWidth(b)) / 2)),
                          static_cast<float>(y + 23.5));
        s.print(b);
    } else {
        s.setTextPosition(static_cast<float>(x + static_cast<float>((200 - s.textWidth(text)) / 2)),
                          static_cast<float>(y + static_cast<float>((47 - s.textHeight()) / 2)));
        s.print(text);
    }
}

QRectF QuestionPanel::optionRect(Player side, int slot) {
    return {side.isFox() ? 500.0 + 32 * (slot - 1) : 100.0 - 32 * (slot - 1), 185.0 + 54 * (slot - 1) - 5, 200,
            47};
}

int QuestionPanel::optionAt(Player side, int x, int y) {
    // The box takes the pointer on its right and bottom edges too.
    for (int slot = 1; slot <= 4; ++slot) {
        const QRectF r = optionRect(side, slot);
        if (x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom()) return slot;
    }
    return 0;
}

QString QuestionPanel::drawJustifiedLine(const QString& text, float width, float left, float top) {
    if (text.isEmpty()) return {};
    Surface& s = host_.surface();
    const auto line = textfit::justify(text, width, left, [&s](const QString& t) { return s.textWidth(t); });
    for (const auto& word : line.words) {
        s.setTextPosition(word.x, top);
        s.print(word.word);
    }
    s.setTextPosition(s.textX(), top);
    return line.rest;
}

void QuestionPanel::handlePointer(const Pointer& p) {
    const Player side = host_.match().playerOnTurn();
    const int slot = optionAt(side, p.x, p.y);
    if (slot == 0) {
        // Off the options: the highlight goes now, not with the clock's next tick (there may be none).
        if (hovered_ != 0) {
            drawOption(side, hovered_, OptionState::Normal);
            hovered_ = 0;
            host_.refresh();
        }
        return;
    }
    drawOption(side, hovered_, OptionState::Normal);
    hovered_ = slot;
    drawOption(side, hovered_, OptionState::Hovered);
    if (p.clicks()) answer(hovered_);
    host_.refresh();
}

void QuestionPanel::highlight(int slot) {
    const Player side = host_.match().playerOnTurn();
    drawOption(side, hovered_, OptionState::Normal);
    hovered_ = slot;
    drawOption(side, hovered_, OptionState::Hovered);
}

// The chosen option turns right or wrong; after a wrong answer the right one shows too, until the
// capture animation erases both.
void QuestionPanel::answer(int slot) {
    const Player side = host_.match().playerOnTurn();
    const int rightSlot = host_.match().question().rightSlot;
    const bool right = slot == rightSlot;
    drawOption(side, slot, right ? OptionState::Right : OptionState::Wrong);
    if (!right) drawOption(side, rightSlot, OptionState::Right);
    host_.match().stopClock();
    host_.resolveAnswer(slot);
}

bool QuestionPanel::handleKey(int key) {
    int slot = 0;
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        slot = key - Qt::Key_1 + 1;
    else if (key >= Qt::Key_A && key <= Qt::Key_D)
        slot = key - Qt::Key_A + 1;
    if (slot != 0) {
        highlight(slot);
        answer(slot);
        host_.refresh();
        return true;
    }
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Up ? -1 : 1;
        highlight(hovered_ == 0 ? (step > 0 ? 1 : 4) : qBound(1, hovered_ + step, 4));
        host_.refresh();
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (hovered_ == 0) return true;
        answer(hovered_);
        host_.refresh();
        return true;
    default:
        return false;
    }
}

void QuestionPanel::clockTick() {
    Surface& s = host_.surface();
    Match& m = host_.match();
    const Player player = m.playerOnTurn();
    host_.drawPortraits();
    s.drawTurned(ClockHand, player.isFox() ? 79 : 721, 109, 360 - m.timeLeft(), -6, -64, 13, 66);
    if (m.isTimeUp()) {
        for (int slot = 1; slot <= 4; ++slot)
            drawOption(player, slot, OptionState::Normal);
        drawOption(player, m.question().rightSlot, OptionState::Right);
        host_.resolveAnswer(0);
        m.stopClock();
    }
    m.tick();
    const auto whole = numbers::roundHalfEven(m.timeLeft());
    if (whole % 15 == 0) host_.sounds().playEffect(QStringLiteral("time"));
    host_.refresh();
}
