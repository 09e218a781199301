#include "questionpanel.h"

#include "animation.h"
#include "canvas.h"
#include "match.h"
#include "numbers.h"
#include "platform.h"
#include "questionlayout.h"
#include "questiontext.h"
#include "screenhost.h"
#include "sounds.h"
#include "textfit.h"

#include <QFontMetricsF>
#include <array>
#include <cmath>
#include <vector>

using namespace board;

namespace {
constexpr int kPanelPause = 70;
// The options are written in 11 pt; the question as large as it fits.
constexpr double kOptionPoints = 11;

struct OptionLook {
    int picture; // the fox's side draws the normal look from its own copy
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

QRectF QuestionPanel::optionRect(Player side, int slot) {
    return {side.isFox() ? 500.0 + 32 * (slot - 1) : 100.0 - 32 * (slot - 1), 185.0 + 54 * (slot - 1) - 5,
            200, 47};
}

int QuestionPanel::optionAt(Player side, int x, int y) {
    // The box takes the pointer on its right and bottom edges too.
    for (int slot = 1; slot <= 4; ++slot) {
        const QRectF r = optionRect(side, slot);
        if (x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom()) return slot;
    }
    return 0;
}

QRectF QuestionPanel::optionArea(int slot) const {
    if (slot < 1 || slot > 4) return {};
    return optionRect(side_, slot).adjusted(-1, -1, 1, 1);
}

QRectF QuestionPanel::panelArea() const {
    return {questionlayout::panelX(side_) - 1, questionlayout::kPanelY - 1, panelshape::kWidth + 2,
            panelshape::kHeight + 2};
}

QRectF QuestionPanel::handArea() const {
    const double x = side_.isFox() ? 79 : 721;
    return {x - 68, 109 - 68, 136, 136};
}

void QuestionPanel::open() {
    side_ = host_.match().playerOnTurn();
    hovered_ = 0;
    handShown_ = false;
    timedOut_ = false;
    options_.fill(OptionState::Normal);
    std::vector<Animation::Step> frames;
    // The panel's frame builds up while the options appear one by one.
    for (int k = 0; k <= 7; ++k)
        frames.push_back({[this, k] {
                              stage_ = Stage::Opening;
                              openingFrame_ = k;
                              host_.refresh(k % 2 == 0 ? panelArea() | optionArea(k / 2 + 1) : panelArea());
                          },
                          kPanelPause});
    host_.animation().play(std::move(frames), [this] {
        stage_ = Stage::Shown;
        host_.refresh(panelArea());
        const Question& q = host_.match().question();
        int length = static_cast<int>(q.text.size());
        for (int slot = 1; slot <= 4; ++slot)
            length += static_cast<int>(q.answers[static_cast<std::size_t>(slot)].size());
        host_.match().startClock(textfit::tickPeriod(length, numbers::leadingNumber(host_.timeBase())));
        host_.questionShown();
    });
}

void QuestionPanel::answerAsComputer(int slot) {
    if (stage_ != Stage::Shown || slot < 1 || slot > 4) return;
    constexpr int kStepPause = 180, kLastPause = 350;
    std::vector<Animation::Step> steps;
    for (int k = 1; k <= slot; ++k)
        steps.push_back({[this, k] { host_.refresh(highlight(k)); }, k == slot ? kLastPause : kStepPause});
    host_.animation().play(std::move(steps), [this, slot] {
        if (host_.match().screen() == Screen::Question) host_.refresh(answer(slot));
    });
}

void QuestionPanel::close() {
    stage_ = Stage::Closed;
    handShown_ = false;
    timedOut_ = false;
    hovered_ = 0;
}

QRectF QuestionPanel::setOptionState(int slot, OptionState state) {
    if (slot < 1 || slot > 4) return {};
    const bool noteWasShown = isTimeUpShown();
    options_[static_cast<std::size_t>(slot)] = state;
    // The time-out note comes and goes with the right answer.
    return isTimeUpShown() == noteWasShown ? optionArea(slot) : optionArea(slot) | panelArea();
}

void QuestionPanel::paintFrames(Canvas& c, int frames) const {
    // Drawn once a step of the opening, as the frame has always built up.
    for (int k = 0; k < frames; ++k) {
        c.draw(side_.isFox() ? LeftPanelFrame : RightPanelFrame, questionlayout::panelX(side_),
               questionlayout::kPanelY, panelshape::kWidth, panelshape::kHeight);
        if (k % 2 == 0 && options_[static_cast<std::size_t>(k / 2 + 1)] != OptionState::Cleared)
            paintOption(c, k / 2 + 1, OptionState::Normal);
    }
}

void QuestionPanel::paint(Canvas& c) const {
    if (handShown_) c.drawTurned(ClockHand, side_.isFox() ? 79 : 721, 109, handAngle_, -6, -64, 13, 66);
    if (stage_ == Stage::Closed) return;
    if (stage_ == Stage::Opening) {
        paintFrames(c, openingFrame_ + 1);
        return;
    }
    // The frame, built up over the opening's eight steps, lies clear of the options: the order the
    // opening drew them in makes no difference, and the eight layers go on as one.
    for (int slot = 1; slot <= 4; ++slot)
        if (options_[static_cast<std::size_t>(slot)] != OptionState::Cleared)
            paintOption(c, slot, OptionState::Normal);
    c.drawLayers(side_.isFox() ? LeftPanelFrame : RightPanelFrame, 8, questionlayout::panelX(side_),
                 questionlayout::kPanelY);
    c.draw(side_.isFox() ? LeftPanel : RightPanel, questionlayout::panelX(side_), questionlayout::kPanelY,
           panelshape::kWidth, panelshape::kHeight);
    paintQuestion(c);
    // Every option first showed in its normal look.
    for (int slot = 1; slot <= 4; ++slot) {
        const OptionState state = options_[static_cast<std::size_t>(slot)];
        if (state != OptionState::Normal && state != OptionState::Cleared) paintOption(c, slot, state);
    }
}

void QuestionPanel::paintOption(Canvas& c, int slot, OptionState state) const {
    const auto look = static_cast<std::size_t>(state);
    const QRectF box = optionRect(side_, slot);
    const double x = box.x(), y = box.y();
    c.draw(state == OptionState::Normal && side_.isFox() ? OptionNormalCopy : kLooks[look].picture, x, y, 200,
           47);
    QString text = host_.match().question().answers[static_cast<std::size_t>(slot)];
    text.replace(QStringLiteral("%1%"), host_.nameOf(Player::owl()));
    text.replace(QStringLiteral("%2%"), host_.nameOf(Player::fox()));
    c.setTextSize(kOptionPoints);
    c.setTextBold(false);
    c.setTextColour(kLooks[look].text);
    // A long player name shown through %1% or %2% shrinks the answer, then ends it in "…".
    constexpr double kRoom = 190, kSmallestPoints = 8.25;
    if (text.contains(u'|')) {
        // Two lines around the box's middle, in one size.
        const QStringList parts = text.split(u'|');
        const bool firstWider = c.textWidth(parts[0]) >= c.textWidth(parts[1]);
        const QString wider = c.fitText(firstWider ? parts[0] : parts[1], kRoom, kSmallestPoints);
        const QString other =
            QFontMetricsF(c.textFont()).elidedText(firstWider ? parts[1] : parts[0], Qt::ElideRight, kRoom);
        const QString& a = firstWider ? wider : other;
        const QString& b = firstWider ? other : wider;
        const double h = c.textHeight();
        c.setTextPosition(static_cast<float>(x + static_cast<float>((200 - c.textWidth(a)) / 2)),
                          static_cast<float>(y + 23.5 - h));
        c.print(a);
        c.setTextPosition(static_cast<float>(x + static_cast<float>((200 - c.textWidth(b)) / 2)),
                          static_cast<float>(y + 23.5));
        c.print(b);
    } else {
        text = c.fitText(text, kRoom, kSmallestPoints);
        c.setTextPosition(static_cast<float>(x + static_cast<float>((200 - c.textWidth(text)) / 2)),
                          static_cast<float>(y + static_cast<float>((47 - c.textHeight()) / 2)));
        c.print(text);
    }
}

textfit::SetText QuestionPanel::questionText() const {
    const QString& text = host_.match().question().text;
    if (!setQuestion_ || setQuestion_->text != text || setQuestion_->side != side_)
        setQuestion_ = SetQuestion{text, side_, questiontext::set(text, side_)};
    return setQuestion_->set;
}

void QuestionPanel::paintQuestion(Canvas& c) const {
    const textfit::SetText text = questionText();
    c.setTextSize(text.points);
    c.setTextBold(true);
    c.setTextColour(QColor(0, 0, 50));
    for (const textfit::SetLine& line : text.lines) {
        c.setTextPosition(line.left, line.top);
        c.print(line.text);
    }
    if (isTimeUpShown()) {
        const textfit::SetLine note = questiontext::noteLine(text, side_);
        c.setTextColour(QColor(170, 20, 30));
        c.setTextPosition(note.left, note.top);
        c.print(tr("Time's up!"));
    }
}

bool QuestionPanel::isTimeUpShown() const {
    // As long as the right answer shows after a time-out: the capture takes both away together.
    const int rightSlot = host_.match().question().rightSlot;
    return timedOut_ && stage_ == Stage::Shown && rightSlot >= 1 && rightSlot <= 4 &&
           options_[static_cast<std::size_t>(rightSlot)] == OptionState::Right;
}

void QuestionPanel::handlePointer(const Pointer& p) {
    const int slot = optionAt(side_, p.x, p.y);
    if (slot == 0) {
        // Off the options: the highlight goes now, not with the clock's next tick (there may be none).
        if (hovered_ != 0) {
            const QRectF changed = setOptionState(hovered_, OptionState::Normal);
            hovered_ = 0;
            host_.refresh(changed);
        }
        return;
    }
    QRectF changed = highlight(slot);
    if (p.clicks()) changed |= answer(hovered_);
    host_.refresh(changed);
}

QRectF QuestionPanel::highlight(int slot) {
    QRectF changed = setOptionState(hovered_, OptionState::Normal);
    hovered_ = slot;
    changed |= setOptionState(hovered_, OptionState::Hovered);
    return changed;
}

// The chosen option turns right or wrong; after a wrong answer the right one shows too, until the
// capture animation takes both away.
QRectF QuestionPanel::answer(int slot) {
    const int rightSlot = host_.match().question().rightSlot;
    const bool right = slot == rightSlot;
    QRectF changed = setOptionState(slot, right ? OptionState::Right : OptionState::Wrong);
    if (!right) changed |= setOptionState(rightSlot, OptionState::Right);
    host_.match().stopClock();
    host_.resolveAnswer(slot);
    return changed;
}

bool QuestionPanel::handleKey(int key) {
    int slot = 0;
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        slot = key - Qt::Key_1 + 1;
    else if (key >= Qt::Key_A && key <= Qt::Key_D)
        slot = key - Qt::Key_A + 1;
    if (slot != 0) {
        QRectF changed = highlight(slot);
        changed |= answer(slot);
        host_.refresh(changed);
        return true;
    }
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Up ? -1 : 1;
        host_.refresh(highlight(hovered_ == 0 ? (step > 0 ? 1 : 4) : qBound(1, hovered_ + step, 4)));
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (hovered_ == 0) return true;
        host_.refresh(answer(hovered_));
        return true;
    default:
        return false;
    }
}

void QuestionPanel::clockTick() {
    Match& m = host_.match();
    handShown_ = true;
    handAngle_ = 360 - m.timeLeft();
    QRectF changed = handArea();
    if (m.isTimeUp()) {
        timedOut_ = true;
        for (int slot = 1; slot <= 4; ++slot)
            changed |= setOptionState(slot, OptionState::Normal);
        changed |= setOptionState(m.question().rightSlot, OptionState::Right);
        host_.resolveAnswer(0);
        m.stopClock();
    }
    m.tick();
    const auto whole = numbers::roundHalfEven(m.timeLeft());
    if (whole % 15 == 0) host_.sounds().playEffect(QStringLiteral("time"));
    host_.refresh(changed);
}
