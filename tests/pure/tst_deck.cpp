// The question deck: reading q.dat, comments and the set's name, answer order, dealing by topic and
// difficulty, and reshuffling.
#include "deck.h"
#include "random.h"
#include "seenquestions.h"
#include "textcodec.h"

#include <QtTest>
#include <algorithm>
#include <array>
#include <numeric>

namespace {

QString line(const QString& text, const QString& right, const QString& w1, const QString& w2,
             const QString& w3) {
    return QStringList{text, right, w1, w2, w3}.join(u'\\');
}

// A deck file of n questions "Q<i>" whose right answer is "R<i>".
QString numberedDeck(int n) {
    QString file;
    for (int i = 0; i < n; ++i) {
        const QString k = QString::number(i);
        file += line("Q" + k, "R" + k, "A" + k, "B" + k, "C" + k) + "\r\n";
    }
    return file;
}

QStringList answersOf(const Question& q) {
    return {q.answers[1], q.answers[2], q.answers[3], q.answers[4]};
}

QStringList sorted(QStringList l) {
    l.sort();
    return l;
}

QStringList dealPass(Deck& deck) {
    QStringList texts;
    for (int i = 0; i <= (deck.size() - 1); ++i)
        texts << deck.dealNext().text;
    return texts;
}

QStringList deckTexts(const Deck& deck) {
    QStringList texts;
    for (int i = 0; i <= (deck.size() - 1); ++i)
        texts << deck.at(i).text();
    return texts;
}

// The 24 orders of four labels, each as one joined key.
QStringList allOrders(QStringList labels) {
    std::sort(labels.begin(), labels.end());
    QStringList keys;
    do
        keys << labels.join(u',');
    while (std::next_permutation(labels.begin(), labels.end()));
    return keys;
}

double chiSquare(const QHash<QString, int>& counts, const QStringList& keys, int draws) {
    const double expected = static_cast<double>(draws) / keys.size();
    double chi = 0;
    for (const QString& k : keys) {
        const double d = counts.value(k) - expected;
        chi += d * d / expected;
    }
    return chi;
}

// Chi-square bound for 23 degrees of freedom at the 99.9% quantile.
constexpr double kChi23At999 = 49.73;

} // namespace

class DeckTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deck = Deck(); }
    void cleanup();

    void emptyDeckDealsTheEmptyRecordForever_data();
    void emptyDeckDealsTheEmptyRecordForever();
    void deckOfOneDealsItOnEveryCall();
    void linesEndAtCrLfCrOrLf();
    void malformedLinesAreSkippedAndReportedWithTheirNumbers();
    void fieldsAfterTheFifthAreLost();
    void spacesStayAsRead();
    void invisibleCharactersStayAsRead_data();
    void invisibleCharactersStayAsRead();
    void correctNamesTheSlotHoldingTheRightAnswer();
    void moreThan10001LinesLoadWhole();
    void aPassDealsEveryQuestionOnceAndReshufflesRightAfterTheLast();
    void utf8AndWindows1250FilesReadTheSame();
    void unseenQuestionsComeFirstFromOneRunToTheNext();
    void aDamagedMemoryKeepsOnlyWhatItCanRead();
    void questionFilesInTheEncodingsPeopleHave_data();
    void questionFilesInTheEncodingsPeopleHave();
    void isEnglish_data();
    void isEnglish();
    void answerOrdersAreUniform();
    void deckOrdersAreUniform();
    void commentsAreSkippedAndTheFirstLineNamesTheSet();
    void setNameFromLine_data();
    void setNameFromLine();
    void onlyTheChosenTopicsAndDifficultyAreDealt_data();
    void onlyTheChosenTopicsAndDifficultyAreDealt();
    void aLoadKeepsTheChoice();
    void aChoiceOfNoQuestionDealsTheWholeDeck();
    void questionsAreCountedPerTopicAndChoiceInEachLanguage();
    void unseenQuestionsOfTheChoiceComeFirstAndItsPoolStartsOver();

private:
    Deck deck;
};

