// Drawing in the game's 800 x 600 pixels on a painter at any scale: the pictures of the set in use,
// outlines, and a text writer. A canvas lives for one paint, so no text position, size or colour
// carries from one paint to the next.
#pragma once

#include "pictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <functional>

class Canvas {
public:
    // A white picture of the game's 800 x 600 pixels at a scale (device pixels per game pixel), to
    // paint a frame on.
    static QImage blankFrame(double scale);

    // The painter's own clip (the area being painted) and transform stay in force under setClip and
    // drawTurned.
    Canvas(QPainter& painter, const Pictures& pictures);

    const Pictures& pictures() const { return pictures_; }
    QSizeF pictureSize(int slot) const { return pictures_.pictureSize(slot); }

    void draw(int slot, double x, double y, double w, double h);
    // Part of a picture, the source in the picture's game pixels.
    void drawPart(int slot, double x, double y, double w, double h, double sx, double sy, double sw,
                  double sh);
    // A picture drawn a number of times over itself at its own size, as a frame that builds up.
    void drawLayers(int slot, int layers, double x, double y);
    // At a scale between whole numbers, pictures land on whole device pixels (and some are kept).
    bool isBetweenWholeScales() const;
    // Drawing kept as one picture at the device's scale and drawn again only when its key changes:
    // at a scale between whole numbers, many pictures that seldom change cost one copy.
    struct KeptLayer {
        QString key;
        double scale = 0;
        QImage image;
    };
    void drawKept(KeptLayer& kept, const QString& key, const QRectF& area,
                  const std::function<void(Canvas&)>& paint);
    // A picture turned about (cx, cy) by degrees, its rectangle given relative to that point.
    void drawTurned(int slot, double cx, double cy, double degrees, double x, double y, double w, double h);
    // The same rectangle of the background picture.
    void restoreBackground(double x, double y, double w, double h);
    // A 1 px outline covering w + 1 by h + 1 pixels.
    void outline(QRgb argb, double x, double y, double w, double h);
    void drawImage(const QRectF& target, const QImage& image);
    // A box with rounded corners, smooth at any scale; no border when its colour is invalid.
    void roundedBox(const QRectF& r, double radius, const QColor& fill, const QColor& border = {},
                    double borderWidth = 1);
    // The same with a fill that runs from one colour at the top to another at the bottom.
    void shadedBox(const QRectF& r, double radius, const QColor& top, const QColor& bottom,
                   const QColor& border, double borderWidth);
    // Later drawing stays inside the rectangle until the clip is cleared.
    void setClip(const QRectF& r);
    void clearClip();

    // Text: the position is the top-left corner of the next text; printing moves it to the right.
    void setTextPosition(double x, double y);
    void setTextSize(double points) { textPoints_ = points; }
    void setTextBold(bool bold) { textBold_ = bold; }
    void setTextColour(const QColor& c) { textColour_ = c; }
    double textX() const { return textX_; }
    double textY() const { return textY_; }
    double textPoints() const { return textPoints_; }
    bool isTextBold() const { return textBold_; }
    void print(const QString& text);
    // One line centred in a box, across and down.
    void printCentred(const QString& text, const QRectF& box);
    double textWidth(const QString& text) const;
    double textHeight() const;
    QFont textFont() const;
    // Text that must stay within maxWidth: the size steps down a pixel at a time to minPoints, then
    // the end gives way to an ellipsis. Leaves the size set for printing it; text that fits is untouched.
    QString fitText(const QString& text, double maxWidth, double minPoints);

private:
    void applyClip();
    static QPoint onDevice(const QTransform& device, double x, double y);

    QPainter& painter_;
    const Pictures& pictures_;
    QTransform base_;
    bool baseClipped_ = false;
    QRegion baseClip_;
    bool clipped_ = false;
    QRectF clip_;
    float textX_ = 0, textY_ = 0;
    double textPoints_ = 11.25;
    bool textBold_ = false;
    QColor textColour_ = Qt::black;
};
