// Plays short sound effects: starts at once, a new effect cuts off the one still playing.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QSoundEffect;

class EffectPlayer : public QObject {
public:
    explicit EffectPlayer(QObject* parent = nullptr) : QObject(parent) {}

    // A missing file plays nothing and leaves a playing effect alone.
    void play(const QString& wavPath);
    QSoundEffect* current() const { return playing_; }
    // The loaded effect for a file, loading it on first use (each file is decoded once).
    QSoundEffect* effect(const QString& wavPath);

private:
    std::vector<std::pair<QString, QSoundEffect*>> effects_;
    QSoundEffect* playing_ = nullptr;
};
