// The question panel's outline and the room for text inside it, in the panel picture's own pixels. The
// art generator draws the panel from these numbers and the game sets the question inside them, so the
// text follows the picture. Plain C++ without Qt: the generator builds on its own.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace panelshape {

struct Point {
    double x, y;
};

// The picture of each panel, the left-hand one as drawn; the right-hand one is its mirror image.
constexpr double kWidth = 313;
constexpr double kHeight = 202;

// The body's corners clockwise, before the corners are rounded: a straight left edge and a slanted
// lower right edge that leaves room for the options beside it.
constexpr std::array<Point, 5> kBody = {{{8, 14}, {305, 14}, {305, 42}, {206, 186}, {8, 186}}};
constexpr double kCornerRadius = 14;
// The player's coloured rim lies inside the outline, this wide.
constexpr double kRimWidth = 7;
// The player's badge in the free top corner.
constexpr Point kBadgeCentre = {289, 32};
constexpr double kBadgeWidth = 24;
constexpr double kBadgeHeight = 26;
// Text keeps this far from the rim and the badge.
constexpr double kTextPadding = 6;

// The widest run of a text line whose band goes from top to bottom. Empty (right <= left) when the
// band leaves the room for text.
struct Span {
    double left = 0;
    double right = 0;
    double width() const { return right - left; }
};

// The room for text in the left-hand panel: inside the body by the rim and the padding, beside the
// badge. The body is convex, so a band fits where both its ends fit.
inline Span textSpan(double top, double bottom) {
    constexpr double inset = kRimWidth + kTextPadding;
    Span s{0, kWidth};
    for (std::size_t i = 0; i < kBody.size(); ++i) {
        const Point a = kBody[i];
        const Point b = kBody[(i + 1) % kBody.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        // Clockwise on a screen whose y grows downwards: the inside lies to the right of each edge.
        const double nx = -(b.y - a.y) / length;
        const double ny = (b.x - a.x) / length;
        for (double y : {top, bottom}) {
            // Inside by the inset where nx (x - a.x) + ny (y - a.y) >= inset.
            const double need = inset - ny * (y - a.y);
            if (nx > 1e-9)
                s.left = std::max(s.left, a.x + need / nx);
            else if (nx < -1e-9)
                s.right = std::min(s.right, a.x + need / nx);
            else if (need > 0)
                return {};
        }
    }
    const double badgeTop = kBadgeCentre.y - kBadgeHeight / 2 - kTextPadding;
    const double badgeBottom = kBadgeCentre.y + kBadgeHeight / 2 + kTextPadding;
    if (top < badgeBottom && bottom > badgeTop)
        s.right = std::min(s.right, kBadgeCentre.x - kBadgeWidth / 2 - kTextPadding);
    return s;
}

// The same in the right-hand panel, the mirror image.
inline Span mirroredTextSpan(double top, double bottom) {
    const Span s = textSpan(top, bottom);
    return {kWidth - s.right, kWidth - s.left};
}

// The first and last rows text may take: inside the top and bottom edges by the rim and the padding.
constexpr double kTextTop = kBody[0].y + kRimWidth + kTextPadding;
constexpr double kTextBottom = kBody[4].y - kRimWidth - kTextPadding;

} // namespace panelshape
