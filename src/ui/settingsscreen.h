// The settings screen: the two player names, the base of the time limit, and the switches for sound
// effects, music and full screen.
#pragma once

#include "player.h"
#include "playersetup.h"
#include "settingsfile.h"

#include <QString>
#include <array>

class Canvas;
class ScreenHost;
class QLineEdit;
class SwitchLabel;
class QWidget;

class SettingsScreen {
public:
    explicit SettingsScreen(ScreenHost& host);

    void show();
    void paint(Canvas& c) const;
    void hideControls();

    // Puts values into the controls; a switch that is on is switched as a click would switch it.
    void apply(const settingsfile::Settings& s);
    std::array<QString, 6> itemsToSave() const;

    QString name1() const;
    QString name2() const;
    QString timeBase() const;
    bool isSoundOn() const;
    bool isMusicOn() const;
    bool isFullScreenOn() const;
    // Who plays each side: kept in its own file, beside the six settings.
    const PlayerSetup& players() const { return players_; }
    void applyPlayers(const PlayerSetup& players);
    // A click on a side's switch: person, then the computer easy, medium, hard, and back.
    void cyclePlayer(Player side);
    // "Computer (hard)" in the interface language, for a side the computer plays unnamed.
    static QString computerName(computer::Level level, bool czech);

    // What a click on each switch does.
    void toggleSound();
    void toggleMusic();
    void toggleFullScreen();

    QLineEdit& name1Box() { return *name1_; }
    QLineEdit& name2Box() { return *name2_; }
    QLineEdit& timeBaseBox() { return *timeBase_; }
    SwitchLabel& soundSwitch() { return *sound_; }
    SwitchLabel& musicSwitch() { return *music_; }
    SwitchLabel& fullScreenSwitch() { return *fullScreen_; }
    SwitchLabel& playerSwitch(Player side) { return side.isOwl() ? *owlPlayer_ : *foxPlayer_; }

private:
    ScreenHost& host_;
    QLineEdit* name1_;
    QLineEdit* name2_;
    QLineEdit* timeBase_;
    SwitchLabel* sound_;
    SwitchLabel* music_;
    SwitchLabel* fullScreen_;
    SwitchLabel* owlPlayer_;
    SwitchLabel* foxPlayer_;
    PlayerSetup players_;
    void showPlayers();
};
