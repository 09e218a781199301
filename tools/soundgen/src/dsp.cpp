#include "dsp.hpp"

#include <algorithm>
#include <fstream>

namespace tk {

namespace {

constexpr std::size_t kTableSize = 4096;

const std::array<double, kTableSize + 1>& sineTable() {
    static const auto table = [] {
        std::array<double, kTableSize + 1> t{};
        for (std::size_t i = 0; i <= kTableSize; ++i)
            t[i] = std::sin(kTwoPi * static_cast<double>(i) / static_cast<double>(kTableSize));
        return t;
    }();
    return table;
}

void put16(std::ofstream& f, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    f.write(b, 2);
}

void put32(std::ofstream& f, std::uint32_t v) {
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
    f.write(b, 4);
}

std::int16_t toPcm(float x) {
    const double v = std::clamp(static_cast<double>(x), -1.0, 1.0) * 32767.0;
    return static_cast<std::int16_t>(std::lround(v));
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& pcm, int channels, int sampleRate) {
    std::ofstream f(path, std::ios::binary);
    if (!f) return false;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    const auto ch = static_cast<std::uint16_t>(channels);
    const auto sr = static_cast<std::uint32_t>(sampleRate);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVE", 4);
    f.write("fmt ", 4);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, ch);
    put32(f, sr);
    put32(f, sr * ch * 2);
    put16(f, static_cast<std::uint16_t>(ch * 2));
    put16(f, 16);
    f.write("data", 4);
    put32(f, dataBytes);
    for (const std::int16_t v : pcm)
        put16(f, static_cast<std::uint16_t>(v));
    return static_cast<bool>(f);
}

} // namespace

double sinCycles(double cycles) {
    const auto& t = sineTable();
    const double frac = cycles - std::floor(cycles);
    const double x = frac * static_cast<double>(kTableSize);
    auto i = static_cast<std::size_t>(x);
    if (i >= kTableSize) i = kTableSize - 1;
    const double f = x - static_cast<double>(i);
    return t[i] + (t[i + 1] - t[i]) * f;
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::setLowpass(double sr, double freq, double q) {
    const double w = kTwoPi * std::min(freq, sr * 0.49) / sr;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    set((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setHighpass(double sr, double freq, double q) {
    const double w = kTwoPi * std::min(freq, sr * 0.49) / sr;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    set((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setBandpass(double sr, double freq, double q) {
    const double w = kTwoPi * std::min(freq, sr * 0.49) / sr;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    set(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

double Reverb::Comb::process(double x, double feedback, double damp) {
    const double out = buf[idx];
    store = out * (1.0 - damp) + store * damp;
    buf[idx] = static_cast<float>(x + store * feedback);
    if (++idx >= buf.size()) idx = 0;
    return out;
}

double Reverb::Allpass::process(double x) {
    const double b = buf[idx];
    buf[idx] = static_cast<float>(x + b * 0.5);
    if (++idx >= buf.size()) idx = 0;
    return b - x;
}

Reverb::Reverb(double sr, double roomSize, double damping)
    : feedback_(0.7 + 0.28 * roomSize), damp_(damping * 0.4) {
    static constexpr std::array<int, 8> combs = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr std::array<int, 4> aps = {556, 441, 341, 225};
    constexpr int spread = 23;
    const double scale = sr / 44100.0;
    auto len = [scale](int n) { return static_cast<std::size_t>(std::max(1.0, std::round(n * scale))); };
    for (std::size_t i = 0; i < combs.size(); ++i) {
        combL_[i].buf.assign(len(combs[i]), 0.0f);
        combR_[i].buf.assign(len(combs[i] + spread), 0.0f);
    }
    for (std::size_t i = 0; i < aps.size(); ++i) {
        apL_[i].buf.assign(len(aps[i]), 0.0f);
        apR_[i].buf.assign(len(aps[i] + spread), 0.0f);
    }
}

void Reverb::process(double inL, double inR, double& outL, double& outR) {
    const double in = (inL + inR) * 0.015;
    double l = 0.0;
    double r = 0.0;
    for (std::size_t i = 0; i < combL_.size(); ++i) {
        l += combL_[i].process(in, feedback_, damp_);
        r += combR_[i].process(in, feedback_, damp_);
    }
    for (std::size_t i = 0; i < apL_.size(); ++i) {
        l = apL_[i].process(l);
        r = apR_[i].process(r);
    }
    outL = l;
    outR = r;
}

void fadeIn(Mono& s, std::size_t n) {
    n = std::min(n, s.size());
    for (std::size_t i = 0; i < n; ++i)
        s[i] *=
            static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n)));
}

void fadeOut(Mono& s, std::size_t n) {
    n = std::min(n, s.size());
    const std::size_t start = s.size() - n;
    for (std::size_t i = 0; i < n; ++i) {
        // Reaches exactly zero on the last sample.
        const double x = static_cast<double>(i + 1) / static_cast<double>(n);
        s[start + i] *= static_cast<float>(0.5 + 0.5 * std::cos(kPi * x));
    }
}

double peakOf(const Mono& s) {
    double p = 0.0;
    for (const float v : s)
        p = std::max(p, static_cast<double>(std::fabs(v)));
    return p;
}

void normalisePeak(Mono& s, double dbfs) {
    const double p = peakOf(s);
    if (p <= 0.0) return;
    const double g = dbToGain(dbfs) / p;
    for (float& v : s)
        v = static_cast<float>(v * g);
}

bool writeWavMono16(const std::string& path, const Mono& s, int sampleRate) {
    std::vector<std::int16_t> pcm(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        pcm[i] = toPcm(s[i]);
    return writeWav(path, pcm, 1, sampleRate);
}

bool writeWavStereo16(const std::string& path, const Stereo& s, int sampleRate) {
    const std::size_t n = std::min(s.l.size(), s.r.size());
    std::vector<std::int16_t> pcm(n * 2);
    for (std::size_t i = 0; i < n; ++i) {
        pcm[2 * i] = toPcm(s.l[i]);
        pcm[2 * i + 1] = toPcm(s.r[i]);
    }
    return writeWav(path, pcm, 2, sampleRate);
}

} // namespace tk
