// Frames drawn one after another on the event loop: each step draws a frame, then its pause passes
// before the next. The window keeps repainting and taking window keys meanwhile, and drops game input
// while an animation plays. One animation plays at a time.
#pragma once

#include <functional>
#include <memory>
#include <vector>

class Platform;
class QObject;

class Animation {
public:
    struct Step {
        std::function<void()> draw;
        int pauseAfter = 0; // ms
    };

    // context: the object whose death ends the animation (the window).
    Animation(Platform& platform, QObject& context) : platform_(platform), context_(context) {}

    // Draws the first step now; finished runs after the last step's pause. An animation still
    // playing is dropped first.
    void play(std::vector<Step> steps, std::function<void()> finished = {});
    // The rest of the animation is dropped, its finishing step too.
    void cancel();
    bool isPlaying() const { return playing_; }

private:
    struct Run {
        std::vector<Step> steps;
        std::function<void()> finished;
    };
    void runStep(const std::shared_ptr<Run>& run, std::size_t index, unsigned generation);

    Platform& platform_;
    QObject& context_;
    unsigned generation_ = 0;
    bool playing_ = false;
};
