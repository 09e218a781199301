// The window's zoom steps: the game's 800 x 600 shown at 100, 125, 150 or 200 per cent, never larger
// than the screen has room for, and the player's choice as it is kept in its own small file.
#pragma once

#include <QByteArray>
#include <array>

namespace zoomsteps {

inline constexpr std::array<int, 4> kSteps{100, 125, 150, 200};

// The largest step whose window fits in the room given (in the screen's own pixels); 100 at least.
int largestFitting(int roomWidth, int roomHeight);
// One step up (direction +1) or down (-1) from current, never above largest.
int stepped(int current, int direction, int largest);
// What is shown for a choice: the choice, or the largest step that fits when it does not.
int shown(int choice, int largest);

// The stored choice is one of the steps as a number; anything else (no file, a damaged one) reads as 100.
int parse(const QByteArray& stored);
QByteArray format(int percent);

} // namespace zoomsteps
