// The six settings kept in n.dat between runs, and its reading and writing rules.
#pragma once

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
};

// Items are separated by commas or line ends; leading spaces of an item are dropped; an item that
// begins with a double quote runs to the next lone double quote ("" inside stands for one quote).
// Missing items keep their defaults. NUL characters are left out.
Settings read(const QString& text);

// The six items as the controls hold them, one a line, CR LF. Items that would not read back whole
// (a comma, a double quote, a line end, leading or trailing spaces, a leading byte order mark) are quoted.
// NUL characters are left out (with them the file could be taken for UTF-16), as read() leaves them out.
QString write(const std::array<QString, 6>& items);

} // namespace settingsfile
