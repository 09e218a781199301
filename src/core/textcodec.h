// Reading the game's text files: UTF-8, Windows-1250 (files from the original Windows program), or
// UTF-16 with or without a byte order mark; lines end at CR LF, CR or LF.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <vector>

namespace textcodec {

enum class Encoding { Utf8, Windows1250, Utf16LittleEndian, Utf16BigEndian };

// How a file was read. A file without a byte order mark is UTF-16 when its even length and a NUL in
// nearly every other byte show it; otherwise it is UTF-8 unless none of its lines with non-ASCII bytes
// is valid UTF-8: then it is a Windows-1250 file, read whole in that code page. In a UTF-8 file, each
// line that is not valid UTF-8 (one appended by an old editor) is read as Windows-1250 on its own and
// listed in fallbackLines.
struct Decoding {
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    std::vector<int> fallbackLines; // 1-based
};

// "UTF-8", "UTF-16 LE with a byte order mark", "Windows-1250" …
QString describe(const Decoding& decoding);

// Calls onLine(number, text) for each line, line ends removed, without decoding the whole file at once.
Decoding forEachLine(QByteArrayView bytes, const std::function<void(int, QStringView)>& onLine);

// The whole text, line ends kept, decoded as forEachLine decodes each line.
QString decode(const QByteArray& bytes, Decoding* decoding = nullptr);
QString decodeWindows1250(QByteArrayView bytes);
// UTF-8 as it stands: unlike QString::fromUtf8, a leading U+FEFF is kept (only a file's first one is its
// byte order mark; one at the start of a later line is text, e.g. where two files were joined).
QString decodeUtf8(QByteArrayView bytes);

// The lines of text; a last line without a line end counts, an empty text has no lines.
QStringList splitLines(const QString& text);

} // namespace textcodec