namespace {
// One run of the game: a new deck from the file, ordered by the memory, then `english` and `czech`
// deals of each language remembered as the game remembers them; returns the texts dealt.
QStringList playRun(const QString& file, QByteArray& memory, int english, int czech, int seed) {
    rnd::pin(seed);
    Deck deck;
    deck.load(file);
    SeenQuestions seen = SeenQuestions::fromText(memory);
    deck.putUnseenFirst(seen.isSeen());
    QStringList dealt;
    while (english > 0 || czech > 0) {
        const Question q = deck.dealNext();
        const bool isEnglish = isEnglishQuestion(q.text);
        int& wanted = isEnglish ? english : czech;
        if (wanted == 0) continue; // dealt in the other language's game: never shown
        --wanted;
        dealt << q.text;
        seen.rememberDealt(questionTextHash(q.text.toUtf8()), isEnglish, deck);
    }
    memory = seen.toText();
    return dealt;
}
} // namespace

void DeckTest::unseenQuestionsComeFirstFromOneRunToTheNext() {
    QString file;
    for (int i = 0; i < 6; ++i)
        file += line(QStringLiteral("Which %1?").arg(i), "R", "A", "B", "C") + "\n";
    for (int i = 0; i < 2; ++i)
        file += line(QStringLiteral("Kdo %1?").arg(i), "R", "A", "B", "C") + "\n";
    QByteArray memory; // no file yet: nothing seen

    const QStringList first = playRun(file, memory, 3, 1, 1);
    const QStringList second = playRun(file, memory, 3, 0, 2);
    QSet<QString> english;
    for (const QString& t : first + second)
        if (isEnglishQuestion(t)) english.insert(t);
    QCOMPARE(english.size(), 6); // no English question twice before all six were dealt
    // All six seen: the English pool starts over, the Czech one remembers its question.
    const SeenQuestions after = SeenQuestions::fromText(memory);
    QCOMPARE(after.size(), 1);
    const auto czechDealt =
        std::find_if(first.begin(), first.end(), [](const QString& t) { return !isEnglishQuestion(t); });
    QVERIFY(after.contains(questionTextHash(czechDealt->toUtf8())));
    const QStringList third = playRun(file, memory, 0, 1, 3);
    QVERIFY(third.first() != *czechDealt);
    // Both Czech questions seen now: that pool starts over too.
    QCOMPARE(SeenQuestions::fromText(memory).size(), 0);
}

void DeckTest::aDamagedMemoryKeepsOnlyWhatItCanRead() {
    const std::uint64_t h = questionTextHash("Which?");
    SeenQuestions seen;
    seen.insert(h);
    const QByteArray good = seen.toText();
    QCOMPARE(SeenQuestions::fromText(good).size(), 1);
    QCOMPARE(SeenQuestions::fromText(QByteArray("\x00\xff garbage\n12345\nzzzzzzzzzzzzzzzz\n")).size(), 0);
    const SeenQuestions mixed = SeenQuestions::fromText("noise\r\n" + good + "\x01\x02");
    QCOMPARE(mixed.size(), 1);
    QVERIFY(mixed.contains(h));
    QCOMPARE(questionTextHash(""), 0xcbf29ce484222325ULL); // FNV-1a: stable across runs and platforms
}

void DeckTest::questionFilesInTheEncodingsPeopleHave_data() {
    using textcodec::Encoding;
    QTest::addColumn<QString>("file"); // in tests/fixtures/encodings
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addColumn<QList<int>>("fallbackLines");
    QTest::addColumn<QStringList>("questions"); // the texts, in file order
    QTest::addColumn<int>("skipped");
    const QString babicka = QStringLiteral(u"Kdo napsal Babičku?");
    const QString praha = QStringLiteral(u"Která řeka protéká Prahou?");
    const QString mars = QStringLiteral("Which planet is red?");
    QTest::newRow("UTF-8 with one Windows-1250 line")
        << "mixed_utf8_one_cp1250.dat" << int(Encoding::Utf8) << false << QList<int>{3}
        << QStringList{babicka, mars, praha} << 0;
    QTest::newRow("a whole file in Windows-1250") << "whole_cp1250.dat" << int(Encoding::Windows1250) << false
                                                  << QList<int>{} << QStringList{babicka, praha, mars} << 0;
    QTest::newRow("UTF-8 with a byte order mark")
        << "utf8_bom.dat" << int(Encoding::Utf8) << true << QList<int>{} << QStringList{babicka, mars} << 0;
    QTest::newRow("UTF-16 LE with a byte order mark")
        << "utf16le_bom.dat" << int(Encoding::Utf16LittleEndian) << true << QList<int>{}
        << QStringList{babicka, mars} << 0;
    QTest::newRow("UTF-16 BE with a byte order mark")
        << "utf16be_bom.dat" << int(Encoding::Utf16BigEndian) << true << QList<int>{}
        << QStringList{praha, mars} << 0;
    QTest::newRow("UTF-16 LE without a byte order mark")
        << "utf16le_nomark.dat" << int(Encoding::Utf16LittleEndian) << false << QList<int>{}
        << QStringList{babicka, QStringLiteral(u"Příliš žluťoučký kůň úpěl ďábelské ódy?"), mars} << 0;
    QTest::newRow("UTF-16 BE without a byte order mark")
        << "utf16be_nomark.dat" << int(Encoding::Utf16BigEndian) << false << QList<int>{}
        << QStringList{praha, mars} << 0;
    QTest::newRow("control characters are text like any other")
        << "control_chars.dat" << int(Encoding::Utf8) << false << QList<int>{}
        << QStringList{QStringLiteral("What \x1b[31mred\x1b[0m thing?"),
                       QStringLiteral("\x1b]0;pwned\aWhich title?"), QStringLiteral(u"Who is \u202eevil?")}
        << 0;
    QTest::newRow("binary: line by line, one usable line")
        << "binary.dat" << int(Encoding::Windows1250) << false << QList<int>{} << QStringList{mars} << 5;
}

