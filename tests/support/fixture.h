// A throw-away program folder for window tests: pictures of flat distinct colours at their real sizes,
// so that one sampled pixel tells which picture lies where, plus q.dat, help pages and sound files.
#pragma once

#include "picturelist.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class Canvas;
class FakePlatform;
class GameWindow;
class Pictures;

namespace fixture {

// A picture painted on a canvas with a picture set: over a white 800 x 600 one at the scale, or over
// a copy of under.
QImage painted(const Pictures& pictures, double scale, const std::function<void(Canvas&)>& paint,
               const QImage& under = {});

// The flat colour of the picture in slot index (slots that share a file share its colour).
QColor colourOf(int index);
// The same as a pixel value, to compare with a sampled pixel.
inline QRgb rgb(int index) {
    return colourOf(index).rgb();
}
// gratulace.png holds the English caption in its upper strip (colourOf(13)) and the Czech one in this colour.
QColor czechCaptionColour();
// znovu.png holds the play-again button's four looks one under another, each in its own colour:
// 0 English plain (the slot's colour), 1 English lit, 2 Czech plain, 3 Czech lit.
QColor playAgainLookColour(int look);

// The shipped sub-pictures of uvod.jpg are told apart by their own colours.
class ProgramFolder {
public:
    explicit ProgramFolder(const QString& questions = defaultQuestions(), const QStringList& omit = {});
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    static QString defaultQuestions();

private:
    QTemporaryDir dir_;
};

// A window on a fixture folder after load(), with the fake platform's log cleared.
struct LoadedGame {
    explicit LoadedGame(const QString& questions = ProgramFolder::defaultQuestions(),
                        const QStringList& omit = {});
    ~LoadedGame();
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<GameWindow> window;
    bool loaded = false;
    QRgb pixel(int x, int y) const;
    // Real pointer input through the window system, routed by Qt as a player's is (a press at a new
    // place first moves there); the window is shown on first use.
    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {});
    void moveTo(int x, int y, Qt::KeyboardModifiers mods = {});
    // A real key press and release through the window's QWindow, delivered to the focused widget.
    void key(Qt::Key key, Qt::KeyboardModifiers mods = {});
};

} // namespace fixture
