// The match as a state machine, without a window: choosing, answering, timing out and winning.
#include "match.h"
#include "random.h"

#include <QtTest>

using namespace board;

namespace {
// A deck of one English and one Czech question, the right answer first in the file.
Deck smallDeck() {
    Deck deck;
    deck.load(QStringLiteral("Which is right?\\right\\w1\\w2\\w3\nKterá je správná?\\správná\\š1\\š2\\š3\n"));
    return deck;
}
} // namespace

class MatchTest : public QObject {
    Q_OBJECT

private slots:
    void init() { rnd::pin(4242); }
    void cleanup() { rnd::unpin(); }

    void aNewGameFreesEveryCellAndShowsTheBoard() {
        Match m;
        QCOMPARE(m.screen(), Screen::Splash);
        Grid g;
        g.set(3, 0, cellPlayer1);
        m.setUp(g, Player::fromNumber(1));
        m.startGame();
        QCOMPARE(m.screen(), Screen::Board);
        int free = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c)
                free += m.cells().at(c, r) == cellFree;
        QCOMPARE(free, 28);
        QCOMPARE(m.playerOnTurn().number(), 1); // the turn is not reset by a new game
    }

    void choosingACellDealsAQuestionOfTheInterfaceLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("text");
        QTest::newRow("English interface") << true << QStringLiteral("Which is right?");
        QTest::newRow("Czech interface") << false << QStringLiteral("Která je správná?");
    }
    void choosingACellDealsAQuestionOfTheInterfaceLanguage() {
        QFETCH(bool, english);
        QFETCH(QString, text);
        Deck deck = smallDeck();
        Match m;
        m.startGame();
        m.chooseCell({3, 2}, deck, english);
        QCOMPARE(m.screen(), Screen::Question);
        QCOMPARE(m.chosenCell(), (Cell{3, 2}));
        QCOMPARE(m.question().text, text);
        QCOMPARE(m.timeLeft(), Match::kFullTime);
    }

    void anAnswerGivesTheCellAndTheTurn_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("owner");
        QTest::addColumn<int>("nextPlayer");
        QTest::newRow("player 1 right: own cell, turn passes") << 1 << true << 1 << 2;
        QTest::newRow("player 1 wrong: opponent's cell, picks again") << 1 << false << 2 << 1;
        QTest::newRow("player 2 right") << 2 << true << 2 << 1;
        QTest::newRow("player 2 wrong") << 2 << false << 1 << 2;
    }
    void anAnswerGivesTheCellAndTheTurn() {
        QFETCH(int, player);
        QFETCH(bool, right);
        QFETCH(int, owner);
        QFETCH(int, nextPlayer);
        Deck deck = smallDeck();
        Match m;
        m.startGame();
        m.setUp(m.cells(), Player::fromNumber(player));
        QList<int> said; // what the match reported: a chosen cell's column, a new owner, the next player
        connect(&m, &Match::cellChosen, this, [&](Cell cell) { said << cell.col; });
        connect(&m, &Match::cellCaptured, this, [&](const Capture& c) { said << c.newOwner.number(); });
        connect(&m, &Match::turnPassed, this, [&](Player now) { said << now.number(); });
        m.chooseCell({2, 4}, deck, true);
        const int slot = right ? m.question().rightSlot : m.question().rightSlot % 4 + 1;
        const Capture c = m.answer(slot);
        // Only a right answer passes the turn.
        QCOMPARE(said, right ? QList<int>({2, owner, nextPlayer}) : QList<int>({2, owner}));
        QCOMPARE(c.right, right);
        QCOMPARE(c.answering.number(), player);
        QCOMPARE(c.newOwner.number(), owner);
        QCOMPARE(int(m.cells().at(2, 4)), cellPlayer1 + owner - 1);
        QCOMPARE(m.playerOnTurn().number(), nextPlayer);
        QCOMPARE(m.screen(), Screen::Board);
    }

    void aTimeOutIsAWrongAnswerAfter360Ticks() {
        Deck deck = smallDeck();
        Match m;
        m.startGame();
        m.setUp(m.cells(), Player::fromNumber(2));
        m.chooseCell({3, 0}, deck, true);
        int ticks = 0;
        while (!m.isTimeUp()) {
            m.tick();
            ++ticks;
        }
        QCOMPARE(ticks, 360);
        const Capture c = m.timeOut();
        QVERIFY(!c.right);
        QCOMPARE(c.newOwner, Player::fox());
        QCOMPARE(m.playerOnTurn().number(), 2);
    }

    void aGroupTouchingAllThreeSidesWins() {
        Match m;
        m.startGame();
        Grid g = m.cells();
        // The left edge: the top cell lies on the left and right sides, the bottom-left corner on the
        // left side and the bottom.
        for (int r = 0; r < kRows; ++r)
            g.set(firstCol(r), r, cellPlayer2);
        m.setUp(g, Player::fromNumber(1));
        QList<int> won;
        connect(&m, &Match::gameWon, this, [&](Player p) { won << p.number(); });
        QVERIFY(m.checkWinner({firstCol(3), 3}));
        QCOMPARE(m.screen(), Screen::Winner);
        QCOMPARE(m.winner(), Player::owl());
        QCOMPARE(won, QList<int>{2});
        Match other;
        other.startGame();
        Grid h = other.cells();
        h.set(3, 3, cellPlayer1);
        other.setUp(h, Player::fromNumber(1));
        bool wonAnyway = false;
        connect(&other, &Match::gameWon, this, [&] { wonAnyway = true; });
        QVERIFY(!other.checkWinner({3, 3}));
        QVERIFY(!wonAnyway);
        QCOMPARE(other.screen(), Screen::Board);
        QVERIFY(!other.winner());
    }

    void eachWinCountsForItsPlayerAcrossGames() {
        Match m;
        m.followPlayerNames(QStringLiteral("Ada"), QStringLiteral("Bára"));
        const auto winBy = [&m](Player p) {
            m.startGame();
            Grid g = m.cells();
            for (int r = 0; r < kRows; ++r)
                g.set(firstCol(r), r, p.pieces());
            m.setUp(g, p.opponent());
            return m.checkWinner({firstCol(6), 6});
        };
        QCOMPARE(m.score().winsOf(Player::owl()), 0);
        QCOMPARE(m.score().winsOf(Player::fox()), 0);
        QVERIFY(winBy(Player::owl()));
        QVERIFY(winBy(Player::fox()));
        QVERIFY(winBy(Player::owl()));
        QCOMPARE(m.score().winsOf(Player::owl()), 2);
        QCOMPARE(m.score().winsOf(Player::fox()), 1);
        // A capture that wins nothing counts nothing.
        m.startGame();
        QVERIFY(!m.checkWinner({3, 3}));
        QCOMPARE(m.score().winsOf(Player::owl()) + m.score().winsOf(Player::fox()), 3);
    }

    void theScoreStartsAgainWhenANameChangesOnly_data() {
        QTest::addColumn<QString>("owlName");
        QTest::addColumn<QString>("foxName");
        QTest::addColumn<int>("owlWins");
        QTest::newRow("the same names keep it") << QStringLiteral("Ada") << QStringLiteral("Bára") << 1;
        QTest::newRow("a new name for the owl") << QStringLiteral("Eva") << QStringLiteral("Bára") << 0;
        QTest::newRow("a new name for the fox") << QStringLiteral("Ada") << QStringLiteral("Cyril") << 0;
        QTest::newRow("the names swapped") << QStringLiteral("Bára") << QStringLiteral("Ada") << 0;
    }
    void theScoreStartsAgainWhenANameChangesOnly() {
        QFETCH(QString, owlName);
        QFETCH(QString, foxName);
        QFETCH(int, owlWins);
        Match m;
        m.followPlayerNames(QStringLiteral("Ada"), QStringLiteral("Bára"));
        m.startGame();
        Grid g = m.cells();
        for (int c = 0; c <= 6; ++c)
            g.set(c, 6, cellPlayer2);
        g.set(3, 0, cellPlayer2);
        for (int r = 1; r < 6; ++r)
            g.set(firstCol(r), r, cellPlayer2);
        m.setUp(g, Player::fox());
        QVERIFY(m.checkWinner({0, 6}));
        QCOMPARE(m.score().winsOf(Player::owl()), 1);
        m.followPlayerNames(owlName, foxName);
        QCOMPARE(m.score().winsOf(Player::owl()), owlWins);
        QCOMPARE(m.score().winsOf(Player::fox()), 0);
    }

    void theClockTicksAtItsPeriodUntilStopped() {
        Match m;
        QSignalSpy ticks(&m, &Match::clockTicked);
        m.startClock(5);
        QVERIFY(m.isClockRunning());
        QCOMPARE(m.clockTimer().timerType(), Qt::PreciseTimer);
        QVERIFY(ticks.wait(2000));
        m.stopClock();
        const auto seen = ticks.count();
        QVERIFY(!m.clockTimer().isActive());
        QVERIFY(!ticks.wait(50));
        QCOMPARE(ticks.count(), seen);
    }

    void aPeriodOfZeroNeverTicksAndLongPeriodsAreCapped_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("armed");
        QTest::newRow("no limit") << 0 << 0 << false;
        QTest::newRow("negative") << -5 << 0 << false;
        QTest::newRow("ordinary") << 60 << 60 << true;
        QTest::newRow("beyond 65535 ms") << 1000000 << 65535 << true;
    }
    void aPeriodOfZeroNeverTicksAndLongPeriodsAreCapped() {
        QFETCH(int, period);
        QFETCH(int, kept);
        QFETCH(bool, armed);
        Match m;
        m.startClock(period);
        QCOMPARE(m.clockPeriod(), kept);
        QCOMPARE(m.clockTimer().isActive(), armed);
        QVERIFY(m.isClockRunning());
    }

    // While the game asks anything the clock stands; after No it goes on from the time it had.
    void aPausedClockKeepsItsTimeAndGoesOnFromIt() {
        Match m;
        Deck deck = smallDeck();
        m.startGame();
        m.chooseCell(Cell{3, 3}, deck, true);
        QSignalSpy ticks(&m, &Match::clockTicked);
        m.startClock(5);
        m.tick();
        const float left = m.timeLeft();
        m.pauseClock();
        QVERIFY(m.isClockPaused() && m.isClockRunning());
        QVERIFY(!m.clockTimer().isActive());
        QVERIFY(!ticks.wait(60)); // the event loop runs, the clock does not
        QCOMPARE(m.timeLeft(), left);
        m.resumeClock();
        QVERIFY(!m.isClockPaused());
        QVERIFY(ticks.wait(2000));

        m.pauseClock();
        m.stopClock(); // Yes: the question ended while it was asked
        m.resumeClock();
        QVERIFY(!m.clockTimer().isActive());
        QVERIFY(!m.isClockRunning());
    }
};

QTEST_GUILESS_MAIN(MatchTest)
#include "tst_match.moc"
