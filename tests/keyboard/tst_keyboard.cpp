// Playing from the keyboard, through real key events: the menu, the board, the answers, Escape, F11
// and Ctrl+Q; and the right answer shown after a miss.
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "settingscontrols.h"

#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace board;
using fixture::colourOf;
using fixture::LoadedGame;

using fixture::rgb;

namespace {
// Item looks on the fixture's menu sheet: band 0 English lit.
QRgb litColour(int item) {
    return QColor::fromHsv(((item - 1) * 20) % 360, 255, 255).rgb();
}
const QPoint kItemCentre[5] = {{}, {150, 450}, {400, 450}, {650, 450}, {620, 160}};

// The options' boxes of a side (1 right, 2 left), one point inside each.
QPoint optionPoint(int side, int slot) {
    return {(side == 1 ? 500 + 32 * (slot - 1) : 100 - 32 * (slot - 1)) + 199, 180 + 54 * (slot - 1) + 46};
}

// The question phase of player p on (3, 3), with the right answer in rightSlot and the options drawn.
void questionOf(LoadedGame& g, int p, int rightSlot) {
    GameWindow& w = *g.window;
    w.settings().timeBaseBox().setText(QStringLiteral("1e12")); // the clock waits for the test
    w.startGame();
    w.match().setUp(w.match().cells(), Player::fromNumber(p));
    Question q;
    for (int s = 1; s <= 4; ++s)
        q.answers[static_cast<std::size_t>(s)] = QStringLiteral("answer %1").arg(s);
    q.rightSlot = static_cast<std::uint8_t>(rightSlot);
    w.match().setUpQuestion(Cell{3, 3}, q);
    w.questionPanel().open();
    g.platform->clear();
}
} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void arrowsAndTabLightTheMenuItemsInTurn_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("lit");
        QTest::newRow("Right lights the first item") << QList<int>{Qt::Key_Right} << 1;
        QTest::newRow("Down twice") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2;
        QTest::newRow("Tab moves on") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab} << 3;
        QTest::newRow("past the last wraps") << QList<int>{Qt::Key_Left, Qt::Key_Right} << 1;
        QTest::newRow("Left from nothing is the language") << QList<int>{Qt::Key_Left} << 4;
        QTest::newRow("Backtab goes back") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab} << 1;
        QTest::newRow("Up goes back") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Up} << 1;
    }
    void arrowsAndTabLightTheMenuItemsInTurn() {
        QFETCH(QList<int>, keys);
        QFETCH(int, lit);
        LoadedGame g;
        for (int k : keys)
            g.key(static_cast<Qt::Key>(k));
        QCOMPARE(g.window->menu().litItem(), lit);
        // The light is the item's own lit look; the others are plain.
        QCOMPARE(g.pixel(kItemCentre[lit].x(), kItemCentre[lit].y()), litColour(lit));
        QCOMPARE(g.window->match().screen(), Screen::Menu);
    }

    void enterAndSpaceChooseTheLitItem_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("key");
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<Screen>("afterEnter");
        // Enter on the setup plays as last time; elsewhere nothing is lit, and nothing more happens.
        QTest::newRow("settings with Enter") << 1 << int(Qt::Key_Return) << Screen::Settings << Screen::Settings;
        QTest::newRow("new game with Space") << 2 << int(Qt::Key_Space) << Screen::Setup << Screen::Board;
        QTest::newRow("help with Enter") << 3 << int(Qt::Key_Enter) << Screen::Help << Screen::Help;
        QTest::newRow("language with Space") << 4 << int(Qt::Key_Space) << Screen::Menu << Screen::Menu;
    }
    void enterAndSpaceChooseTheLitItem() {
        QFETCH(int, item);
        QFETCH(int, key);
        QFETCH(Screen, screen);
        QFETCH(Screen, afterEnter);
        LoadedGame g;
        g.window->settings().toggleSound();
        for (int i = 0; i < item; ++i)
            g.key(Qt::Key_Right);
        g.platform->clear();
        g.key(static_cast<Qt::Key>(key));
        QCOMPARE(g.window->match().screen(), screen);
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("select.wav")});
        QCOMPARE(g.window->isCzech(), item == 4);
        g.key(Qt::Key_Return);
        QCOMPARE(g.window->match().screen(), afterEnter);
    }

    void arrowsWalkTheFreeCellsAndEnterChooses() {
        LoadedGame g;
        g.window->settings().timeBaseBox().setText(QStringLiteral("1e12"));
        g.window->startGame();
        Grid cells = g.window->match().cells();
        cells.set(2, 1, cellPlayer1); // the left cell of row 1 is taken
        g.window->match().setUp(cells, Player::fromNumber(2));
        g.window->refresh();
        g.key(Qt::Key_Down); // nothing lit yet: the top cell
        QCOMPARE(g.window->boardView().hoveredCell(), (Cell{3, 0}));
        const RectF top = cellRect(3, 0);
        QCOMPARE(g.pixel(int(top.left + 32), int(top.top + 35)), rgb(HoveredCell));
        g.key(Qt::Key_Down); // row 1: the free one of its two cells
        QCOMPARE(g.window->boardView().hoveredCell(), (Cell{3, 1}));
        QCOMPARE(g.pixel(int(top.left + 32), int(top.top + 35)), rgb(FreeCell));
        g.key(Qt::Key_Left); // the only other cell of the row is taken: the light stays
        QCOMPARE(g.window->boardView().hoveredCell(), (Cell{3, 1}));
        g.key(Qt::Key_Down);
        g.key(Qt::Key_Left);
        const Cell chosen = g.window->boardView().hoveredCell();
        QCOMPARE(chosen.row, 2);
        g.key(Qt::Key_Right);
        QVERIFY(g.window->boardView().hoveredCell().col > chosen.col);
        g.key(Qt::Key_Up);
        QCOMPARE(g.window->boardView().hoveredCell().row, 1);
        g.key(Qt::Key_Return);
        QCOMPARE(g.window->match().screen(), Screen::Question);
        QCOMPARE(g.window->match().chosenCell(), (Cell{3, 1}));
        QCOMPARE(g.window->boardView().hoveredCell(), Cell{});
    }

    void digitsAndLettersAnswerTheOptionsFromTheTop_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("slot");
        QTest::newRow("1, player 1") << 1 << int(Qt::Key_1) << 1;
        QTest::newRow("4, player 1") << 1 << int(Qt::Key_4) << 4;
        QTest::newRow("B, player 2") << 2 << int(Qt::Key_B) << 2;
        QTest::newRow("C, player 1") << 1 << int(Qt::Key_C) << 3;
        QTest::newRow("D, player 2") << 2 << int(Qt::Key_D) << 4;
    }
    void digitsAndLettersAnswerTheOptionsFromTheTop() {
        QFETCH(int, player);
        QFETCH(int, key);
        QFETCH(int, slot);
        LoadedGame g;
        questionOf(g, player, 3);
        std::vector<QRgb> firstFrame;
        g.platform->onRefresh = [&] {
            if (firstFrame.empty())
                for (int s = 1; s <= 4; ++s)
                    firstFrame.push_back(g.pixel(optionPoint(player, s).x(), optionPoint(player, s).y()));
        };
        g.key(static_cast<Qt::Key>(key));
        QVERIFY(!firstFrame.empty());
        for (int s = 1; s <= 4; ++s) {
            const int look = s == slot ? (slot == 3 ? OptionRight : OptionWrong)
                             : s == 3  ? OptionRight // the right answer shows beside a wrong one
                                       : (player == 1 ? OptionNormalCopy : OptionNormal);
            QCOMPARE(firstFrame[static_cast<std::size_t>(s - 1)], rgb(look));
        }
        const int owner = slot == 3 ? player : 3 - player;
        QCOMPARE(int(g.window->match().cells().at(3, 3)), cellPlayer1 + owner - 1);
        QVERIFY(!g.window->match().isClockRunning());
    }

    void upDownAndEnterAnswerTheHighlightedOption() {
        LoadedGame g;
        questionOf(g, 1, 2);
        g.key(Qt::Key_Down);
        QCOMPARE(g.window->questionPanel().hoveredSlot(), 1);
        QCOMPARE(g.pixel(optionPoint(1, 1).x(), optionPoint(1, 1).y()), rgb(OptionHovered));
        g.key(Qt::Key_Down);
        g.key(Qt::Key_Down);
        g.key(Qt::Key_Up);
        QCOMPARE(g.window->questionPanel().hoveredSlot(), 2);
        QCOMPARE(g.pixel(optionPoint(1, 1).x(), optionPoint(1, 1).y()), rgb(OptionNormalCopy));
        g.key(Qt::Key_Return);
        QCOMPARE(g.window->match().screen(), Screen::Board);
        QCOMPARE(int(g.window->match().cells().at(3, 3)), int(cellPlayer1)); // right: player 1's
        QCOMPARE(g.window->match().playerOnTurn().number(), 2);
    }

    void theRightAnswerShowsAfterATimeOut_data() {
        QTest::addColumn<int>("player");
        QTest::newRow("player 1") << 1;
        QTest::newRow("player 2") << 2;
    }
    void theRightAnswerShowsAfterATimeOut() {
        QFETCH(int, player);
        LoadedGame g;
        questionOf(g, player, 4);
        Match& m = g.window->match();
        m.setUpQuestion(m.chosenCell(), m.question(), 0); // the last tick
        std::vector<QRgb> firstFrame;
        g.platform->onRefresh = [&] {
            if (firstFrame.empty())
                for (int s = 1; s <= 4; ++s)
                    firstFrame.push_back(g.pixel(optionPoint(player, s).x(), optionPoint(player, s).y()));
        };
        g.window->questionPanel().clockTick();
        QCOMPARE(firstFrame.size(), std::size_t(4));
        QCOMPARE(firstFrame[3], rgb(OptionRight));
        QCOMPARE(firstFrame[0], rgb(player == 1 ? OptionNormalCopy : OptionNormal)); // the others plain
        QCOMPARE(int(m.cells().at(3, 3)), cellPlayer1 + (3 - player) - 1);
    }

    void escapeStepsBack() {
        LoadedGame g;
        g.key(Qt::Key_Right);
        g.key(Qt::Key_Return); // settings
        QCOMPARE(g.window->match().screen(), Screen::Settings);
        QFile::remove(g.folder->file(QStringLiteral("n.dat")));
        g.window->settings().name1Box().setFocus();
        g.key(Qt::Key_Escape); // from a name box too
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QVERIFY(QFile::exists(g.folder->file(QStringLiteral("n.dat")))); // leaving the settings saves them

        g.window->help().show();
        g.key(Qt::Key_Escape);
        QCOMPARE(g.window->match().screen(), Screen::Menu);

        g.window->startGame();
        g.platform->answers = {false};
        g.key(Qt::Key_Escape); // a game in progress asks first
        QCOMPARE(g.platform->prompts.size(), 1);
        QCOMPARE(g.window->match().screen(), Screen::Board);
        g.platform->answers = {true};
        g.key(Qt::Key_Escape);
        QCOMPARE(g.window->match().screen(), Screen::Menu);

        g.window->match().setUpScreen(Screen::Winner);
        g.platform->clear();
        g.key(Qt::Key_Escape); // the winner screen returns at once
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QVERIFY(g.platform->prompts.isEmpty());

        g.platform->answers = {false};
        g.key(Qt::Key_Escape); // in the menu: the quit question
        QCOMPARE(g.platform->prompts,
                 QStringList{QStringLiteral("Are you sure you want to quit TamvelKvíz?")});
        QVERIFY(!g.window->isUnloaded());
    }

    // Reading "end the game?" or "quit?" takes none of the time to answer, whatever the answer is.
    void theClockStandsStillWhileTheGameAsks_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape: end the game?") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Q: quit?") << int(Qt::Key_Q) << int(Qt::ControlModifier);
    }
    void theClockStandsStillWhileTheGameAsks() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        LoadedGame g;
        questionOf(g, 1, 2);
        Match& match = g.window->match();
        // Shown and active first: waiting for that would let the clock tick before the key.
        g.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.window.get()));
        g.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
        match.startClock(1000);
        const float before = g.window->match().timeLeft();
        bool tickingWhileAsked = true;
        g.platform->onAsk = [&] { tickingWhileAsked = match.clockTimer().isActive(); };
        g.key(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers)); // answered No
        QCOMPARE(g.platform->prompts.size(), 1);
        QVERIFY(!tickingWhileAsked);
        QCOMPARE(g.window->match().timeLeft(), before);
        QCOMPARE(g.window->match().screen(), Screen::Question);
        QVERIFY(match.clockTimer().isActive()); // and it goes on from where it stood
    }

    void f11SwitchesFullScreenAndCtrlQAsksToQuit() {
        LoadedGame g;
        g.key(Qt::Key_F11);
        QCOMPARE(g.platform->fullScreen, std::vector<bool>{true});
        QVERIFY(g.window->settings().fullScreenSwitch().isChecked());
        g.window->startGame();
        g.key(Qt::Key_F11);
        QCOMPARE(g.platform->fullScreen, (std::vector<bool>{true, false}));
        g.platform->answers = {true};
        g.key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(g.platform->prompts,
                 QStringList{QStringLiteral("Are you sure you want to quit TamvelKvíz?")});
        QTRY_VERIFY(g.window->isUnloaded());
    }

    // Entered by key, the settings take the keyboard: the first name has the focus, the fields edit as
    // any text field does, Tab goes round in the screen's order, Space and Enter switch, Escape leaves
    // and saves, and an emptied name is its default again.
    void theSettingsTakeTheKeyboardInTheirOrder() {
        LoadedGame g;
        g.key(Qt::Key_Right);
        g.key(Qt::Key_Return);
        SettingsScreen& s = g.window->settings();
        QCOMPARE(g.window->match().screen(), Screen::Settings);
        QVERIFY(s.name1Box().hasFocus());
        g.key(Qt::Key_A, Qt::ControlModifier);
        g.key(Qt::Key_Backspace);
        QCOMPARE(s.name1Box().text(), QString());
        for (Qt::Key k : {Qt::Key_E, Qt::Key_V, Qt::Key_A})
            g.key(k);
        g.key(Qt::Key_Home);
        g.key(Qt::Key_Delete);
        g.key(Qt::Key_End);
        g.key(Qt::Key_Left);
        g.key(Qt::Key_Backspace);
        QCOMPARE(s.name1Box().text(), QStringLiteral("a"));
        const auto order = s.controls();
        QCOMPARE(order[3], static_cast<QWidget*>(&s.playerSwitch(Player::owl())));
        for (std::size_t i = 1; i <= order.size(); ++i) {
            g.key(Qt::Key_Tab);
            QVERIFY2(order[i % order.size()]->hasFocus(), qPrintable(QString::number(i)));
        }
        g.key(Qt::Key_Backtab);
        g.key(Qt::Key_Backtab);
        QVERIFY(s.musicSwitch().hasFocus());
        g.key(Qt::Key_Space);
        QVERIFY(s.musicSwitch().isChecked());
        g.key(Qt::Key_Backtab);
        g.key(Qt::Key_Return);
        QVERIFY(s.soundSwitch().isChecked());
        QCOMPARE(g.platform->music.size(), 1); // the music started with its switch
        QVERIFY(g.window->match().screen() == Screen::Settings);
        // The second name emptied: its default comes back on leaving.
        for (int i = 0; i < 4; ++i)
            g.key(Qt::Key_Backtab);
        QVERIFY(s.name2Box().hasFocus());
        g.key(Qt::Key_A, Qt::ControlModifier);
        g.key(Qt::Key_Delete);
        g.key(Qt::Key_Escape);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QCOMPARE(s.name2Box().text(), QStringLiteral("Tamvel II."));
        QFile saved(g.window->storeFolder() + QStringLiteral("/n.dat"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("a\r\nTamvel II.\r\n10000\r\n(o)\r\n(o)\r\n(  )\r\n"));
    }

    // Tab never sends the keyboard to a hidden control: the arrows, Enter and Space go on working.
    void tabInAGameKeepsTheGameKeys() {
        LoadedGame g;
        GameWindow& w = *g.window;
        g.press(400, 460);     // New game
        g.key(Qt::Key_Return); // Start
        QCOMPARE(w.match().screen(), Screen::Board);
        g.key(Qt::Key_Tab);
        g.key(Qt::Key_Backtab);
        QVERIFY(w.hasFocus());
        g.key(Qt::Key_Down);
        QVERIFY(!(w.boardView().hoveredCell() == Cell{}));
        g.key(Qt::Key_Tab);
        g.key(Qt::Key_Space);
        QCOMPARE(w.match().screen(), Screen::Question);
        g.key(Qt::Key_Tab);
        g.key(Qt::Key_Down);
        QCOMPARE(w.questionPanel().hoveredSlot(), 1);
    }

    void theFirstDownLightsTheTopAnswerAndTheFirstUpTheLast_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("lit");
        QTest::newRow("Down") << int(Qt::Key_Down) << 1;
        QTest::newRow("Up") << int(Qt::Key_Up) << 4;
    }
    void theFirstDownLightsTheTopAnswerAndTheFirstUpTheLast() {
        QFETCH(int, key);
        QFETCH(int, lit);
        LoadedGame g;
        questionOf(g, 1, 2);
        QCOMPARE(g.window->questionPanel().hoveredSlot(), 0);
        g.key(static_cast<Qt::Key>(key));
        QCOMPARE(g.window->questionPanel().hoveredSlot(), lit);
        QCOMPARE(g.window->questionPanel().optionState(lit), OptionState::Hovered);
    }

    void helpScrollsByKeyAtOnceAndEscapeStillLeaves() {
        LoadedGame g;
        GameWindow& w = *g.window;
        g.press(650, 450); // Help
        QCOMPARE(w.match().screen(), Screen::Help);
        QString page;
        for (int i = 1; i <= 200; ++i)
            page += QStringLiteral("Line %1 of the manual\n").arg(i);
        w.help().pane().setPlainText(page);
        QScrollBar* bar = w.help().pane().verticalScrollBar();
        QVERIFY(bar->maximum() > bar->pageStep());
        g.key(Qt::Key_Down);
        QCOMPARE(bar->value(), bar->singleStep());
        g.key(Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->singleStep() + bar->pageStep());
        g.key(Qt::Key_PageUp);
        g.key(Qt::Key_Up);
        QCOMPARE(bar->value(), 0);
        g.key(Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        g.key(Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        g.key(Qt::Key_Escape);
        QCOMPARE(w.match().screen(), Screen::Menu);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
