// Synthesised instruments. Each call renders one note (including its natural tail) as mono samples.
#pragma once

#include "dsp.hpp"

#include <cstdint>

namespace tk::inst {

// Tonal voices: freq in Hz, dur = time until note-off in seconds, vel in 0..1.
Mono electricPiano(double sr, double freq, double dur, double vel);
Mono pluck(double sr, double freq, double dur, double vel, double brightness);
Mono marimba(double sr, double freq, double vel, std::uint64_t seed);
Mono vibes(double sr, double freq, double dur, double vel);
Mono flute(double sr, double freq, double dur, double vel, std::uint64_t seed);
Mono bass(double sr, double freq, double dur, double vel, double tone);
Mono pad(double sr, double freq, double dur, double vel, std::uint64_t seed);
Mono bell(double sr, double freq, double vel, double decay);
Mono brass(double sr, double freq, double dur, double vel);

// Percussion.
Mono kick(double sr, double vel);
Mono clap(double sr, double vel, std::uint64_t seed);
Mono hat(double sr, double vel, double decay, std::uint64_t seed);
Mono shaker(double sr, double vel, std::uint64_t seed);
Mono tambourine(double sr, double vel, std::uint64_t seed);
Mono brush(double sr, double vel, double len, std::uint64_t seed);
Mono ride(double sr, double vel, std::uint64_t seed);
Mono woodBlock(double sr, double freq, double vel, std::uint64_t seed);
Mono timpani(double sr, double freq, double vel, std::uint64_t seed);
Mono cymbal(double sr, double vel, double decay, std::uint64_t seed);

} // namespace tk::inst
