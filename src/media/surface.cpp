// The picture table and the drawing operations on the window's persistent surface.
#include "frmMain.h"

#include "fonts.h"
#include "platform.h"

#include <QFontMetricsF>
#include <array>

namespace {
// File names by index; a state value of a board cell is also its picture's index.
constexpr std::array<const char*, 31> kPictures = {
    "pod.png",      "pole1.png",     "p1/male.png",      "p2/male.png",      "pole0h.png",   "pole0a.png",
    "p1/velke.png", "p2/velke.png",  "p1/hrac.png",      "p2/hrac.png",      "natahu.png",   "rucicka.png",
    "preload.jpg",  "gratulace.png", "p1/gratulace.png", "p2/gratulace.png", "sipka.png",    "help.jpg",
    "uvod.jpg",     "vitez.png",     "pozadi.png",       "levy.png",         "pravy.png",    "leva.png",
    "prava.png",    "moznost.png",   "moznosta.png",     "moznosts.png",     "moznostd.png", "exit.png",
    "moznost.png"};
// The order in which the table is filled at start-up.
constexpr std::array<int, 31> kLoadOrder = {8,  2,  6,  14, 30, 9,  3,  7,  15, 25, 0,  1,  4,  5,  10, 11,
                                            18, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 17, 16, 13, 12};
} // namespace

void frmMain::loadPictures() {
    for (int index : kLoadOrder) {
        QImage pic(LP(QString::fromLatin1(kPictures[static_cast<std::size_t>(index)])));
        // A missing or undecodable file leaves the slot empty; drawing it then draws nothing.
        img[static_cast<std::size_t>(index)] =
            pic.isNull() ? QImage() : pic.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
}

void frmMain::releasePictures() {
    for (auto& pic : img)
        pic = QImage();
}

void frmMain::drawPic(int index, double x, double y, double w, double h) {
    const QImage& pic = img[static_cast<std::size_t>(index)];
    if (!graphics_ || pic.isNull()) return;
    graphics_->drawImage(QRectF(x, y, w, h), pic, QRectF(pic.rect()));
}

void frmMain::drawPicPart(int index, double x, double y, double w, double h, double sx, double sy, double sw,
                          double sh) {
    const QImage& pic = img[static_cast<std::size_t>(index)];
    if (!graphics_ || pic.isNull()) return;
    graphics_->drawImage(QRectF(x, y, w, h), pic, QRectF(sx, sy, sw, sh));
}

void frmMain::restoreBackground(double x, double y, double w, double h) {
    drawPicPart(20, x, y, w, h, x, y, w, h);
}

void frmMain::outlineRect(QRgb argb, double x, double y, double w, double h) {
    if (!graphics_) return;
    graphics_->save();
    graphics_->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgba(argb));
    pen.setWidth(1);
    graphics_->setPen(pen);
    graphics_->setBrush(Qt::NoBrush);
    graphics_->drawRect(QRectF(x, y, w, h));
    graphics_->restore();
}

QFont frmMain::windowFont() const {
    return fonts::windowFont(FontSize, FontBold);
}

double frmMain::TextWidth(const QString& text) const {
    return QFontMetricsF(windowFont()).horizontalAdvance(text);
}

double frmMain::TextHeight(const QString&) const {
    return QFontMetricsF(windowFont()).height();
}

void frmMain::Print(const QString& text) {
    if (!graphics_ || text.isEmpty()) return;
    const QFont f = windowFont();
    const QFontMetricsF fm(f);
    graphics_->setFont(f);
    graphics_->setPen(ForeColor);
    // The position is the text's top-left corner; drawText wants the baseline.
    graphics_->drawText(QPointF(CurrentX, CurrentY + fm.ascent()), text);
    CurrentX += static_cast<float>(fm.horizontalAdvance(text));
}

void frmMain::Refresh() {
    platform_.refresh(*this);
}
