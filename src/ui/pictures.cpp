#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

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

QImage Pictures::loadPicture(const QString& path) {
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

