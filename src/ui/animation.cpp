#include "animation.h"

#include "platform.h"

void Animation::play(std::vector<Step> steps, std::function<void()> finished) {
    cancel();
    playing_ = true;
    auto run = std::make_shared<Run>(Run{std::move(steps), std::move(finished)});
    runStep(run, 0, generation_);
}

void Animation::cancel() {
    ++generation_;
    playing_ = false;
}

void Animation::runStep(const std::shared_ptr<Run>& run, std::size_t index, unsigned generation) {
    if (generation != generation_) return;
    if (index == run->steps.size()) {
        // Over before it finishes, so that what comes next (the winner's pause) may play in turn.
        playing_ = false;
        if (run->finished) run->finished();
        return;
    }
    run->steps[index].draw();
    if (generation != generation_) return; // the step ended the animation
    platform_.after(run->steps[index].pauseAfter, context_,
                    [this, run, index, generation] { runStep(run, index + 1, generation); });
}
