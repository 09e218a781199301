// Who plays each side: the text form both ways, damaged text read as two people, and the file kept
// in the user's config folder.
#include "playersetup.h"
#include "profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using computer::Level;

Q_DECLARE_METATYPE(PlayerSetup)

namespace {
PlayerSetup setupOf(std::optional<Level> one, std::optional<Level> two) {
    PlayerSetup s;
    if (one) s.setComputer(1, *one);
    if (two) s.setComputer(2, *two);
    return s;
}
} // namespace

class PlayerSetupTest : public QObject {
    Q_OBJECT
private slots:
    void theDefaultIsTwoPeople() {
        const PlayerSetup s;
        QVERIFY(!s.isComputer(1));
        QVERIFY(!s.isComputer(2));
        QVERIFY(!s.isComputer(3)); // no such side
    }

    void aSideCanBecomeAComputerAndAPersonAgain() {
        PlayerSetup s;
        s.setComputer(2, Level::Medium);
        QCOMPARE(s.computerLevel(2), std::optional<Level>(Level::Medium));
        QVERIFY(!s.isComputer(1));
        s.setComputer(0, Level::Hard); // ignored
        QCOMPARE(s, setupOf(std::nullopt, Level::Medium));
        s.setPerson(2);
        QCOMPARE(s, PlayerSetup());
    }

    void theTextFormRoundTrips_data() {
        QTest::addColumn<PlayerSetup>("setup");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("two people") << PlayerSetup() << QByteArray("1 person\n2 person\n");
        QTest::newRow("computer on the right")
            << setupOf(std::nullopt, Level::Hard) << QByteArray("1 person\n2 computer hard\n");
        QTest::newRow("computer on the left")
            << setupOf(Level::Easy, std::nullopt) << QByteArray("1 computer easy\n2 person\n");
        QTest::newRow("two computers")
            << setupOf(Level::Medium, Level::Easy) << QByteArray("1 computer medium\n2 computer easy\n");
    }
    void theTextFormRoundTrips() {
        QFETCH(PlayerSetup, setup);
        QFETCH(QByteArray, text);
        QCOMPARE(setup.toText(), text);
        QCOMPARE(PlayerSetup::fromText(text), setup);
    }

    void textWrittenElsewhereIsReadToo_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("CR LF line ends") << QByteArray("1 person\r\n2 computer hard\r\n");
        QTest::newRow("sides in the other order") << QByteArray("2 computer hard\n1 person");
        QTest::newRow("blank lines and extra spaces")
            << QByteArray("\n  1   person \n\n2 computer\thard\n\n");
    }
    void textWrittenElsewhereIsReadToo() {
        QFETCH(QByteArray, text);
        QCOMPARE(PlayerSetup::fromText(text), setupOf(std::nullopt, Level::Hard));
    }

    void damagedTextGivesTwoPeople_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff\xfe binary");
        QTest::newRow("a side missing") << QByteArray("2 computer hard\n");
        QTest::newRow("a side twice") << QByteArray("1 person\n2 computer hard\n2 person\n");
        QTest::newRow("a third side") << QByteArray("1 person\n2 computer hard\n3 person\n");
        QTest::newRow("unknown level") << QByteArray("1 person\n2 computer genius\n");
        QTest::newRow("level missing") << QByteArray("1 person\n2 computer\n");
        QTest::newRow("extra words") << QByteArray("1 person now\n2 computer hard\n");
        QTest::newRow("cut in the middle") << QByteArray("1 person\n2 comp");
        QTest::newRow("upper case") << QByteArray("1 PERSON\n2 COMPUTER HARD\n");
    }
    void damagedTextGivesTwoPeople() {
        QFETCH(QByteArray, text);
        QCOMPARE(PlayerSetup::fromText(text), PlayerSetup());
    }

    void theProfileKeepsTheChoiceInItsOwnFile() {
        QTemporaryDir program, config;
        const QString configFolder = config.filePath(QStringLiteral("sub"));
        Profile profile(program.path(), configFolder, false);
        QCOMPARE(profile.playersFile(), configFolder + QStringLiteral("/players.txt"));
        QCOMPARE(profile.readPlayers(), PlayerSetup()); // no file yet

        const PlayerSetup chosen = setupOf(std::nullopt, Level::Medium);
        QCOMPARE(profile.savePlayers(chosen), QString());
        QCOMPARE(profile.readPlayers(), chosen);
        QCOMPARE(Profile(program.path(), configFolder, false).readPlayers(), chosen);
        QVERIFY(!QFile::exists(program.filePath(QStringLiteral("players.txt"))));
        QVERIFY(!QFile::exists(profile.settingsFile())); // n.dat is not touched
    }

    void aDamagedOrUnreadableFileGivesTwoPeople_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("damaged") << QByteArray("1 person\n2 computer ???\n") << false;
        QTest::newRow("far too long")
            << QByteArray("1 person\n2 computer hard\n") + QByteArray(10000, '\n') << false;
        QTest::newRow("a folder in its place") << QByteArray() << true;
    }
    void aDamagedOrUnreadableFileGivesTwoPeople() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, asFolder);
        QTemporaryDir program, config;
        Profile profile(program.path(), config.path(), false);
        if (asFolder) {
            QVERIFY(QDir().mkpath(profile.playersFile()));
        } else {
            QFile f(profile.playersFile());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        QCOMPARE(profile.readPlayers(), PlayerSetup());
    }
};

QTEST_GUILESS_MAIN(PlayerSetupTest)
#include "tst_playersetup.moc"
