// The six settings kept in n.dat between runs, and its reading and writing rules.
#pragma once

#include <QList>
#include <QString>
#include <array>

namespace settingsfile {

inline const QString kOn = QStringLiteral("(o)");
inline const QString kOff = QStringLiteral("(  )");

struct Settings {
    QString name1 = QStringLiteral("Tamvel I.");
    QString name2 = QStringLiteral("Tamvel II.");
    QString timeBase = QStringLiteral("10000"); // already cleaned to its numeric value
    bool sound = false;                         // item 4 read "(o)"
    bool music = false;                         // item 5
    bool fullScreen = false;                    // item 6
    int itemsRead = 0;                          // how many of the six items the file held
    // Items the file held but damaged, 0-based, in order: a quote left open or followed by more text, NUL
    // characters, a time base that is not just a number, a switch other than kOn and kOff.
    QList<int> damagedItems;
};

// n.dat holds one item a line (CR LF, CR or LF), so that a damaged line changes only its own setting.
// Leading spaces of an item are dropped. An item that begins with a double quote ends at the next lone
// one ("" inside stands for one quote), so it may hold commas and quotes; when that closing quote is
// missing, it covers its own line only. An unquoted comma is part of a name; the time base is the number
// it begins with ("5,5" is 5, no number at all 0); a switch other than kOn and kOff keeps its default.
// A file exactly as write() writes it reads back whole, quoted line ends included. A file of one line
// holding six comma-separated items, which earlier versions read too, is read item by item. Missing
// items keep their defaults; NUL characters are left out.
Settings read(const QString& text);

// The six items as the controls hold them, one a line, CR LF. Items that would not read back whole
// (a comma, a double quote, a line end, leading or trailing spaces, a leading byte order mark) are quoted.
// NUL characters are left out (with them the file could be taken for UTF-16), as read() leaves them out.
QString write(const std::array<QString, 6>& items);

} // namespace settingsfile
