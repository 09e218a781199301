// The question phase: dealing, option and text layout, in-game pointer handling and the clock.
#include "clicklabel.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "frmMain.h"
#include "modes.h"

#include <QLineEdit>
#include <QTest>

using namespace board;
using fixture::colourOf;
using fixture::LoadedGame;

namespace {
QRgb rgb(int index) {
    return colourOf(index).rgb();
}

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

void startQuestion(LoadedGame& g, int col = 3, int row = 3) {
    g.window->gameStart();
    const QPoint c = centreOf(col, row);
    g.window->Form_MouseDown(1, 0, c.x(), c.y());
    g.platform->clear();
}
} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void choosingACellDealsAQuestionOfTheInterfaceLanguage() {
        for (bool czech : {false, true}) {
            LoadedGame g;
            if (czech) g.window->switchLng();
            g.window->Label1_Click();
            g.window->gameStart();
            g.platform->clear();
            const QPoint c = centreOf(2, 4);
            g.window->Form_MouseDown(1, 0, c.x(), c.y());
            QCOMPARE(g.platform->sounds.first(), QStringLiteral("select2.wav"));
            QCOMPARE(g.window->mode, g.window->player);
            QCOMPARE(isEnglishQuestion(g.window->question.text), !czech);
            QCOMPARE(g.window->chosenCol, 2);
            QCOMPARE(g.window->chosenRow, 4);
            QCOMPARE(g.window->timeLeft, 360.0f);
            QVERIFY(g.window->isClockEnabled());
            QCOMPARE(g.window->board.at(2, 4), cellFree);
            std::vector<int> pauses(17, 50);
            pauses.insert(pauses.end(), 8, 70);
            QCOMPARE(g.platform->sleeps, pauses);
        }
    }

    void aDeckWithoutTheInterfaceLanguageStillDeals() {
        LoadedGame g(QStringLiteral("What is one?\\1\\2\\3\\4\nWhich is two?\\2\\1\\3\\4\n"));
        g.window->switchLng(); // Czech, but no Czech question
        startQuestion(g);
        QVERIFY(isEnglishQuestion(g.window->question.text));
        QCOMPARE(g.window->mode, g.window->player);
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
        g.window->gameStart();
        g.platform->clear();
        const RectF r = cellRect(col, row);
        bool lastFrameRight = false;
        g.platform->onRefresh = [&] {
            if (g.platform->refreshes != 17) return;
            const QImage& s = g.window->surface();
            const int left = int(r.left - growth / 2.0), top = int(r.top - growth / 2.0);
            lastFrameRight =
                s.pixel(left, top) == rgb(5) && s.pixel(left + 63 + growth, top + 69 + growth) == rgb(5) &&
                s.pixel(left - 1, top + 30) != rgb(5) && s.pixel(left + 64 + growth, top + 30) != rgb(5);
        };
        g.window->Click(col, row);
        QVERIFY(lastFrameRight);
    }

    void thePanelAndOptionsStandOnTheAnsweringPlayersSides() {
        for (int p : {1, 2}) {
            LoadedGame g;
            g.window->player = p;
            startQuestion(g);
            QCOMPARE(g.window->mode, p);
            QCOMPARE(g.pixel(p == 1 ? 30 : 770, 205), rgb(p == 1 ? 23 : 24));
            QCOMPARE(g.pixel(p == 1 ? 699 : 101, 181), rgb(p == 1 ? 30 : 25));
        }
    }

    void optionsAppearOneByOneWithThePanel() {
        LoadedGame g;
        g.window->gameStart();
        g.platform->clear();
        QStringList shown; // options visible at each panel frame
        g.platform->onRefresh = [&] {
            if (g.platform->refreshes <= 17 || g.platform->refreshes > 25) return;
            QString s;
            for (int k = 0; k < 4; ++k)
                if (g.window->surface().pixel(100 - 32 * k + 1, 180 + 54 * k + 1) == rgb(25))
                    s += QString::number(k + 1);
            shown << s;
        };
        g.window->Click(3, 3);
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
        g.window->Text3->setText(base);
        startQuestion(g);
        QCOMPARE(g.window->clockPeriod(), period);
        QVERIFY(g.window->isClockEnabled());
        QCOMPARE(g.window->tmrRucicka.isActive(), period > 0);
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
            << 1 << 2 << optionHover << 532 << 234 << 26 << QColor(255, 255, 255);
        QTest::newRow("side 2, slot 4, normal")
            << 2 << 4 << optionNormal << 4 << 342 << 25 << QColor(255, 255, 63);
        QTest::newRow("side 1, slot 1, wrong")
            << 1 << 1 << optionWrong << 500 << 180 << 27 << QColor(255, 191, 191);
        QTest::newRow("side 2, slot 3, right")
            << 2 << 3 << optionRight << 36 << 288 << 28 << QColor(255, 255, 0);
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
        g.window->question.answers[static_cast<std::size_t>(slot)] = QStringLiteral("Answer");
        g.window->DrawVar(side, slot, state);
        QCOMPARE(g.pixel(x, y), rgb(picture));
        QCOMPARE(g.pixel(x + 199, y + 46), rgb(picture));
        QVERIFY(g.pixel(x - 1, y) != rgb(picture));
        QVERIFY(g.pixel(x, y + 47) != rgb(picture));
        QCOMPARE(g.window->ForeColor, text);
        QVERIFY(!g.window->FontBold);
        // Text is centred: ink in the middle, none near the ends.
        QVERIFY(hasInk(g.window->surface(), QRect(x + 70, y + 10, 60, 27), rgb(picture)));
        QVERIFY(!hasInk(g.window->surface(), QRect(x + 2, y + 2, 30, 43), rgb(picture)));
    }

    void sideOneDrawsTheNormalLookFromItsOwnCopy() {
        LoadedGame g;
        g.window->img[30].fill(Qt::darkCyan);
        g.window->DrawVar(1, 1, optionNormal);
        g.window->DrawVar(2, 1, optionNormal);
        QCOMPARE(g.pixel(501, 181), QColor(Qt::darkCyan).rgb());
        QCOMPARE(g.pixel(101, 181), rgb(25));
    }

    void slotZeroDrawsNothing() {
        LoadedGame g;
        const QImage before = g.window->surface().copy();
        for (int state = 0; state <= 4; ++state)
            for (int side : {1, 2})
                g.window->DrawVar(side, 0, state);
        QCOMPARE(g.window->surface(), before);
    }

    void clearingAnOptionRestoresTheBackgroundExactly() {
        LoadedGame g;
        QImage grid(800, 600, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                grid.setPixel(x, y, qRgb(x % 256, y % 256, 77));
        g.window->img[20] = grid;
        g.window->question.answers[3] = QStringLiteral("text");
        g.window->DrawVar(1, 3, optionNormal);
        g.window->DrawVar(1, 3, optionClear);
        for (int y = 287; y <= 335; ++y)
            for (int x = 563; x <= 764; ++x) {
                const bool inside = x >= 564 && x < 764 && y >= 288 && y < 335;
                if (inside) QCOMPARE(g.pixel(x, y), grid.pixel(x, y));
            }
    }

    void namePlaceholdersAndTheLineBreakMark() {
        LoadedGame g;
        g.window->Text1->setText(QStringLiteral("Eva"));
        g.window->Text2->setText(QStringLiteral("Jan"));
        auto draw = [&](const QString& answer) {
            g.window->question.answers[1] = answer;
            g.window->DrawVar(2, 1, optionNormal);
            return g.window->surface().copy(100, 180, 200, 47);
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

    void justifyDrawsTheLineAndReturnsTheRest() {
        LoadedGame g;
        g.window->FontBold = true;
        const QString rest =
            g.window->Justify(QStringLiteral("one two three four five six seven eight"), 120, 45, 228);
        QVERIFY(!rest.isEmpty());
        QVERIFY(QStringLiteral("one two three four five six seven eight").endsWith(rest));
        QCOMPARE(g.window->CurrentY, 228.0f);
        QVERIFY(g.window->CurrentX <= 45 + 120 + 1);
        QVERIFY(g.window->Justify(QString(), 100, 0, 0).isEmpty());
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
        g.window->player = mode;
        startQuestion(g);
        g.window->Form_MouseMove(0, 0, x, y);
        QCOMPARE(g.window->hoverAnswer, slot);
        QCOMPARE(g.platform->refreshes, slot ? 1 : 0);
    }

    void movingIntoAGapDrawsTheOptionPlainWithoutARefresh() {
        LoadedGame g;
        g.window->player = 1;
        startQuestion(g);
        g.window->Form_MouseMove(0, 0, 600, 200);
        QCOMPARE(g.pixel(501, 181), rgb(26));
        g.platform->clear();
        g.window->Form_MouseMove(0, 0, 600, 230);
        QCOMPARE(g.pixel(501, 181), rgb(30));
        QCOMPARE(g.platform->refreshes, 0);
    }

    void clickingAnAnswerStopsTheClockAndJudgesIt() {
        for (bool right : {true, false}) {
            LoadedGame g;
            g.window->Label1_Click();
            g.window->player = 2;
            startQuestion(g, 4, 4);
            const int correct = g.window->question.rightSlot;
            const int slot = right ? correct : correct % 4 + 1;
            QRgb drawn = 0;
            g.platform->onRefresh = [&] {
                if (g.platform->refreshes == 1)
                    drawn = g.window->surface().pixel(100 - 32 * (slot - 1) + 1, 180 + 54 * (slot - 1) + 1);
            };
            g.window->Form_MouseDown(1, 0, 150 - 32 * (slot - 1), 200 + 54 * (slot - 1));
            QCOMPARE(drawn, rgb(right ? 28 : 27));
            QVERIFY(!g.window->isClockEnabled());
            QCOMPARE(g.platform->sounds.first(),
                     right ? QStringLiteral("good.wav") : QStringLiteral("bad.wav"));
            QCOMPARE(int(g.window->board.at(4, 4)), right ? cellPlayer2 : cellPlayer1);
            QCOMPARE(g.window->player, right ? 1 : 2);
            QCOMPARE(g.window->mode, modeBoard);
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
        g.window->gameStart();
        g.platform->clear();
        g.window->Form_MouseMove(0, 0, 400, y);
        QCOMPARE(g.window->board.at(3, 0), onTopCell ? cellHover : cellFree);
        QCOMPARE(g.platform->refreshes, onTopCell ? 1 : 0);
    }

    void movingToANeighbourRestoresTheFirstAndHighlightsTheSecond() {
        LoadedGame g;
        g.window->gameStart();
        const QPoint a = centreOf(3, 3), b = centreOf(4, 3);
        g.window->Form_MouseMove(0, 0, a.x(), a.y());
        g.platform->clear();
        g.window->Form_MouseMove(0, 0, b.x(), b.y());
        QCOMPARE(g.window->board.at(3, 3), cellFree);
        QCOMPARE(g.window->board.at(4, 3), cellHover);
        QCOMPARE(g.pixel(a.x(), a.y()), rgb(1));
        QCOMPARE(g.pixel(b.x(), b.y()), rgb(4));
        QCOMPARE(g.platform->refreshes, 1);
        g.window->Form_MouseMove(0, 0, b.x() + 3, b.y() + 3);
        QCOMPARE(g.platform->refreshes, 1);
    }

    void ownedCellsAndTheOutsideHighlightNothing() {
        LoadedGame g;
        g.window->gameStart();
        g.window->board.set(2, 3, cellPlayer1);
        const QPoint a = centreOf(3, 3), owned = centreOf(2, 3);
        g.window->Form_MouseMove(0, 0, a.x(), a.y());
        g.window->Form_MouseMove(0, 0, owned.x(), owned.y());
        QCOMPARE(g.window->board.at(3, 3), cellFree);
        QCOMPARE(g.window->hoverCol, 0);
        QCOMPARE(g.window->hoverRow, 0);
        g.platform->clear();
        g.window->Form_MouseMove(0, 0, 30000, -30000);
        g.window->Form_MouseDown(1, 0, -30000, 30000);
        QCOMPARE(g.platform->refreshes, 0);
        QCOMPARE(g.window->mode, modeBoard);
    }

    void aPressOnTheHighlightedCellChoosesIt() {
        LoadedGame g;
        g.window->gameStart();
        const QPoint c = centreOf(3, 2);
        g.window->Form_MouseMove(0, 0, c.x(), c.y());
        g.window->Form_MouseDown(1, 0, c.x(), c.y());
        QCOMPARE(g.window->mode, g.window->player);
        QCOMPARE(g.window->chosenCol, 3);
        QCOMPARE(g.window->chosenRow, 2);
        QCOMPARE(g.window->hoverCol, 0);
        QCOMPARE(g.window->board.at(3, 2), cellFree);
    }

    void aPressAfterDraggingOntoACellDoesNothingUntilTheButtonIsReleased() {
        LoadedGame g;
        g.window->gameStart();
        const QPoint a = centreOf(3, 3), b = centreOf(4, 3);
        g.window->Form_MouseMove(1, 0, a.x(), a.y()); // dragging with the left button held
        g.window->Form_MouseMove(1, 0, b.x(), b.y());
        g.window->Form_MouseDown(1, 0, b.x(), b.y());
        QCOMPARE(g.window->mode, modeBoard);
        QCOMPARE(g.window->board.at(4, 3), cellHover);
        g.window->Form_MouseMove(0, 0, b.x(), b.y()); // released
        g.window->Form_MouseDown(1, 0, b.x(), b.y());
        QCOMPARE(g.window->mode, g.window->player);
    }

    void aRightPressOnAFreeCellOnlyHighlightsIt() {
        LoadedGame g;
        g.window->gameStart();
        const QPoint c = centreOf(3, 3);
        g.window->Form_MouseDown(2, 0, c.x(), c.y());
        QCOMPARE(g.window->mode, modeBoard);
        QCOMPARE(g.window->board.at(3, 3), cellHover);
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
        LoadedGame g(fixture::ProgramFolder::defaultQuestions(), {QStringLiteral("natahu.png")});
        g.window->player = player;
        startQuestion(g);
        for (int i = 0; i < ticks; ++i)
            g.window->tmrRucicka_Timer();
        QCOMPARE(g.pixel(onHand.x(), onHand.y()), rgb(11));
        QVERIFY(g.pixel(offHand.x(), offHand.y()) != rgb(11));
        QCOMPARE(g.window->timeLeft, 360.0f - ticks);
    }

    void aFullTurnSoundsTimeTwentyFourTimesAndTimesOut() {
        LoadedGame g;
        g.window->Label1_Click();
        g.window->player = 1;
        startQuestion(g, 2, 1);
        g.window->Form_MouseMove(0, 0, 600, 200); // option 1 highlighted
        QCOMPARE(g.pixel(501, 181), rgb(26));
        for (int i = 0; i < 360; ++i)
            g.window->tmrRucicka_Timer();
        QCOMPARE(g.platform->sounds.count(QStringLiteral("time.wav")), 24);
        QCOMPARE(g.window->mode, 1);
        QVERIFY(g.window->isClockEnabled());
        QRgb optionAtTimeOut = 0;
        g.platform->onRefresh = [&] {
            if (!optionAtTimeOut) optionAtTimeOut = g.window->surface().pixel(501, 181);
        };
        g.platform->sounds.clear();
        g.window->tmrRucicka_Timer(); // tick 361
        QCOMPARE(optionAtTimeOut, rgb(30));
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("bad.wav")});
        QCOMPARE(int(g.window->board.at(2, 1)), cellPlayer2);
        QCOMPARE(g.window->player, 1);
        QCOMPARE(g.window->mode, modeBoard);
        QVERIFY(!g.window->isClockEnabled());
        QCOMPARE(g.window->timeLeft, -1.0f);
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
