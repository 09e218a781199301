#include "numbers.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace numbers {

namespace {
// The leading number of text as leadingNumber reads it; `end` is where the text after it starts (0 when
// there is no number).
double readLeadingNumber(const QString& text, int& end) {
    std::string s; // the digits that form the number, spaces removed
    int i = 0;
    const int n = text.size();
    end = 0;
    auto skipSpaces = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    auto isDigit = [&](int k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };

    skipSpaces();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') s += '-';
        ++i;
    }
    bool anyDigit = false;
    for (skipSpaces(); isDigit(i); skipSpaces()) {
        s += static_cast<char>(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        s += '.';
        for (skipSpaces(); isDigit(i); skipSpaces()) {
            s += static_cast<char>(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    end = i;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        int j = i + 1;
        std::string e = "e";
        auto skipAt = [&] {
            while (j < n && (text[j] == u' ' || text[j] == u'\t'))
                ++j;
        };
        skipAt();
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            e += static_cast<char>(text[j].unicode());
            ++j;
        }
        bool expDigit = false;
        for (skipAt(); j < n && text[j] >= u'0' && text[j] <= u'9'; skipAt()) {
            e += static_cast<char>(text[j++].unicode());
            expDigit = true;
        }
        if (expDigit) {
            s += e;
            end = j;
        }
    }
    // Always a decimal point: QCoreApplication adopts the user's locale, which may use a comma.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    const double v = strtod_l(s.c_str(), nullptr, cLocale);
    return std::isfinite(v)
               ? v
               : (v > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest());
}
} // namespace

double leadingNumber(const QString& text) {
    int end = 0;
    return readLeadingNumber(text, end);
}

bool isNumber(const QString& text) {
    int end = 0;
    readLeadingNumber(text, end);
    if (end == 0) return false;
    for (int i = end; i < text.size(); ++i)
        if (text[i] != u' ' && text[i] != u'\t' && text[i] != u'\n' && text[i] != u'\r') return false;
    return true;
}

std::int64_t roundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    constexpr double lim = 9.2e18;
    if (v >= lim) return static_cast<std::int64_t>(lim);
    if (v <= -lim) return static_cast<std::int64_t>(-lim);
    return static_cast<std::int64_t>(std::nearbyint(v)); // default rounding mode: to nearest, ties to even
}

QString formatNumber(double v) {
    if (v == 0) return QStringLiteral("0");
    if (std::fabs(v) < 1e15 && v == std::trunc(v)) return QString::number(static_cast<std::int64_t>(v));
    QString s = QString::number(v, 'g', 15);
    return s;
}

} // namespace numbers
