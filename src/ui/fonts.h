// The window font: Verdana where installed, else DejaVu Sans with similar wide metrics.
#pragma once

#include <QFont>
#include <QStringList>
#include <cmath>

namespace fonts {

// Point sizes snap to whole pixels as on a 96 dpi screen: 11 and 11.25 pt give 15 px, 14 gives 19.
inline int pixelSize(double points) {
    return static_cast<int>(std::nearbyint(points * 4.0 / 3.0));
}

inline QFont windowFont(double points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize(points));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace fonts
