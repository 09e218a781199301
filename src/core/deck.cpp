#include "deck.h"

#include "random.h"
#include "textcodec.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {
constexpr char16_t kSeparator = u'\\';

// Splits one line into its five fields (views into the line); false, with the reason noted, for a line
// the game skips.
bool splitLine(QStringView line, int number, std::array<QStringView, 5>& f, std::vector<LoadIssue>& issues) {
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == kSeparator) {
            if (count < 5) f[static_cast<std::size_t>(count)] = line.sliced(start, i - start);
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
    std::array<QStringView, 5> f;
    if (line.isEmpty() || !splitLine(line, number, f, out.issues)) return;
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
    std::array<QStringView, 5> f;
    if (line.isEmpty() || !splitLine(line, number, f, issues)) return;
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
    questions_.push_back(
        {static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(utf8.size()), correct});
    text_ += utf8;
}

template <typename ForEachLine>
std::vector<LoadIssue> Deck::fill(ForEachLine forEachLine, Expected expected) {
    rnd::randomize();
    questions_.clear();
    questions_.shrink_to_fit();
    text_ = QByteArray();
    // Growing a large deck by doubling would hold two copies of it for a while.
    questions_.reserve(expected.lines);
    text_.reserve(expected.bytes);
    std::vector<LoadIssue> issues;
    forEachLine([this, &issues](int number, QStringView line) { add(line, number, issues); });
    count_ = static_cast<int>(questions_.size());
    if (questions_.empty()) questions_.emplace_back();
    next_ = 0;
    shuffle();
    return issues;
}

LoadReport Deck::loadFile(QByteArrayView bytes) {
    LoadReport report;
    // Questions in UTF-8 take about as many bytes as the lines they come from.
    const Expected expected{static_cast<std::size_t>(std::max(bytes.count('\n'), bytes.count('\r'))) + 1,
                            bytes.size()};
    report.skipped =
        fill([&](const auto& onLine) { report.decoding = textcodec::forEachLine(bytes, onLine); }, expected);
    return report;
}

std::vector<LoadIssue> Deck::load(const QString& text) {
    return fill([&text](const auto& onLine) { forEachTextLine(text, onLine); }, Expected{});
}

StoredQuestion Deck::at(int position) const {
    const Entry& e = questions_[static_cast<std::size_t>(position)];
    return {QByteArrayView(text_).sliced(e.offset, e.length), e.rightSlot};
}

bool Deck::hasLanguage(bool english) const {
    for (int i = 0; i < count_; ++i)
        if (at(i).isEnglish() == english) return true;
    return false;
}

// 2 n - 1 swaps of two random positions, as the deck has always been shuffled.
void Deck::shuffle() {
    for (int i = 0; i <= 2 * (count_ - 1); ++i) {
        const int a = rnd::below(count_);
        const int b = rnd::below(count_);
        std::swap(questions_[static_cast<std::size_t>(a)], questions_[static_cast<std::size_t>(b)]);
    }
}

Question Deck::dealNext() {
    Question q = at(next_).unpack();
    ++next_;
    if (next_ >= count_) {
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
    std::stable_partition(questions_.begin(), questions_.begin() + count_, [this, &isSeen](const Entry& e) {
        return !isSeen(
            StoredQuestion(QByteArrayView(text_).sliced(e.offset, e.length), e.rightSlot).textHash());
    });
    next_ = 0;
}
