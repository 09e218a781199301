// Drawing the board, the turn display, game start, capturing a cell and the winner screen.
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"

#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <random>

using namespace board;
using fixture::colourOf;
using fixture::LoadedGame;

using fixture::rgb;

namespace {
// Sets one cell of the match's board, keeping the player on turn.
void setCell(GameWindow& w, int col, int row, std::uint8_t state) {
    Grid g = w.match().cells();
    g.set(col, row, state);
    w.match().setUp(g, w.match().playerOnTurn());
}

void fillFree(GameWindow& w) {
    w.match().setUp(freeGrid(), w.match().playerOnTurn());
}

// Rows of the triangle top to bottom, one character a cell: '.' free, '1' and '2' the players' cells.
void setBoard(GameWindow& w, const QStringList& rows) {
    Grid g = w.match().cells();
    for (int row = 0; row < kRows; ++row) {
        const QString cells = rows[row].simplified().remove(u' ');
        for (int col = firstCol(row); col <= lastCol(row); ++col) {
            const QChar c = cells[col - firstCol(row)];
            g.set(col, row, c == u'1' ? cellPlayer1 : c == u'2' ? cellPlayer2 : cellFree);
        }
    }
    w.match().setUp(g, w.match().playerOnTurn());
}

// Starts a game and puts it into the question phase of player p on (col, row) with the options drawn;
// the answer in rightSlot is the right one.
void questionOf(GameWindow& w, int p, int col, int row, int rightSlot = 2) {
    w.startGame();
    w.match().setUp(w.match().cells(), Player::fromNumber(p));
    Question q;
    for (int s = 1; s <= 4; ++s)
        q.answers[static_cast<std::size_t>(s)] = QStringLiteral("answer");
    q.rightSlot = static_cast<std::uint8_t>(rightSlot);
    w.match().setUpQuestion(Cell{col, row}, q);
    w.questionPanel().open();
    w.match().stopClock(); // the test moves the clock itself
}

QPoint centreOf(int col, int row) {
    const RectF r = cellRect(col, row);
    return {static_cast<int>(r.left + 32), static_cast<int>(r.top + 35)};
}

// The player on turn chooses a cell and answers right or wrong, all through the pointer; the animations
// pass at once.
void chooseAndAnswer(LoadedGame& g, int col, int row, bool right) {
    const QPoint cell = centreOf(col, row);
    g.press(cell.x(), cell.y());
    const Match& m = g.window->match();
    QCOMPARE(m.screen(), Screen::Question);
    const int slot = right ? m.question().rightSlot : m.question().rightSlot % 4 + 1;
    const QPoint option = QuestionPanel::optionRect(m.playerOnTurn(), slot).center().toPoint();
    g.press(option.x(), option.y());
}

// The fox's left edge but for (1, 3), and a fox cell (3, 3) that no cell of the edge touches.
const QStringList kFoxOneShortWithAStray{"1", "1.", "1..", "..1.", "1....", "1.....", "1......"};
// The owl's bottom row but for (3, 6), with the top cell: the bottom corners reach the other sides.
const QStringList kOwlOneShort{"2", "..", "...", "....", ".....", "......", "222.222"};

// New game from the menu, through its setup as last time.
void newGameFromTheMenu(LoadedGame& g) {
    g.press(400, 450);
    g.key(Qt::Key_Return);
}

// A position set up on the board shown, then its last capture played through the pointer.
void winFromTheBoard(LoadedGame& g, const QStringList& rows, Player onTurn, int col, int row, bool right) {
    setBoard(*g.window, rows);
    g.window->match().setUp(g.window->match().cells(), onTurn);
    g.window->refresh();
    chooseAndAnswer(g, col, row, right);
}

// Whether the bar holds ink of the names' colour between x0 and x1.
bool nameInkBetween(const QImage& frame, int x0, int x1) {
    for (int y = 96; y < 122; ++y)
        for (int x = x0; x < x1; ++x)
            if (QColor(frame.pixel(x, y)) == QColor(0, 80, 0)) return true;
    return false;
}

struct OptionBox {
    int x, y;
};
OptionBox optionBox(int side, int slot) {
    return {side == 1 ? 500 + 32 * (slot - 1) : 100 - 32 * (slot - 1), 180 + 54 * (slot - 1)};
}
} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void laterStatesLieOverEarlierOnes_data() {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::newRow("player 1 over free") << int(cellFree) << int(cellPlayer1);
        QTest::newRow("player 2 over player 1") << int(cellPlayer1) << int(cellPlayer2);
        QTest::newRow("highlight over player 2") << int(cellPlayer2) << int(cellHover);
    }
    void laterStatesLieOverEarlierOnes() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        for (bool upperAbove : {false, true}) {
            LoadedGame g;
            g.window->startGame();
            fillFree(*g.window);
            // (3, 2) lies above (3, 3); their pictures share the rows y 293 to 307 around x 416.
            // The highlight is the board's own: the pointer rests on a free cell.
            const auto stateOf = [](int s) {
                return static_cast<std::uint8_t>(s == cellHover ? cellFree : s);
            };
            setCell(*g.window, 3, 2, stateOf(upperAbove ? upper : lower));
            setCell(*g.window, 3, 3, stateOf(upperAbove ? lower : upper));
            if (upper == cellHover) g.moveTo(upperAbove ? 400 : 432, upperAbove ? 273 : 328);
            QCOMPARE(g.pixel(416, 300), rgb(upper));
        }
    }

    void theBoardPaintsThePlateAndOnlyTheTriangle() {
        LoadedGame g;
        g.window->startGame();
        fillFree(*g.window);
        QCOMPARE(g.pixel(130, 78), rgb(0));
        QCOMPARE(g.pixel(670, 572), rgb(0));
        // (0, 0) and (6, 5) are inside the square of the grid but not in the triangle.
        QCOMPARE(g.pixel(176 + 32, 128 + 35), rgb(0));
        QCOMPARE(g.pixel(176 + 32 + 64 * 6 + 32, 128 + 55 * 5 + 35), rgb(0));
        QCOMPARE(g.pixel(400, 163), rgb(1));
    }

    void cellsLieWhereTheirRectanglesSay_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("top cell") << 3 << 0 << 368 << 128;
        QTest::newRow("left end of row 5") << 0 << 5 << 208 << 403;
        QTest::newRow("bottom right corner") << 6 << 6 << 560 << 458;
    }
    void cellsLieWhereTheirRectanglesSay() {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, left);
        QFETCH(int, top);
        LoadedGame g;
        g.window->startGame();
        setCell(*g.window, col, row, cellPlayer1);
        QCOMPARE(g.pixel(left, top), rgb(2));
        QCOMPARE(g.pixel(left + 63, top + 69), rgb(2));
        QVERIFY(g.pixel(left - 1, top) != rgb(2));
        QVERIFY(g.pixel(left + 64, top + 69) != rgb(2));
        QVERIFY(g.pixel(left, top + 70) != rgb(2));
    }

    void cellsOutsideTheTriangleAreNeverPainted() {
        LoadedGame g;
        g.window->startGame();
        fillFree(*g.window);
        const QImage before = g.window->frame(1);
        for (auto [c, r] : {std::pair{-1, 5}, {4, 1}, {0, 0}, {6, 5}, {7, 6}, {-10, -10}, {18, 18}})
            setCell(*g.window, c, r, cellPlayer1);
        QCOMPARE(g.window->frame(1), before);
    }

    void openingAnimationOpensTheBackgroundInNineteenFrames() {
        LoadedGame g;
        int frame = 0;
        bool framesRight = true;
        g.platform->onRefresh = [&] {
            if (frame < 19) {
                const int i = 10 + 5 * frame;
                const QImage s = g.window->frame(1);
                // This frame's rectangle shows the background; just beyond it, the menu is still there.
                framesRight = framesRight && s.pixel(400 - 4 * i, 400 - 4 * i) == rgb(20) &&
                              s.pixel(400 + 4 * i - 1, 400 + 2 * i - 1) == rgb(20) &&
                              (i == 100 || s.pixel(400 + 4 * i, 400 + 2 * i) != rgb(20));
            }
            ++frame;
        };
        g.window->startGame();
        QVERIFY(framesRight);
        QVERIFY(g.platform->pauses.size() >= 19);
        QCOMPARE(std::vector<int>(g.platform->pauses.begin(), g.platform->pauses.begin() + 19),
                 std::vector<int>(19, 20));
        QCOMPARE(g.platform->pauses.size(), std::size_t(19));
        QCOMPARE(frame, 20); // 19 frames and the finished board
        QCOMPARE(g.window->match().screen(), Screen::Board);
        for (int row = 0; row < kRows; ++row)
            for (int col = firstCol(row); col <= lastCol(row); ++col)
                QCOMPARE(g.window->match().cells().at(col, row), cellFree);
    }

    void theFirstGameShowsPlayerTwoOnTurnOnTheLeft() {
        LoadedGame g(fixture::ProgramFolder::defaultQuestions(), {listedPicture(OnTurnFrame).fileName()});
        g.window->startGame();
        QCOMPARE(g.window->match().playerOnTurn().number(), 2);
        QCOMPARE(g.pixel(25, 60), rgb(9)); // large portrait of player 2
        // The small portrait of player 1, centred in its frame: from 675 to 768.
        QCOMPARE(g.pixel(676, 75), rgb(8));
        QCOMPARE(g.pixel(767, 75), rgb(8));
        QVERIFY(g.pixel(673, 75) != rgb(8));
        QCOMPARE(g.pixel(775, 158), rgb(20)); // where only a large right portrait would be
        QCOMPARE(g.pixel(785, 30), rgb(29));  // close control
    }

    // Names with descenders, bold and plain in turn: each redraw of the bar erases the last one whole,
    // descenders too, and they stay inside the bar (which ends at y 124).
    void theNameBarHoldsTheNamesWithTheirDescenders() {
        LoadedGame g;
        g.window->settings().name1Box().setText(QStringLiteral("gypsy jig"));
        g.window->settings().name2Box().setText(QStringLiteral("quipping Jy"));
        g.window->startGame();
        const auto turnTo = [&](int player) {
            g.window->match().setUp(g.window->match().cells(), Player::fromNumber(player));
            return g.window->frame(1).copy(153, 90, 495, 38);
        };
        const QImage fresh = turnTo(1);
        int lowest = -1;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                if (fresh.pixel(x, y) != rgb(Background) && fresh.pixel(x, y) != rgb(BoardPlate))
                    lowest = 90 + y;
        QVERIFY2(lowest > 112 && lowest < 124, qPrintable(QString::number(lowest)));
        turnTo(2);
        QCOMPARE(turnTo(1), fresh);
    }

    void theOnTurnFrameFollowsThePlayer() {
        for (int p : {1, 2}) {
            LoadedGame g;
            g.window->startGame();
            g.window->match().setUp(g.window->match().cells(), Player::fromNumber(p));
            QCOMPARE(g.pixel(p == 1 ? 700 : 80, 100), rgb(10));
            QVERIFY(g.pixel(p == 1 ? 80 : 700, 45) != rgb(10));
        }
    }

    void playerOnesNameEndsAtX647InTheFontItIsPrintedIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("player");
        QTest::newRow("short, bold") << QStringLiteral("Al") << 1;
        QTest::newRow("long, bold") << QStringLiteral("Žluťoučký Řehoř Novák") << 1;
        QTest::newRow("short, regular") << QStringLiteral("Al") << 2;
        QTest::newRow("long, regular") << QStringLiteral("Maximilian Wolfgang") << 2;
    }
    void playerOnesNameEndsAtX647InTheFontItIsPrintedIn() {
        QFETCH(QString, name);
        QFETCH(int, player);
        LoadedGame g;
        g.window->startGame();
        g.window->match().setUp(g.window->match().cells(), Player::fromNumber(player));
        g.window->settings().name2Box().setText(QString());
        const QImage without = g.window->frame(1);
        g.window->settings().name2Box().setText(name);
        // The rightmost ink is at x 647, give or take the glyph's edge smoothing.
        int rightmost = 0;
        const QImage with = g.window->frame(1);
        for (int y = 98; y < 118; ++y)
            for (int x = 600; x < 700; ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) rightmost = qMax(rightmost, x);
        QVERIFY2(rightmost >= 642 && rightmost <= 648, qPrintable(QString::number(rightmost)));
    }

    void anEmptyNamePrintsNothing() {
        LoadedGame g;
        g.window->startGame();
        g.window->settings().name1Box().setText(QString());
        const QImage shown = g.window->frame(1);
        for (int x = 154; x < 400; x += 3)
            for (int y = 98; y < 118; y += 2)
                QCOMPARE(shown.pixel(x, y), rgb(20));
    }

    // A highlight that comes and goes leaves no trace: the board is painted from its state, not
    // drawn over again and again.
    void aHighlightThatComesAndGoesLeavesTheBoardAsItWas() {
        LoadedGame g;
        g.window->startGame();
        const QImage before = g.window->frame(1);
        g.moveTo(400, 163);
        QVERIFY(g.window->frame(1) != before);
        g.moveTo(60, 560);
        QCOMPARE(g.window->frame(1), before);
    }

    void captures_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("growth");
        QTest::addColumn<int>("owner");
        QTest::addColumn<int>("nextPlayer");
        QTest::addColumn<QString>("sound");
        QTest::newRow("right answer of player 2 on (3, 3)")
            << 2 << 3 << 3 << true << 64 << 2 << 1 << "good.wav";
        QTest::newRow("wrong answer of player 1 on (0, 6)")
            << 1 << 0 << 6 << false << 48 << 2 << 1 << "bad.wav";
        QTest::newRow("right answer of player 1 on (2, 1)")
            << 1 << 2 << 1 << true << 20 << 1 << 2 << "good.wav";
        QTest::newRow("wrong answer of player 2 on (4, 4)")
            << 2 << 4 << 4 << false << 64 << 1 << 2 << "bad.wav";
    }
    void captures() {
        QFETCH(int, player);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(bool, right);
        QFETCH(int, growth);
        QFETCH(int, owner);
        QFETCH(int, nextPlayer);
        QFETCH(QString, sound);
        LoadedGame g;
        g.window->settings().toggleSound();
        // The answer is given in slot 2; the question's right slot makes it right or wrong.
        questionOf(*g.window, player, col, row, right ? 2 : 3);
        g.platform->clear();
        const RectF r = cellRect(col, row);
        std::vector<QRgb> firstAndLast;
        g.platform->onRefresh = [&] {
            if (g.platform->refreshes == 1 || g.platform->refreshes == 17) {
                // The new owner's large piece, grown by the zoom growth on the first frame.
                const double d = g.platform->refreshes == 1 ? growth : 0;
                firstAndLast.push_back(
                    g.window->frame(1).pixel(int(r.left - d / 2 + 1), int(r.top - d / 2 + 1)));
            }
        };
        g.window->resolveAnswer(2);
        QCOMPARE(g.platform->sounds, QStringList{sound});
        QCOMPARE(g.window->match().playerOnTurn().number(), nextPlayer);
        QCOMPARE(int(g.window->match().cells().at(col, row)), owner + 1);
        QCOMPARE(firstAndLast, (std::vector<QRgb>{rgb(5 + owner), rgb(5 + owner)}));
        std::vector<int> pauses{500};
        pauses.insert(pauses.end(), 16, 40);
        pauses.push_back(100);
        QCOMPARE(g.platform->pauses, pauses);
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QCOMPARE(g.pixel(int(r.left + 32), int(r.top + 35)), rgb(owner + 1));
        QCOMPARE(g.pixel(10, 300), rgb(20)); // the question band is cleared
    }

    void optionsVanishFromTheFourthUpwardsDuringTheCapture_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("time-out on (2, 1), growth 20") << 0 << 2 << 1;
        QTest::newRow("option 3 clicked on (3, 3)") << 3 << 3 << 3;
        QTest::newRow("option 1 clicked on (3, 0)") << 1 << 3 << 0;
    }
    // The chosen option and, after a wrong answer or a time-out, the right one (slot 2 here) stay to
    // the end; the others vanish one a quarter of the animation.
    void optionsVanishFromTheFourthUpwardsDuringTheCapture() {
        QFETCH(int, slot);
        QFETCH(int, col);
        QFETCH(int, row);
        LoadedGame g;
        questionOf(*g.window, 1, col, row, 2); // every answer tried here is wrong
        QVERIFY(slot != g.window->match().question().rightSlot);
        g.platform->clear();
        // For every refresh, which of the four options are cleared to the background.
        std::vector<QString> frames;
        g.platform->onRefresh = [&] {
            QString cleared;
            for (int s = 1; s <= 4; ++s) {
                const OptionBox b = optionBox(1, s);
                if (g.window->frame(1).pixel(b.x + 199, b.y + 46) == rgb(20)) cleared += QString::number(s);
            }
            frames.push_back(cleared);
        };
        g.window->resolveAnswer(slot);
        QVERIFY(frames.size() >= 18);
        QString expected; // cleared so far, frame by frame
        for (int f = 1; f <= 17; ++f) {
            const int k = f == 2 ? 4 : f == 6 ? 3 : f == 10 ? 2 : f == 14 ? 1 : 0;
            if (k && k != slot && k != 2) expected += QString::number(k);
            QString sorted = expected;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(frames[static_cast<std::size_t>(f - 1)], sorted);
        }
        QCOMPARE(frames[17], QStringLiteral("1234")); // the clicked and the right option go after it
    }

    void theQuestionPanelIsRepairedOnlyOnTheAnsweringPlayersSide() {
        for (int p : {1, 2}) {
            LoadedGame g;
            questionOf(*g.window, p, 1, 4, 1); // the answer in slot 1 is right
            g.platform->clear();
            bool repaired = true, coveredByPiece = true;
            g.platform->onRefresh = [&] {
                if (g.platform->refreshes > 17) return;
                const QRgb px = g.window->frame(1).pixel(240, 340);
                repaired = repaired && px == rgb(23);
                coveredByPiece = coveredByPiece && px != rgb(23);
            };
            g.window->resolveAnswer(1);
            if (p == 1)
                QVERIFY(repaired);
            else
                QVERIFY(coveredByPiece);
        }
    }

    void wins_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("winner");
        QTest::newRow("chain from the top to the bottom")
            << QStringList{"1", "1.", "1..", ".1..", ".1...", ".1....", ".1....."} << 3 << 0 << 1;
        QTest::newRow("the left edge")
            << QStringList{"2", "2.", "2..", "2...", "2....", "2.....", "2......"} << 0 << 6 << 2;
        QTest::newRow("the bottom row")
            << QStringList{".", "..", "...", "....", ".....", "......", "1111111"} << 3 << 6 << 1;
        QTest::newRow("left and bottom only")
            << QStringList{".", "..", "...", "1...", "1....", "1.....", "1......"} << 1 << 3 << 0;
        QTest::newRow("two groups not yet joined")
            << QStringList{"2", ".2", "..2", "...2", "....2", ".....2", "22222.."} << 5 << 5 << 0;
        QTest::newRow("the joining cell completes")
            << QStringList{"2", ".2", "..2", "...2", "....2", ".....2", "222222."} << 5 << 6 << 2;
        QTest::newRow("the other player's cell blocks")
            << QStringList{"2", ".2", "..2", "...2", "....2", ".....2", "222221."} << 5 << 5 << 0;
    }
    void wins() {
        QFETCH(QStringList, rows);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, winner);
        LoadedGame g;
        g.window->settings().toggleSound();
        g.window->startGame();
        setBoard(*g.window, rows);
        g.window->refresh();
        g.window->match().setUpScreen(Screen::Board);
        g.platform->clear();
        g.window->checkWinnerAt(Cell{col, row});
        QCOMPARE(g.window->match().screen(), winner ? Screen::Winner : Screen::Board);
        QCOMPARE(g.platform->sounds, winner ? QStringList{QStringLiteral("winner.wav")} : QStringList{});
        QCOMPARE(g.platform->pauses, winner ? std::vector<int>{1000} : std::vector<int>{});
        if (!winner) return;
        QCOMPARE(g.pixel(300, 480), rgb(12 + winner + 1));
        // Every cell of the winner carries the mark, the loser's do not.
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c) {
                const RectF cr = cellRect(c, r);
                const bool mine = g.window->match().cells().at(c, r) == winner + 1;
                if (mine &&
                    (cr.left + 80 < 268 || cr.left - 16 > 533 || cr.top - 16 > 506 || cr.top + 86 < 300))
                    QCOMPARE(g.pixel(int(cr.left - 15), int(cr.top - 15)), rgb(19));
            }
    }

    void theWinnerScreenShowsTheCaptionOfTheLanguageAndTheName() {
        for (bool czech : {false, true}) {
            LoadedGame g;
            if (czech) g.window->switchLanguage();
            g.window->settings().name2Box().setText(QStringLiteral("Winnie"));
            g.window->startGame();
            setBoard(*g.window, {"1", ".1", "..1", "...1", "....1", ".....1", "......1"});
            g.window->checkWinnerAt(Cell{6, 6});
            QCOMPARE(g.pixel(290, 340), czech ? fixture::czechCaptionColour().rgb() : rgb(13));
            bool white = false, grey = false;
            const QImage shown = g.window->frame(1);
            for (int y = 410; y < 450; ++y)
                for (int x = 330; x < 470; ++x) {
                    white = white || shown.pixel(x, y) == qRgb(255, 255, 255);
                    grey = grey || shown.pixel(x, y) == qRgb(80, 80, 80);
                }
            QVERIFY(white && grey);
        }
    }

    void wholeGamesEndWithOneWinnerAndTheLoserBeginsTheNext() {
        LoadedGame g;
        std::mt19937 random(7);
        for (int game = 0; game < 6; ++game) {
            g.press(400, 450);     // new game from the menu
            g.key(Qt::Key_Return); // the setup: as last time
            QCOMPARE(g.window->match().screen(), Screen::Board);
            int captures = 0;
            while (g.window->match().screen() == Screen::Board && captures < 28) {
                std::vector<Pos> free;
                for (int row = 0; row < kRows; ++row)
                    for (int col = firstCol(row); col <= lastCol(row); ++col)
                        if (g.window->match().cells().at(col, row) == cellFree) free.push_back({col, row});
                QVERIFY(!free.empty());
                const Pos cell = free[random() % free.size()];
                const RectF r = cellRect(cell.col, cell.row);
                g.press(int(r.left + 32), int(r.top + 35));
                QCOMPARE(g.window->match().screen(), Screen::Question);
                const int side = g.window->match().playerOnTurn().number();
                QVERIFY(side == 1 || side == 2);
                const int rightSlot = g.window->match().question().rightSlot;
                const int slot = random() % 2 ? rightSlot : rightSlot % 4 + 1;
                const int x = side == 1 ? 600 + 32 * (slot - 1) : 200 - 32 * (slot - 1);
                g.press(x, 200 + 54 * (slot - 1));
                ++captures;
            }
            QCOMPARE(g.window->match().screen(), Screen::Winner);
            // Exactly one player has a winning group; the other is on turn for the next game.
            int winners = 0, winner = 0;
            for (int row = 0; row < kRows; ++row)
                for (int col = firstCol(row); col <= lastCol(row); ++col)
                    if (board::wins(g.window->match().cells(), col, row) &&
                        winner != g.window->match().cells().at(col, row)) {
                        ++winners;
                        winner = g.window->match().cells().at(col, row);
                    }
            QCOMPARE(winners, 1);
            QCOMPARE(g.window->match().playerOnTurn().number(), 3 - (winner - 1));
            g.press(785, 30); // close control, no question
            QCOMPARE(g.window->match().screen(), Screen::Menu);
        }
        QVERIFY(g.platform->prompts.isEmpty());
    }

    // The options of the left panel lie over the board's plate: erasing one during the capture puts
    // back the plate that lay under it, not a hole of bare background.
    void anErasedOptionShowsTheBoardThatLayUnderIt() {
        LoadedGame g;
        questionOf(*g.window, 2, 3, 3, 2);
        g.platform->clear();
        QRgb onPlate = 0, offPlate = 0;
        g.platform->onRefresh = [&] {
            if (g.platform->refreshes == 2) { // the frame that erases option 4
                onPlate = g.pixel(180, 360);
                offPlate = g.pixel(50, 360);
            }
        };
        g.window->resolveAnswer(0);
        QCOMPARE(onPlate, rgb(BoardPlate));
        QCOMPARE(offPlate, rgb(Background));
    }

    // Long names shrink, then end in an ellipsis: they stay within their half of the name strip and
    // within the winner card.
    void longNamesFitTheStripAndTheWinnerCard() {
        LoadedGame g;
        const QString longName =
            QStringLiteral("Maximilian Alexander von Hohenzollern-Sigmaringen the Third");
        g.window->settings().name1Box().setText(longName);
        g.window->settings().name2Box().setText(longName);
        g.window->startGame();
        const QColor nameColour(0, 80, 0);
        int leftmost = 800, rightmost = 0, firstNameEnd = 0, secondNameStart = 800;
        const QImage board = g.window->frame(1);
        for (int y = 96; y < 122; ++y)
            for (int x = 0; x < 800; ++x)
                if (QColor(board.pixel(x, y)) == nameColour) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                    if (x < 400)
                        firstNameEnd = std::max(firstNameEnd, x);
                    else
                        secondNameStart = std::min(secondNameStart, x);
                }
        QVERIFY(leftmost >= 153 && rightmost <= 647);
        QVERIFY2(firstNameEnd < 153 + 245 && secondNameStart > 647 - 245,
                 qPrintable(QStringLiteral("%1 %2").arg(firstNameEnd).arg(secondNameStart)));
        // The winner's name in white stays on the card (268 to 533).
        setBoard(*g.window, {"1", ".1", "..1", "...1", "....1", ".....1", "......1"});
        g.window->checkWinnerAt(Cell{6, 6});
        int whiteLeft = 800, whiteRight = 0;
        const QImage winner = g.window->frame(1);
        for (int y = 405; y < 460; ++y)
            for (int x = 0; x < 800; ++x)
                if (winner.pixel(x, y) == qRgb(255, 255, 255)) {
                    whiteLeft = std::min(whiteLeft, x);
                    whiteRight = std::max(whiteRight, x);
                }
        QVERIFY(whiteRight > whiteLeft);
        QVERIFY2(whiteLeft >= 268 && whiteRight <= 533,
                 qPrintable(QStringLiteral("%1 %2").arg(whiteLeft).arg(whiteRight)));
    }

    void onlyTheWinningGroupIsRingedAndTheWinnerStandsOut();
    void aKeyPlaysAgainWithTheLoserBeginning_data();
    void aKeyPlaysAgainWithTheLoserBeginning();
    void escapeOnTheWinnerScreenStillReturnsToTheMenu();
    void theRestOfTheWinnerScreenIgnoresThePointer_data();
    void theRestOfTheWinnerScreenIgnoresThePointer();
    void thePlayAgainButtonLightsUnderThePointerAndAClickPlaysAgain_data();
    void thePlayAgainButtonLightsUnderThePointerAndAClickPlaysAgain();
    void theScoreCountsTheGamesSinceTheStartAndShowsInTheNameBar();

    void theOpponentWinsThroughAWrongAnswer() {
        LoadedGame g;
        questionOf(*g.window, 1, 6, 6, 2); // the answer in slot 3 is wrong
        setBoard(*g.window, {"2", ".2", "..2", "...2", "....2", ".....2", "1......"});
        g.window->resolveAnswer(3);
        QCOMPARE(g.window->match().screen(), Screen::Winner);
        QCOMPARE(g.window->match().playerOnTurn().number(), 1); // the loser begins the next game
        QCOMPARE(g.pixel(300, 480), rgb(15));
    }
};

