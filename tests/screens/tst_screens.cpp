// The pointer dispatcher, the main menu, the help and settings screens and their back control.
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "switchlabel.h"

#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

using fixture::LoadedGame;

// Names a screen in failure messages.
char* toString(Screen s) {
    static const char* const names[] = {"Splash", "Board", "Question", "Winner", "Menu", "Help", "Settings"};
    return qstrdup(names[static_cast<int>(s)]);
}

namespace {
// Item looks on the fixture's menu sheet: band 0 English highlighted, 1 Czech plain, 2 Czech highlighted.
QRgb sheetColour(int band, int item) {
    return QColor::fromHsv((band * 90 + (item - 1) * 20) % 360, 255, 255).rgb();
}
const QRgb kSheet = fixture::colourOf(18).rgb();
// A point inside each item's picture.
const QPoint kItemCentre[5] = {{}, {150, 450}, {400, 450}, {650, 450}, {620, 160}};

// Counts the pointer moves that reach the game window, so that a check of what a move did not do
// cannot pass because no move arrived.
class MoveCounter : public QObject {
public:
    explicit MoveCounter(QWidget& w) { w.installEventFilter(this); }
    int moves = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) ++moves;
        return false;
    }
};

QPoint centreOf(const QWidget& w) {
    return w.geometry().center();
}

bool shown(LoadedGame& g) {
    if (g.window->isVisible()) return true;
    g.window->show();
    return QTest::qWaitForWindowExposed(g.window.get());
}

// One pointer event from the window system, made as QTest makes its own, for what g.press and g.moveTo
// cannot say: the exact point 0, 0 (QTest takes a null point for the window's centre), a fractional
// point, buttons held during a move (a drag), and no processing of the work it queues. Qt routes it
// as it routes a player's; a press at a new place first moves there.
void windowSystemEvent(LoadedGame& g, QEvent::Type type, QPointF at, Qt::MouseButtons held,
                       Qt::MouseButton button = Qt::NoButton, Qt::KeyboardModifiers mods = {}) {
    QWindow* win = g.window->windowHandle();
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; // never part of a double click
    qt_handleMouseEvent(win, at, win->mapToGlobal(at), held, button, type, mods, QTest::lastMouseTimestamp);
}

