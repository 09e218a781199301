// The board model: triangle shape, cell rectangles, neighbours, pointer mapping and the win search.
#include "board.h"

#include <QtTest>
#include <optional>
#include <random>
#include <utility>

using namespace board;

namespace {

// Seven rows of '.', '1', '2' from the top; 'A' and 'B' are a cell of player 1 or 2 that is also
// returned as the searched cell. Spaces only centre the picture. False when the picture is no triangle.
bool parseBoard(const QByteArray& ascii, Grid& g, Pos& marked) {
    QStringList rows;
    for (const QString& l : QString::fromLatin1(ascii).split(u'\n'))
        if (!l.trimmed().isEmpty()) rows << QString(l).remove(u' ');
    if (rows.size() != kRows) return false;
    for (int r = 0; r < kRows; ++r) {
        if (rows[r].size() != r + 1) return false;
        for (int i = 0; i <= r; ++i) {
            const int col = firstCol(r) + i;
            const QChar c = rows[r][i];
            if (!QStringLiteral(".12AB").contains(c)) return false;
            g.set(col, r, c == u'.' ? cellFree : (c == u'1' || c == u'A') ? cellPlayer1 : cellPlayer2);
            if (c == u'A' || c == u'B') marked = {col, r};
        }
    }
    return true;
}

// The same picture, where 'W' is a cell of player 1 and 'V' one of player 2 that the winning group must
// hold: the board into g, those cells into expected in reading order.
bool parseWinningBoard(const QByteArray& ascii, Grid& g, std::vector<Pos>& expected) {
    QByteArray plain = ascii;
    plain.replace('W', '1').replace('V', '2');
    Pos unused{};
    if (!parseBoard(plain, g, unused)) return false;
    QStringList rows;
    for (const QString& l : QString::fromLatin1(ascii).split(u'\n'))
        if (!l.trimmed().isEmpty()) rows << QString(l).remove(u' ');
    for (int r = 0; r < kRows; ++r)
        for (int i = 0; i <= r; ++i)
            if (rows[r][i] == u'W' || rows[r][i] == u'V') expected.push_back({firstCol(r) + i, r});
    return true;
}

} // namespace

class BoardModelTest : public QObject {
    Q_OBJECT

private slots:
    void rowsSpanTheTriangle_data();
    void rowsSpanTheTriangle();
    void cellRectangles_data();
    void cellRectangles();
    void gridOutsideItsRangeReadsZeroAndDropsWrites();
    void neighboursAreTheHexAdjacencyOfTheTriangle();
    void zoomGrowth_data();
    void zoomGrowth();
    void pointerPositions_data();
    void pointerPositions();
    void winSearch_data();
    void winSearch();
    void everyFullBoardHasExactlyOneWinner();
    void winningGroup_data();
    void winningGroup();
    void theWinningGroupOfEveryFullBoardHoldsTheCellsThatWin();
};

void BoardModelTest::rowsSpanTheTriangle_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("row 0") << 0 << 3 << 3;
    QTest::newRow("row 1") << 1 << 2 << 3;
    QTest::newRow("row 2") << 2 << 2 << 4;
    QTest::newRow("row 3") << 3 << 1 << 4;
    QTest::newRow("row 4") << 4 << 1 << 5;
    QTest::newRow("row 5") << 5 << 0 << 5;
    QTest::newRow("row 6") << 6 << 0 << 6;
}

void BoardModelTest::rowsSpanTheTriangle() {
    QFETCH(int, row);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(firstCol(row), first);
    QCOMPARE(lastCol(row), last);
    for (int col = -2; col <= 8; ++col)
        QCOMPARE(inTriangle(col, row), col >= first && col <= last);
}

void BoardModelTest::cellRectangles_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("top cell") << 3 << 0 << 368.f << 128.f;
    QTest::newRow("odd row is shifted half a cell") << 0 << 5 << 208.f << 403.f;
    QTest::newRow("bottom right corner") << 6 << 6 << 560.f << 458.f;
    QTest::newRow("bottom left corner") << 0 << 6 << 176.f << 458.f;
    QTest::newRow("negative odd row is shifted too") << 0 << -1 << 208.f << 73.f;
}

