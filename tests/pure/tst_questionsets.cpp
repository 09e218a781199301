// Choosing what to play: the question sets found beside the program and in the config folder, reading
// a chosen one, and the remembered choice's file format.
#include "playchoice.h"
#include "questionsets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const QByteArray kQuestion = "What is it?\\a\\b\\c\\d\n";

// "name (origin) file" for each set, in order.
QStringList listing(const QuestionSets& sets) {
    QStringList out;
    for (const QuestionSet& s : sets.all()) {
        const char* origin = s.origin == QuestionSet::Origin::ProgramBank     ? "bank"
                             : s.origin == QuestionSet::Origin::ProgramFolder ? "program"
                                                                              : "user";
        out << QStringLiteral("%1 (%2) %3").arg(s.name, QLatin1String(origin), QFileInfo(s.path).fileName());
    }
    return out;
}
} // namespace

class QuestionSetsTest : public QObject {
    Q_OBJECT

private slots:
    void setsAreFoundBesideTheProgramAndInTheConfigFolder() {
        QTemporaryDir program, config;
        put(program.filePath("q.dat"), "#name: Everything\n" + kQuestion);
        put(program.filePath("questions/space.dat"), "#name: Space and the sky\n" + kQuestion);
        put(program.filePath("questions/capitals.dat"), "# no name here\n" + kQuestion);
        put(program.filePath("questions/notes.txt"), kQuestion);
        put(config.filePath("questions/mine.dat"), "\xEF\xBB\xBF#name: Moje otázky\r\n" + kQuestion);
        put(config.filePath("questions/Aardvarks.DAT"), kQuestion);
        const QuestionSets sets = QuestionSets::find(program.filePath("q.dat"), program.filePath("questions"),
                                                     config.filePath("questions"));
        QCOMPARE(listing(sets), (QStringList{QStringLiteral("Everything (bank) q.dat"),
                                             QStringLiteral("capitals (program) capitals.dat"),
                                             QStringLiteral("Space and the sky (program) space.dat"),
                                             QStringLiteral("Aardvarks (user) Aardvarks.DAT"),
                                             QStringLiteral(u"Moje otázky (user) mine.dat")}));
        QVERIFY(sets.bank().isProgramBank());
    }

    void missingFoldersAndAMissingBankStillListTheBank() {
        QTemporaryDir program;
        const QuestionSets sets = QuestionSets::find(program.filePath("q.dat"), program.filePath("questions"),
                                                     program.filePath("nowhere/questions"));
        QCOMPARE(listing(sets), QStringList{QStringLiteral("q (bank) q.dat")});
    }

    void aPipeOrAFolderNamedLikeASetIsPassedOver() {
        QTemporaryDir program;
        QDir().mkpath(program.filePath("questions/folder.dat"));
        // Reading the first line of a pipe nobody writes to would block start-up for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(program.filePath("questions/pipe.dat")).constData(), 0600), 0);
        put(program.filePath("questions/real.dat"), kQuestion);
        const QuestionSets sets =
            QuestionSets::find(program.filePath("q.dat"), program.filePath("questions"), QString());
        QCOMPARE(listing(sets),
                 (QStringList{QStringLiteral("q (bank) q.dat"), QStringLiteral("real (program) real.dat")}));
    }

