#include "textfit.h"

#include "numbers.h"

#include <QStringList>
#include <algorithm>

namespace textfit {

namespace {

constexpr double kTolerance = 1e-6;

// The longest start of word that fits width, at least one character (a pair of surrogates stays whole).
qsizetype fittingPrefix(const QString& word, double width, const FontMeasure& font) {
    qsizetype best = word.size() > 1 && word[0].isHighSurrogate() ? 2 : 1;
    for (qsizetype n = best + 1; n < word.size(); ++n) {
        if (word[n].isLowSurrogate()) continue; // would cut a pair
        if (font.width(word.left(n)) > width + kTolerance) break;
        best = n;
    }
    return best;
}

// The line with as much of its end taken away as an ellipsis after it needs to fit width.
QString withEllipsis(QString line, double width, const FontMeasure& font) {
    const QString ellipsis(QChar(0x2026));
    while (!line.isEmpty() && font.width(line + ellipsis) > width + kTolerance) {
        line.chop(line.size() > 1 && line.back().isLowSurrogate() ? 2 : 1);
        while (line.endsWith(u' '))
            line.chop(1);
    }
    return line + ellipsis;
}

} // namespace

SetText setText(const QString& text, const TextArea& area, const FontMeasure& font, int spareLines) {
    SetText out;
    out.points = font.points;
    out.fits = true;
    // Only ordinary spaces break; runs of them count as one.
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    std::vector<double> widths; // of each line set, for an ellipsis at the end
    double top = area.top;
    qsizetype next = 0;
    while (next < words.size()) {
        // Written so that a NaN from a broken measure, or a spacing too small to move down, ends the text.
        if (!(top + spareLines * font.lineSpacing + font.lineHeight <= area.bottom + kTolerance) ||
            !(top + font.lineSpacing > top)) {
            out.fits = false;
            out.endLeftOut = true;
            if (!out.lines.empty())
                out.lines.back().text = withEllipsis(out.lines.back().text, widths.back(), font);
            return out;
        }
        const LineSpan span = area.spanOf(top, top + font.lineHeight);
        const double width = span.right - span.left;
        if (!(width > 0)) { // no room at this height; perhaps lower down
            top += font.lineSpacing;
            continue;
        }
        QString line = words[next];
        if (font.width(line) > width + kTolerance) {
            // Wider than the line on its own: what fits here, the rest on the next line.
            const qsizetype cut = fittingPrefix(line, width, font);
            words[next] = line.mid(cut);
            line.truncate(cut);
            if (words[next].isEmpty()) ++next;
            out.fits = false;
        } else {
            ++next;
            while (next < words.size()) {
                const QString longer = line + u' ' + words[next];
                if (font.width(longer) > width + kTolerance) break;
                line = longer;
                ++next;
            }
        }
        out.lines.push_back({line, span.left, top});
        widths.push_back(width);
        top += font.lineSpacing;
    }
    return out;
}

SetText fitText(const QString& text, const TextArea& area, const std::vector<FontMeasure>& sizes,
                int spareLines) {
    SetText set;
    for (const FontMeasure& font : sizes) {
        set = setText(text, area, font, spareLines);
        if (set.fits) break;
    }
    return set;
}

SetLine lineAfter(const SetText& text, const TextArea& area, const FontMeasure& font) {
    const double top = text.lines.empty() ? area.top : text.lines.back().top + font.lineSpacing;
    return {QString(), area.spanOf(top, top + font.lineHeight).left, top};
}

int tickPeriod(int length, double base) {
    const double p = static_cast<double>(length) / 20000.0 * base;
    const auto r = numbers::roundHalfEven(p);
    return static_cast<int>(std::clamp<std::int64_t>(r, 0, 65535));
}

} // namespace textfit
