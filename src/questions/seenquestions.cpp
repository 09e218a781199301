#include "seenquestions.h"

#include "modOt.h"

#include <algorithm>

namespace modOt {

std::uint64_t textHash(QByteArrayView utf8Text) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (char c : utf8Text) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

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

void SeenQuestions::rememberDealt(std::uint64_t hash, bool english) {
    insert(hash);
    for (int i = 0; i <= questionCount; ++i) {
        const StoredQuestion& q = questions[static_cast<std::size_t>(i)];
        if (q.isEnglish() == english && !contains(q.textHash())) return;
    }
    for (int i = 0; i <= questionCount; ++i) {
        const StoredQuestion& q = questions[static_cast<std::size_t>(i)];
        if (q.isEnglish() == english) hashes_.remove(q.textHash());
    }
}

void putUnseenFirst(const SeenQuestions& seen) {
    if (questionCount < 1) return;
    std::stable_partition(questions.begin(), questions.begin() + questionCount + 1,
                          [&seen](const StoredQuestion& q) { return !seen.contains(q.textHash()); });
    nextIndex = 0;
}

} // namespace modOt
