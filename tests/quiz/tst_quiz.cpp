// The question phase: dealing, option and question text layout, in-game pointer handling, the clock and
// the time-out.
#include "canvas.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "panelshape.h"
#include "questionlayout.h"
#include "questiontext.h"
#include "settingscontrols.h"

#include <QLineEdit>
#include <QTest>

using namespace board;
using fixture::colourOf;
using fixture::LoadedGame;

using fixture::rgb;

namespace {
QPoint centreOf(int col, int row) {
    const RectF r = cellRect(col, row);
    return {int(r.left + 32), int(r.top + 35)};
}

// Whether any pixel of the rectangle differs from the given picture colour (text drawn over it).
bool hasInk(const QImage& s, QRect r, QRgb plain) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (s.pixel(x, y) != plain) return true;
    return false;
}

// Real pointer events run the event loop, where a running clock would tick by itself. Tests that
// do not time the clock give it the longest period (65535 ms), so that only their own ticks count.
void holdTheClock(LoadedGame& g) {
    g.window->settings().timeBaseBox().setText(QStringLiteral("1e12"));
}

void pressCell(LoadedGame& g, int col, int row) {
    const QPoint c = centreOf(col, row);
    g.press(c.x(), c.y());
}

void startQuestion(LoadedGame& g, int col = 3, int row = 3) {
    holdTheClock(g);
    g.window->startGame();
    pressCell(g, col, row);
    g.platform->clear();
}

// A question with the given answer in a slot, the rest of the dealt state kept.
void setAnswer(LoadedGame& g, int slot, const QString& answer) {
    Match& m = g.window->match();
    Question q = m.question();
    q.answers[static_cast<std::size_t>(slot)] = answer;
    m.setUpQuestion(m.chosenCell(), q, m.timeLeft());
}

void setPlayer(LoadedGame& g, int player) {
    g.window->match().setUp(g.window->match().cells(), Player::fromNumber(player));
}

// The question panel open for a player, its options in their normal look, the clock still.
void openPanel(LoadedGame& g, int player) {
    g.window->startGame();
    setPlayer(g, player);
    g.window->match().setUpQuestion(Cell{3, 3}, g.window->match().question());
    g.window->questionPanel().open();
    g.window->match().stopClock();
}

// The panel open for a player with a question of the given text.
void openPanelWith(LoadedGame& g, int player, const QString& text) {
    g.window->startGame();
    setPlayer(g, player);
    Question q = g.window->match().question();
    q.text = text;
    g.window->match().setUpQuestion(Cell{3, 3}, q);
    g.window->questionPanel().open();
    g.window->match().stopClock();
}

// A Czech question just short enough to fit the panel whole, in the smallest size.
QString longestThatFits() {
    return QStringLiteral("Kolik je ") + QStringLiteral("velmi ").repeated(25) + QStringLiteral("otázka?");
}

// The widest run of columns without ink between the first and the last column with ink in the device
// rectangle; -1 without ink.
int widestGap(const QImage& image, const QRect& r, QRgb plain) {
    std::vector<bool> inkAt(static_cast<std::size_t>(r.width()), false);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if (row[x] != plain) inkAt[static_cast<std::size_t>(x - r.left())] = true;
    }
    int first = -1, last = -1, widest = 0, run = 0;
    for (int x = r.left(); x <= r.right(); ++x) {
        const bool ink = inkAt[static_cast<std::size_t>(x - r.left())];
        if (!ink) {
            ++run;
            continue;
        }
        if (first < 0)
            first = x;
        else
            widest = std::max(widest, run);
        last = x;
        run = 0;
    }
    return last < 0 ? -1 : widest;
}

