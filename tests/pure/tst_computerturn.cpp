// The computer's turn on the event loop: the cell arrives through the loop while the search runs on
// its own thread, a cancelled or destroyed search says nothing, and the answer waits out its delay.
#include "computerturn.h"

#include <QtTest>

using namespace board;
using computer::Level;

namespace {
computer::SearchLimits fewIterations() {
    computer::SearchLimits l;
    l.iterations = 200;
    return l;
}

// A search that would take far longer than any test: only a cancel ends it early.
computer::SearchLimits longSearch() {
    computer::SearchLimits l;
    l.timeMs = 60'000;
    l.iterations = computer::SearchLimits::kMaxIterations;
    return l;
}

constexpr int kGenerous = 10'000; // ms; a loaded machine may be slow, the tests never wait this long
} // namespace

class ComputerTurnTest : public QObject {
    Q_OBJECT
private slots:
    void theCellArrivesThroughTheEventLoop() {
        ComputerTurn turn(1);
        QSignalSpy chosen(&turn, &ComputerTurn::cellChosen);
        Grid g = freeGrid();
        g.set(3, 3, cellPlayer1);
        QVERIFY(turn.chooseCell(g, 2, Level::Hard, fewIterations()));
        QVERIFY(turn.isChoosingCell());
        QCOMPARE(chosen.count(), 0); // never emitted from inside the call
        QTRY_COMPARE_WITH_TIMEOUT(chosen.count(), 1, kGenerous);
        const Cell cell = chosen.front().front().value<Cell>();
        QCOMPARE(g.at(cell.col, cell.row), cellFree);
        QVERIFY(!turn.isChoosingCell());
    }

    void theEventLoopRunsWhileTheSearchDoes() {
        ComputerTurn turn(2);
        QSignalSpy chosen(&turn, &ComputerTurn::cellChosen);
        QVERIFY(turn.chooseCell(freeGrid(), 1, Level::Hard, longSearch()));
        bool timerFired = false;
        QTimer::singleShot(1, this, [&] { timerFired = true; });
        QTRY_VERIFY_WITH_TIMEOUT(timerFired, kGenerous);
        QVERIFY(turn.isChoosingCell());
        QCOMPARE(chosen.count(), 0);
        turn.cancel();
        QVERIFY(!turn.isChoosingCell());
    }

    void aCancelledSearchEmitsNothing() {
        ComputerTurn turn(3);
        QSignalSpy chosen(&turn, &ComputerTurn::cellChosen);
        QVERIFY(turn.chooseCell(freeGrid(), 1, Level::Hard, longSearch()));
        turn.cancel();
        // Short searches often finish before the cancel: their queued cells must be dropped too.
        for (int n = 0; n < 50; ++n) {
            QVERIFY(turn.chooseCell(freeGrid(), 1 + n % 2, Level::Medium, fewIterations()));
            turn.cancel();
        }
        QVERIFY(!chosen.wait(100));
        QCOMPARE(chosen.count(), 0);
    }

