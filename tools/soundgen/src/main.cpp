// tk_soundgen <soundDir>: synthesises the game's sound effects and looping background music.
#include "effects.hpp"
#include "music.hpp"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>

namespace {

double peakDb(const std::vector<float>& s) {
    float p = 0.0f;
    for (const float v : s)
        p = std::max(p, std::fabs(v));
    return tk::gainToDb(p);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <soundDir>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        const std::filesystem::path musicDir = dir / "music";
        std::filesystem::create_directories(musicDir);

        for (const tk::Effect& e : tk::renderEffects()) {
            const auto path = (dir / e.fileName).string();
            if (!tk::writeWavMono16(path, e.samples, tk::kEffectRate)) {
                std::fprintf(stderr, "tk_soundgen: cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%-12s %6.3f s  peak %5.1f dBFS\n", e.fileName.c_str(),
                        static_cast<double>(e.samples.size()) / tk::kEffectRate, peakDb(e.samples));
        }
        for (const tk::MusicTrack& t : tk::renderMusic()) {
            const auto path = (musicDir / t.fileName).string();
            if (!tk::writeWavStereo16(path, t.samples, tk::kMusicRate)) {
                std::fprintf(stderr, "tk_soundgen: cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("music/%-10s %6.2f s  peak %5.1f dBFS\n", t.fileName.c_str(),
                        static_cast<double>(t.samples.l.size()) / tk::kMusicRate,
                        std::max(peakDb(t.samples.l), peakDb(t.samples.r)));
        }
    } catch (const std::exception& ex) {
        std::fprintf(stderr, "tk_soundgen: %s\n", ex.what());
        return 1;
    }
    return 0;
}
