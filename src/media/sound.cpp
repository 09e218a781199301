// Sound effects and the background music.
#include "frmMain.h"

#include "clicklabel.h"
#include "platform.h"
#include "random.h"
#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>

QString frmMain::soundDir() const {
    // "Sound" and "sound" name the same folder, whatever its case on disk.
    const QDir dir(dir_);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry.compare(QStringLiteral("sound"), Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return dir.filePath(QStringLiteral("Sound"));
}

void frmMain::makeSound(const QString& name) {
    if (Label1->text() != settingsfile::kOn) return;
    const QString path = soundDir() + u'/' + name + QStringLiteral(".wav");
    if (!QFileInfo::exists(path)) return;
    platform_.playSound(path);
}

QStringList frmMain::musicTracks() const {
    QDir music(soundDir() + QStringLiteral("/music"));
    QStringList tracks;
    for (const QString& f : music.entryList({QStringLiteral("*.wav"), QStringLiteral("*.ogg"),
                                             QStringLiteral("*.mp3"), QStringLiteral("*.flac")},
                                            QDir::Files, QDir::Name))
        tracks << music.filePath(f);
    return tracks;
}

void frmMain::switchMusic() {
    // A fresh number on every toggle, also when switching off; it chooses the track.
    musicNumber_ = rnd::below(50);
    if (Label2->text() == settingsfile::kOn) {
        const QStringList tracks = musicTracks();
        platform_.startMusic(tracks.isEmpty() ? QString() : tracks[musicNumber_ % tracks.size()]);
    } else {
        platform_.stopMusic();
    }
}
