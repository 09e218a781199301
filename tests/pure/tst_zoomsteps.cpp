// The window's zoom steps: what fits a screen, one step up and down, and the stored choice.
#include "zoomsteps.h"

#include <QTest>

class TestZoomSteps : public QObject {
    Q_OBJECT
private slots:
    void theLargestStepThatFits_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("largest");
        QTest::newRow("smaller than the game") << QSize(640, 480) << 100;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 150;
        QTest::newRow("1000 x 750 exactly") << QSize(1000, 750) << 125;
        QTest::newRow("one pixel short of 125") << QSize(999, 750) << 100;
        QTest::newRow("1920 x 1040 (a panel)") << QSize(1920, 1040) << 150;
        QTest::newRow("1600 x 1200 exactly") << QSize(1600, 1200) << 200;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 200;
    }
    void theLargestStepThatFits() {
        QFETCH(QSize, room);
        QFETCH(int, largest);
        QCOMPARE(zoomsteps::largestFitting(room.width(), room.height()), largest);
    }

    void stepsGoThroughTheListAndStopAtTheEnds_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("to");
        QTest::newRow("up from 100") << 100 << 1 << 200 << 125;
        QTest::newRow("up from 150") << 150 << 1 << 200 << 200;
        QTest::newRow("up at the top") << 200 << 1 << 200 << 200;
        QTest::newRow("up beyond the screen") << 150 << 1 << 150 << 150;
        QTest::newRow("down from 200") << 200 << -1 << 200 << 150;
        QTest::newRow("down from 125") << 125 << -1 << 200 << 100;
        QTest::newRow("down at the bottom") << 100 << -1 << 200 << 100;
    }
    void stepsGoThroughTheListAndStopAtTheEnds() {
        QFETCH(int, from);
        QFETCH(int, direction);
        QFETCH(int, largest);
        QFETCH(int, to);
        QCOMPARE(zoomsteps::stepped(from, direction, largest), to);
    }

    void aChoiceTooLargeForTheScreenShowsTheLargestThatFits() {
        QCOMPARE(zoomsteps::shown(200, 150), 150);
        QCOMPARE(zoomsteps::shown(125, 150), 125);
    }

    void theStoredChoiceReadsBackAndAnythingElseIs100_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("choice");
        QTest::newRow("150 with a newline") << QByteArray("150\n") << 150;
        QTest::newRow("200, Windows line end") << QByteArray("200\r\n") << 200;
        QTest::newRow("no file") << QByteArray() << 100;
        QTest::newRow("not a step") << QByteArray("175\n") << 100;
        QTest::newRow("negative") << QByteArray("-125") << 100;
        QTest::newRow("text") << QByteArray("big") << 100;
        QTest::newRow("binary junk") << QByteArray("\x00\xff\x12", 3) << 100;
    }
    void theStoredChoiceReadsBackAndAnythingElseIs100() {
        QFETCH(QByteArray, stored);
        QFETCH(int, choice);
        QCOMPARE(zoomsteps::parse(stored), choice);
        QCOMPARE(zoomsteps::parse(zoomsteps::format(choice)), choice);
    }
};

QTEST_APPLESS_MAIN(TestZoomSteps)
#include "tst_zoomsteps.moc"