void TestBoard::onlyTheWinningGroupIsRingedAndTheWinnerStandsOut() {
    LoadedGame g;
    newGameFromTheMenu(g); // the owl begins
    QCOMPARE(g.window->match().playerOnTurn(), Player::owl());
    // The owl's wrong answer hands (1, 3) to the fox, which joins its left edge.
    winFromTheBoard(g, kFoxOneShortWithAStray, Player::owl(), 1, 3, false);
    QCOMPARE(g.window->match().screen(), Screen::Winner);
    QCOMPARE(g.window->match().winner(), Player::fox());
    // The top cell's ring reaches over the name bar; the stray cell (3, 3) has none above its right
    // shoulder, where the free cell (4, 2) shows.
    QCOMPARE(g.pixel(353, 113), rgb(WinnerRing));
    QCOMPARE(g.pixel(470, 283), rgb(FreeCell));
    QCOMPARE(g.window->match().cells().at(3, 3), cellPlayer1);
    // The winner's portrait glows, not the loser's, though the loser begins the next game.
    QCOMPARE(g.window->match().playerOnTurn(), Player::owl());
    QCOMPARE(g.pixel(700, 100), rgb(OnTurnFrame));
    QVERIFY(g.pixel(80, 45) != rgb(OnTurnFrame));
    QCOMPARE(g.pixel(400, 535), fixture::playAgainLookColour(0).rgb());
}

