// Everything the game does outside its own painting goes through this seam, so tests can replace it:
// the pauses of animations, asking for a repaint, waiting on the game's own dialogs, the system's
// message boxes, sound, music, the help page and the display mode.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QObject;
class QWidget;
class QTextBrowser;

enum class DialogKind { Question, Error, Warning };

// The answer to a dialog the game draws over its own screen: the player's keys and clicks give it,
// and the wait for it ends then.
class DialogAnswer {
public:
    bool isGiven() const { return given_; }
    bool isYes() const { return given_ && yes_; } // Yes, or OK on a notice
    // Only the first answer counts.
    void give(bool yes) {
        if (given_) return;
        given_ = true;
        yes_ = yes;
        if (onGiven_) onGiven_();
    }
    void setOnGiven(std::function<void()> onGiven) { onGiven_ = std::move(onGiven); }

private:
    bool given_ = false;
    bool yes_ = false;
    std::function<void()> onGiven_;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Runs then on the event loop once ms have passed, unless context is destroyed first. Nothing
    // waits meanwhile: input and repaints go on.
    virtual void after(int ms, QObject& context, std::function<void()> then) = 0;
    // The game changed in an area of its 800 x 600 pixels: it is painted again when the event loop
    // next paints.
    virtual void refresh(QWidget& window, const QRect& area) = 0;
    // The window shows a question or notice of its own over the game: the event loop runs, the
    // window's input answering it, until the answer is given or the program ends (then none is).
    // A display switch asked for meanwhile waits until the wait is over.
    virtual void waitForAnswer(QWidget& window, DialogKind kind, const QString& text,
                               DialogAnswer& answer) = 0;
    // The system's message boxes, for what goes wrong before the game can draw anything: a message
    // that ends the run, and one the player should know about while the game goes on.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    virtual void showWarning(QWidget* parent, const QString& message) = 0;

    // Starts a sound effect at once, cutting off one still playing; a missing file plays nothing.
    virtual void playSound(const QString& wavPath) = 0;
    // Plays a music track in a loop until stopMusic; an empty path plays nothing.
    virtual void startMusic(const QString& trackPath) = 0;
    virtual void stopMusic() = 0;

    virtual void loadHelpPage(QTextBrowser& pane, const QString& htmlPath) = 0;

    // The game fills the screen (scaled, aspect kept) or returns to its centred window.
    virtual void setFullScreen(QWidget& window, bool on) = 0;
    // The window at a zoom step, in per cent of 800 x 600, centred on its screen; in full screen the
    // step waits until the window returns.
    virtual void setZoom(QWidget& window, int percent) = 0;
    // The room the window's screen has for a window, in the screen's own pixels.
    virtual QSize screenRoom(QWidget& window) = 0;
    // Leaves full screen for good while the window closes: the screen returns to its state at start-up.
    virtual void restoreDisplay(QWidget& window) = 0;
};
