// Sound effects and music: which effect plays when, the switches, and the real audio classes.
#include "effectplayer.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"
#include "switchlabel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTest>

using fixture::LoadedGame;
using fixture::ProgramFolder;

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    void effectsFollowTheSwitchOnEveryCall() {
        LoadedGame g;
        g.window->sounds().playEffect(QStringLiteral("good"));
        QVERIFY(g.platform->sounds.isEmpty());
        g.window->settings().toggleSound();
        g.window->sounds().playEffect(QStringLiteral("good"));
        g.window->sounds().playEffect(QStringLiteral("time"));
        g.window->settings().toggleSound();
        g.window->sounds().playEffect(QStringLiteral("bad"));
        QCOMPARE(g.platform->sounds, QStringList({"good.wav", "time.wav"}));
    }

    void aMissingEffectFilePlaysNothing() {
        LoadedGame g;
        g.window->settings().toggleSound();
        QFile::remove(g.folder->file(QStringLiteral("Sound/good.wav")));
        g.window->sounds().playEffect(QStringLiteral("good"));
        g.window->sounds().playEffect(QStringLiteral("nosuch"));
        QVERIFY(g.platform->sounds.isEmpty());
    }

    void theSoundFolderIsFoundWhateverItsCase() {
        LoadedGame g;
        QVERIFY(QDir(g.folder->path()).rename(QStringLiteral("Sound"), QStringLiteral("sound")));
        g.window->settings().toggleSound();
        g.window->sounds().playEffect(QStringLiteral("winner"));
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("winner.wav")});
        QCOMPARE(g.window->sounds().musicTracks().size(), 3);
    }

    void aWholeTurnPlaysItsEffectsInOrder() {
        LoadedGame g;
        g.window->settings().toggleSound();
        g.press(400, 450); // new game
        g.key(Qt::Key_Return); // the setup: play
        g.press(400, 170); // the top cell
        QCOMPARE(g.window->match().screen(), Screen::Question);
        const int slot = g.window->match().question().rightSlot;
        const bool rightSide = g.window->match().playerOnTurn().isFox(); // player 1 answers on the right
        const int x = (rightSide ? 600 : 200) + (rightSide ? 32 : -32) * (slot - 1);
        g.press(x, 200 + 54 * (slot - 1));
        QCOMPARE(g.platform->sounds, QStringList({"select.wav", "select.wav", "select2.wav", "good.wav"}));
    }

    void eachMusicToggleDrawsANumberThatChoosesTheTrack() {
        LoadedGame g;
        const QStringList tracks = g.window->sounds().musicTracks();
        QCOMPARE(tracks.size(), 3);
        QSet<int> numbers;
        for (int i = 0; i < 10; ++i) {
            g.platform->clear();
            g.window->settings().toggleMusic();
            const int n = g.window->sounds().musicNumber();
            QVERIFY(n >= 0 && n < 50);
            numbers << n;
            if (g.window->settings().musicSwitch().text() == QStringLiteral("(o)"))
                QCOMPARE(g.platform->music,
                         QStringList{QStringLiteral("start ") + tracks[n % 3].section(u'/', -1)});
            else
                QCOMPARE(g.platform->music, QStringList{QStringLiteral("stop")});
        }
        QVERIFY(numbers.size() > 1);
    }

    void musicFromTheSettingsFileStartsAtStartUpAndStopsAtExit() {
        ProgramFolder folder;
        folder.write(QStringLiteral("n.dat"), "A\r\nB\r\n10000\r\n(  )\r\n(o)\r\n(  )\r\n");
        FakePlatform p;
        GameWindow w(p, folder.path());
        QVERIFY(w.load());
        QCOMPARE(p.music.size(), 1);
        QVERIFY(p.music.first().startsWith(QStringLiteral("start ")));
        w.unload();
        QCOMPARE(p.music.last(), QStringLiteral("stop"));
    }

    void noMusicTracksStartsNothing() {
        LoadedGame g;
        QDir(g.folder->file(QStringLiteral("Sound/music"))).removeRecursively();
        g.window->settings().toggleMusic();
        QCOMPARE(g.platform->music, QStringList{QStringLiteral("start ")});
    }

    void aNewEffectCutsOffTheOneStillPlaying() {
        ProgramFolder folder;
        EffectPlayer player;
        player.play(QStringLiteral(TK_SHIPPED_SOUND "/winner.wav"));
        QSoundEffect* first = player.current();
        QVERIFY(first);
        QVERIFY(first->isPlaying());
        player.play(QStringLiteral(TK_SHIPPED_SOUND "/select.wav"));
        QVERIFY(player.current() != first);
        QVERIFY(!first->isPlaying());
        player.play(folder.file(QStringLiteral("Sound/missing.wav")));
        QVERIFY(player.current() != first);
    }

    void everyShippedEffectLoads_data() {
        QTest::addColumn<QString>("name");
        for (const char* n : {"select", "select2", "good", "bad", "winner", "time"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void everyShippedEffectLoads() {
        QFETCH(QString, name);
        const QString path = QStringLiteral(TK_SHIPPED_SOUND "/") + name + QStringLiteral(".wav");
        QVERIFY(QFile::exists(path));
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(path));
        // Without an audio device loading may not finish; it must neither crash nor hang.
        QElapsedTimer t;
        t.start();
        while (effect.status() == QSoundEffect::Loading && t.elapsed() < 3000)
            QTest::qWait(20);
        QVERIFY(effect.status() != QSoundEffect::Error);
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
