// The game's pictures: the table of slots filled from the graphics folder, in the 1x or the 2x set as the
// scale they are shown at asks, and the built-in splash.
#pragma once

#include "picturelist.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>

class Pictures {
public:
    Pictures(); // with the built-in splash when there is one

    // Loads every picture from the folder; a missing or undecodable file leaves its slot empty, and
    // drawing an empty slot draws nothing. The 2x set is name@2x.png beside name.png; where one is
    // missing, or older than a picture the player put in its place, that picture is scaled instead.
    void open(const QString& pictureFolder);
    void close();
    bool isOpen() const { return open_; }
    // The pictures that could not be used as they are, since open(): "name: why", one each.
    const QStringList& problems() const { return problems_; }

    // The set for a scale of device pixels per game pixel: the 2x pictures above 1, where they are
    // there. Changing the set loads it, the old one released first.
    void useScale(double scale);
    int pictureSet() const { return pictureSet_; } // 1 or 2

    const QImage& picture(int slot) const { return pictures_[static_cast<std::size_t>(slot)]; }
    QImage& picture(int slot) { return pictures_[static_cast<std::size_t>(slot)]; }
    // A picture's size in game pixels, whichever set it comes from.
    QSizeF pictureSize(int slot) const { return picture(slot).deviceIndependentSize(); }
    const QImage& splash() const { return splash_; }

private:
    void loadPictures();
    QImage loadPicture(const QString& path);

    std::array<QImage, kPictureCount> pictures_;
    QImage splash_;
    QString folder_;
    QStringList problems_;
    int pictureSet_ = 1;
    bool open_ = false;
};