void DeckTest::questionFilesInTheEncodingsPeopleHave() {
    QFETCH(QString, file);
    QFETCH(int, encoding);
    QFETCH(bool, byteOrderMark);
    QFETCH(QList<int>, fallbackLines);
    QFETCH(QStringList, questions);
    QFETCH(int, skipped);
    QFile f(QStringLiteral(TK_ENCODING_FIXTURES "/") + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const LoadReport report = deck.loadFile(f.readAll());
    QCOMPARE(int(report.decoding.encoding), encoding);
    QCOMPARE(report.decoding.byteOrderMark, byteOrderMark);
    QCOMPARE(QList<int>(report.decoding.fallbackLines.begin(), report.decoding.fallbackLines.end()),
             fallbackLines);
    QCOMPARE(int(report.skipped.size()), skipped);
    QCOMPARE(sorted(deckTexts(deck)), sorted(questions));
    // Every question keeps its own four answers, the right one marked.
    for (int i = 0; i <= (deck.size() - 1); ++i) {
        const Question q = deck.at(i).unpack();
        QVERIFY(q.rightSlot >= 1 && q.rightSlot <= 4);
        const QString right = q.answers[q.rightSlot];
        if (q.text == QStringLiteral(u"Kdo napsal Babičku?"))
            QCOMPARE(right, QStringLiteral(u"Božena Němcová"));
        if (q.text == QStringLiteral(u"Která řeka protéká Prahou?"))
            QCOMPARE(right, QStringLiteral("Vltava"));
        if (q.text == QStringLiteral("Which planet is red?")) QCOMPARE(right, QStringLiteral("Mars"));
    }
}

void DeckTest::cleanup() {
    rnd::unpin();
}

void DeckTest::emptyDeckDealsTheEmptyRecordForever_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("empty file") << "";
    QTest::newRow("only empty lines") << "\r\n\r\n\n\r";
}

void DeckTest::emptyDeckDealsTheEmptyRecordForever() {
    QFETCH(QString, file);
    deck.load(numberedDeck(3)); // a previous deck must not linger
    QVERIFY(deck.load(file).empty());
    QCOMPARE((deck.size() - 1), -1);
    for (int call = 0; call < 3; ++call) {
        const Question q = deck.dealNext();
        QCOMPARE(q.text, QString());
        QCOMPARE(q.rightSlot, 0);
        for (const QString& a : q.answers)
            QCOMPARE(a, QString());
        QCOMPARE(deck.nextPosition(), 0);
    }
}

void DeckTest::deckOfOneDealsItOnEveryCall() {
    deck.load(line("Kdo?", "Eva", "Adam", "Petr", "Jana"));
    QCOMPARE((deck.size() - 1), 0);
    const Question first = deck.dealNext();
    QCOMPARE(first.text, QStringLiteral("Kdo?"));
    for (int call = 0; call < 5; ++call) {
        const Question q = deck.dealNext();
        QCOMPARE(q.text, first.text);
        QCOMPARE(answersOf(q), answersOf(first)); // the answer order is fixed at loading
        QCOMPARE(q.rightSlot, first.rightSlot);
    }
}

