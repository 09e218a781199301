#include "seenquestions.h"

#include "deck.h"

#include <algorithm>

SeenQuestions SeenQuestions::fromText(QByteArrayView text) {
    SeenQuestions seen;
    for (QByteArrayView line : QByteArray::fromRawData(text.data(), text.size()).split('\n')) {
        line = line.trimmed();
        if (line.size() != 16) continue;
        bool ok = false;
        const std::uint64_t h = line.toULongLong(&ok, 16);
        if (ok) seen.insert(h);
    }
    return seen;
}

QByteArray SeenQuestions::toText() const {
    std::vector<std::uint64_t> sorted(hashes_.begin(), hashes_.end());
    std::sort(sorted.begin(), sorted.end()); // the same memory always writes the same file
    QByteArray out = "# TamvelKviz: questions already dealt, as hashes of their texts\n";
    for (std::uint64_t h : sorted)
        out += QByteArray::number(static_cast<qulonglong>(h), 16).rightJustified(16, '0') + '\n';
    return out;
}

void SeenQuestions::rememberDealt(std::uint64_t hash, bool english, const Deck& deck) {
    insert(hash);
    for (int i = 0; i < deck.dealtCount(); ++i)
        if (deck.at(i).isEnglish() == english && !contains(deck.at(i).textHash())) return;
    for (int i = 0; i < deck.dealtCount(); ++i)
        if (deck.at(i).isEnglish() == english && hashes_.remove(deck.at(i).textHash()))
            forgotten_.insert(deck.at(i).textHash());
}

void SeenQuestions::mergeFrom(const SeenQuestions& other) {
    for (std::uint64_t h : other.hashes_)
        if (!forgotten_.contains(h)) hashes_.insert(h);
}
