#include "deck.h"

#include "random.h"
#include "textcodec.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {
constexpr char16_t kSeparator = u'\\';

constexpr QLatin1StringView kNamePrefix("#name:");

// Splits one line into its five fields and the two optional tags (views into the line; a missing tag is
// empty); false, with the reason noted, for a line the game skips.
template <std::size_t N>
bool splitLine(QStringView line, int number, std::array<QStringView, N>& f, std::vector<LoadIssue>& issues) {
    static_assert(N >= 5);
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == kSeparator) {
            if (count < static_cast<int>(N))
                f[static_cast<std::size_t>(count)] = line.sliced(start, i - start);
            ++count;
            start = i + 1;
        }
    }
    if (count < 5) {
        issues.push_back({number, QStringLiteral("has %1 answer field(s), needs 4").arg(count - 1)});
        return false;
    }
    for (std::size_t k = 1; k <= 4; ++k)
        if (f[k].isEmpty()) {
            issues.push_back({number, QStringLiteral("has an empty answer field")});
            return false;
        }
    return true;
}

// Lines end at CR LF, CR or LF; a last line without a line end counts.
template <typename F> void forEachTextLine(const QString& text, F onLine) {
    int number = 0;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text[i] != u'\r' && text[i] != u'\n') continue;
        if (i == n && start == n) break;
        onLine(++number, QStringView(text).sliced(start, i - start));
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
}

void addLine(QStringView line, int number, ParsedQuestionFile& out) {
    if (number == 1) out.name = setNameFromLine(line);
    std::array<QStringView, 5> f;
    if (line.isEmpty() || isCommentLine(line) || !splitLine(line, number, f, out.issues)) return;
    QuestionLine q;
    q.line = number;
    for (std::size_t k = 0; k < 5; ++k)
        q.fields[k] = f[k].toString();
    out.questions.push_back(std::move(q));
}
} // namespace

Question StoredQuestion::unpack() const {
    Question q;
    if (fields_.isEmpty() && correct_ == 0) return q;
    const QString all = textcodec::decodeUtf8(fields_);
    qsizetype start = 0;
    for (std::size_t k = 0; k <= 4; ++k) {
        qsizetype end = k < 4 ? all.indexOf(kSeparator, start) : all.size();
        if (end < 0) end = all.size();
        (k == 0 ? q.text : q.answers[k]) = all.mid(start, end - start);
        start = end + 1;
    }
    q.rightSlot = correct_;
    return q;
}

QString StoredQuestion::text() const {
    const qsizetype end = fields_.indexOf('\\');
    const QByteArrayView t = end < 0 ? fields_ : fields_.first(end);
    return textcodec::decodeUtf8(t);
}

std::uint64_t StoredQuestion::textHash() const {
    const qsizetype end = fields_.indexOf('\\');
    return questionTextHash(end < 0 ? fields_ : fields_.first(end));
}

bool StoredQuestion::isEnglish() const {
    return fields_.startsWith('W') || fields_.startsWith("How");
}

bool isCommentLine(QStringView line) {
    return line.startsWith(u'#');
}

QString setNameFromLine(QStringView firstLine) {
    if (!firstLine.startsWith(kNamePrefix)) return {};
    return firstLine.sliced(kNamePrefix.size()).toString().simplified().left(kMaxSetNameLength);
}

ParsedQuestionFile parseQuestionFile(QByteArrayView bytes, textcodec::Decoding* decoding) {
    ParsedQuestionFile out;
    const textcodec::Decoding how =
        textcodec::forEachLine(bytes, [&out](int number, QStringView line) { addLine(line, number, out); });
    if (decoding) *decoding = how;
    return out;
}

ParsedQuestionFile parseQuestionFile(const QString& text) {
    ParsedQuestionFile out;
    forEachTextLine(text, [&out](int number, QStringView line) { addLine(line, number, out); });
    return out;
}

bool isEnglishQuestion(const QString& text) {
    return text.startsWith(u'W') || text.startsWith(QStringLiteral("How"));
}

std::uint64_t questionTextHash(QByteArrayView utf8Text) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (char c : utf8Text) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

Deck::Deck() : questions_(1) {}

// Adds one line to the deck, its answers drawn into the four slots in a random order.
void Deck::add(QStringView line, int number, std::vector<LoadIssue>& issues) {
    std::array<QStringView, 7> f;
    if (line.isEmpty() || isCommentLine(line) || !splitLine(line, number, f, issues)) return;
    std::array<QStringView, 4> answers;
    std::array<bool, 5> taken{};
    std::uint8_t correct = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        std::size_t r;
        do {
            r = static_cast<std::size_t>(rnd::below(4) + 1);
        } while (taken[r]);
        taken[r] = true;
        answers[i - 1] = f[r];
        if (r == 1) correct = static_cast<std::uint8_t>(i);
    }
    QString joined;
    joined.reserve(f[0].size() + 4 + answers[0].size() + answers[1].size() + answers[2].size() +
                   answers[3].size());
    joined += f[0];
    for (QStringView a : answers) {
        joined += kSeparator;
        joined += a;
    }
    const QByteArray utf8 = joined.toUtf8();
    // Offsets are 32-bit: a deck of more than 4 GB of text keeps what fitted.
    if (text_.size() + utf8.size() > std::numeric_limits<std::uint32_t>::max()) return;
    questions_.push_back({static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(utf8.size()),
                          correct, topicFromKey(f[5]), difficultyFromField(f[6])});
    text_ += utf8;
}

