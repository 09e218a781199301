// Full screen with the program's real view: switching on and off, typing, leaving and quitting, all
// through pointer and key events that Qt routes as it routes a player's.
#include "fixture.h"
#include "gamewindow.h"
#include "showngame.h"
#include "settingscontrols.h"

#include <QApplication>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <memory>

using fixture::fullScreenView;
using fixture::ProgramFolder;
using fixture::ShownGame;

namespace {
constexpr QPoint kSettingsItem{150, 450};
constexpr QPoint kFullScreenSwitch{747, 491};
constexpr QPoint kFirstName{645, 141};
constexpr QPoint kBack{45, 45};
constexpr QPoint kClose{785, 27};

bool isInFullScreen(const GameWindow& w) {
    const QGraphicsView* view = fullScreenView();
    return view && w.graphicsProxyWidget() && view->isFullScreen() && w.isVisible();
}

bool isBackInItsWindow(const GameWindow& w) {
    const QRect screen = w.screen()->geometry();
    const QPoint centred = screen.topLeft() + QPoint((screen.width() - 800) / 2, (screen.height() - 600) / 2);
    return !fullScreenView() && !w.graphicsProxyWidget() && w.isWindow() && w.isVisible() &&
           w.size() == QSize(800, 600) && (w.windowFlags() & Qt::FramelessWindowHint) && w.pos() == centred;
}
} // namespace

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fullScreenSwitchesOnAndOffAgainAndAgain() {
        ShownGame g;
        QVERIFY(g.loaded);
        g.click(kSettingsItem);
        QCOMPARE(g.window->match().screen(), Screen::Settings);
        for (int round = 0; round < 4; ++round) {
            g.click(kFullScreenSwitch);
            QTRY_VERIFY(isInFullScreen(*g.window));
            QVERIFY(g.window->settings().fullScreenSwitch().isChecked());
            QPointer<QGraphicsView> view = fullScreenView();
            QVERIFY(QTest::qWaitForWindowExposed(view.data()));
            g.click(kFullScreenSwitch);
            QTRY_VERIFY(isBackInItsWindow(*g.window));
            QTRY_VERIFY(view.isNull()); // the view is deleted once its own click is over
            QVERIFY(QTest::qWaitForWindowExposed(g.window.get()));
            QVERIFY(!g.window->settings().fullScreenSwitch().isChecked());
        }
        QVERIFY(g.platform.errors.isEmpty());
    }

    void theNameBoxTakesTypingInFullScreen() {
        ShownGame g;
        g.click(kSettingsItem);
        g.click(kFullScreenSwitch);
        QTRY_VERIFY(isInFullScreen(*g.window));
        QVERIFY(QTest::qWaitForWindowExposed(fullScreenView()));
        g.click(kFirstName);
        QTRY_VERIFY(g.window->settings().name1Box().hasFocus());
        g.window->settings().name1Box().selectAll();
        g.type(QStringLiteral("Ada"));
        QCOMPARE(g.window->settings().name1(), QStringLiteral("Ada"));
    }

    void leavingTheSettingsSavesThemAndQuittingFromFullScreenEnds() {
        ShownGame g;
        QSignalSpy unloaded(g.window.get(), &GameWindow::unloaded);
        g.click(kSettingsItem);
        g.click(kFullScreenSwitch);
        QTRY_VERIFY(isInFullScreen(*g.window));
        QVERIFY(QTest::qWaitForWindowExposed(fullScreenView()));
        g.window->settings().name2Box().setText(QStringLiteral("Bob"));
        g.click(kBack);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QCOMPARE(g.settingsFile(), QByteArray("Tamvel I.\r\nBob\r\n10000\r\n(  )\r\n(  )\r\n(o)\r\n"));

        QFile::remove(g.folder.file(QStringLiteral("n.dat")));
        g.platform.answers = {true};
        g.click(kClose);
        QCOMPARE(g.platform.prompts.size(), 1);
        QTRY_COMPARE(unloaded.size(), 1);
        QVERIFY(g.window->isUnloaded());
        QVERIFY(!g.window->graphicsProxyWidget());
        QTRY_VERIFY(!fullScreenView());
        QCOMPARE(g.settingsFile(), QByteArray("Tamvel I.\r\nBob\r\n10000\r\n(  )\r\n(  )\r\n(o)\r\n"));
    }

    void closingTheFullScreenViewEndsTheGame() {
        ShownGame g;
        QSignalSpy unloaded(g.window.get(), &GameWindow::unloaded);
        g.click(kSettingsItem);
        g.click(kFullScreenSwitch);
        QTRY_VERIFY(isInFullScreen(*g.window));
        fullScreenView()->windowHandle()->close(); // as the window manager closes it
        QTRY_COMPARE(unloaded.size(), 1);
        QVERIFY(g.settingsFile().endsWith("(o)\r\n"));
    }

    void aGameStartedInFullScreenCanLeaveIt() {
        ShownGame g("A\r\nB\r\n5000\r\n(  )\r\n(  )\r\n(o)\r\n");
        QVERIFY(g.loaded);
        QTRY_VERIFY(isInFullScreen(*g.window));
        QVERIFY(QTest::qWaitForWindowExposed(fullScreenView()));
        g.click(kSettingsItem);
        QCOMPARE(g.window->match().screen(), Screen::Settings);
        g.click(kFullScreenSwitch);
        QTRY_VERIFY(isBackInItsWindow(*g.window));
        g.click(kBack);
        QVERIFY(g.settingsFile().endsWith("(  )\r\n"));
    }
};

QTEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
