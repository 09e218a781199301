// The program's one random generator: uniform single-precision draws in [0, 1).
#pragma once

#include <cstdint>

namespace rnd {

// A value in [0, 1) with 24 random bits, like the original's single-precision draws.
float next();

// Int(next() * n): a whole number 0 .. n - 1 for n > 0.
int below(int n);

// Reseeds from the time of day, unless a test has pinned the seed.
void randomize();

// Seeds with a fixed value and makes randomize() keep it, so a test sees one sequence.
void pin(std::uint64_t seed);
void unpin();

} // namespace rnd
