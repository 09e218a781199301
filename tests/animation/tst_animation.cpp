// Animations on the event loop: steps and pauses in order, input during an animation dropped, window keys
// and repaints going on meanwhile, and the answer clock held while the game asks.
#include "animation.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "showngame.h"

#include <QExposeEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

using namespace board;
using fixture::LoadedGame;

namespace {
QPoint centreOf(Cell c) {
    const RectF r = cellRect(c.col, c.row);
    return {static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2)};
}
// A point inside an option box of a side (the fox's on the right).
QPoint optionPoint(Player side, int slot) {
    return {(side.isFox() ? 500 + 32 * (slot - 1) : 100 - 32 * (slot - 1)) + 100, 180 + 54 * (slot - 1) + 23};
}
// A free cell of the bottom row, clear of the option boxes.
Cell freeBottomCell(const Match& m) {
    const int row = kRows - 1;
    for (int col = firstCol(row); col <= lastCol(row); ++col)
        if (m.cells().at(col, row) == cellFree) return {col, row};
    return {};
}
const QPoint kNewGame{400, 450};

// Counts the paints a widget gets, and how many came while an animation played.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget& w, const Animation& a) : animation_(a) { w.installEventFilter(this); }
    int paints = 0, paintsWhilePlaying = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
            if (animation_.isPlaying()) ++paintsWhilePlaying;
        }
        return false;
    }

private:
    const Animation& animation_;
};
} // namespace

class TestAnimation : public QObject {
    Q_OBJECT
private slots:
    void stepsDrawInOrderEachAfterThePauseBeforeIt() {
        FakePlatform platform;
        platform.holdPauses = true;
        QObject context;
        Animation a(platform, context);
        QStringList log;
        a.play({{[&] { log << "one"; }, 30}, {[&] { log << "two"; }, 40}}, [&] { log << "done"; });
        QCOMPARE(log, QStringList{"one"});
        QVERIFY(a.isPlaying());
        QVERIFY(platform.runPause());
        QCOMPARE(log, (QStringList{"one", "two"}));
        QVERIFY(platform.runPause());
        QCOMPARE(log, (QStringList{"one", "two", "done"}));
        QVERIFY(!a.isPlaying());
        QCOMPARE(platform.pauses, (std::vector<int>{30, 40}));
    }

