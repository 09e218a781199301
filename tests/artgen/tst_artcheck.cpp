// The generator's check that it drew exactly the listed pictures, each at its listed size.
#include "picturecheck.h"
#include "picturelist.h"

#include <QTest>

namespace {
// Every listed file once, blank, at its listed size times the scale.
QMap<QString, QImage> listedSet(int scale) {
    QMap<QString, QImage> set;
    for (const ListedPicture& p : kPictureList)
        set.insert(p.fileName(), QImage(p.size() * scale, QImage::Format_ARGB32_Premultiplied));
    return set;
}

enum class Change { None, Leave, DrawEmpty, OnePixelNarrower, AddUnlisted };
} // namespace
Q_DECLARE_METATYPE(Change)

class TestArtCheck : public QObject {
    Q_OBJECT
private slots:
    void theCheckNamesEachDifference_data() {
        QTest::addColumn<int>("drawnScale");
        QTest::addColumn<int>("checkedScale");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        const QString frame = listedPicture(OnTurnFrame).fileName();
        const QString option = listedPicture(OptionNormal).fileName();
        QTest::newRow("the list at 1x") << 1 << 1 << Change::None << QString() << QStringList();
        QTest::newRow("the list at 2x") << 2 << 2 << Change::None << QString() << QStringList();
        QTest::newRow("a picture left out") << 1 << 1 << Change::Leave << frame
                                            << QStringList{frame + QStringLiteral(": listed but not drawn")};
        // Two slots share this file: leaving it out is one difference, not two.
        QTest::newRow("a picture in two slots left out")
            << 2 << 2 << Change::Leave << option
            << QStringList{option + QStringLiteral(": listed but not drawn")};
        QTest::newRow("a picture drawn empty")
            << 1 << 1 << Change::DrawEmpty << frame
            << QStringList{frame + QStringLiteral(": listed but not drawn")};
        const QSize frameAt2x = listedPicture(OnTurnFrame).size() * 2;
        QTest::newRow("a picture a pixel too narrow")
            << 2 << 2 << Change::OnePixelNarrower << frame
            << QStringList{QStringLiteral("%1: drawn at %2 x %3, listed at %4 x %3 for scale 2")
                               .arg(frame)
                               .arg(frameAt2x.width() - 1)
                               .arg(frameAt2x.height())
                               .arg(frameAt2x.width())};
        QTest::newRow("a picture not in the list")
            << 1 << 1 << Change::AddUnlisted << QStringLiteral("extra.png")
            << QStringList{QStringLiteral("extra.png: drawn but not listed")};
        const QString frameAt2xName =
            QString(frame).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QTest::newRow("a 2x name among the 1x pictures")
            << 1 << 1 << Change::AddUnlisted << frameAt2xName
            << QStringList{frameAt2xName + QStringLiteral(": drawn but not listed")};
    }
    void theCheckNamesEachDifference() {
        QFETCH(int, drawnScale);
        QFETCH(int, checkedScale);
        QFETCH(Change, change);
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        QMap<QString, QImage> drawn = listedSet(drawnScale);
        switch (change) {
        case Change::None:
            break;
        case Change::Leave:
            QVERIFY(drawn.remove(file) == 1);
            break;
        case Change::DrawEmpty:
            drawn[file] = QImage();
            break;
        case Change::OnePixelNarrower:
            drawn[file] = drawn[file].copy(0, 0, drawn[file].width() - 1, drawn[file].height());
            break;
        case Change::AddUnlisted:
            drawn.insert(file, QImage(10, 10, QImage::Format_ARGB32_Premultiplied));
            break;
        }
        QCOMPARE(art::differencesFromList(drawn, checkedScale), expected);
    }

    // The 1x pictures checked as the 2x set: every file is named, none passes for its double.
    void aSetAtTheWrongScaleFailsForEveryFile() {
        QMap<QString, QImage> drawn = listedSet(1);
        const QStringList differences = art::differencesFromList(drawn, 2);
        QCOMPARE(differences.size(), drawn.size());
        for (const QString& d : differences)
            QVERIFY2(d.contains(QStringLiteral("for scale 2")), qPrintable(d));
    }
};

QTEST_GUILESS_MAIN(TestArtCheck)
#include "tst_artcheck.moc"
