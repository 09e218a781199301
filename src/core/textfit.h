// Setting the question text into the panel's room for it, and the answer-time rule: plain code, the text
// measured through a callback.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace textfit {

// The run of one line, from its left edge to the furthest its text may reach.
struct LineSpan {
    double left = 0;
    double right = 0;
};

// The room for text: lines go from top down to bottom, and each line's run depends on the band it takes
// (a slanted edge gives a lower line less).
struct TextArea {
    double top = 0;
    double bottom = 0;
    std::function<LineSpan(double top, double bottom)> spanOf;
};

// How text measures at one size, in pixels.
struct FontMeasure {
    double points = 0;
    double lineHeight = 0;  // the band a line's letters take, ascent and descent
    double lineSpacing = 0; // from one line's top to the next
    std::function<double(const QString&)> width;
};

struct SetLine {
    QString text;
    double left = 0;
    double top = 0;
};

struct SetText {
    double points = 0;
    std::vector<SetLine> lines;
    bool fits = false;       // whole words, all of them
    bool endLeftOut = false; // the last line ends in an ellipsis
};

// Sets text left-aligned at one size from the area's top: lines break at ordinary spaces only (a
// no-break space keeps its words together), one ordinary space between words, each line at its band's
// left edge. spareLines more lines must still fit below the text. Text that does not fit is still set,
// never past the area: a word wider than a line is split, and a last line that cannot take the rest
// ends in an ellipsis.
SetText setText(const QString& text, const TextArea& area, const FontMeasure& font, int spareLines = 0);

// The first of the sizes, largest first, at which the whole text fits; else the last size, set as far
// as it goes.
SetText fitText(const QString& text, const TextArea& area, const std::vector<FontMeasure>& sizes,
                int spareLines = 0);

// Where the line after the text goes, at the text's left edge there: the first of the spare lines.
SetLine lineAfter(const SetText& text, const TextArea& area, const FontMeasure& font);

// The clock's tick period in whole milliseconds: characters of the question and its four answers,
// / 20000 x base, rounded halves to even, kept within 0 .. 65535 (0 means the clock never ticks).
int tickPeriod(int length, double base);

} // namespace textfit
