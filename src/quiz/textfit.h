// Word fitting of the question text and the clock period: plain code, measured through a callback.
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

// Deals until a question of the interface language comes up. When the deck holds none of that
// language (anyMatch false) it takes the next question whatever its language instead of looping forever.
template <typename Deal, typename IsEnglish>
auto dealInLanguage(bool czech, bool anyMatch, Deal deal, IsEnglish isEnglish) {
    auto q = deal();
    while (anyMatch && isEnglish(q.Text) == czech)
        q = deal();
    return q;
}

} // namespace textfit
