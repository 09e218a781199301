#include "surface.h"

#include "fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {
// The order in which the table is filled at start-up, which is also the order its problems are
// listed in; slots not named here follow in slot order.
constexpr std::array<int, kPictureCount> loadOrder() {
    constexpr int kFirst[] = {8,  2,  6,  14, 30, 9,  3,  7,  15, 25, 0,  1,  4,  5,  10, 11,
                              18, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 17, 16, 13, 12};
    std::array<int, kPictureCount> order{};
    std::array<bool, kPictureCount> placed{};
    std::size_t n = 0;
    for (int slot : kFirst) {
        order.at(n++) = slot;
        placed.at(static_cast<std::size_t>(slot)) = true;
    }
    for (int slot = 0; slot < kPictureCount; ++slot)
        if (!placed[static_cast<std::size_t>(slot)]) order.at(n++) = slot;
    return order;
}
constexpr std::array<int, kPictureCount> kLoadOrder = loadOrder();
// Every slot once: a slot named twice would leave another unloaded.
static_assert([] {
    std::array<int, kPictureCount> seen{};
    for (int slot : kLoadOrder)
        if (++seen[static_cast<std::size_t>(slot)] != 1) return false;
    return true;
}());
} // namespace

namespace {
// Beyond this many remembered steps the content so far is kept as one picture at the current scale:
// drawing it again stays possible, only a little softer. A game draws far fewer between full screens.
constexpr std::size_t kMostSteps = 20000;
// A 2x picture older than the 1x one by more than this was left behind when the player replaced the
// picture; a copy of the program folder may shuffle the times by a little.
constexpr qint64 kStaleSeconds = 2;

QString twoTimesName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

bool wholeAlphaOpaque(const QImage& img) {
    if (!img.hasAlphaChannel()) return true;
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 255) return false;
    }
    return true;
}
} // namespace

Surface::Surface() {
    // One splash, drawn at 2x, serves every scale: smaller, it is scaled down smoothly.
    splash_ = QImage(QStringLiteral(":/builtin/splash@2x.jpg"));
    if (!splash_.isNull()) splash_.setDevicePixelRatio(2);
    makeImage();
    if (!splash_.isNull()) {
        Step step;
        step.kind = Step::Splash;
        step.target = step.bounds = QRectF(0, 0, 800, 600);
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        perform(p, step);
        steps_.push_back(step);
    }
}

Surface::~Surface() {
    if (painter_) painter_->end();
}

void Surface::makeImage() {
    image_ = QImage(); // the old image goes first: at a large scale the two would not fit side by side
    // A hair under a whole pixel rounds down: 800 x 1.25 is 1000, not 1001.
    const int w = static_cast<int>(std::ceil(800 * scale_ - 1e-6));
    const int h = static_cast<int>(std::ceil(600 * scale_ - 1e-6));
    image_ = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(scale_);
    image_.fill(Qt::white);
}

void Surface::setScale(double scale) {
    if (!(scale > 0) || std::abs(scale - scale_) < 1e-9) return;
    const bool open = painter_ != nullptr;
    if (open) {
        painter_->end();
        painter_.reset();
    }
    scale_ = scale;
    const int set = scale > 1 + 1e-9 ? 2 : 1;
    if (set != pictureSet_) {
        pictureSet_ = set;
        if (open) loadPictures();
    }
    makeImage();
    QPainter temporary;
    QPainter* p = &temporary;
    if (open) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform);
        p = painter_.get();
    } else {
        temporary.begin(&image_);
        temporary.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    for (const Step& step : steps_)
        perform(*p, step);
}

void Surface::open(const QString& pictureFolder) {
    folder_ = pictureFolder;
    problems_.clear();
    if (!QFileInfo(pictureFolder).isDir()) problems_ << QStringLiteral("graphics: no such folder");
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform); // the zoom animations scale pictures
    loadPictures();
}

