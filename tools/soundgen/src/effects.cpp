#include "effects.hpp"

#include "instruments.hpp"

#include <algorithm>

namespace tk {

namespace {

constexpr double kSr = kEffectRate;
constexpr double kPeakDb = -3.0;

std::size_t at(double seconds) {
    return static_cast<std::size_t>(std::llround(seconds * kSr));
}

void mixInto(Mono& dst, const Mono& src, double startSec, double gain) {
    const std::size_t start = at(startSec);
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[start + i] += static_cast<float>(src[i] * gain);
}

// Mono in, mono out: a little room makes the chimes sound less synthetic.
void addReverb(Mono& s, double wet, double room, double damp) {
    Reverb rv(kSr, room, damp);
    for (float& v : s) {
        double l = 0.0, r = 0.0;
        rv.process(v, v, l, r);
        v = static_cast<float>(v + wet * 0.5 * (l + r));
    }
}

void finish(Mono& s, double lengthSec, double fadeOutSec) {
    s.resize(at(lengthSec), 0.0f);
    // FM and short decays leave a little DC; remove it before normalising.
    OnePoleHighpass hp;
    hp.set(kSr, 20.0);
    for (float& v : s)
        v = static_cast<float>(hp.process(v));
    fadeIn(s, at(0.0005));
    fadeOut(s, at(fadeOutSec));
    normalisePeak(s, kPeakDb);
}

Mono menuClick() {
    const double f = 1046.5; // C6
    Mono s(at(0.11), 0.0f);
    const std::array<double, 3> ratio = {1.0, 2.0, 4.0};
    const std::array<double, 3> amp = {1.0, 0.3, 0.1};
    const std::array<double, 3> tau = {0.03, 0.015, 0.006};
    std::array<double, 3> ph = {0.0, 0.0, 0.0};
    Rng rng(11);
    Biquad hp;
    hp.setHighpass(kSr, 2000.0, 0.7);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSr;
        // Starting slightly sharp makes it "pop" rather than beep.
        const double fi = f * (1.0 + 0.06 * std::exp(-t / 0.003));
        double v = 0.0;
        for (std::size_t k = 0; k < ph.size(); ++k) {
            v += amp[k] * std::exp(-t / tau[k]) * sinCycles(ph[k]);
            ph[k] += fi * ratio[k] / kSr;
        }
        v += hp.process(rng.bi()) * 0.35 * std::exp(-t / 0.0007);
        s[i] = static_cast<float>(v);
    }
    finish(s, 0.11, 0.015);
    return s;
}

Mono fmBlip(double freq, double len) {
    Mono s(at(len), 0.0f);
    double pc = 0.0, pm = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSr;
        const double index = 0.3 + 1.2 * std::exp(-t / 0.04);
        const double v = sinCycles(pc + index * sinCycles(pm) / kTwoPi);
        s[i] = static_cast<float>(v * std::exp(-t / 0.07) * std::min(1.0, t / 0.001));
        pc += freq / kSr;
        pm += 2.0 * freq / kSr;
    }
    fadeOut(s, at(0.04));
    return s;
}

Mono cellSelect() {
    Mono s(at(0.3), 0.0f);
    mixInto(s, fmBlip(1318.5, 0.25), 0.0, 0.8);   // E6
    mixInto(s, fmBlip(1975.5, 0.24), 0.055, 0.7); // B6
    // Rising band-passed noise: the "whoosh" under the blips.
    // Two cascaded band-passes keep the sweep audible as a pitch-like rise.
    Rng rng(23);
    Biquad bp1, bp2;
    const std::size_t n = at(0.3);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSr;
        if (i % 32 == 0) {
            const double x = std::min(1.0, t / 0.22);
            const double fc = 700.0 * std::pow(5000.0 / 700.0, x);
            bp1.setBandpass(kSr, fc, 2.5);
            bp2.setBandpass(kSr, fc, 2.5);
        }
        const double env = t < 0.12 ? std::sin(0.5 * kPi * t / 0.12) : std::pow(1.0 - (t - 0.12) / 0.18, 2.0);
        s[i] += static_cast<float>(bp2.process(bp1.process(rng.bi())) * 2.2 * env);
    }
    finish(s, 0.3, 0.03);
    return s;
}

Mono rightAnswer() {
    Mono s(at(0.85), 0.0f);
    const std::array<double, 4> notes = {84, 88, 91, 96}; // C6 E6 G6 C7
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const bool last = i + 1 == notes.size();
        mixInto(s, inst::bell(kSr, midiToHz(notes[i]), last ? 1.0 : 0.8, last ? 0.35 : 0.25),
                0.07 * static_cast<double>(i), last ? 0.8 : 0.6);
    }
    // A soft chord underneath gives the chime some body.
    for (const double m : {72.0, 76.0, 79.0})
        mixInto(s, inst::electricPiano(kSr, midiToHz(m), 0.45, 0.4), 0.21, 0.25);
    addReverb(s, 0.25, 0.5, 0.4);
    finish(s, 0.85, 0.15);
    return s;
}

