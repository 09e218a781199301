// The program's one random generator: uniform single-precision draws in [0, 1).
#pragma once

#include <cstdint>

namespace rnd {

// A generator object for code that must not share the program's sequence, such as the computer
// player's search on its own thread: a seed gives one sequence (splitmix64, fast and well mixed).
class Generator {
public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}

    std::uint64_t nextBits() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A value in [0, 1) with 24 random bits, as next() below.
    float next() { return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f); }
    // A whole number 0 .. n - 1 for n > 0, else 0; the high bits scaled, without a division.
    int below(int n) {
        if (n <= 0) return 0;
        return static_cast<int>(((nextBits() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    // A whole number from low to high, both included; low when high < low.
    int between(int low, int high) { return high < low ? low : low + below(high - low + 1); }

private:
    std::uint64_t state_;
};

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