void DeckTest::linesEndAtCrLfCrOrLf() {
    const QString file = line("A", "1", "2", "3", "4") + "\r\n" + line("B", "1", "2", "3", "4") + "\r" +
                         line("C", "1", "2", "3", "4") + "\n" + line("D", "1", "2", "3", "4");
    QVERIFY(deck.load(file).empty());
    QCOMPARE((deck.size() - 1), 3);
    QCOMPARE(sorted(dealPass(deck)), (QStringList{"A", "B", "C", "D"}));
}

void DeckTest::malformedLinesAreSkippedAndReportedWithTheirNumbers() {
    const QString file = line("Q1", "a", "b", "c", "d") + "\r\n" // 1
                         + "Q2\\a\\b\\c\r\n"                     // 2: three answer fields
                         + "\r\n"                                // 3: empty, skipped silently
                         + "Q4\\a\\\\c\\d\n"                     // 4: empty answer field
                         + "   \r"                               // 5: only spaces, no answers
                         + "Q6\\a\\b\\c\\\r\n"                   // 6: empty last answer field
                         + line("Q7", "a", "b", "c", "d");       // 7
    const std::vector<LoadIssue> issues = deck.load(file);
    QList<int> lines;
    for (const LoadIssue& issue : issues) {
        lines << issue.line;
        QVERIFY(!issue.reason.isEmpty());
    }
    QCOMPARE(lines, (QList<int>{2, 4, 5, 6}));
    QCOMPARE((deck.size() - 1), 1);
    QCOMPARE(sorted(dealPass(deck)), (QStringList{"Q1", "Q7"}));
}

void DeckTest::fieldsAfterTheFifthAreLost() {
    deck.load("Q\\a\\b\\c\\d\\e\\f\r\n");
    const Question q = deck.dealNext();
    QCOMPARE(sorted(answersOf(q)), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(q.answers[q.rightSlot], QStringLiteral("a"));
    for (int slot = 5; slot <= 8; ++slot)
        QCOMPARE(q.answers[static_cast<std::size_t>(slot)], QString());
}

void DeckTest::spacesStayAsRead() {
    deck.load(line(" Kdo  ", " Eva", "Adam ", "  Petr  ", "Jana") + "\r\n");
    const Question q = deck.dealNext();
    QCOMPARE(q.text, QStringLiteral(" Kdo  "));
    QCOMPARE(sorted(answersOf(q)), sorted({" Eva", "Adam ", "  Petr  ", "Jana"}));
    QCOMPARE(q.answers[q.rightSlot], QStringLiteral(" Eva"));
}

void DeckTest::correctNamesTheSlotHoldingTheRightAnswer() {
    rnd::pin(7);
    constexpr int n = 500;
    deck.load(numberedDeck(n));
    QCOMPARE((deck.size() - 1), n - 1);
    for (int i = 0; i < n; ++i) {
        const Question q = deck.at(i).unpack();
        const QString k = q.text.mid(1);
        QVERIFY(q.rightSlot >= 1 && q.rightSlot <= 4);
        QCOMPARE(q.answers[q.rightSlot], "R" + k);
        QCOMPARE(sorted(answersOf(q)), (QStringList{"A" + k, "B" + k, "C" + k, "R" + k}));
    }
}

void DeckTest::moreThan10001LinesLoadWhole() {
    constexpr int n = 12000;
    QVERIFY(deck.load(numberedDeck(n)).empty());
    QCOMPARE((deck.size() - 1), n - 1);
    const QStringList pass = dealPass(deck);
    QCOMPARE(QSet<QString>(pass.begin(), pass.end()).size(), n);
}

void DeckTest::aPassDealsEveryQuestionOnceAndReshufflesRightAfterTheLast() {
    rnd::pin(11);
    constexpr int n = 6;
    deck.load(numberedDeck(n));
    const QStringList all = sorted(deckTexts(deck));
    int reorderedByLastDeal = 0;
    int lastOpensNextPass = 0;
    QString previousLast;
    for (int pass = 0; pass < 30; ++pass) {
        QCOMPARE(deck.nextPosition(), 0);
        QStringList dealt;
        for (int i = 0; i < n - 1; ++i)
            dealt << deck.dealNext().text;
        QCOMPARE(deck.nextPosition(), n - 1);
        const QStringList before = deckTexts(deck);
        dealt << deck.dealNext().text;
        QCOMPARE(deck.nextPosition(), 0);
        if (deckTexts(deck) != before) ++reorderedByLastDeal;
        QCOMPARE(sorted(dealt), all);
        if (dealt.first() == previousLast) ++lastOpensNextPass;
        previousLast = dealt.last();
    }
    QVERIFY(reorderedByLastDeal > 0);
    QVERIFY(lastOpensNextPass > 0); // only possible when the deck is reshuffled between passes
}

void DeckTest::invisibleCharactersStayAsRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("first");      // the text of the first question
    QTest::addColumn<QStringList>("second"); // the second question and its answers, right one first
    const QString bom(QChar(0xFEFF));
    const QString hamlet = line("Who wrote Hamlet?", "Shakespeare", "Marlowe", "Kyd", "Jonson");
    const auto file = [&](const QStringList& second) {
        return "\xEF\xBB\xBF" +
               (hamlet + "\r\n" + second.join(u'\\') + "\r\n").toUtf8(); // the file's own mark
    };
    const QStringList rur{"Kdo napsal R.U.R.?", QStringLiteral(u"Karel Čapek"), "Jan Neruda",
                          QStringLiteral(u"Jaroslav Hašek"), QStringLiteral(u"Alois Jirásek")};
    QStringList marked = rur;
    marked[0].prepend(bom);
    QTest::newRow("a later line begins with a byte order mark (two files joined)")
        << file(marked) << "Who wrote Hamlet?" << marked;
    QStringList answerMarked = rur;
    answerMarked[1].prepend(bom);
    QTest::newRow("an answer begins with a byte order mark")
        << file(answerMarked) << "Who wrote Hamlet?" << answerMarked;
    QStringList nuls = rur;
    nuls[1] = QStringLiteral("Karel ") + QChar(1) + QString(5, QChar(0)) + QChar(1);
    QTest::newRow("NUL characters inside an answer") << file(nuls) << "Who wrote Hamlet?" << nuls;
    QTest::newRow("the file's mark twice: the second is text")
        << "\xEF\xBB\xBF" + file(rur) << bom + "Who wrote Hamlet?" << rur;
}

