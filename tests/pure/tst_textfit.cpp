// Setting the question text, the clock period and dealing in the interface language.
#include "deck.h"
#include "textfit.h"

#include <QtTest>

namespace {

// Every character 10 px wide at 10 pt, so "one two" measures 70; lines 10 px high, 12 apart.
textfit::FontMeasure font(double points = 10) {
    return {points, 10, 12, [points](const QString& s) { return points * static_cast<double>(s.size()); }};
}

// Lines from x = 100, width wide; with a slant, each 12 px further down starts 12 px further right.
textfit::TextArea area(double width, double height = 1000, bool slanted = false) {
    return {0, height, [width, slanted](double top, double) {
                const double left = slanted ? 100 + top : 100;
                return textfit::LineSpan{left, left + width};
            }};
}

QStringList textsOf(const textfit::SetText& t) {
    QStringList out;
    for (const auto& l : t.lines)
        out << l.text;
    return out;
}

QList<QPointF> placesOf(const textfit::SetText& t) {
    QList<QPointF> out;
    for (const auto& l : t.lines)
        out << QPointF(l.left, l.top);
    return out;
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
    void setText_data();
    void setText();
    void spareLinesStayFreeBelowTheText();
    void theLineAfterTheTextStartsAtItsLeftEdge();
    void fitTakesTheLargestSizeAtWhichAllFits_data();
    void fitTakesTheLargestSizeAtWhichAllFits();
    void tickPeriod_data();
    void tickPeriod();
    void czechInterfacePassesOverEnglishQuestions();
    void englishInterfacePassesOverCzechQuestions();
    void deckWithoutTheLanguageDealsTheNextQuestion();
};

void TextFitTest::setText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("slanted");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<QPointF>>("places");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<bool>("endLeftOut");

    QTest::newRow("all words on one line, one space apart")
        << "one two three" << 1000.0 << 1000.0 << false << QStringList{"one two three"}
        << QList<QPointF>{{100, 0}} << true << false;
    QTest::newRow("a line breaks before the word that would pass its end")
        << "one two three four" << 90.0 << 1000.0 << false << QStringList{"one two", "three", "four"}
        << QList<QPointF>{{100, 0}, {100, 12}, {100, 24}} << true << false;
    QTest::newRow("a line as long as the width fits")
        << "one two" << 70.0 << 1000.0 << false << QStringList{"one two"} << QList<QPointF>{{100, 0}} << true
        << false;
    QTest::newRow("runs of spaces set as one, none at the ends")
        << "  one   two  " << 1000.0 << 1000.0 << false << QStringList{"one two"} << QList<QPointF>{{100, 0}}
        << true << false;
    // "one two v" would fit 90 px, but the one-letter word is bound to the next by a no-break space.
    QTest::newRow("a no-break space keeps a one-letter word with the next")
        << QStringLiteral(u"one two v\u00a0Praze") << 90.0 << 1000.0 << false
        << QStringList{"one two", QStringLiteral(u"v\u00a0Praze")} << QList<QPointF>{{100, 0}, {100, 12}}
        << true << false;
    QTest::newRow("each line starts at the edge of its own band")
        << "one two three" << 50.0 << 1000.0 << true << QStringList{"one", "two", "three"}
        << QList<QPointF>{{100, 0}, {112, 12}, {124, 24}} << true << false;
    QTest::newRow("a word wider than a line is split")
        << "abcdefgh ij" << 50.0 << 1000.0 << false << QStringList{"abcde", "fgh", "ij"}
        << QList<QPointF>{{100, 0}, {100, 12}, {100, 24}} << false << false;
    QTest::newRow("the last line that fits ends in an ellipsis")
        << "one two three four five" << 80.0 << 22.0 << false
        << QStringList{"one two", QStringLiteral(u"three\u2026")} << QList<QPointF>{{100, 0}, {100, 12}}
        << false << true;
    QTest::newRow("an ellipsis takes the place of letters when the line is full")
        << "one two three" << 70.0 << 10.0 << false << QStringList{QStringLiteral(u"one tw\u2026")}
        << QList<QPointF>{{100, 0}} << false << true;
    QTest::newRow("empty text sets nothing and fits")
        << "" << 100.0 << 1000.0 << false << QStringList{} << QList<QPointF>{} << true << false;
    QTest::newRow("spaces only set nothing and fit")
        << "   " << 100.0 << 1000.0 << false << QStringList{} << QList<QPointF>{} << true << false;
}

void TextFitTest::setText() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, slanted);
    const textfit::SetText set = textfit::setText(text, area(width, height, slanted), font());
    QTEST(textsOf(set), "lines");
    QTEST(placesOf(set), "places");
    QTEST(set.fits, "fits");
    QTEST(set.endLeftOut, "endLeftOut");
    QCOMPARE(set.points, 10.0);
}

// Two lines take 22 px; one spare line below needs 12 more.
void TextFitTest::spareLinesStayFreeBelowTheText() {
    const QString text = QStringLiteral("one two three");
    QVERIFY(textfit::setText(text, area(70, 22), font(), 0).fits);
    QVERIFY(!textfit::setText(text, area(70, 33), font(), 1).fits);
    const textfit::SetText roomy = textfit::setText(text, area(70, 34), font(), 1);
    QVERIFY(roomy.fits);
    QCOMPARE(textsOf(roomy), (QStringList{"one two", "three"}));
}

void TextFitTest::theLineAfterTheTextStartsAtItsLeftEdge() {
    const textfit::TextArea slanted = area(50, 1000, true);
    const textfit::SetText two = textfit::setText(QStringLiteral("one two"), slanted, font());
    const textfit::SetLine after = textfit::lineAfter(two, slanted, font());
    QCOMPARE(after.top, 24.0);
    QCOMPARE(after.left, 124.0);
    const textfit::SetLine first = textfit::lineAfter(textfit::SetText{}, slanted, font());
    QCOMPARE(first.top, 0.0);
    QCOMPARE(first.left, 100.0);
}

void TextFitTest::fitTakesTheLargestSizeAtWhichAllFits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("fits");
    // 100 px wide and 34 px high: three lines at any size. At 15 px a character, "ab" and "cd" lines.
    QTest::newRow("a short text at the largest size") << "ab" << 15.0 << true;
    QTest::newRow("a longer text at a size further down") << "abc def ghi jkl" << 12.0 << true;
    QTest::newRow("the longest that fits at the smallest size")
        << "abcd efgh ijkl mnop qrst uvwxy" << 10.0 << true;
    QTest::newRow("too long for every size: set at the smallest, the end left out")
        << "abcd efgh ijkl mnop qrst uvwxyz" << 10.0 << false;
}

void TextFitTest::fitTakesTheLargestSizeAtWhichAllFits() {
    QFETCH(QString, text);
    const textfit::SetText set = textfit::fitText(text, area(100, 34), {font(15), font(12), font(10)});
    QTEST(set.points, "points");
    QTEST(set.fits, "fits");
    QCOMPARE(set.endLeftOut, !set.fits);
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
