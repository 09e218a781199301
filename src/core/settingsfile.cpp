#include "settingsfile.h"

#include "numbers.h"
#include "textcodec.h"

#include <QStringList>
#include <optional>

namespace settingsfile {
namespace {

constexpr int kItems = 6;

struct Item {
    QString value;
    bool damaged = false; // a quote left open or followed by more text
};
using Items = std::array<Item, kItems>;

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

qsizetype skipSpaces(QStringView text, qsizetype i) {
    while (i < text.size() && text[i] == u' ')
        ++i;
    return i;
}

// The item of a quote that opens at `open`, up to the next lone quote ("" inside stands for one quote):
// returns the position after that quote, or -1 when it is missing (value then holds the rest of text).
qsizetype readQuoted(QStringView text, qsizetype open, QString& value) {
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] != u'"')
            value += text[i];
        else if (i + 1 < text.size() && text[i + 1] == u'"')
            value += text[++i];
        else
            return i + 1;
    }
    return -1;
}

// The file exactly as write() lays it out: six items, one a line, a quoted item closed by a lone quote
// right before its line end and free to hold line ends itself; line ends after the sixth. Nothing else.
std::optional<Items> readAsWritten(const QString& text) {
    Items items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (Item& item : items) {
        if (i >= n) return std::nullopt;
        i = skipSpaces(text, i);
        if (i < n && text[i] == u'"') {
            i = readQuoted(text, i, item.value);
            if (i < 0 || (i < n && !isLineEnd(text[i]))) return std::nullopt;
        } else {
            const qsizetype start = i;
            while (i < n && !isLineEnd(text[i]))
                ++i;
            item.value = text.mid(start, i - start);
        }
        if (i < n && text[i++] == u'\r' && i < n && text[i] == u'\n') ++i; // past CR LF, CR or LF
    }
    for (; i < n; ++i)
        if (!isLineEnd(text[i])) return std::nullopt;
    return items;
}

// One line as one item; a quote that is not closed on the line covers the rest of it.
Item readLine(QStringView line) {
    Item item;
    const qsizetype i = skipSpaces(line, 0);
    if (i == line.size() || line[i] != u'"') {
        item.value = line.sliced(i).toString();
        return item;
    }
    const qsizetype end = readQuoted(line, i, item.value);
    item.damaged = end < 0 || skipSpaces(line, end) != line.size();
    return item;
}

// How earlier versions also read a file of one line: items separated by commas, quoted ones free to
// hold commas. Only a line of exactly six counts, so that a name with a comma is not taken for one.
std::optional<Items> readOneLineOfSix(QStringView line) {
    QList<QStringView> pieces;
    bool quoted = false; // a doubled quote turns it off and on again
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"') {
            quoted = !quoted;
        } else if (line[i] == u',' && !quoted) {
            pieces << line.sliced(start, i - start);
            start = i + 1;
        }
    }
    pieces << line.sliced(start);
    if (pieces.size() != kItems) return std::nullopt;
    Items items;
    for (std::size_t k = 0; k < items.size(); ++k)
        items[k] = readLine(pieces[static_cast<qsizetype>(k)]);
    return items;
}

// A NUL is no part of a name, and a file with NULs in every other byte would be taken for UTF-16.
QString withoutNuls(QString item) {
    return item.remove(QChar(0));
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
    Items items;
    const QStringList lines = textcodec::splitLines(text);
    if (const std::optional<Items> written = readAsWritten(text)) {
        items = *written;
        s.itemsRead = kItems;
    } else if (const std::optional<Items> oneLine =
                   lines.size() == 1 ? readOneLineOfSix(lines[0]) : std::nullopt) {
        items = *oneLine;
        s.itemsRead = kItems;
    } else {
        s.itemsRead = static_cast<int>(std::min<qsizetype>(lines.size(), kItems));
        for (int k = 0; k < s.itemsRead; ++k)
            items[static_cast<std::size_t>(k)] = readLine(lines[k]);
    }

    for (int k = 0; k < s.itemsRead; ++k) {
        const Item& item = items[static_cast<std::size_t>(k)];
        const QString value = withoutNuls(item.value);
        bool damaged = item.damaged || value.size() != item.value.size();
        switch (k) {
        case 0:
            s.name1 = value;
            break;
        case 1:
            s.name2 = value;
            break;
        case 2:
            // "5,5" keeps its 5, as any text after a number is ignored.
            s.timeBase = numbers::formatNumber(numbers::leadingNumber(value));
            damaged = damaged || !numbers::isNumber(value);
            break;
        default: {
            bool& on = k == 3 ? s.sound : k == 4 ? s.music : s.fullScreen;
            // A switch read from a broken quote ("(o) without its end) is not trusted either.
            if (!damaged && (value == kOn || value == kOff))
                on = value == kOn;
            else
                damaged = true; // keeps its default
        }
        }
        if (damaged) s.damagedItems << k;
    }
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