void Surface::loadPictures() {
    // The old set goes first, so the two sets are never held at once.
    for (auto& pic : pictures_)
        pic = QImage();
    for (int slot : kLoadOrder) {
        const QString path = folder_ + u'/' + listedPicture(slot).fileName();
        QString chosen = path;
        int ratio = 1;
        // Nothing draws the picture in the slot before the winner cards: its 1x copy will do.
        if (pictureSet_ == 2 && slot != Player0WinnerCard) {
            const QString two = twoTimesName(path);
            const QFileInfo twoInfo(two), oneInfo(path);
            const QSize twoSize = QImageReader(two).size(), oneSize = QImageReader(path).size();
            // Only a 2x picture that belongs to the 1x one: twice its size, and not left over from
            // before the player put a picture of their own in its place.
            if (twoInfo.isFile() && twoSize.isValid() &&
                (!oneInfo.isFile() ||
                 (twoSize == oneSize * 2 &&
                  twoInfo.lastModified().secsTo(oneInfo.lastModified()) <= kStaleSeconds))) {
                chosen = two;
                ratio = 2;
            }
        }
        QImage pic = loadPicture(chosen);
        if (pic.isNull() && ratio == 2) {
            pic = loadPicture(path);
            ratio = 1;
        }
        if (!pic.isNull()) {
            pic.convertTo(QImage::Format_ARGB32_Premultiplied); // in place where it can be
            pic.setDevicePixelRatio(ratio);
        }
        picture(slot) = pic;
    }
}

QImage Surface::loadPicture(const QString& path) {
    // Far larger than any picture the game draws: decoding it would only eat the memory.
    constexpr int kLargest = 4096;
    QString why;
    QImage pic;
    QImageReader reader(path);
    if (!QFileInfo(folder_).isDir()) {
        return pic; // said once for the whole folder
    } else if (!QFileInfo(path).isFile()) {
        why = QStringLiteral("missing");
    } else if (const QSize size = reader.size();
               size.isValid() && (size.width() > kLargest || size.height() > kLargest)) {
        why = QStringLiteral("too large (%1 x %2)").arg(size.width()).arg(size.height());
    } else if (!reader.read(&pic)) {
        why = QStringLiteral("not a picture that can be read (%1)").arg(reader.errorString());
        pic = QImage();
    } else if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) {
        // A cut-off JPEG still decodes, grey where the data ended; it lacks its end marker.
        QFile f(path);
        if (f.open(QIODevice::ReadOnly) && f.read(2) == "\xFF\xD8" && f.seek(f.size() - 2) &&
            f.read(2) != "\xFF\xD9")
            why = QStringLiteral("cut off");
    }
    if (!why.isEmpty()) {
        const QString entry =
            QStringLiteral("graphics/") + QDir(folder_).relativeFilePath(path) + QStringLiteral(": ") + why;
        if (!problems_.contains(entry)) problems_ << entry;
    }
    return pic;
}

void Surface::close() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    for (auto& pic : pictures_)
        pic = QImage();
}

QSizeF Surface::pictureSize(int slot) const {
    return picture(slot).deviceIndependentSize();
}

bool Surface::isOpaque(int slot, const QRectF& source) {
    const QImage& pic = picture(slot);
    if (pic.isNull() || !QRectF(QPointF(0, 0), pic.deviceIndependentSize()).contains(source)) return false;
    auto& key = opaqueKey_[static_cast<std::size_t>(slot)];
    if (key != pic.cacheKey()) {
        key = pic.cacheKey();
        opaque_[static_cast<std::size_t>(slot)] = wholeAlphaOpaque(pic);
    }
    return opaque_[static_cast<std::size_t>(slot)];
}

void Surface::perform(QPainter& p, const Step& step) {
    p.resetTransform();
    if (step.clipped)
        p.setClipRect(step.clip);
    else
        p.setClipping(false);
    p.setTransform(step.transform);
    switch (step.kind) {
    case Step::Picture: {
        const QImage& pic = picture(step.slot);
        if (pic.isNull()) return;
        const double r = pic.devicePixelRatio();
        const QRectF source = step.source.isNull()
                                  ? QRectF(pic.rect())
                                  : QRectF(step.source.x() * r, step.source.y() * r, step.source.width() * r,
                                           step.source.height() * r);
        p.drawImage(step.target, pic, source);
        break;
    }
    case Step::Outline: {
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(QColor::fromRgba(step.colour));
        pen.setWidth(1);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(step.target);
        break;
    }
    case Step::Text:
        p.setFont(step.font);
        p.setPen(QColor::fromRgba(step.colour));
        p.drawText(step.target.topLeft(), step.text);
        break;
    case Step::Splash:
        p.drawImage(step.target, step.image.isNull() ? splash_ : step.image);
        break;
    }
}

