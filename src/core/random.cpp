#include "random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace rnd {
namespace {
std::mt19937& engine() {
    static std::mt19937 e{5489u};
    return e;
}
bool pinned = false;
} // namespace

float next() {
    return static_cast<float>(engine()() >> 8) * (1.0f / 16777216.0f);
}

int below(int n) {
    if (n <= 0) return 0;
    // In double, so a large n can never round up to n itself.
    return static_cast<int>(std::floor(static_cast<double>(next()) * n));
}

void randomize() {
    if (pinned) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine().seed(
        static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void pin(std::uint64_t seed) {
    pinned = true;
    engine().seed(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
}

void unpin() {
    pinned = false;
}

} // namespace rnd
