#include "canvas.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <cmath>

Canvas::Canvas(QPainter& painter, const Pictures& pictures)
    : painter_(painter), pictures_(pictures), base_(painter.transform()), baseClipped_(painter.hasClipping()),
      baseClip_(painter.hasClipping() ? painter.clipRegion() : QRegion()) {
    painter_.setRenderHint(QPainter::SmoothPixmapTransform); // the zoom animations scale pictures
}

// Where a point in game pixels lands in whole device pixels: the device's own offset (a kept layer's
// corner) stays whole.
QPoint Canvas::onDevice(const QTransform& device, double x, double y) {
    return {qRound(x * device.m11()) + qRound(device.dx()), qRound(y * device.m22()) + qRound(device.dy())};
}

bool Canvas::isBetweenWholeScales() const {
    const QTransform device = painter_.deviceTransform();
    const double s = device.m11();
    return device.type() == QTransform::TxScale && std::abs(device.m22() - s) < 1e-9 &&
           std::abs(s - std::round(s)) > 1e-6;
}

void Canvas::drawKept(KeptLayer& kept, const QString& key, const QRectF& area,
                      const std::function<void(Canvas&)>& paint) {
    const QTransform device = painter_.deviceTransform();
    const double s = device.m11();
    const QRect onLayer(qRound(area.x() * s), qRound(area.y() * s),
                        qRound(area.right() * s) - qRound(area.x() * s),
                        qRound(area.bottom() * s) - qRound(area.y() * s));
    if (kept.key != key || kept.scale != s) {
        QImage layer(onLayer.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        layer.setDevicePixelRatio(s);
        {
            QPainter p(&layer);
            // The layer's corner is a whole device pixel of the frame, so pictures land on it as there.
            p.translate(-onLayer.x() / s, -onLayer.y() / s);
            Canvas c(p, pictures_);
            paint(c);
        }
        layer.setDevicePixelRatio(1);
        kept = {key, s, layer};
    }
    painter_.setTransform(QTransform::fromScale(1 / s, 1 / s));
    painter_.drawImage(onLayer.topLeft() + QPoint(qRound(device.dx()), qRound(device.dy())), kept.image);
    painter_.setTransform(base_);
}

QImage Canvas::blankFrame(double scale) {
    // A hair under a whole pixel rounds down: 800 x 1.25 is 1000, not 1001.
    QImage image(static_cast<int>(std::ceil(800 * scale - 1e-6)),
                 static_cast<int>(std::ceil(600 * scale - 1e-6)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

void Canvas::applyClip() {
    painter_.setTransform(base_);
    if (baseClipped_)
        painter_.setClipRegion(baseClip_);
    else
        painter_.setClipping(false);
    if (clipped_) painter_.setClipRect(clip_, baseClipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
}

void Canvas::draw(int slot, double x, double y, double w, double h) {
    const QSizeF size = pictureSize(slot);
    drawPart(slot, x, y, w, h, 0, 0, size.width(), size.height());
}

void Canvas::drawPart(int slot, double x, double y, double w, double h, double sx, double sy, double sw,
                      double sh) {
    const QImage& pic = pictures_.picture(slot);
    if (pic.isNull()) return;
    // At a scale between whole numbers, a large picture drawn at its own size is copied from its
    // scaled copy onto whole device pixels: scaling it anew each paint costs most of a frame.
    const QTransform device = painter_.deviceTransform();
    const double s = device.m11();
    if (device.type() == QTransform::TxScale && std::abs(device.m22() - s) < 1e-9 &&
        std::abs(s - std::round(s)) > 1e-6 && std::abs(w - sw) < 1e-9 && std::abs(h - sh) < 1e-9) {
        const QImage& scaled = pictures_.scaledFor(slot, s);
        if (!scaled.isNull()) {
            const QRect from(qRound(sx * s), qRound(sy * s), qRound((sx + sw) * s) - qRound(sx * s),
                             qRound((sy + sh) * s) - qRound(sy * s));
            painter_.setTransform(QTransform::fromScale(1 / s, 1 / s));
            painter_.drawImage(onDevice(device, x, y), scaled, from);
            painter_.setTransform(base_);
            return;
        }
    }
    const double r = pic.devicePixelRatio();
    painter_.setTransform(base_);
    painter_.drawImage(QRectF(x, y, w, h), pic, QRectF(sx * r, sy * r, sw * r, sh * r));
}

void Canvas::drawLayers(int slot, int layers, double x, double y) {
    const QSizeF size = pictureSize(slot);
    const QTransform device = painter_.deviceTransform();
    const double s = device.m11();
    if (device.type() == QTransform::TxScale && std::abs(device.m22() - s) < 1e-9 &&
        std::abs(s - std::round(s)) > 1e-6) {
        // As drawPart's scaled copy: the layers are put together once for the scale.
        const QImage& builtUp = pictures_.builtUpFor(slot, layers, s);
        if (!builtUp.isNull()) {
            painter_.setTransform(QTransform::fromScale(1 / s, 1 / s));
            painter_.drawImage(onDevice(device, x, y), builtUp);
            painter_.setTransform(base_);
            return;
        }
    }
    for (int k = 0; k < layers; ++k)
        draw(slot, x, y, size.width(), size.height());
}

void Canvas::drawTurned(int slot, double cx, double cy, double degrees, double x, double y, double w,
                        double h) {
    const QImage& pic = pictures_.picture(slot);
    if (pic.isNull()) return;
    QTransform t;
    t.translate(cx, cy);
    t.rotate(degrees);
    painter_.setTransform(t * base_);
    painter_.drawImage(QRectF(x, y, w, h), pic, QRectF(pic.rect()));
    painter_.setTransform(base_);
}

void Canvas::restoreBackground(double x, double y, double w, double h) {
    drawPart(Background, x, y, w, h, x, y, w, h);
}

void Canvas::outline(QRgb argb, double x, double y, double w, double h) {
    painter_.save();
    painter_.setTransform(base_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgba(argb));
    pen.setWidth(1);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x, y, w, h));
    painter_.restore();
}

void Canvas::drawImage(const QRectF& target, const QImage& image) {
    painter_.setTransform(base_);
    painter_.drawImage(target, image);
}

void Canvas::roundedBox(const QRectF& r, double radius, const QColor& fill, const QColor& border,
                        double borderWidth) {
    painter_.save();
    painter_.setTransform(base_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(border.isValid() ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    painter_.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter_.drawRoundedRect(r, radius, radius);
    painter_.restore();
}

void Canvas::shadedBox(const QRectF& r, double radius, const QColor& top, const QColor& bottom,
                       const QColor& border, double borderWidth) {
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter_.save();
    painter_.setTransform(base_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(border, borderWidth));
    painter_.setBrush(fill);
    painter_.drawRoundedRect(r, radius, radius);
    painter_.restore();
}

void Canvas::setClip(const QRectF& r) {
    clipped_ = true;
    clip_ = r;
    applyClip();
}

void Canvas::clearClip() {
    clipped_ = false;
    applyClip();
}

void Canvas::setTextPosition(double x, double y) {
    textX_ = static_cast<float>(x);
    textY_ = static_cast<float>(y);
}

QFont Canvas::textFont() const {
    return fonts::windowFont(textPoints_, textBold_);
}

double Canvas::textWidth(const QString& text) const {
    return QFontMetricsF(textFont()).horizontalAdvance(text);
}

double Canvas::textHeight() const {
    return QFontMetricsF(textFont()).height();
}

QString Canvas::fitText(const QString& text, double maxWidth, double minPoints) {
    constexpr double kPixelInPoints = 0.75;
    while (textWidth(text) > maxWidth && textPoints_ - kPixelInPoints >= minPoints)
        textPoints_ -= kPixelInPoints;
    if (textWidth(text) <= maxWidth) return text;
    return QFontMetricsF(textFont()).elidedText(text, Qt::ElideRight, maxWidth);
}

void Canvas::print(const QString& text) {
    if (text.isEmpty()) return;
    const QFont f = textFont();
    const QFontMetricsF fm(f);
    // Qt keeps glyphs up to 64 device pixels; larger text (a question in full screen on a large monitor)
    // would be filled from outlines at every paint, so its picture is kept instead.
    constexpr double kLargestKeptGlyph = 64;
    const QTransform device = painter_.deviceTransform();
    const double s = device.m11();
    if (device.type() == QTransform::TxScale && std::abs(device.m22() - s) < 1e-9 &&
        f.pixelSize() * s >= kLargestKeptGlyph) {
        const QImage picture = pictures_.textPicture(text, f, textColour_, s);
        constexpr int m = Pictures::kTextMargin;
        painter_.setTransform(QTransform::fromScale(1 / s, 1 / s));
        painter_.drawImage(onDevice(device, textX_, textY_) - QPoint(m, m), picture);
        painter_.setTransform(base_);
        textX_ += static_cast<float>(fm.horizontalAdvance(text));
        return;
    }
    painter_.setTransform(base_);
    painter_.setFont(f);
    painter_.setPen(textColour_);
    // The position is the text's top-left corner; drawText wants the baseline.
    painter_.drawText(QPointF(textX_, textY_ + fm.ascent()), text);
    textX_ += static_cast<float>(fm.horizontalAdvance(text));
}

void Canvas::printCentred(const QString& text, const QRectF& box) {
    setTextPosition(box.center().x() - textWidth(text) / 2, box.center().y() - textHeight() / 2);
    print(text);
}