void BoardModelTest::cellRectangles() {
    QFETCH(int, col);
    QFETCH(int, row);
    const RectF r = cellRect(col, row);
    QTEST(r.left, "left");
    QTEST(r.top, "top");
    QCOMPARE(r.width, 64.f);
    QCOMPARE(r.height, 70.f);
}

void BoardModelTest::gridOutsideItsRangeReadsZeroAndDropsWrites() {
    Grid g;
    for (const Pos& p : {Pos{kMin, kMin}, Pos{kMax, kMax}, Pos{kMin, kMax}, Pos{kMax, kMin}}) {
        g.set(p.col, p.row, cellPlayer2);
        QCOMPARE(g.at(p.col, p.row), cellPlayer2);
    }
    const Grid before = g;
    // Just past an edge: a flat index would land on a real cell of the next or previous row.
    for (const Pos& p : {Pos{kMax + 1, 0}, Pos{kMin - 1, 0}, Pos{0, kMax + 1}, Pos{0, kMin - 1},
                         Pos{kMax + 1, kMax}, Pos{kMin - 1, kMin}, Pos{1000, -1000}}) {
        g.set(p.col, p.row, cellPlayer1);
        QCOMPARE(g.at(p.col, p.row), cellNone);
    }
    QVERIFY(g == before);
}

void BoardModelTest::neighboursAreTheHexAdjacencyOfTheTriangle() {
    // Position i of row r touches i - 1 and i + 1 of its row, i - 1 and i above, i and i + 1 below.
    auto cellAt = [](int r, int i) -> std::optional<Pos> {
        if (r < 0 || r >= kRows || i < 0 || i > r) return std::nullopt;
        return Pos{firstCol(r) + i, r};
    };
    int cells = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int i = 0; i <= r; ++i) {
            const Pos cell = *cellAt(r, i);
            QSet<QPair<int, int>> expected;
            constexpr std::pair<int, int> steps[] = {{0, -1}, {0, 1}, {-1, -1}, {-1, 0}, {1, 0}, {1, 1}};
            for (const auto& [dr, di] : steps)
                if (const auto p = cellAt(r + dr, i + di)) expected.insert({p->col, p->row});
            QSet<QPair<int, int>> actual;
            for (const Pos& p : neighbours(cell.col, cell.row))
                if (inTriangle(p.col, p.row)) actual.insert({p.col, p.row});
            QVERIFY2(actual == expected,
                     qPrintable(QStringLiteral("cell (%1, %2)").arg(cell.col).arg(cell.row)));
            ++cells;
        }
    }
    QCOMPARE(cells, 28);
}

void BoardModelTest::zoomGrowth_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("growth");
    QTest::newRow("top cell") << 3 << 0 << 48;
    QTest::newRow("bottom corner") << 0 << 6 << 48;
    QTest::newRow("bottom middle") << 3 << 6 << 48;
    QTest::newRow("first cell of row 1") << 2 << 1 << 20;
    QTest::newRow("last cell of row 1") << 3 << 1 << 20;
    QTest::newRow("first cell of row 3") << 1 << 3 << 20;
    QTest::newRow("last cell of row 5") << 5 << 5 << 20;
    QTest::newRow("middle of row 2") << 3 << 2 << 64;
    QTest::newRow("inside row 4") << 2 << 4 << 64;
    QTest::newRow("inside row 5") << 4 << 5 << 64;
}

void BoardModelTest::zoomGrowth() {
    QFETCH(int, col);
    QFETCH(int, row);
    QTEST(board::zoomGrowth(freeGrid(), col, row), "growth");
}

