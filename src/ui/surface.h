// The game's drawing surface: an 800 x 600 picture that keeps what was drawn until it is drawn over,
// the table of pictures, and a text writer with a position, size, weight and colour.
//
// Everything is placed in the game's 800 x 600 pixels, but the image behind them has as many device
// pixels as the screen shows (twice as many each way at 200 %). The surface remembers how its content
// was drawn, so a new scale draws it again, sharp, rather than stretching the old image.
#pragma once

#include "picturelist.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <array>
#include <memory>
#include <vector>

class Surface {
public:
    Surface(); // white, with the built-in splash when there is one
    ~Surface();

    // The image at the current scale; its device pixel ratio is the scale.
    const QImage& image() const { return image_; }
    // Drawing starts once the pictures are loaded and stops when they are released.
    bool isOpen() const { return painter_ != nullptr; }

    // Device pixels per game pixel. Changing it loads the picture set that suits the new scale (the
    // 2x pictures above 1, where they are there) and draws the content again.
    double scale() const { return scale_; }
    void setScale(double scale);
    // 1 or 2: the set of pictures in use.
    int pictureSet() const { return pictureSet_; }

    // Loads every picture from the folder; a missing or undecodable file leaves its slot empty, and
    // drawing an empty slot draws nothing. The 2x set is name@2x.png beside name.png; where one is
    // missing, or older than a picture the player put in its place, that picture is scaled instead.
    void open(const QString& pictureFolder);
    void close();
    // The pictures that could not be used as they are, since open(): "name: why", one each.
    const QStringList& pictureProblems() const { return problems_; }
    const QImage& picture(int slot) const { return pictures_[static_cast<std::size_t>(slot)]; }
    QImage& picture(int slot) { return pictures_[static_cast<std::size_t>(slot)]; }
    // A picture's size in game pixels, whichever set it comes from.
    QSizeF pictureSize(int slot) const;

    void draw(int slot, double x, double y, double w, double h);
    // Part of a picture, the source in the picture's game pixels.
    void drawPart(int slot, double x, double y, double w, double h, double sx, double sy, double sw,
                  double sh);
    // A picture turned about (cx, cy) by degrees, its rectangle given relative to that point.
    void drawTurned(int slot, double cx, double cy, double degrees, double x, double y, double w, double h);
    // The same rectangle of the background picture.
    void restoreBackground(double x, double y, double w, double h);
    // A 1 px outline covering w + 1 by h + 1 pixels.
    void outline(QRgb argb, double x, double y, double w, double h);
    // Later drawing stays inside the rectangle until the clip is cleared.
    void setClip(const QRectF& r);
    void clearClip();

    // How many drawing steps the surface keeps for drawing again; drawing over an area with an opaque
    // picture forgets what lay wholly under it.
    std::size_t rememberedSteps() const { return steps_.size(); }
    // The area drawn on since the last call (whole game pixels), to show only what changed.
    QRect takeChangedArea();

    // Text: the position is the top-left corner of the next text; printing moves it to the right.
    void setTextPosition(double x, double y);
    void setTextSize(double points) { textPoints_ = points; }
    void setTextBold(bool bold) { textBold_ = bold; }
    void setTextColour(const QColor& c) { textColour_ = c; }
    double textX() const { return textX_; }
    double textY() const { return textY_; }
    double textPoints() const { return textPoints_; }
    bool isTextBold() const { return textBold_; }
    QColor textColour() const { return textColour_; }
    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight() const;
    QFont textFont() const;
    // Text that must stay within maxWidth: the size steps down a pixel at a time to minPoints, then
    // the end gives way to an ellipsis. Leaves the size set for printing it; text that fits is untouched.
    QString fitText(const QString& text, double maxWidth, double minPoints);

private:
    QImage loadPicture(const QString& path);

    struct Step {
        enum Kind : unsigned char { Picture, Outline, Text, Splash } kind = Picture;
        int slot = 0;
        QRectF target, source; // source in the picture's game pixels
        QTransform transform;
        bool clipped = false;
        QRectF clip;
        QRgb colour = 0;
        QString text;
        QFont font;
        QImage image;  // a Splash step's own picture: the content so far, kept when the steps ran long
        QRectF bounds; // the game pixels it may touch
    };
    void perform(QPainter& p, const Step& step);
    // Draws a step with the clip now set and remembers it.
    void apply(Step step, bool opaque);
    void remember(Step step, bool opaque);
    bool isOpaque(int slot, const QRectF& source);
    void loadPictures();
    void makeImage();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::array<QImage, kPictureCount> pictures_;
    std::array<qint64, kPictureCount> opaqueKey_{};
    std::array<bool, kPictureCount> opaque_{};
    QImage splash_;
    QString folder_;
    QStringList problems_;
    double scale_ = 1;
    int pictureSet_ = 1;
    std::vector<Step> steps_;
    bool clipped_ = false;
    QRectF clip_;
    QRectF changed_;
    float textX_ = 0, textY_ = 0;
    double textPoints_ = 11.25;
    bool textBold_ = false;
    QColor textColour_ = Qt::black;
};
