#include "instruments.hpp"

#include <algorithm>

namespace tk::inst {

namespace {

constexpr double kMiddleC = 261.63;

std::size_t frames(double seconds, double sr) {
    return static_cast<std::size_t>(std::max(1.0, std::ceil(seconds * sr)));
}

// Smooth start; a few ms are enough to avoid a click without softening the attack.
double attack(double t, double a) {
    if (t >= a) return 1.0;
    const double x = t / a;
    return x * x * (3.0 - 2.0 * x);
}

// Damper after note-off, reaching zero at dur + rel.
double release(double t, double dur, double rel) {
    if (t <= dur) return 1.0;
    if (t >= dur + rel) return 0.0;
    return 0.5 + 0.5 * std::cos(kPi * (t - dur) / rel);
}

void wrap(double& phase) {
    if (phase >= 1.0) phase -= std::floor(phase);
}

// A set of decaying sine partials: the basis of most mallet and plucked sounds here.
struct Partial {
    double ratio;
    double amp;
    double tau;
};

Mono additive(double sr, double freq, double len, const std::vector<Partial>& parts, std::uint64_t seed,
              bool randomPhase) {
    const std::size_t n = frames(len, sr);
    Mono out(n, 0.0f);
    Rng rng(seed);
    for (const Partial& p : parts) {
        const double f = freq * p.ratio;
        if (f >= sr * 0.45) continue; // would alias
        double phase = randomPhase ? rng.uni() : 0.0;
        const double inc = f / sr;
        double a = p.amp;
        const double k = decayFactor(p.tau, sr);
        for (std::size_t i = 0; i < n; ++i) {
            out[i] += static_cast<float>(a * sinCycles(phase));
            phase += inc;
            wrap(phase);
            a *= k;
            if (a < 1e-6) break;
        }
    }
    return out;
}

} // namespace

Mono electricPiano(double sr, double freq, double dur, double vel) {
    const double rel = 0.18;
    const double tau = 1.4 * std::pow(kMiddleC / freq, 0.45);
    const double len = std::min(dur, 4.0 * tau) + rel;
    const std::size_t n = frames(len, sr);
    Mono out(n);
    const double inc = freq / sr;
    const double modInc = (freq + 0.6) / sr; // a slow beat, like a slightly detuned tine
    const bool bark = freq * 4.0 < sr * 0.45;
    double pc = 0.0, pm = 0.0, pb = 0.0;
    double amp = 0.4 + 0.6 * vel;
    const double ampK = decayFactor(tau, sr);
    double idx = 1.0;
    const double idxK = decayFactor(0.2, sr);
    double barkAmp = 0.18 * vel;
    const double barkK = decayFactor(0.025, sr);
    const double noteOff = std::min(dur, 4.0 * tau);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double index = vel * (0.3 + 1.6 * idx);
        const double c = sinCycles(pc + index * sinCycles(pm) / kTwoPi);
        const double b = bark ? sinCycles(pb) * barkAmp : 0.0;
        out[i] = static_cast<float>((c + b) * amp * attack(t, 0.002) * release(t, noteOff, rel));
        pc += inc;
        pm += modInc;
        pb += inc * 4.0;
        wrap(pc);
        wrap(pm);
        wrap(pb);
        amp *= ampK;
        idx *= idxK;
        barkAmp *= barkK;
    }
    return out;
}

Mono pluck(double sr, double freq, double dur, double vel, double brightness) {
    const double tau1 = 0.7 * std::pow(kMiddleC / freq, 0.35);
    const double rel = 0.08;
    const double noteOff = std::min(dur, 4.0 * tau1);
    std::vector<Partial> parts;
    for (int k = 1; k <= 12; ++k) {
        const double kd = k;
        // Plucked near the end of the string: a comb-shaped, falling spectrum.
        const double a =
            std::fabs(std::sin(kPi * kd * 0.18)) / std::pow(kd, 1.3) * std::pow(brightness, kd - 1.0);
        parts.push_back({kd, a, tau1 / (1.0 + 0.45 * (kd - 1.0))});
    }
    Mono out = additive(sr, freq, noteOff + rel, parts, 0, false);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sr;
        out[i] = static_cast<float>(out[i] * vel * attack(t, 0.003) * release(t, noteOff, rel));
    }
    return out;
}

