// What the screens need from the window that shows them, so that no screen depends on the window
// or on another screen.
#pragma once

#include <QRectF>
#include <QString>

class Animation;
class Deck;
class Match;
class Player;
class Platform;
class QWidget;
class Sounds;
struct Cell;
struct PlayChoice;
struct QuestionSet;

// A pointer event as the screens read it, in game coordinates. A press reports the pressed button and
// modifiers 1; a move reports the buttons held and the keyboard modifiers (1 Shift, 2 Ctrl, 4 Alt), so
// that a move with the left button and Shift held acts as a click, as it always has.
struct Pointer {
    int buttons = 0; // 1 left, 2 right, 4 middle
    int modifiers = 0;
    int x = 0, y = 0;
    bool clicks() const { return buttons == 1 && modifiers == 1; }
};

class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    virtual Platform& platform() = 0;
    virtual Match& match() = 0;
    virtual Sounds& sounds() = 0;
    virtual Animation& animation() = 0; // the one that plays, if any
    virtual QWidget& widget() = 0;      // the window, as the parent of dialogs
    virtual bool isCzech() const = 0;
    virtual QString programFolder() const = 0;
    // The settings as their controls hold them.
    virtual QString nameOf(Player p) const = 0;
    virtual QString timeBase() const = 0;

    // The screen changed in an area of the game's pixels (all of it when empty): it is painted again
    // from its state when the event loop next paints.
    virtual void refresh(const QRectF& area = {}) = 0;
    // Transitions several screens start.
    virtual void returnToMenu() = 0;
    // As the back control: the select sound, the settings saved when leaving them, the menu.
    virtual void leaveHelpOrSettings() = 0;
    virtual void showSettings() = 0;
    virtual void showHelp() = 0;
    virtual void switchLanguage() = 0;
    virtual bool saveSettings() = 0;
    // A Yes/No question (Yes the default); the answer clock stands still while it is open.
    virtual bool askYesNo(const QString& prompt) = 0;
    virtual void startGame() = 0;
    // From the winner screen: a fresh board at once, the loser of the last game on turn.
    virtual void playAgain() = 0;
    // New game: the setup of what to play, then a game with that choice.
    virtual void showSetup() = 0;
    virtual void playChoice(const PlayChoice& choice) = 0;
    // The questions of the set in use, to count what a choice holds.
    virtual const Deck& deck() const = 0;
    // Reads a set into the deck unless it is already there, its bad lines reported the first time;
    // returns why it cannot be read (the deck then stays as it was), or nothing.
    virtual QString useQuestionSet(const QuestionSet& set) = 0;
    virtual void dealFor(Cell cell) = 0;
    virtual void resolveAnswer(int slot) = 0;
    // The dealt question shows and its clock runs: the computer, when on turn, starts thinking.
    virtual void questionShown() = 0;
    // The capture animation takes the options away one by one; returns the area to paint again.
    virtual QRectF clearOption(int slot) = 0;
};