void BoardModelTest::pointerPositions_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("y 135 is above the board") << 400 << 135 << -1 << 3;
    QTest::newRow("y 136 starts row 0") << 400 << 136 << 0 << 3;
    QTest::newRow("y 190 ends row 0") << 400 << 190 << 0 << 3;
    QTest::newRow("y 191 starts row 1") << 400 << 191 << 1 << 3;
    QTest::newRow("row floors towards minus infinity") << 400 << 80 << -2 << 3;
    QTest::newRow("exact multiple above the board") << 400 << 81 << -1 << 3;
    QTest::newRow("x 368 starts the top cell") << 368 << 150 << 0 << 3;
    QTest::newRow("x 367 is left of it") << 367 << 150 << 0 << 2;
    QTest::newRow("odd row shifts the columns") << 208 << 420 << 5 << 0;
    QTest::newRow("column floors towards minus infinity") << 175 << 470 << 6 << -1;
    QTest::newRow("negative odd row shifts too") << 200 << 100 << -1 << -1;
}

void BoardModelTest::pointerPositions() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, row);
    QCOMPARE(pointerRow(y), row);
    QTEST(pointerCol(x, row), "col");
}

void BoardModelTest::winSearch_data() {
    QTest::addColumn<QByteArray>("board");
    QTest::addColumn<bool>("wins");

    QTest::newRow("chain from the top to the bottom wins") << QByteArray(R"(
              A
             . 1
            . 1 .
           . . 1 .
          . . 1 . .
         . . . 1 . .
        . . . . 1 . .
    )") << true;
    QTest::newRow("left edge wins") << QByteArray(R"(
              1
             1 .
            1 . .
           1 . . .
          1 . . . .
         1 . . . . .
        A . . . . . .
    )") << true;
    QTest::newRow("whole bottom row wins") << QByteArray(R"(
              .
             . .
            . . .
           . . . .
          . . . . .
         . . . . . .
        1 1 1 A 1 1 1
    )") << true;
    QTest::newRow("player 2 wins the same way") << QByteArray(R"(
              1
             1 1
            1 1 1
           1 1 1 1
          1 1 1 1 1
         1 1 1 1 1 1
        2 2 2 B 2 2 2
    )") << true;
    QTest::newRow("left and bottom without right does not win") << QByteArray(R"(
              .
             1 .
            1 . .
           1 . . .
          1 . . . .
         1 . . . . .
        A 1 1 1 1 1 .
    )") << false;
    QTest::newRow("right edge up to below the top corner does not win") << QByteArray(R"(
              2
             . 1
            . . 1
           . . . 1
          . . . . 1
         . . . . . 1
        . . . . . . A
    )") << false;
    QTest::newRow("right edge reaching the top corner wins") << QByteArray(R"(
              1
             . 1
            . . 1
           . . . 1
          . . . . 1
         . . . . . 1
        . . . . . . A
    )") << true;
    QTest::newRow("group at the top corner touches only two sides") << QByteArray(R"(
              A
             1 1
            . . .
           . . . .
          . . . . .
         . . . . . .
        . . . . . . .
    )") << false;
    QTest::newRow("joined groups are judged at the joining cell") << QByteArray(R"(
              1
             1 .
            1 . .
           1 . . .
          A . . . .
         1 . . . . .
        1 1 1 1 1 1 .
    )") << true;
    QTest::newRow("other player's cell in between blocks") << QByteArray(R"(
              A
             1 .
            1 . .
           1 . . .
          2 . . . .
         1 . . . . .
        1 1 1 1 1 1 .
    )") << false;
    QTest::newRow("cells meeting only at a corner are not joined") << QByteArray(R"(
              A
             . 1
            1 . .
           1 . . .
          1 . . . .
         1 . . . . .
        1 . . . . . .
    )") << false;
    QTest::newRow("other player's winning group does not count") << QByteArray(R"(
              2
             2 .
            2 . .
           2 . . .
          2 . . . .
         2 . . A . .
        2 2 2 2 2 2 2
    )") << false;
}

void BoardModelTest::winSearch() {
    QFETCH(QByteArray, board);
    Grid g;
    Pos start{-100, -100};
    QVERIFY(parseBoard(board, g, start));
    QVERIFY(inTriangle(start.col, start.row));
    QTEST(wins(g, start.col, start.row), "wins");
}