Mono marimba(double sr, double freq, double vel, std::uint64_t seed) {
    const double tau1 = 0.55 * std::pow(kMiddleC / freq, 0.4);
    const std::vector<Partial> parts = {
        {1.0, 1.0, tau1}, {3.99, 0.3 * (0.5 + vel), 0.10}, {9.85, 0.08 * vel, 0.025}};
    Mono out = additive(sr, freq, std::min(4.0 * tau1, 2.0), parts, 0, false);
    Rng rng(seed);
    OnePoleLowpass lp;
    lp.set(sr, 2500.0);
    double m = 0.15 * vel;
    const double mk = decayFactor(0.004, sr);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sr;
        const double mallet = lp.process(rng.bi()) * m;
        m *= mk;
        out[i] = static_cast<float>((out[i] + mallet) * vel * attack(t, 0.001));
    }
    fadeOut(out, frames(0.05, sr));
    return out;
}

Mono vibes(double sr, double freq, double dur, double vel) {
    const double tau1 = 2.2 * std::pow(kMiddleC / freq, 0.3);
    const double rel = 0.25;
    const double noteOff = std::min(dur, 3.0 * tau1);
    const std::vector<Partial> parts = {{1.0, 1.0, tau1}, {4.0, 0.22 * vel + 0.05, 0.35}, {9.9, 0.05, 0.06}};
    Mono out = additive(sr, freq, noteOff + rel, parts, 0, false);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sr;
        const double trem = 1.0 - 0.22 * (0.5 - 0.5 * std::cos(kTwoPi * 5.5 * t));
        out[i] = static_cast<float>(out[i] * vel * trem * attack(t, 0.0015) * release(t, noteOff, rel));
    }
    return out;
}

Mono flute(double sr, double freq, double dur, double vel, std::uint64_t seed) {
    const double rel = 0.12;
    const std::size_t n = frames(dur + rel, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad breath;
    breath.setBandpass(sr, std::min(freq * 1.5, sr * 0.4), 0.7);
    const std::array<double, 4> harm = {1.0, 0.18, 0.07, 0.025};
    double phase = 0.0;
    double chiff = 0.25;
    const double chiffK = decayFactor(0.02, sr);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        // Vibrato fades in, as a player would add it on a held note.
        const double vibDepth = 0.006 * std::clamp((t - 0.15) / 0.35, 0.0, 1.0);
        const double f = freq * (1.0 + vibDepth * std::sin(kTwoPi * 5.2 * t));
        double s = 0.0;
        for (std::size_t k = 0; k < harm.size(); ++k) {
            if (freq * static_cast<double>(k + 1) < sr * 0.45)
                s += harm[k] * sinCycles(phase * static_cast<double>(k + 1));
        }
        const double noise = breath.process(rng.bi()) * (0.06 + chiff);
        chiff *= chiffK;
        out[i] = static_cast<float>((s + noise) * vel * attack(t, 0.06) * release(t, dur, rel));
        phase += f / sr;
        wrap(phase);
    }
    return out;
}

Mono bass(double sr, double freq, double dur, double vel, double tone) {
    const double rel = 0.06;
    const double tau1 = 1.2;
    const double noteOff = std::min(dur, 3.0 * tau1);
    const std::array<double, 6> amps = {1.0,         0.15 + 0.5 * tone, 0.25 * tone,
                                        0.12 * tone, 0.06 * tone,       0.03 * tone};
    std::vector<Partial> parts;
    for (std::size_t k = 0; k < amps.size(); ++k) {
        const double kd = static_cast<double>(k + 1);
        parts.push_back({kd, amps[k], tau1 / (1.0 + 1.2 * (kd - 1.0))});
    }
    Mono out = additive(sr, freq, noteOff + rel, parts, 0, false);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sr;
        out[i] = static_cast<float>(out[i] * vel * attack(t, 0.004) * release(t, noteOff, rel));
    }
    return out;
}

