// The question deck: reading question files, shuffling the answers and the deck, dealing in turn.
#pragma once

#include "questiontags.h"
#include "textcodec.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// A question as dealt: its text and the four answers in the slots where they are shown.
struct Question {
    QString text;
    std::array<QString, 9> answers; // by slot 1 to 8; a deck fills 1 to 4, index 0 is unused
    std::uint8_t rightSlot = 0;     // slot of the right answer; 0 in the blank question
};

// A question as the deck keeps it: its text and its answers in their dealt slots as UTF-8, separated
// by '\\' (which no field can hold), inside the deck's one block of text, so that a large file does not
// cost many times its size. A view: valid while the deck is neither reloaded nor destroyed.
class StoredQuestion {
public:
    StoredQuestion() = default; // the blank question: no text, no answers, right slot 0
    StoredQuestion(QByteArrayView fields, std::uint8_t correct, Topic topic = Topic::Other,
                   std::uint8_t difficulty = kNoDifficulty)
        : fields_(fields), correct_(correct), topic_(topic), difficulty_(difficulty) {}
    Question unpack() const;
    QString text() const;
    bool isEnglish() const;
    std::uint64_t textHash() const; // questionTextHash of its text
    Topic topic() const { return topic_; }
    std::uint8_t difficulty() const { return difficulty_; } // 1 to 3, or kNoDifficulty

private:
    QByteArrayView fields_;
    std::uint8_t correct_ = 0;
    Topic topic_ = Topic::Other;
    std::uint8_t difficulty_ = kNoDifficulty;
};

// A line of q.dat that the loader skipped, with its 1-based line number.
struct LoadIssue {
    int line = 0;
    QString reason;
};

// One question line split into its five fields (question, right answer, three wrong answers).
struct QuestionLine {
    int line = 0;
    std::array<QString, 5> fields;
};

struct ParsedQuestionFile {
    QString name; // from a first line "#name: …"; empty without one
    std::vector<QuestionLine> questions;
    std::vector<LoadIssue> issues;
};

// A line beginning with '#' is a comment, never a question.
bool isCommentLine(QStringView line);
// The name a first line "#name: My set" gives its set: "My set", spaces tidied and at most
// kMaxSetNameLength characters; empty when the line is no such line or names nothing.
constexpr qsizetype kMaxSetNameLength = 64;
QString setNameFromLine(QStringView firstLine);

// The file's bytes, decoded line by line (see textcodec::forEachLine), split into question lines.
ParsedQuestionFile parseQuestionFile(QByteArrayView bytes, textcodec::Decoding* decoding = nullptr);
// Splits the file's text into question lines; lines of length 0 and comments are skipped, lines with
// fewer than four answer fields or an empty one are reported and left out.
ParsedQuestionFile parseQuestionFile(const QString& text);

// FNV-1a over the UTF-8 bytes of a question's text: the same on every run and every platform, so it
// can stand for the question in a file that outlives the program.
std::uint64_t questionTextHash(QByteArrayView utf8Text);

// The game's rule for a question's language: English when the text begins with "W" or "How"
// (case-sensitive), Czech otherwise.
bool isEnglishQuestion(const QString& text);

struct LoadReport {
    std::vector<LoadIssue> skipped;
    textcodec::Decoding decoding;
    QString name; // from a first line "#name: …"; empty without one
};

// Questions per topic, indexed by Topic.
using TopicCounts = std::array<int, kTopicCount>;

// The questions of one file in a shuffled order, dealt in turn and reshuffled after each full pass.
// A filter (topics and difficulty) narrows what is dealt without reloading: the chosen questions are
// kept at the front and only they are dealt, shuffled and put in seen order.
class Deck {
public:
    Deck(); // empty: it deals the blank question

    // Replaces the deck with the file's questions, the answers of each in a random order, then shuffles.
    LoadReport loadFile(QByteArrayView bytes);
    // The same from text already decoded; returns the skipped lines.
    std::vector<LoadIssue> load(const QString& text);

    int size() const { return count_; } // every question of the file, chosen or not
    bool isEmpty() const { return count_ == 0; }
    StoredQuestion at(int position) const;
    int nextPosition() const { return next_; }
    // Whether the questions dealt (see dealtCount) hold one of the language.
    bool hasLanguage(bool english) const;

    // Deals from the questions the filter accepts, from the front, until the next load or select;
    // a load keeps the filter. When the filter accepts no question of the deck, the deck deals from
    // all of them rather than from nothing (see hasEmptySelection). Returns how many it accepts.
    int select(const QuestionFilter& filter);
    const QuestionFilter& filter() const { return filter_; }
    // The questions dealt: positions 0 to dealtCount() - 1.
    int dealtCount() const { return dealt_; }
    // True when the filter accepts none of the deck's questions, which are then all dealt.
    bool hasEmptySelection() const { return emptySelection_; }

    // For the setup screen: the questions of a language per topic at a difficulty, and how many a
    // filter accepts in a language. Neither changes what is dealt.
    TopicCounts countPerTopic(bool english, DifficultyChoice difficulty = DifficultyChoice::Mixed) const;
    int countAccepted(const QuestionFilter& filter, bool english) const;

    void shuffle();
    Question dealNext();
    // Deals until a question of the language comes up; from a deck without one, the next question.
    Question dealInLanguage(bool english);
    // Moves the questions not yet seen (by the hash of their text) to the front, keeping the shuffled
    // order within both groups, and starts dealing from the front; the chosen questions stay in front
    // of the others.
    void putUnseenFirst(const std::function<bool(std::uint64_t textHash)>& isSeen);

private:
    // How much a load will hold, reserved up front.
    struct Expected {
        std::size_t lines = 0;
        qsizetype bytes = 0;
    };
    template <typename ForEachLine>
    std::vector<LoadIssue> fill(ForEachLine forEachLine, Expected expected, QString* name);
    void add(QStringView line, int number, std::vector<LoadIssue>& issues);
    void applyFilter();

    // Where a question's fields lie in text_, its right slot and its tags; 12 bytes a question, the tags
    // in what would otherwise be padding.
    struct Entry {
        std::uint32_t offset = 0, length = 0;
        std::uint8_t rightSlot = 0;
        Topic topic = Topic::Other;
        std::uint8_t difficulty = kNoDifficulty;
    };
    static_assert(sizeof(Entry) == 12);
    StoredQuestion stored(const Entry& e) const;

    QByteArray text_;
    std::vector<Entry> questions_; // never empty: an empty deck holds the blank question
    int count_ = 0;
    int dealt_ = 0; // the chosen questions lead the deck
    bool emptySelection_ = false;
    int next_ = 0;
    QuestionFilter filter_;
};

// Deals until a question of the interface language comes up. When the deck holds none of that
// language (anyMatch false) it takes the next question whatever its language instead of looping forever.
template <typename Deal, typename IsEnglish>
auto dealInLanguage(bool czech, bool anyMatch, Deal deal, IsEnglish isEnglish) {
    auto q = deal();
    while (anyMatch && isEnglish(q.text) == czech)
        q = deal();
    return q;
}
