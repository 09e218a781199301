// Sound effects and the background music, as the settings' switches allow.
#pragma once

#include <QString>
#include <QStringList>

class Platform;

class Sounds {
public:
    Sounds(Platform& platform, QString programFolder)
        : platform_(platform), folder_(std::move(programFolder)) {}

    void setEffectsOn(bool on) { effectsOn_ = on; }
    // Plays Sound/<name>.wav when effects are on and the file exists.
    void playEffect(const QString& name);
    // Draws a new track number (0 to 49) on every switch, then starts that track or stops the music.
    void switchMusic(bool on);
    void stopMusic();
    int musicNumber() const { return musicNumber_; }
    QString soundFolder() const; // "Sound" and "sound" name the same folder, whatever its case on disk
    QStringList musicTracks() const;

private:
    Platform& platform_;
    QString folder_;
    bool effectsOn_ = false;
    int musicNumber_ = -1;
};
