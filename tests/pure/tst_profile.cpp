// The player's files: written whole or not at all, pipes never read, unreadable files left alone,
// two copies of the game sharing one memory of dealt questions, the question sets and the remembered
// choice of what to play.
#include "filelimits.h"
#include "profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

SeenQuestions seenOf(std::initializer_list<std::uint64_t> hashes) {
    SeenQuestions s;
    for (auto h : hashes)
        s.insert(h);
    return s;
}
} // namespace

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void aWriteThatRunsOutOfRoomKeepsTheOldFileAndSaysWhy_data() {
        QTest::addColumn<QByteArray>("replacement");
        QTest::newRow("small, fails only when flushed")
            << QByteArray("Anna\r\nBob\r\n10000\r\n(o)\r\n(o)\r\n(o)\r\n");
        QTest::newRow("larger than any buffer") << QByteArray(100000, 'x');
    }
    void aWriteThatRunsOutOfRoomKeepsTheOldFileAndSaysWhy() {
        QFETCH(QByteArray, replacement);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("n.dat"));
        put(path, "old");
        QString cause;
        {
            DiskNearlyFull full(8);
            cause = filestore::writeWhole(path, replacement);
        }
        QVERIFY(!cause.isEmpty());
        QCOMPARE(contents(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("n.dat")});
        QCOMPARE(filestore::writeWhole(path, replacement), QString());
        QCOMPARE(contents(path), replacement);
    }

    void onlyRegularFilesAreRead() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("q.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const auto fromPipe = filestore::readRegularFile(fifo); // would block for ever if opened
        QVERIFY(fromPipe.hasFailed());
        QVERIFY(filestore::readRegularFile(dir.path()).hasFailed());
        const auto missing = filestore::readRegularFile(dir.filePath(QStringLiteral("none")));
        QVERIFY(!missing.hasFailed() && !missing.isRead());
        put(dir.filePath(QStringLiteral("n.dat")), "A\r\n");
        QCOMPARE(filestore::readRegularFile(dir.filePath(QStringLiteral("n.dat"))).bytes,
                 QByteArray("A\r\n"));
    }

    void settingsThatCouldNotBeReadAreReplacedOnlyWhenChanged() {
        QTemporaryDir program, config;
        const QString path = program.filePath(QStringLiteral("n.dat"));
        put(path, "Mine\r\nYours\r\n7000\r\n(o)\r\n(  )\r\n(  )\r\n");
        QFile::setPermissions(path, QFile::WriteOwner);
        {
            WithoutFileOverride asAUser;
            if (QFile(path).open(QIODevice::ReadOnly)) QSKIP("this process reads files whatever their mode");
            Profile profile(program.path(), config.path(), false);
            QVERIFY(profile.readSettings().hasFailed());
            QVERIFY(!profile.mayReplaceSettings(false));
            QVERIFY(profile.mayReplaceSettings(true));
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(contents(path), QByteArray("Mine\r\nYours\r\n7000\r\n(o)\r\n(  )\r\n(  )\r\n"));
    }

    void anUnreadableMemoryOfDealtQuestionsIsNotCut() {
        QTemporaryDir program, config;
        Profile profile(program.path(), config.path(), false);
        SeenQuestions many;
        for (std::uint64_t h = 1; h <= 100; ++h)
            many.insert(h);
        QCOMPARE(profile.saveSeenQuestions(many), QString());
        const QByteArray before = contents(profile.seenQuestionsFile());
        QFile::setPermissions(profile.seenQuestionsFile(), QFile::WriteOwner);
        {
            WithoutFileOverride asAUser;
            if (QFile(profile.seenQuestionsFile()).open(QIODevice::ReadOnly))
                QSKIP("this process reads files whatever their mode");
            Profile later(program.path(), config.path(), false);
            SeenQuestions one = later.readSeenQuestions();
            QCOMPARE(one.size(), 0);
            one.insert(0xabc);
            QVERIFY(!later.saveSeenQuestions(one).isEmpty());
        }
        QFile::setPermissions(profile.seenQuestionsFile(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(contents(profile.seenQuestionsFile()), before);
    }

    void twoCopiesSharingOneConfigFolderKeepBothMemories() {
        QTemporaryDir program, config;
        Profile first(program.path(), config.path(), false), second(program.path(), config.path(), false);
        SeenQuestions a = seenOf({1, 2}), b = seenOf({3});
        QCOMPARE(first.saveSeenQuestions(a), QString());
        QCOMPARE(second.saveSeenQuestions(b), QString()); // the later writer takes in the other's
        const SeenQuestions onDisk = first.readSeenQuestions();
        QCOMPARE(onDisk.size(), 3);
        for (std::uint64_t h : {1, 2, 3})
            QVERIFY(onDisk.contains(h));
    }

    void aPoolThatStartedOverIsNotRefilledByTheMerge() {
        // Two English questions; dealing both starts the English pool over.
        Deck deck;
        deck.loadFile(QByteArrayLiteral("What one?\\a\\b\\c\\d\nWhat two?\\a\\b\\c\\d\n"));
        QCOMPARE(deck.size(), 2);
        QTemporaryDir program, config;
        Profile profile(program.path(), config.path(), false);
        SeenQuestions seen;
        seen.rememberDealt(deck.at(0).textHash(), true, deck);
        QCOMPARE(profile.saveSeenQuestions(seen), QString());
        seen.rememberDealt(deck.at(1).textHash(), true, deck);
        QCOMPARE(seen.size(), 0);
        QCOMPARE(profile.saveSeenQuestions(seen), QString());
        QCOMPARE(profile.readSeenQuestions().size(), 0);
    }

    void theChoiceOfWhatToPlayIsRememberedInItsOwnFile() {
        QTemporaryDir program, config;
        const QString configFolder = config.filePath(QStringLiteral("not/yet/there"));
        Profile profile(program.path(), configFolder, false);
        QVERIFY(profile.readPlayChoice() == PlayChoice()); // no file yet
        PlayChoice choice;
        choice.filter.topics = TopicSet();
        choice.filter.topics.insert(Topic::Music);
        choice.filter.difficulty = DifficultyChoice::Easy;
        choice.setPath = profile.userSetsFolder() + QStringLiteral("/mine.dat");
        choice.setName = QStringLiteral("Mine");
        QCOMPARE(profile.savePlayChoice(choice), QString());
        QCOMPARE(profile.choiceFile(), configFolder + QStringLiteral("/choice.txt"));
        QVERIFY(Profile(program.path(), configFolder, false).readPlayChoice() == choice);

        put(profile.choiceFile(), "topics: music\ndifficulty: \x01\x02\n");
        QVERIFY(profile.readPlayChoice() == PlayChoice());
        QVERIFY(QFile::remove(profile.choiceFile()));
        QVERIFY(QDir().mkpath(profile.choiceFile())); // a folder in its place
        QVERIFY(profile.readPlayChoice() == PlayChoice());
        QVERIFY(!profile.savePlayChoice(choice).isEmpty());
    }

    void theSetsAreLookedForBesideTheProgramAndInTheConfigFolder() {
        QTemporaryDir program, config;
        Profile profile(program.path(), config.path(), false);
        put(program.filePath(QStringLiteral("q.dat")), "What?\\a\\b\\c\\d\n");
        QVERIFY(QDir().mkpath(profile.programSetsFolder()));
        QVERIFY(QDir().mkpath(profile.userSetsFolder()));
        put(profile.programSetsFolder() + QStringLiteral("/shipped.dat"), "#name: Shipped\n");
        put(profile.userSetsFolder() + QStringLiteral("/own.dat"), "#name: Own\n");
        const QuestionSets sets = profile.findQuestionSets();
        QCOMPARE(sets.all().size(), std::size_t(3));
        QCOMPARE(sets.bank().path, profile.questionFile());
        QCOMPARE(sets.all()[1].name, QStringLiteral("Shipped"));
        QCOMPARE(sets.all()[2].name, QStringLiteral("Own"));
        QCOMPARE(sets.all()[2].origin, QuestionSet::Origin::UserFolder);
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
