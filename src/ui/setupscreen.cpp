#include "setupscreen.h"

#include "canvas.h"
#include "screenhost.h"
#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace {
// The panel of the background picture holds the screen: x 352 to 778.
constexpr double kLeft = 352, kWidth = 426;
constexpr double kHeadingY = 104;
constexpr double kSetCaptionY = 136;
constexpr QRectF kSetBox{kLeft, 158, kWidth, 30};
constexpr double kSetArrowWidth = 34;
constexpr double kTopicsCaptionY = 198;
constexpr double kChipTop = 222, kChipStep = 30, kChipHeight = 26, kChipGap = 10;
constexpr double kDifficultyCaptionY = 440;
constexpr double kDifficultyTop = 462, kDifficultyHeight = 30, kDifficultyGap = 8;
constexpr double kStatusY = 503;
constexpr QRectF kStartBox{640, 534, 138, 42};
constexpr double kHintColumn = kLeft + 128, kHintTop = 538, kHintStep = 20;
constexpr QRectF kPanel{340, 96, 450, 490}; // what a change of set paints again

const QColor kCaption(190, 200, 255);
const QColor kOnFill(37, 172, 242);
const QColor kOffFill(255, 255, 255, 22);
const QColor kOffBorder(110, 125, 190);
const QColor kOffText(175, 185, 225);
const QColor kFocusRing(255, 214, 64);
const QColor kWarning(255, 214, 64);
const QColor kProblem(255, 150, 140);

// Under the pointer an item lights up, on or off.
QColor fillOf(bool on, bool hovered) {
    if (on) return hovered ? QColor(92, 196, 250) : kOnFill;
    return hovered ? QColor(255, 255, 255, 56) : kOffFill;
}

QString tr2(bool czech, const char* cs, const char* en) {
    return czech ? QString::fromUtf8(cs) : QString::fromUtf8(en);
}

// 1 otázka, 2 až 4 otázky, 5 a víc otázek.
QString questionsInCzech(int n) {
    if (n == 1) return QStringLiteral("1 otázka");
    if (n >= 2 && n <= 4) return QStringLiteral("%1 otázky").arg(n);
    return QStringLiteral("%1 otázek").arg(n);
}

QString difficultyName(DifficultyChoice d, bool czech) {
    switch (d) {
    case DifficultyChoice::Easy:
        return tr2(czech, "Lehké", "Easy");
    case DifficultyChoice::Mixed:
        return tr2(czech, "Smíšené", "Mixed");
    case DifficultyChoice::Hard:
        return tr2(czech, "Těžké", "Hard");
    }
    return {};
}
} // namespace

void SetupScreen::show(QuestionSets sets, const PlayChoice& choice) {
    sets_ = std::move(sets);
    choice_ = choice;
    const QuestionSet& chosen = sets_.chosen(choice.setPath, choice.setName);
    const auto& all = sets_.all();
    setIndex_ = static_cast<int>(std::find_if(all.begin(), all.end(),
                                              [&](const QuestionSet& s) { return s.path == chosen.path; }) -
                                 all.begin());
    if (setIndex_ >= static_cast<int>(all.size())) setIndex_ = 0;
    hover_ = -1;
    chooseSet(setIndex_);
    // Enter straight away plays as last time; when it cannot, the focus waits on the set.
    focus_ = canStart() ? static_cast<int>(items_.size()) - 1 : 0;
    host_.refresh();
}

void SetupScreen::chooseSet(int index) {
    setIndex_ = index;
    const QuestionSet& s = set();
    choice_.setPath = s.isProgramBank() ? QString() : s.path;
    choice_.setName = s.isProgramBank() ? QString() : s.name;
    setError_ = host_.useQuestionSet(s);
    recount();
    // Topics chosen for another set that this one lacks would leave nothing: this set's all come on.
    TopicSet& topics = choice_.filter.topics;
    if (!shownTopics_.empty() &&
        std::none_of(shownTopics_.begin(), shownTopics_.end(), [&](Topic t) { return topics.contains(t); })) {
        for (Topic t : shownTopics_)
            topics.insert(t);
        recount();
    }
}

