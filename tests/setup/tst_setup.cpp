// The setup before a game: topics, difficulty and question sets chosen by key and by mouse, what is
// dealt afterwards, an empty choice, the sets of both folders, a bad or vanished set, and the choice
// remembered for the next time.
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "profile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using fixture::LoadedGame;
using Kind = SetupScreen::Kind;

namespace {
const QString kTagged = QStringLiteral("What is red?\\Blood\\Grass\\Sky\\Snow\\nature\\1\n"
                                       "Which sport uses a puck?\\Ice hockey\\Tennis\\Golf\\Chess\\sport\\3\n"
                                       "Who painted the Mona Lisa?\\Leonardo\\Monet\\Goya\\Manet\\art\\1\n"
                                       "Which number is even?\\Two\\One\\Three\\Five\n"
                                       "Co je zelené?\\Tráva\\Krev\\Nebe\\Sníh\\nature\\1\n"
                                       "Kolik hráčů má fotbalový tým?\\Jedenáct\\Deset\\Devět\\Osm\\sport\\3\n");
const QPoint kNewGame{400, 450};
const QPoint kBack{40, 40};

QPoint centreOf(const GameWindow& w, Kind kind, int index = 0) {
    const SetupScreen::Item* item = const_cast<GameWindow&>(w).setup().find(kind, index);
    return item ? item->area.center().toPoint() : QPoint(-1, -1);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Tab until the focus is on the item, as a player would; false if it is never reached.
bool tabTo(LoadedGame& g, Kind kind, int index = 0) {
    for (int i = 0; i < 30; ++i) {
        const SetupScreen::Item* f = g.window->setup().focusedItem();
        if (f && f->kind == kind && f->index == index) return true;
        g.key(Qt::Key_Tab);
    }
    return false;
}

// The question dealt for a free cell of the bottom row.
QString dealOne(GameWindow& w) {
    const int row = board::kRows - 1;
    for (int col = board::firstCol(row); col <= board::lastCol(row); ++col)
        if (w.match().cells().at(col, row) == board::cellFree) {
            w.dealFor({col, row});
            return w.match().question().text;
        }
    return {};
}
} // namespace

class TestSetup : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toLocal8Bit()); // the config folder goes under it
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively(); }

    void newGameOpensTheSetupAndEscapeOrTheBackControlLeaves_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Esc") << true;
        QTest::newRow("back control") << false;
    }
    void newGameOpensTheSetupAndEscapeOrTheBackControlLeaves() {
        QFETCH(bool, byKey);
        LoadedGame g(kTagged);
        g.press(kNewGame.x(), kNewGame.y());
        QCOMPARE(g.window->match().screen(), Screen::Setup);
        // Every topic of the interface language with its count, and Start focused.
        QCOMPARE(g.window->setup().questionCount(), 4);
        QVERIFY(g.window->setup().find(Kind::Topic, int(Topic::Sport)));
        QVERIFY(g.window->setup().find(Kind::Topic, int(Topic::Other)));
        QVERIFY(!g.window->setup().find(Kind::Topic, int(Topic::History)));
        QCOMPARE(g.window->setup().focusedItem()->kind, Kind::Start);
        g.press(centreOf(*g.window, Kind::Topic, int(Topic::Art)).x(),
                centreOf(*g.window, Kind::Topic, int(Topic::Art)).y());
        if (byKey)
            g.key(Qt::Key_Escape);
        else
            g.press(kBack.x(), kBack.y());
        QCOMPARE(g.window->match().screen(), Screen::Menu);
        QVERIFY(!g.window->match().isInGame());
        // What was chosen stays for the next setup, and for the next run.
        g.press(kNewGame.x(), kNewGame.y());
        QVERIFY(!g.window->setup().choice().filter.topics.contains(Topic::Art));
        QVERIFY(g.window->setup().choice().filter.topics.contains(Topic::Sport));
        LoadedGame next(kTagged);
        next.press(kNewGame.x(), kNewGame.y());
        QCOMPARE(next.window->setup().choice(), g.window->setup().choice());
    }

    void theChoiceDealsOnlyItsTopicAndDifficulty_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("keyboard") << true;
        QTest::newRow("mouse") << false;
    }
    void theChoiceDealsOnlyItsTopicAndDifficulty() {
        QFETCH(bool, byKey);
        LoadedGame g(kTagged);
        g.press(kNewGame.x(), kNewGame.y());
        // Every topic off, sport on, hard: only the puck question is left in English.
        if (byKey) {
            QVERIFY(tabTo(g, Kind::AllTopics));
            g.key(Qt::Key_Space);
            QVERIFY(tabTo(g, Kind::Topic, int(Topic::Sport)));
            g.key(Qt::Key_Space);
            QVERIFY(tabTo(g, Kind::Difficulty, int(DifficultyChoice::Hard)));
            g.key(Qt::Key_Space);
        } else {
            for (QPoint p : {centreOf(*g.window, Kind::AllTopics), centreOf(*g.window, Kind::Topic, int(Topic::Sport)),
                             centreOf(*g.window, Kind::Difficulty, int(DifficultyChoice::Hard))})
                g.press(p.x(), p.y());
        }
        QCOMPARE(g.window->setup().questionCount(), 1);
        QVERIFY(g.window->setup().canStart());
        QVERIFY(g.window->setup().status().contains(QStringLiteral("1")));
        if (byKey) {
            g.key(Qt::Key_Return);
        } else {
            const QPoint start = centreOf(*g.window, Kind::Start);
            g.press(start.x(), start.y());
        }
        QVERIFY(g.window->match().isInGame());
        for (int i = 0; i < 3; ++i) { // a deck of one deals it again and again
            QCOMPARE(dealOne(*g.window), QStringLiteral("Which sport uses a puck?"));
            g.window->resolveAnswer(g.window->match().question().rightSlot);
        }
        // Enter on the next setup plays as last time.
        LoadedGame next(kTagged);
        next.press(kNewGame.x(), kNewGame.y());
        next.key(Qt::Key_Enter);
        QVERIFY(next.window->match().isInGame());
        QCOMPARE(dealOne(*next.window), QStringLiteral("Which sport uses a puck?"));
    }

    void anEmptyChoiceCannotStartAndSaysWhy() {
        LoadedGame g(kTagged);
        g.press(kNewGame.x(), kNewGame.y());
        const QPoint all = centreOf(*g.window, Kind::AllTopics);
        g.press(all.x(), all.y()); // every topic off
        QCOMPARE(g.window->setup().questionCount(), 0);
        QVERIFY(!g.window->setup().canStart());
        QVERIFY(g.window->setup().status().contains(QStringLiteral("topic")));
        g.key(Qt::Key_Return);
        const QPoint start = centreOf(*g.window, Kind::Start);
        g.press(start.x(), start.y());
        QCOMPARE(g.window->match().screen(), Screen::Setup);
        // Art at hard has nothing either: the reason changes.
        g.press(centreOf(*g.window, Kind::Topic, int(Topic::Art)).x(),
                centreOf(*g.window, Kind::Topic, int(Topic::Art)).y());
        g.press(centreOf(*g.window, Kind::Difficulty, int(DifficultyChoice::Hard)).x(),
                centreOf(*g.window, Kind::Difficulty, int(DifficultyChoice::Hard)).y());
        QCOMPARE(g.window->setup().questionCount(), 0);
        QVERIFY(g.window->setup().status().contains(QStringLiteral("difficulty")));
        g.key(Qt::Key_Return);
        QCOMPARE(g.window->match().screen(), Screen::Setup);
        // All on again: four questions, few, so the setup warns but plays.
        g.press(all.x(), all.y());
        QCOMPARE(g.window->setup().questionCount(), 1); // still hard: the puck
        g.press(centreOf(*g.window, Kind::Difficulty, int(DifficultyChoice::Mixed)).x(),
                centreOf(*g.window, Kind::Difficulty, int(DifficultyChoice::Mixed)).y());
        QCOMPARE(g.window->setup().questionCount(), 4);
        QVERIFY(g.window->setup().status().contains(QStringLiteral("Only 4")));
        g.key(Qt::Key_Return);
        QVERIFY(g.window->match().isInGame());
    }

    void setsOfBothFoldersAreChosenByKeyAndReportedOnce() {
        LoadedGame g(kTagged);
        writeFile(g.folder->file(QStringLiteral("questions/alpha.dat")),
                        "#name: Alpha\nWhat is alpha?\\First\\Last\\Middle\\None\n");
        writeFile(g.window->userSetsFolder() + QStringLiteral("/beta.dat"),
                  "What is beta?\\Second\\First\\Third\\Fourth\nnot a question line\n");
        g.press(kNewGame.x(), kNewGame.y());
        QVERIFY(g.window->setup().set().isProgramBank());
        QVERIFY(tabTo(g, Kind::Set));
        g.key(Qt::Key_Right);
        QCOMPARE(g.window->setup().set().name, QStringLiteral("Alpha"));
        QCOMPARE(g.window->setup().questionCount(), 1);
        QVERIFY(g.platform->warnings.isEmpty());
        g.key(Qt::Key_Right);
        QCOMPARE(g.window->setup().set().name, QStringLiteral("beta"));
        QCOMPARE(g.platform->warnings.size(), 1); // its bad line, the first time it is chosen
        QVERIFY(g.platform->warnings[0].contains(QStringLiteral("beta.dat")));
        // An untagged set is one topic, Other.
        QVERIFY(g.window->setup().find(Kind::Topic, int(Topic::Other)));
        QVERIFY(!g.window->setup().find(Kind::AllTopics));
        g.key(Qt::Key_Right); // round to the bank, then back
        QVERIFY(g.window->setup().set().isProgramBank());
        g.key(Qt::Key_Left);
        QCOMPARE(g.window->setup().set().name, QStringLiteral("beta"));
        QCOMPARE(g.platform->warnings.size(), 1);
        g.key(Qt::Key_Return);
        QCOMPARE(dealOne(*g.window), QStringLiteral("What is beta?"));
        // The next run opens on it.
        LoadedGame next(kTagged);
        next.press(kNewGame.x(), kNewGame.y());
        QCOMPARE(next.window->setup().set().name, QStringLiteral("beta"));
    }

    void aSetThatCannotBeReadDisablesStartAndKeepsTheDeck() {
        LoadedGame g(kTagged);
        writeFile(g.folder->file(QStringLiteral("questions/gone.dat")), "What is gone?\\Yes\\No\\Maybe\\Never\n");
        g.press(kNewGame.x(), kNewGame.y());
        QFile::remove(g.folder->file(QStringLiteral("questions/gone.dat"))); // after the list was made
        const QPoint set = centreOf(*g.window, Kind::Set);
        g.press(set.x() + 150, set.y()); // the right half: the next set
        QCOMPARE(g.window->setup().set().name, QStringLiteral("gone"));
        QVERIFY(!g.window->setup().canStart());
        QVERIFY(g.window->setup().status().contains(QStringLiteral("cannot be read")));
        g.key(Qt::Key_Return);
        QCOMPARE(g.window->match().screen(), Screen::Setup);
        g.press(set.x() - 200, set.y()); // the left arrow: back to the bank, whose questions are still there
        QVERIFY(g.window->setup().set().isProgramBank());
        QCOMPARE(g.window->setup().questionCount(), 4);
    }

    void theArrowsMoveTheFocusAcrossTheRows() {
        LoadedGame g(kTagged);
        g.press(kNewGame.x(), kNewGame.y());
        g.key(Qt::Key_Up); // from Start to the difficulty row
        QCOMPARE(g.window->setup().focusedItem()->kind, Kind::Difficulty);
        g.key(Qt::Key_Left);
        g.key(Qt::Key_Left);
        QCOMPARE(g.window->setup().focusedItem()->index, int(DifficultyChoice::Easy));
        g.key(Qt::Key_Space);
        QCOMPARE(g.window->setup().choice().filter.difficulty, DifficultyChoice::Easy);
        g.key(Qt::Key_Up); // into the topics
        QVERIFY(g.window->setup().focusedItem()->kind == Kind::Topic);
        for (int i = 0; i < 6; ++i)
            g.key(Qt::Key_Up);
        QCOMPARE(g.window->setup().focusedItem()->kind, Kind::Set);
        g.key(Qt::Key_Backtab); // Shift+Tab wraps round to Start
        QCOMPARE(g.window->setup().focusedItem()->kind, Kind::Start);
    }
};

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
