// A question's optional tags (topic and difficulty) and the choice of which tagged questions to deal.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>

// The topics a question line may name in its sixth field; Other stands for a line without a topic (or
// with a topic the game does not know), so that every question belongs to exactly one topic.
enum class Topic : std::uint8_t {
    Geography,
    History,
    Science,
    Nature,
    Body,
    Sport,
    Music,
    Art,
    Film,
    Language,
    Technology,
    Everyday,
    Other,
};
constexpr int kTopicCount = 13;

// "geography" … "everyday", and "other".
QString topicKey(Topic topic);
// The topic a line's sixth field names (surrounding spaces ignored); Other for an empty or unknown key.
Topic topicFromKey(QStringView key);
bool isTopicKey(QStringView key); // one of the twelve keys a line may carry ("other" is not one)
// The twelve keys a line may carry, in the order of Topic.
const QStringList& topicKeys();
// The name the player reads, in the interface language: "Geography" … "Other".
QString topicName(Topic topic);
constexpr std::array<Topic, kTopicCount> allTopics() {
    std::array<Topic, kTopicCount> all{};
    for (int i = 0; i < kTopicCount; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<Topic>(i);
    return all;
}

// A question's difficulty from its seventh field: 1 easy, 2 medium, 3 hard, 0 for none (no field, or
// anything but 1, 2 or 3).
constexpr std::uint8_t kNoDifficulty = 0;
std::uint8_t difficultyFromField(QStringView field);

// What the player asks for. Easy deals only difficulty 1 and Hard only difficulty 3; medium questions and
// questions without a difficulty are dealt under Mixed only.
enum class DifficultyChoice : std::uint8_t { Easy, Mixed, Hard };
QString difficultyChoiceKey(DifficultyChoice choice); // "easy", "mixed", "hard"
bool difficultyChoiceFromKey(QStringView key, DifficultyChoice& choice);

class TopicSet {
public:
    TopicSet() = default; // no topic
    static TopicSet all();
    bool contains(Topic topic) const { return (bits_ & bit(topic)) != 0; }
    void insert(Topic topic) { bits_ = static_cast<std::uint16_t>(bits_ | bit(topic)); }
    void remove(Topic topic) { bits_ = static_cast<std::uint16_t>(bits_ & ~bit(topic)); }
    bool isEmpty() const { return bits_ == 0; }
    bool isAll() const { return *this == all(); }
    int size() const;
    bool operator==(const TopicSet&) const = default;

private:
    static constexpr std::uint16_t bit(Topic topic) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(topic));
    }
    std::uint16_t bits_ = 0;
};

// Which questions a deck deals: those of the chosen topics at the chosen difficulty. The default deals
// every question, as the game always has.
struct QuestionFilter {
    TopicSet topics = TopicSet::all();
    DifficultyChoice difficulty = DifficultyChoice::Mixed;

    bool accepts(Topic topic, std::uint8_t questionDifficulty) const;
    bool isEverything() const { return topics.isAll() && difficulty == DifficultyChoice::Mixed; }
    bool operator==(const QuestionFilter&) const = default;
};
