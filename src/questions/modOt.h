// The question deck: reading q.dat, shuffling the answers and the deck, dealing questions in turn.
#pragma once

#include "textcodec.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace modOt {

struct Question {
    QString Text;
    std::array<QString, 9> Answer; // slots 1 to 8; the loader fills 1 to 4, index 0 is unused
    std::uint8_t Correct = 0;      // slot of the right answer; 0 in a record never filled
};

// A question as the deck keeps it: its text and its answers in their dealt slots, in one UTF-8 string,
// so that a large file does not cost many times its size.
class StoredQuestion {
public:
    StoredQuestion() = default; // the blank record: no text, no answers, Correct 0
    StoredQuestion(QStringView text, const std::array<QStringView, 4>& answers, std::uint8_t correct);
    Question unpack() const;
    QString text() const;
    bool isEnglish() const;
    std::uint64_t textHash() const; // see seenquestions.h

private:
    QByteArray fields_; // text and the four slots, separated by '\\', which no field can hold
    std::uint8_t correct_ = 0;
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

struct ParsedFile {
    std::vector<QuestionLine> questions;
    std::vector<LoadIssue> issues;
};

// The file's bytes, decoded line by line (see textcodec::forEachLine), split into question lines.
ParsedFile parse(QByteArrayView bytes, textcodec::Decoding* decoding = nullptr);
// Splits the file's text into question lines; lines of length 0 are skipped, lines with fewer than
// four answer fields or an empty one are reported and left out.
ParsedFile parse(const QString& text);

// English when the text begins with "W" or "How" (case-sensitive), Czech otherwise.
bool isEnglish(const QString& text);

// The deck. questions always holds at least one record, so position 0 can be dealt from an empty deck.
extern std::vector<StoredQuestion> questions;
extern int questionCount; // position of the last question; -1 for an empty deck
extern int nextIndex;

struct LoadReport {
    std::vector<LoadIssue> skipped;
    textcodec::Decoding decoding;
};

// Fills the deck from the file's bytes, answers of each question in a random order, then shuffles it.
LoadReport LoadQuestionFile(QByteArrayView bytes);
// The same from text already decoded; returns the skipped lines.
std::vector<LoadIssue> LoadQuestions(const QString& text);
void ShuffleQuestions();
Question NextQuestion();

} // namespace modOt