// The deck holds exactly what the file's lines say, read from the bytes as the game does or from the
// decoded text; the text keeps the hash the memory of dealt questions is kept by.
void DeckTest::invisibleCharactersStayAsRead() {
    QFETCH(QByteArray, file);
    QFETCH(QString, first);
    QFETCH(QStringList, second);
    Deck fromText;
    QVERIFY(fromText.load(textcodec::decode(file)).empty());
    QVERIFY(deck.loadFile(file).skipped.empty());
    for (const Deck* d : {&deck, &fromText}) {
        QCOMPARE(sorted(deckTexts(*d)), sorted({first, second[0]}));
        for (int i = 0; i < d->size(); ++i) {
            const Question q = d->at(i).unpack();
            QCOMPARE(q.text, d->at(i).text());
            QCOMPARE(d->at(i).textHash(), questionTextHash(q.text.toUtf8()));
            if (q.text != second[0]) continue;
            QCOMPARE(sorted(answersOf(q)), sorted(second.mid(1)));
            QCOMPARE(q.answers[q.rightSlot], second[1]);
        }
    }
}

void DeckTest::utf8AndWindows1250FilesReadTheSame() {
    const QString expectedText = QString::fromUtf8("Kdo napsal Babičku?");
    const QStringList expectedAnswers =
        sorted(QString::fromUtf8("Božena Němcová|Karel Čapek|Jan Neruda|Alois Jirásek").split(u'|'));
    const QByteArray utf8 =
        line(expectedText, QString::fromUtf8("Božena Němcová"), QString::fromUtf8("Karel Čapek"),
             "Jan Neruda", QString::fromUtf8("Alois Jirásek"))
            .toUtf8() +
        "\r\n";
    // Adjacent literals stop a hex escape from swallowing the letters after it.
    const QByteArray windows1250("Kdo napsal Babi\xE8ku?\\Bo\x9E"
                                 "ena N\xEC"
                                 "mcov\xE1\\Karel \xC8"
                                 "apek\\Jan Neruda\\Alois Jir\xE1sek\r\n");
    for (const QByteArray& bytes : {utf8, windows1250}) {
        deck.load(textcodec::decode(bytes));
        const Question q = deck.dealNext();
        QCOMPARE(q.text, expectedText);
        QCOMPARE(sorted(answersOf(q)), expectedAnswers);
        QCOMPARE(q.answers[q.rightSlot], QString::fromUtf8("Božena Němcová"));
    }
}

