#include "effectplayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QSoundEffect* EffectPlayer::effect(const QString& wavPath) {
    for (auto& [path, e] : effects_)
        if (path == wavPath) return e;
    auto* e = new QSoundEffect(this);
    e->setSource(QUrl::fromLocalFile(wavPath));
    effects_.emplace_back(wavPath, e);
    return e;
}

void EffectPlayer::play(const QString& wavPath) {
    if (!QFileInfo::exists(wavPath)) return;
    if (playing_) playing_->stop();
    playing_ = effect(wavPath);
    playing_->play();
}