void TestBoard::aKeyPlaysAgainWithTheLoserBeginning_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}
void TestBoard::aKeyPlaysAgainWithTheLoserBeginning() {
    QFETCH(int, key);
    LoadedGame g;
    g.window->settings().toggleSound();
    newGameFromTheMenu(g);
    setBoard(*g.window, kFoxOneShortWithAStray);
    g.press(centreOf(1, 3).x(), centreOf(1, 3).y());
    const int wrong = g.window->match().question().rightSlot % 4 + 1;
    const QPoint option = QuestionPanel::optionRect(Player::owl(), wrong).center().toPoint();
    g.platform->holdPauses = true;
    g.press(option.x(), option.y());
    // Up to the pause before the card: a key then is dropped, not kept for the card.
    while (g.window->match().screen() != Screen::Winner && g.platform->runPause()) {
    }
    QCOMPARE(g.window->match().screen(), Screen::Winner);
    QVERIFY(g.window->animation().isPlaying());
    g.key(static_cast<Qt::Key>(key));
    QCOMPARE(g.window->match().screen(), Screen::Winner);
    g.platform->runAllPauses();
    QVERIFY(!g.window->animation().isPlaying());
    g.platform->clear();
    g.key(static_cast<Qt::Key>(key));
    QCOMPARE(g.window->match().screen(), Screen::Board);
    QCOMPARE(g.window->match().playerOnTurn(), Player::owl());
    QVERIFY(g.window->match().cells() == freeGrid());
    QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("select.wav")});
    QVERIFY(g.platform->pending.empty()); // no opening: the board is there at once
    // The board as a new game shows it: the owl framed, no ring, no card, no button.
    QCOMPARE(g.pixel(80, 100), rgb(OnTurnFrame));
    QCOMPARE(g.pixel(353, 113), rgb(Background));
    QCOMPARE(g.pixel(400, 535), rgb(BoardPlate));
}

