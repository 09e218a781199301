// Everything the game does outside its own painting goes through this seam, so tests can replace it:
// the pauses of animations, asking for a repaint, message boxes, sound, music, the help page and the
// display mode.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QObject;
class QWidget;
class QTextBrowser;

class Platform {
public:
    virtual ~Platform() = default;

    // Runs then on the event loop once ms have passed, unless context is destroyed first. Nothing
    // waits meanwhile: input and repaints go on.
    virtual void after(int ms, QObject& context, std::function<void()> then) = 0;
    // The game changed in an area of its 800 x 600 pixels: it is painted again when the event loop
    // next paints.
    virtual void refresh(QWidget& window, const QRect& area) = 0;
    // Modal Yes/No question titled "TamvelKvíz", Yes the default, buttons in the interface language;
    // true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& prompt, bool czech) = 0;
    // A message that ends the run or reports a failure.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // Something the player should know about while the game goes on.
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
