// The game's short sound effects.
#pragma once

#include "dsp.hpp"

#include <string>
#include <vector>

namespace tk {

inline constexpr int kEffectRate = 44100;

struct Effect {
    std::string fileName;
    Mono samples;
};

std::vector<Effect> renderEffects();

} // namespace tk
