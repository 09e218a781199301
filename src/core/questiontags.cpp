#include "questiontags.h"

#include <bit>

namespace {
struct TopicInfo {
    const char* key;
    const char16_t* english;
    const char16_t* czech;
};
// In the order of Topic.
constexpr std::array<TopicInfo, kTopicCount> kTopics = {{
    {"geography", u"Geography", u"Zeměpis"},
    {"history", u"History", u"Dějiny"},
    {"science", u"Science", u"Věda"},
    {"nature", u"Nature", u"Příroda"},
    {"body", u"The human body", u"Lidské tělo"},
    {"sport", u"Sport", u"Sport"},
    {"music", u"Music", u"Hudba"},
    {"art", u"Art and literature", u"Umění a literatura"},
    {"film", u"Film", u"Film"},
    {"language", u"Language", u"Jazyk"},
    {"technology", u"Technology", u"Technika"},
    {"everyday", u"Everyday life", u"Všední život"},
    {"other", u"Other", u"Ostatní"},
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

QString topicName(Topic topic, bool czech) {
    return QString::fromUtf16(czech ? infoOf(topic).czech : infoOf(topic).english);
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
