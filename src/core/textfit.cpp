#include "textfit.h"

#include "numbers.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace textfit {

JustifiedLine justify(const QString& text, float width, float left,
                      const std::function<double(const QString&)>& measure) {
    JustifiedLine out;
    if (text.isEmpty()) return out;
    const QStringList words = text.split(u' ');
    const int n = static_cast<int>(words.size());
    // Widths are whole pixels; a word wider than 255 px keeps its real width.
    std::vector<long long> wid(static_cast<std::size_t>(n));
    long long total = 0;
    int last = -1;
    long long used = 0;
    for (int i = 0; i < n; ++i) {
        wid[static_cast<std::size_t>(i)] = numbers::roundHalfEven(measure(words[i] + u' '));
        // Saturating: a measure may return widths near the int64 limit.
        if (__builtin_add_overflow(total, wid[static_cast<std::size_t>(i)], &total))
            total = wid[static_cast<std::size_t>(i)] > 0 ? std::numeric_limits<long long>::max()
                                                         : std::numeric_limits<long long>::min();
        if (static_cast<double>(total) < width) {
            last = i;
            used = total;
        }
    }
    float gap = 0;
    if (last > 0 && last != n - 1) gap = (width - static_cast<float>(used)) / static_cast<float>(last);
    float x = left;
    const int drawTo = last < 0 ? 0 : last;
    for (int i = 0; i <= drawTo; ++i) {
        out.words.push_back({words[i], x});
        x = static_cast<float>(wid[static_cast<std::size_t>(i)]) + x + gap;
    }
    QString rest;
    for (int i = drawTo + 1; i < n; ++i)
        rest += words[i] + u' ';
    // Only spaces are trimmed, as the words were split at spaces.
    qsizetype a = 0, b = rest.size();
    while (a < b && rest[a] == u' ')
        ++a;
    while (b > a && rest[b - 1] == u' ')
        --b;
    out.rest = rest.mid(a, b - a);
    return out;
}

int tickPeriod(int length, double base) {
    const double p = static_cast<double>(length) / 20000.0 * base;
    const auto r = numbers::roundHalfEven(p);
    return static_cast<int>(std::clamp<std::int64_t>(r, 0, 65535));
}

} // namespace textfit
