// Shared drawing helpers and the palette of the game's pictures.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <cstdint>

namespace art {

struct PlayerStyle {
    QColor light, base, dark, deep;  // from highlight to outline
};
// id 1 = warm amber (lighter), id 2 = cobalt blue (darker): differ in hue and lightness.
PlayerStyle player(int id);

// Pictures are drawn in the game's own pixels; the scale sets how many image pixels each one gets
// (2 for the @2x set). A canvas carries the scale as its device pixel ratio.
void setScale(qreal scale);
qreal scale();
QImage canvas(int w, int h, QColor fill = Qt::transparent);
// A rectangle in the game's pixels as the image pixels of a picture drawn at its scale.
QRectF pixels(const QImage& img, const QRectF& r);
void prepare(QPainter& p);
QFont uiFont(int px, bool bold = false, int stretch = 100);

// Pointy-top hexagon with the game's proportions (tips at 15/70 of the height).
QPolygonF hexPolygon(const QRectF& r);
// Offsets every edge of a convex polygon inwards by d (outwards for negative d).
QPolygonF insetPolygon(const QPolygonF& poly, qreal d);
QPainterPath roundedPolygon(const QPolygonF& poly, qreal radius);
QPainterPath hexPath(const QRectF& r, qreal inset = 0, qreal radius = 0);
QPainterPath starPath(QPointF c, qreal rOuter, qreal rInner, int points = 5, qreal rotDeg = -90);
QPainterPath mirrored(const QPainterPath& path, qreal axisX);

QImage blur(const QImage& src, qreal radius);
// Blurred copy of a filled path (uses the painter's transform), drawn offset.
void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal radius, QColor color);
void glow(QPainter& p, const QPainterPath& path, qreal radius, QColor color, int passes = 1);

// Text outline centred on c (horizontally by ink, vertically by cap height).
QPainterPath textPath(const QString& text, const QFont& f, QPointF c);
void fancyText(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline,
               qreal outlineWidth, QColor shadow = QColor(0, 0, 0, 160), qreal shadowRadius = 3,
               bool gloss = true);
QLinearGradient vgrad(qreal y0, qreal y1, QColor a, QColor b);
QLinearGradient vgrad3(qreal y0, qreal y1, QColor a, QColor m, QColor b);

void sparkle(QPainter& p, QPointF c, qreal r, QColor color);

// Small deterministic generator so every run paints the same confetti.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : s_(seed) {}
    double next();
    double range(double a, double b) { return a + (b - a) * next(); }

private:
    std::uint32_t s_;
};

bool save(const QImage& img, const QString& path);

}  // namespace art
