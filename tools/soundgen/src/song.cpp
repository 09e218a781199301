#include "song.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tk {

Song::Song(double sampleRate, double stepSeconds, int stepsPerBar, int bars, std::uint64_t seed)
    : sr_(sampleRate), stepSec_(stepSeconds), stepsPerBar_(stepsPerBar), bars_(bars),
      n_(static_cast<std::size_t>(std::llround(stepSeconds * sampleRate * stepsPerBar * bars))), rng_(seed),
      dryL_(n_, 0.0f), dryR_(n_, 0.0f), revL_(n_, 0.0f), revR_(n_, 0.0f), dly_(n_, 0.0f) {}

double Song::stepToFrame(double step) const {
    // Decide by the grid step, so strummed (fractionally offset) notes swing together.
    double s = step;
    const auto gridStep = static_cast<long long>(std::floor(step + 1e-9));
    if (swing_ > 0.0 && gridStep % 4 == 2) s += swing_;
    return s * stepSec_ * sr_;
}

double Song::randomVelocity(double v, double spread) {
    return std::clamp(v * (1.0 + spread * rng_.bi()), 0.0, 1.0);
}

void Song::add(double step, const Mono& v, double gain, double pan, double reverbSend, double delaySend) {
    const double jitter = jitter_ > 0.0 ? rng_.bi() * jitter_ * sr_ : 0.0;
    const auto nn = static_cast<long long>(n_);
    long long start = std::llround(stepToFrame(step) + jitter) % nn;
    if (start < 0) start += nn;
    // Equal-power pan.
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double gl = gain * std::cos(angle) * std::sqrt(2.0);
    const double gr = gain * std::sin(angle) * std::sqrt(2.0);
    auto idx = static_cast<std::size_t>(start);
    for (const float x : v) {
        const double l = x * gl;
        const double r = x * gr;
        dryL_[idx] += static_cast<float>(l);
        dryR_[idx] += static_cast<float>(r);
        revL_[idx] += static_cast<float>(l * reverbSend);
        revR_[idx] += static_cast<float>(r * reverbSend);
        dly_[idx] += static_cast<float>(x * gain * delaySend);
        if (++idx == n_) idx = 0; // the loop's tail wraps onto its start
    }
}

Stereo Song::render(const MixSettings& mix) const {
    Stereo out;
    out.l.assign(n_, 0.0f);
    out.r.assign(n_, 0.0f);
    Reverb reverb(sr_, mix.roomSize, mix.damping);
    const auto delayLen =
        static_cast<std::size_t>(std::max(1LL, std::llround(mix.delaySteps * stepSec_ * sr_)));
    std::vector<double> dl(delayLen, 0.0), dr(delayLen, 0.0);
    std::size_t di = 0;
    OnePoleLowpass fbL, fbR;
    fbL.set(sr_, mix.delayLowpassHz);
    fbR.set(sr_, mix.delayLowpassHz);
    OnePoleHighpass hpL, hpR;
    hpL.set(sr_, 25.0);
    hpR.set(sr_, 25.0);
    // Two passes over the circular input: the first only settles the reverb, delay and filter
    // states, so the second pass is exactly periodic and the loop point is seamless.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < n_; ++i) {
            const double echoL = dl[di];
            const double echoR = dr[di];
            dl[di] = dly_[i] + fbR.process(echoR) * mix.delayFeedback; // ping-pong
            dr[di] = fbL.process(echoL) * mix.delayFeedback;
            if (++di == delayLen) di = 0;
            double wl = 0.0, wr = 0.0;
            reverb.process(revL_[i] + 0.3 * echoL, revR_[i] + 0.3 * echoR, wl, wr);
            const double l = dryL_[i] + mix.reverbWet * wl + mix.delayWet * echoL;
            const double r = dryR_[i] + mix.reverbWet * wr + mix.delayWet * echoR;
            const double hl = hpL.process(l);
            const double hr = hpR.process(r);
            if (pass == 1) {
                out.l[i] = static_cast<float>(hl);
                out.r[i] = static_cast<float>(hr);
            }
        }
    }

    double sumSq = 0.0, peak = 0.0;
    for (std::size_t i = 0; i < n_; ++i) {
        sumSq += static_cast<double>(out.l[i]) * out.l[i] + static_cast<double>(out.r[i]) * out.r[i];
        peak = std::max(
            {peak, static_cast<double>(std::fabs(out.l[i])), static_cast<double>(std::fabs(out.r[i]))});
    }
    const double rms = std::sqrt(sumSq / (2.0 * static_cast<double>(n_)));
    if (rms > 0.0) {
        const double g = std::min(dbToGain(mix.rmsDb) / rms, dbToGain(mix.peakDb) / peak);
        for (std::size_t i = 0; i < n_; ++i) {
            out.l[i] = static_cast<float>(out.l[i] * g);
            out.r[i] = static_cast<float>(out.r[i] * g);
        }
    }

    // Start the file where both channels are close to zero (within 30 ms of the downbeat),
    // so even the very first play-through begins without a click.
    const auto window = static_cast<long long>(0.03 * sr_);
    const auto nn = static_cast<long long>(n_);
    long long best = 0;
    double bestLevel = 1e9;
    for (long long k = -window; k <= window; ++k) {
        const auto a = static_cast<std::size_t>((k + nn) % nn);
        const auto b = static_cast<std::size_t>((k - 1 + 2 * nn) % nn);
        const double level =
            std::max({std::fabs(out.l[a]), std::fabs(out.r[a]), std::fabs(out.l[b]), std::fabs(out.r[b])});
        if (level < bestLevel) {
            bestLevel = level;
            best = k;
        }
    }
    const auto shift = static_cast<std::size_t>((best + nn) % nn);
    std::rotate(out.l.begin(), out.l.begin() + static_cast<std::ptrdiff_t>(shift), out.l.end());
    std::rotate(out.r.begin(), out.r.begin() + static_cast<std::ptrdiff_t>(shift), out.r.end());
    return out;
}

int noteNumber(std::string_view name) {
    static constexpr int base[7] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name: " + std::string(name));
    int pc = base[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++pc;
        ++i;
    } else if (name[i] == 'b') {
        --pc;
        ++i;
    }
    const int octave = std::stoi(std::string(name.substr(i)));
    return 12 * (octave + 1) + pc;
}

std::vector<LineNote> parseLine(std::string_view text) {
    std::vector<LineNote> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '|'))
            ++pos;
        if (pos >= text.size()) break;
        std::size_t end = pos;
        while (end < text.size() && text[end] != ' ' && text[end] != '|')
            ++end;
        const std::string_view tok = text.substr(pos, end - pos);
        const std::size_t colon = tok.find(':');
        if (colon == std::string_view::npos) throw std::invalid_argument("bad token: " + std::string(tok));
        const std::string_view name = tok.substr(0, colon);
        const double steps = std::stod(std::string(tok.substr(colon + 1)));
        out.push_back({name == "-" ? -1 : noteNumber(name), steps});
        pos = end;
    }
    return out;
}

} // namespace tk