void DeckTest::isEnglish_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::newRow("What") << "What is the capital of France?" << true;
    QTest::newRow("How") << "How many legs has a spider?" << true;
    QTest::newRow("Why") << "Why is the sky blue?" << true;
    QTest::newRow("Howard") << "Howard Carter found whose tomb?" << true;
    QTest::newRow("Kdo") << "Kdo napsal Babičku?" << false;
    QTest::newRow("lower-case what") << "what is it?" << false;
    QTest::newRow("Ho without w") << "Ho Chi Minh was born where?" << false;
    QTest::newRow("leading space") << " What?" << false;
    QTest::newRow("empty text") << "" << false;
}

void DeckTest::isEnglish() {
    QFETCH(QString, text);
    QFETCH(bool, english);
    QCOMPARE(isEnglishQuestion(text), english);
}

void DeckTest::answerOrdersAreUniform() {
    rnd::pin(20240601);
    constexpr int n = 4800;
    deck.load(numberedDeck(n));
    const QStringList keys = allOrders({"A", "B", "C", "R"});
    QHash<QString, int> counts;
    for (int i = 0; i < n; ++i) {
        QStringList order;
        for (const QString& a : answersOf(deck.at(i).unpack()))
            order << a.left(1);
        ++counts[order.join(u',')];
    }
    QCOMPARE(counts.size(), keys.size());
    const double chi = chiSquare(counts, keys, n);
    QVERIFY2(chi < kChi23At999, qPrintable(QStringLiteral("chi-square %1").arg(chi)));
}

void DeckTest::deckOrdersAreUniform() {
    rnd::pin(99);
    constexpr int runs = 4800;
    const QString file = numberedDeck(4);
    const QStringList keys = allOrders({"Q0", "Q1", "Q2", "Q3"});
    QHash<QString, int> counts;
    for (int run = 0; run < runs; ++run) {
        deck.load(file);
        ++counts[dealPass(deck).join(u',')];
    }
    QCOMPARE(counts.size(), keys.size());
    const double chi = chiSquare(counts, keys, runs);
    QVERIFY2(chi < kChi23At999, qPrintable(QStringLiteral("chi-square %1").arg(chi)));
}

namespace {
// Seven questions of all kinds of tags: six English, one Czech.
const QString kTagged = QStringLiteral("#name: Tiny set\n"
                                       "# a comment\\that\\looks\\like\\a\\question\n"
                                       "What A?\\a\\b\\c\\d\\film\\1\n"
                                       "What B?\\a\\b\\c\\d\\film\\3\n"
                                       "What C?\\a\\b\\c\\d\\history\\2\n"
                                       "What D?\\a\\b\\c\\d\n"
                                       "What E?\\a\\b\\c\\d\\sport\n"
                                       "What F?\\a\\b\\c\\d\\maths\\1\n"
                                       "Kdo G?\\a\\b\\c\\d\\ film \\1\n");

// "film history" and "easy" as a filter.
QuestionFilter filterOf(const QString& topics, const QString& difficulty) {
    QuestionFilter filter;
    filter.topics = TopicSet();
    for (const QString& key : topics.split(u' ', Qt::SkipEmptyParts))
        filter.topics.insert(topicFromKey(key));
    if (!difficultyChoiceFromKey(difficulty, filter.difficulty)) qFatal("bad difficulty in a test row");
    return filter;
}

QStringList firstTexts(Deck& deck, int deals) {
    QStringList texts;
    for (int i = 0; i < deals; ++i)
        texts << deck.dealNext().text;
    return texts;
}
} // namespace

void DeckTest::commentsAreSkippedAndTheFirstLineNamesTheSet() {
    const QByteArray file =
        ("#name: Tiny set\r\n#name: not a name here\r\n" + line("What A?", "a", "b", "c", "d") +
         "\r\n#\r\n# note\r\n" + line("Kdo B?", "a", "b", "c", "d"))
            .toUtf8();
    const LoadReport report = deck.loadFile(file);
    QVERIFY(report.skipped.empty());
    QCOMPARE(report.name, QStringLiteral("Tiny set"));
    QCOMPARE(sorted(deckTexts(deck)), (QStringList{"Kdo B?", "What A?"}));
    const ParsedQuestionFile parsed = parseQuestionFile(QByteArrayView(file));
    QCOMPARE(parsed.name, QStringLiteral("Tiny set"));
    QCOMPARE(parsed.questions.size(), std::size_t(2));
    QCOMPARE(parsed.questions[0].line, 3);
    QVERIFY(parsed.issues.empty());
    // A byte order mark does not hide the name; a question on the first line names nothing.
    QCOMPARE(deck.loadFile("\xEF\xBB\xBF#name: Marked\n" + line("What?", "a", "b", "c", "d").toUtf8()).name,
             QStringLiteral("Marked"));
    QCOMPARE(deck.loadFile(line("What?", "a", "b", "c", "d").toUtf8()).name, QString());
    QCOMPARE(parseQuestionFile(QStringLiteral("#name: From text\n")).name, QStringLiteral("From text"));
}