template <typename ForEachLine>
std::vector<LoadIssue> Deck::fill(ForEachLine forEachLine, Expected expected, QString* name) {
    rnd::randomize();
    questions_.clear();
    questions_.shrink_to_fit();
    text_ = QByteArray();
    // Growing a large deck by doubling would hold two copies of it for a while.
    questions_.reserve(expected.lines);
    text_.reserve(expected.bytes);
    std::vector<LoadIssue> issues;
    forEachLine([this, &issues, name](int number, QStringView line) {
        if (number == 1 && name) *name = setNameFromLine(line);
        add(line, number, issues);
    });
    count_ = static_cast<int>(questions_.size());
    if (questions_.empty()) questions_.emplace_back();
    dealt_ = count_;
    next_ = 0;
    shuffle();
    applyFilter();
    return issues;
}

LoadReport Deck::loadFile(QByteArrayView bytes) {
    LoadReport report;
    // Questions in UTF-8 take about as many bytes as the lines they come from.
    const Expected expected{static_cast<std::size_t>(std::max(bytes.count('\n'), bytes.count('\r'))) + 1,
                            bytes.size()};
    report.skipped =
        fill([&](const auto& onLine) { report.decoding = textcodec::forEachLine(bytes, onLine); }, expected,
             &report.name);
    return report;
}

std::vector<LoadIssue> Deck::load(const QString& text) {
    return fill([&text](const auto& onLine) { forEachTextLine(text, onLine); }, Expected{}, nullptr);
}

StoredQuestion Deck::stored(const Entry& e) const {
    return {QByteArrayView(text_).sliced(e.offset, e.length), e.rightSlot, e.topic, e.difficulty};
}

StoredQuestion Deck::at(int position) const {
    return stored(questions_[static_cast<std::size_t>(position)]);
}

bool Deck::hasLanguage(bool english) const {
    for (int i = 0; i < dealt_; ++i)
        if (at(i).isEnglish() == english) return true;
    return false;
}

int Deck::select(const QuestionFilter& filter) {
    filter_ = filter;
    applyFilter();
    return emptySelection_ ? 0 : dealt_;
}

// Moves the accepted questions to the front in their shuffled order, so that a pass over them is as
// random as a pass over the whole deck, and the unseen ones stay ahead of the seen.
void Deck::applyFilter() {
    next_ = 0;
    emptySelection_ = false;
    dealt_ = count_;
    if (filter_.isEverything()) return; // the usual case costs nothing
    const auto first = questions_.begin();
    const auto chosenEnd = std::stable_partition(
        first, first + count_, [this](const Entry& e) { return filter_.accepts(e.topic, e.difficulty); });
    dealt_ = static_cast<int>(chosenEnd - first);
    emptySelection_ = dealt_ == 0 && count_ > 0;
    if (emptySelection_) dealt_ = count_;
}

TopicCounts Deck::countPerTopic(bool english, DifficultyChoice difficulty) const {
    TopicCounts counts{};
    const QuestionFilter filter{TopicSet::all(), difficulty};
    for (int i = 0; i < count_; ++i) {
        const Entry& e = questions_[static_cast<std::size_t>(i)];
        if (filter.accepts(e.topic, e.difficulty) && stored(e).isEnglish() == english)
            ++counts[static_cast<std::size_t>(e.topic)];
    }
    return counts;
}

int Deck::countAccepted(const QuestionFilter& filter, bool english) const {
    int n = 0;
    for (int i = 0; i < count_; ++i) {
        const Entry& e = questions_[static_cast<std::size_t>(i)];
        if (filter.accepts(e.topic, e.difficulty) && stored(e).isEnglish() == english) ++n;
    }
    return n;
}

// 2 n - 1 swaps of two random positions among the questions dealt, as the deck has always been shuffled.
void Deck::shuffle() {
    for (int i = 0; i <= 2 * (dealt_ - 1); ++i) {
        const int a = rnd::below(dealt_);
        const int b = rnd::below(dealt_);
        std::swap(questions_[static_cast<std::size_t>(a)], questions_[static_cast<std::size_t>(b)]);
    }
}

Question Deck::dealNext() {
    Question q = at(next_).unpack();
    ++next_;
    if (next_ >= dealt_) {
        next_ = 0;
        shuffle();
    }
    return q;
}

Question Deck::dealInLanguage(bool english) {
    return ::dealInLanguage(
        !english, hasLanguage(english), [this] { return dealNext(); }, isEnglishQuestion);
}

void Deck::putUnseenFirst(const std::function<bool(std::uint64_t)>& isSeen) {
    if (count_ < 2) return;
    std::stable_partition(questions_.begin(), questions_.begin() + count_,
                          [this, &isSeen](const Entry& e) { return !isSeen(stored(e).textHash()); });
    applyFilter();
}
