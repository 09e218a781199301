#include "settingsfile.h"

#include "numbers.h"

#include <QStringList>

namespace settingsfile {
namespace {

// A NUL is no part of a name, and a file with NULs in every other byte would be taken for UTF-16.
QString withoutNuls(QString item) {
    return item.remove(QChar(0));
}

QStringList splitItems(const QString& text) {
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
    auto skipSeparator = [&] {
        if (i < n && text[i] == u',') {
            ++i;
        } else if (i < n && text[i] == u'\r') {
            ++i;
            if (i < n && text[i] == u'\n') ++i;
        } else if (i < n && text[i] == u'\n') {
            ++i;
        }
    };
    while (i < n) {
        while (i < n && text[i] == u' ')
            ++i;
        QString item;
        if (i < n && text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
            // Whatever follows the closing quote up to the separator is not part of the item.
            while (i < n && text[i] != u',' && !isEnd(text[i]))
                ++i;
        } else {
            while (i < n && text[i] != u',' && !isEnd(text[i]))
                item += text[i++];
        }
        items << withoutNuls(item);
        skipSeparator();
    }
    return items;
}

bool needsQuotes(const QString& s) {
    // Line ends too: a quoted item may hold them, and unquoted they would split it. A leading byte order
    // mark would be taken for the file's own and dropped.
    return s.contains(u',') || s.contains(u'"') || s.contains(u'\r') || s.contains(u'\n') ||
           s.startsWith(u' ') || s.startsWith(QChar(0xFEFF)) || s.endsWith(u' ');
}

} // namespace

Settings read(const QString& text) {
    Settings s;
    const QStringList items = splitItems(text);
    s.itemsRead = static_cast<int>(qMin<qsizetype>(items.size(), 6));
    if (items.size() > 0) s.name1 = items[0];
    if (items.size() > 1) s.name2 = items[1];
    if (items.size() > 2) s.timeBase = numbers::formatNumber(numbers::leadingNumber(items[2]));
    if (items.size() > 3) s.sound = items[3] == kOn;
    if (items.size() > 4) s.music = items[4] == kOn;
    if (items.size() > 5) s.fullScreen = items[5] == kOn;
    return s;
}

QString write(const std::array<QString, 6>& items) {
    QString out;
    for (const QString& given : items) {
        const QString item = withoutNuls(given);
        if (needsQuotes(item)) {
            QString q = item;
            q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            out += u'"' + q + u'"';
        } else {
            out += item;
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

} // namespace settingsfile
