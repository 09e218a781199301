// Word fitting of the question text, the clock period and dealing in the interface language.
#include "deck.h"
#include "textfit.h"

#include <QtTest>

namespace {

// Every character 10 px wide, so "one " measures 40.
double tenPerChar(const QString& s) {
    return 10.0 * s.size();
}

QStringList wordsOf(const textfit::JustifiedLine& l) {
    QStringList w;
    for (const auto& p : l.words)
        w << p.word;
    return w;
}

QList<float> positionsOf(const textfit::JustifiedLine& l) {
    QList<float> x;
    for (const auto& p : l.words)
        x << p.x;
    return x;
}

// A fake deck that deals its texts in order and counts the deals.
struct FakeDeck {
    QStringList texts;
    int dealt = 0;
    Question deal() {
        Question q;
        q.text = texts[dealt++ % texts.size()];
        return q;
    }
};

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void justify_data();
    void justify();
    void wordWidthsRoundHalvesToEven();
    void tickPeriod_data();
    void tickPeriod();
    void czechInterfacePassesOverEnglishQuestions();
    void englishInterfacePassesOverCzechQuestions();
    void deckWithoutTheLanguageDealsTheNextQuestion();
};

void TextFitTest::justify_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("width");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QList<float>>("xs");
    QTest::addColumn<QString>("rest");

    // Lines start at x = 100.
    QTest::newRow("all words fit: no stretching, nothing left")
        << "one two three" << 1000.f << QStringList{"one", "two", "three"} << QList<float>{100, 140, 180}
        << "";
    QTest::newRow("two words fit: the second takes the whole free space")
        << "one two three" << 100.f << QStringList{"one", "two"} << QList<float>{100, 160} << "three";
    QTest::newRow("a total equal to the width does not fit")
        << "one two three" << 80.f << QStringList{"one"} << QList<float>{100} << "two three";
    QTest::newRow("first word wider than the line is still placed")
        << "extraordinary words here" << 50.f << QStringList{"extraordinary"} << QList<float>{100}
        << "words here";
    QTest::newRow("single word that fits") << "one" << 50.f << QStringList{"one"} << QList<float>{100} << "";
    QTest::newRow("equal gaps on a stretched line")
        << "aa bbb c dddd eeeee" << 146.f << QStringList{"aa", "bbb", "c", "dddd"}
        << QList<float>{100, 132, 174, 196} << "eeeee";
    QTest::newRow("double space counts an empty word")
        << "one  two three" << 120.f << QStringList{"one", "", "two"} << QList<float>{100, 155, 180}
        << "three";
    QTest::newRow("rest keeps its inner double spaces")
        << "one two  three  four" << 50.f << QStringList{"one"} << QList<float>{100} << "two  three  four";
    QTest::newRow("rest loses spaces at its ends only")
        << "one   two  " << 50.f << QStringList{"one"} << QList<float>{100} << "two";
    QTest::newRow("word wider than 255 px keeps its width")
        << "supercalifragilisticexpialidocious tiny" << 1000.f
        << QStringList{"supercalifragilisticexpialidocious", "tiny"} << QList<float>{100, 450} << "";
    QTest::newRow("word wider than 255 px does not fit a 300 px line")
        << "supercalifragilisticexpialidocious tiny" << 300.f
        << QStringList{"supercalifragilisticexpialidocious"} << QList<float>{100} << "tiny";
    QTest::newRow("empty text places nothing") << "" << 100.f << QStringList{} << QList<float>{} << "";
    // "one two v " fits in 100 px, but the one-letter word is bound to the next by a no-break space.
    QTest::newRow("a no-break space keeps a one-letter word on the next line")
        << QStringLiteral(u"one two v\u00a0Praze") << 110.f << QStringList{"one", "two"}
        << QList<float>{100, 170} << QStringLiteral(u"v\u00a0Praze");
}

void TextFitTest::justify() {
    QFETCH(QString, text);
    QFETCH(float, width);
    const textfit::JustifiedLine line = textfit::justify(text, width, 100.f, tenPerChar);
    QTEST(wordsOf(line), "words");
    QTEST(positionsOf(line), "xs");
    QTEST(line.rest, "rest");
}

// 8.5 px a character: "ab " is 25.5 -> 26 and "abcd " is 42.5 -> 42.
void TextFitTest::wordWidthsRoundHalvesToEven() {
    const auto line =
        textfit::justify("ab abcd x", 1000.f, 0.f, [](const QString& s) { return 8.5 * s.size(); });
    QCOMPARE(positionsOf(line), (QList<float>{0, 26, 68}));
}

void TextFitTest::tickPeriod_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<double>("base");
    QTest::addColumn<int>("period");
    QTest::newRow("100 characters at the default base") << 100 << 10000.0 << 50;
    QTest::newRow("12.5 halves down to even") << 25 << 10000.0 << 12;
    QTest::newRow("13.5 halves up to even") << 27 << 10000.0 << 14;
    QTest::newRow("divided before multiplied: 3 characters give 1.4999...") << 3 << 10000.0 << 1;
    QTest::newRow("divided before multiplied: 61 characters give 30.5000...1") << 61 << 10000.0 << 31;
    QTest::newRow("base 0 never ticks") << 100 << 0.0 << 0;
    QTest::newRow("exactly one half never ticks") << 1 << 10000.0 << 0;
    QTest::newRow("just above one half ticks every ms") << 1 << 12000.0 << 1;
    QTest::newRow("no characters") << 0 << 10000.0 << 0;
    QTest::newRow("negative base never ticks") << 100 << -10000.0 << 0;
    QTest::newRow("huge base is capped") << 100 << 1e12 << 65535;
    QTest::newRow("base beyond whole numbers is capped") << 100 << 1e300 << 65535;
}

void TextFitTest::tickPeriod() {
    QFETCH(int, length);
    QFETCH(double, base);
    QTEST(textfit::tickPeriod(length, base), "period");
}

void TextFitTest::czechInterfacePassesOverEnglishQuestions() {
    FakeDeck deck{{"What is it?", "How many?", "Kdo to je?", "Co je to?", "Who?"}};
    auto deal = [&] { return deck.deal(); };
    QCOMPARE(dealInLanguage(true, true, deal, isEnglishQuestion).text, QStringLiteral("Kdo to je?"));
    QCOMPARE(deck.dealt, 3); // the passed-over questions are used up
    QCOMPARE(dealInLanguage(true, true, deal, isEnglishQuestion).text, QStringLiteral("Co je to?"));
    QCOMPARE(deck.dealt, 4);
}

void TextFitTest::englishInterfacePassesOverCzechQuestions() {
    FakeDeck deck{{"Kdo to je?", "what is it?", "Howard who?", "Co je to?"}};
    auto deal = [&] { return deck.deal(); };
    QCOMPARE(dealInLanguage(false, true, deal, isEnglishQuestion).text, QStringLiteral("Howard who?"));
    QCOMPARE(deck.dealt, 3);
}

void TextFitTest::deckWithoutTheLanguageDealsTheNextQuestion() {
    FakeDeck deck{{"What is it?", "How many?"}};
    auto deal = [&] { return deck.deal(); };
    QCOMPARE(dealInLanguage(true, false, deal, isEnglishQuestion).text, QStringLiteral("What is it?"));
    QCOMPARE(dealInLanguage(true, false, deal, isEnglishQuestion).text, QStringLiteral("How many?"));
    QCOMPARE(deck.dealt, 2);
}

QTEST_GUILESS_MAIN(TextFitTest)
#include "tst_textfit.moc"
