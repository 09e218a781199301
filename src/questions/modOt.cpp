#include "modOt.h"

#include "random.h"
#include "textcodec.h"

#include <array>
#include <utility>

namespace modOt {

std::vector<Question> questions(1);
int questionCount = -1;
int nextIndex = 0;

namespace {
// One line: up to its first five fields as views into the text, and how many fields it has in all.
void parseLine(QStringView line, int number, ParsedFile& out) {
    std::array<QStringView, 5> f;
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == u'\\') {
            if (count < 5) f[static_cast<std::size_t>(count)] = line.sliced(start, i - start);
            ++count;
            start = i + 1;
        }
    }
    if (count < 5) {
        out.issues.push_back({number, QStringLiteral("has %1 answer field(s), needs 4").arg(count - 1)});
        return;
    }
    for (std::size_t k = 1; k <= 4; ++k)
        if (f[k].isEmpty()) {
            out.issues.push_back({number, QStringLiteral("has an empty answer field")});
            return;
        }
    QuestionLine q;
    q.line = number;
    for (std::size_t k = 0; k < 5; ++k)
        q.fields[k] = f[k].toString();
    out.questions.push_back(std::move(q));
}
} // namespace

ParsedFile parse(const QString& text) {
    ParsedFile out;
    // Lines end at CR LF, CR or LF; a last line without a line end counts.
    int number = 0;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text[i] != u'\r' && text[i] != u'\n') continue;
        if (i == n && start == n) break;
        ++number;
        if (i > start) parseLine(QStringView(text).sliced(start, i - start), number, out);
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    return out;
}

bool isEnglish(const QString& text) {
    return text.startsWith(u'W') || text.startsWith(QStringLiteral("How"));
}

std::vector<LoadIssue> LoadQuestions(const QString& text) {
    rnd::randomize();
    ParsedFile parsed = parse(text);
    questions.assign(qMax<std::size_t>(parsed.questions.size(), 1), Question{});
    questionCount = 0;
    for (QuestionLine& ql : parsed.questions) {
        Question& q = questions[static_cast<std::size_t>(questionCount)];
        for (std::size_t i = 1; i <= 4; ++i) {
            std::size_t r;
            do {
                r = static_cast<std::size_t>(rnd::below(4) + 1);
            } while (ql.fields[r].isEmpty());
            // Taking the field leaves it empty, so it cannot be drawn again.
            q.Answer[i] = std::exchange(ql.fields[r], QString());
            if (r == 1) q.Correct = static_cast<std::uint8_t>(i);
        }
        q.Text = std::move(ql.fields[0]);
        ++questionCount;
    }
    --questionCount;
    nextIndex = 0;
    ShuffleQuestions();
    return parsed.issues;
}

void ShuffleQuestions() {
    for (int i = 0; i <= 2 * questionCount; ++i) {
        const int a = rnd::below(questionCount + 1);
        const int b = rnd::below(questionCount + 1);
        std::swap(questions[static_cast<std::size_t>(a)], questions[static_cast<std::size_t>(b)]);
    }
}

Question NextQuestion() {
    Question q = questions[static_cast<std::size_t>(nextIndex)];
    ++nextIndex;
    if (nextIndex >= questionCount + 1) {
        nextIndex = 0;
        ShuffleQuestions();
    }
    return q;
}

} // namespace modOt
