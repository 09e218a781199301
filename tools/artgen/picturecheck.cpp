#include "picturecheck.h"

#include "picturelist.h"

#include <QSet>

namespace art {

QStringList differencesFromList(const QMap<QString, QImage>& drawn, int scale) {
    QStringList differences;
    QSet<QString> listed;
    for (const ListedPicture& p : kPictureList) {
        const QString file = p.fileName();
        if (listed.contains(file)) continue; // one file in two slots
        listed.insert(file);
        const auto it = drawn.constFind(file);
        if (it == drawn.cend() || it->isNull()) {
            differences << QStringLiteral("%1: listed but not drawn").arg(file);
        } else if (it->size() != p.size() * scale) {
            differences << QStringLiteral("%1: drawn at %2 x %3, listed at %4 x %5 for scale %6")
                               .arg(file)
                               .arg(it->width())
                               .arg(it->height())
                               .arg(p.width * scale)
                               .arg(p.height * scale)
                               .arg(scale);
        }
    }
    for (auto it = drawn.cbegin(); it != drawn.cend(); ++it)
        if (!listed.contains(it.key()))
            differences << QStringLiteral("%1: drawn but not listed").arg(it.key());
    return differences;
}

} // namespace art