void DeckTest::setNameFromLine_data() {
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("name");
    QTest::newRow("a name") << "#name: Capitals"
                            << "Capitals";
    QTest::newRow("spaces tidied") << "#name:   Rivers \t and   seas  "
                                   << "Rivers and seas";
    QTest::newRow("Czech letters") << QStringLiteral(u"#name: Řeky a moře") << QStringLiteral(u"Řeky a moře");
    QTest::newRow("names nothing") << "#name:   "
                                   << "";
    QTest::newRow("a plain comment") << "# name: Capitals"
                                     << "";
    QTest::newRow("not a comment") << "name: Capitals"
                                   << "";
    QTest::newRow("a long name is cut") << "#name: " + QString(100, u'x') << QString(kMaxSetNameLength, u'x');
}

void DeckTest::setNameFromLine() {
    QFETCH(QString, firstLine);
    QFETCH(QString, name);
    QCOMPARE(::setNameFromLine(firstLine), name);
}

void DeckTest::onlyTheChosenTopicsAndDifficultyAreDealt_data() {
    QTest::addColumn<QString>("topics");
    QTest::addColumn<QString>("difficulty");
    QTest::addColumn<QStringList>("dealt");
    const QStringList all{"Kdo G?", "What A?", "What B?", "What C?", "What D?", "What E?", "What F?"};
    QTest::newRow("every topic, mixed: the whole deck")
        << "geography history science nature body sport music art film language technology everyday other"
        << "mixed" << all;
    QTest::newRow("one topic, mixed") << "film"
                                      << "mixed" << QStringList{"Kdo G?", "What A?", "What B?"};
    QTest::newRow("one topic, easy") << "film"
                                     << "easy" << QStringList{"Kdo G?", "What A?"};
    QTest::newRow("one topic, hard") << "film"
                                     << "hard" << QStringList{"What B?"};
    QTest::newRow("easy is difficulty 1 only, whatever the topic")
        << "history sport film other"
        << "easy" << QStringList{"Kdo G?", "What A?", "What F?"};
    QTest::newRow("medium questions only under mixed") << "history"
                                                       << "mixed" << QStringList{"What C?"};
    QTest::newRow("untagged and unknown topics are other") << "other"
                                                           << "mixed" << QStringList{"What D?", "What F?"};
    QTest::newRow("two topics") << "history sport"
                                << "mixed" << QStringList{"What C?", "What E?"};
}

void DeckTest::onlyTheChosenTopicsAndDifficultyAreDealt() {
    QFETCH(QString, topics);
    QFETCH(QString, difficulty);
    QFETCH(QStringList, dealt);
    rnd::pin(5);
    deck.load(kTagged);
    QCOMPARE(deck.size(), 7);
    QCOMPARE(deck.select(filterOf(topics, difficulty)), dealt.size());
    QCOMPARE(deck.dealtCount(), dealt.size());
    QVERIFY(!deck.hasEmptySelection());
    for (int pass = 0; pass < 3; ++pass) // every pass deals each chosen question once, nothing else
        QCOMPARE(sorted(firstTexts(deck, static_cast<int>(dealt.size()))), dealt);
    // The interface language still decides among the chosen.
    const auto english = std::count_if(dealt.begin(), dealt.end(), isEnglishQuestion);
    for (int i = 0; i < 10; ++i) {
        const QString text = deck.dealInLanguage(false).text;
        QVERIFY2(dealt.contains(text), qPrintable(text));
        if (english < dealt.size()) QCOMPARE(text, QStringLiteral("Kdo G?"));
    }
}

