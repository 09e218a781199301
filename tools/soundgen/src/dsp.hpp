// Small DSP toolkit for the sound generator: oscillators, filters, reverb, WAV output.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tk {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

using Mono = std::vector<float>;

struct Stereo {
    std::vector<float> l;
    std::vector<float> r;
};

// sin(2*pi*cycles) from a table; std::sin is too slow for the many additive partials.
double sinCycles(double cycles);

inline double midiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}
inline double dbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}
inline double gainToDb(double g) {
    return g > 0.0 ? 20.0 * std::log10(g) : -200.0;
}

// Per-sample multiplier that makes a value fall to 1/e after tau seconds.
inline double decayFactor(double tau, double sr) {
    return std::exp(-1.0 / (tau * sr));
}

// splitmix64: tiny, fast and fully deterministic across platforms.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uni() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double bi() { return uni() * 2.0 - 1.0; }

private:
    std::uint64_t state_;
};

class Biquad {
public:
    void setLowpass(double sr, double freq, double q);
    void setHighpass(double sr, double freq, double q);
    void setBandpass(double sr, double freq, double q); // 0 dB peak gain
    double process(double x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return y;
    }

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double z1_ = 0.0, z2_ = 0.0;
};

class OnePoleLowpass {
public:
    void set(double sr, double freq) { a_ = std::exp(-kTwoPi * freq / sr); }
    double process(double x) {
        z_ = x * (1.0 - a_) + z_ * a_;
        return z_;
    }

private:
    double a_ = 0.0, z_ = 0.0;
};

class OnePoleHighpass {
public:
    void set(double sr, double freq) { lp_.set(sr, freq); }
    double process(double x) { return x - lp_.process(x); }

private:
    OnePoleLowpass lp_;
};

// Freeverb-style reverb (8 damped combs + 4 allpasses per side), tunings scaled to the rate.
class Reverb {
public:
    Reverb(double sr, double roomSize, double damping);
    void process(double inL, double inR, double& outL, double& outR);

private:
    struct Comb {
        std::vector<float> buf;
        std::size_t idx = 0;
        double store = 0.0;
        double process(double x, double feedback, double damp);
    };
    struct Allpass {
        std::vector<float> buf;
        std::size_t idx = 0;
        double process(double x);
    };
    std::array<Comb, 8> combL_, combR_;
    std::array<Allpass, 4> apL_, apR_;
    double feedback_;
    double damp_;
};

// Raised-cosine ramps so sounds neither start nor stop with a click.
void fadeIn(Mono& s, std::size_t n);
void fadeOut(Mono& s, std::size_t n);
double peakOf(const Mono& s);
void normalisePeak(Mono& s, double dbfs);

bool writeWavMono16(const std::string& path, const Mono& s, int sampleRate);
bool writeWavStereo16(const std::string& path, const Stereo& s, int sampleRate);

} // namespace tk