void Surface::apply(Step step, bool opaque) {
    step.clipped = clipped_;
    step.clip = clip_;
    perform(*painter_, step);
    remember(std::move(step), opaque);
}

QRect Surface::takeChangedArea() {
    const QRect area = changed_.toAlignedRect() & QRect(0, 0, 800, 600);
    changed_ = QRectF();
    return area;
}

void Surface::remember(Step step, bool opaque) {
    if (step.clipped) step.bounds &= step.clip;
    changed_ |= step.bounds;
    // An opaque picture hides for good whatever lay wholly under it.
    if (opaque && !step.clipped && step.transform.isIdentity()) {
        std::erase_if(steps_, [&](const Step& old) { return step.target.contains(old.bounds); });
        // Once covered, the splash is not needed again.
        if (!splash_.isNull() && std::none_of(steps_.begin(), steps_.end(), [](const Step& s) {
                return s.kind == Step::Splash && s.image.isNull();
            }))
            splash_ = QImage();
    }
    if (steps_.size() >= kMostSteps) {
        Step snapshot;
        snapshot.kind = Step::Splash;
        snapshot.image = image_.copy();
        snapshot.target = snapshot.bounds = QRectF(0, 0, 800, 600);
        steps_.clear();
        steps_.push_back(snapshot);
    }
    steps_.push_back(std::move(step));
}

void Surface::draw(int slot, double x, double y, double w, double h) {
    const QSizeF size = pictureSize(slot);
    drawPart(slot, x, y, w, h, 0, 0, size.width(), size.height());
}

void Surface::drawPart(int slot, double x, double y, double w, double h, double sx, double sy, double sw,
                       double sh) {
    if (!painter_ || picture(slot).isNull()) return;
    Step step;
    step.slot = slot;
    step.target = step.bounds = QRectF(x, y, w, h);
    step.source = QRectF(sx, sy, sw, sh);
    apply(std::move(step), isOpaque(slot, QRectF(sx, sy, sw, sh)));
}

void Surface::drawTurned(int slot, double cx, double cy, double degrees, double x, double y, double w,
                         double h) {
    if (!painter_ || picture(slot).isNull()) return;
    Step step;
    step.slot = slot;
    step.transform.translate(cx, cy);
    step.transform.rotate(degrees);
    step.target = QRectF(x, y, w, h);
    step.bounds = step.transform.mapRect(step.target);
    step.source = QRectF(QPointF(0, 0), pictureSize(slot));
    apply(std::move(step), false);
}

void Surface::restoreBackground(double x, double y, double w, double h) {
    drawPart(Background, x, y, w, h, x, y, w, h);
}

void Surface::outline(QRgb argb, double x, double y, double w, double h) {
    if (!painter_) return;
    Step step;
    step.kind = Step::Outline;
    step.colour = argb;
    step.target = QRectF(x, y, w, h);
    step.bounds = step.target.adjusted(-1, -1, 2, 2);
    apply(std::move(step), false);
}

void Surface::setClip(const QRectF& r) {
    clipped_ = true;
    clip_ = r;
}

void Surface::clearClip() {
    clipped_ = false;
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
    Step step;
    step.kind = Step::Text;
    step.text = text;
    step.font = f;
    step.colour = textColour_.rgba();
    // The position is the text's top-left corner; drawText wants the baseline.
    step.target = QRectF(QPointF(textX_, textY_ + fm.ascent()), QSizeF());
    step.bounds = fm.boundingRect(text).translated(step.target.topLeft()).adjusted(-2, -2, 2, 2);
    apply(std::move(step), false);
    textX_ += static_cast<float>(fm.horizontalAdvance(text));
}
