// The game's pictures: the table of slots filled from the graphics folder, in the 1x or the 2x set as the
// scale they are shown at asks, and the built-in splash.
#pragma once

#include "picturelist.h"

#include <QFont>
#include <QHash>
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

    // A picture is decoded the first time it is asked for; one that cannot be is empty, and named
    // among the problems from then on.
    const QImage& picture(int slot) const;
    QImage& picture(int slot);
    // A picture's size in game pixels, whichever set it comes from.
    QSizeF pictureSize(int slot) const { return picture(slot).deviceIndependentSize(); }
    const QImage& splash() const { return splash_; }
    // A large picture scaled once to its size on a device at a scale between whole numbers, so that
    // painting it there is a plain copy; empty for the pictures not kept so.
    const QImage& scaledFor(int slot, double scale) const;
    // The same scaled picture drawn over itself a number of times, as a frame that builds up is
    // drawn: one copy then costs what every layer did. Empty where scaledFor is.
    const QImage& builtUpFor(int slot, int layers, double scale) const;
    // A line of text as a device at the scale shows it, kept for the next paint: text that large is
    // drawn from outlines each time, which costs more than a whole board. The picture has `margin`
    // device pixels round the text's box, whose top-left corner is at (0, 0) in game pixels.
    QImage textPicture(const QString& text, const QFont& font, const QColor& colour, double scale) const;
    static constexpr int kTextMargin = 4;

private:
    struct Source {
        QString path; // empty when the picture cannot be used
        int ratio = 1;
    };
    void loadPictures();
    // Whether the file can be used, without decoding it; a problem found is noted.
    bool checkPicture(const QString& path);
    void note(const QString& path, const QString& why) const;

    std::array<Source, kPictureCount> sources_;
    mutable std::array<QImage, kPictureCount> pictures_;
    mutable std::array<bool, kPictureCount> decoded_{};
    mutable std::array<QImage, kPictureCount> scaled_;
    mutable std::array<QImage, kPictureCount> builtUp_; // of builtUpLayers_ layers each
    mutable std::array<int, kPictureCount> builtUpLayers_{};
    mutable double scaledAt_ = 0;
    mutable QHash<QString, QImage> texts_; // by text, font, colour and scale

    QImage splash_;
    QString folder_;
    mutable QStringList problems_;
    int pictureSet_ = 1;
    bool open_ = false;
};
