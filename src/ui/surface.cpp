#include "surface.h"

#include "fonts.h"

#include <QFontMetricsF>

namespace {
// File names by slot.
constexpr std::array<const char*, kPictureCount> kFiles = {
    "pod.png",      "pole1.png",     "p1/male.png",      "p2/male.png",      "pole0h.png",   "pole0a.png",
    "p1/velke.png", "p2/velke.png",  "p1/hrac.png",      "p2/hrac.png",      "natahu.png",   "rucicka.png",
    "preload.jpg",  "gratulace.png", "p1/gratulace.png", "p2/gratulace.png", "sipka.png",    "help.jpg",
    "uvod.jpg",     "vitez.png",     "pozadi.png",       "levy.png",         "pravy.png",    "leva.png",
    "prava.png",    "moznost.png",   "moznosta.png",     "moznosts.png",     "moznostd.png", "exit.png",
    "moznost.png"};
// The order in which the table is filled at start-up.
constexpr std::array<int, kPictureCount> kLoadOrder = {8,  2,  6,  14, 30, 9,  3,  7,  15, 25, 0,
                                                       1,  4,  5,  10, 11, 18, 19, 20, 21, 22, 23,
                                                       24, 26, 27, 28, 29, 17, 16, 13, 12};
} // namespace

Surface::Surface() : image_(800, 600, QImage::Format_ARGB32_Premultiplied) {
    image_.fill(Qt::white);
    const QImage splash(QStringLiteral(":/builtin/splash.png"));
    if (!splash.isNull()) {
        QPainter p(&image_);
        p.drawImage(QRect(0, 0, 800, 600), splash);
    }
}

Surface::~Surface() {
    if (painter_) painter_->end();
}

void Surface::open(const QString& pictureFolder) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform); // the zoom animations scale pictures
    for (int slot : kLoadOrder) {
        QImage pic(pictureFolder + u'/' + QString::fromLatin1(kFiles[static_cast<std::size_t>(slot)]));
        picture(slot) = pic.isNull() ? QImage() : pic.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
}

void Surface::close() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    for (auto& pic : pictures_)
        pic = QImage();
}

void Surface::draw(int slot, double x, double y, double w, double h) {
    const QImage& pic = picture(slot);
    if (!painter_ || pic.isNull()) return;
    painter_->drawImage(QRectF(x, y, w, h), pic, QRectF(pic.rect()));
}

void Surface::drawPart(int slot, double x, double y, double w, double h, double sx, double sy, double sw,
                       double sh) {
    const QImage& pic = picture(slot);
    if (!painter_ || pic.isNull()) return;
    painter_->drawImage(QRectF(x, y, w, h), pic, QRectF(sx, sy, sw, sh));
}

void Surface::restoreBackground(double x, double y, double w, double h) {
    drawPart(Background, x, y, w, h, x, y, w, h);
}

void Surface::outline(QRgb argb, double x, double y, double w, double h) {
    if (!painter_) return;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgba(argb));
    pen.setWidth(1);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(x, y, w, h));
    painter_->restore();
}

void Surface::setTextPosition(double x, double y) {
    textX_ = static_cast<float>(x);
    textY_ = static_cast<float>(y);
}

QFont Surface::textFont() const {
    return fonts::windowFont(textPoints_, textBold_);
}

double Surface::textWidth(const QString& text) const {
    return QFontMetricsF(textFont()).horizontalAdvance(text);
}

double Surface::textHeight() const {
    return QFontMetricsF(textFont()).height();
}

QString Surface::fitText(const QString& text, double maxWidth, double minPoints) {
    constexpr double kPixelInPoints = 0.75;
    while (textWidth(text) > maxWidth && textPoints_ - kPixelInPoints >= minPoints)
        textPoints_ -= kPixelInPoints;
    if (textWidth(text) <= maxWidth) return text;
    return QFontMetricsF(textFont()).elidedText(text, Qt::ElideRight, maxWidth);
}

void Surface::print(const QString& text) {
    if (!painter_ || text.isEmpty()) return;
    const QFont f = textFont();
    const QFontMetricsF fm(f);
    painter_->setFont(f);
    painter_->setPen(textColour_);
    // The position is the text's top-left corner; drawText wants the baseline.
    painter_->drawText(QPointF(textX_, textY_ + fm.ascent()), text);
    textX_ += static_cast<float>(fm.horizontalAdvance(text));
}
