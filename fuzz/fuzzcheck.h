// A failed invariant must abort, so libFuzzer saves the input as a crash.
#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #cond);                \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// Shown next to a failed comparison of strings; escapes everything outside printable ASCII.
inline QByteArray fuzzShow(const QString& s) {
    QByteArray out;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\')
            out += static_cast<char>(u);
        else
            out += QByteArray("\\u") + QByteArray::number(u, 16).rightJustified(4, '0');
    }
    return out;
}

#define FUZZ_CHECK_EQ(a, b)                                                                                  \
    do {                                                                                                     \
        if (!((a) == (b))) {                                                                                 \
            std::fprintf(stderr, "%s:%d: invariant failed: %s == %s\n  left:  \"%s\"\n  right: \"%s\"\n",    \
                         __FILE__, __LINE__, #a, #b, fuzzShow(a).constData(), fuzzShow(b).constData());      \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
