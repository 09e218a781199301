// Where the question panel stands and where its text goes, in the game's pixels.
#pragma once

#include "panelshape.h"
#include "player.h"
#include "textfit.h"

#include <array>

namespace questionlayout {

// The fox's panel stands on the left, the owl's on the right, each with its options on the other side.
constexpr double kPanelY = 198;
constexpr double panelX(Player side) {
    return side.isFox() ? 22 : 467;
}

// The question is set in the largest of these sizes (points, bold) at which it fits whole.
constexpr std::array<double, 5> kQuestionPoints = {15, 14, 13, 12, 11};
// Only for text too long for the smallest of those (the question checker reports it): smaller still,
// before the end is left out.
constexpr std::array<double, 2> kSqueezedPoints = {10, 9};

// The room for the question in a side's panel: the panel picture's own, moved to where it stands.
inline textfit::TextArea textArea(Player side) {
    const double x = panelX(side);
    const bool mirrored = !side.isFox();
    return {kPanelY + panelshape::kTextTop, kPanelY + panelshape::kTextBottom,
            [x, mirrored](double top, double bottom) {
                const panelshape::Span s = mirrored
                                               ? panelshape::mirroredTextSpan(top - kPanelY, bottom - kPanelY)
                                               : panelshape::textSpan(top - kPanelY, bottom - kPanelY);
                return textfit::LineSpan{x + s.left, x + s.right};
            }};
}

// Answer option boxes are 200 x 47.
constexpr double kOptionWidth = 200;
constexpr double kOptionHeight = 47;

} // namespace questionlayout