Mono pad(double sr, double freq, double dur, double vel, std::uint64_t seed) {
    const double att = 0.35;
    const double rel = 0.9;
    const std::size_t n = frames(dur + rel, sr);
    Mono out(n, 0.0f);
    Rng rng(seed);
    const int maxK = std::max(1, std::min(6, static_cast<int>(sr * 0.45 / freq)));
    // Two detuned band-limited saws: the slow beating gives the pad its motion.
    for (const double cents : {-6.0, 6.0}) {
        const double f = freq * std::pow(2.0, cents / 1200.0);
        for (int k = 1; k <= maxK; ++k) {
            const double kd = k;
            const double ratio = kd * f / 1400.0;
            const double a = (1.0 / kd) / (1.0 + ratio * ratio);
            double phase = rng.uni();
            const double inc = kd * f / sr;
            for (std::size_t i = 0; i < n; ++i) {
                out[i] += static_cast<float>(a * sinCycles(phase));
                phase += inc;
                wrap(phase);
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        out[i] = static_cast<float>(out[i] * 0.5 * vel * attack(t, att) * release(t, dur, rel));
    }
    return out;
}

Mono bell(double sr, double freq, double vel, double decay) {
    const std::vector<Partial> parts = {{1.0, 1.0, decay},
                                        {2.0, 0.3 * vel, decay * 0.5},
                                        {3.0, 0.1, decay * 0.3},
                                        {4.16, 0.12 * vel, decay * 0.15},
                                        {5.43, 0.06 * vel, decay * 0.1}};
    Mono out = additive(sr, freq, 5.0 * decay, parts, 0, false);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(out[i] * vel * attack(static_cast<double>(i) / sr, 0.001));
    fadeOut(out, frames(0.05, sr));
    return out;
}

Mono brass(double sr, double freq, double dur, double vel) {
    const double rel = 0.12;
    const double att = 0.035;
    const std::size_t n = frames(dur + rel, sr);
    Mono out(n);
    const int maxK = std::max(1, std::min(16, static_cast<int>(std::min(9000.0, sr * 0.45) / freq)));
    double base = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double env = t < att ? 1.1 * t / att : 0.85 + 0.25 * std::exp(-(t - att) / 0.1);
        const double vibDepth = 0.005 * std::clamp((t - 0.25) / 0.3, 0.0, 1.0);
        const double scoop = 1.0 - 0.02 * std::exp(-t / 0.03);
        const double f = freq * scoop * (1.0 + vibDepth * std::sin(kTwoPi * 5.5 * t));
        // Louder means brighter: the cutoff follows the envelope.
        const double fc = freq * (1.2 + 5.0 * env * vel);
        double s = 0.0;
        for (int k = 1; k <= maxK; ++k) {
            const double kd = k;
            const double r = kd * freq / fc;
            s += (1.0 / kd) / (1.0 + r * r) * sinCycles(base * kd);
        }
        out[i] = static_cast<float>(s * env * vel * release(t, dur, rel));
        base += f / sr;
        wrap(base);
    }
    return out;
}

Mono kick(double sr, double vel) {
    const std::size_t n = frames(0.45, sr);
    Mono out(n);
    Rng rng(7);
    OnePoleLowpass lp;
    lp.set(sr, 2500.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double f = 46.0 + 80.0 * std::exp(-t / 0.03);
        const double body = sinCycles(phase) * std::exp(-t / 0.16);
        const double click = lp.process(rng.bi()) * 0.25 * std::exp(-t / 0.003);
        out[i] = static_cast<float>((body + click) * vel * attack(t, 0.001));
        phase += f / sr;
        wrap(phase);
    }
    fadeOut(out, frames(0.03, sr));
    return out;
}

Mono clap(double sr, double vel, std::uint64_t seed) {
    const std::size_t n = frames(0.3, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad bp;
    bp.setBandpass(sr, 1300.0, 0.9);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        double env = 0.0;
        for (const double start : {0.0, 0.011, 0.022})
            if (t >= start) env += std::exp(-(t - start) / 0.004);
        if (t >= 0.028) env += 0.8 * std::exp(-(t - 0.028) / 0.07);
        out[i] = static_cast<float>(bp.process(rng.bi()) * env * vel * attack(t, 0.0005));
    }
    fadeOut(out, frames(0.03, sr));
    return out;
}

Mono hat(double sr, double vel, double decay, std::uint64_t seed) {
    const std::size_t n = frames(6.0 * decay, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad hp;
    hp.setHighpass(sr, std::min(7000.0, sr * 0.35), 0.7);
    double a = vel;
    const double k = decayFactor(decay, sr);
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<float>(hp.process(rng.bi()) * a * attack(static_cast<double>(i) / sr, 0.0005));
        a *= k;
    }
    fadeOut(out, frames(decay, sr));
    return out;
}

Mono shaker(double sr, double vel, std::uint64_t seed) {
    const std::size_t n = frames(0.15, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad bp;
    bp.setBandpass(sr, std::min(6000.0, sr * 0.35), 1.2);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double rise = std::min(1.0, t / 0.012);
        const double env = rise * rise * std::exp(-std::max(0.0, t - 0.012) / 0.035);
        out[i] = static_cast<float>(bp.process(rng.bi()) * env * vel);
    }
    fadeOut(out, frames(0.03, sr));
    return out;
}

Mono tambourine(double sr, double vel, std::uint64_t seed) {
    const std::size_t n = frames(0.3, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad hp;
    hp.setHighpass(sr, std::min(6000.0, sr * 0.35), 0.7);
    // Jingles: a random inharmonic cluster per hit, so repeated hits do not form a steady whistle.
    std::vector<Partial> jingles;
    for (int j = 0; j < 8; ++j)
        jingles.push_back({4500.0 + rng.uni() * 5000.0, 0.08, 0.03 + 0.04 * rng.uni()});
    const Mono ring = additive(sr, 1.0, 0.3, jingles, seed + 5, true);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double s = hp.process(rng.bi()) * (1.0 + 0.6 * std::sin(kTwoPi * 40.0 * t)) + ring[i];
        out[i] = static_cast<float>(s * vel * std::exp(-t / 0.07) * attack(t, 0.002));
    }
    fadeOut(out, frames(0.05, sr));
    return out;
}

Mono brush(double sr, double vel, double len, std::uint64_t seed) {
    const std::size_t n = frames(len, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad bp;
    bp.setBandpass(sr, 3500.0, 0.5);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n);
        // A swell then a fade: the sweep of a brush across the head.
        const double env = x < 0.35 ? std::sin(0.5 * kPi * x / 0.35) : std::pow(1.0 - (x - 0.35) / 0.65, 2.0);
        out[i] = static_cast<float>(bp.process(rng.bi()) * env * vel);
    }
    return out;
}