Mono wrongAnswer() {
    struct Note {
        double start, len, f0, f1;
    };
    const std::array<Note, 2> notes = {{{0.0, 0.26, 233.08, 228.0}, {0.28, 0.57, 220.0, 190.0}}};
    Mono s(at(0.9), 0.0f);
    for (const Note& nt : notes) {
        double phase = 0.0;
        const std::size_t n = at(nt.len);
        const std::size_t off = at(nt.start);
        for (std::size_t i = 0; i < n && off + i < s.size(); ++i) {
            const double t = static_cast<double>(i) / kSr;
            const double x = t / nt.len;
            const double vib =
                1.0 + 0.012 * std::clamp((t - 0.15) / 0.15, 0.0, 1.0) * std::sin(kTwoPi * 5.0 * t);
            const double f = (nt.f0 + (nt.f1 - nt.f0) * x * x) * vib;
            // The "wah": a resonant low-pass that opens after the onset and slowly closes.
            const double bump = std::exp(-std::pow((t - 0.09) / 0.06, 2.0));
            const double fc = 380.0 + 1000.0 * bump + 200.0 * (1.0 - x);
            double v = 0.0;
            for (int k = 1; k * f < 4000.0; ++k) {
                const double r = k * f / fc;
                const double g = 1.0 / std::sqrt((1.0 - r * r) * (1.0 - r * r) + (r / 2.5) * (r / 2.5));
                const double edge = std::min(1.0, (4000.0 - k * f) / 500.0); // no partials popping in
                v += edge * g / k * sinCycles(phase * k);
            }
            // The level follows the wah a little and sags over the note: softer, less buzzy.
            const double swell = (0.6 + 0.4 * bump) * (1.0 - 0.45 * x);
            const double env = swell * std::min(1.0, t / 0.025) * std::min(1.0, (nt.len - t) / 0.06);
            s[off + i] += static_cast<float>(v * env);
            phase += f / kSr;
            if (phase >= 1.0) phase -= 1.0;
        }
    }
    OnePoleLowpass lp;
    lp.set(kSr, 2500.0);
    for (float& v : s)
        v = static_cast<float>(lp.process(v));
    addReverb(s, 0.12, 0.4, 0.5);
    finish(s, 0.9, 0.05);
    return s;
}

Mono fanfare() {
    Mono s(at(2.9), 0.0f);
    struct Note {
        double start, dur, midi;
    };
    const std::array<Note, 6> melody = {{{0.0, 0.12, 67},
                                         {0.14, 0.12, 72},
                                         {0.28, 0.12, 76},
                                         {0.42, 0.3, 79},
                                         {0.78, 0.12, 76},
                                         {0.92, 1.5, 79}}};
    for (const Note& n : melody)
        mixInto(s, inst::brass(kSr, midiToHz(n.midi), n.dur, 0.9), n.start, 0.5);
    for (const double m : {55.0, 60.0, 64.0})
        mixInto(s, inst::brass(kSr, midiToHz(m), 0.3, 0.6), 0.42, 0.3);
    for (const double m : {48.0, 60.0, 64.0, 67.0})
        mixInto(s, inst::brass(kSr, midiToHz(m), 1.5, 0.7), 0.92, 0.3);
    mixInto(s, inst::timpani(kSr, 98.0, 0.8, 31), 0.0, 0.5);
    mixInto(s, inst::timpani(kSr, 98.0, 0.8, 32), 0.42, 0.5);
    mixInto(s, inst::timpani(kSr, 130.8, 1.0, 33), 0.92, 0.6);
    mixInto(s, inst::cymbal(kSr, 0.35, 0.6, 34), 0.92, 0.6);
    const std::array<double, 4> sparkle = {84, 88, 91, 96};
    for (std::size_t i = 0; i < sparkle.size(); ++i)
        mixInto(s, inst::bell(kSr, midiToHz(sparkle[i]), 0.35, 0.3), 1.0 + 0.06 * static_cast<double>(i),
                0.3);
    addReverb(s, 0.25, 0.6, 0.4);
    finish(s, 2.9, 0.35);
    return s;
}

Mono clockTick() {
    Mono s = inst::woodBlock(kSr, 640.0, 1.0, 41);
    // A low, quickly damped resonance turns the "tick" into a woody "tock".
    Mono body(at(0.085), 0.0f);
    for (std::size_t i = 0; i < body.size(); ++i) {
        const double t = static_cast<double>(i) / kSr;
        body[i] = static_cast<float>(0.5 * std::exp(-t / 0.015) * std::sin(kTwoPi * 320.0 * t));
    }
    mixInto(s, body, 0.0, 1.0);
    finish(s, 0.085, 0.02);
    return s;
}

} // namespace

std::vector<Effect> renderEffects() {
    return {{"select.wav", menuClick()}, {"select2.wav", cellSelect()}, {"good.wav", rightAnswer()},
            {"bad.wav", wrongAnswer()},  {"winner.wav", fanfare()},     {"time.wav", clockTick()}};
}

} // namespace tk
