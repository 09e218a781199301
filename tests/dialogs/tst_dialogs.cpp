// The game's own dialogs, drawn over the screen, through real key and pointer events: the questions
// (end the game, quit) and the notices; what the player cannot touch while one is open; the clock
// standing still; a display switch and the program's end while one is open.
#include "board.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "fonts.h"
#include "gamewindow.h"
#include "showngame.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>

using fixture::LoadedGame;
using fixture::ShownGame;

namespace {
enum class Asked { EndTheGame, Quit };
enum class Answer { Key, Click };

// A game on the board, from the menu through the setup, as a player starts one.
void startAGame(LoadedGame& g) {
    g.press(400, 460);     // New game
    g.key(Qt::Key_Return); // Start
}

void clickAt(GameWindow& w, QPointF p) {
    QTest::mouseMove(w.windowHandle(), p.toPoint());
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, p.toPoint());
}

// The lit fill of a focused button, sampled near its left edge, clear of the label.
QRgb buttonFill(GameWindow& w, const GameDialog& d, int button) {
    const QRectF r = d.buttonArea(button);
    return w.frame(1).pixel(static_cast<int>(r.left() + 12), static_cast<int>(r.center().y()));
}
const QRgb kFocusedFill = QColor(255, 178, 40).rgb();
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void questionsAreAnsweredByKeysAndByThePointer_data() {
        QTest::addColumn<Asked>("asked");
        QTest::addColumn<QList<int>>("keys"); // keys pressed, or the button clicked when clicks is set
        QTest::addColumn<bool>("clicks");
        QTest::addColumn<bool>("yes");
        for (const Asked asked : {Asked::EndTheGame, Asked::Quit}) {
            const char* name = asked == Asked::Quit ? "quit" : "end the game";
            const auto row = [&](const char* how) -> QTestData& {
                return QTest::addRow("%s: %s", name, how);
            };
            row("Enter") << asked << QList<int>{Qt::Key_Return} << false << true;
            row("Space") << asked << QList<int>{Qt::Key_Space} << false << true;
            row("Escape") << asked << QList<int>{Qt::Key_Escape} << false << false;
            row("Right, Enter") << asked << QList<int>{Qt::Key_Right, Qt::Key_Return} << false << false;
            row("Right, Left, Enter")
                << asked << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Return} << false << true;
            row("Tab, Enter") << asked << QList<int>{Qt::Key_Tab, Qt::Key_Return} << false << false;
            row("Tab twice, Enter") << asked << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << false
                                    << true;
            row("click Yes") << asked << QList<int>{0} << true << true;
            row("click No") << asked << QList<int>{1} << true << false;
        }
    }
    void questionsAreAnsweredByKeysAndByThePointer() {
        QFETCH(Asked, asked);
        QFETCH(QList<int>, keys);
        QFETCH(bool, clicks);
        QFETCH(bool, yes);
        LoadedGame g;
        GameWindow& w = *g.window;
        if (asked == Asked::EndTheGame) {
            startAGame(g);
            QCOMPARE(w.match().screen(), Screen::Board);
        }
        QSignalSpy unloaded(&w, &GameWindow::unloaded);
        // Whatever the script says is the wrong answer: only the player's input may answer.
        g.platform->defaultAnswer = !yes;
        bool drawn = false, answeredByInput = false;
        g.platform->onAsk = [&] {
            const GameDialog* d = w.openDialog();
            if (!d) return;
            drawn = d->buttonCount() == 2 && buttonFill(w, *d, 0) == kFocusedFill &&
                    buttonFill(w, *d, 1) != kFocusedFill;
            if (clicks) {
                clickAt(w, d->buttonArea(keys.first()).center());
            } else {
                for (int key : keys)
                    QTest::keyClick(w.windowHandle(), static_cast<Qt::Key>(key));
            }
            answeredByInput = d->isAnswered();
        };
        g.key(asked == Asked::Quit ? Qt::Key_Q : Qt::Key_Escape,
              asked == Asked::Quit ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(g.platform->prompts.size(), 1);
        QVERIFY(drawn);
        QVERIFY(answeredByInput);
        QVERIFY(!w.openDialog());
        if (asked == Asked::EndTheGame) {
            QCOMPARE(w.match().screen(), yes ? Screen::Menu : Screen::Board);
        } else {
            QTRY_COMPARE(unloaded.size(), yes ? 1 : 0);
            QTest::qWait(0);
            QCOMPARE(w.isUnloaded(), yes);
        }
    }

    void theArrowsAndTabMoveTheMarkOverTheButtons() {
        LoadedGame g;
        GameWindow& w = *g.window;
        QList<bool> markedOnNo;
        g.platform->onAsk = [&] {
            const GameDialog& d = *w.openDialog();
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Backtab}) {
                QTest::keyClick(w.windowHandle(), key);
                markedOnNo << (d.focusedButton() == 1 && buttonFill(w, d, 1) == kFocusedFill &&
                               buttonFill(w, d, 0) != kFocusedFill);
            }
            QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        };
        g.key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(markedOnNo, (QList<bool>{true, false, true, false, true}));
    }

    void noticesCloseByEnterAndByThePointer_data() {
        QTest::addColumn<bool>("clicks");
        QTest::newRow("Enter") << false;
        QTest::newRow("a click on OK") << true;
    }
    void noticesCloseByEnterAndByThePointer() {
        QFETCH(bool, clicks);
        fixture::ProgramFolder folder;
        folder.write(QStringLiteral("n.dat"),
                     "Anna\r\nBob\r\n7000\r\n(o)\r\nyes\r\n(  )\r\n"); // line 5 damaged
        FakePlatform platform;
        GameWindow w(platform, folder.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool oneButton = false, closedByInput = false;
        platform.onAsk = [&] {
            const GameDialog* d = w.openDialog();
            QVERIFY(d);
            oneButton = d->kind() == DialogKind::Warning && d->buttonCount() == 1;
            if (clicks)
                clickAt(w, d->buttonArea(0).center());
            else
                QTest::keyClick(w.windowHandle(), Qt::Key_Return);
            closedByInput = d->isAnswered();
        };
        QVERIFY(w.load());
        QCOMPARE(platform.warnings.size(), 1);
        QVERIFY(platform.warnings.first().contains(QStringLiteral("line 5: music")));
        QVERIFY(platform.systemBoxes.isEmpty()); // drawn by the game, not the system's box
        QVERIFY(oneButton);
        QVERIFY(closedByInput);
        QCOMPARE(w.match().screen(), Screen::Menu);
    }

    void aLongNoticeIsWrappedInsideThePanel() {
        QString text = QStringLiteral("Some of the game's pictures in %1 cannot be used:\n")
                           .arg(QStringLiteral("/a/very/long/folder/name/").repeated(6));
        for (int i = 0; i < 9; ++i)
            text += QStringLiteral(
                        "• pictures/p%1/a-picture-with-a-long-name.png: not a picture that can be read\n")
                        .arg(i);
        DialogAnswer answer;
        const GameDialog d(DialogKind::Warning, text, answer);
        QVERIFY(d.lines().size() > 10);
        const QFont font = fonts::windowFont(d.textPoints(), false);
        for (const QString& line : d.lines())
            QVERIFY2(QFontMetricsF(font).horizontalAdvance(line) <= d.panelArea().width() - 40,
                     qPrintable(line));
        QVERIFY(QRectF(0, 0, 800, 600).contains(d.panelArea()));
        QVERIFY(d.panelArea().contains(d.buttonArea(0)));
        QVERIFY(d.lines().join(QString()).remove(u' ').contains(QStringLiteral("p8/a-picture")));
    }

    void clicksAndGameKeysUnderADialogAreDropped() {
        LoadedGame g;
        GameWindow& w = *g.window;
        startAGame(g);
        const Cell corner{0, 6};
        const board::RectF r = board::cellRect(corner.col, corner.row);
        const QPointF onCell(r.left + 32, r.top + 35);
        bool untouched = false;
        g.platform->onAsk = [&] {
            const GameDialog& d = *w.openDialog();
            QVERIFY(!d.panelArea().contains(onCell));
            clickAt(w, onCell);
            clickAt(w, QPointF(785, 30)); // the close control asks nothing more
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_1, Qt::Key_A, Qt::Key_Home})
                QTest::keyClick(w.windowHandle(), key);
            untouched = !d.isAnswered() && w.boardView().hoveredCell() == Cell{} &&
                        w.match().screen() == Screen::Board && d.focusedButton() == 0;
            QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        };
        g.key(Qt::Key_Escape);
        QVERIFY(untouched);
        QCOMPARE(g.platform->prompts.size(), 1);
        QCOMPARE(w.match().screen(), Screen::Board);
        QVERIFY(w.boardView().hoveredCell() == Cell{});
        // The game's keys work again.
        g.key(Qt::Key_Down);
        QVERIFY(!(w.boardView().hoveredCell() == Cell{}));
    }

    void theClockStandsWhileADialogIsOpen() {
        LoadedGame g;
        GameWindow& w = *g.window;
        startAGame(g);
        g.key(Qt::Key_Down);
        g.key(Qt::Key_Return);
        QCOMPARE(w.match().screen(), Screen::Question);
        QVERIFY(w.match().clockTimer().isActive());
        const float timeLeft = w.match().timeLeft();
        bool standing = false;
        g.platform->onAsk = [&] {
            standing = !w.match().clockTimer().isActive();
            QTest::keyClick(w.windowHandle(), Qt::Key_Escape); // No
        };
        g.key(Qt::Key_Escape);
        QVERIFY(standing);
        QCOMPARE(w.match().timeLeft(), timeLeft);
        QVERIFY(w.match().clockTimer().isActive());
        QCOMPARE(w.match().screen(), Screen::Question);
    }

    void theCloseControlGlowsUnderThePointerOnlyRoundItself_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void theCloseControlGlowsUnderThePointerOnlyRoundItself() {
        QFETCH(double, scale);
        LoadedGame g;
        GameWindow& w = *g.window;
        startAGame(g);
        g.moveTo(700, 300);
        const QImage plain = w.frame(scale);
        g.moveTo(785, 30);
        QVERIFY(w.isCloseControlLit());
        const QImage lit = w.frame(scale);
        const QPointF centre = QRectF(closecontrol::kArea).center() * scale;
        int changed = 0;
        for (int y = 0; y < lit.height(); ++y)
            for (int x = 0; x < lit.width(); ++x)
                if (lit.pixel(x, y) != plain.pixel(x, y)) {
                    ++changed;
                    QVERIFY2(std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) <= 20 * scale,
                             qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                }
        QVERIFY(changed > 100 * scale * scale);
        g.moveTo(700, 300);
        QVERIFY(!w.isCloseControlLit());
        QCOMPARE(w.frame(scale), plain);
    }

    // With the program's own platform: the event loop runs under the dialog as in the program.
    void fullScreenAskedForUnderADialogWaitsUntilItCloses() {
        ShownGame g;
        QVERIFY(g.loaded);
        g.platform.realDialogs = true;
        bool waited = false;
        g.platform.onAsk = [&] {
            QTimer::singleShot(0, [&] {
                QTest::keyClick(g.shownWindow(), Qt::Key_F11);
                QTimer::singleShot(100, [&] {
                    waited = g.window->openDialog() && !fixture::fullScreenView();
                    QTest::keyClick(g.shownWindow(), Qt::Key_Escape); // No
                });
            });
        };
        g.key(Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!g.window->openDialog());
        QVERIFY(waited);
        QTRY_VERIFY(fixture::fullScreenView() != nullptr);
        QVERIFY(!g.window->isUnloaded());
        // In full screen, the question is drawn there and answered there.
        g.platform.onAsk = [&] {
            QTimer::singleShot(0, [&] { QTest::keyClick(g.shownWindow(), Qt::Key_Return); });
        };
        QSignalSpy unloaded(g.window.get(), &GameWindow::unloaded);
        g.key(Qt::Key_Q, Qt::ControlModifier);
        QTRY_COMPARE(unloaded.size(), 1);
        QTRY_VERIFY(!fixture::fullScreenView());
    }

    void theProgramEndsCleanlyUnderADialog_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Ctrl+Q") << true;
        QTest::newRow("the window closed") << false;
    }
    void theProgramEndsCleanlyUnderADialog() {
        QFETCH(bool, byKey);
        ShownGame g;
        QVERIFY(g.loaded);
        g.platform.realDialogs = true;
        g.click(QPoint(400, 450)); // New game
        g.key(Qt::Key_Return);
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QSignalSpy unloaded(g.window.get(), &GameWindow::unloaded);
        g.platform.onAsk = [&] {
            QTimer::singleShot(0, [&] {
                if (byKey)
                    QTest::keyClick(g.shownWindow(), Qt::Key_Q, Qt::ControlModifier);
                else
                    g.window->close();
            });
        };
        g.key(Qt::Key_Escape); // end the game?
        QTRY_COMPARE(unloaded.size(), 1);
        QVERIFY(!g.window->openDialog());
        QCOMPARE(g.platform.prompts.size(), 1);              // ended, not asked again
        QCOMPARE(g.window->match().screen(), Screen::Board); // the question's answer was No
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