void SetupScreen::recount() {
    const bool english = !host_.isCzech();
    const Deck& deck = host_.deck();
    const bool readable = setError_.isEmpty();
    shownTopics_.clear();
    if (readable) {
        const TopicCounts any = deck.countPerTopic(english);
        for (Topic t : allTopics())
            if (any[static_cast<std::size_t>(t)] > 0) shownTopics_.push_back(t);
        counts_ = deck.countPerTopic(english, choice_.filter.difficulty);
        for (int d = 0; d < 3; ++d)
            perDifficulty_[static_cast<std::size_t>(d)] =
                deck.countAccepted({choice_.filter.topics, static_cast<DifficultyChoice>(d)}, english);
        accepted_ = deck.countAccepted(choice_.filter, english);
    } else {
        counts_ = {};
        perDifficulty_ = {};
        accepted_ = 0;
    }
    layOut();
}

void SetupScreen::layOut() {
    items_.clear();
    items_.push_back({Kind::Set, 0, kSetBox});
    const double chipWidth = (kWidth - kChipGap) / 2;
    int n = 0;
    auto addChip = [&](Kind kind, int index) {
        const double x = kLeft + (n % 2) * (chipWidth + kChipGap);
        const double y = kChipTop + (n / 2) * kChipStep;
        items_.push_back({kind, index, QRectF(x, y, chipWidth, kChipHeight)});
        ++n;
    };
    // A set of one topic needs no "all".
    if (shownTopics_.size() > 1) addChip(Kind::AllTopics, 0);
    for (Topic t : shownTopics_)
        addChip(Kind::Topic, static_cast<int>(t));
    const double buttonWidth = (kWidth - 2 * kDifficultyGap) / 3;
    for (int d = 0; d < 3; ++d)
        items_.push_back({Kind::Difficulty, d,
                          QRectF(kLeft + d * (buttonWidth + kDifficultyGap), kDifficultyTop, buttonWidth,
                                 kDifficultyHeight)});
    items_.push_back({Kind::Start, 0, kStartBox});
    if (focus_ >= static_cast<int>(items_.size())) focus_ = static_cast<int>(items_.size()) - 1;
}

const SetupScreen::Item* SetupScreen::focusedItem() const {
    return focus_ >= 0 && focus_ < static_cast<int>(items_.size()) ? &items_[static_cast<std::size_t>(focus_)]
                                                                   : nullptr;
}

const SetupScreen::Item* SetupScreen::find(Kind kind, int index) const {
    for (const Item& i : items_)
        if (i.kind == kind && i.index == index) return &i;
    return nullptr;
}

int SetupScreen::itemAt(double x, double y) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].area.contains(x, y)) return static_cast<int>(i);
    return -1;
}

void SetupScreen::refreshItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    // The focus ring lies outside the item.
    host_.refresh(items_[static_cast<std::size_t>(index)].area.adjusted(-5, -5, 5, 5));
}

void SetupScreen::setFocus(int index) {
    if (index == focus_) return;
    refreshItem(focus_);
    focus_ = index;
    refreshItem(focus_);
}

void SetupScreen::setHover(int index) {
    if (index == hover_) return;
    refreshItem(hover_);
    hover_ = index;
    refreshItem(hover_);
}

