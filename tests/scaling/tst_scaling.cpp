// The game on a high-DPI screen (two device pixels to a desktop pixel, 1600 x 1000 of room) with the
// program's real view: drawn at the scale it is shown at in its window, at the zoom steps and in full
// screen, with input through key and pointer events as a player's.
#include "showngame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstring>

using fixture::fullScreenView;
using fixture::ShownGame;

namespace {
constexpr QPoint kNewGame{400, 460};

QString zoomFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/zoom.txt");
}
QByteArray storedZoom() {
    QFile f(zoomFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the screen shows of the game, at its device pixels.
QImage shownPixels(ShownGame& g) {
    QWidget* shown = fullScreenView() ? fullScreenView()->viewport() : g.window.get();
    return shown->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The surface lies in what is shown at (left, top), pixel for pixel: nothing was stretched.
bool showsTheSurfaceAt(ShownGame& g, int left, int top) {
    const QImage shown = shownPixels(g);
    const QImage& surface = g.window->shownFrame();
    const QImage part = shown.copy(left, top, surface.width(), surface.height());
    if (part.size() != surface.size()) return false;
    for (int y = 0; y < surface.height(); ++y)
        if (std::memcmp(part.constScanLine(y), surface.constScanLine(y),
                        static_cast<std::size_t>(surface.width()) * 4) != 0) {
            qWarning("row %d of the surface is not shown as it is", y);
            return false;
        }
    return true;
}

void storeZoom(const QByteArray& step) {
    QDir().mkpath(QFileInfo(zoomFile()).absolutePath());
    QSaveFile f(zoomFile());
    if (f.open(QIODevice::WriteOnly)) f.write(step);
    f.commit();
}

QSize viewSize() {
    return fullScreenView() ? fullScreenView()->size() : QSize();
}
} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(zoomFile()); }
    void cleanupTestCase() { QFile::remove(zoomFile()); }

    void aWindowOnATwoTimesScreenIsDrawnAtTwoTimes() {
        ShownGame g;
        QVERIFY(g.loaded);
        QCOMPARE(g.window->size(), QSize(800, 600)); // the game's own pixels stay
        QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 2.0);
        QCOMPARE(g.window->shownFrame().size(), QSize(1600, 1200));
        QVERIFY(showsTheSurfaceAt(g, 0, 0));
    }

    void zoomStepsFromTheKeyboardStayOnTheScreenAndAreKept() {
        ShownGame g;
        QVERIFY(g.loaded);
        const QRect room = g.window->screen()->availableGeometry();
        g.key(Qt::Key_Equal, Qt::ControlModifier);
        QTRY_COMPARE(viewSize(), QSize(1000, 750));
        QCOMPARE(fullScreenView()->geometry().center(), room.center());
        QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 2.5);
        QVERIFY(showsTheSurfaceAt(g, 0, 0));
        QCOMPARE(storedZoom(), QByteArray("125\n"));

        g.key(Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(viewSize(), QSize(1200, 900));
        QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 3.0);
        QVERIFY(showsTheSurfaceAt(g, 0, 0));
        // 200 % would not fit in 1000 pixels of height.
        g.key(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(viewSize(), QSize(1200, 900));
        QCOMPARE(storedZoom(), QByteArray("150\n"));

        // The pointer reaches the game at its own coordinates.
        g.click(kNewGame);
        g.key(Qt::Key_Return); // the setup: play
        QCOMPARE(g.window->match().screen(), Screen::Board);

        g.key(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(viewSize(), QSize(1000, 750));
        g.key(Qt::Key_0, Qt::ControlModifier);
        QTRY_VERIFY(!fullScreenView());
        QTRY_VERIFY(g.window->isWindow() && g.window->isVisible());
        QCOMPARE(g.window->size(), QSize(800, 600));
        QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 2.0);
        QCOMPARE(storedZoom(), QByteArray("100\n"));
        QCOMPARE(g.window->match().screen(), Screen::Board); // the game went on through it all
        QVERIFY(g.platform.errors.isEmpty());
    }

    void theStoredZoomIsShownFromTheStart_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("150") << QByteArray("150\n") << QSize(1200, 900);
        QTest::newRow("125") << QByteArray("125\n") << QSize(1000, 750);
        QTest::newRow("200, larger than the screen") << QByteArray("200\n") << QSize(1200, 900);
        QTest::newRow("damaged") << QByteArray("\x01zoom") << QSize();
        QTest::newRow("empty") << QByteArray("") << QSize();
    }
    void theStoredZoomIsShownFromTheStart() {
        QFETCH(QByteArray, stored);
        QFETCH(QSize, shown);
        QDir().mkpath(QFileInfo(zoomFile()).absolutePath());
        QSaveFile f(zoomFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(stored);
        QVERIFY(f.commit());
        ShownGame g;
        QVERIFY(g.loaded);
        QCOMPARE(viewSize(), shown);
        if (shown.isValid())
            QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 2.0 * shown.width() / 800);
        QCOMPARE(storedZoom(), stored); // what the screen could not show stays the choice
        QVERIFY(g.platform.errors.isEmpty());
    }

    // A display switch asked for just before a question opens must not take the question's window
    // away while it is open, nor delete anything the question is still using.
    void leavingTheViewAsAQuestionOpensKeepsTheQuestion_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("zoom");
        QTest::addColumn<int>("leaveKey");
        QTest::newRow("F11 in full screen") << QByteArray("A\r\nB\r\n10000\r\n(  )\r\n(  )\r\n(o)\r\n")
                                            << QByteArray("100\n") << int(Qt::Key_F11);
        QTest::newRow("Ctrl+0 at 125 %") << QByteArray() << QByteArray("125\n") << int(Qt::Key_0);
    }
    void leavingTheViewAsAQuestionOpensKeepsTheQuestion() {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, zoom);
        QFETCH(int, leaveKey);
        storeZoom(zoom);
        ShownGame g(settings);
        QVERIFY(g.loaded);
        g.platform.realDialogs = true;
        QTRY_VERIFY(fullScreenView() != nullptr);
        const Qt::KeyboardModifiers mods = leaveKey == Qt::Key_0 ? Qt::ControlModifier : Qt::NoModifier;
        // Pressed together: both keys wait in the queue, so the switch the first asks for is still
        // waiting for the event loop when the second opens the question.
        QWindow* shown = g.shownWindow();
        QCoreApplication::postEvent(shown, new QKeyEvent(QEvent::KeyPress, leaveKey, mods));
        QCoreApplication::postEvent(shown, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        bool dialogSeenOverTheView = false;
        QTimer::singleShot(100, [&] {
            const bool open = g.window->openDialog() != nullptr;
            dialogSeenOverTheView = open && fullScreenView();           // the switch waits until it closes
            if (open) QTest::keyClick(g.shownWindow(), Qt::Key_Escape); // No
        });
        QTRY_COMPARE(g.platform.prompts.size(), 1);
        QTRY_VERIFY(!g.window->openDialog());
        QVERIFY(dialogSeenOverTheView);
        QTRY_VERIFY(!fullScreenView());
        QTRY_VERIFY(g.window->isVisible() && g.window->isWindow());
        QCOMPARE(g.window->match().screen(), Screen::Menu); // No: the game goes on
        QVERIFY(!g.window->isUnloaded());
    }

    // Full screen on 3200 x 2000 device pixels: the game at 3.33, the largest scale on which 800 x 600
    // are whole device pixels, black bars of whole pixels beside and below it; back to the zoom step
    // it left.
    void fullScreenIsLetterboxedOnWholeDevicePixels() {
        QDir().mkpath(QFileInfo(zoomFile()).absolutePath());
        QSaveFile f(zoomFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("125\n");
        QVERIFY(f.commit());
        ShownGame g;
        QVERIFY(g.loaded);
        QCOMPARE(viewSize(), QSize(1000, 750));

        g.key(Qt::Key_F11);
        QTRY_VERIFY(fullScreenView() && fullScreenView()->isFullScreen());
        QTRY_COMPARE(viewSize(), QSize(1600, 1000));
        QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 3.33);
        QCOMPARE(g.window->shownFrame().size(), QSize(2664, 1998));
        QVERIFY(showsTheSurfaceAt(g, 268, 0));
        const QImage shown = shownPixels(g);
        for (QPoint bar :
             {QPoint(0, 0), QPoint(267, 1000), QPoint(2932, 1000), QPoint(3199, 1999), QPoint(1600, 1998)})
            QCOMPARE(shown.pixel(bar), qRgb(0, 0, 0));

        // The zoom keys have nothing to do in full screen.
        g.key(Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(storedZoom(), QByteArray("125\n"));
        QVERIFY(fullScreenView()->isFullScreen());

        g.key(Qt::Key_F11);
        QTRY_COMPARE(viewSize(), QSize(1000, 750));
        QTRY_VERIFY(!fullScreenView()->isFullScreen());
        QTRY_COMPARE(g.window->shownFrame().devicePixelRatio(), 2.5);
        QVERIFY(showsTheSurfaceAt(g, 0, 0));
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
