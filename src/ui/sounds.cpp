#include "sounds.h"

#include "platform.h"
#include "random.h"

#include <QDir>
#include <QFileInfo>

QString Sounds::soundFolder() const {
    const QDir dir(folder_);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry.compare(QStringLiteral("sound"), Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return dir.filePath(QStringLiteral("Sound"));
}

void Sounds::playEffect(const QString& name) {
    if (!effectsOn_) return;
    const QString path = soundFolder() + u'/' + name + QStringLiteral(".wav");
    if (!QFileInfo::exists(path)) return;
    platform_.playSound(path);
}

QStringList Sounds::musicTracks() const {
    QDir music(soundFolder() + QStringLiteral("/music"));
    QStringList tracks;
    for (const QString& f : music.entryList({QStringLiteral("*.wav"), QStringLiteral("*.ogg"),
                                             QStringLiteral("*.mp3"), QStringLiteral("*.flac")},
                                            QDir::Files, QDir::Name))
        tracks << music.filePath(f);
    return tracks;
}

void Sounds::switchMusic(bool on) {
    // A fresh number on every switch, also when switching off; it chooses the track.
    musicNumber_ = rnd::below(50);
    if (on) {
        const QStringList tracks = musicTracks();
        platform_.startMusic(tracks.isEmpty() ? QString() : tracks[musicNumber_ % tracks.size()]);
    } else {
        platform_.stopMusic();
    }
}

void Sounds::stopMusic() {
    platform_.stopMusic();
}
