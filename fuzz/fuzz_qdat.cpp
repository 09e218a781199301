// q.dat bytes -> textcodec::decode -> modOt::LoadQuestions, then dealing.
// The deck must be exactly the file's good lines with their answers shuffled, and dealing must keep to it.
#include "fuzzcheck.h"
#include "modOt.h"
#include "random.h"
#include "textcodec.h"
#include "textfit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using Key = std::vector<QString>; // the question, then its four answers sorted

Key keyOf(const QString& text, QString a1, QString a2, QString a3, QString a4) {
    Key k{a1, a2, a3, a4};
    std::sort(k.begin(), k.end());
    k.insert(k.begin(), text);
    return k;
}

Key keyOf(const modOt::Question& q) {
    return keyOf(q.Text, q.Answer[1], q.Answer[2], q.Answer[3], q.Answer[4]);
}

void checkLines(const QString& text, const QStringList& lines) {
    for (const QString& l : lines)
        FUZZ_CHECK(!l.contains(u'\r') && !l.contains(u'\n'));
    // Joined with LF, the lines are the text with every line end made LF and a final one dropped.
    QString expected = text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    expected.replace(u'\r', u'\n');
    if (expected.endsWith(u'\n')) expected.chop(1);
    FUZZ_CHECK_EQ(lines.join(u'\n'), expected);
}

void checkDecode(const QByteArray& bytes, const QString& text) {
    FUZZ_CHECK(text.size() <= bytes.size());
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) FUZZ_CHECK_EQ(text, QString::fromLatin1(bytes));
    // Windows-1250 maps byte for byte, the same as the fallback path does.
    FUZZ_CHECK(textcodec::decodeWindows1250(bytes).size() == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Reproducible runs: the shuffles draw from a seed taken from the input.
    rnd::pin(qHash(bytes, 0));

    const QString text = textcodec::decode(bytes);
    checkDecode(bytes, text);
    const QStringList lines = textcodec::splitLines(text);
    checkLines(text, lines);

    const modOt::ParsedFile parsed = modOt::parse(text);
    qsizetype nonEmpty = 0;
    for (const QString& l : lines)
        nonEmpty += l.isEmpty() ? 0 : 1;
    FUZZ_CHECK(static_cast<qsizetype>(parsed.questions.size() + parsed.issues.size()) == nonEmpty);
    std::map<Key, int> expected;
    for (const modOt::QuestionLine& q : parsed.questions) {
        FUZZ_CHECK(q.line >= 1 && q.line <= lines.size());
        const QStringList f = lines[q.line - 1].split(u'\\');
        FUZZ_CHECK(f.size() >= 5);
        for (int k = 0; k < 5; ++k)
            FUZZ_CHECK_EQ(q.fields[static_cast<std::size_t>(k)], f[k]);
        for (int k = 1; k <= 4; ++k)
            FUZZ_CHECK(!q.fields[static_cast<std::size_t>(k)].isEmpty());
        ++expected[keyOf(q.fields[0], q.fields[1], q.fields[2], q.fields[3], q.fields[4])];
    }
    for (const modOt::LoadIssue& issue : parsed.issues) {
        FUZZ_CHECK(issue.line >= 1 && issue.line <= lines.size());
        FUZZ_CHECK(!lines[issue.line - 1].isEmpty());
        FUZZ_CHECK(!issue.reason.isEmpty());
    }

    const std::vector<modOt::LoadIssue> issues = modOt::LoadQuestions(text);
    FUZZ_CHECK(issues.size() == parsed.issues.size());
    const int count = modOt::questionCount + 1;
    FUZZ_CHECK(count == static_cast<int>(parsed.questions.size()));
    FUZZ_CHECK(modOt::questions.size() >= static_cast<std::size_t>(std::max(count, 1)));
    FUZZ_CHECK(modOt::nextIndex == 0);

    // The deck is a permutation of the good lines; each question keeps its right answer marked.
    std::map<Key, int> deck;
    for (int i = 0; i < count; ++i) {
        const modOt::Question& q = modOt::questions[static_cast<std::size_t>(i)];
        FUZZ_CHECK(q.Correct >= 1 && q.Correct <= 4);
        for (std::size_t s = 1; s <= 4; ++s)
            FUZZ_CHECK(!q.Answer[s].isEmpty());
        for (std::size_t s = 5; s < q.Answer.size(); ++s)
            FUZZ_CHECK(q.Answer[s].isEmpty());
        ++deck[keyOf(q)];
    }
    FUZZ_CHECK(deck == expected);
    std::map<QString, int> rightAnswers, dealtRight;
    for (const modOt::QuestionLine& q : parsed.questions)
        ++rightAnswers[q.fields[0] + u'\\' + q.fields[1]];
    for (int i = 0; i < count; ++i) {
        const modOt::Question& q = modOt::questions[static_cast<std::size_t>(i)];
        ++dealtRight[q.Text + u'\\' + q.Answer[q.Correct]];
    }
    FUZZ_CHECK(dealtRight == rightAnswers);

    // One full round deals every question once; the deals after it come from the reshuffled deck.
    std::map<Key, int> round;
    const int deals = std::max(count, 1) + 5;
    for (int d = 0; d < deals; ++d) {
        const modOt::Question q = modOt::NextQuestion();
        FUZZ_CHECK(modOt::nextIndex >= 0 && modOt::nextIndex <= std::max(modOt::questionCount, 0));
        if (count == 0) {
            FUZZ_CHECK(q.Correct == 0 && q.Text.isEmpty()); // the blank record of an empty deck
            continue;
        }
        FUZZ_CHECK(q.Correct >= 1 && q.Correct <= 4 && !q.Answer[q.Correct].isEmpty());
        FUZZ_CHECK(expected.count(keyOf(q)) == 1);
        if (d < count) ++round[keyOf(q)];
    }
    if (count > 0) FUZZ_CHECK(round == expected);

    // Dealing by language ends, and finds a question of that language whenever the deck has one.
    for (const bool czech : {true, false}) {
        bool anyMatch = false;
        for (int i = 0; i < count; ++i)
            anyMatch =
                anyMatch || modOt::isEnglish(modOt::questions[static_cast<std::size_t>(i)].Text) != czech;
        int dealt = 0;
        const auto deal = [&] {
            ++dealt;
            FUZZ_CHECK(dealt <= 2 * std::max(count, 1) + 1);
            return modOt::NextQuestion();
        };
        const modOt::Question q = textfit::dealInLanguage(czech, anyMatch, deal, modOt::isEnglish);
        if (anyMatch) FUZZ_CHECK(modOt::isEnglish(q.Text) != czech);
    }
    return 0;
}
