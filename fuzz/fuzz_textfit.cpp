// textfit::setText and fitText with a measuring function that depends only on the string.
// Input: byte 0 picks the width, byte 1 the left edge, byte 2 the measure, the spare lines and whether
// the area's right edge slants; the rest is the text's bytes, decoded as the game decodes q.dat. Odd
// widths and measures (NaN, infinities, negatives, widths past the 64-bit range) must not crash or
// hang; the lines stay in the area and keep every letter in order, and a sane measure keeps each line
// within its run.
#include "fuzzcheck.h"
#include "textcodec.h"
#include "textfit.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

float pickWidth(std::uint8_t b) {
    if (b < 200) return static_cast<float>(b) * 3.0f;       // the game's lines are 200 to 313 px
    if (b < 240) return static_cast<float>(b - 200) + 0.5f; // narrow, fractional
    switch (b) {
    case 240:
        return kNaN;
    case 241:
        return kInf;
    case 242:
        return -kInf;
    case 243:
        return -1.0f;
    case 244:
        return -1e30f;
    case 245:
        return 1e30f;
    case 246:
        return std::numeric_limits<float>::max();
    case 247:
        return std::numeric_limits<float>::denorm_min();
    case 248:
        return 1e19f; // past the int64 range the widths are summed in
    case 249:
        return 9.3e18f;
    case 250:
        return 0.0f;
    case 251:
        return 0.5f;
    default:
        return 1e6f * static_cast<float>(b - 251);
    }
}

float pickLeft(std::uint8_t b) {
    if (b < 250) return static_cast<float>(b);
    switch (b) {
    case 250:
        return kNaN;
    case 251:
        return kInf;
    case 252:
        return -kInf;
    case 253:
        return -1e30f;
    case 254:
        return 1e30f;
    default:
        return -5.0f;
    }
}

enum Measure {
    perChar,
    halves,
    hugePerChar,
    nanOnX,
    negative,
    infLong,
    zero,
    hugeConst,
    negInfOnX,
    halfPx,
    kinds
};

double measure(Measure m, const QString& s) {
    double ascii = 0, other = 0;
    for (QChar c : s)
        (c.unicode() < 0x80 ? ascii : other) += 1;
    const double chars = ascii + other;
    const double normal = 7 * chars + 3 * other;
    switch (m) {
    case perChar:
        return normal;
    case halves:
        return 6.5 * chars;
    case hugePerChar:
        return 1e18 * chars;
    case nanOnX:
        return s.contains(u'x') ? std::nan("") : normal;
    case negative:
        return -normal;
    case infLong:
        return chars > 8 ? HUGE_VAL : normal;
    case zero:
        return 0;
    case hugeConst:
        return 4.6e18;
    case negInfOnX:
        return s.contains(u'x') ? -HUGE_VAL : normal;
    case halfPx:
        return 0.5 * chars;
    default:
        return 0;
    }
}

// The characters of the text without its ordinary spaces: what setting it may never change.
QString withoutSpaces(const QString& s) {
    QString out = s;
    out.remove(u' ');
    return out;
}

// A panel-like area: lines of 17 px, 18 apart, from y 20 to 170; each band's run begins at left and,
// on a slant, loses a pixel on the right for every 2 px it lies lower.
textfit::TextArea areaOf(float width, float left, bool slanted) {
    return {20, 170, [width, left, slanted](double, double bottom) {
                const double cut = slanted ? (bottom - 20) / 2 : 0;
                return textfit::LineSpan{left, left + static_cast<double>(width) - cut};
            }};
}

textfit::FontMeasure fontOf(Measure m, double points) {
    return {points, 17, 18, [m, points](const QString& s) { return measure(m, s) * points / 11; }};
}

void checkSet(const QString& text, const textfit::SetText& set, const textfit::TextArea& area,
              const textfit::FontMeasure& font, int spareLines, bool sane) {
    const QString letters = withoutSpaces(text);
    // The lines never pass the area's bottom, with the spare lines still below them.
    FUZZ_CHECK(static_cast<double>(set.lines.size()) <= (area.bottom - area.top) / font.lineSpacing + 1);
    for (std::size_t i = 0; i < set.lines.size(); ++i) {
        const textfit::SetLine& line = set.lines[i];
        FUZZ_CHECK(!line.text.isEmpty());
        FUZZ_CHECK(!line.text.startsWith(u' ') && !line.text.endsWith(u' ') &&
                   !line.text.contains(QStringLiteral("  ")));
        FUZZ_CHECK(line.top >= area.top);
        FUZZ_CHECK(line.top + spareLines * font.lineSpacing + font.lineHeight <= area.bottom + 1e-6);
        if (i > 0) FUZZ_CHECK(line.top > set.lines[i - 1].top);
    }
    QString shown;
    for (const textfit::SetLine& line : set.lines)
        shown += withoutSpaces(line.text);
    if (set.fits) {
        FUZZ_CHECK(!set.endLeftOut);
        QStringList lines;
        for (const textfit::SetLine& line : set.lines)
            lines << line.text;
        FUZZ_CHECK_EQ(lines.join(u' '), text.split(u' ', Qt::SkipEmptyParts).join(u' '));
    } else if (!set.endLeftOut) {
        FUZZ_CHECK_EQ(shown, letters); // a word was split, none lost
    } else {
        FUZZ_CHECK(set.lines.empty() || shown.endsWith(QChar(0x2026)));
        if (!set.lines.empty()) FUZZ_CHECK(letters.startsWith(shown.chopped(1)));
    }
    if (!sane) return;
    // With a sane measure every line keeps within its run; a line of one split piece may not, when even
    // a single character is wider than the run.
    for (const textfit::SetLine& line : set.lines) {
        const textfit::LineSpan span = area.spanOf(line.top, line.top + font.lineHeight);
        FUZZ_CHECK(line.left == span.left);
        if (line.text.size() > 2) FUZZ_CHECK(font.width(line.text) <= span.right - span.left + 1e-6);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const float width = pickWidth(data[0]);
    const float left = pickLeft(data[1]);
    const auto m = static_cast<Measure>(data[2] % kinds);
    const int spareLines = data[2] / kinds % 3;
    const bool slanted = data[2] / kinds / 3 % 2 == 1;
    const QString text = textcodec::decode(
        QByteArray(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3)));

    const bool sane = (m == perChar || m == halves || m == halfPx) && std::isfinite(left) &&
                      std::isfinite(width) && std::fabs(width) < 1e7f;
    const textfit::TextArea area = areaOf(width, left, slanted);
    const std::vector<textfit::FontMeasure> sizes = {fontOf(m, 15), fontOf(m, 13), fontOf(m, 11)};
    for (const textfit::FontMeasure& font : sizes)
        checkSet(text, textfit::setText(text, area, font, spareLines), area, font, spareLines, sane);

    // The first size at which all fits, else the last.
    const textfit::SetText fitted = textfit::fitText(text, area, sizes, spareLines);
    std::size_t first = sizes.size() - 1;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (textfit::setText(text, area, sizes[i], spareLines).fits) {
            first = i;
            break;
        }
    FUZZ_CHECK(fitted.points == sizes[first].points);

    // The clock period stays in range for any length and base.
    const double base = static_cast<double>(width) * static_cast<double>(left);
    const int period = textfit::tickPeriod(static_cast<int>(text.size()), base);
    FUZZ_CHECK(period >= 0 && period <= 65535);
    return 0;
}