// A full board always holds a winning group of exactly one player.
void BoardModelTest::everyFullBoardHasExactlyOneWinner() {
    std::mt19937 gen(12345);
    std::bernoulli_distribution coin(0.5);
    int playerOneWins = 0;
    for (int n = 0; n < 2000; ++n) {
        Grid g;
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c)
                g.set(c, r, coin(gen) ? cellPlayer1 : cellPlayer2);
        bool won[2] = {false, false};
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c)
                if (wins(g, c, r)) won[g.at(c, r) - cellPlayer1] = true;
        QVERIFY2(won[0] != won[1], qPrintable(QStringLiteral("board %1").arg(n)));
        if (won[0]) ++playerOneWins;
    }
    QVERIFY(playerOneWins > 0 && playerOneWins < 2000);
}

void BoardModelTest::winningGroup_data() {
    QTest::addColumn<QByteArray>("board");
    QTest::addColumn<int>("owner");

    QTest::newRow("an isolated cell beside the group stays out") << QByteArray(R"(
              W
             W .
            W . .
           W . 1 .
          W . . . .
         W . . . . .
        W . . . . . .
    )") << 2;
    QTest::newRow("a group touching two sides stays out") << QByteArray(R"(
              .
             . .
            V V V
           . . V .
          . . V . 2
         . . V . 2 2
        . . V . . 2 2
    )") << 3;
    QTest::newRow("a branch that reaches no side belongs to the group") << QByteArray(R"(
              .
             . .
            . . .
           W W W W
          . W W . .
         . . W . . .
        . . W . . . .
    )") << 2;
    QTest::newRow("two groups joined by a cell are one") << QByteArray(R"(
              W
             W .
            W . .
           W . . .
          W . . . .
         W . . . . .
        W W W W W W .
    )") << 2;
    QTest::newRow("no group touching three sides gives nothing") << QByteArray(R"(
              1
             1 1
            . . .
           . . . 1
          . . . . 1
         1 . . . . .
        1 1 1 . 1 1 1
    )") << 2;
    QTest::newRow("the opponent's winning group is not the owner's") << QByteArray(R"(
              2
             2 .
            2 . .
           2 . . .
          2 . . . .
         2 . . 1 . .
        2 2 2 2 2 2 2
    )") << 2;
}

void BoardModelTest::winningGroup() {
    QFETCH(QByteArray, board);
    QFETCH(int, owner);
    Grid g;
    std::vector<Pos> expected;
    QVERIFY(parseWinningBoard(board, g, expected));
    const std::vector<Pos> group = board::winningGroup(g, static_cast<CellState>(owner));
    QCOMPARE(group.size(), expected.size());
    for (std::size_t i = 0; i < group.size(); ++i) {
        QCOMPARE(group[i].col, expected[i].col);
        QCOMPARE(group[i].row, expected[i].row);
    }
}

// On any full board, the winning group is exactly the cells from which the win search finds a win.
void BoardModelTest::theWinningGroupOfEveryFullBoardHoldsTheCellsThatWin() {
    std::mt19937 gen(54321);
    std::bernoulli_distribution coin(0.5);
    for (int n = 0; n < 500; ++n) {
        Grid g;
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c)
                g.set(c, r, coin(gen) ? cellPlayer1 : cellPlayer2);
        for (const CellState owner : {cellPlayer1, cellPlayer2}) {
            Grid inGroup;
            for (const Pos& p : board::winningGroup(g, owner))
                inGroup.set(p.col, p.row, 1);
            for (int r = 0; r < kRows; ++r)
                for (int c = firstCol(r); c <= lastCol(r); ++c)
                    QCOMPARE(inGroup.at(c, r) == 1, g.at(c, r) == owner && wins(g, c, r));
        }
    }
}

QTEST_GUILESS_MAIN(BoardModelTest)
#include "tst_boardrules.moc"