void SetupScreen::activate(const Item& item, int direction) {
    const Kind kind = item.kind;
    const int index = item.index;
    TopicSet& topics = choice_.filter.topics;
    switch (kind) {
    case Kind::Set: {
        const int count = static_cast<int>(sets_.all().size());
        if (count < 2) return;
        host_.sounds().playEffect(QStringLiteral("select"));
        chooseSet((setIndex_ + direction + count) % count);
        // The topics change with the set: the focus stays on the set.
        focus_ = 0;
        hover_ = -1;
        host_.refresh(kPanel);
        return;
    }
    case Kind::AllTopics: {
        bool allOn = true;
        for (Topic t : shownTopics_)
            allOn = allOn && topics.contains(t);
        for (Topic t : shownTopics_)
            allOn ? topics.remove(t) : topics.insert(t);
        break;
    }
    case Kind::Topic: {
        const auto t = static_cast<Topic>(index);
        topics.contains(t) ? topics.remove(t) : topics.insert(t);
        break;
    }
    case Kind::Difficulty:
        choice_.filter.difficulty = static_cast<DifficultyChoice>(index);
        break;
    case Kind::Start:
        if (!canStart()) return;
        host_.sounds().playEffect(QStringLiteral("select"));
        host_.playChoice(choice_);
        return;
    }
    host_.sounds().playEffect(QStringLiteral("select"));
    recount();
    host_.refresh(kPanel);
}

void SetupScreen::handlePointer(const Pointer& p) {
    const int index = itemAt(p.x, p.y);
    setHover(index);
    if (!p.clicks() || index < 0) return;
    const Item item = items_[static_cast<std::size_t>(index)];
    setFocus(index);
    // The set box: its left arrow goes back, the rest forward.
    const int direction = item.kind == Kind::Set && p.x < item.area.left() + kSetArrowWidth ? -1 : 1;
    activate(item, direction);
}

void SetupScreen::moveFocus(int key) {
    const int count = static_cast<int>(items_.size());
    if (count == 0) return;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const int step = key == Qt::Key_Tab ? 1 : -1;
        setFocus(focus_ < 0 ? 0 : (focus_ + step + count) % count);
        return;
    }
    if (focus_ < 0) {
        setFocus(count - 1);
        return;
    }
    const QRectF from = items_[static_cast<std::size_t>(focus_)].area;
    // The nearest item in the direction of the arrow: along a row for ←/→, to the next row for ↑/↓,
    // there the one nearest across.
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < count; ++i) {
        const QRectF to = items_[static_cast<std::size_t>(i)].area;
        const double dx = to.center().x() - from.center().x();
        const double dy = to.center().y() - from.center().y();
        double distance = 0;
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (std::abs(dy) > 1 || (key == Qt::Key_Left ? dx >= 0 : dx <= 0)) continue;
            distance = std::abs(dx);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (key == Qt::Key_Up ? dy >= -1 : dy <= 1) continue;
            distance = std::abs(dy) * 1000 + std::abs(dx);
            break;
        default:
            return;
        }
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    if (best >= 0) setFocus(best);
}

bool SetupScreen::handleKey(int key) {
    const Item* focused = focusedItem();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (const Item* start = find(Kind::Start)) activate(*start);
        return true;
    case Qt::Key_Space:
        if (focused) activate(*focused);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The set box is a row of its own: the arrows go through the sets.
        if (focused && focused->kind == Kind::Set) {
            activate(*focused, key == Qt::Key_Left ? -1 : 1);
            return true;
        }
        moveFocus(key);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        moveFocus(key);
        return true;
    default:
        return false;
    }
}

QString SetupScreen::status() const {
    const bool czech = host_.isCzech();
    if (!setError_.isEmpty())
        return czech ? QStringLiteral("Tuto sadu nelze načíst: %1").arg(setError_)
                     : QStringLiteral("This set cannot be read: %1").arg(setError_);
    if (shownTopics_.empty())
        return tr2(czech, "Tato sada nemá žádné otázky v češtině.", "This set has no questions in English.");
    bool anyTopic = false;
    for (Topic t : shownTopics_)
        anyTopic = anyTopic || choice_.filter.topics.contains(t);
    if (!anyTopic) return tr2(czech, "Zvolte aspoň jedno téma.", "Choose at least one topic.");
    if (accepted_ == 0)
        return tr2(czech, "Těchto témat v této obtížnosti tu není žádná otázka.",
                   "These topics have no questions at this difficulty.");
    if (accepted_ < kFewQuestions)
        return czech ? QStringLiteral("Jen %1: během hry se mohou opakovat.").arg(questionsInCzech(accepted_))
                     : QStringLiteral("Only %1 question%2: they may repeat in a game.")
                           .arg(accepted_)
                           .arg(accepted_ == 1 ? QString() : QStringLiteral("s"));
    return czech ? QStringLiteral("Ve hře: %1").arg(questionsInCzech(accepted_))
                 : QStringLiteral("In play: %1 questions").arg(accepted_);
}

