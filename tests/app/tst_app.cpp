// Start-up, the picture table, shutdown and the settings and language files.
#include "canvas.h"
#include "fakeplatform.h"
#include "filelimits.h"
#include "fonts.h"
#include "fixture.h"
#include "gamewindow.h"
#include "random.h"
#include "settingscontrols.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using fixture::LoadedGame;
using fixture::ProgramFolder;

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startUpEndsInTheEnglishMenuWithTheDeckLoaded() {
        LoadedGame g;
        QVERIFY(g.loaded);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QCOMPARE(g.window->match().playerOnTurn().number(), 2);
        QVERIFY(!g.window->isCzech());
        QCOMPARE(g.window->deck().size(), 4);
        QVERIFY(!QFile::exists(g.folder->file(QStringLiteral("AtToMluvi.Cesky"))));
        QVERIFY(g.window->settings().name1Box().isHidden());
    }

    void everySlotHoldsItsOwnPicture() {
        LoadedGame g;
        for (const ListedPicture& expected : kPictureList) {
            const QImage& pic = g.window->pictures().picture(expected.slot);
            QVERIFY2(!pic.isNull(), expected.file);
            QCOMPARE(pic.size(), expected.size());
            if (expected.slot != MenuSheet)
                QCOMPARE(pic.pixelColor(0, 0).rgb(), fixture::colourOf(expected.slot).rgb());
        }
    }

    void aMissingPictureLeavesAnEmptySlotThatDrawsNothing() {
        LoadedGame g(ProgramFolder::defaultQuestions(),
                     {QStringLiteral("pozadi.png"), QStringLiteral("exit.png")});
        QVERIFY(g.loaded);
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QVERIFY(g.window->pictures().picture(Background).isNull());
        QVERIFY(g.window->pictures().picture(CloseControl).isNull());
        // The close control's place keeps the menu sheet beneath it.
        QCOMPARE(g.pixel(785, 30), fixture::colourOf(18).rgb());
        const QImage before = g.window->frame(1);
        const QImage after = fixture::painted(
            g.window->pictures(), 1, [](Canvas& c) { c.draw(Background, 0, 0, 800, 600); }, before);
        QCOMPARE(after, before);
    }

    void theTwoCopiesOfTheOptionPictureAreIndependent() {
        LoadedGame g;
        QImage& a = g.window->pictures().picture(OptionNormal);
        const QImage& b = g.window->pictures().picture(OptionNormalCopy);
        QVERIFY(!a.isNull() && !b.isNull());
        a.setPixelColor(0, 0, Qt::black);
        QCOMPARE(b.pixelColor(0, 0).rgb(), fixture::colourOf(25).rgb());
        a = QImage();
        QVERIFY(!b.isNull());
    }

    void theMenuSheetDrawnTallShowsOnlyItsUpperRows() {
        LoadedGame g;
        // Row 599 of the sheet is its plain background; scaled, it would show the bands below.
        for (int x : {5, 100, 300, 500, 700})
            QCOMPARE(g.pixel(x, 599), fixture::colourOf(18).rgb());
    }

    // A frame that builds up in layers looks the same whether the layers are drawn one by one or put
    // together once for a scale between whole numbers, and lands in the same place.
    void layersPutTogetherLookLikeLayersDrawnOneByOne_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("full screen 1.6") << 1.6;
        QTest::newRow("3840 x 2160") << 3.6;
    }
    void layersPutTogetherLookLikeLayersDrawnOneByOne() {
        QFETCH(double, scale);
        LoadedGame g;
        Pictures& pictures = g.window->pictures();
        pictures.useScale(scale);
        // A soft, half-transparent glow over a patterned background.
        QImage glow(313, 202, QImage::Format_ARGB32_Premultiplied);
        glow.fill(Qt::transparent);
        for (int y = 10; y < 190; ++y)
            for (int x = 10; x < 300; ++x)
                glow.setPixelColor(x, y, QColor(255, 200, 40, (x + y) % 60));
        pictures.picture(LeftPanelFrame) = glow;
        QImage grid(800, 600, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                grid.setPixel(x, y, qRgb(x % 256, y % 256, 90));
        pictures.picture(Background) = grid;
        const auto paintWith = [&](bool together) {
            return fixture::painted(pictures, scale, [&](Canvas& c) {
                c.draw(Background, 0, 0, 800, 600);
                if (together) {
                    c.drawLayers(LeftPanelFrame, 8, 22, 198);
                } else {
                    for (int k = 0; k < 8; ++k)
                        c.draw(LeftPanelFrame, 22, 198, 313, 202);
                }
            });
        };
        const QImage one = paintWith(false), together = paintWith(true);
        QCOMPARE(together.size(), one.size());
        int worst = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                const QColor a = one.pixelColor(x, y), b = together.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                  std::abs(a.blue() - b.blue())});
            }
        // Eight blends rounded one by one, or once: a few levels apart at most, never a shift.
        QVERIFY2(worst <= 5, qPrintable(QStringLiteral("a channel differs by %1").arg(worst)));
        // Something was drawn: the glow changed the background.
        QVERIFY(one != fixture::painted(pictures, scale, [](Canvas& c) { c.draw(Background, 0, 0, 800, 600); }));
    }

    // Pictures kept together as one layer at a scale between whole numbers land where they land when
    // drawn one by one, and the layer is drawn again when its key changes.
    void aKeptLayerLooksLikeItsPicturesAndFollowsItsKey_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("full screen 1.6") << 1.6;
        QTest::newRow("2560 x 1600") << 2.665;
        QTest::newRow("3840 x 2160") << 3.6;
    }
    void aKeptLayerLooksLikeItsPicturesAndFollowsItsKey() {
        QFETCH(double, scale);
        LoadedGame g;
        Pictures& pictures = g.window->pictures();
        pictures.useScale(scale);
        QImage glow(64, 70, QImage::Format_ARGB32_Premultiplied);
        glow.fill(Qt::transparent);
        for (int y = 4; y < 66; ++y)
            for (int x = 4; x < 60; ++x)
                glow.setPixelColor(x, y, QColor(40, 120, 255, (3 * x + y) % 200));
        pictures.picture(FreeCell) = glow;
        QImage grid(800, 600, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                grid.setPixel(x, y, qRgb(x % 256, y % 256, 90));
        pictures.picture(Background) = grid;
        const auto cells = [](int count) {
            return [count](Canvas& c) {
                for (int i = 0; i < count; ++i)
                    c.draw(FreeCell, 130.3 + 37 * i, 211.7, 64, 70);
            };
        };
        Canvas::KeptLayer kept;
        const QRectF area(129, 200, 400, 100);
        const auto paint = [&](bool asLayer, int count) {
            return fixture::painted(pictures, scale, [&](Canvas& c) {
                c.draw(Background, 0, 0, 800, 600);
                if (asLayer)
                    c.drawKept(kept, QString::number(count), area, cells(count));
                else
                    cells(count)(c);
            });
        };
        for (int count : {3, 3, 5}) {
            const QImage direct = paint(false, count), layered = paint(true, count);
            QCOMPARE(layered.size(), direct.size());
            int worst = 0;
            for (int y = 0; y < direct.height(); ++y)
                for (int x = 0; x < direct.width(); ++x) {
                    const QColor a = direct.pixelColor(x, y), b = layered.pixelColor(x, y);
                    worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                      std::abs(a.blue() - b.blue())});
                }
            QVERIFY2(worst <= 2, qPrintable(QStringLiteral("%1 cells: a channel differs by %2").arg(count).arg(worst)));
        }
    }

    // Text too large for Qt's glyph cache (a question on a 3840 x 2160 screen) is drawn from a kept
    // picture: it lands where text drawn directly lands, and a second paint uses the same picture.
    void largeTextFromItsKeptPictureLandsWhereDrawnTextDoes() {
        LoadedGame g;
        const double scale = 3.6;
        const QString text = QStringLiteral("Kam odlétají čápi?");
        const auto inkBox = [](const QImage& image) {
            QRect box;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
            return box;
        };
        const QImage kept = fixture::painted(g.window->pictures(), scale, [&](Canvas& c) {
            c.setTextSize(15);
            c.setTextBold(true);
            c.setTextPosition(100.3, 200.7);
            c.print(text);
            QCOMPARE(c.textX(), 100.3f + static_cast<float>(c.textWidth(text)));
        });
        QImage direct = Canvas::blankFrame(scale);
        {
            QPainter p(&direct);
            const QFont f = fonts::windowFont(15, true);
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(QPointF(100.3, 200.7 + QFontMetricsF(f).ascent()), text);
        }
        const QRect a = inkBox(kept), b = inkBox(direct);
        QVERIFY(!b.isEmpty());
        QVERIFY2(std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1 &&
                     std::abs(a.right() - b.right()) <= 1 && std::abs(a.bottom() - b.bottom()) <= 1,
                 qPrintable(QStringLiteral("kept %1,%2 %3x%4, drawn %5,%6 %7x%8")
                                .arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height())
                                .arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height())));
        const QImage again = fixture::painted(g.window->pictures(), scale, [&](Canvas& c) {
            c.setTextSize(15);
            c.setTextBold(true);
            c.setTextPosition(100.3, 200.7);
            c.print(text);
        });
        QCOMPARE(again, kept);
    }

    void aPartOfAPictureLandsPixelExact() {
        LoadedGame g;
        QImage grid(800, 600, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                grid.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256) * 16));
        g.window->pictures().picture(Background) = grid;
        const QImage img = fixture::painted(g.window->pictures(), 1, [](Canvas& c) {
            c.drawPart(Background, 123, 45, 67, 89, 123, 45, 67, 89);
            c.drawPart(Background, 300, 400, 10, 10, 11, 22, 10, 10);
        });
        for (int y = 44; y <= 134; ++y)
            for (int x = 122; x <= 190; ++x) {
                const bool inside = x >= 123 && x < 190 && y >= 45 && y < 134;
                if (inside) QCOMPARE(img.pixel(x, y), grid.pixel(x, y));
            }
        QCOMPARE(img.pixel(300, 400), grid.pixel(11, 22));
        QCOMPARE(img.pixel(309, 409), grid.pixel(20, 31));
        QVERIFY(img.pixel(310, 410) != grid.pixel(21, 32));
    }

    // A game in the middle of a question, painted at 1x, then at 2x and back: each scale paints the
    // same state, and back at 1x it is the same to the last pixel.
    void aNewScalePaintsTheSameState() {
        LoadedGame g;
        g.press(400, 460); // New game
        g.key(Qt::Key_Return); // the setup: play
        QCOMPARE(g.window->match().screen(), Screen::Board);
        g.moveTo(400, 160);
        g.press(400, 160);
        QCOMPARE(g.window->match().screen(), Screen::Question);
        for (int i = 0; i < 20; ++i)
            g.window->questionPanel().clockTick();
        const QImage once = g.window->frame(1);

        const QImage twice = g.window->frame(2);
        QCOMPARE(twice.size(), QSize(1600, 1200));
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        // Flat pictures: inside each, the device pixel under a game pixel has its colour.
        for (QPoint p : {QPoint(5, 5), QPoint(400, 560), QPoint(70, 60), QPoint(730, 60), QPoint(250, 250)})
            QCOMPARE(twice.pixel(2 * p.x() + 1, 2 * p.y() + 1), once.pixel(p));

        QCOMPARE(g.window->frame(1), once);
    }

    // At 2x a picture placed on game pixels covers exactly twice as many device pixels, no more.
    void aPictureLandsOnWholeDevicePixelsAtTwoTimes() {
        LoadedGame g;
        g.window->pictures().useScale(2);
        const QImage img = fixture::painted(g.window->pictures(), 2,
                                            [](Canvas& c) { c.draw(CloseControl, 10, 20, 30, 40); });
        const QRgb close = fixture::rgb(CloseControl);
        QCOMPARE(img.pixel(20, 40), close);
        QCOMPARE(img.pixel(79, 119), close);
        QVERIFY(img.pixel(19, 40) != close);
        QVERIFY(img.pixel(80, 119) != close);
        QVERIFY(img.pixel(20, 39) != close);
        QVERIFY(img.pixel(79, 120) != close);
    }

    // The clock ticks many times a second: each tick asks for the hand's corner alone to be painted
    // again, not the whole window.
    void aClockTickPaintsOnlyTheHandsCorner() {
        LoadedGame g;
        g.press(400, 460);
        g.key(Qt::Key_Return); // the setup: play
        g.press(400, 160);
        QCOMPARE(g.window->match().screen(), Screen::Question);
        g.platform->refreshedArea = {};
        for (int i = 0; i < 10; ++i)
            g.window->questionPanel().clockTick();
        QVERIFY(!g.platform->refreshedArea.isEmpty());
        const QRect leftCorner(0, 0, 160, 185), rightCorner(640, 0, 160, 185);
        QVERIFY2(leftCorner.contains(g.platform->refreshedArea) ||
                     rightCorner.contains(g.platform->refreshedArea),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(g.platform->refreshedArea.x())
                                .arg(g.platform->refreshedArea.y())
                                .arg(g.platform->refreshedArea.width())
                                .arg(g.platform->refreshedArea.height())));
    }

    // The 2x set: a picture's @2x file where it belongs to the 1x one, else the 1x picture scaled.
    void twoTimesPicturesAreUsedOnlyWhereTheyBelong() {
        ProgramFolder folder;
        const auto twoTimes = [&](const QString& name, QSize size, QColor colour) {
            QImage img(size, QImage::Format_ARGB32);
            img.fill(colour);
            QVERIFY(img.save(folder.file(QStringLiteral("graphics/") + name)));
        };
        twoTimes(QStringLiteral("pod@2x.png"), QSize(1084, 992), Qt::darkMagenta);
        twoTimes(QStringLiteral("exit@2x.png"), QSize(30, 30), Qt::darkMagenta); // not twice exit.png
        twoTimes(QStringLiteral("p1/hrac@2x.png"), QSize(232, 212), Qt::darkMagenta);
        // The player put a picture of their own in place of p1/hrac.png after the 2x one was made.
        QFile own(folder.file(QStringLiteral("graphics/p1/hrac.png")));
        QVERIFY(own.open(QIODevice::ReadWrite));
        QVERIFY(
            own.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
        own.close();

        FakePlatform platform;
        GameWindow window(platform, folder.path());
        QVERIFY(window.load());
        Pictures& s = window.pictures();
        s.useScale(1.5);
        QCOMPARE(s.pictureSet(), 2);
        QCOMPARE(s.picture(BoardPlate).devicePixelRatio(), 2.0);
        QCOMPARE(s.picture(BoardPlate).pixel(500, 500), QColor(Qt::darkMagenta).rgb());
        QCOMPARE(s.pictureSize(BoardPlate), QSizeF(542, 496));
        QCOMPARE(s.picture(CloseControl).devicePixelRatio(), 1.0);
        QCOMPARE(s.picture(Player1Portrait).devicePixelRatio(), 1.0);
        QCOMPARE(s.picture(Player1Portrait).pixel(5, 5), fixture::rgb(Player1Portrait));
        QCOMPARE(s.picture(Background).devicePixelRatio(), 1.0); // no 2x file at all
        s.useScale(1);
        QCOMPARE(s.pictureSet(), 1);
        QCOMPARE(s.picture(BoardPlate).pixel(5, 5), fixture::rgb(BoardPlate));
        window.unload();
    }

    void theMarkerAloneDecidesTheLanguageAndIsEmptiedOnACzechStart() {
        ProgramFolder folder;
        folder.write(QStringLiteral("AtToMluvi.Cesky"), "left over");
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QVERIFY(w.isCzech());
        QFile marker(folder.file(QStringLiteral("AtToMluvi.Cesky")));
        QVERIFY(marker.exists());
        QCOMPARE(marker.size(), 0);
        QVERIFY(p.helpPages.last().endsWith(QStringLiteral("help/napoveda.html")));
    }

    void aMissingQuestionFileStopsStartUpWithAMessage() {
        ProgramFolder folder;
        QFile::remove(folder.file(QStringLiteral("q.dat")));
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(!w.load());
        QCOMPARE(p.errors.size(), 1);
        QVERIFY(p.errors.first().contains(QStringLiteral("q.dat")));
        QVERIFY(w.match().screen() != Screen::Menu);
    }

    void aQuestionFileWithoutAUsableLineIsReportedButTheGameStarts() {
        ProgramFolder folder(QStringLiteral("What?\\only two\\answers\n\nKdo?\\a\\\\c\\d\n"));
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QVERIFY(w.deck().isEmpty());
        QVERIFY(p.errors.isEmpty()); // a warning: the game goes on
        QCOMPARE(p.warnings.size(), 1);
        QVERIFY(p.warnings.first().contains(QStringLiteral("lines skipped: 2")));
        QCOMPARE(w.match().screen(), Screen::Menu);
        w.startGame();
        w.dealFor(Cell{3, 0}); // deals the empty record without hanging
        QVERIFY(w.match().question().text.isEmpty());
        QVERIFY(!w.match().clockTimer().isActive());
    }

    void closingTheWindowSavesTheSettingsAndReleasesThePictures() {
        LoadedGame g;
        g.window->settings().name1Box().setText(QStringLiteral("Eva"));
        g.window->close();
        QVERIFY(g.window->isUnloaded());
        for (int i = 0; i < kPictureCount; ++i)
            QVERIFY(g.window->pictures().picture(i).isNull());
        QFile n(g.folder->file(QStringLiteral("n.dat")));
        QVERIFY(n.open(QIODevice::ReadOnly));
        QCOMPARE(n.readAll(), QByteArray("Eva\r\nTamvel II.\r\n10000\r\n(  )\r\n(  )\r\n(  )\r\n"));
        QVERIFY(g.platform->fullScreen.empty());
    }

    void fullScreenFromTheSettingsFileIsRestoredAtExit() {
        ProgramFolder folder;
        folder.write(QStringLiteral("n.dat"), "A\r\nB\r\n5000\r\n(  )\r\n(  )\r\n(o)\r\n");
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(p.fullScreen, std::vector<bool>({true}));
        QVERIFY(w.settings().fullScreenSwitch().isChecked());
        w.unload();
        QCOMPARE(p.fullScreen, std::vector<bool>({true, false}));
    }

    void awkwardNamesSurviveARestart_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("comma") << QStringLiteral("Eva, the best");
        QTest::newRow("double quotes") << QStringLiteral("\"Big\" Tom");
        QTest::newRow("leading spaces") << QStringLiteral("   Jan");
        QTest::newRow("Czech letters") << QStringLiteral("Žluťoučký kůň Řehoř");
        QTest::newRow("empty") << QString();
    }
    void awkwardNamesSurviveARestart() {
        QFETCH(QString, name);
        ProgramFolder folder;
        {
            FakePlatform p;
            GameWindow w(p, folder.path());
            QVERIFY(w.load());
            w.settings().name1Box().setText(name);
            w.settings().timeBaseBox().setText(QStringLiteral("7500"));
            w.settings().toggleSound();
            w.unload();
        }
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(w.settings().name1Box().text(), name);
        QCOMPARE(w.settings().name2Box().text(), QStringLiteral("Tamvel II."));
        QCOMPARE(w.settings().timeBaseBox().text(), QStringLiteral("7500"));
        QVERIFY(w.settings().soundSwitch().isChecked());
        QVERIFY(!w.settings().musicSwitch().isChecked());
    }

    void missingOrShortSettingsFilesTakeDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("name1");
        QTest::newRow("no file") << QByteArray() << false << QStringLiteral("Tamvel I.");
        QTest::newRow("empty file") << QByteArray() << true << QString();
        QTest::newRow("one item") << QByteArray("Eva\r\n") << true << QStringLiteral("Eva");
    }
    void missingOrShortSettingsFilesTakeDefaults() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFETCH(QString, name1);
        ProgramFolder folder;
        if (present) folder.write(QStringLiteral("n.dat"), content);
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QVERIFY(p.errors.isEmpty());
        if (!name1.isNull()) QCOMPARE(w.settings().name1Box().text(), name1);
        QCOMPARE(w.settings().name2Box().text(), QStringLiteral("Tamvel II."));
        QCOMPARE(w.settings().timeBaseBox().text(), QStringLiteral("10000"));
        for (ToggleSwitch* t :
             {&w.settings().soundSwitch(), &w.settings().musicSwitch(), &w.settings().fullScreenSwitch()})
            QVERIFY(!t->isChecked());
    }

    void aFailedSaveIsReportedAndTheProgramStillEnds() {
        LoadedGame g;
        QDir(g.folder->path()).mkdir(QStringLiteral("n.dat")); // a folder where the file should go
        g.window->unload();
        QCOMPARE(g.platform->errors.size(), 1);
        QVERIFY(g.platform->errors.first().contains(QStringLiteral("n.dat")));
        QVERIFY(g.platform->errors.first().contains(QStringLiteral("a folder stands in its place")));
        for (int i = 0; i < kPictureCount; ++i)
            QVERIFY(g.window->pictures().picture(i).isNull());
    }

    void aDamagedSettingsLineIsNamedAndTheOthersStand_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("czech");
        QTest::addColumn<QString>("named");
        QTest::newRow("open quote in a name")
            << QByteArray("\"Anna\r\nBob\r\n7000\r\n(o)\r\n(  )\r\n(  )\r\n") << false
            << QStringLiteral("line 1: 1st player name");
        QTest::newRow("a switch that is neither")
            << QByteArray("Anna\r\nBob\r\n7000\r\n(o)\r\nyes\r\n(  )\r\n") << true
            << QStringLiteral("řádek 5: hudba");
    }
    void aDamagedSettingsLineIsNamedAndTheOthersStand() {
        QFETCH(QByteArray, file);
        QFETCH(bool, czech);
        QFETCH(QString, named);
        ProgramFolder folder;
        folder.write(QStringLiteral("n.dat"), file);
        if (czech) folder.write(QStringLiteral("AtToMluvi.Cesky"), {});
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(p.warnings.size(), 1);
        QVERIFY2(p.warnings.first().contains(named), qPrintable(p.warnings.first()));
        QCOMPARE(w.settings().name2Box().text(), QStringLiteral("Bob"));
        QCOMPARE(w.settings().timeBaseBox().text(), QStringLiteral("7000"));
        QVERIFY(w.settings().isSoundOn());
    }

    void aFullDiskKeepsTheOldSettingsAndSaysSo() {
        LoadedGame g;
        g.folder->write(QStringLiteral("n.dat"), "Old\r\nTamvel II.\r\n10000\r\n(  )\r\n(  )\r\n(  )\r\n");
        g.window->settings().name1Box().setText(QStringLiteral("New name"));
        {
            DiskNearlyFull full(8);
            QVERIFY(!g.window->saveSettings());
        }
        QCOMPARE(g.platform->errors.size(), 1);
        QVERIFY2(g.platform->errors.first().contains(QStringLiteral("could not be saved")),
                 qPrintable(g.platform->errors.first()));
        QFile n(g.folder->file(QStringLiteral("n.dat")));
        QVERIFY(n.open(QIODevice::ReadOnly));
        QVERIFY(n.readAll().startsWith("Old\r\n"));
    }

    void aQuitSignalReportsAFailedSaveWithoutADialogAndEndsWithAnError() {
        LoadedGame g;
        QDir(g.folder->path()).mkdir(QStringLiteral("n.dat")); // cannot be saved
        g.window->settings().name1Box().setText(QStringLiteral("Eva"));
        g.window->unloadOnSignal();
        QVERIFY(g.window->isUnloaded());
        QVERIFY(g.platform->errors.isEmpty());
        QCOMPARE(g.window->exitStatus(), 1);

        LoadedGame saved;
        saved.window->unloadOnSignal();
        QCOMPARE(saved.window->exitStatus(), 0);
    }

    void aSettingsFileThatCannotBeReadIsNotReplacedWithDefaults() {
        ProgramFolder folder;
        const QByteArray mine = "Mine\r\nYours\r\n7000\r\n(o)\r\n(  )\r\n(  )\r\n";
        folder.write(QStringLiteral("n.dat"), mine);
        const QString path = folder.file(QStringLiteral("n.dat"));
        QFile::setPermissions(path, QFile::WriteOwner);
        auto readable =
            qScopeGuard([&] { QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner); });
        {
            WithoutFileOverride asAUser;
            if (QFile(path).open(QIODevice::ReadOnly)) QSKIP("this process reads files whatever their mode");
            FakePlatform p;
            GameWindow w(p, folder.path());
            QVERIFY(w.load());
            QCOMPARE(p.errors.size(), 1); // said at start-up
            w.unload();
            QCOMPARE(p.errors.size(), 1);
        }
        readable.dismiss();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile n(path);
        QVERIFY(n.open(QIODevice::ReadOnly));
        QCOMPARE(n.readAll(), mine);
    }

    void aPipeInPlaceOfTheQuestionFileIsRefused() {
        ProgramFolder folder;
        const QString qdat = folder.file(QStringLiteral("q.dat"));
        QFile::remove(qdat);
        QCOMPARE(::mkfifo(QFile::encodeName(qdat).constData(), 0600), 0);
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(!w.load()); // and returns at once: nothing opened the pipe
        QCOMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors.first().contains(QStringLiteral("not a regular file")),
                 qPrintable(p.errors.first()));
    }

    void brokenPicturesAreNamedOnceAndTheGameGoesOn() {
        ProgramFolder folder;
        QFile::remove(folder.file(QStringLiteral("graphics/sipka.png")));
        folder.write(QStringLiteral("graphics/exit.png"), "not a picture at all");
        QImage grey(800, 600, QImage::Format_RGB32);
        grey.fill(Qt::gray);
        QVERIFY(grey.save(folder.file(QStringLiteral("graphics/help.jpg")), "JPEG"));
        QFile help(folder.file(QStringLiteral("graphics/help.jpg")));
        QVERIFY(help.open(QIODevice::ReadWrite));
        QVERIFY(help.resize(help.size() - 2)); // cut off before its end marker, so it still decodes
        help.close();
        QVERIFY(QImage(5000, 4, QImage::Format_Mono).save(folder.file(QStringLiteral("graphics/vitez.png"))));
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(p.warnings.size(), 1);
        const QString& said = p.warnings.first();
        for (const char* named :
             {"sipka.png: missing", "exit.png: not a picture", "help.jpg: cut off", "vitez.png: too large"})
            QVERIFY2(said.contains(QLatin1String(named)), qPrintable(said));
        QCOMPARE(w.match().screen(), Screen::Menu);
    }

    void aMissingPictureFolderIsSaidOnce() {
        ProgramFolder folder;
        QVERIFY(QDir(folder.file(QStringLiteral("graphics"))).removeRecursively());
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(p.warnings.size(), 1);
        QVERIFY2(p.warnings.first().contains(QStringLiteral("graphics: no such folder")),
                 qPrintable(p.warnings.first()));
        QVERIFY(!p.warnings.first().contains(QStringLiteral("missing")));
    }

    void anUnreadableSettingsFileIsSaidAtStartUp_data() {
        QTest::addColumn<bool>("czech");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("cause");
        QTest::newRow("English") << false << QStringLiteral("The settings cannot be read from")
                                 << QStringLiteral("a folder stands in its place");
        QTest::newRow("Czech") << true << QStringLiteral("Nastavení nelze načíst ze souboru")
                               << QStringLiteral("na místě souboru je složka");
    }
    void anUnreadableSettingsFileIsSaidAtStartUp() {
        QFETCH(bool, czech);
        QFETCH(QString, message);
        QFETCH(QString, cause);
        ProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("n.dat")); // exists, but cannot be read as a file
        if (czech) folder.write(QStringLiteral("AtToMluvi.Cesky"), {});
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors.first().contains(message), qPrintable(p.errors.first()));
        QVERIFY(p.errors.first().contains(cause));
        QCOMPARE(w.settings().name1Box().text(), QStringLiteral("Tamvel I."));
        QCOMPARE(w.match().screen(), Screen::Menu);
    }

    void aSaveThatCannotCreateTheConfigFolderNamesTheCause() {
        ProgramFolder folder;
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit()); // the config folder would be made under it
        auto chattr = [](const char* flag, const QString& path) {
            return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(flag), path}) == 0;
        };
        const bool locked = chattr("+i", folder.path()) && chattr("+i", home.path());
        auto restore = qScopeGuard([&] {
            chattr("-i", folder.path());
            chattr("-i", home.path());
            qputenv("HOME", oldHome);
        });
        if (!locked || QFileInfo(home.path()).isWritable())
            QSKIP("this file system cannot make a folder read-only here");
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        w.unload();
        QCOMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors.first().contains(QStringLiteral("cannot be created (permission denied)")),
                 qPrintable(p.errors.first()));
        QVERIFY(!p.errors.first().contains(QStringLiteral("No such file")));
    }

    void leavingTheSettingsScreenSavesThemButLeavingHelpDoesNot() {
        LoadedGame g;
        auto click = [&](QPoint p) {
            g.press(p.x(), p.y()); // a real press and release through the window system
            QTest::qWait(20);
        };
        const QString settings = g.folder->file(QStringLiteral("n.dat"));
        click({650, 450}); // Help
        QCOMPARE(g.window->match().screen(), Screen::Help);
        click({45, 45}); // back
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QVERIFY(!QFile::exists(settings));
        click({150, 450}); // Settings
        QVERIFY(g.window->settings().name1Box().isVisible());
        g.window->settings().name1Box().setText(QStringLiteral("Eva"));
        click({747, 341}); // the sound switch
        click({45, 45});
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QFile f(settings);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Eva\r\nTamvel II.\r\n10000\r\n(o)\r\n(  )\r\n(  )\r\n"));
        QVERIFY(g.platform->errors.isEmpty());
    }

    void aReadOnlyProgramFolderKeepsTheSettingsInTheConfigFolder() {
        ProgramFolder folder;
        const QString cfg = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QFile::remove(cfg + QStringLiteral("/n.dat"));
        // Root ignores permission bits, but not the immutable flag.
        const bool immutable =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder.path()}) == 0;
        if (!immutable) QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        auto restore = qScopeGuard([&] {
            if (immutable) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder.path()});
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::remove(cfg + QStringLiteral("/n.dat"));
        });
        if (QFileInfo(folder.path()).isWritable())
            QSKIP("this file system cannot make a folder read-only here");
        {
            FakePlatform p;
            GameWindow w(p, folder.path());
            QVERIFY(w.load());
            w.settings().name2Box().setText(QStringLiteral("Read-only Rita"));
            w.unload();
            QVERIFY(p.errors.isEmpty());
        }
        QVERIFY(QFile::exists(cfg + QStringLiteral("/n.dat")));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("n.dat"))));
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(w.settings().name2Box().text(), QStringLiteral("Read-only Rita"));
    }

    void anInstalledGameKeepsSettingsAndOwnQuestionsInTheConfigFolder() {
        ProgramFolder folder;
        const QString cfg = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QDir().mkpath(cfg);
        auto cleanup = qScopeGuard([&] {
            for (const char* f : {"/n.dat", "/q.dat", "/AtToMluvi.Cesky"})
                QFile::remove(cfg + QLatin1String(f));
        });
        QFile own(cfg + QStringLiteral("/q.dat"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("Who wrote this?\\Me\\You\\Him\\Her\n");
        own.close();
        FakePlatform p;
        GameWindow w(p, folder.path());
        w.setInstalled(true);
        QVERIFY(w.load());
        QCOMPARE(w.deck().size(), 1);
        QCOMPARE(w.deck().at(0).text(), QStringLiteral("Who wrote this?"));
        w.switchLanguage();
        QVERIFY(QFile::exists(cfg + QStringLiteral("/AtToMluvi.Cesky")));
        w.unload();
        QVERIFY(QFile::exists(cfg + QStringLiteral("/n.dat")));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("n.dat"))));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("AtToMluvi.Cesky"))));
    }

    void theNextRunDealsAQuestionNotSeenBefore() {
        ProgramFolder folder(QStringLiteral("Which one?\\R\\A\\B\\C\nWhich two?\\R\\A\\B\\C\n"
                                            "Which three?\\R\\A\\B\\C\n"));
        QStringList dealt;
        for (int run = 0; run < 3; ++run) {
            rnd::pin(77); // the same shuffle every run: only the memory can change the order
            FakePlatform p;
            GameWindow w(p, folder.path());
            if (run == 0) QFile::remove(w.seenQuestionsFile());
            QVERIFY(w.load());
            w.startGame();
            w.dealFor(Cell{3, 0});
            dealt << w.match().question().text;
            w.unload();
        }
        rnd::unpin();
        QCOMPARE(QSet<QString>(dealt.begin(), dealt.end()).size(), 3);
    }

    void languageSwitchCreatesAndDeletesTheMarker() {
        LoadedGame g;
        const QString marker = g.folder->file(QStringLiteral("AtToMluvi.Cesky"));
        g.window->switchLanguage();
        QVERIFY(g.window->isCzech());
        QVERIFY(QFile::exists(marker));
        g.window->switchLanguage();
        QVERIFY(!g.window->isCzech());
        QVERIFY(!QFile::exists(marker));
        QCOMPARE(g.window->match().screen(), Screen::Menu);
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
