// The shape of the question panel: where each line of the question text goes.
#pragma once

#include <array>

namespace questionlayout {

struct Line {
    float left1; // player 1's panel, on the left
    float left2; // player 2's panel, on the right
    float width;
};

// Line n has its top at y = 228 + 17 n; row 8 takes whatever is left, off the window.
constexpr std::array<Line, 9> lineTable = {{
    {45, 514, 243},
    {50, 522, 230},
    {54, 522, 226},
    {57, 545, 200},
    {57, 553, 192},
    {54, 553, 195},
    {50, 574, 178},
    {45, 582, 175},
    {800, 800, 1000000000},
}};
constexpr int kVisibleLines = 8;
constexpr float lineTop(int n) {
    return static_cast<float>(228 + 17 * n);
}

// Answer option boxes are 200 x 47.
constexpr float kOptionWidth = 200;
constexpr float kOptionHeight = 47;

} // namespace questionlayout
