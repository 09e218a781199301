// Reading the game's text files: UTF-8 when valid, else Windows-1250 (files from the original Windows
// program); lines end at CR LF, CR or LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace textcodec {

QString decode(const QByteArray& bytes);
QString decodeWindows1250(const QByteArray& bytes);

// The lines of text; a last line without a line end counts, an empty text has no lines.
QStringList splitLines(const QString& text);

} // namespace textcodec
