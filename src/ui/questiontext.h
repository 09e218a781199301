// The question text as the panel sets it, in the game's bold font: the panel paints it and the question
// checker measures with it, so both see the same lines at the same size.
#pragma once

#include "fonts.h"
#include "questionlayout.h"

#include <QFontMetricsF>
#include <cmath>
#include <vector>

namespace questiontext {

inline textfit::FontMeasure boldAt(double points) {
    const QFontMetricsF metrics(fonts::windowFont(points, true));
    // Lines a whole number of pixels apart keep every line on the pixel grid.
    return {points, metrics.height(), std::ceil(metrics.lineSpacing()),
            [metrics](const QString& s) { return metrics.horizontalAdvance(s); }};
}

enum class Sizes {
    Regular,      // the sizes a question should fit at
    WithSqueezed, // and the smaller ones the game falls back on
};

// A line is kept free below the question for the note a time-out brings, so that the text never moves
// when it comes.
inline textfit::SetText set(const QString& text, Player side, Sizes sizes = Sizes::WithSqueezed) {
    std::vector<textfit::FontMeasure> fonts;
    for (double points : questionlayout::kQuestionPoints)
        fonts.push_back(boldAt(points));
    if (sizes == Sizes::WithSqueezed)
        for (double points : questionlayout::kSqueezedPoints)
            fonts.push_back(boldAt(points));
    return textfit::fitText(text, questionlayout::textArea(side), fonts, 1);
}

// Where the time-out note goes: the line below the question, in its size.
inline textfit::SetLine noteLine(const textfit::SetText& question, Player side) {
    return textfit::lineAfter(question, questionlayout::textArea(side), boldAt(question.points));
}

} // namespace questiontext
