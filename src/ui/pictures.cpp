#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <utility>

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
// A 2x picture older than the 1x one by more than this was left behind when the player replaced the
// picture; a copy of the program folder may shuffle the times by a little.
constexpr qint64 kStaleSeconds = 2;

QString twoTimesName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

} // namespace

Pictures::Pictures() {
    // One splash, drawn at 2x, serves every scale: smaller, it is scaled down smoothly.
    splash_ = QImage(QStringLiteral(":/builtin/splash@2x.jpg"));
    if (!splash_.isNull()) splash_.setDevicePixelRatio(2);
}

void Pictures::open(const QString& pictureFolder) {
    folder_ = pictureFolder;
    problems_.clear();
    if (!QFileInfo(pictureFolder).isDir()) problems_ << QStringLiteral("graphics: no such folder");
    open_ = true;
    loadPictures();
}

void Pictures::close() {
    open_ = false;
    for (auto& pic : pictures_)
        pic = QImage();
    for (auto& pic : scaled_)
        pic = QImage();
    for (auto& pic : builtUp_)
        pic = QImage();
    texts_.clear();
    decoded_.fill(true); // nothing more to decode
}

void Pictures::useScale(double scale) {
    const int set = scale > 1 + 1e-9 ? 2 : 1;
    if (set == pictureSet_) return;
    pictureSet_ = set;
    if (open_) loadPictures();
}

void Pictures::loadPictures() {
    // The old set goes first, so the two sets are never held at once.
    for (auto& pic : pictures_)
        pic = QImage();
    for (auto& pic : scaled_)
        pic = QImage();
    for (auto& pic : builtUp_)
        pic = QImage();
    scaledAt_ = 0;
    decoded_.fill(false);
    for (int slot : kLoadOrder) {
        const QString path = folder_ + u'/' + listedPicture(slot).fileName();
        Source source{path, 1};
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
                  twoInfo.lastModified().secsTo(oneInfo.lastModified()) <= kStaleSeconds)))
                source = {two, 2};
        }
        if (!checkPicture(source.path) && source.ratio == 2) source = {path, 1};
        if (source.ratio == 1 && !checkPicture(path)) source.path.clear();
        sources_[static_cast<std::size_t>(slot)] = source;
    }
}

const QImage& Pictures::scaledFor(int slot, double scale) const {
    // Every picture of the game's board; the menu's and help's full-window sheets are painted whole
    // only when their screen comes, and would cost the most memory.
    static const QImage none;
    if (slot == MenuSheet || slot == HelpBackground) return none;
    if (scale != scaledAt_) {
        for (auto& pic : scaled_)
            pic = QImage(); // one scale at a time
        for (auto& pic : builtUp_)
            pic = QImage();
        scaledAt_ = scale;
    }
    QImage& kept = scaled_[static_cast<std::size_t>(slot)];
    if (kept.isNull()) {
        const QImage& pic = picture(slot);
        if (pic.isNull()) return none;
        const QSizeF size = pic.deviceIndependentSize() * scale;
        kept = pic.scaled(qRound(size.width()), qRound(size.height()), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
        kept.setDevicePixelRatio(1);
    }
    return kept;
}

const QImage& Pictures::picture(int slot) const {
    const auto i = static_cast<std::size_t>(slot);
    if (!decoded_[i]) {
        // Decoded when a screen first needs it: the menu alone needs a few of the pictures.
        decoded_[i] = true;
        const Source& source = sources_[i];
        if (open_ && !source.path.isEmpty()) {
            QImage pic;
            QImageReader reader(source.path);
            if (reader.read(&pic)) {
                pic.convertTo(QImage::Format_ARGB32_Premultiplied); // in place where it can be
                pic.setDevicePixelRatio(source.ratio);
                pictures_[i] = std::move(pic);
            } else {
                note(source.path,
                     QStringLiteral("not a picture that can be read (%1)").arg(reader.errorString()));
                std::fprintf(stderr, "%s: not a picture that can be read\n", qPrintable(source.path));
            }
        }
    }
    return pictures_[i];
}

QImage& Pictures::picture(int slot) {
    std::as_const(*this).picture(slot);
    return pictures_[static_cast<std::size_t>(slot)];
}

void Pictures::note(const QString& path, const QString& why) const {
    const QString entry =
        QStringLiteral("graphics/") + QDir(folder_).relativeFilePath(path) + QStringLiteral(": ") + why;
    if (!problems_.contains(entry)) problems_ << entry;
}

bool Pictures::checkPicture(const QString& path) {
    // Far larger than any picture the game draws: decoding it would only eat the memory.
    constexpr int kLargest = 4096;
    if (!QFileInfo(folder_).isDir()) return false; // said once for the whole folder
    QImageReader reader(path);
    if (!QFileInfo(path).isFile()) {
        note(path, QStringLiteral("missing"));
        return false;
    }
    if (!reader.canRead()) {
        note(path, QStringLiteral("not a picture that can be read (%1)").arg(reader.errorString()));
        return false;
    }
    if (const QSize size = reader.size();
        size.isValid() && (size.width() > kLargest || size.height() > kLargest)) {
        note(path, QStringLiteral("too large (%1 x %2)").arg(size.width()).arg(size.height()));
        return false;
    }
    if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) {
        // A cut-off JPEG still decodes, grey where the data ended; it lacks its end marker.
        QFile f(path);
        if (f.open(QIODevice::ReadOnly) && f.read(2) == "\xFF\xD8" && f.seek(f.size() - 2) &&
            f.read(2) != "\xFF\xD9")
            note(path, QStringLiteral("cut off"));
    }
    return true;
}

const QImage& Pictures::builtUpFor(int slot, int layers, double scale) const {
    const QImage& one = scaledFor(slot, scale); // also drops the copies of another scale
    if (one.isNull()) return one;
    const auto i = static_cast<std::size_t>(slot);
    QImage& kept = builtUp_[i];
    if (kept.isNull() || builtUpLayers_[i] != layers) {
        kept = QImage(one.size(), QImage::Format_ARGB32_Premultiplied);
        kept.fill(Qt::transparent);
        QPainter p(&kept);
        for (int k = 0; k < layers; ++k)
            p.drawImage(0, 0, one);
        builtUpLayers_[i] = layers;
    }
    return kept;
}

QImage Pictures::textPicture(const QString& text, const QFont& font, const QColor& colour,
                             double scale) const {
    const QString key = text + QChar(0) + font.key() + QChar(0) + colour.name(QColor::HexArgb) + QChar(0) +
                        QString::number(scale, 'g', 12);
    const auto found = texts_.constFind(key);
    if (found != texts_.constEnd()) return *found;
    // Questions come and go: an old line is cheap to draw again.
    if (texts_.size() > 256) texts_.clear();
    const QFontMetricsF fm(font);
    const int w = static_cast<int>(std::ceil(fm.horizontalAdvance(text) * scale)) + 2 * kTextMargin;
    const int h = static_cast<int>(std::ceil(fm.height() * scale)) + 2 * kTextMargin;
    QImage picture(w, h, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.translate(kTextMargin, kTextMargin);
        p.scale(scale, scale);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPointF(0, fm.ascent()), text);
    }
    texts_.insert(key, picture);
    return picture;
}
