// The computer at the board through the window: a game between two computers plays itself to the end,
// and a person's clicks and keys during the computer's turn change nothing.
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "settingscontrols.h"

#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

using namespace board;
using fixture::LoadedGame;

namespace {
QPoint centreOf(Cell c) {
    const RectF r = cellRect(c.col, c.row);
    return {static_cast<int>(r.left + 32), static_cast<int>(r.top + 35)};
}
Cell firstFree(const Match& m) {
    for (int row = kRows - 1; row >= 0; --row)
        for (int col = firstCol(row); col <= lastCol(row); ++col)
            if (m.cells().at(col, row) == cellFree) return {col, row};
    return {};
}
} // namespace

class TestComputer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // Each test begins with two people, as a first start does.
    void init() {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                      QStringLiteral("/players.txt"));
    }

    void twoComputersPlayAWholeGameWithoutInput() {
        LoadedGame g;
        GameWindow& w = *g.window;
        PlayerSetup both;
        both.setComputer(Player::fox().number(), computer::Level::Easy);
        both.setComputer(Player::owl().number(), computer::Level::Medium);
        w.settings().applyPlayers(both);
        w.computerTurn().setFixedAnswerDelay(0);
        w.startGame();
        QTRY_VERIFY_WITH_TIMEOUT(w.match().screen() == Screen::Winner, 60000);
        QVERIFY(w.match().winner().has_value());
        QVERIFY(g.platform->prompts.isEmpty());
        // Unnamed, each side is called by what plays it.
        QCOMPARE(w.nameOf(Player::fox()), QStringLiteral("Computer (easy)"));
        QCOMPARE(w.nameOf(Player::owl()), QStringLiteral("Computer (medium)"));
    }

    void aPersonsClicksAndKeysDuringTheComputersTurnChangeNothing() {
        LoadedGame g;
        GameWindow& w = *g.window;
        PlayerSetup setup;
        setup.setComputer(Player::fox().number(), computer::Level::Easy);
        w.settings().applyPlayers(setup);
        w.settings().name2Box().setText(QStringLiteral("Rex")); // a name of its own stays
        w.computerTurn().setFixedAnswerDelay(60000);            // the computer's answer waits for the test
        w.startGame();
        QCOMPARE(w.match().playerOnTurn(), Player::owl()); // a person begins
        QVERIFY(w.cursor().shape() == Qt::ArrowCursor);
        // The owl answers right: the turn passes to the computer.
        const Cell mine = firstFree(w.match());
        g.press(centreOf(mine).x(), centreOf(mine).y());
        QCOMPARE(w.match().screen(), Screen::Question);
        const QPoint right =
            QuestionPanel::optionRect(Player::owl(), w.match().question().rightSlot).center().toPoint();
        w.computerTurn().pause(); // the computer's cell is held back while the person tries
        g.press(right.x(), right.y());
        QCOMPARE(w.match().screen(), Screen::Board);
        QCOMPARE(w.match().playerOnTurn(), Player::fox());
        QVERIFY(w.cursor().shape() == Qt::BusyCursor);
        QTRY_VERIFY(w.computerTurn().isCellHeldBack());
        const Cell other = firstFree(w.match());
        g.press(centreOf(other).x(), centreOf(other).y());
        g.key(Qt::Key_Down);
        g.key(Qt::Key_Return);
        QCOMPARE(w.match().screen(), Screen::Board);
        QCOMPARE(w.boardView().hoveredCell(), Cell{});
        w.computerTurn().resume();
        QTRY_COMPARE(w.match().screen(), Screen::Question);
        // The computer's question: the person's answers are not taken.
        for (int slot = 1; slot <= 4; ++slot) {
            const QPoint p = QuestionPanel::optionRect(Player::fox(), slot).center().toPoint();
            g.press(p.x(), p.y());
        }
        g.key(Qt::Key_1);
        QCOMPARE(w.match().screen(), Screen::Question);
        QCOMPARE(w.questionPanel().hoveredSlot(), 0);
        QVERIFY(w.computerTurn().isAnswerPending());
        QCOMPARE(w.nameOf(Player::fox()), QStringLiteral("Rex"));
        // Escape still asks, and the computer's thinking stands still meanwhile.
        bool thinkingUnder = true;
        g.platform->onAsk = [&] { thinkingUnder = w.computerTurn().answerTimer().isActive(); };
        g.key(Qt::Key_Escape);
        QCOMPARE(g.platform->prompts.size(), 1);
        QVERIFY(!thinkingUnder);
        QVERIFY(w.computerTurn().answerTimer().isActive());
    }

    // The person wins; the computer, having lost, begins the next game as soon as it is asked for.
    void playingAgainAfterTheComputerLostStartsItsTurn() {
        LoadedGame g;
        GameWindow& w = *g.window;
        PlayerSetup setup;
        setup.setComputer(Player::fox().number(), computer::Level::Easy);
        w.settings().applyPlayers(setup);
        w.computerTurn().setFixedAnswerDelay(60000); // the computer's answer waits for the test
        g.press(400, 450);
        g.key(Qt::Key_Return); // the setup: as last time
        QCOMPARE(w.match().playerOnTurn(), Player::owl());
        // The owl's left edge but for the bottom corner: a right answer there wins.
        Grid board = w.match().cells();
        for (int row = 0; row < kRows - 1; ++row)
            board.set(firstCol(row), row, cellPlayer2);
        w.match().setUp(board, Player::owl());
        g.press(centreOf({0, 6}).x(), centreOf({0, 6}).y());
        const QPoint right =
            QuestionPanel::optionRect(Player::owl(), w.match().question().rightSlot).center().toPoint();
        g.press(right.x(), right.y());
        QCOMPARE(w.match().screen(), Screen::Winner);
        QCOMPARE(w.match().winner(), Player::owl());
        QVERIFY(w.cursor().shape() == Qt::ArrowCursor); // the winner screen is the person's
        g.key(Qt::Key_Return);
        QCOMPARE(w.match().screen(), Screen::Board);
        QCOMPARE(w.match().playerOnTurn(), Player::fox());
        QVERIFY(w.cursor().shape() == Qt::BusyCursor);
        // Nobody else chooses: the computer's search must have begun with the new board.
        QTRY_COMPARE(w.match().screen(), Screen::Question);
        QCOMPARE(w.match().playerOnTurn(), Player::fox());
        QVERIFY(w.computerTurn().isAnswerPending());
    }

    void theSwitchesCycleThroughTheLevelsAndAreKept() {
        LoadedGame g;
        GameWindow& w = *g.window;
        w.settings().show();
        StepButton& fox = w.settings().playerSwitch(Player::fox());
        QCOMPARE(fox.text(), QStringLiteral("Person"));
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(&fox, Qt::LeftButton);
            seen << fox.text();
        }
        QCOMPARE(seen, (QStringList{QStringLiteral("PC – easy"), QStringLiteral("PC – medium"),
                                    QStringLiteral("PC – hard"), QStringLiteral("Person")}));
        QTest::mouseClick(&w.settings().playerSwitch(Player::owl()), Qt::LeftButton);
        w.leaveHelpOrSettings();
        w.unload();
        // The next start reads the choice back; n.dat keeps its six lines.
        FakePlatform platform;
        GameWindow again(platform, g.folder->path());
        QVERIFY(again.load());
        QVERIFY(again.settings().players().isComputer(Player::owl().number()));
        QVERIFY(!again.settings().players().isComputer(Player::fox().number()));
        QFile n(g.folder->file(QStringLiteral("n.dat")));
        QVERIFY(n.open(QIODevice::ReadOnly));
        QCOMPARE(n.readAll().count("\r\n"), 6);
        again.unload();
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