void SetupScreen::paintItem(Canvas& c, const Item& item, bool focused, bool hovered) const {
    const bool czech = host_.isCzech();
    const QRectF r = item.area;
    if (focused) c.roundedBox(r.adjusted(-3, -3, 3, 3), 9, {}, kFocusRing, 2.5);
    const QColor hoverBorder(255, 255, 255);
    switch (item.kind) {
    case Kind::Set: {
        c.roundedBox(r, 7, fillOf(false, hovered), hovered ? hoverBorder : kOffBorder);
        c.setTextColour(kCaption);
        c.setTextBold(true);
        c.setTextSize(11);
        c.printCentred(QStringLiteral("◀"), QRectF(r.left(), r.top(), kSetArrowWidth, r.height()));
        c.printCentred(QStringLiteral("▶"),
                       QRectF(r.right() - kSetArrowWidth, r.top(), kSetArrowWidth, r.height()));
        const QuestionSet& s = set();
        const QString name = s.isProgramBank() ? tr2(czech, "Všechny otázky hry", "All the game's questions")
                                               : s.name;
        c.setTextColour(Qt::white);
        c.setTextSize(12);
        const QString shown = c.fitText(name, r.width() - 2 * kSetArrowWidth - 8, 9.75);
        c.printCentred(shown, r);
        break;
    }
    case Kind::AllTopics:
    case Kind::Topic: {
        bool on = true;
        QString name;
        int count = 0;
        if (item.kind == Kind::Topic) {
            const auto t = static_cast<Topic>(item.index);
            on = choice_.filter.topics.contains(t);
            name = topicName(t, czech);
            count = counts_[static_cast<std::size_t>(t)];
        } else {
            for (Topic t : shownTopics_) {
                on = on && choice_.filter.topics.contains(t);
                count += counts_[static_cast<std::size_t>(t)];
            }
            name = tr2(czech, "Všechna témata", "All topics");
        }
        c.roundedBox(r, 7, fillOf(on, hovered), hovered ? hoverBorder : on ? kOnFill : kOffBorder);
        c.setTextSize(10.5);
        c.setTextBold(true);
        c.setTextColour(on ? QColor(Qt::white) : kOffText);
        // A box with a tick says on without relying on the colour.
        const QRectF box(r.left() + 7, r.center().y() - 7, 14, 14);
        c.roundedBox(box, 3, on ? QColor(Qt::white) : QColor(), on ? QColor(Qt::white) : kOffText, 1.2);
        if (on) {
            c.setTextColour(kOnFill);
            c.printCentred(QStringLiteral("✓"), box.translated(0, 0.5));
        }
        c.setTextColour(on ? QColor(Qt::white) : kOffText);
        const QString number = QString::number(count);
        const double numberWidth = c.textWidth(number);
        c.setTextBold(item.kind == Kind::AllTopics);
        const QString shown = c.fitText(name, r.width() - 28 - numberWidth - 16, 9);
        c.setTextPosition(r.left() + 28, r.center().y() - c.textHeight() / 2);
        c.print(shown);
        c.setTextSize(10.5);
        c.setTextBold(false);
        c.setTextColour(on ? QColor(220, 240, 255) : kOffText);
        c.setTextPosition(r.right() - 8 - c.textWidth(number), r.center().y() - c.textHeight() / 2);
        c.print(number);
        break;
    }
    case Kind::Difficulty: {
        const auto d = static_cast<DifficultyChoice>(item.index);
        const bool on = choice_.filter.difficulty == d;
        c.roundedBox(r, 7, fillOf(on, hovered), hovered ? hoverBorder : on ? kOnFill : kOffBorder);
        c.setTextSize(11);
        c.setTextBold(true);
        c.setTextColour(on ? QColor(Qt::white) : kOffText);
        const QString label = QStringLiteral("%1  %2")
                                  .arg(difficultyName(d, czech))
                                  .arg(perDifficulty_[static_cast<std::size_t>(item.index)]);
        c.printCentred(c.fitText(label, r.width() - 10, 9), r);
        break;
    }
    case Kind::Start: {
        const bool enabled = canStart();
        const QColor fill = !enabled ? QColor(80, 85, 120) : hovered ? QColor(255, 200, 80) : QColor(255, 178, 40);
        c.roundedBox(r, 10, fill, enabled ? QColor(255, 236, 170) : QColor(110, 115, 150), 1.5);
        c.setTextSize(16);
        c.setTextBold(true);
        c.setTextColour(enabled ? QColor(60, 25, 100) : QColor(150, 155, 185));
        c.printCentred(tr2(czech, "Hrát", "Start"), r);
        break;
    }
    }
}

