// q.dat bytes -> textcodec::decode -> Deck::load, and Deck::loadFile on the bytes, then dealing.
// The deck must be exactly the file's good lines with their answers shuffled, and dealing must keep to it.
#include "deck.h"
#include "fuzzcheck.h"
#include "random.h"
#include "textcodec.h"
#include "textfit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Multisets are compared by sorted hashes: exact comparison of strings in maps made the fuzzer crawl.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t hashOf(const QString& s, std::uint64_t salt) {
    return mix(qHash(s, 0) ^ mix(salt));
}

// A question and its four answers in any order.
std::uint64_t keyOf(const QString& text, const QString& a1, const QString& a2, const QString& a3,
                    const QString& a4) {
    const std::uint64_t answers = hashOf(a1, 2) + hashOf(a2, 2) + hashOf(a3, 2) + hashOf(a4, 2);
    return mix(hashOf(text, 1) ^ mix(answers));
}

std::uint64_t keyOf(const Question& q) {
    return keyOf(q.text, q.answers[1], q.answers[2], q.answers[3], q.answers[4]);
}

// A question with its right answer.
std::uint64_t rightOf(const QString& text, const QString& right) {
    return mix(hashOf(text, 3) ^ hashOf(right, 4));
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

QByteArray utf16Bytes(const QString& text, bool bigEndian) {
    QByteArray out;
    out.reserve(2 * text.size());
    for (QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8), low = static_cast<char>(c.unicode() & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

bool isUtf16(textcodec::Encoding e) {
    return e == textcodec::Encoding::Utf16LittleEndian || e == textcodec::Encoding::Utf16BigEndian;
}

void checkDecode(const QByteArray& bytes, const QString& text, const textcodec::Decoding& how) {
    FUZZ_CHECK(text.size() <= bytes.size());
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii && !isUtf16(how.encoding)) FUZZ_CHECK_EQ(text, QString::fromLatin1(bytes));
    // Windows-1250 maps byte for byte, the same as the fallback path does.
    FUZZ_CHECK(textcodec::decodeWindows1250(bytes).size() == bytes.size());

    if (isUtf16(how.encoding) && !how.byteOrderMark) {
        // Taken for UTF-16 without a mark only on a clear pattern: an even length, many NULs early on.
        const QByteArrayView sample = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 512));
        FUZZ_CHECK(bytes.size() % 2 == 0 && 4 * sample.count('\0') > sample.size());
        const bool bigEndian = how.encoding == textcodec::Encoding::Utf16BigEndian;
        if (!text.contains(QChar::ReplacementCharacter)) FUZZ_CHECK(utf16Bytes(text, bigEndian) == bytes);
    }
    // And text in the first 256 code points, saved as UTF-16 without a mark, reads back as it was.
    const QStringView start = QStringView(text).first(std::min<qsizetype>(text.size(), 256));
    if (text.size() >= 2 && std::all_of(start.begin(), start.end(),
                                        [](QChar c) { return c.unicode() >= 1 && c.unicode() <= 0xFF; })) {
        for (const bool bigEndian : {false, true}) {
            textcodec::Decoding again;
            FUZZ_CHECK_EQ(textcodec::decode(utf16Bytes(text, bigEndian), &again), text);
            FUZZ_CHECK(isUtf16(again.encoding) && !again.byteOrderMark);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Reproducible runs: the shuffles draw from a seed taken from the input.
    rnd::pin(qHash(bytes, 0));

    textcodec::Decoding decoded;
    const QString text = textcodec::decode(bytes, &decoded);
    checkDecode(bytes, text, decoded);
    const QStringList lines = textcodec::splitLines(text);
    checkLines(text, lines);

    // The game reads the bytes line by line; it agrees with the parser on the same bytes.
    textcodec::Decoding how;
    const ParsedQuestionFile fromBytes = parseQuestionFile(QByteArrayView(bytes), &how);
    Deck fileDeck;
    const LoadReport report = fileDeck.loadFile(bytes);
    FUZZ_CHECK(fileDeck.size() == static_cast<int>(fromBytes.questions.size()));
    FUZZ_CHECK(report.skipped.size() == fromBytes.issues.size());
    FUZZ_CHECK(report.decoding.fallbackLines == how.fallbackLines);

    const ParsedQuestionFile parsed = parseQuestionFile(text);
    // Line by line from the bytes, the file reads exactly as its decoded text does.
    FUZZ_CHECK(fromBytes.questions.size() == parsed.questions.size());
    for (std::size_t i = 0; i < parsed.questions.size(); ++i) {
        FUZZ_CHECK(fromBytes.questions[i].line == parsed.questions[i].line);
        for (std::size_t k = 0; k < 5; ++k)
            FUZZ_CHECK_EQ(fromBytes.questions[i].fields[k], parsed.questions[i].fields[k]);
    }
    qsizetype nonEmpty = 0;
    for (const QString& l : lines)
        nonEmpty += l.isEmpty() ? 0 : 1;
    FUZZ_CHECK(static_cast<qsizetype>(parsed.questions.size() + parsed.issues.size()) == nonEmpty);
    std::vector<std::uint64_t> expected, rightAnswers;
    int previous = 0;
    for (const QuestionLine& q : parsed.questions) {
        FUZZ_CHECK(q.line > previous && q.line <= lines.size());
        previous = q.line;
        const QStringList f = lines[q.line - 1].split(u'\\');
        FUZZ_CHECK(f.size() >= 5);
        for (int k = 0; k < 5; ++k)
            FUZZ_CHECK_EQ(q.fields[static_cast<std::size_t>(k)], f[k]);
        for (int k = 1; k <= 4; ++k)
            FUZZ_CHECK(!q.fields[static_cast<std::size_t>(k)].isEmpty());
        expected.push_back(keyOf(q.fields[0], q.fields[1], q.fields[2], q.fields[3], q.fields[4]));
        rightAnswers.push_back(rightOf(q.fields[0], q.fields[1]));
    }
    for (const LoadIssue& issue : parsed.issues) {
        FUZZ_CHECK(issue.line >= 1 && issue.line <= lines.size());
        FUZZ_CHECK(!lines[issue.line - 1].isEmpty());
        FUZZ_CHECK(!issue.reason.isEmpty());
    }
    std::sort(expected.begin(), expected.end());
    std::sort(rightAnswers.begin(), rightAnswers.end());

    // The deck the game loads from the bytes holds exactly the parsed lines too.
    std::vector<std::uint64_t> fileKeys;
    for (int i = 0; i < fileDeck.size(); ++i) {
        const Question q = fileDeck.at(i).unpack();
        FUZZ_CHECK(q.rightSlot >= 1 && q.rightSlot <= 4);
        FUZZ_CHECK_EQ(q.text, fileDeck.at(i).text());
        FUZZ_CHECK(fileDeck.at(i).textHash() == questionTextHash(q.text.toUtf8()));
        fileKeys.push_back(keyOf(q));
    }
    std::sort(fileKeys.begin(), fileKeys.end());
    FUZZ_CHECK(fileKeys == expected);

    Deck deck;
    const std::vector<LoadIssue> issues = deck.load(text);
    FUZZ_CHECK(issues.size() == parsed.issues.size());
    const int count = deck.size();
    FUZZ_CHECK(count == static_cast<int>(parsed.questions.size()));
    FUZZ_CHECK(deck.nextPosition() == 0);

    // The deck is a permutation of the good lines; each question keeps its right answer marked.
    std::vector<std::uint64_t> keys, dealtRight;
    for (int i = 0; i < count; ++i) {
        const Question q = deck.at(i).unpack();
        FUZZ_CHECK(q.rightSlot >= 1 && q.rightSlot <= 4);
        for (std::size_t s = 1; s <= 4; ++s)
            FUZZ_CHECK(!q.answers[s].isEmpty());
        for (std::size_t s = 5; s < q.answers.size(); ++s)
            FUZZ_CHECK(q.answers[s].isEmpty());
        keys.push_back(keyOf(q));
        dealtRight.push_back(rightOf(q.text, q.answers[q.rightSlot]));
    }
    std::sort(keys.begin(), keys.end());
    std::sort(dealtRight.begin(), dealtRight.end());
    FUZZ_CHECK(keys == expected);
    FUZZ_CHECK(dealtRight == rightAnswers);

    // One full round deals every question once; the deals after it come from the reshuffled deck.
    std::vector<std::uint64_t> round;
    const int deals = std::max(count, 1) + 5;
    for (int d = 0; d < deals; ++d) {
        const Question q = deck.dealNext();
        FUZZ_CHECK(deck.nextPosition() >= 0 && deck.nextPosition() <= std::max((deck.size() - 1), 0));
        if (count == 0) {
            FUZZ_CHECK(q.rightSlot == 0 && q.text.isEmpty()); // the blank record of an empty deck
            continue;
        }
        FUZZ_CHECK(q.rightSlot >= 1 && q.rightSlot <= 4 && !q.answers[q.rightSlot].isEmpty());
        FUZZ_CHECK(std::binary_search(expected.begin(), expected.end(), keyOf(q)));
        if (d < count) round.push_back(keyOf(q));
    }
    std::sort(round.begin(), round.end());
    if (count > 0) FUZZ_CHECK(round == expected);

    // Dealing by language ends, and finds a question of that language whenever the deck has one.
    for (const bool czech : {true, false}) {
        bool anyMatch = false;
        for (int i = 0; i < count; ++i)
            anyMatch = anyMatch || deck.at(i).isEnglish() != czech;
        int dealt = 0;
        const auto deal = [&] {
            ++dealt;
            FUZZ_CHECK(dealt <= 2 * std::max(count, 1) + 1);
            return deck.dealNext();
        };
        const Question q = dealInLanguage(czech, anyMatch, deal, isEnglishQuestion);
        if (anyMatch) FUZZ_CHECK(isEnglishQuestion(q.text) != czech);
    }
    return 0;
}