Mono ride(double sr, double vel, std::uint64_t seed) {
    Rng rng(seed);
    std::vector<Partial> parts;
    const std::array<double, 6> fr = {3150.0, 3720.0, 4410.0, 5230.0, 6170.0, 7280.0};
    const std::array<double, 6> taus = {0.5, 0.45, 0.4, 0.35, 0.3, 0.25};
    for (std::size_t i = 0; i < fr.size(); ++i)
        parts.push_back(
            {fr[i] * (1.0 + 0.03 * rng.bi()), 1.0 / std::sqrt(static_cast<double>(i) + 1.0), taus[i]});
    Mono out = additive(sr, 1.0, 1.5, parts, seed, true);
    Biquad hp;
    hp.setHighpass(sr, std::min(5000.0, sr * 0.35), 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sr;
        const double ping = hp.process(rng.bi()) * 1.5 * std::exp(-t / 0.015);
        out[i] = static_cast<float>((out[i] * 0.25 + ping) * vel * attack(t, 0.0005));
    }
    fadeOut(out, frames(0.2, sr));
    return out;
}

Mono woodBlock(double sr, double freq, double vel, std::uint64_t seed) {
    const std::size_t n = frames(0.12, sr);
    Mono out(n);
    Rng rng(seed);
    Biquad bp;
    bp.setBandpass(sr, std::min(3000.0, sr * 0.4), 1.0);
    const std::array<double, 3> ratio = {1.0, 2.32, 4.1};
    const std::array<double, 3> amp = {1.0, 0.45, 0.18};
    const std::array<double, 3> tau = {0.022, 0.010, 0.006};
    std::array<double, 3> ph = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        // A struck block starts a touch sharp and settles.
        const double f = freq * (1.0 + 0.08 * std::exp(-t / 0.004));
        double s = 0.0;
        for (std::size_t j = 0; j < ph.size(); ++j) {
            if (f * ratio[j] < sr * 0.45) s += amp[j] * std::exp(-t / tau[j]) * sinCycles(ph[j]);
            ph[j] += f * ratio[j] / sr;
            wrap(ph[j]);
        }
        s += bp.process(rng.bi()) * 0.3 * std::exp(-t / 0.0015);
        out[i] = static_cast<float>(s * vel * attack(t, 0.0003));
    }
    fadeOut(out, frames(0.02, sr));
    return out;
}