void SetupScreen::paint(Canvas& c) const {
    const bool czech = host_.isCzech();
    c.draw(HelpBackground, 0, 0, 800, 600);
    c.setTextColour(Qt::white);
    c.setTextBold(true);
    c.setTextSize(15);
    c.setTextPosition(kLeft, kHeadingY);
    c.print(tr2(czech, "Co budeme hrát?", "What shall we play?"));

    c.setTextColour(kCaption);
    c.setTextBold(true);
    c.setTextSize(11);
    c.setTextPosition(kLeft, kSetCaptionY);
    c.print(tr2(czech, "Sada otázek", "Question set"));
    c.setTextPosition(kLeft, kTopicsCaptionY);
    c.print(tr2(czech, "Témata (počet otázek)", "Topics (questions in each)"));
    c.setTextPosition(kLeft, kDifficultyCaptionY);
    c.print(tr2(czech, "Obtížnost", "Difficulty"));

    for (std::size_t i = 0; i < items_.size(); ++i)
        paintItem(c, items_[i], static_cast<int>(i) == focus_, static_cast<int>(i) == hover_);

    // The status: how many questions the choice deals, a warning when few, the reason when none.
    const QColor statusColour = !canStart() ? kProblem : accepted_ < kFewQuestions ? kWarning : kCaption;
    c.setTextColour(statusColour);
    c.setTextBold(!canStart() || accepted_ < kFewQuestions);
    c.setTextSize(11);
    c.setTextPosition(kLeft, kStatusY);
    c.print(c.fitText(status(), kWidth, 8.25));

    // The keys, beside Start: two to a line.
    struct Hint {
        const char* key;
        const char* czech;
        const char* english;
    };
    static constexpr Hint kHints[] = {
        {"Enter", "hrát", "start"},
        {"Esc", "zpět", "back"},
        {"Tab ←↑→↓", "výběr", "move"},
        {nullptr, "přepnout", "switch"},
    };
    c.setTextColour(kCaption);
    for (std::size_t i = 0; i < std::size(kHints); ++i) {
        const Hint& h = kHints[i];
        const double x = i % 2 == 0 ? kLeft : kHintColumn;
        const double end = i % 2 == 0 ? kHintColumn - 10 : kStartBox.left() - 8;
        c.setTextSize(9.75);
        c.setTextBold(true);
        c.setTextPosition(x, kHintTop + kHintStep * static_cast<double>(i / 2));
        c.print(h.key ? QString::fromUtf8(h.key) : tr2(czech, "Mezerník", "Space"));
        c.setTextBold(false);
        c.print(c.fitText(QStringLiteral("  ") + tr2(czech, h.czech, h.english), end - c.textX(), 8.25));
    }
}
