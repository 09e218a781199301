// The settings screen: the two player names, the base of the time limit, and the switches for sound
// effects, music and full screen.
#pragma once

#include "player.h"
#include "playersetup.h"
#include "settingsfile.h"

#include <QCoreApplication>
#include <QString>
#include <array>

class Canvas;
class ScreenHost;
class QLineEdit;
class StepButton;
class ToggleSwitch;
class QWidget;

class SettingsScreen {
    Q_DECLARE_TR_FUNCTIONS(SettingsScreen)

public:
    explicit SettingsScreen(ScreenHost& host);

    // Shows the controls, the focus in the first name.
    void show();
    void paint(Canvas& c) const;
    void hideControls();
    // Leaving: a name left empty is that side's default name again.
    void finishEditing();
    // Tab and Shift+Tab go round the controls in their order on the screen.
    void focusNext(bool forward);

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
    static QString computerName(computer::Level level);

    // What a click on each switch does.
    void toggleSound();
    void toggleMusic();
    void toggleFullScreen();

    QLineEdit& name1Box() { return *name1_; }
    QLineEdit& name2Box() { return *name2_; }
    QLineEdit& timeBaseBox() { return *timeBase_; }
    ToggleSwitch& soundSwitch() { return *sound_; }
    ToggleSwitch& musicSwitch() { return *music_; }
    ToggleSwitch& fullScreenSwitch() { return *fullScreen_; }
    StepButton& playerSwitch(Player side) { return side.isOwl() ? *owlPlayer_ : *foxPlayer_; }
    // In the order Tab goes through them.
    std::array<QWidget*, 8> controls() const;

private:
    ScreenHost& host_;
    QLineEdit* name1_;
    QLineEdit* name2_;
    QLineEdit* timeBase_;
    ToggleSwitch* sound_;
    ToggleSwitch* music_;
    ToggleSwitch* fullScreen_;
    StepButton* owlPlayer_;
    StepButton* foxPlayer_;
    PlayerSetup players_;
    void showPlayers();
    // What a switch's new state does.
    void applySound();
    void applyMusic();
    void applyFullScreen();
};
