// A loop-aware sequencer: notes are mixed into a circular buffer whose length is a whole
// number of bars, so tails that run past the end wrap onto the beginning.
#pragma once

#include "dsp.hpp"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tk {

struct MixSettings {
    double roomSize = 0.6;
    double damping = 0.5;
    double reverbWet = 1.0;
    double delaySteps = 3.0;
    double delayFeedback = 0.3;
    double delayWet = 0.5;
    double delayLowpassHz = 3000.0;
    double rmsDb = -20.0;
    double peakDb = -3.2;
};

class Song {
public:
    Song(double sampleRate, double stepSeconds, int stepsPerBar, int bars, std::uint64_t seed);

    double sampleRate() const { return sr_; }
    double stepSeconds() const { return stepSec_; }
    int stepsPerBar() const { return stepsPerBar_; }
    int bars() const { return bars_; }
    std::size_t frames() const { return n_; }

    // Delay of off-beat eighths on a sixteenth grid, as a fraction of a step (0 = straight).
    void setSwing(double s) { swing_ = s; }
    void setTimingJitter(double seconds) { jitter_ = seconds; }

    // step counts from the start of the loop; pan is -1 (left) .. 1 (right).
    void add(double step, const Mono& v, double gain, double pan, double reverbSend, double delaySend);
    double randomVelocity(double v, double spread);

    Stereo render(const MixSettings& mix) const;

private:
    double stepToFrame(double step) const;

    double sr_;
    double stepSec_;
    int stepsPerBar_;
    int bars_;
    std::size_t n_;
    double swing_ = 0.0;
    double jitter_ = 0.0;
    Rng rng_;
    std::vector<float> dryL_, dryR_, revL_, revR_, dly_;
};

// Note names like "C4", "F#3", "Bb2" (C4 = 60).
int noteNumber(std::string_view name);

struct LineNote {
    int midi; // -1 for a rest
    double steps;
};

// "E5:4 G5:2 -:2 | C5:8": note:length-in-steps tokens; "|" bar lines are ignored.
std::vector<LineNote> parseLine(std::string_view text);

} // namespace tk
