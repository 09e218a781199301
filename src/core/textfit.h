// Fitting the question text into the panel's lines, and the answer-time rule: plain code, text measured
// through a callback.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace textfit {

struct PlacedWord {
    QString word;
    float x;
};

struct JustifiedLine {
    std::vector<PlacedWord> words; // what to draw, left to right, all at the line's top
    QString rest;                  // the words that did not fit, ends trimmed
};

// Fits the leading words of text into width (each word measured with one trailing space, rounded to
// whole pixels) and stretches the gaps, except on the text's last line. A first word wider than the
// line is still placed. measure returns the width of its argument in pixels.
JustifiedLine justify(const QString& text, float width, float left,
                      const std::function<double(const QString&)>& measure);

// The clock's tick period in whole milliseconds: characters of the question and its four answers,
// / 20000 x base, rounded halves to even, kept within 0 .. 65535 (0 means the clock never ticks).
int tickPeriod(int length, double base);

} // namespace textfit