// The board's highlight: the cell is free in the match and the board view lights it.
bool isHighlighted(LoadedGame& g, int col, int row) {
    const Cell h = g.window->boardView().hoveredCell();
    return g.window->match().cells().at(col, row) == cellFree && h.col == col && h.row == row;
}
} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void choosingACellDealsAQuestionOfTheInterfaceLanguage() {
        for (bool czech : {false, true}) {
            LoadedGame g;
            if (czech) g.window->switchLanguage();
            g.window->settings().toggleSound();
            holdTheClock(g);
            g.window->startGame();
            const QPoint c = centreOf(2, 4);
            g.moveTo(c.x(), c.y()); // a real press first moves there and lights the cell
            g.platform->clear();
            g.press(c.x(), c.y());
            QCOMPARE(g.platform->sounds.first(), QStringLiteral("select2.wav"));
            QCOMPARE(g.window->match().screen(), Screen::Question);
            QCOMPARE(isEnglishQuestion(g.window->match().question().text), !czech);
            QCOMPARE(g.window->match().chosenCell().col, 2);
            QCOMPARE(g.window->match().chosenCell().row, 4);
            QCOMPARE(g.window->match().timeLeft(), 360.0f);
            QVERIFY(g.window->match().isClockRunning());
            QCOMPARE(int(g.window->match().cells().at(2, 4)), int(cellFree));
            QCOMPARE(g.window->boardView().hoveredCell().col, 0);
            QCOMPARE(g.window->boardView().hoveredCell().row, 0);
            std::vector<int> pauses(17, 50);
            pauses.insert(pauses.end(), 8, 70);
            QCOMPARE(g.platform->pauses, pauses);
        }
    }

    void aDeckWithoutTheInterfaceLanguageStillDeals() {
        LoadedGame g(QStringLiteral("What is one?\\1\\2\\3\\4\nWhich is two?\\2\\1\\3\\4\n"));
        g.window->switchLanguage(); // Czech, but no Czech question
        startQuestion(g);
        QVERIFY(isEnglishQuestion(g.window->match().question().text));
        QCOMPARE(g.window->match().screen(), Screen::Question);
    }

    void theZoomGrowsByRowAndNeighbours_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("growth");
        QTest::newRow("top cell") << 3 << 0 << 48;
        QTest::newRow("bottom row, middle") << 3 << 6 << 48;
        QTest::newRow("first of row 3") << 1 << 3 << 20;
        QTest::newRow("last of row 2") << 4 << 2 << 20;
        QTest::newRow("inner cell") << 3 << 4 << 64;
    }
    void theZoomGrowsByRowAndNeighbours() {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, growth);
        LoadedGame g;
        g.window->startGame();
        g.platform->clear();
        const RectF r = cellRect(col, row);
        bool lastFrameRight = false;
        g.platform->onRefresh = [&] {
            if (g.platform->refreshes != 17) return;
            const QImage s = g.window->frame(1);
            const int left = int(r.left - growth / 2.0), top = int(r.top - growth / 2.0);
            // The name bar (y 96 to 124) stays in front of a cell that grows into it.
            const int visibleTop = std::max(top, 124);
            lastFrameRight = s.pixel(left, visibleTop) == rgb(5) &&
                             s.pixel(left + 63 + growth, top + 69 + growth) == rgb(5) &&
                             s.pixel(left - 1, top + 30) != rgb(5) &&
                             s.pixel(left + 64 + growth, top + 30) != rgb(5) &&
                             (top >= 124 || s.pixel(left + 30, 110) == rgb(20));
        };
        g.window->dealFor(Cell{col, row});
        QVERIFY(lastFrameRight);
    }

    void thePanelAndOptionsStandOnTheAnsweringPlayersSides() {
        for (int p : {1, 2}) {
            LoadedGame g;
            setPlayer(g, p);
            startQuestion(g);
            QCOMPARE(g.window->match().screen(), Screen::Question);
            QCOMPARE(g.window->match().playerOnTurn().number(), p);
            QCOMPARE(g.pixel(p == 1 ? 30 : 770, 205), rgb(p == 1 ? 23 : 24));
            QCOMPARE(g.pixel(p == 1 ? 699 : 101, 181), rgb(p == 1 ? 30 : 25));
        }
    }

    void optionsAppearOneByOneWithThePanel() {
        LoadedGame g;
        g.window->startGame();
        g.platform->clear();
        QStringList shown; // options visible at each panel frame
        g.platform->onRefresh = [&] {
            if (g.platform->refreshes <= 17 || g.platform->refreshes > 25) return;
            QString s;
            for (int k = 0; k < 4; ++k)
                if (g.window->frame(1).pixel(100 - 32 * k + 1, 180 + 54 * k + 1) == rgb(25))
                    s += QString::number(k + 1);
            shown << s;
        };
        g.window->dealFor(Cell{3, 3});
        QCOMPARE(shown, QStringList({"1", "1", "12", "12", "123", "123", "1234", "1234"}));
    }

    void theTickPeriodFollowsTheQuestionAndTheTimeBase_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("period");
        // 20 characters of question and four answers of 5: 40 characters in all.
        QTest::newRow("default base") << QStringLiteral("10000") << 20;
        QTest::newRow("digits and letters") << QStringLiteral("5000ms") << 10;
        QTest::newRow("half rounds to even") << QStringLiteral("6250") << 12;
        QTest::newRow("no number") << QStringLiteral("fast") << 0;
        QTest::newRow("negative") << QStringLiteral("-10000") << 0;
        QTest::newRow("huge") << QStringLiteral("1e12") << 65535;
    }
    void theTickPeriodFollowsTheQuestionAndTheTimeBase() {
        QFETCH(QString, base);
        QFETCH(int, period);
        LoadedGame g(QStringLiteral("What is 20 character\\aaaaa\\bbbbb\\ccccc\\ddddd\n"));
        g.window->settings().timeBaseBox().setText(base);
        g.window->startGame();
        pressCell(g, 3, 3);
        g.platform->clear();
        QCOMPARE(g.window->match().clockPeriod(), period);
        QVERIFY(g.window->match().isClockRunning());
        QCOMPARE(g.window->match().clockTimer().isActive(), period > 0);
    }

    void optionStates_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QColor>("text");
        QTest::newRow("side 1, slot 2, hover")
            << 1 << 2 << int(OptionState::Hovered) << 532 << 234 << 26 << QColor(255, 255, 255);
        QTest::newRow("side 2, slot 4, normal")
            << 2 << 4 << int(OptionState::Normal) << 4 << 342 << 25 << QColor(255, 255, 63);
        QTest::newRow("side 1, slot 1, wrong")
            << 1 << 1 << int(OptionState::Wrong) << 500 << 180 << 27 << QColor(255, 191, 191);
        QTest::newRow("side 2, slot 3, right")
            << 2 << 3 << int(OptionState::Right) << 36 << 288 << 28 << QColor(255, 255, 0);
    }
    void optionStates() {
        QFETCH(int, side);
        QFETCH(int, slot);
        QFETCH(int, state);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, picture);
        QFETCH(QColor, text);
        LoadedGame g;
        openPanel(g, side);
        setAnswer(g, slot, QStringLiteral("Answer"));
        g.window->questionPanel().setOptionState(slot, static_cast<OptionState>(state));
        const QImage shown = g.window->frame(1);
        QCOMPARE(shown.pixel(x, y), rgb(picture));
        QCOMPARE(shown.pixel(x + 199, y + 46), rgb(picture));
        QVERIFY(shown.pixel(x - 1, y) != rgb(picture));
        QVERIFY(shown.pixel(x, y + 47) != rgb(picture));
        // Text is centred in the look's colour: ink in the middle, none near the ends.
        QVERIFY(hasInk(shown, QRect(x + 70, y + 10, 60, 27), rgb(picture)));
        QVERIFY(!hasInk(shown, QRect(x + 2, y + 2, 30, 43), rgb(picture)));
        bool textColour = false;
        for (int py = y + 10; py < y + 37 && !textColour; ++py)
            for (int px = x + 60; px < x + 140 && !textColour; ++px)
                textColour = shown.pixel(px, py) == text.rgb();
        QVERIFY(textColour);
    }

    void sideOneDrawsTheNormalLookFromItsOwnCopy() {
        for (int side : {1, 2}) {
            LoadedGame g;
            g.window->pictures().picture(OptionNormalCopy).fill(Qt::darkCyan);
            openPanel(g, side);
            if (side == 1)
                QCOMPARE(g.pixel(501, 181), QColor(Qt::darkCyan).rgb());
            else
                QCOMPARE(g.pixel(101, 181), rgb(25));
        }
    }

    void slotZeroChangesNothing() {
        LoadedGame g;
        openPanel(g, 1);
        const QImage before = g.window->frame(1);
        for (int state = 0; state <= 4; ++state)
            QVERIFY(g.window->questionPanel().setOptionState(0, static_cast<OptionState>(state)).isEmpty());
        QCOMPARE(g.window->frame(1), before);
    }

    // A cleared option shows the background and the board beneath it, to the last pixel.
    void aClearedOptionShowsWhatLiesBeneathExactly() {
        LoadedGame g;
        QImage grid(800, 600, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                grid.setPixel(x, y, qRgb(x % 256, y % 256, 77));
        g.window->pictures().picture(Background) = grid;
        openPanel(g, 1);
        setAnswer(g, 3, QStringLiteral("text"));
        g.window->questionPanel().close();
        const QImage beneath = g.window->frame(1);
        openPanel(g, 1);
        g.window->questionPanel().setOptionState(3, OptionState::Cleared);
        const QImage cleared = g.window->frame(1);
        QVERIFY(cleared.copy(564, 288, 200, 47) != g.window->frame(1).copy(500, 180, 200, 47));
        QCOMPARE(cleared.copy(563, 287, 202, 49), beneath.copy(563, 287, 202, 49));
    }

    // A name too long for an answer box shrinks the answer and ends it in "…": its ink stays inside the
    // box, on one line and on two.
    void aLongNameInAnAnswerStaysInsideItsBox_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("one line") << QStringLiteral("%1% wins");
        QTest::newRow("two lines") << QStringLiteral("the winner is|%1%");
    }
    void aLongNameInAnAnswerStaysInsideItsBox() {
        QFETCH(QString, answer);
        LoadedGame g;
        g.window->settings().name1Box().setText(QStringLiteral("Maximilián Hrabě z Lichtenštejna ").repeated(3));
        openPanel(g, 2);
        const QRect box(100, 180, 200, 47);
        setAnswer(g, 1, QString());
        const QImage empty = g.window->frame(1);
        setAnswer(g, 1, answer);
        const QImage shown = g.window->frame(1);
        const QRgb plain = rgb(25);
        QVERIFY(hasInk(shown.copy(box), QRect(0, 0, 200, 47), plain));
        for (int y = box.top() - 10; y < box.bottom() + 10; ++y)
            for (int x = 0; x < 800; ++x)
                if (!box.contains(x, y) && shown.pixel(x, y) != empty.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("ink outside the box at %1, %2").arg(x).arg(y)));
        // The ends of the box stay clear: the text was fitted, not cut at the edge.
        QVERIFY(!hasInk(shown.copy(box), QRect(0, 0, 3, 47), plain));
        QVERIFY(!hasInk(shown.copy(box), QRect(197, 0, 3, 47), plain));
    }

    void namePlaceholdersAndTheLineBreakMark() {
        LoadedGame g;
        g.window->settings().name1Box().setText(QStringLiteral("Eva"));
        g.window->settings().name2Box().setText(QStringLiteral("Jan"));
        openPanel(g, 2);
        auto draw = [&](const QString& answer) {
            setAnswer(g, 1, answer);
            return g.window->frame(1).copy(100, 180, 200, 47);
        };
        QCOMPARE(draw(QStringLiteral("%1% and %2%")), draw(QStringLiteral("Eva and Jan")));
        QCOMPARE(draw(QStringLiteral("%1% knows|best|ignored")), draw(QStringLiteral("Eva knows|best")));
        // Two lines sit just above and just below the centre line.
        const QImage two = draw(QStringLiteral("upper|lower"));
        const QRgb plain = rgb(25);
        QVERIFY(hasInk(two, QRect(0, 5, 200, 17), plain));
        QVERIFY(hasInk(two, QRect(0, 25, 200, 17), plain));
        QVERIFY(!hasInk(two, QRect(0, 0, 200, 3), plain));
    }

    void theQuestionIsSetWholeWithNormalSpacesInsideThePanel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("side");
        QTest::addColumn<double>("scale");
        const QString shortText = QStringLiteral("What is tinnitus?");
        const QString longText =
            QStringLiteral("Which Central Asian lake has largely dried up since the 1960s "
                           "because its rivers were used to irrigate fields?");
        const QString czech =
            QStringLiteral(u"Který slovenský lékař a\u00a0politik patřil k\u00a0pětici mužů, "
                           u"kteří v\u00a0Praze vyhlásili samostatný československý stát?");
        for (double scale : {1.0, 2.0})
            for (int side : {1, 2}) {
                const QString where = QStringLiteral(" (side %1, %2x)").arg(side).arg(scale);
                QTest::newRow(qPrintable(QStringLiteral("a short question") + where))
                    << shortText << side << scale;
                QTest::newRow(qPrintable(QStringLiteral("a long question") + where))
                    << longText << side << scale;
                QTest::newRow(qPrintable(QStringLiteral("the longest that fits") + where))
                    << longestThatFits() << side << scale;
                QTest::newRow(qPrintable(QStringLiteral("Czech with no-break spaces") + where))
                    << czech << side << scale;
            }
    }
    void theQuestionIsSetWholeWithNormalSpacesInsideThePanel() {
        QFETCH(QString, text);
        QFETCH(int, side);
        QFETCH(double, scale);
        LoadedGame g;
        openPanelWith(g, side, text);
        const textfit::SetText set = g.window->questionPanel().questionText();
        // Every word shown, in order, one space apart; a no-break space never breaks a line.
        QStringList shown;
        for (const textfit::SetLine& line : set.lines)
            shown << line.text;
        QCOMPARE(shown.join(u' '), text.split(u' ', Qt::SkipEmptyParts).join(u' '));
        QVERIFY(set.fits);

        const QImage frame = g.window->frame(scale);
        const QRgb plain = rgb(side == 1 ? LeftPanel : RightPanel);
        const textfit::TextArea area = questionlayout::textArea(Player::fromNumber(side));
        const textfit::FontMeasure font = questiontext::boldAt(set.points);
        const QRectF panel(questionlayout::panelX(Player::fromNumber(side)), questionlayout::kPanelY,
                           panelshape::kWidth, panelshape::kHeight);
        // Ink only inside the text area, beside each line's own band of it: nothing reaches the rim.
        std::vector<QRectF> bands;
        for (const textfit::SetLine& line : set.lines) {
            const textfit::LineSpan span = area.spanOf(line.top, line.top + font.lineHeight);
            bands.push_back(
                QRectF(span.left, line.top, span.right - span.left, font.lineHeight).adjusted(-1, -1, 1, 1));
        }
        int inkOutside = 0;
        for (int y = int(panel.top() * scale); y < int(panel.bottom() * scale); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = int(panel.left() * scale); x < int(panel.right() * scale); ++x) {
                if (row[x] == plain) continue;
                const QPointF p(x / scale, y / scale);
                if (std::none_of(bands.begin(), bands.end(), [&](const QRectF& b) { return b.contains(p); }))
                    ++inkOutside;
            }
        }
        QCOMPARE(inkOutside, 0);
        // Each line's gaps are no wider than those of its words as ordinary text, painted alone.
        QImage under(panel.size().toSize() * scale, QImage::Format_ARGB32_Premultiplied);
        under.setDevicePixelRatio(scale);
        for (const textfit::SetLine& line : set.lines) {
            under.fill(Qt::white);
            const QImage alone = fixture::painted(
                g.window->pictures(), scale,
                [&](Canvas& c) {
                    c.setTextSize(set.points);
                    c.setTextBold(true);
                    c.setTextColour(QColor(0, 0, 50));
                    c.setTextPosition(line.left - panel.left(), line.top - panel.top());
                    c.print(line.text);
                },
                under);
            const QRect band(0, int((line.top - panel.top()) * scale), int(panel.width() * scale),
                             int(font.lineHeight * scale));
            const int gap = widestGap(frame, band.translated((panel.topLeft() * scale).toPoint()), plain);
            const int normal = widestGap(alone, band, qRgb(255, 255, 255));
            QVERIFY2(gap >= 0, qPrintable(line.text)); // the line was painted
            QVERIFY2(gap <= normal + 1,
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(line.text).arg(gap).arg(normal)));
        }
    }

    void aShortQuestionIsSetLargerThanALongOne() {
        LoadedGame g;
        const auto pointsOf = [&](const QString& text) {
            openPanelWith(g, 1, text);
            return g.window->questionPanel().questionText().points;
        };
        const double shortest = pointsOf(QStringLiteral("What is tinnitus?"));
        const double longer = pointsOf(QStringLiteral(
            "Which composer wrote the Symphony No. 9 \"From the New World\" while he lived in America?"));
        const double longest = pointsOf(longestThatFits());
        QCOMPARE(shortest, questionlayout::kQuestionPoints.front());
        QVERIFY(longer < shortest);
        QVERIFY(longest < longer);
        QCOMPARE(longest, questionlayout::kQuestionPoints.back());
    }

    // Text too long for every size is set smaller still, then cut with an ellipsis: never past the panel.
    void textTooLongForThePanelIsCutNotClipped() {
        LoadedGame g;
        openPanelWith(g, 2, QStringLiteral("What is ") + QStringLiteral("very ").repeated(200) + u'?');
        const textfit::SetText set = g.window->questionPanel().questionText();
        QVERIFY(!set.fits);
        QVERIFY(set.endLeftOut);
        QCOMPARE(set.points, questionlayout::kSqueezedPoints.back());
        QVERIFY(set.lines.back().text.endsWith(QChar(0x2026)));
        const textfit::FontMeasure font = questiontext::boldAt(set.points);
        QVERIFY(set.lines.back().top + font.lineHeight <= questionlayout::textArea(Player::owl()).bottom);
    }

    void answerBoxes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("slot");
        QTest::newRow("player 1, 700/227 on slot 1") << 1 << 700 << 227 << 1;
        QTest::newRow("player 1, 500/180 on slot 1") << 1 << 500 << 180 << 1;
        QTest::newRow("player 1, y 228 in the gap") << 1 << 700 << 228 << 0;
        QTest::newRow("player 1, y 233 in the gap") << 1 << 600 << 233 << 0;
        QTest::newRow("player 1, x 701 beside slot 1") << 1 << 701 << 200 << 0;
        QTest::newRow("player 1, x 499 beside slot 1") << 1 << 499 << 200 << 0;
        QTest::newRow("player 1, slot 4 right edge") << 1 << 796 << 389 << 4;
        QTest::newRow("player 1, below slot 4") << 1 << 700 << 390 << 0;
        QTest::newRow("player 2, slot 1 corners") << 2 << 100 << 180 << 1;
        QTest::newRow("player 2, x 301 beside slot 1") << 2 << 301 << 200 << 0;
        QTest::newRow("player 2, slot 2") << 2 << 68 << 234 << 2;
        QTest::newRow("player 2, slot 4 left edge") << 2 << 4 << 389 << 4;
        QTest::newRow("player 2, x 3 beside slot 4") << 2 << 3 << 389 << 0;
        QTest::newRow("above the options") << 2 << 150 << 179 << 0;
    }
    void answerBoxes() {
        QFETCH(int, mode);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, slot);
        LoadedGame g;
        setPlayer(g, mode);
        startQuestion(g);
        g.moveTo(x, y);
        QCOMPARE(g.window->questionPanel().hoveredSlot(), slot);
        QCOMPARE(g.platform->refreshes, slot ? 1 : 0);
    }

    // Without a refresh the highlight would stay until the clock's next tick, and with a time base
    // of 0 there is none.
    void movingIntoAGapDrawsTheOptionPlainAndShowsIt() {
        LoadedGame g;
        setPlayer(g, 1);
        startQuestion(g);
        g.moveTo(600, 200);
        QCOMPARE(g.pixel(501, 181), rgb(26));
        g.platform->clear();
        g.moveTo(600, 230);
        QCOMPARE(g.pixel(501, 181), rgb(30));
        QCOMPARE(g.platform->refreshes, 1);
        QCOMPARE(g.window->questionPanel().hoveredSlot(), 0);
        g.moveTo(600, 232); // still in the gap: nothing more to show
        QCOMPARE(g.platform->refreshes, 1);
    }

    void clickingAnAnswerStopsTheClockAndJudgesIt() {
        for (bool right : {true, false}) {
            LoadedGame g;
            g.window->settings().toggleSound();
            setPlayer(g, 2);
            startQuestion(g, 4, 4);
            const int correct = g.window->match().question().rightSlot;
            const int slot = right ? correct : correct % 4 + 1;
            const int px = 150 - 32 * (slot - 1), py = 200 + 54 * (slot - 1);
            g.moveTo(px, py); // a real press first moves there and lights the option
            g.platform->clear();
            QRgb drawn = 0;
            g.platform->onRefresh = [&] {
                if (g.platform->refreshes == 1)
                    drawn = g.window->frame(1).pixel(100 - 32 * (slot - 1) + 1, 180 + 54 * (slot - 1) + 1);
            };
            g.press(px, py);
            QCOMPARE(drawn, rgb(right ? 28 : 27));
            QVERIFY(!g.window->match().isClockRunning());
            QCOMPARE(g.platform->sounds.first(),
                     right ? QStringLiteral("good.wav") : QStringLiteral("bad.wav"));
            QCOMPARE(int(g.window->match().cells().at(4, 4)), int(right ? cellPlayer2 : cellPlayer1));
            QCOMPARE(g.window->match().playerOnTurn().number(), right ? 1 : 2);
            QCOMPARE(g.window->match().screen(), Screen::Board);
        }
    }

    void boardPointerRows_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("onTopCell");
        QTest::newRow("y 135 is row -1") << 135 << false;
        QTest::newRow("y 136 is row 0") << 136 << true;
        QTest::newRow("y 190 is row 0") << 190 << true;
        QTest::newRow("y 128 over the picture, no cell") << 128 << false;
    }
    void boardPointerRows() {
        QFETCH(int, y);
        QFETCH(bool, onTopCell);
        LoadedGame g;
        g.window->startGame();
        g.platform->clear();
        g.moveTo(400, y);
        QCOMPARE(int(g.window->match().cells().at(3, 0)), int(cellFree));
        QCOMPARE(isHighlighted(g, 3, 0), onTopCell);
        QCOMPARE(g.platform->refreshes, onTopCell ? 1 : 0);
    }

    void movingToANeighbourRestoresTheFirstAndHighlightsTheSecond() {
        LoadedGame g;
        g.window->startGame();
        const QPoint a = centreOf(3, 3), b = centreOf(4, 3);
        g.moveTo(a.x(), a.y());
        g.platform->clear();
        g.moveTo(b.x(), b.y());
        QVERIFY(!isHighlighted(g, 3, 3));
        QCOMPARE(int(g.window->match().cells().at(3, 3)), int(cellFree));
        QVERIFY(isHighlighted(g, 4, 3));
        QCOMPARE(g.pixel(a.x(), a.y()), rgb(1));
        QCOMPARE(g.pixel(b.x(), b.y()), rgb(4));
        QCOMPARE(g.platform->refreshes, 1);
        g.moveTo(b.x() + 3, b.y() + 3);
        QCOMPARE(g.platform->refreshes, 1);
    }

    void ownedCellsAndTheOutsideHighlightNothing() {
        LoadedGame g;
        g.window->startGame();
        board::Grid cells = g.window->match().cells();
        cells.set(2, 3, cellPlayer1);
        g.window->match().setUp(cells, g.window->match().playerOnTurn());
        const QPoint a = centreOf(3, 3), owned = centreOf(2, 3);
        g.moveTo(a.x(), a.y());
        QVERIFY(isHighlighted(g, 3, 3));
        g.moveTo(owned.x(), owned.y());
        QVERIFY(!isHighlighted(g, 3, 3));
        QCOMPARE(int(g.window->match().cells().at(3, 3)), int(cellFree));
        QCOMPARE(g.window->boardView().hoveredCell().col, 0);
        QCOMPARE(g.window->boardView().hoveredCell().row, 0);
        g.platform->clear();
        // Positions this far off reach the window only under a pointer grab: given directly.
        g.window->handlePointer(Pointer{0, 0, 30000, -30000});
        g.window->handlePointer(Pointer{1, 1, -30000, 30000});
        QCOMPARE(g.platform->refreshes, 0);
        QCOMPARE(g.window->match().screen(), Screen::Board);
    }

    void aPressOnTheHighlightedCellChoosesIt() {
        LoadedGame g;
        holdTheClock(g);
        g.window->startGame();
        const QPoint c = centreOf(3, 2);
        g.moveTo(c.x(), c.y());
        QVERIFY(isHighlighted(g, 3, 2));
        g.press(c.x(), c.y());
        QCOMPARE(g.window->match().screen(), Screen::Question);
        QCOMPARE(g.window->match().chosenCell().col, 3);
        QCOMPARE(g.window->match().chosenCell().row, 2);
        QCOMPARE(g.window->boardView().hoveredCell().col, 0);
        QCOMPARE(int(g.window->match().cells().at(3, 2)), int(cellFree));
    }

    void aPressAfterDraggingOntoACellDoesNothingUntilTheButtonIsReleased() {
        LoadedGame g;
        holdTheClock(g);
        g.window->startGame();
        const QPoint a = centreOf(3, 3), b = centreOf(4, 3);
        // Dragging with the left button held, then a press of the held button: only a drag makes these.
        g.window->handlePointer(Pointer{1, 0, a.x(), a.y()});
        g.window->handlePointer(Pointer{1, 0, b.x(), b.y()});
        g.window->handlePointer(Pointer{1, 1, b.x(), b.y()});
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QVERIFY(isHighlighted(g, 4, 3));
        g.moveTo(b.x(), b.y()); // released
        g.press(b.x(), b.y());
        QCOMPARE(g.window->match().screen(), Screen::Question);
        QCOMPARE(g.window->match().chosenCell().col, 4);
        QCOMPARE(g.window->match().chosenCell().row, 3);
    }

    void aRightPressOnAFreeCellOnlyHighlightsIt() {
        LoadedGame g;
        g.window->startGame();
        const QPoint c = centreOf(3, 3);
        // A right press with no move before it (a real press would first light the cell by moving there).
        g.window->handlePointer(Pointer{2, 1, c.x(), c.y()});
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QVERIFY(isHighlighted(g, 3, 3));
    }

    void theClockHandTurnsAboutTheAnsweringSide_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("onHand");
        QTest::addColumn<QPoint>("offHand");
        // The hand is 66 px long from its pivot: test points 40 px out.
        QTest::newRow("player 1, tick 1 points up") << 1 << 1 << QPoint(79, 69) << QPoint(119, 109);
        QTest::newRow("player 1, tick 91 points right") << 1 << 91 << QPoint(119, 109) << QPoint(79, 69);
        QTest::newRow("player 1, tick 181 points down") << 1 << 181 << QPoint(79, 149) << QPoint(119, 109);
        QTest::newRow("player 2, tick 91 points right") << 2 << 91 << QPoint(761, 109) << QPoint(721, 69);
        QTest::newRow("player 2, tick 271 points left") << 2 << 271 << QPoint(681, 109) << QPoint(721, 149);
    }
    void theClockHandTurnsAboutTheAnsweringSide() {
        QFETCH(int, player);
        QFETCH(int, ticks);
        QFETCH(QPoint, onHand);
        QFETCH(QPoint, offHand);
        LoadedGame g(fixture::ProgramFolder::defaultQuestions(), {listedPicture(OnTurnFrame).fileName()});
        setPlayer(g, player);
        startQuestion(g);
        for (int i = 0; i < ticks; ++i)
            g.window->questionPanel().clockTick();
        QCOMPARE(g.pixel(onHand.x(), onHand.y()), rgb(11));
        QVERIFY(g.pixel(offHand.x(), offHand.y()) != rgb(11));
        QCOMPARE(g.window->match().timeLeft(), 360.0f - float(ticks));
    }

    void aTimeOutShowsTimesUpWhileTheRightAnswerShows_data() {
        QTest::addColumn<bool>("czech");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("note");
        QTest::newRow("English, the left panel") << false << 1 << QStringLiteral("Time's up!");
        QTest::newRow("English, the right panel") << false << 2 << QStringLiteral("Time's up!");
        QTest::newRow("Czech, the left panel") << true << 1 << QStringLiteral(u"Čas vypršel!");
        QTest::newRow("Czech, the right panel") << true << 2 << QStringLiteral(u"Čas vypršel!");
    }
    void aTimeOutShowsTimesUpWhileTheRightAnswerShows() {
        QFETCH(bool, czech);
        QFETCH(int, side);
        QFETCH(QString, note);
        LoadedGame g;
        if (czech) g.window->switchLanguage();
        setPlayer(g, side);
        startQuestion(g, 3, 6); // the bottom cell: its capture stays clear of the panel
        Match& m = g.window->match();
        for (int tick = 0; tick < 360; ++tick)
            emit m.clockTicked();
        QVERIFY(!g.window->questionPanel().isTimeUpShown());
        const QImage before = g.window->frame(1);

        g.platform->holdPauses = true;
        g.platform->clear();
        emit m.clockTicked(); // the time-out
        QCOMPARE(m.screen(), Screen::Board);
        const int rightSlot = m.question().rightSlot;
        QCOMPARE(g.window->questionPanel().optionState(rightSlot), OptionState::Right);
        QVERIFY(g.window->questionPanel().isTimeUpShown());
        const QRectF panel(questionlayout::panelX(Player::fromNumber(side)), questionlayout::kPanelY,
                           panelshape::kWidth, panelshape::kHeight);
        QVERIFY(QRectF(g.platform->refreshedArea).contains(panel));
        // The question stays where it was; the note is the line below it, in the question's size.
        const textfit::SetText question = g.window->questionPanel().questionText();
        const textfit::SetLine line = questiontext::noteLine(question, Player::fromNumber(side));
        const QImage expected = fixture::painted(
            g.window->pictures(), 1,
            [&](Canvas& c) {
                c.setTextSize(question.points);
                c.setTextBold(true);
                c.setTextColour(QColor(170, 20, 30));
                c.setTextPosition(line.left, line.top);
                c.print(note);
            },
            before);
        const QRect area = panel.toAlignedRect();
        QVERIFY(g.window->frame(1).copy(area) != before.copy(area));
        QCOMPARE(g.window->frame(1).copy(area), expected.copy(area));

        // The note goes when the capture takes the right answer away, and not before.
        while (g.window->questionPanel().optionState(rightSlot) == OptionState::Right) {
            QVERIFY(g.window->questionPanel().isTimeUpShown());
            QVERIFY(g.platform->runPause());
        }
        QVERIFY(!g.window->questionPanel().isTimeUpShown());
        g.platform->runAllPauses();
        QVERIFY(!g.window->questionPanel().isOpen());
        QVERIFY(g.window->frame(1).pixel(int(panel.center().x()), int(panel.center().y())) !=
                rgb(side == 1 ? LeftPanel : RightPanel));
    }

    void anAnswerBeforeTheTimeOutShowsNoTimesUp() {
        for (bool right : {true, false}) {
            LoadedGame g;
            setPlayer(g, 2);
            startQuestion(g, 3, 6);
            g.platform->holdPauses = true;
            const int correct = g.window->match().question().rightSlot;
            g.window->questionPanel().handleKey(Qt::Key_1 + (right ? correct : correct % 4 + 1) - 1);
            QCOMPARE(g.window->questionPanel().optionState(correct), OptionState::Right);
            QVERIFY(!g.window->questionPanel().isTimeUpShown());
            g.platform->runAllPauses();
        }
    }

    void aFullTurnSoundsTimeTwentyFourTimesAndTimesOut() {
        LoadedGame g;
        g.window->settings().toggleSound();
        setPlayer(g, 1);
        startQuestion(g, 2, 1);
        g.moveTo(600, 200); // option 1 highlighted
        QCOMPARE(g.pixel(501, 181), rgb(26));
        for (int i = 0; i < 360; ++i)
            g.window->questionPanel().clockTick();
        QCOMPARE(g.platform->sounds.count(QStringLiteral("time.wav")), 24);
        QCOMPARE(g.window->match().screen(), Screen::Question);
        QCOMPARE(g.window->match().playerOnTurn().number(), 1);
        QVERIFY(g.window->match().isClockRunning());
        QRgb optionAtTimeOut = 0;
        g.platform->onRefresh = [&] {
            if (!optionAtTimeOut) optionAtTimeOut = g.window->frame(1).pixel(501, 181);
        };
        g.platform->sounds.clear();
        g.window->questionPanel().clockTick(); // tick 361
        QCOMPARE(optionAtTimeOut, rgb(30));
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("bad.wav")});
        QCOMPARE(int(g.window->match().cells().at(2, 1)), int(cellPlayer2));
        QCOMPARE(g.window->match().playerOnTurn().number(), 1);
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QVERIFY(!g.window->match().isClockRunning());
        QCOMPARE(g.window->match().timeLeft(), -1.0f);
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
