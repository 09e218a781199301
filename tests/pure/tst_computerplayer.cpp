// The computer player's choices without threads: the packed board agrees with the win search, every
// level takes a winning cell, medium and hard block, any position gets a free cell, and answers and
// thinking delays stay in their ranges.
#include "computerplayer.h"
#include "packedboard.h"

#include <QtTest>

using namespace board;
using computer::Level;

Q_DECLARE_METATYPE(computer::Level)

namespace board {
// For QCOMPARE and QList::contains.
bool operator==(const Pos& a, const Pos& b) {
    return a.col == b.col && a.row == b.row;
}
char* toString(const Pos& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.col).arg(p.row));
}
} // namespace board

namespace {

// Seven rows of '.', '1', '2' from the top; '*' is a free cell the test expects to be chosen. Spaces
// only centre the picture. False when the picture is no triangle.
bool parseBoard(const QByteArray& ascii, Grid& g, QList<Pos>& expected) {
    QStringList rows;
    for (const QString& l : QString::fromLatin1(ascii).split(u'\n'))
        if (!l.trimmed().isEmpty()) rows << QString(l).remove(u' ');
    if (rows.size() != kRows) return false;
    for (int r = 0; r < kRows; ++r) {
        if (rows[r].size() != r + 1) return false;
        for (int i = 0; i <= r; ++i) {
            const int col = firstCol(r) + i;
            const QChar c = rows[r][i];
            if (!QStringLiteral(".12*").contains(c)) return false;
            g.set(col, r, c == u'1' ? cellPlayer1 : c == u'2' ? cellPlayer2 : cellFree);
            if (c == u'*') expected << Pos{col, r};
        }
    }
    return true;
}

// A random position: each cell free, player 1's or player 2's, with the chance of free given.
Grid randomBoard(rnd::Generator& random, float freeChance) {
    Grid g = freeGrid();
    for (int r = 0; r < kRows; ++r)
        for (int c = firstCol(r); c <= lastCol(r); ++c)
            if (random.next() >= freeChance) g.set(c, r, random.below(2) == 0 ? cellPlayer1 : cellPlayer2);
    return g;
}

// The free cells that would win at once for player, row by row.
QList<Pos> winningCells(const Grid& g, int player) {
    QList<Pos> cells;
    for (int r = 0; r < kRows; ++r)
        for (int c = firstCol(r); c <= lastCol(r); ++c)
            if (g.at(c, r) == cellFree) {
                Grid taken = g;
                taken.set(c, r, static_cast<std::uint8_t>(cellPlayer1 + player - 1));
                if (wins(taken, c, r)) cells << Pos{c, r};
            }
    return cells;
}

bool anyCellWins(const Grid& g, int player) {
    for (int r = 0; r < kRows; ++r)
        for (int c = firstCol(r); c <= lastCol(r); ++c)
            if (g.at(c, r) == cellPlayer1 + player - 1 && wins(g, c, r)) return true;
    return false;
}

// Small budgets keep the suite fast; the real budgets are measured by tools/strength.
computer::SearchLimits fewIterations(int n = 300) {
    computer::SearchLimits l;
    l.iterations = n;
    return l;
}

const char* nameOf(Level level) {
    return level == Level::Easy ? "easy" : level == Level::Medium ? "medium" : "hard";
}

void addBoardRows(const QList<Level>& levels, const char* name, int player, const QByteArray& picture) {
    for (Level level : levels)
        QTest::newRow(
            qPrintable(QStringLiteral("%1 (%2)").arg(QLatin1String(name), QLatin1String(nameOf(level)))))
            << picture << player << level;
}

} // namespace

class ComputerPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void cellNumbersAndPositionsMapBothWays();
    void packedWinTestAgreesWithTheBoardsWinSearch();
    void aFullBoardHasExactlyOneWinnerInThePackedTest();
    void takesTheCellThatWinsAtOnce_data();
    void takesTheCellThatWinsAtOnce();
    void blocksTheCellTheOpponentWouldWinWith_data();
    void blocksTheCellTheOpponentWouldWinWith();
    void alwaysChoosesAFreeCell_data();
    void alwaysChoosesAFreeCell();
    void aFullBoardGivesNoCell();
    void theSameSeedGivesTheSameCell();
    void twoComputersPlayAWholeGameToOneWinner();
    void answersRightWithTheLevelsChance_data();
    void answersRightWithTheLevelsChance();
    void thinkingEndsInsideTheTimeLimit_data();
    void thinkingEndsInsideTheTimeLimit();
};

void ComputerPlayerTest::cellNumbersAndPositionsMapBothWays() {
    for (int i = 0; i < packed::kCells; ++i) {
        const Pos p = packed::posOf(i);
        QVERIFY(inTriangle(p.col, p.row));
        QCOMPARE(packed::indexOf(p.col, p.row), i);
    }
}

void ComputerPlayerTest::packedWinTestAgreesWithTheBoardsWinSearch() {
    rnd::Generator random(11);
    int winning = 0;
    for (int n = 0; n < 3000; ++n) {
        const Grid g = randomBoard(random, random.next());
        const packed::Position pos = packed::fromGrid(g);
        for (int player = 1; player <= 2; ++player) {
            const bool expected = anyCellWins(g, player);
            QVERIFY2(packed::hasWinningGroup(pos.owned(player)) == expected,
                     qPrintable(QStringLiteral("board %1, player %2").arg(n).arg(player)));
            winning += expected;
        }
    }
    QVERIFY(winning > 300 && winning < 5700); // both answers were exercised
}

// The search scores a playout by player 1's groups alone; that needs exactly one winner on a full board.
void ComputerPlayerTest::aFullBoardHasExactlyOneWinnerInThePackedTest() {
    rnd::Generator random(12);
    for (int n = 0; n < 5000; ++n) {
        const packed::Mask one = static_cast<packed::Mask>(random.nextBits()) & packed::kAllCells;
        const packed::Mask two = packed::kAllCells & ~one;
        QVERIFY2(packed::hasWinningGroup(one) != packed::hasWinningGroup(two),
                 qPrintable(QStringLiteral("cells of player 1: %1").arg(one, 7, 16, QChar(u'0'))));
    }
}

void ComputerPlayerTest::takesTheCellThatWinsAtOnce_data() {
    QTest::addColumn<QByteArray>("board");
    QTest::addColumn<int>("player");
    QTest::addColumn<Level>("level");
    const QList<Level> all{Level::Easy, Level::Medium, Level::Hard};
    addBoardRows(all, "the last cell of the left edge", 1, R"(
              1
             1 2
            1 2 .
           1 . 2 .
          1 . . 2 .
         1 . . . 2 .
        * 2 . . . . .
    )");
    addBoardRows(all, "joining two groups in the middle", 2, R"(
              2
             . 2
            . 1 2
           . 1 2 .
          . 1 * . .
         . . 2 . . .
        . . 2 . 1 . .
    )");
    addBoardRows(all, "either cell that reaches the left side", 1, R"(
              *
             * 1
            . 2 1
           . 2 . 1
          . 2 . . 1
         . . 2 . . 1
        . . . 2 . . 1
    )");
    addBoardRows(all, "the bottom row's last gap", 2, R"(
              .
             1 .
            1 . .
           1 . . .
          . 1 . . .
         . 1 . . . .
        2 2 2 2 2 * 2
    )");
}

void ComputerPlayerTest::takesTheCellThatWinsAtOnce() {
    QFETCH(QByteArray, board);
    QFETCH(int, player);
    QFETCH(Level, level);
    Grid g;
    QList<Pos> expected;
    QVERIFY(parseBoard(board, g, expected));
    // The fixture itself: the marked cells are exactly those that win at once.
    QCOMPARE(winningCells(g, player), expected);
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        rnd::Generator random(seed);
        // Too few iterations to find it by searching: the move must be taken before any search.
        const auto cell = computer::chooseCell(g, player, level, random, fewIterations(10));
        QVERIFY(cell);
        QVERIFY(expected.contains(*cell));
    }
}

