// The data the build puts into the program folder: every picture at its size, sounds, help and questions.
#include "fixture.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// A listed picture as the build made it, at 1x.
QImage built(Picture slot) {
    return QImage(QStringLiteral(TK_PROGRAM_DIR "/graphics/") + listedPicture(slot).fileName());
}

QString atScale(const QString& file, int scale) {
    if (scale == 1) return file;
    const qsizetype dot = file.lastIndexOf(u'.');
    return file.left(dot) + QStringLiteral("@%1x").arg(scale) + file.mid(dot);
}
} // namespace

class TestAssets : public QObject {
    Q_OBJECT
private slots:
    // Every picture at 1x, and at 2x beside it as name@2x with twice the size.
    void everyPictureIsThereAtItsSizeAndDecodes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (int scale : {1, 2})
            for (const ListedPicture& p : kPictureList) {
                if (firstSlotWithFile(p.slot) != p.slot) continue; // the same file again
                const QString file = atScale(p.fileName(), scale);
                QTest::newRow(qPrintable(file)) << file << p.size() * scale;
            }
    }
    void everyPictureIsThereAtItsSizeAndDecodes() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QString path = QStringLiteral(TK_PROGRAM_DIR "/graphics/") + file;
        QImageReader reader(path);
        // The format matches the name: JPEG where it says .jpg, PNG with transparency where it says .png.
        QCOMPARE(QString::fromLatin1(reader.format()),
                 file.endsWith(QStringLiteral(".jpg")) ? QStringLiteral("jpeg") : QStringLiteral("png"));
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
        if (!file.startsWith(QStringLiteral("preload"))) QCOMPARE(img.size(), size);
    }

    // The 2x set is the same artwork with more pixels: halved, it is within a few levels of the 1x one.
    void theTwoTimesPicturesShowTheSame_data() {
        QTest::addColumn<QString>("file");
        for (const ListedPicture& p : kPictureList)
            if (firstSlotWithFile(p.slot) == p.slot) QTest::newRow(p.file) << p.fileName();
    }
    void theTwoTimesPicturesShowTheSame() {
        QFETCH(QString, file);
        const QString dir = QStringLiteral(TK_PROGRAM_DIR "/graphics/");
        const QImage one = QImage(dir + file).convertToFormat(QImage::Format_ARGB32);
        const QImage two = QImage(dir + atScale(file, 2))
                               .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!one.isNull() && !two.isNull());
        double sum = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                const QRgb a = one.pixel(x, y), b = two.pixel(x, y);
                sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        const double meanPerChannel = sum / (4.0 * one.width() * one.height());
        QVERIFY2(meanPerChannel < 6, qPrintable(QString::number(meanPerChannel)));
    }

    void theBoardPlateLeavesTheNamesVisibleAndCoversTheAnimations() {
        const QImage pod = built(BoardPlate);
        QVERIFY(!pod.isNull());
        // Transparent in the name bar (y 96 to 124 on the window) and over the portrait areas' inner edges.
        for (int y : {19, 30, 47})
            for (int x = 24; x < 519; x += 5)
                QCOMPARE(qAlpha(pod.pixel(x, y)), 0);
        for (int y = 0; y < 103; y += 4) {
            QCOMPARE(qAlpha(pod.pixel(10, y)), 0);
            QCOMPARE(qAlpha(pod.pixel(530, y)), 0);
        }
        // Opaque where a zoomed cell reaches, e.g. around the bottom corners and the middle.
        for (QPoint p :
             {QPoint(176 - 129 - 20, 528 - 77 + 20), QPoint(624 - 129 + 20, 528 - 77 + 20), QPoint(271, 250)})
            QCOMPARE(qAlpha(pod.pixel(p)), 255);
    }

    // The menu's items answer the pointer over x 25-775, y 360-560 (a third each) and, for the language,
    // over x 510-730, y 100-240: a gold rim just inside each edge shows those areas, background outside.
    void theMenuShowsTheAreasThatAnswerThePointer() {
        const QImage sheet = built(MenuSheet);
        QVERIFY(!sheet.isNull());
        const auto gold = [&](int x, int y) {
            const QRgb c = sheet.pixel(x, y);
            return qRed(c) > 150 && qRed(c) > qBlue(c) + 40;
        };
        for (QRect area : {QRect(25, 360, 750, 200), QRect(510, 100, 220, 140)}) {
            const QPoint c = area.center();
            for (QPoint inside : {QPoint(area.left() + 3, c.y()), QPoint(area.right() - 3, c.y()),
                                  QPoint(c.x(), area.top() + 3), QPoint(c.x(), area.bottom() - 3)})
                QVERIFY2(gold(inside.x(), inside.y()),
                         qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
            QVERIFY(!gold(area.left() - 5, c.y()));
            QVERIFY(!gold(c.x(), area.top() - 5));
        }
    }

    void framesAreTransparentInside() {
        const QImage natahu = built(OnTurnFrame);
        const QImage vitez = built(WinnerRing);
        // A missing picture reads as transparent everywhere.
        QVERIFY(!natahu.isNull() && !vitez.isNull());
        QCOMPARE(qAlpha(natahu.pixel(73, 70)), 0);
        QVERIFY(qAlpha(vitez.pixel(48, 51)) < 128);
    }

    void theSplashAndIconAreBuiltIn() {
        for (const char* name : {"splash.png", "splash@2x.jpg", "icon16.png", "icon32.png", "icon48.png"})
            QVERIFY2(!QImage(QStringLiteral(TK_BUILTIN_DIR "/") + QLatin1String(name)).isNull(), name);
    }

    void soundsHelpAndQuestionsAreThere() {
        for (const char* f : {"Sound/select.wav", "Sound/select2.wav", "Sound/good.wav", "Sound/bad.wav",
                              "Sound/winner.wav", "Sound/time.wav", "Sound/music/track1.ogg",
                              "help/help.html", "help/napoveda.html", "q.dat", "questions/space.dat"}) {
            QFile file(QStringLiteral(TK_PROGRAM_DIR "/") + QLatin1String(f));
            QVERIFY2(file.open(QIODevice::ReadOnly), f);
            QVERIFY2(file.size() > 40, f);
        }
    }

    // The tracks loop: decoded, the step from the last sample to the first is no larger than the
    // music's own steps (a click would stand far out), and encoding kept every sample.
    void musicLoopsWithoutAClick_data() {
        QTest::addColumn<QString>("track");
        for (const char* t : {"track1", "track2", "track3"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void musicLoopsWithoutAClick() {
        QFETCH(QString, track);
        if (QStandardPaths::findExecutable(QStringLiteral("oggdec")).isEmpty())
            QSKIP("oggdec (vorbis-tools) is not installed");
        QProcess dec;
        dec.start(QStringLiteral("oggdec"),
                  {QStringLiteral("-Q"), QStringLiteral("-R"), QStringLiteral("-o"), QStringLiteral("-"),
                   QStringLiteral(TK_PROGRAM_DIR "/Sound/music/") + track + ".ogg"});
        QVERIFY(dec.waitForFinished(60000));
        const QByteArray pcm = dec.readAllStandardOutput(); // 16-bit little-endian stereo
        QVERIFY(pcm.size() > 44100 * 4 * 10);
        const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
        const qsizetype frames = pcm.size() / 4;
        QFile source(QStringLiteral(TK_SOUND_STAGE "/music/") + track + ".wav");
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(frames, (source.size() - 44) / 4); // 44 bytes of header
        for (int ch = 0; ch < 2; ++ch) {
            std::vector<int> steps;
            steps.reserve(static_cast<std::size_t>(frames));
            for (qsizetype i = 1; i < frames; ++i)
                steps.push_back(std::abs(samples[2 * i + ch] - samples[2 * (i - 1) + ch]));
            std::sort(steps.begin(), steps.end());
            const int typical = steps[steps.size() * 999 / 1000];
            const int joint = std::abs(samples[ch] - samples[2 * (frames - 1) + ch]);
            QVERIFY2(joint <= typical,
                     qPrintable(QStringLiteral("joint %1, 99.9 %% of steps %2").arg(joint).arg(typical)));
        }
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
