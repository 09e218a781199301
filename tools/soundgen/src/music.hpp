// Looping background music.
#pragma once

#include "dsp.hpp"

#include <string>
#include <vector>

namespace tk {

inline constexpr int kMusicRate = 22050;

struct MusicTrack {
    std::string fileName;
    Stereo samples;
};

std::vector<MusicTrack> renderMusic();

} // namespace tk