// A drag with the left button: pressed at one point and moved to another with it held; the test
// looks, then releases it there.
void leftDrag(LoadedGame& g, QPoint from, QPointF to, Qt::KeyboardModifiers mods = {}) {
    windowSystemEvent(g, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, mods);
    windowSystemEvent(g, QEvent::MouseMove, to, Qt::LeftButton, Qt::NoButton, mods);
}
void releaseLeft(LoadedGame& g, QPointF at) {
    windowSystemEvent(g, QEvent::MouseButtonRelease, at, Qt::NoButton, Qt::LeftButton);
    QCoreApplication::processEvents();
}
} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void menuHitTest_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("item");
        QTest::newRow("x 25 left of settings") << 25 << 400 << 0;
        QTest::newRow("x 26 settings") << 26 << 400 << 1;
        QTest::newRow("x 275 still settings") << 275 << 400 << 1;
        QTest::newRow("x 276 new game") << 276 << 400 << 2;
        QTest::newRow("x 525 new game") << 525 << 400 << 2;
        QTest::newRow("x 526 help") << 526 << 400 << 3;
        QTest::newRow("x 775 still help") << 775 << 400 << 3;
        QTest::newRow("x 776 no item") << 776 << 400 << 0;
        QTest::newRow("y 360 no item") << 400 << 360 << 0;
        QTest::newRow("y 361 new game") << 400 << 361 << 2;
        QTest::newRow("y 559 new game") << 400 << 559 << 2;
        QTest::newRow("y 560 no item") << 400 << 560 << 0;
        QTest::newRow("language top left corner") << 511 << 101 << 4;
        QTest::newRow("language bottom right corner") << 729 << 239 << 4;
        QTest::newRow("x 510 left of language") << 510 << 150 << 0;
        QTest::newRow("x 730 right of language") << 730 << 150 << 0;
        QTest::newRow("y 100 above language") << 600 << 100 << 0;
        QTest::newRow("y 240 below language") << 600 << 240 << 0;
        QTest::newRow("far outside the window") << -5000 << 90000 << 0;
    }
    void menuHitTest() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, item);
        LoadedGame g;
        MoveCounter counter(*g.window);
        if (x >= 800 || y >= 600)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
        g.moveTo(x, y);
        QCOMPARE(counter.moves, 1);
        QCOMPARE(g.window->menu().litItem(), item);
        QCOMPARE(g.platform->refreshes, item ? 1 : 0);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
    }

    void aPointerRestingOnAnItemHighlightsItOnce() {
        LoadedGame g;
        g.moveTo(400, 450);
        QCOMPARE(g.pixel(400, 450), sheetColour(0, 2));
        const QImage after = g.window->frame(1);
        for (int x = 380; x < 420; x += 7)
            g.moveTo(x, 450);
        QCOMPARE(g.platform->refreshes, 1);
        QCOMPARE(g.window->frame(1), after);
    }

    void movingFromItemToItemRedrawsBothAndRefreshesOnce() {
        LoadedGame g;
        g.moveTo(150, 450);
        QCOMPARE(g.pixel(150, 450), sheetColour(0, 1));
        g.platform->clear();
        g.moveTo(400, 450);
        QCOMPARE(g.pixel(150, 450), kSheet);
        QCOMPARE(g.pixel(400, 450), sheetColour(0, 2));
        QCOMPARE(g.platform->refreshes, 1);
    }

    void menuItemsAreDrawnInTheInterfaceLanguage() {
        LoadedGame g;
        g.press(620, 160); // the language item
        QVERIFY(g.window->isCzech());
        for (int item = 1; item <= 3; ++item)
            QCOMPARE(g.pixel(kItemCentre[item].x(), kItemCentre[item].y()), sheetColour(1, item));
        // The pointer is still over the language item: it stays lit, now in Czech.
        QCOMPARE(g.pixel(kItemCentre[4].x(), kItemCentre[4].y()), sheetColour(2, 4));
        QCOMPARE(g.window->menu().litItem(), 4);
        g.moveTo(650, 450);
        QCOMPARE(g.pixel(650, 450), sheetColour(2, 3));
    }

    void aRightButtonPressOnlyHighlights() {
        // A player's right press: the pointer comes to the item, then the press.
        LoadedGame g;
        g.press(400, 450, Qt::RightButton);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QCOMPARE(g.window->menu().litItem(), 2);
        QCOMPARE(g.pixel(400, 450), sheetColour(0, 2));
        // The press on its own, with no move before it, highlights as well.
        LoadedGame h;
        h.window->handlePointer(Pointer{2, 1, 400, 450});
        QCOMPARE(h.window->match().screen(), Screen::Menu);
        QCOMPARE(h.window->menu().litItem(), 2);
        QCOMPARE(h.pixel(400, 450), sheetColour(0, 2));
    }

    void menuClicksRunTheirItemsAfterTheSelectSound_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<Screen>("screen");
        QTest::newRow("settings") << 1 << Screen::Settings;
        QTest::newRow("new game") << 2 << Screen::Setup;
        QTest::newRow("help") << 3 << Screen::Help;
        QTest::newRow("language") << 4 << Screen::Menu;
    }
    void menuClicksRunTheirItemsAfterTheSelectSound() {
        QFETCH(int, item);
        QFETCH(Screen, screen);
        LoadedGame g;
        g.window->settings().toggleSound(); // effects on
        g.press(kItemCentre[item].x(), kItemCentre[item].y());
        QCOMPARE(g.window->match().screen(), screen);
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("select.wav")});
        // The item stays lit: under the pointer, or under the opening of a new game.
        QCOMPARE(g.window->menu().litItem(), item);
        QCOMPARE(!g.window->settings().name1Box().isHidden(), item == 1);
        QCOMPARE(g.window->help().pane().y(), item == 3 ? 110 : 700);
    }

    void theCloseAreaIsExact_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("asked");
        QTest::newRow("x 770 outside") << 770 << 20 << false;
        QTest::newRow("x 771 inside") << 771 << 20 << true;
        QTest::newRow("x 799 inside") << 799 << 20 << true;
        QTest::newRow("y 10 outside") << 780 << 10 << false;
        QTest::newRow("y 11 inside") << 780 << 11 << true;
        QTest::newRow("y 44 inside") << 780 << 44 << true;
        QTest::newRow("y 45 outside") << 780 << 45 << false;
    }
    void theCloseAreaIsExact() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, asked);
        for (Screen screen : {Screen::Menu, Screen::Board}) {
            LoadedGame g;
            if (screen == Screen::Board) g.window->startGame();
            g.platform->clear();
            g.press(x, y);
            QCOMPARE(g.platform->prompts.size(), asked ? 1 : 0);
            QCOMPARE(g.window->match().screen(), screen);
        }
    }

    void quitAnsweredNoChangesNothing() {
        LoadedGame g;
        const QImage before = g.window->frame(1);
        g.press(785, 30);
        QCOMPARE(g.platform->prompts,
                 QStringList{QStringLiteral("Are you sure you want to quit TamvelKvíz?")});
        QVERIFY(!g.window->isUnloaded());
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QCOMPARE(g.window->menu().litItem(), 0);
        QCOMPARE(g.window->frame(1), before);
    }

    void quitAnsweredYesUnloadsTheWindow() {
        LoadedGame g;
        g.window->switchLanguage();
        g.platform->answers = {true};
        QVERIFY(shown(g));
        // The press alone, without processing what it queues (g.press would process it at once).
        windowSystemEvent(g, QEvent::MouseButtonPress, QPointF(785, 30), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(g.platform->prompts, QStringList{QStringLiteral("Skutečně si přejete ukončit TamvelKvíz?")});
        QVERIFY(!g.window->isUnloaded()); // the window closes once its click has been handled
        windowSystemEvent(g, QEvent::MouseButtonRelease, QPointF(785, 30), Qt::NoButton, Qt::LeftButton);
        QTRY_VERIFY(g.window->isUnloaded());
        QVERIFY(QFile::exists(g.folder->file(QStringLiteral("n.dat"))));
    }

    void abortingAGameAsksAndAnsweringNoLeavesItAsItWas() {
        LoadedGame g;
        g.window->startGame();
        const board::Grid board = g.window->match().cells();
        g.platform->clear();
        g.press(785, 30);
        QCOMPARE(g.platform->prompts,
                 QStringList{QStringLiteral("Do you want to end the game and return to the main menu?")});
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QVERIFY(g.window->match().cells() == board);
        QVERIFY(!g.window->match().isClockRunning());
    }

    void abortingAGameAnsweredYesReturnsToTheMenuAndStopsTheClock() {
        LoadedGame g;
        g.window->startGame();
        const int player = g.window->match().playerOnTurn().number();
        g.press(400, 170);
        // The question of the player on turn.
        QCOMPARE(g.window->match().screen(), Screen::Question);
        QCOMPARE(g.window->match().playerOnTurn().number(), player);
        QVERIFY(g.window->match().isClockRunning());
        g.platform->answers = {true};
        g.press(785, 30);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QVERIFY(!g.window->match().isClockRunning());
    }

    void theWinnerScreenClosesWithoutAQuestionAndIgnoresEverythingElse() {
        LoadedGame g;
        g.window->startGame();
        g.window->match().setUpScreen(Screen::Winner);
        const QImage before = g.window->frame(1);
        g.press(400, 170);
        g.moveTo(400, 300);
        QCOMPARE(g.window->frame(1), before);
        QCOMPARE(g.window->match().screen(), Screen::Winner);
        g.press(785, 30);
        QVERIFY(g.platform->prompts.isEmpty());
        QCOMPARE(g.window->match().screen(), Screen::Menu);
    }

    void backSquare_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("hover");
        QTest::newRow("89, 89 inside") << 89 << 89 << 1;
        QTest::newRow("0, 0 inside") << 0 << 0 << 1;
        QTest::newRow("x 90 outside") << 90 << 50 << 0;
        QTest::newRow("y 90 outside") << 50 << 90 << 0;
    }
    void backSquare() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, hover);
        LoadedGame g;
        g.window->help().show();
        QVERIFY(shown(g));
        g.platform->clear();
        MoveCounter counter(*g.window);
        // Exact points: g.moveTo(0, 0) would be taken for the window's centre.
        windowSystemEvent(g, QEvent::MouseMove, QPointF(x, y), Qt::NoButton);
        QCOMPARE(g.window->backControl().isLit(), hover == 1);
        QCOMPARE(g.pixel(10, 10), hover ? fixture::colourOf(16).rgb() : fixture::colourOf(17).rgb());
        QCOMPARE(counter.moves, 1);
        QCOMPARE(g.platform->refreshes, hover);
        // Staying on the same side draws nothing again. Qt drops a move to the very same point, so the
        // pointer moves one pixel on, still on its side; the handler gets the very same point as well.
        const QPoint near = hover ? QPoint(x + (x < 45 ? 1 : -1), y + (y < 45 ? 1 : -1))
                                  : QPoint(x + (x >= 90 ? 1 : 0), y + (y >= 90 ? 1 : 0));
        windowSystemEvent(g, QEvent::MouseMove, near, Qt::NoButton);
        QCOMPARE(counter.moves, 2);
        QCOMPARE(g.window->backControl().isLit(), hover == 1);
        QCOMPARE(g.platform->refreshes, hover);
        g.window->handlePointer(Pointer{0, 0, x, y});
        QCOMPARE(g.window->backControl().isLit(), hover == 1);
        QCOMPARE(g.platform->refreshes, hover);
    }

    void leavingTheBackSquareRestoresTheCorner() {
        LoadedGame g;
        g.window->help().show();
        g.moveTo(40, 40);
        QVERIFY(g.window->backControl().isLit());
        g.moveTo(200, 200);
        QCOMPARE(g.pixel(10, 10), fixture::colourOf(17).rgb());
        QVERIFY(!g.window->backControl().isLit());
    }

    void draggingIntoTheBackSquareReturnsFromBothScreens() {
        for (bool settings : {false, true}) {
            LoadedGame g;
            settings ? g.window->settings().show() : g.window->help().show();
            QCOMPARE(g.window->match().screen(), settings ? Screen::Settings : Screen::Help);
            QVERIFY(shown(g));
            // The left button goes down outside the square and is held into it: no press there.
            leftDrag(g, QPoint(200, 300), QPointF(40, 40));
            QCOMPARE(g.window->match().screen(), Screen::Menu);
            QVERIFY(!g.window->backControl().isLit());
            QVERIFY(g.window->settings().name1Box().isHidden());
            QVERIFY(g.window->settings().fullScreenSwitch().isHidden());
            QCOMPARE(g.window->help().pane().y(), 700);
            releaseLeft(g, QPointF(40, 40));
            QCOMPARE(g.window->match().screen(), Screen::Menu);
        }
    }

    void helpLoadsThePageOfTheCurrentLanguage() {
        LoadedGame g;
        g.window->switchLanguage();
        QVERIFY(g.platform->helpPages.last().endsWith(QStringLiteral("/help/napoveda.html")));
        g.window->help().show();
        QCOMPARE(g.window->help().pane().geometry(), QRect(350, 110, 430, 460));
        QCOMPARE(g.pixel(400, 50), fixture::colourOf(17).rgb());
        g.window->switchLanguage();
        QVERIFY(g.platform->helpPages.last().endsWith(QStringLiteral("/help/help.html")));
    }

    void settingsScreenShowsItsControlsOutlinesAndCaptions() {
        LoadedGame g;
        g.window->settings().show();
        SettingsScreen& s = g.window->settings();
        for (QWidget* w :
             std::initializer_list<QWidget*>{&s.name1Box(), &s.name2Box(), &s.timeBaseBox(), &s.soundSwitch(),
                                             &s.musicSwitch(), &s.fullScreenSwitch()}) {
            QVERIFY(!w->isHidden());
            QCOMPARE(g.pixel(w->x() - 1, w->y() - 1), 0xFF25ACF2u);
            QCOMPARE(g.pixel(w->x() + w->width() + 1, w->y() + w->height() + 1), 0xFF25ACF2u);
        }
        QCOMPARE(s.timeBaseBox().geometry(), QRect(640, 230, 90, 23));
        // White caption text lies somewhere in the first caption's line.
        bool white = false;
        const QImage shown = g.window->frame(1);
        for (int x = 350; x < 500 && !white; ++x)
            for (int y = 130; y < 150 && !white; ++y)
                white = shown.pixel(x, y) == qRgb(255, 255, 255);
        QVERIFY(white);
        QCOMPARE(g.window->match().screen(), Screen::Settings);
    }

    void switchesToggleTheirCaptions() {
        LoadedGame g;
        SettingsScreen& s = g.window->settings();
        s.show();
        g.platform->clear();
        const QPoint sound = centreOf(s.soundSwitch());
        const QPoint fullScreen = centreOf(s.fullScreenSwitch());
        g.press(sound.x(), sound.y());
        QCOMPARE(s.soundSwitch().text(), QStringLiteral("(o)"));
        g.press(sound.x(), sound.y());
        QCOMPARE(s.soundSwitch().text(), QStringLiteral("(  )"));
        g.press(fullScreen.x(), fullScreen.y());
        g.press(fullScreen.x(), fullScreen.y());
        QCOMPARE(g.platform->fullScreen, std::vector<bool>({true, false}));
        QVERIFY(g.platform->sounds.isEmpty());
        QCOMPARE(g.window->match().screen(), Screen::Settings);
    }

    void qtEventsReachTheHandlerWithTheirButtonsAndModifiers() {
        LoadedGame g;
        // A right press highlights only.
        g.press(400, 450, Qt::RightButton);
        QCOMPARE(g.window->menu().litItem(), 2);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        // Moving with the left button held and Shift down is a click (the button went down on no item).
        leftDrag(g, QPoint(100, 300), QPointF(650.7, 450.2), Qt::ShiftModifier);
        QCOMPARE(g.window->match().screen(), Screen::Help);
        releaseLeft(g, QPointF(650.7, 450.2));
        // With Ctrl as well it is not.
        g.window->returnToMenu();
        leftDrag(g, QPoint(100, 300), QPointF(650, 450), Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QCOMPARE(g.window->menu().litItem(), 3);
        releaseLeft(g, QPointF(650, 450));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
