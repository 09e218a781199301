#include "modOt.h"

#include "random.h"
#include "textcodec.h"

#include <utility>

namespace modOt {

std::vector<Question> questions(1);
int questionCount = -1;
int nextIndex = 0;

ParsedFile parse(const QString& text) {
    ParsedFile out;
    const QStringList lines = textcodec::splitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        const QStringList f = line.split(u'\\');
        if (f.size() < 5) {
            out.issues.push_back({i + 1, QStringLiteral("has %1 answer field(s), needs 4").arg(f.size() - 1)});
            continue;
        }
        bool empty = false;
        for (int k = 1; k <= 4; ++k) empty = empty || f[k].isEmpty();
        if (empty) {
            out.issues.push_back({i + 1, QStringLiteral("has an empty answer field")});
            continue;
        }
        QuestionLine q;
        q.line = i + 1;
        for (int k = 0; k < 5; ++k) q.fields[static_cast<std::size_t>(k)] = f[k];
        out.questions.push_back(std::move(q));
    }
    return out;
}

bool isEnglish(const QString& text) { return text.startsWith(u'W') || text.startsWith(QStringLiteral("How")); }

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
            q.Answer[i] = ql.fields[r];
            if (r == 1) q.Correct = static_cast<std::uint8_t>(i);
            ql.fields[r].clear();
        }
        q.Text = ql.fields[0];
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
