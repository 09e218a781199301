// Holds the pictures the generator drew against the game's list (assets/pictures.txt).
#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

namespace art {

// One line for each listed file not drawn, drawn at another size than its listed size times the
// scale, or drawn though not listed; empty when the set is exactly the list.
QStringList differencesFromList(const QMap<QString, QImage>& drawn, int scale);

} // namespace art
