// Sound effects and music: which effect plays when, the switches, and the real audio classes.
#include "clicklabel.h"
#include "effectplayer.h"
#include "fakeplatform.h"
#include "fixture.h"
#include "frmMain.h"
#include "modes.h"

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
        g.window->makeSound(QStringLiteral("good"));
        QVERIFY(g.platform->sounds.isEmpty());
        g.window->Label1_Click();
        g.window->makeSound(QStringLiteral("good"));
        g.window->makeSound(QStringLiteral("time"));
        g.window->Label1_Click();
        g.window->makeSound(QStringLiteral("bad"));
        QCOMPARE(g.platform->sounds, QStringList({"good.wav", "time.wav"}));
    }

    void aMissingEffectFilePlaysNothing() {
        LoadedGame g;
        g.window->Label1_Click();
        QFile::remove(g.folder->file(QStringLiteral("Sound/good.wav")));
        g.window->makeSound(QStringLiteral("good"));
        g.window->makeSound(QStringLiteral("nosuch"));
        QVERIFY(g.platform->sounds.isEmpty());
    }

    void theSoundFolderIsFoundWhateverItsCase() {
        LoadedGame g;
        QVERIFY(QDir(g.folder->path()).rename(QStringLiteral("Sound"), QStringLiteral("sound")));
        g.window->Label1_Click();
        g.window->makeSound(QStringLiteral("winner"));
        QCOMPARE(g.platform->sounds, QStringList{QStringLiteral("winner.wav")});
        QCOMPARE(g.window->musicTracks().size(), 3);
    }

    void aWholeTurnPlaysItsEffectsInOrder() {
        LoadedGame g;
        g.window->Label1_Click();
        g.window->Form_MouseDown(1, 0, 400, 450); // new game
        g.window->Form_MouseDown(1, 0, 400, 170); // the top cell
        const int slot = g.window->question.rightSlot;
        const int x = (g.window->mode == 1 ? 600 : 200) + (g.window->mode == 1 ? 32 : -32) * (slot - 1);
        g.window->Form_MouseDown(1, 0, x, 200 + 54 * (slot - 1));
        QCOMPARE(g.platform->sounds, QStringList({"select.wav", "select2.wav", "good.wav"}));
    }

    void eachMusicToggleDrawsANumberThatChoosesTheTrack() {
        LoadedGame g;
        const QStringList tracks = g.window->musicTracks();
        QCOMPARE(tracks.size(), 3);
        QSet<int> numbers;
        for (int i = 0; i < 10; ++i) {
            g.platform->clear();
            g.window->Label2_Click();
            const int n = g.window->musicNumber();
            QVERIFY(n >= 0 && n < 50);
            numbers << n;
            if (g.window->Label2->text() == QStringLiteral("(o)"))
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
        frmMain w(p, folder.path());
        QVERIFY(w.FormLoad());
        QCOMPARE(p.music.size(), 1);
        QVERIFY(p.music.first().startsWith(QStringLiteral("start ")));
        w.Form_Unload();
        QCOMPARE(p.music.last(), QStringLiteral("stop"));
    }

    void noMusicTracksStartsNothing() {
        LoadedGame g;
        QDir(g.folder->file(QStringLiteral("Sound/music"))).removeRecursively();
        g.window->Label2_Click();
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
