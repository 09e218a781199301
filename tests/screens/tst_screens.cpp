// The pointer dispatcher, the main menu, the help and settings screens and their back control.
#include "clicklabel.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "frmMain.h"
#include "modes.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTextBrowser>

using fixture::LoadedGame;

namespace {
// Item looks on the fixture's menu sheet: band 0 English highlighted, 1 Czech plain, 2 Czech highlighted.
QRgb sheetColour(int band, int item) {
    return QColor::fromHsv((band * 90 + (item - 1) * 20) % 360, 255, 255).rgb();
}
const QRgb kSheet = fixture::colourOf(18).rgb();
// A point inside each item's picture.
const QPoint kItemCentre[5] = {{}, {150, 450}, {400, 450}, {650, 450}, {620, 160}};
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
        g.window->Form_MouseMove(0, 0, x, y);
        QCOMPARE(g.window->hoverMenu, item);
        QCOMPARE(g.platform->refreshes, item ? 1 : 0);
        QCOMPARE(g.window->mode, modeMenu);
    }

    void aPointerRestingOnAnItemHighlightsItOnce() {
        LoadedGame g;
        g.window->Form_MouseMove(0, 0, 400, 450);
        QCOMPARE(g.pixel(400, 450), sheetColour(0, 2));
        const QImage after = g.window->surface().copy();
        for (int x = 380; x < 420; x += 7)
            g.window->Form_MouseMove(0, 0, x, 450);
        QCOMPARE(g.platform->refreshes, 1);
        QCOMPARE(g.window->surface(), after);
    }

    void movingFromItemToItemRedrawsBothAndRefreshesOnce() {
        LoadedGame g;
        g.window->Form_MouseMove(0, 0, 150, 450);
        QCOMPARE(g.pixel(150, 450), sheetColour(0, 1));
        g.platform->clear();
        g.window->Form_MouseMove(0, 0, 400, 450);
        QCOMPARE(g.pixel(150, 450), kSheet);
        QCOMPARE(g.pixel(400, 450), sheetColour(0, 2));
        QCOMPARE(g.platform->refreshes, 1);
    }

    void menuItemsAreDrawnInTheInterfaceLanguage() {
        LoadedGame g;
        g.window->Form_MouseDown(1, 0, 620, 160); // the language item
        QVERIFY(g.window->czech);
        for (int item = 1; item <= 4; ++item)
            QCOMPARE(g.pixel(kItemCentre[item].x(), kItemCentre[item].y()), sheetColour(1, item));
        QCOMPARE(g.window->hoverMenu, 0);
        g.window->Form_MouseMove(0, 0, 650, 450);
        QCOMPARE(g.pixel(650, 450), sheetColour(2, 3));
    }

    void aRightButtonPressOnlyHighlights() {
        LoadedGame g;
        g.window->Form_MouseDown(2, 0, 400, 450);
        QCOMPARE(g.window->mode, modeMenu);
        QCOMPARE(g.window->hoverMenu, 2);
        QCOMPARE(g.pixel(400, 450), sheetColour(0, 2));
    }

    void menuClicksRunTheirItemsAfterTheSelectSound_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("mode");
        QTest::newRow("settings") << 1 << modeHelpSettings;
        QTest::newRow("new game") << 2 << modeBoard;
        QTest::newRow("help") << 3 << modeHelpSettings;
        QTest::newRow("language") << 4 << modeMenu;
    }
    void menuClicksRunTheirItemsAfterTheSelectSound() {
        QFETCH(int, item);
        QFETCH(int, mode);
        LoadedGame g;
        g.window->Label1_Click(); // effects on
        g.window->Form_MouseDown(1, 0, kItemCentre[item].x(), kItemCentre[item].y());
        QCOMPARE(g.window->mode, mode);
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("select.wav")});
        QCOMPARE(g.window->hoverMenu, 0);
        QCOMPARE(!g.window->Text1->isHidden(), item == 1);
        QCOMPARE(g.window->wbHelp->y(), item == 3 ? 110 : 700);
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
        for (int mode : {modeMenu, modeBoard}) {
            LoadedGame g;
            if (mode == modeBoard) g.window->gameStart();
            g.platform->clear();
            g.window->Form_MouseDown(1, 0, x, y);
            QCOMPARE(g.platform->prompts.size(), asked ? 1 : 0);
            QCOMPARE(g.window->mode, mode);
        }
    }

    void quitAnsweredNoChangesNothing() {
        LoadedGame g;
        const QImage before = g.window->surface().copy();
        g.window->Form_MouseDown(1, 0, 785, 30);
        QCOMPARE(g.platform->prompts,
                 QStringList{QStringLiteral("Are you sure you want to quit TamvelKvíz?")});
        QVERIFY(!g.window->isUnloaded());
        QCOMPARE(g.window->mode, modeMenu);
        QCOMPARE(g.window->hoverMenu, 0);
        QCOMPARE(g.window->surface(), before);
    }

    void quitAnsweredYesUnloadsTheWindow() {
        LoadedGame g;
        g.window->switchLng();
        g.platform->answers = {true};
        g.window->Form_MouseDown(1, 0, 785, 30);
        QCOMPARE(g.platform->prompts, QStringList{QStringLiteral("Skutečně si přejete ukončit TamvelKvíz?")});
        QVERIFY(!g.window->isUnloaded()); // the window closes once its click has been handled
        QTRY_VERIFY(g.window->isUnloaded());
        QVERIFY(QFile::exists(g.folder->file(QStringLiteral("n.dat"))));
    }

    void abortingAGameAsksAndAnsweringNoLeavesItAsItWas() {
        LoadedGame g;
        g.window->gameStart();
        const auto board = g.window->board;
        g.platform->clear();
        g.window->Form_MouseDown(1, 0, 785, 30);
        QCOMPARE(g.platform->prompts,
                 QStringList{QStringLiteral("Do you want to terminate game and return to the main menu?")});
        QCOMPARE(g.window->mode, modeBoard);
        QVERIFY(g.window->board == board);
        QVERIFY(!g.window->isClockEnabled());
    }

    void abortingAGameAnsweredYesReturnsToTheMenuAndStopsTheClock() {
        LoadedGame g;
        g.window->gameStart();
        g.window->Form_MouseDown(1, 0, 400, 170);
        QCOMPARE(g.window->mode, g.window->player);
        QVERIFY(g.window->isClockEnabled());
        g.platform->answers = {true};
        g.window->Form_MouseDown(1, 0, 785, 30);
        QCOMPARE(g.window->mode, modeMenu);
        QVERIFY(!g.window->isClockEnabled());
    }

    void theWinnerScreenClosesWithoutAQuestionAndIgnoresEverythingElse() {
        LoadedGame g;
        g.window->gameStart();
        g.window->mode = modeWinner;
        const QImage before = g.window->surface().copy();
        g.window->Form_MouseDown(1, 0, 400, 170);
        g.window->Form_MouseMove(0, 0, 400, 300);
        QCOMPARE(g.window->surface(), before);
        QCOMPARE(g.window->mode, modeWinner);
        g.window->Form_MouseDown(1, 0, 785, 30);
        QVERIFY(g.platform->prompts.isEmpty());
        QCOMPARE(g.window->mode, modeMenu);
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
        g.window->showHelp();
        g.platform->clear();
        g.window->Form_MouseMove(0, 0, x, y);
        QCOMPARE(g.window->hoverBack, hover);
        QCOMPARE(g.pixel(10, 10), hover ? fixture::colourOf(16).rgb() : fixture::colourOf(17).rgb());
        QCOMPARE(g.platform->refreshes, hover);
        g.window->Form_MouseMove(0, 0, x, y);
        QCOMPARE(g.platform->refreshes, hover);
    }

    void leavingTheBackSquareRestoresTheCorner() {
        LoadedGame g;
        g.window->showHelp();
        g.window->Form_MouseMove(0, 0, 40, 40);
        g.window->Form_MouseMove(0, 0, 200, 200);
        QCOMPARE(g.pixel(10, 10), fixture::colourOf(17).rgb());
        QCOMPARE(g.window->hoverBack, 0);
    }

    void draggingIntoTheBackSquareReturnsFromBothScreens() {
        for (bool settings : {false, true}) {
            LoadedGame g;
            settings ? g.window->showSett() : g.window->showHelp();
            QCOMPARE(g.window->mode, modeHelpSettings);
            g.window->Form_MouseMove(1, 0, 40, 40); // left button held, no press
            QCOMPARE(g.window->mode, modeMenu);
            QCOMPARE(g.window->hoverBack, 0);
            QVERIFY(g.window->Text1->isHidden());
            QVERIFY(g.window->Label3->isHidden());
            QCOMPARE(g.window->wbHelp->y(), 700);
        }
    }

    void helpLoadsThePageOfTheCurrentLanguage() {
        LoadedGame g;
        g.window->switchLng();
        QVERIFY(g.platform->helpPages.last().endsWith(QStringLiteral("/help/napoveda.html")));
        g.window->showHelp();
        QCOMPARE(g.window->wbHelp->geometry(), QRect(350, 110, 430, 460));
        QCOMPARE(g.pixel(400, 50), fixture::colourOf(17).rgb());
        g.window->switchLng();
        QVERIFY(g.platform->helpPages.last().endsWith(QStringLiteral("/help/help.html")));
    }

    void settingsScreenShowsItsControlsOutlinesAndCaptions() {
        LoadedGame g;
        g.window->showSett();
        for (QWidget* w :
             std::initializer_list<QWidget*>{g.window->Text1, g.window->Text2, g.window->Text3,
                                             g.window->Label1, g.window->Label2, g.window->Label3}) {
            QVERIFY(!w->isHidden());
            QCOMPARE(g.pixel(w->x() - 1, w->y() - 1), 0xFF25ACF2u);
            QCOMPARE(g.pixel(w->x() + w->width() + 1, w->y() + w->height() + 1), 0xFF25ACF2u);
        }
        QCOMPARE(g.window->Text3->geometry(), QRect(640, 230, 90, 23));
        // White caption text lies somewhere in the first caption's line.
        bool white = false;
        for (int x = 350; x < 500 && !white; ++x)
            for (int y = 130; y < 150 && !white; ++y)
                white = g.pixel(x, y) == qRgb(255, 255, 255);
        QVERIFY(white);
        QCOMPARE(g.window->mode, modeHelpSettings);
        QCOMPARE(g.window->FontSize, 12.0);
    }

    void switchesToggleTheirCaptions() {
        LoadedGame g;
        g.window->Label1_Click();
        QCOMPARE(g.window->Label1->text(), QStringLiteral("(o)"));
        g.window->Label1_Click();
        QCOMPARE(g.window->Label1->text(), QStringLiteral("(  )"));
        g.window->Label3_Click();
        g.window->Label3_Click();
        QCOMPARE(g.platform->fullScreen, std::vector<bool>({true, false}));
        QVERIFY(g.platform->sounds.isEmpty());
    }

    void qtEventsReachTheHandlerWithTheirButtonsAndModifiers() {
        LoadedGame g;
        // A right press highlights only.
        QMouseEvent right(QEvent::MouseButtonPress, QPointF(400, 450), QPointF(400, 450), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(g.window.get(), &right);
        QCOMPARE(g.window->hoverMenu, 2);
        QCOMPARE(g.window->mode, modeMenu);
        // Moving with the left button held and Shift down is a click.
        QMouseEvent drag(QEvent::MouseMove, QPointF(650.7, 450.2), QPointF(650.7, 450.2), Qt::NoButton,
                         Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(g.window.get(), &drag);
        QCOMPARE(g.window->mode, modeHelpSettings);
        // With Ctrl as well it is not.
        g.window->hideHelp();
        QMouseEvent ctrlDrag(QEvent::MouseMove, QPointF(650, 450), QPointF(650, 450), Qt::NoButton,
                             Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QApplication::sendEvent(g.window.get(), &ctrlDrag);
        QCOMPARE(g.window->mode, modeMenu);
        QCOMPARE(g.window->hoverMenu, 3);
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