void ComputerPlayerTest::blocksTheCellTheOpponentWouldWinWith_data() {
    QTest::addColumn<QByteArray>("board");
    QTest::addColumn<int>("player");
    QTest::addColumn<Level>("level");
    const QList<Level> searching{Level::Medium, Level::Hard};
    addBoardRows(searching, "the opponent's left edge", 2, R"(
              1
             1 2
            1 . .
           * . . .
          1 . . . .
         1 . . . . .
        1 . . . . . .
    )");
    addBoardRows(searching, "the opponent's bridge between groups", 1, R"(
              2
             2 .
            2 . .
           2 1 . .
          * . 1 . .
         2 . . . . .
        2 2 2 1 . . .
    )");
    addBoardRows(searching, "the top corner to reach the right side", 1, R"(
              *
             2 1
            2 . .
           2 . . .
          2 . . . .
         2 . . . . .
        2 . . . . . .
    )");
}

void ComputerPlayerTest::blocksTheCellTheOpponentWouldWinWith() {
    QFETCH(QByteArray, board);
    QFETCH(int, player);
    QFETCH(Level, level);
    Grid g;
    QList<Pos> expected;
    QVERIFY(parseBoard(board, g, expected));
    QCOMPARE(expected.size(), 1);
    // The fixture itself: the opponent wins only there, the player nowhere at once.
    QCOMPARE(winningCells(g, 3 - player), expected);
    QCOMPARE(winningCells(g, player), QList<Pos>());
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        rnd::Generator random(seed);
        // Too few iterations to find it by searching: the move must be taken before any search.
        const auto cell = computer::chooseCell(g, player, level, random, fewIterations(10));
        QVERIFY(cell);
        QCOMPARE(cell->col, expected.front().col);
        QCOMPARE(cell->row, expected.front().row);
    }
}

void ComputerPlayerTest::alwaysChoosesAFreeCell_data() {
    QTest::addColumn<Level>("level");
    QTest::newRow("easy") << Level::Easy;
    QTest::newRow("medium") << Level::Medium;
    QTest::newRow("hard") << Level::Hard;
}

void ComputerPlayerTest::alwaysChoosesAFreeCell() {
    QFETCH(Level, level);
    rnd::Generator random(99);
    for (int n = 0; n < 400; ++n) {
        Grid g = randomBoard(random, random.next());
        // At least one free cell, sometimes exactly one.
        const Pos keep = packed::posOf(random.below(packed::kCells));
        g.set(keep.col, keep.row, cellFree);
        const int player = 1 + random.below(2);
        const auto cell = computer::chooseCell(g, player, level, random, fewIterations(50));
        QVERIFY2(cell && inTriangle(cell->col, cell->row) && g.at(cell->col, cell->row) == cellFree,
                 qPrintable(QStringLiteral("position %1").arg(n)));
    }
}

void ComputerPlayerTest::aFullBoardGivesNoCell() {
    rnd::Generator random(5);
    const Grid full = randomBoard(random, 0);
    for (Level level : {Level::Easy, Level::Medium, Level::Hard})
        QVERIFY(!computer::chooseCell(full, 1, level, random, fewIterations()));
}

void ComputerPlayerTest::theSameSeedGivesTheSameCell() {
    rnd::Generator boards(21);
    for (int n = 0; n < 10; ++n) {
        const Grid g = randomBoard(boards, 0.7f);
        rnd::Generator a(n), b(n);
        const auto first = computer::chooseCell(g, 1, Level::Hard, a, fewIterations(2000));
        const auto second = computer::chooseCell(g, 1, Level::Hard, b, fewIterations(2000));
        QVERIFY(first && second);
        QCOMPARE(first->col, second->col);
        QCOMPARE(first->row, second->row);
    }
}

