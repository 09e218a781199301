#include "music.hpp"

#include "instruments.hpp"
#include "song.hpp"

#include <array>
#include <functional>
#include <map>
#include <string>

namespace tk {

namespace {

constexpr double kSr = kMusicRate;

struct Chord {
    int bass;               // root in the bass register
    int third;              // 3 (minor) or 4 (major) semitones
    std::vector<int> voice; // pad / comping voicing
    int arpRoot;            // root for arpeggios, mid register
};

double hz(int midi) {
    return midiToHz(midi);
}

using Voice = std::function<Mono(int midi, double seconds, double vel)>;

// Plays a written line starting at startStep; returns the step after its last note.
double playLine(Song& song, double startStep, std::string_view text, const Voice& voice, double vel,
                double gain, double pan, double rev, double dly) {
    double step = startStep;
    for (const LineNote& n : parseLine(text)) {
        if (n.midi >= 0) {
            const double v = song.randomVelocity(vel, 0.06);
            song.add(step, voice(n.midi, n.steps * song.stepSeconds() * 0.95, v), gain, pan, rev, dly);
        }
        step += n.steps;
    }
    return step;
}

// A few pre-rendered variants per drum sound: cheap, yet not machine-gun identical.
class Kit {
public:
    explicit Kit(std::function<Mono(std::uint64_t seed)> make) {
        for (std::uint64_t s = 0; s < variants_.size(); ++s)
            variants_[s] = make(1000 + s * 17);
    }
    const Mono& next() { return variants_[i_++ % variants_.size()]; }

private:
    std::array<Mono, 4> variants_;
    std::size_t i_ = 0;
};

// Bouncy, major, 110 bpm: pad, plucked arpeggios, electric-piano tune, bass and light drums.
Stereo bouncyTrack() {
    const double stepSec = 60.0 / 110.0 / 4.0;
    Song song(kSr, stepSec, 16, 32, 101);
    song.setTimingJitter(0.003);
    const std::map<std::string, Chord> chords = {
        {"C", {36, 4, {55, 60, 64}, 60}},  {"Am", {33, 3, {57, 60, 64}, 57}},
        {"F", {41, 4, {57, 60, 65}, 65}},  {"G", {43, 4, {55, 59, 62}, 55}},
        {"Dm", {38, 3, {57, 62, 65}, 62}}, {"Em", {40, 3, {55, 59, 64}, 64}}};
    const std::array<std::string, 8> partA = {"C", "Am", "F", "G", "C", "Am", "Dm", "G"};
    const std::array<std::string, 8> partB = {"F", "G", "Em", "Am", "Dm", "G", "C", "G"};

    const Mono kick = inst::kick(kSr, 0.9);
    Kit claps([](std::uint64_t s) { return inst::clap(kSr, 0.8, s); });
    Kit closedHats([](std::uint64_t s) { return inst::hat(kSr, 0.8, 0.02, s); });
    Kit openHats([](std::uint64_t s) { return inst::hat(kSr, 0.8, 0.05, s); });
    Kit shakers([](std::uint64_t s) { return inst::shaker(kSr, 0.8, s); });

    const double barSec = stepSec * 16;
    for (int bar = 0; bar < 32; ++bar) {
        const int section = bar / 8;
        const Chord& ch = chords.at(section == 2 ? partB[bar % 8] : partA[bar % 8]);
        const double b = bar * 16.0;

        // Pad: slow attack, the release overlaps the next chord for legato.
        for (std::size_t i = 0; i < ch.voice.size(); ++i) {
            const double pan = (static_cast<double>(i) - 1.0) * 0.45;
            song.add(b, inst::pad(kSr, hz(ch.voice[i]), barSec, 0.6, 7 + bar * 3 + i), 0.1, pan, 0.5, 0.0);
        }

        // Plucked arpeggio in eighths.
        const std::array<int, 5> tones = {ch.arpRoot, ch.arpRoot + ch.third, ch.arpRoot + 7, ch.arpRoot + 12,
                                          ch.arpRoot + 12 + ch.third};
        const std::array<int, 8> pattern = section == 2 ? std::array<int, 8>{0, 2, 1, 3, 2, 4, 3, 2}
                                                        : std::array<int, 8>{0, 1, 2, 3, 4, 3, 2, 1};
        for (int j = 0; j < 8; ++j) {
            const double v = song.randomVelocity(j % 2 == 0 ? 0.8 : 0.6, 0.08);
            song.add(b + j * 2,
                     inst::pluck(kSr, hz(tones[static_cast<std::size_t>(pattern[j])]), 0.3, v, 0.75), 0.2,
                     j % 2 == 0 ? -0.35 : 0.35, 0.25, 0.25);
        }

        // Bass: a dotted, bouncing figure (roots only while the piece "starts").
        struct Hit {
            int step, interval, len;
        };
        const std::vector<Hit> bassLine =
            bar < 4 ? std::vector<Hit>{{0, 0, 6}, {8, 0, 6}}
                    : std::vector<Hit>{{0, 0, 3},  {3, 0, 1},   {6, 7, 2}, {8, 0, 3},
                                       {11, 0, 1}, {12, 12, 2}, {14, 7, 2}};
        for (const Hit& h : bassLine) {
            const double v = song.randomVelocity(h.step % 4 == 0 ? 0.85 : 0.65, 0.05);
            song.add(b + h.step, inst::bass(kSr, hz(ch.bass + h.interval), h.len * stepSec * 0.9, v, 0.5),
                     0.5, 0.0, 0.05, 0.0);
        }

        // Drums.
        song.add(b, kick, 0.55, 0.0, 0.05, 0.0);
        song.add(b + 8, kick, 0.5, 0.0, 0.05, 0.0);
        if (section == 2) song.add(b + 10, kick, 0.3, 0.0, 0.05, 0.0);
        if (section >= 1) {
            song.add(b + 4, claps.next(), 0.2, 0.05, 0.3, 0.0);
            song.add(b + 12, claps.next(), 0.2, 0.05, 0.3, 0.0);
        }
        for (int j = 0; j < 16; j += 2) {
            if (j % 4 == 2)
                song.add(b + j, openHats.next(), song.randomVelocity(0.12, 0.1), 0.3, 0.1, 0.0);
            else if (section >= 1)
                song.add(b + j, closedHats.next(), song.randomVelocity(0.07, 0.1), 0.3, 0.1, 0.0);
        }
        if (section == 2 || bar == 31)
            for (int j = 0; j < 16; ++j)
                song.add(b + j, shakers.next(), song.randomVelocity(j % 2 == 0 ? 0.1 : 0.06, 0.1), -0.3, 0.1,
                         0.0);
    }

    const Voice ep = [](int m, double d, double v) { return inst::electricPiano(kSr, hz(m), d, v); };
    const Voice bellVoice = [](int m, double, double v) { return inst::bell(kSr, hz(m), v, 0.3); };
    const std::string tuneA =
        "E5:4 G5:2 E5:2 C5:4 D5:2 E5:2 | A4:4 C5:2 E5:6 -:4 | F5:4 E5:2 D5:2 C5:4 A4:4 |"
        "B4:4 D5:2 G5:6 -:4 | E5:4 G5:2 C6:2 B5:4 G5:4 | A5:6 G5:2 E5:4 C5:4 |"
        "D5:4 F5:2 A5:2 G5:4 F5:4 | D5:4 B4:4 G4:4 -:4";
    const std::string tuneB = "C6:6 A5:2 F5:8 | D6:6 B5:2 G5:8 | E5:4 G5:4 B5:4 G5:4 | A5:12 -:4 |"
                              "F5:4 A5:4 D6:4 C6:4 | B5:6 A5:2 G5:4 F5:4 | E5:8 G5:4 C6:4 | B5:8 -:8";
    playLine(song, 8 * 16, tuneA, ep, 0.75, 0.35, 0.1, 0.3, 0.2);
    playLine(song, 16 * 16, tuneB, ep, 0.75, 0.35, 0.1, 0.3, 0.2);
    playLine(song, 16 * 16, tuneB, bellVoice, 0.5, 0.06, -0.2, 0.4, 0.3); // a soft bell doubling
    playLine(song, 24 * 16, tuneA, ep, 0.75, 0.35, 0.1, 0.3, 0.2);

    MixSettings mix;
    mix.roomSize = 0.55;
    mix.reverbWet = 1.0;
    mix.delaySteps = 3.0;
    mix.delayFeedback = 0.3;
    mix.delayWet = 0.35;
    return song.render(mix);
}

// Calm jazzy lounge, swung 84 bpm: electric-piano comping, upright-style bass, brushes, vibraphone.
Stereo loungeTrack() {
    const double stepSec = 60.0 / 84.0 / 4.0;
    Song song(kSr, stepSec, 16, 24, 202);
    song.setSwing(0.6);
    song.setTimingJitter(0.004);
    const std::map<std::string, Chord> chords = {
        {"Fmaj7", {41, 4, {57, 60, 64, 67}, 0}},  {"Dm7", {38, 3, {60, 64, 65, 69}, 0}},
        {"Gm7", {43, 3, {58, 62, 65, 69}, 0}},    {"C7", {36, 4, {58, 62, 64, 67}, 0}},
        {"Bbmaj7", {34, 4, {57, 60, 62, 65}, 0}}, {"Bbm7", {34, 3, {56, 60, 61, 65}, 0}},
        {"Am7", {45, 3, {55, 59, 60, 64}, 0}},    {"D7", {38, 4, {60, 64, 66, 69}, 0}}};
    const std::array<std::array<std::string, 8>, 3> parts = {
        {{"Fmaj7", "Dm7", "Gm7", "C7", "Fmaj7", "Dm7", "Gm7", "C7"},
         {"Bbmaj7", "Bbm7", "Am7", "D7", "Gm7", "C7", "Fmaj7", "C7"},
         {"Fmaj7", "Dm7", "Gm7", "C7", "Am7", "D7", "Gm7", "C7"}}};

    Kit swishes([](std::uint64_t s) { return inst::brush(kSr, 0.8, 0.55, s); });
    Kit taps([](std::uint64_t s) { return inst::brush(kSr, 0.8, 0.12, s); });
    Kit rides([](std::uint64_t s) { return inst::ride(kSr, 0.8, s); });
    const Mono softKick = inst::kick(kSr, 0.6);
    const Mono crossStick = inst::woodBlock(kSr, 1700.0, 0.7, 5);

    const double barSec = stepSec * 16;
    for (int bar = 0; bar < 24; ++bar) {
        const int section = bar / 8;
        const Chord& ch =
            chords.at(parts[static_cast<std::size_t>(section)][static_cast<std::size_t>(bar % 8)]);
        const int nextBar = (bar + 1) % 24;
        const Chord& next =
            chords.at(parts[static_cast<std::size_t>(nextBar / 8)][static_cast<std::size_t>(nextBar % 8)]);
        const double b = bar * 16.0;

        // Comping: Charleston-like hits with a light strum.
        struct Hit {
            int step, len;
            double vel;
        };
        const std::array<Hit, 2> comp = bar % 2 == 0 ? std::array<Hit, 2>{{{0, 6, 0.55}, {6, 8, 0.45}}}
                                                     : std::array<Hit, 2>{{{0, 3, 0.4}, {10, 6, 0.5}}};
        for (const Hit& h : comp) {
            for (std::size_t i = 0; i < ch.voice.size(); ++i) {
                const double strum = static_cast<double>(i) * 0.006 / stepSec;
                const double v = song.randomVelocity(h.vel, 0.08);
                song.add(b + h.step + strum, inst::electricPiano(kSr, hz(ch.voice[i]), h.len * stepSec, v),
                         0.16, -0.25 + 0.15 * static_cast<double>(i), 0.35, 0.0);
            }
        }

        // Soft pad from the bridge on.
        if (section >= 1)
            for (std::size_t i = 0; i < ch.voice.size(); ++i)
                song.add(b, inst::pad(kSr, hz(ch.voice[i] - 12), barSec, 0.5, 900 + bar * 5 + i), 0.05,
                         i % 2 == 0 ? -0.5 : 0.5, 0.6, 0.0);

        // Bass: two-feel first, walking afterwards.
        std::vector<std::pair<int, int>> bassNotes; // step, midi
        if (section == 0) {
            bassNotes = {{0, ch.bass}, {8, ch.bass + 7}};
            if (bar % 2 == 1) bassNotes.push_back({14, next.bass - 1});
        } else {
            const int approach = bar % 2 == 0 ? next.bass - 1 : next.bass + 1;
            if (bar % 2 == 0)
                bassNotes = {{0, ch.bass}, {4, ch.bass + ch.third}, {8, ch.bass + 7}, {12, approach}};
            else
                bassNotes = {{0, ch.bass}, {4, ch.bass + 7}, {8, ch.bass + 12}, {12, approach}};
        }
        for (std::size_t i = 0; i < bassNotes.size(); ++i) {
            const int endStep = i + 1 < bassNotes.size() ? bassNotes[i + 1].first : 16;
            const double len = (endStep - bassNotes[i].first) * stepSec * 0.92;
            const double v = song.randomVelocity(bassNotes[i].first % 8 == 0 ? 0.85 : 0.7, 0.06);
            song.add(b + bassNotes[i].first, inst::bass(kSr, hz(bassNotes[i].second), len, v, 0.3), 0.55,
                     0.05, 0.1, 0.0);
        }

        // Brushes: swishes on 2 and 4, taps on 1 and 3; a feathered kick for the pulse.
        song.add(b + 4, swishes.next(), song.randomVelocity(0.08, 0.1), -0.2, 0.25, 0.0);
        song.add(b + 12, swishes.next(), song.randomVelocity(0.08, 0.1), -0.2, 0.25, 0.0);
        song.add(b, taps.next(), song.randomVelocity(0.1, 0.1), -0.2, 0.2, 0.0);
        song.add(b + 8, taps.next(), song.randomVelocity(0.1, 0.1), -0.2, 0.2, 0.0);
        song.add(b, softKick, 0.2, 0.0, 0.05, 0.0);
        song.add(b + 8, softKick, 0.15, 0.0, 0.05, 0.0);
        if (section >= 1) {
            for (const int s : {0, 4, 6, 8, 12, 14})
                song.add(b + s, rides.next(), song.randomVelocity(s % 8 == 4 ? 0.06 : 0.045, 0.1), 0.35, 0.2,
                         0.0);
            song.add(b + 12, crossStick, 0.05, 0.15, 0.3, 0.0);
        }
    }

    const Voice vib = [](int m, double d, double v) { return inst::vibes(kSr, hz(m), d, v); };
    const std::string bridge =
        "D5:6 F5:2 A5:8 | Ab5:6 F5:2 Db5:8 | C5:4 E5:4 G5:6 -:2 | F#5:6 E5:2 C5:8 |"
        "Bb4:4 D5:4 F5:4 A5:4 | G5:6 E5:2 Bb4:8 | A4:6 C5:2 E5:8 | -:4 G4:2 A4:2 Bb4:4 C5:4";
    const std::string lastA =
        "-:2 A4:2 C5:2 E5:6 D5:4 | C5:10 -:6 | -:2 Bb4:2 D5:2 F5:6 E5:4 | D5:10 -:6 |"
        "-:2 C5:2 E5:2 G5:6 E5:4 | F#5:8 E5:4 C5:4 | D5:6 Bb4:2 A4:4 G4:4 | E5:4 D5:2 C5:10";
    playLine(song, 8 * 16, bridge, vib, 0.7, 0.3, 0.15, 0.35, 0.12);
    playLine(song, 16 * 16, lastA, vib, 0.7, 0.3, 0.15, 0.35, 0.12);

    MixSettings mix;
    mix.roomSize = 0.7;
    mix.damping = 0.6;
    mix.reverbWet = 1.2;
    mix.delaySteps = 6.0;
    mix.delayFeedback = 0.25;
    mix.delayWet = 0.3;
    mix.delayLowpassHz = 2000.0;
    return song.render(mix);
}

// Playful 6/8 at 70 dotted-quarters per minute: marimba, oom-pah bass, tambourine, flute tune.
Stereo playfulTrack() {
    const double stepSec = 60.0 / 70.0 / 3.0; // an eighth note
    Song song(kSr, stepSec, 6, 40, 303);
    song.setTimingJitter(0.003);
    const std::map<std::string, Chord> chords = {{"G", {43, 4, {59, 62, 67}, 67}},
                                                 {"C", {48, 4, {60, 64, 67}, 60}},
                                                 {"D", {50, 4, {57, 62, 66}, 62}},
                                                 {"Em", {40, 3, {59, 64, 67}, 64}},
                                                 {"Am", {45, 3, {57, 60, 64}, 57}}};
    const std::array<std::string, 8> partA = {"G", "C", "G", "D", "G", "C", "D", "G"};
    const std::array<std::string, 8> partB = {"Em", "C", "G", "D", "Em", "C", "Am", "D"};

    const Mono kick = inst::kick(kSr, 0.8);
    Kit tambs([](std::uint64_t s) { return inst::tambourine(kSr, 0.8, s); });
    Kit claps([](std::uint64_t s) { return inst::clap(kSr, 0.7, s); });

    const double barSec = stepSec * 6;
    for (int bar = 0; bar < 40; ++bar) {
        const int section = bar / 8;
        const bool isB = section == 2 || section == 3;
        // The very last bar turns to D so the end leads back into the opening G.
        const std::string name = bar == 39 ? "D" : (isB ? partB[bar % 8] : partA[bar % 8]);
        const Chord& ch = chords.at(name);
        const double b = bar * 6.0;

        const std::array<int, 4> tones = {ch.arpRoot, ch.arpRoot + ch.third, ch.arpRoot + 7, ch.arpRoot + 12};
        const std::array<int, 6> pattern =
            isB ? std::array<int, 6>{0, 2, 3, 2, 1, 2} : std::array<int, 6>{0, 1, 2, 3, 2, 1};
        for (int j = 0; j < 6; ++j) {
            const double v = song.randomVelocity(j % 3 == 0 ? 0.85 : 0.6, 0.08);
            song.add(b + j,
                     inst::marimba(kSr, hz(tones[static_cast<std::size_t>(pattern[j])]), v, 50 + bar * 6 + j),
                     0.3, j % 2 == 0 ? -0.3 : 0.3, 0.25, 0.1);
        }

        if (isB)
            for (std::size_t i = 0; i < ch.voice.size(); ++i)
                song.add(b, inst::pad(kSr, hz(ch.voice[i]), barSec, 0.5, 500 + bar * 3 + i), 0.07,
                         (static_cast<double>(i) - 1.0) * 0.5, 0.5, 0.0);

        // Oom-pah bass: root, then the fifth (below if the root sits high).
        const int fifth = ch.bass + 7 <= 50 ? ch.bass + 7 : ch.bass - 5;
        song.add(b, inst::bass(kSr, hz(ch.bass), 2 * stepSec, song.randomVelocity(0.85, 0.05), 0.45), 0.5,
                 0.0, 0.05, 0.0);
        song.add(b + 3, inst::bass(kSr, hz(fifth), 2 * stepSec, song.randomVelocity(0.7, 0.05), 0.45), 0.5,
                 0.0, 0.05, 0.0);

        song.add(b, kick, 0.45, 0.0, 0.05, 0.0);
        if (section >= 1) song.add(b + 3, kick, 0.25, 0.0, 0.05, 0.0);
        for (int j = 0; j < 6; ++j) {
            if (section == 0 && j % 3 != 0) continue;
            song.add(b + j, tambs.next(), song.randomVelocity(j % 3 == 0 ? 0.12 : 0.07, 0.1), 0.35, 0.15,
                     0.0);
        }
        if (section >= 2) song.add(b + 3, claps.next(), 0.13, -0.05, 0.3, 0.0);
        if ((section == 1 || section == 4) && bar % 4 == 3) {
            song.add(b + 4, inst::woodBlock(kSr, 900.0, 0.7, 60 + bar), 0.1, -0.35, 0.2, 0.1);
            song.add(b + 5, inst::woodBlock(kSr, 1200.0, 0.7, 61 + bar), 0.1, -0.35, 0.2, 0.1);
        }
    }

    const Voice fl = [](int m, double d, double v) { return inst::flute(kSr, hz(m), d, v, 70 + m); };
    const Voice lead = [](int m, double d, double v) { return inst::pluck(kSr, hz(m), d, v, 0.85); };
    const std::string tuneA =
        "B4:2 D5:1 G5:2 F#5:1 | E5:2 D5:1 C5:3 | D5:2 B4:1 G4:2 B4:1 | A4:2 B4:1 C5:2 A4:1 |"
        "B4:2 D5:1 G5:2 A5:1 | G5:2 E5:1 C5:2 E5:1 | D5:2 F#5:1 A5:2 F#5:1 | G5:3 -:3";
    const std::string tuneEnd =
        "B4:2 D5:1 G5:2 F#5:1 | E5:2 D5:1 C5:3 | D5:2 B4:1 G4:2 B4:1 | A4:2 B4:1 C5:2 A4:1 |"
        "B4:2 D5:1 G5:2 A5:1 | G5:2 E5:1 C5:2 E5:1 | D5:2 F#5:1 A5:2 F#5:1 | A5:2 F#5:1 D5:2 -:1";
    const std::string tuneB =
        "B5:3 G5:2 E5:1 | G5:3 E5:2 C5:1 | D5:2 G5:1 B5:3 | A5:3 F#5:3 |"
        "E5:2 G5:1 B5:2 G5:1 | C6:3 B5:2 A5:1 | A5:2 E5:1 C5:2 E5:1 | D5:2 F#5:1 A5:2 C6:1";
    playLine(song, 8 * 6, tuneA, fl, 0.8, 0.3, 0.1, 0.3, 0.15);
    playLine(song, 16 * 6, tuneB, lead, 0.8, 0.28, 0.15, 0.3, 0.2);
    playLine(song, 24 * 6, tuneB, fl, 0.8, 0.3, 0.1, 0.3, 0.15);
    playLine(song, 32 * 6, tuneEnd, fl, 0.8, 0.3, 0.1, 0.3, 0.15);
    playLine(song, 32 * 6, tuneEnd, lead, 0.6, 0.1, -0.25, 0.3, 0.2);

    MixSettings mix;
    mix.roomSize = 0.5;
    mix.reverbWet = 1.0;
    mix.delaySteps = 3.0;
    mix.delayFeedback = 0.25;
    mix.delayWet = 0.3;
    return song.render(mix);
}

} // namespace

std::vector<MusicTrack> renderMusic() {
    return {{"track1.wav", bouncyTrack()}, {"track2.wav", loungeTrack()}, {"track3.wav", playfulTrack()}};
}

} // namespace tk