Mono timpani(double sr, double freq, double vel, std::uint64_t seed) {
    const std::size_t n = frames(2.0, sr);
    Mono out(n);
    Rng rng(seed);
    OnePoleLowpass lp;
    lp.set(sr, 800.0);
    const std::array<double, 4> ratio = {1.0, 1.5, 1.98, 2.44};
    const std::array<double, 4> amp = {1.0, 0.5, 0.25, 0.12};
    const std::array<double, 4> tau = {0.9, 0.5, 0.35, 0.25};
    std::array<double, 4> ph = {0.0, 0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double f = freq * (1.0 + 0.05 * std::exp(-t / 0.05));
        double s = 0.0;
        for (std::size_t j = 0; j < ph.size(); ++j) {
            s += amp[j] * std::exp(-t / tau[j]) * sinCycles(ph[j]);
            ph[j] += f * ratio[j] / sr;
            wrap(ph[j]);
        }
        s += lp.process(rng.bi()) * 0.4 * std::exp(-t / 0.01);
        out[i] = static_cast<float>(s * vel * attack(t, 0.001));
    }
    fadeOut(out, frames(0.2, sr));
    return out;
}

Mono cymbal(double sr, double vel, double decay, std::uint64_t seed) {
    const std::size_t n = frames(4.0 * decay, sr);
    Rng rng(seed);
    std::vector<Partial> parts;
    for (int i = 0; i < 12; ++i)
        parts.push_back({3000.0 + rng.uni() * 6000.0, 0.08, decay * (0.8 + 0.6 * rng.uni())});
    Mono out = additive(sr, 1.0, 4.0 * decay, parts, seed + 1, true);
    out.resize(n, 0.0f);
    Biquad hp;
    hp.setHighpass(sr, std::min(4000.0, sr * 0.35), 0.7);
    Biquad lp; // keeps the wash silky rather than hissy
    lp.setLowpass(sr, std::min(8000.0, sr * 0.4), 0.7);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double noise = hp.process(rng.bi()) * std::exp(-t / decay);
        out[i] = static_cast<float>(lp.process(out[i] + noise) * vel * attack(t, 0.003));
    }
    fadeOut(out, frames(decay * 0.5, sr));
    return out;
}

} // namespace tk::inst