    void aCellHeldByAPauseIsDroppedByACancel() {
        ComputerTurn turn(4);
        QSignalSpy chosen(&turn, &ComputerTurn::cellChosen);
        turn.pause();
        QVERIFY(turn.chooseCell(freeGrid(), 1, Level::Medium, fewIterations()));
        QTRY_VERIFY_WITH_TIMEOUT(turn.isCellHeldBack(), kGenerous);
        turn.cancel();
        turn.resume();
        QCoreApplication::processEvents();
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!turn.isChoosingCell());
    }

    void aPausedSearchDeliversItsCellOnResume() {
        ComputerTurn turn(5);
        QSignalSpy chosen(&turn, &ComputerTurn::cellChosen);
        turn.pause();
        QVERIFY(turn.chooseCell(freeGrid(), 2, Level::Hard, fewIterations()));
        QTRY_VERIFY_WITH_TIMEOUT(turn.isCellHeldBack(), kGenerous);
        QCOMPARE(chosen.count(), 0);
        turn.resume();
        QCOMPARE(chosen.count(), 1);
    }

    void destroyingTheTurnMidSearchEmitsNothing() {
        int cells = 0;
        auto* turn = new ComputerTurn(6);
        connect(turn, &ComputerTurn::cellChosen, this, [&] { ++cells; });
        QVERIFY(turn->chooseCell(freeGrid(), 1, Level::Hard, longSearch()));
        delete turn;
        // A quick search whose cell is already queued when the object goes.
        turn = new ComputerTurn(7);
        connect(turn, &ComputerTurn::cellChosen, this, [&] { ++cells; });
        QVERIFY(turn->chooseCell(freeGrid(), 1, Level::Medium, fewIterations()));
        delete turn;
        QCoreApplication::processEvents();
        QCOMPARE(cells, 0);
    }

    void aNewSearchReplacesTheOneRunning() {
        ComputerTurn turn(8);
        QSignalSpy chosen(&turn, &ComputerTurn::cellChosen);
        QVERIFY(turn.chooseCell(freeGrid(), 1, Level::Hard, longSearch()));
        Grid g = freeGrid();
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c)
                if (!(c == 2 && r == 4)) g.set(c, r, (r + c) % 2 ? cellPlayer1 : cellPlayer2);
        QVERIFY(turn.chooseCell(g, 1, Level::Hard, fewIterations()));
        QTRY_COMPARE_WITH_TIMEOUT(chosen.count(), 1, kGenerous);
        QCOMPARE(chosen.front().front().value<Cell>(), (Cell{2, 4})); // the only free cell
        QVERIFY(!chosen.wait(100));
    }

    void aFullBoardStartsNoSearch() {
        ComputerTurn turn(9);
        Grid g = freeGrid();
        for (int r = 0; r < kRows; ++r)
            for (int c = firstCol(r); c <= lastCol(r); ++c)
                g.set(c, r, cellPlayer2);
        QVERIFY(!turn.chooseCell(g, 1, Level::Easy));
        QVERIFY(!turn.isChoosingCell());
    }

    void theAnswerComesAfterItsDelayInsideTheLimit() {
        ComputerTurn turn(10);
        QSignalSpy answered(&turn, &ComputerTurn::answerChosen);
        turn.answerQuestion(3, Level::Hard, 400);
        QVERIFY(turn.isAnswerPending());
        QVERIFY(turn.answerDelayMs() >= 0 && turn.answerDelayMs() < 400);
        QVERIFY(turn.answerTimer().isActive());
        QCOMPARE(answered.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(answered.count(), 1, kGenerous);
        const int slot = answered.front().front().toInt();
        QVERIFY(slot >= 1 && slot <= 4);
        QVERIFY(!turn.isAnswerPending());
    }

    void aPausedAnswerWaitsForResume() {
        ComputerTurn turn(11);
        QSignalSpy answered(&turn, &ComputerTurn::answerChosen);
        turn.answerQuestion(1, Level::Easy, 200);
        turn.pause();
        QVERIFY(!turn.answerTimer().isActive());
        QVERIFY(!answered.wait(turn.answerDelayMs() + 100)); // the loop runs, the delay does not
        QVERIFY(turn.isAnswerPending());
        turn.resume();
        QVERIFY(turn.answerTimer().isActive());
        QTRY_COMPARE_WITH_TIMEOUT(answered.count(), 1, kGenerous);
    }

    void anAnswerStartedWhilePausedWaitsToo() {
        ComputerTurn turn(12);
        QSignalSpy answered(&turn, &ComputerTurn::answerChosen);
        turn.pause();
        turn.answerQuestion(2, Level::Medium, 200);
        QVERIFY(!turn.answerTimer().isActive());
        turn.resume();
        QTRY_COMPARE_WITH_TIMEOUT(answered.count(), 1, kGenerous);
    }

    void aCancelledAnswerNeverComes() {
        ComputerTurn turn(13);
        QSignalSpy answered(&turn, &ComputerTurn::answerChosen);
        turn.answerQuestion(4, Level::Hard, 200);
        turn.cancel();
        QVERIFY(!turn.isAnswerPending());
        QVERIFY(!answered.wait(turn.answerDelayMs() + 100));
    }
};

QTEST_GUILESS_MAIN(ComputerTurnTest)
#include "tst_computerturn.moc"
