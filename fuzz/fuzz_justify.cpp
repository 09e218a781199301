// textfit::justify with a measuring function that depends only on the string.
// Input: byte 0 picks the width, byte 1 the left edge, byte 2 the measure; the rest is the text's bytes,
// decoded as the game decodes q.dat. Odd widths and measures (NaN, infinities, negatives, widths past
// the 64-bit range) must not crash; for sane ones the line must fit, be stretched and keep the words.
#include "fuzzcheck.h"
#include "numbers.h"
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

QString trimSpaces(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s[a] == u' ')
        ++a;
    while (b > a && s[b - 1] == u' ')
        --b;
    return s.mid(a, b - a);
}

QStringList nonEmpty(const QStringList& l) {
    QStringList out;
    for (const QString& s : l)
        if (!s.isEmpty()) out << s;
    return out;
}

void checkLine(const QString& text, float width, float left, Measure m) {
    const auto measureFn = [m](const QString& s) { return measure(m, s); };
    const textfit::JustifiedLine line = textfit::justify(text, width, left, measureFn);
    if (text.isEmpty()) {
        FUZZ_CHECK(line.words.empty() && line.rest.isEmpty());
        return;
    }
    const QStringList words = text.split(u' ');
    const qsizetype n = words.size();
    const qsizetype k = static_cast<qsizetype>(line.words.size());
    FUZZ_CHECK(k >= 1 && k <= n);
    for (qsizetype i = 0; i < k; ++i)
        FUZZ_CHECK_EQ(line.words[static_cast<std::size_t>(i)].word, words[i]);
    FUZZ_CHECK_EQ(line.rest, trimSpaces(words.mid(k).join(u' ')));
    FUZZ_CHECK(line.rest.size() < text.size()); // so the caller's loop over the lines ends

    const bool nonNegative = m != negative && m != negInfOnX;
    if (nonNegative && std::isfinite(left) && !std::isnan(width)) {
        FUZZ_CHECK(line.words[0].x == left);
        for (qsizetype i = 1; i < k; ++i)
            FUZZ_CHECK(line.words[static_cast<std::size_t>(i)].x >=
                       line.words[static_cast<std::size_t>(i - 1)].x);
    }

    // Small, whole-pixel widths: the placed words fit, the next one would not, and gaps fill the line.
    const bool sane = m == perChar || m == halves || m == zero || m == halfPx || m == nanOnX;
    if (!sane || !std::isfinite(left) || !std::isfinite(width) || std::fabs(width) > 1e7f) return;
    std::vector<long long> w;
    for (qsizetype i = 0; i < n; ++i)
        w.push_back(numbers::roundHalfEven(measure(m, words[i] + u' ')));
    long long placed = 0;
    for (qsizetype i = 0; i < k; ++i)
        placed += w[static_cast<std::size_t>(i)];
    if (k > 1 || static_cast<double>(w[0]) < width) FUZZ_CHECK(static_cast<double>(placed) < width);
    if (k < n) FUZZ_CHECK(static_cast<double>(placed + w[static_cast<std::size_t>(k)]) >= width);
    const float end = line.words.back().x + static_cast<float>(w[static_cast<std::size_t>(k - 1)]);
    const float tolerance = 0.05f + 1e-5f * (std::fabs(left) + std::fabs(width) + static_cast<float>(placed));
    if (k > 1 && k < n) {
        FUZZ_CHECK(std::fabs(end - (left + width)) <= tolerance);
    } else {
        FUZZ_CHECK(std::fabs(end - (left + static_cast<float>(placed))) <= tolerance);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const float width = pickWidth(data[0]);
    const float left = pickLeft(data[1]);
    const auto m = static_cast<Measure>(data[2] % kinds);
    const QString text = textcodec::decode(
        QByteArray(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3)));

    checkLine(text, width, left, m);

    // The question panel's loop: line after line until nothing is left; together the lines keep every word.
    // Capped, as a narrow width on a long text makes it quadratic; the panel has nine lines anyway.
    const auto measureFn = [m](const QString& s) { return measure(m, s); };
    QStringList placed;
    QString rest = text;
    for (int lines = 0; lines < 32 && !rest.isEmpty(); ++lines) {
        const textfit::JustifiedLine line = textfit::justify(rest, width, left, measureFn);
        FUZZ_CHECK(line.rest.size() < rest.size());
        for (const textfit::PlacedWord& pw : line.words)
            placed << pw.word;
        rest = line.rest;
    }
    placed << rest.split(u' ');
    FUZZ_CHECK(nonEmpty(placed) == nonEmpty(text.split(u' ')));

    // The clock period stays in range for any length and base.
    const double base = static_cast<double>(width) * static_cast<double>(left);
    const int period = textfit::tickPeriod(static_cast<int>(text.size()), base);
    FUZZ_CHECK(period >= 0 && period <= 65535);
    return 0;
}