void TestBoard::escapeOnTheWinnerScreenStillReturnsToTheMenu() {
    LoadedGame g;
    newGameFromTheMenu(g);
    winFromTheBoard(g, kFoxOneShortWithAStray, Player::owl(), 1, 3, false);
    g.key(Qt::Key_Escape);
    QCOMPARE(g.window->match().screen(), Screen::Menu);
    QVERIFY(g.platform->prompts.isEmpty());
}

void TestBoard::theRestOfTheWinnerScreenIgnoresThePointer_data() {
    QTest::addColumn<QPoint>("at");
    QTest::newRow("the card") << QPoint(400, 400);
    QTest::newRow("a free cell") << centreOf(6, 6);
    QTest::newRow("a ringed cell") << centreOf(0, 6);
    QTest::newRow("the winner's portrait") << QPoint(700, 100);
    QTest::newRow("the loser's portrait") << QPoint(80, 100);
    QTest::newRow("the name bar") << QPoint(400, 110);
    QTest::newRow("left of the button") << QPoint(299, 535);
    QTest::newRow("right of the button") << QPoint(500, 535);
    QTest::newRow("above the button") << QPoint(400, 511);
    QTest::newRow("below the button") << QPoint(400, 558);
}
void TestBoard::theRestOfTheWinnerScreenIgnoresThePointer() {
    QFETCH(QPoint, at);
    LoadedGame g;
    newGameFromTheMenu(g);
    winFromTheBoard(g, kFoxOneShortWithAStray, Player::owl(), 1, 3, false);
    g.moveTo(20, 590);
    const QImage before = g.window->frame(1);
    g.platform->clear();
    g.moveTo(at.x(), at.y());
    g.press(at.x(), at.y());
    QCOMPARE(g.window->match().screen(), Screen::Winner);
    QCOMPARE(g.window->frame(1), before);
    QVERIFY(g.platform->sounds.isEmpty());
}

