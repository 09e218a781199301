// Which questions the player has already been dealt, across runs of the game: kept as stable hashes of
// the question texts, so an edited question file simply counts its changed questions as new.
#pragma once

#include "deck.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <cstdint>

class SeenQuestions {
public:
    // Lines of 16 hexadecimal digits; anything else (a damaged file) is passed over.
    static SeenQuestions fromText(QByteArrayView text);
    QByteArray toText() const;

    bool contains(std::uint64_t hash) const { return hashes_.contains(hash); }
    void insert(std::uint64_t hash) {
        hashes_.insert(hash);
        forgotten_.remove(hash);
    }
    qsizetype size() const { return hashes_.size(); }
    // For Deck::putUnseenFirst.
    auto isSeen() const {
        return [this](std::uint64_t hash) { return contains(hash); };
    }

    // After a deal from the current deck: remembers the question and, once every question of its
    // language that the deck deals (its chosen topics and difficulty) has been seen, forgets those so
    // that their pool starts over.
    void rememberDealt(std::uint64_t hash, bool english, const Deck& deck);

    // Takes in what another copy of the game remembered, except what this one has forgotten since.
    void mergeFrom(const SeenQuestions& other);

private:
    QSet<std::uint64_t> hashes_;
    QSet<std::uint64_t> forgotten_; // by a pool starting over, so a merge must not bring them back
};
