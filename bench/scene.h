// Game states to measure from: a loaded window over a program folder, driven through the fake platform.
#pragma once

#include "fakeplatform.h"
#include "fixture.h"
#include "gamewindow.h"

#include <QPoint>
#include <QString>
#include <memory>

class QtPlatform;

namespace bench {

// The folder of the built program (its real pictures), or empty when there is none with a q.dat.
QString realProgramDir();

// English and Czech questions of about 120 characters, like a real deck.
QString questionDeck();
// A question of about 120 characters and one long enough for all eight lines of the panel.
QString longQuestion();
QString eightLineQuestion();

enum class Pictures { Fixture, Real };

struct Scene {
    explicit Scene(Pictures pictures = Pictures::Fixture, const QString& questions = questionDeck());
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    std::unique_ptr<fixture::ProgramFolder> folder; // only for fixture pictures
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<GameWindow> window;
    bool loaded = false;
    QString error;
    std::unique_ptr<QObject> paintCounter;
    std::unique_ptr<QtPlatform> display; // shows the window scaled, as the program does

    // Shows the window as the program does at the 200 % zoom step, or in full screen, with every
    // refresh repainting what the screen shows; false when it never became visible.
    bool showScaled(bool fullScreen);

    // Every refresh also repaints the shown window (offscreen), as the real platform does.
    bool repaintOnRefresh();
    int paints() const; // paint events of the window so far
    // A new game: all cells free, board phase.
    void toBoard();
    // Half of the cells owned, alternately by player 1 and 2, in board order.
    void ownHalf();
    // A question on screen for the cell, its clock stopped so that only explicit ticks run.
    void toQuestion(int col = 3, int row = 3);
};

QPoint cellCentre(int col, int row);
// The centre of answer option slot (1..4) on the given side (the player on turn, 1 or 2).
QPoint optionCentre(Player side, int slot);

} // namespace bench