void TestBoard::thePlayAgainButtonLightsUnderThePointerAndAClickPlaysAgain_data() {
    QTest::addColumn<bool>("czech");
    QTest::newRow("English") << false;
    QTest::newRow("Czech") << true;
}
void TestBoard::thePlayAgainButtonLightsUnderThePointerAndAClickPlaysAgain() {
    QFETCH(bool, czech);
    LoadedGame g;
    if (czech) g.press(620, 160); // the language item
    newGameFromTheMenu(g);
    winFromTheBoard(g, kFoxOneShortWithAStray, Player::owl(), 1, 3, false);
    const int look = czech ? 2 : 0;
    g.moveTo(20, 590);
    QCOMPARE(g.pixel(400, 535), fixture::playAgainLookColour(look).rgb());
    g.moveTo(301, 513);
    QCOMPARE(g.pixel(400, 535), fixture::playAgainLookColour(look + 1).rgb());
    g.moveTo(400, 570);
    QCOMPARE(g.pixel(400, 535), fixture::playAgainLookColour(look).rgb());
    // A right button only lights it.
    g.press(400, 535, Qt::RightButton);
    QCOMPARE(g.window->match().screen(), Screen::Winner);
    QCOMPARE(g.pixel(400, 535), fixture::playAgainLookColour(look + 1).rgb());
    g.press(400, 535);
    QCOMPARE(g.window->match().screen(), Screen::Board);
    QCOMPARE(g.window->match().playerOnTurn(), Player::owl());
    QVERIFY(g.window->match().cells() == freeGrid());
}

