#include "questiontags.h"

#include <QCoreApplication>
#include <bit>

namespace {
struct TopicInfo {
    const char* key;
    const char* name; // in English; the interface language's through the translations
};
// In the order of Topic.
constexpr std::array<TopicInfo, kTopicCount> kTopics = {{
    {"geography", QT_TRANSLATE_NOOP("Topic", "Geography")},
    {"history", QT_TRANSLATE_NOOP("Topic", "History")},
    {"science", QT_TRANSLATE_NOOP("Topic", "Science")},
    {"nature", QT_TRANSLATE_NOOP("Topic", "Nature")},
    {"body", QT_TRANSLATE_NOOP("Topic", "The human body")},
    {"sport", QT_TRANSLATE_NOOP("Topic", "Sport")},
    {"music", QT_TRANSLATE_NOOP("Topic", "Music")},
    {"art", QT_TRANSLATE_NOOP("Topic", "Art and literature")},
    {"film", QT_TRANSLATE_NOOP("Topic", "Film")},
    {"language", QT_TRANSLATE_NOOP("Topic", "Language")},
    {"technology", QT_TRANSLATE_NOOP("Topic", "Technology")},
    {"everyday", QT_TRANSLATE_NOOP("Topic", "Everyday life")},
    {"other", QT_TRANSLATE_NOOP("Topic", "Other")},
}};

const TopicInfo& infoOf(Topic topic) {
    return kTopics[static_cast<std::size_t>(topic)];
}
} // namespace

QString topicKey(Topic topic) {
    return QString::fromLatin1(infoOf(topic).key);
}

Topic topicFromKey(QStringView key) {
    key = key.trimmed();
    for (Topic t : allTopics())
        if (t != Topic::Other && key == QLatin1String(infoOf(t).key)) return t;
    return Topic::Other;
}

bool isTopicKey(QStringView key) {
    return topicKeys().contains(key);
}

const QStringList& topicKeys() {
    static const QStringList keys = [] {
        QStringList out;
        for (Topic t : allTopics())
            if (t != Topic::Other) out << topicKey(t);
        return out;
    }();
    return keys;
}

QString topicName(Topic topic) {
    return QCoreApplication::translate("Topic", infoOf(topic).name);
}

std::uint8_t difficultyFromField(QStringView field) {
    field = field.trimmed();
    if (field.size() != 1 || field[0] < u'1' || field[0] > u'3') return kNoDifficulty;
    return static_cast<std::uint8_t>(field[0].unicode() - u'0');
}

QString difficultyChoiceKey(DifficultyChoice choice) {
    switch (choice) {
    case DifficultyChoice::Easy:
        return QStringLiteral("easy");
    case DifficultyChoice::Hard:
        return QStringLiteral("hard");
    case DifficultyChoice::Mixed:
        break;
    }
    return QStringLiteral("mixed");
}

bool difficultyChoiceFromKey(QStringView key, DifficultyChoice& choice) {
    for (DifficultyChoice c : {DifficultyChoice::Easy, DifficultyChoice::Mixed, DifficultyChoice::Hard})
        if (key.trimmed() == difficultyChoiceKey(c)) {
            choice = c;
            return true;
        }
    return false;
}

TopicSet TopicSet::all() {
    TopicSet s;
    for (Topic t : allTopics())
        s.insert(t);
    return s;
}

int TopicSet::size() const {
    return std::popcount(bits_);
}

bool QuestionFilter::accepts(Topic topic, std::uint8_t questionDifficulty) const {
    if (!topics.contains(topic)) return false;
    switch (difficulty) {
    case DifficultyChoice::Easy:
        return questionDifficulty == 1;
    case DifficultyChoice::Hard:
        return questionDifficulty == 3;
    case DifficultyChoice::Mixed:
        break;
    }
    return true;
}
