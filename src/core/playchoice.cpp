#include "playchoice.h"

#include <QStringList>

namespace {
const QString kTopics = QStringLiteral("topics");
const QString kDifficulty = QStringLiteral("difficulty");
const QString kSet = QStringLiteral("set");
const QString kName = QStringLiteral("name");
// Larger than any file toText writes; anything bigger is not ours.
constexpr qsizetype kMaxFileBytes = 16 * 1024;

// A value written on one line: a path or name with a line break in it would break the file.
QString oneLine(const QString& value) {
    return value.contains(u'\n') || value.contains(u'\r') ? QString() : value;
}
} // namespace

PlayChoice PlayChoice::fromText(QByteArrayView text) {
    if (text.size() > kMaxFileBytes || !text.isValidUtf8()) return {};
    PlayChoice choice;
    bool hasTopics = false;
    for (const QString& rawLine : QString::fromUtf8(text).split(u'\n')) {
        const QString line = rawLine.endsWith(u'\r') ? rawLine.chopped(1) : rawLine;
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) return {};
        const QString key = line.left(colon).trimmed();
        // A path may begin or end with a space: only the one after the colon is ours.
        const QString raw = line.mid(colon + 1).startsWith(u' ') ? line.mid(colon + 2) : line.mid(colon + 1);
        const QString value = raw.trimmed();
        if (key == kTopics) {
            choice.filter.topics = TopicSet();
            for (const QString& word : value.split(u' ', Qt::SkipEmptyParts)) {
                const Topic t = topicFromKey(word);
                if (t == Topic::Other && word != topicKey(Topic::Other)) return {};
                choice.filter.topics.insert(t);
            }
            hasTopics = true;
        } else if (key == kDifficulty) {
            if (!difficultyChoiceFromKey(value, choice.filter.difficulty)) return {};
        } else if (key == kSet) {
            choice.setPath = raw;
        } else if (key == kName) {
            choice.setName = value;
        } else {
            return {};
        }
    }
    // A choice of no topic deals nothing: it cannot have been meant to last.
    if (hasTopics && choice.filter.topics.isEmpty()) return {};
    return choice;
}

QByteArray PlayChoice::toText() const {
    QStringList topics;
    for (Topic t : allTopics())
        if (filter.topics.contains(t)) topics << topicKey(t);
    QString out =
        QStringLiteral("# TamvelKviz: what to play (topics, difficulty easy/mixed/hard, question set; "
                       "an empty set is the program's q.dat)\n");
    out += kTopics + QStringLiteral(": ") + topics.join(u' ') + u'\n';
    out += kDifficulty + QStringLiteral(": ") + difficultyChoiceKey(filter.difficulty) + u'\n';
    out += kSet + QStringLiteral(": ") + oneLine(setPath) + u'\n';
    out += kName + QStringLiteral(": ") + oneLine(setName) + u'\n';
    return out.toUtf8();
}