// Three games in a row, each played again from the winner screen: the wins add up on each side, and
// the loser of each game begins the next.
void TestBoard::theScoreCountsTheGamesSinceTheStartAndShowsInTheNameBar() {
    LoadedGame g;
    g.window->settings().name1Box().setText(QStringLiteral("Ada"));
    g.window->settings().name2Box().setText(QStringLiteral("Bob"));
    newGameFromTheMenu(g);
    const Match& m = g.window->match();
    QVERIFY(!nameInkBetween(g.window->frame(1), 360, 440)); // no score before a game is won

    // The owl answers wrong: the fox wins, and the owl begins again.
    QCOMPARE(m.playerOnTurn(), Player::owl());
    winFromTheBoard(g, kFoxOneShortWithAStray, Player::owl(), 1, 3, false);
    QCOMPARE(m.winner(), Player::fox());
    QCOMPARE(m.score().winsOf(Player::owl()), 0);
    QCOMPARE(m.score().winsOf(Player::fox()), 1);
    const QImage firstWin = g.window->frame(1);
    QVERIFY(nameInkBetween(firstWin, 370, 400) && nameInkBetween(firstWin, 400, 430));
    g.key(Qt::Key_Return);
    QCOMPARE(m.playerOnTurn(), Player::owl());
    QCOMPARE(m.score().winsOf(Player::fox()), 1); // kept into the next game

    // The owl answers right and wins: the fox begins.
    winFromTheBoard(g, kOwlOneShort, Player::owl(), 3, 6, true);
    QCOMPARE(m.winner(), Player::owl());
    QCOMPARE(m.score().winsOf(Player::owl()), 1);
    QCOMPARE(m.score().winsOf(Player::fox()), 1);
    g.press(400, 535);
    QCOMPARE(m.playerOnTurn(), Player::fox());

    // The fox answers wrong: the owl wins again, and the fox begins.
    winFromTheBoard(g, kOwlOneShort, Player::fox(), 3, 6, false);
    QCOMPARE(m.winner(), Player::owl());
    QCOMPARE(m.score().winsOf(Player::owl()), 2);
    QCOMPARE(m.score().winsOf(Player::fox()), 1);
    g.key(Qt::Key_Space);
    QCOMPARE(m.screen(), Screen::Board);
    QCOMPARE(m.playerOnTurn(), Player::fox());
    QVERIFY(nameInkBetween(g.window->frame(1), 370, 430));

    // Through the menu with the same names the score stays; a new name starts it again.
    g.platform->answers = {true};
    g.key(Qt::Key_Escape);
    QCOMPARE(m.screen(), Screen::Menu);
    newGameFromTheMenu(g);
    QCOMPARE(m.score().winsOf(Player::owl()), 2);
    g.platform->answers = {true};
    g.key(Qt::Key_Escape);
    g.window->settings().name2Box().setText(QStringLiteral("Cyril"));
    newGameFromTheMenu(g);
    QCOMPARE(m.score().winsOf(Player::owl()), 0);
    QCOMPARE(m.score().winsOf(Player::fox()), 0);
    QVERIFY(!nameInkBetween(g.window->frame(1), 360, 440));
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