void DeckTest::aLoadKeepsTheChoice() {
    deck.select(filterOf("film", "mixed"));
    deck.load(kTagged);
    QCOMPARE(sorted(firstTexts(deck, 3)), (QStringList{"Kdo G?", "What A?", "What B?"}));
    QCOMPARE(deck.filter(), filterOf("film", "mixed"));
    QCOMPARE(deck.select(QuestionFilter()), 7); // the default deals everything again
    QCOMPARE(sorted(dealPass(deck)).size(), 7);
}

void DeckTest::aChoiceOfNoQuestionDealsTheWholeDeck() {
    deck.load(kTagged);
    QCOMPARE(deck.select(filterOf("sport", "easy")), 0);
    QVERIFY(deck.hasEmptySelection());
    QCOMPARE(deck.dealtCount(), deck.size());
    const QStringList pass = dealPass(deck);
    QCOMPARE(QSet<QString>(pass.begin(), pass.end()).size(), 7);
    QCOMPARE(deck.countAccepted(filterOf("sport", "easy"), true), 0);
    QCOMPARE(deck.select(filterOf("", "mixed")), 0); // no topic at all
    QVERIFY(deck.hasEmptySelection());
    // An empty deck is no empty choice: it deals the blank question as ever.
    deck.load(QString());
    QVERIFY(!deck.hasEmptySelection());
    QCOMPARE(deck.dealNext().text, QString());
}

void DeckTest::questionsAreCountedPerTopicAndChoiceInEachLanguage() {
    deck.load(kTagged);
    deck.select(filterOf("history", "mixed")); // counting does not depend on what is dealt
    const auto at = [](const TopicCounts& counts, Topic t) { return counts[static_cast<std::size_t>(t)]; };
    const TopicCounts english = deck.countPerTopic(true);
    QCOMPARE(at(english, Topic::Film), 2);
    QCOMPARE(at(english, Topic::History), 1);
    QCOMPARE(at(english, Topic::Sport), 1);
    QCOMPARE(at(english, Topic::Other), 2);
    QCOMPARE(std::accumulate(english.begin(), english.end(), 0), 6);
    const TopicCounts czech = deck.countPerTopic(false);
    QCOMPARE(at(czech, Topic::Film), 1);
    QCOMPARE(std::accumulate(czech.begin(), czech.end(), 0), 1);
    const TopicCounts easy = deck.countPerTopic(true, DifficultyChoice::Easy);
    QCOMPARE(at(easy, Topic::Film), 1);
    QCOMPARE(at(easy, Topic::Other), 1);
    QCOMPARE(std::accumulate(easy.begin(), easy.end(), 0), 2);
    QCOMPARE(deck.countAccepted(filterOf("film other", "easy"), true), 2);
    QCOMPARE(deck.countAccepted(filterOf("film other", "easy"), false), 1);
    QCOMPARE(deck.countAccepted(QuestionFilter(), true), 6);
    QCOMPARE(deck.dealtCount(), 1); // counting left the choice alone
}

void DeckTest::unseenQuestionsOfTheChoiceComeFirstAndItsPoolStartsOver() {
    QString file;
    for (int i = 0; i < 4; ++i)
        file += line(QStringLiteral("What film %1?").arg(i), "a", "b", "c", "d") + "\\film\\2\n" +
                line(QStringLiteral("What history %1?").arg(i), "a", "b", "c", "d") + "\\history\\2\n";
    const auto hash = [](const QString& text) { return questionTextHash(text.toUtf8()); };
    SeenQuestions seen;
    seen.insert(hash("What film 0?"));
    seen.insert(hash("What film 1?"));
    seen.insert(hash("What history 2?"));
    rnd::pin(3);
    deck.load(file);
    deck.select(filterOf("film", "mixed"));
    deck.putUnseenFirst(seen.isSeen());
    const QStringList dealt = firstTexts(deck, 4);
    QCOMPARE(sorted(dealt.mid(0, 2)), (QStringList{"What film 2?", "What film 3?"}));
    QCOMPARE(sorted(dealt.mid(2)), (QStringList{"What film 0?", "What film 1?"}));
    // Once every film question has been seen, the film pool starts over; other topics are kept.
    seen.rememberDealt(hash("What film 2?"), true, deck);
    QVERIFY(seen.contains(hash("What film 0?")));
    seen.rememberDealt(hash("What film 3?"), true, deck);
    QVERIFY(!seen.contains(hash("What film 0?")));
    QVERIFY(!seen.contains(hash("What film 3?")));
    QVERIFY(seen.contains(hash("What history 2?")));
}

QTEST_GUILESS_MAIN(DeckTest)
#include "tst_deck.moc"