    void theRememberedSetIsFoundByPathThenByName_data() {
        QTest::addColumn<QString>("path"); // relative to the program folder, or as it stands when absolute
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found"); // file name
        QTest::newRow("by its path") << "questions/b.dat"
                                     << "Bees"
                                     << "b.dat";
        QTest::newRow("moved: by its name") << "/old/place/b.dat"
                                            << "Bees"
                                            << "b.dat";
        QTest::newRow("the path wins over the name") << "questions/a.dat"
                                                     << "Bees"
                                                     << "a.dat";
        QTest::newRow("gone: the bank") << "/old/place/c.dat"
                                        << "Cats"
                                        << "q.dat";
        QTest::newRow("no path: the bank") << ""
                                           << "Bees"
                                           << "q.dat";
    }
    void theRememberedSetIsFoundByPathThenByName() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, found);
        QTemporaryDir program;
        put(program.filePath("q.dat"), kQuestion);
        put(program.filePath("questions/a.dat"), "#name: Ants\n" + kQuestion);
        put(program.filePath("questions/b.dat"), "#name: Bees\n" + kQuestion);
        const QuestionSets sets =
            QuestionSets::find(program.filePath("q.dat"), program.filePath("questions"), QString());
        const QString full = path.isEmpty() || path.startsWith(u'/') ? path : program.filePath(path);
        QCOMPARE(QFileInfo(sets.chosen(full, name).path).fileName(), found);
    }

    void aChosenSetIsReadWithItsBadLinesReported() {
        QTemporaryDir config;
        put(config.filePath("questions/bad.dat"),
            "#name: Half good\n" + kQuestion + "What is broken?\\a\\b\n# fine\nKdo?\\a\\\\c\\d\n");
        const QuestionSets sets =
            QuestionSets::find(config.filePath("q.dat"), QString(), config.filePath("questions"));
        QCOMPARE(sets.all().size(), std::size_t(2));
        Deck deck;
        const QuestionSetLoad load = loadQuestionSet(sets.all()[1], deck);
        QVERIFY(load.isRead);
        QCOMPARE(load.report.name, QStringLiteral("Half good"));
        QCOMPARE(load.report.skipped.size(), std::size_t(2));
        QCOMPARE(load.report.skipped[0].line, 3);
        QCOMPARE(load.report.skipped[1].line, 5);
        QCOMPARE(deck.size(), 1);
    }

    void aSetThatCannotBeReadLeavesTheDeckAsItWas() {
        QTemporaryDir config;
        put(config.filePath("questions/gone.dat"), kQuestion + kQuestion + kQuestion);
        const QuestionSets sets =
            QuestionSets::find(config.filePath("q.dat"), QString(), config.filePath("questions"));
        QVERIFY(QFile::remove(config.filePath("questions/gone.dat"))); // deleted after the sets were found
        Deck deck;
        deck.loadFile(kQuestion);
        const QuestionSetLoad load = loadQuestionSet(sets.all()[1], deck);
        QVERIFY(!load.isRead);
        QVERIFY(load.isMissing);
        QVERIFY(!load.error.isEmpty());
        QCOMPARE(deck.size(), 1);
        QCOMPARE(deck.dealNext().text, QStringLiteral("What is it?"));
        // A folder in the bank's place is no file either, and says why.
        QDir().mkpath(config.filePath("q.dat"));
        const QuestionSetLoad folder = loadQuestionSet(sets.bank(), deck);
        QVERIFY(!folder.isRead && !folder.isMissing);
        QVERIFY(!folder.error.isEmpty());
    }

    void theChoiceRoundTrips_data() {
        QTest::addColumn<QString>("topics");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("the default") << "" << int(DifficultyChoice::Mixed) << ""
                                     << "";
        QTest::newRow("two topics, easy, a set of the user")
            << "film other" << int(DifficultyChoice::Easy)
            << "/home/eva/.config/tamvelkviz/questions/mine.dat" << QStringLiteral(u"Moje otázky: kočky");
        QTest::newRow("one topic, hard, a path with spaces")
            << "geography" << int(DifficultyChoice::Hard) << " /a b/c d.dat "
            << "Cats";
    }
    void theChoiceRoundTrips() {
        QFETCH(QString, topics);
        QFETCH(int, difficulty);
        QFETCH(QString, path);
        QFETCH(QString, name);
        PlayChoice choice;
        if (!topics.isEmpty()) {
            choice.filter.topics = TopicSet();
            for (const QString& key : topics.split(u' '))
                choice.filter.topics.insert(topicFromKey(key));
        }
        choice.filter.difficulty = static_cast<DifficultyChoice>(difficulty);
        choice.setPath = path;
        choice.setName = name;
        const PlayChoice back = PlayChoice::fromText(choice.toText());
        QCOMPARE(back.filter.topics.size(), choice.filter.topics.size());
        QVERIFY(back == choice);
    }

    void aDamagedChoiceGivesTheDefault_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        static constexpr char kBinary[] = "\x00\xff\xfe garbage\x01";
        QTest::newRow("binary") << QByteArray(kBinary, sizeof kBinary - 1);
        QTest::newRow("not UTF-8") << QByteArray("topics: film\nname: Ko\xe8ky\n");
        QTest::newRow("an unknown topic") << QByteArray("topics: film maths\ndifficulty: easy\n");
        QTest::newRow("an unknown difficulty") << QByteArray("topics: film\ndifficulty: medium\n");
        QTest::newRow("no topic at all") << QByteArray("topics:\ndifficulty: hard\n");
        QTest::newRow("a line that is no setting") << QByteArray("topics: film\nhello\n");
        QTest::newRow("an unknown setting") << QByteArray("topics: film\ncolour: red\n");
        QTest::newRow("far too long") << "topics: film\n" + QByteArray(20000, '#');
    }
    void aDamagedChoiceGivesTheDefault() {
        QFETCH(QByteArray, text);
        const PlayChoice choice = PlayChoice::fromText(text);
        QVERIFY(choice == PlayChoice());
        QVERIFY(choice.filter.isEverything());
        QVERIFY(choice.setPath.isEmpty());
    }

    void aChoiceWrittenByHandIsRead() {
        const PlayChoice choice = PlayChoice::fromText(
            "# mine\r\n\r\ndifficulty:hard\r\ntopics:  sport   film \r\nset: /x/y.dat\r\n");
        QVERIFY(choice.filter.topics.contains(Topic::Sport));
        QVERIFY(choice.filter.topics.contains(Topic::Film));
        QCOMPARE(choice.filter.topics.size(), 2);
        QCOMPARE(choice.filter.difficulty, DifficultyChoice::Hard);
        QCOMPARE(choice.setPath, QStringLiteral("/x/y.dat"));
        QCOMPARE(choice.setName, QString());
    }
};

QTEST_GUILESS_MAIN(QuestionSetsTest)
#include "tst_questionsets.moc"