    void aCancelledOrReplacedAnimationDrawsNoMore_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("cancelled") << false;
        QTest::newRow("replaced by another") << true;
    }
    void aCancelledOrReplacedAnimationDrawsNoMore() {
        QFETCH(bool, replace);
        FakePlatform platform;
        platform.holdPauses = true;
        QObject context;
        Animation a(platform, context);
        QStringList log;
        a.play({{[&] { log << "first 1"; }, 10}, {[&] { log << "first 2"; }, 10}},
               [&] { log << "first done"; });
        if (replace)
            a.play({{[&] { log << "second"; }, 10}});
        else
            a.cancel();
        platform.runAllPauses();
        QCOMPARE(log, replace ? (QStringList{"first 1", "second"}) : QStringList{"first 1"});
        QVERIFY(!a.isPlaying());
    }

    // A double click on an answer, or a click on the board while the cell is being captured, used to
    // choose a cell for the next player, who never chose it.
    void aClickOrGameKeyDuringTheCaptureIsDropped() {
        LoadedGame g;
        GameWindow& w = *g.window;
        w.settings().timeBaseBox().setText(QStringLiteral("1e12")); // the clock waits for the test
        w.startGame();
        const Player answering = w.match().playerOnTurn();
        g.press(centreOf({3, 3}).x(), centreOf({3, 3}).y());
        QCOMPARE(w.match().screen(), Screen::Question);
        g.platform->holdPauses = true;
        const QPoint right = optionPoint(answering, w.match().question().rightSlot);
        g.press(right.x(), right.y());
        QVERIFY(w.animation().isPlaying());
        g.press(right.x(), right.y()); // the second click of a double click
        const Cell other = freeBottomCell(w.match());
        g.press(centreOf(other).x(), centreOf(other).y());
        g.key(Qt::Key_Down);
        g.key(Qt::Key_Return);
        g.platform->runAllPauses();
        QVERIFY(!w.animation().isPlaying());
        QCOMPARE(w.match().screen(), Screen::Board);
        QCOMPARE(int(w.match().cells().at(3, 3)), int(answering.pieces()));
        QCOMPARE(int(w.match().cells().at(other.col, other.row)), int(cellFree));
        QCOMPARE(w.boardView().hoveredCell(), Cell{});
        QCOMPARE(w.match().playerOnTurn(), answering.opponent());
        // Afterwards the board takes clicks again.
        g.press(centreOf(other).x(), centreOf(other).y());
        QVERIFY(w.animation().isPlaying());
        QCOMPARE(w.match().chosenCell(), other);
    }

    void windowKeysActDuringTheOpeningAndGameKeysAreDropped() {
        LoadedGame g;
        GameWindow& w = *g.window;
        w.returnToMenu();
        g.platform->holdPauses = true;
        g.press(kNewGame.x(), kNewGame.y());
        g.key(Qt::Key_Return); // the setup: play
        QCOMPARE(w.match().screen(), Screen::Board);
        QVERIFY(w.animation().isPlaying());
        g.key(Qt::Key_Down); // would light the first free cell
        g.key(Qt::Key_F11);
        QCOMPARE(g.platform->fullScreen, std::vector<bool>{true});
        g.platform->runAllPauses();
        QVERIFY(!w.animation().isPlaying());
        QCOMPARE(w.boardView().hoveredCell(), Cell{});
        QCOMPARE(g.platform->pauses, std::vector<int>(19, 20));
        g.key(Qt::Key_Down);
        QVERIFY(!(w.boardView().hoveredCell() == Cell{}));
    }

    // Escape during the zoom: the panel may finish under the question, but its clock waits for No.
    void aClockStartedUnderTheQuestionWaitsForTheAnswer() {
        LoadedGame g;
        GameWindow& w = *g.window;
        w.startGame();
        g.platform->holdPauses = true;
        g.press(centreOf({3, 3}).x(), centreOf({3, 3}).y());
        QVERIFY(w.animation().isPlaying());
        bool startedUnder = false, tickingUnder = true;
        g.platform->onAsk = [&] {
            g.platform->runAllPauses();
            startedUnder = w.match().isClockRunning();
            tickingUnder = w.match().clockTimer().isActive();
        };
        g.key(Qt::Key_Escape); // answered No
        QCOMPARE(g.platform->prompts.size(), 1);
        QVERIFY(startedUnder);
        QVERIFY(!tickingUnder);
        QCOMPARE(w.match().screen(), Screen::Question);
        QVERIFY(w.match().clockTimer().isActive());
    }

    // The window paints only the areas a change asks for, into the frame it keeps: through a whole game,
    // with highlights, answers, captures and the winner, what it shows stays the same as a fresh paint
    // of the state.
    void theKeptFrameAlwaysMatchesAFreshPaint() {
        LoadedGame g;
        GameWindow& w = *g.window;
        w.settings().timeBaseBox().setText(QStringLiteral("1e12")); // the clock waits for the test
        g.platform->showArea = [&w](const QRect& area) { w.update(area); };
        g.moveTo(400, 450); // shown, the menu's item lit
        int checks = 0;
        const auto same = [&](const char* after) {
            QCoreApplication::processEvents(); // the asked-for paints
            QCoreApplication::processEvents();
            ++checks;
            if (w.shownFrame() != w.frame(1)) {
                const QImage shown = w.shownFrame().convertToFormat(QImage::Format_ARGB32);
                const QImage fresh = w.frame(1).convertToFormat(QImage::Format_ARGB32);
                QRect stale;
                for (int y = 0; y < 600; ++y)
                    for (int x = 0; x < 800; ++x)
                        if (shown.pixel(x, y) != fresh.pixel(x, y)) stale |= QRect(x, y, 1, 1);
                qWarning("stale after %s: %d,%d %dx%d", after, stale.x(), stale.y(), stale.width(),
                         stale.height());
                return false;
            }
            return true;
        };
        QVERIFY(same("the menu"));
        g.press(400, 450);
        QVERIFY(same("the setup"));
        // The fixture's questions have no topic: one chip, Other.
        const SetupScreen::Item* chip = w.setup().find(SetupScreen::Kind::Topic, int(Topic::Other));
        QVERIFY(chip);
        const QPoint onChip = chip->area.center().toPoint();
        g.moveTo(onChip.x(), onChip.y());
        QVERIFY(same("a chip lit"));
        g.press(onChip.x(), onChip.y());
        QVERIFY(same("the topic off, Start disabled"));
        g.key(Qt::Key_Space);
        QVERIFY(same("the topic on again"));
        g.key(Qt::Key_Tab);
        QVERIFY(same("the focus moved"));
        g.moveTo(60, 560);
        QVERIFY(same("the chip unlit"));
        g.key(Qt::Key_Return);
        QVERIFY(same("the opening"));
        for (int round = 0; round < 12 && w.match().screen() == Screen::Board; ++round) {
            const Cell cell = freeBottomCell(w.match()) == Cell{} ? Cell{3, 3} : freeBottomCell(w.match());
            if (w.match().cells().at(cell.col, cell.row) != cellFree) break;
            g.moveTo(centreOf(cell).x(), centreOf(cell).y());
            QVERIFY(same("a highlight"));
            g.moveTo(60, 560);
            QVERIFY(same("a highlight gone"));
            g.press(centreOf(cell).x(), centreOf(cell).y());
            QVERIFY(same("the question"));
            const Player side = w.match().playerOnTurn();
            const int rightSlot = w.match().question().rightSlot;
            for (int slot = 1; slot <= 4; ++slot) {
                g.moveTo(optionPoint(side, slot).x(), optionPoint(side, slot).y());
                QVERIFY(same("an option lit"));
            }
            emit w.match().clockTicked();
            QVERIFY(same("a clock tick"));
            const int answer = round % 3 == 0 ? rightSlot % 4 + 1 : rightSlot;
            g.press(optionPoint(side, answer).x(), optionPoint(side, answer).y());
            QVERIFY(same("the capture"));
        }
        QVERIFY(checks > 20);
    }

    // On real timers: the window paints when uncovered and F11 switches while the opening plays, and the
    // opening then ends in full screen.
    void theWindowPaintsAndSwitchesWhileAnAnimationPlays() {
        fixture::ShownGame g;
        QVERIFY(g.loaded);
        GameWindow& w = *g.window;
        g.platform.realPauses = true;
        PaintCounter counter(w, w.animation());
        g.click(kNewGame);
        g.key(Qt::Key_Return); // the setup: play
        QVERIFY(w.animation().isPlaying());
        QCoreApplication::postEvent(w.windowHandle(), new QExposeEvent(QRegion(0, 0, 800, 600)));
        QTRY_VERIFY(counter.paintsWhilePlaying > 0);
        g.key(Qt::Key_F11);
        QTRY_VERIFY(fixture::fullScreenView() != nullptr);
        QTRY_VERIFY(!w.animation().isPlaying());
        QCOMPARE(w.match().screen(), Screen::Board);
        g.key(Qt::Key_F11);
        QTRY_VERIFY(fixture::fullScreenView() == nullptr);
    }
};

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
