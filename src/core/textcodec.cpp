#include "textcodec.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <algorithm>

namespace textcodec {
namespace {
// Code points of bytes 0x80..0xFF in Windows-1250; 0 marks an unassigned byte.
constexpr char16_t kCp1250High[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};
} // namespace

QString decodeWindows1250(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t u = b < 0x80 ? b : kCp1250High[b - 0x80];
        *d++ = u ? u : (b ? char16_t(0xFFFD) : char16_t(0));
    }
    return out;
}

QString decodeUtf8(QByteArrayView bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes); // more than twice as fast
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

namespace {
bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Calls onSegment(number, line, lineWithItsEnd) for each line of 8-bit text.
template <typename F> void forEachByteLine(QByteArrayView bytes, F onSegment) {
    int number = 0;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        qsizetype end = i + 1;
        if (c == '\r' && end < n && bytes[end] == '\n') ++end;
        onSegment(++number, bytes.sliced(start, i - start), bytes.sliced(start, end - start));
        start = end;
        i = end - 1;
    }
    if (start < n) onSegment(++number, bytes.sliced(start), bytes.sliced(start));
}

struct Detected {
    Decoding decoding;
    qsizetype markLength = 0;
};

// UTF-16 saved without a byte order mark: text in Latin letters has a NUL as the high byte of nearly
// every character. Only a clear pattern counts, as no UTF-8 or Windows-1250 text holds NULs: an even
// length, and over the first bytes NULs in more than half the high bytes and in almost no low byte.
bool isUtf16WithoutMark(QByteArrayView bytes, Encoding encoding) {
    constexpr qsizetype kSample = 512;
    if (bytes.size() % 2 != 0 || bytes.size() < 4) return false;
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), kSample));
    const qsizetype high = encoding == Encoding::Utf16LittleEndian ? 1 : 0;
    qsizetype units = 0, highNuls = 0, lowNuls = 0;
    for (qsizetype i = 0; i < sample.size(); i += 2, ++units) {
        highNuls += sample[i + high] == 0 ? 1 : 0;
        lowNuls += sample[i + 1 - high] == 0 ? 1 : 0;
    }
    return 2 * highNuls > units && 16 * lowNuls <= units;
}

// How the file says or shows it is encoded; markLength bytes of byte order mark to skip.
Detected detectEncoding(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return {{Encoding::Utf8, true, {}}, 3};
    if (bytes.startsWith("\xFF\xFE")) return {{Encoding::Utf16LittleEndian, true, {}}, 2};
    if (bytes.startsWith("\xFE\xFF")) return {{Encoding::Utf16BigEndian, true, {}}, 2};
    for (const Encoding e : {Encoding::Utf16LittleEndian, Encoding::Utf16BigEndian})
        if (isUtf16WithoutMark(bytes, e)) return {{e, false, {}}, 0};
    return {};
}

QString decodeUtf16(QByteArrayView bytes, Encoding encoding) {
    QStringDecoder decoder(encoding == Encoding::Utf16LittleEndian ? QStringDecoder::Utf16LE
                                                                   : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    // A surrogate without its pair would not survive being written as UTF-8 (a saved name would
    // come back changed): it becomes the replacement character, as any other broken sequence.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// Whether an 8-bit text is a Windows-1250 file: some line is not UTF-8 and no line with non-ASCII
// bytes is.
bool isWindows1250File(QByteArrayView bytes) {
    bool anyInvalid = false;
    bool anyValidNonAscii = false;
    forEachByteLine(bytes, [&](int, QByteArrayView line, QByteArrayView) {
        if (anyValidNonAscii || isAscii(line)) return;
        if (line.isValidUtf8())
            anyValidNonAscii = true;
        else
            anyInvalid = true;
    });
    return anyInvalid && !anyValidNonAscii;
}

// Decodes 8-bit text segment by segment, choosing UTF-8 or Windows-1250 for each.
template <typename F>
Decoding decode8Bit(QByteArrayView bytes, Decoding decoding, bool keepLineEnds, F onPart) {
    if (isWindows1250File(bytes)) decoding.encoding = Encoding::Windows1250;
    const bool whole1250 = decoding.encoding == Encoding::Windows1250;
    forEachByteLine(bytes, [&](int number, QByteArrayView line, QByteArrayView withEnd) {
        const QByteArrayView part = keepLineEnds ? withEnd : line;
        if (whole1250) {
            onPart(number, decodeWindows1250(part));
        } else if (isAscii(line) || line.isValidUtf8()) {
            onPart(number, decodeUtf8(part));
        } else {
            decoding.fallbackLines.push_back(number);
            onPart(number, decodeWindows1250(part));
        }
    });
    return decoding;
}
} // namespace

QString describe(const Decoding& decoding) {
    switch (decoding.encoding) {
    case Encoding::Windows1250:
        return QStringLiteral("Windows-1250");
    case Encoding::Utf16LittleEndian:
        return decoding.byteOrderMark ? QStringLiteral("UTF-16 LE with a byte order mark")
                                      : QStringLiteral("UTF-16 LE without a byte order mark");
    case Encoding::Utf16BigEndian:
        return decoding.byteOrderMark ? QStringLiteral("UTF-16 BE with a byte order mark")
                                      : QStringLiteral("UTF-16 BE without a byte order mark");
    case Encoding::Utf8:
        break;
    }
    return decoding.byteOrderMark ? QStringLiteral("UTF-8 with a byte order mark") : QStringLiteral("UTF-8");
}

Decoding forEachLine(QByteArrayView bytes, const std::function<void(int, QStringView)>& onLine) {
    const Detected detected = detectEncoding(bytes);
    bytes = bytes.sliced(detected.markLength);
    if (detected.decoding.encoding == Encoding::Utf16LittleEndian ||
        detected.decoding.encoding == Encoding::Utf16BigEndian) {
        const QString text = decodeUtf16(bytes, detected.decoding.encoding);
        const QStringList lines = splitLines(text);
        for (qsizetype i = 0; i < lines.size(); ++i)
            onLine(static_cast<int>(i + 1), lines[i]);
        return detected.decoding;
    }
    return decode8Bit(bytes, detected.decoding, false,
                      [&](int number, const QString& line) { onLine(number, line); });
}

QString decode(const QByteArray& bytes, Decoding* decoding) {
    const Detected detected = detectEncoding(bytes);
    const QByteArrayView rest = QByteArrayView(bytes).sliced(detected.markLength);
    Decoding how = detected.decoding;
    QString text;
    if (how.encoding == Encoding::Utf16LittleEndian || how.encoding == Encoding::Utf16BigEndian) {
        text = decodeUtf16(rest, how.encoding);
    } else if (rest.isValidUtf8()) {
        text = decodeUtf8(rest);
    } else {
        text.reserve(rest.size());
        how = decode8Bit(rest, how, true, [&](int, const QString& part) { text += part; });
    }
    if (decoding) *decoding = how;
    return text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << text.mid(start, i - start);
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines << text.mid(start);
    return lines;
}

} // namespace textcodec
