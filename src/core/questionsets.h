// The question sets the player can choose from: the program's q.dat and every *.dat file in a
// questions/ folder beside the program or in the user's config folder. Finding them reads no more than
// each file's first line (its "#name: …"), so that many sets cost start-up nothing; a set is read whole
// only when it is chosen.
#pragma once

#include "deck.h"

#include <QString>
#include <vector>

struct QuestionSet {
    enum class Origin { ProgramBank, ProgramFolder, UserFolder };
    QString name; // from "#name: …" on its first line, else the file name without ".dat"
    QString path;
    Origin origin = Origin::ProgramBank;
    bool isProgramBank() const { return origin == Origin::ProgramBank; }
};

class QuestionSets {
public:
    // bankPath is the program's q.dat; programSets and userSets are the folders searched for *.dat
    // (either may be missing). Files that are not regular files (a pipe, a device) are passed over.
    static QuestionSets find(const QString& bankPath, const QString& programSets, const QString& userSets);

    // The bank first, then the program's sets, then the user's, each group by name.
    const std::vector<QuestionSet>& all() const { return sets_; }
    const QuestionSet& bank() const { return sets_.front(); }
    // The set a remembered choice names: the one at its path, else the first one of its name (a moved
    // program folder), else the bank. An empty path means the bank.
    const QuestionSet& chosen(const QString& path, const QString& name) const;

private:
    std::vector<QuestionSet> sets_; // never empty: the bank is always listed, even when missing
};

// What reading a chosen set gave: whether its file could be read (why not, in Qt's words) and, when it
// was, the lines skipped as for q.dat.
struct QuestionSetLoad {
    bool isRead = false;
    bool isMissing = false;
    QString error;
    LoadReport report;
};

// Reads the set into the deck (the deck keeps its filter); a set that cannot be read leaves the deck as
// it was.
QuestionSetLoad loadQuestionSet(const QuestionSet& set, Deck& deck);
