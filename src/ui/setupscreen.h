// The short setup before a game: the question set, its topics with their counts, the difficulty, and
// Start. It edits a choice the window keeps; the deck only counts, so nothing is dealt until Start.
#pragma once

#include "deck.h"
#include "playchoice.h"
#include "questionsets.h"

#include <QRectF>
#include <QString>
#include <vector>

class Canvas;
class ScreenHost;
struct Pointer;

class SetupScreen {
public:
    // What can be focused and clicked. AllTopics switches every shown topic on, or off when all are on.
    enum class Kind { Set, AllTopics, Topic, Difficulty, Start };
    struct Item {
        Kind kind = Kind::Start;
        int index = 0; // the Topic or the DifficultyChoice
        QRectF area;
    };

    explicit SetupScreen(ScreenHost& host) : host_(host) {}

    // Opens on the set the choice names (read now if it is not the one in the deck), the focus on Start.
    void show(QuestionSets sets, const PlayChoice& choice);
    void paint(Canvas& c) const;
    void handlePointer(const Pointer& p);
    // Tab and the arrows move the focus, Space switches or picks the focused item, Enter starts; ←/→
    // on the set choose the previous or next set.
    bool handleKey(int key);

    const PlayChoice& choice() const { return choice_; }
    // The questions the choice deals in the interface language; Start wants at least one.
    int questionCount() const { return accepted_; }
    bool canStart() const { return setError_.isEmpty() && accepted_ > 0; }
    // What the line above Start says: the count, a warning when few, the reason when none.
    QString status() const;
    const QuestionSet& set() const { return sets_.all()[static_cast<std::size_t>(setIndex_)]; }
    const std::vector<Item>& items() const { return items_; }
    const Item* focusedItem() const;
    // The item of a kind (and topic or difficulty), for the tests and the pointer.
    const Item* find(Kind kind, int index = 0) const;
    // Below this many questions a game may run out and repeat them: the setup says so.
    static constexpr int kFewQuestions = 30;

private:
    void chooseSet(int index);
    void recount();
    void layOut();
    void activate(const Item& item, int direction = 1);
    void moveFocus(int key);
    void setFocus(int index);
    void setHover(int index);
    int itemAt(double x, double y) const;
    void paintItem(Canvas& c, const Item& item, bool focused, bool hovered) const;
    void refreshItem(int index);

    ScreenHost& host_;
    QuestionSets sets_ = QuestionSets::find({}, {}, {});
    int setIndex_ = 0;
    QString setError_; // why the chosen set could not be read
    PlayChoice choice_;
    std::vector<Topic> shownTopics_; // those the set has in the interface language
    TopicCounts counts_{};           // per topic at the chosen difficulty
    std::array<int, 3> perDifficulty_{};
    int accepted_ = 0;
    std::vector<Item> items_;
    int focus_ = -1;
    int hover_ = -1;
};