void ComputerPlayerTest::twoComputersPlayAWholeGameToOneWinner() {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        rnd::Generator random(seed);
        Grid g = freeGrid();
        int player = 1 + static_cast<int>(seed % 2);
        int winner = 0;
        int moves = 0;
        while (winner == 0 && moves < packed::kCells) {
            const Level level = player == 1 ? Level::Medium : Level::Hard;
            const auto cell = computer::chooseCell(g, player, level, random, fewIterations(1000));
            QVERIFY(cell && g.at(cell->col, cell->row) == cellFree);
            g.set(cell->col, cell->row, static_cast<std::uint8_t>(cellPlayer1 + player - 1));
            ++moves;
            if (wins(g, cell->col, cell->row)) winner = player;
            player = 3 - player;
        }
        QVERIFY(winner != 0);
        QVERIFY(anyCellWins(g, winner));
        QVERIFY(!anyCellWins(g, 3 - winner));
    }
}

void ComputerPlayerTest::answersRightWithTheLevelsChance_data() {
    QTest::addColumn<Level>("level");
    QTest::addColumn<double>("chance");
    QTest::newRow("easy") << Level::Easy << 0.55;
    QTest::newRow("medium") << Level::Medium << 0.70;
    QTest::newRow("hard") << Level::Hard << 0.85;
}

void ComputerPlayerTest::answersRightWithTheLevelsChance() {
    QFETCH(Level, level);
    QFETCH(double, chance);
    QCOMPARE(computer::rightAnswerChance(level), chance);
    rnd::Generator random(31);
    constexpr int kDraws = 8000;
    for (int rightSlot = 1; rightSlot <= 4; ++rightSlot) {
        int right = 0;
        QList<int> perSlot(5, 0);
        for (int n = 0; n < kDraws; ++n) {
            const int slot = computer::answerSlot(rightSlot, level, random);
            QVERIFY(slot >= 1 && slot <= 4);
            ++perSlot[slot];
            right += slot == rightSlot;
        }
        QVERIFY2(std::abs(static_cast<double>(right) / kDraws - chance) < 0.03,
                 qPrintable(QString::number(right)));
        // The wrong answers are spread over the three other slots.
        const double wrongEach = (kDraws - right) / 3.0;
        for (int slot = 1; slot <= 4; ++slot)
            if (slot != rightSlot) QVERIFY(std::abs(perSlot[slot] - wrongEach) < 0.15 * wrongEach);
    }
}

void ComputerPlayerTest::thinkingEndsInsideTheTimeLimit_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("no limit") << 0 << 1500 << 4000;
    QTest::newRow("a long limit") << 21600 << 1500 << 4000;
    QTest::newRow("just above the longest delay") << 4600 << 1500 << 4000;
    QTest::newRow("a limit inside the range") << 3000 << 1500 << 2500;
    QTest::newRow("a limit below the shortest delay") << 1000 << 800 << 800;
    QTest::newRow("a tiny limit") << 3 << 2 << 2;
}

void ComputerPlayerTest::thinkingEndsInsideTheTimeLimit() {
    QFETCH(int, limit);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    rnd::Generator random(41);
    int low = INT_MAX, high = INT_MIN;
    for (int n = 0; n < 2000; ++n) {
        const int delay = computer::thinkingDelayMs(limit, random);
        QVERIFY(delay >= shortest && delay <= longest);
        if (limit > 0) QVERIFY(delay < limit);
        low = std::min(low, delay);
        high = std::max(high, delay);
    }
    if (shortest < longest) { // the delay varies over the whole range
        QVERIFY(low < shortest + 100);
        QVERIFY(high > longest - 100);
    }
}

QTEST_GUILESS_MAIN(ComputerPlayerTest)
#include "tst_computerplayer.moc"
