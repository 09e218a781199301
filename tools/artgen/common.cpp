#include "common.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

PlayerStyle player(int id)
{
    if (id == 1)
        return {QColor(255, 214, 140), QColor(255, 140, 26), QColor(196, 86, 0), QColor(110, 42, 0)};
    return {QColor(140, 200, 255), QColor(30, 104, 214), QColor(14, 60, 150), QColor(6, 28, 80)};
}

namespace {
qreal gScale = 1;
}

void setScale(qreal scale)
{
    gScale = scale;
}

qreal scale()
{
    return gScale;
}

QImage canvas(int w, int h, QColor fill)
{
    QImage img(int(std::lround(w * gScale)), int(std::lround(h * gScale)), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(gScale);
    img.fill(fill);
    return img;
}

QRectF pixels(const QImage& img, const QRectF& r)
{
    const qreal s = img.devicePixelRatio();
    return QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s);
}

void prepare(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

QFont uiFont(int px, bool bold, int stretch)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStretch(stretch);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPolygonF hexPolygon(const QRectF& r)
{
    const qreal t = r.height() * 15.0 / 70.0;
    return QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.top() + t),
                      QPointF(r.right(), r.bottom() - t), QPointF(r.center().x(), r.bottom()),
                      QPointF(r.left(), r.bottom() - t), QPointF(r.left(), r.top() + t)});
}

QPolygonF insetPolygon(const QPolygonF& poly, qreal d)
{
    const int n = int(poly.size());
    // Orientation decides which side of each edge is "inside".
    qreal area = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % n];
        area += a.x() * b.y() - b.x() * a.y();
    }
    const qreal sign = area > 0 ? 1 : -1;
    std::vector<QLineF> lines;
    for (int i = 0; i < n; ++i) {
        QLineF e(poly[i], poly[(i + 1) % n]);
        const QPointF dir = (e.p2() - e.p1()) / e.length();
        const QPointF normal(-dir.y() * sign, dir.x() * sign);
        lines.emplace_back(e.p1() + normal * d, e.p2() + normal * d);
    }
    QPolygonF out;
    for (int i = 0; i < n; ++i) {
        QPointF x;
        if (lines[(i + n - 1) % n].intersects(lines[i], &x) == QLineF::NoIntersection)
            x = lines[i].p1();
        out << x;
    }
    return out;
}

QPainterPath roundedPolygon(const QPolygonF& input, qreal radius)
{
    // Repeated points (e.g. a closing point) would give zero-length edges.
    QPolygonF poly;
    for (const QPointF& pt : input)
        if (poly.isEmpty() || QLineF(poly.last(), pt).length() > 1e-6)
            poly << pt;
    while (poly.size() > 1 && QLineF(poly.first(), poly.last()).length() <= 1e-6)
        poly.removeLast();
    QPainterPath path;
    const int n = int(poly.size());
    if (radius <= 0) {
        path.addPolygon(poly);
        path.closeSubpath();
        return path;
    }
    for (int i = 0; i < n; ++i) {
        const QPointF prev = poly[(i + n - 1) % n], cur = poly[i], next = poly[(i + 1) % n];
        const qreal lp = QLineF(cur, prev).length(), ln = QLineF(cur, next).length();
        const qreal r = std::min({radius, lp / 2, ln / 2});
        const QPointF a = cur + (prev - cur) * (r / lp);
        const QPointF b = cur + (next - cur) * (r / ln);
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.quadTo(cur, b);
    }
    path.closeSubpath();
    return path;
}

QPainterPath hexPath(const QRectF& r, qreal inset, qreal radius)
{
    QPolygonF poly = hexPolygon(r);
    if (inset != 0)
        poly = insetPolygon(poly, inset);
    return roundedPolygon(poly, radius);
}

QPainterPath starPath(QPointF c, qreal rOuter, qreal rInner, int points, qreal rotDeg)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = (rotDeg + 180.0 * i / points) * M_PI / 180.0;
        const qreal r = (i % 2) ? rInner : rOuter;
        poly << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath mirrored(const QPainterPath& path, qreal axisX)
{
    QTransform t(-1, 0, 0, 1, 2 * axisX, 0);
    return t.map(path);
}

QImage blur(const QImage& src, qreal radius)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width(), h = img.height();
    // The radius is in the game's pixels: a picture drawn at 2x blurs over twice as many image pixels.
    const int k = std::max(1, int(std::lround(radius * 0.6 * img.devicePixelRatio())));
    std::vector<int> ch[4];
    for (auto& c : ch)
        c.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c)
                ch[c][size_t(y) * w + x] = int((row[x] >> (8 * c)) & 0xff) * 256;
    }
    // Three box passes in each direction approximate a Gaussian.
    std::vector<long long> prefix(size_t(std::max(w, h)) + 1);
    auto pass = [&](std::vector<int>& d, int len, int count, int stride, int step) {
        for (int line = 0; line < count; ++line) {
            const size_t base = size_t(line) * stride;
            prefix[0] = 0;
            for (int i = 0; i < len; ++i)
                prefix[i + 1] = prefix[i] + d[base + size_t(i) * step];
            for (int i = 0; i < len; ++i) {
                const int lo = std::max(0, i - k), hi = std::min(len, i + k + 1);
                d[base + size_t(i) * step] = int((prefix[hi] - prefix[lo]) / (2 * k + 1));
            }
        }
    };
    for (auto& c : ch)
        for (int i = 0; i < 3; ++i) {
            pass(c, w, h, w, 1);
            pass(c, h, w, 1, w);
        }
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            std::uint32_t v = 0;
            const int a = std::clamp(ch[3][size_t(y) * w + x] / 256, 0, 255);
            for (int c = 0; c < 4; ++c) {
                const int cv = std::clamp(ch[c][size_t(y) * w + x] / 256, 0, c == 3 ? 255 : a);
                v |= std::uint32_t(cv) << (8 * c);
            }
            row[x] = v;
        }
    }
    return img;
}

void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal radius, QColor color)
{
    const QPainterPath m = p.transform().map(path);
    const int pad = int(std::ceil(radius * 2.5)) + 2;
    const QRectF br = m.boundingRect();
    const QPoint tl(int(std::floor(br.left())) - pad, int(std::floor(br.top())) - pad);
    const QSize sz(int(std::ceil(br.width())) + 2 * pad + 1, int(std::ceil(br.height())) + 2 * pad + 1);
    QImage tmp = canvas(sz.width(), sz.height());
    {
        QPainter q(&tmp);
        prepare(q);
        q.translate(-tl);
        q.fillPath(m, color);
    }
    tmp = blur(tmp, radius);
    p.save();
    p.resetTransform();
    p.drawImage(QPointF(tl) + offset, tmp);
    p.restore();
}

void glow(QPainter& p, const QPainterPath& path, qreal radius, QColor color, int passes)
{
    for (int i = 0; i < passes; ++i)
        softShadow(p, path, QPointF(0, 0), radius, color);
}

QPainterPath textPath(const QString& text, const QFont& f, QPointF c)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QFontMetricsF fm(f);
    const QRectF b = path.boundingRect();
    path.translate(c.x() - b.center().x(), c.y() + fm.capHeight() / 2);
    return path;
}

void fancyText(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline, qreal outlineWidth,
               QColor shadow, qreal shadowRadius, bool gloss)
{
    if (shadow.alpha() > 0) {
        QPainterPathStroker st;
        st.setWidth(outlineWidth);
        st.setJoinStyle(Qt::RoundJoin);
        softShadow(p, st.createStroke(path) + path, QPointF(0, shadowRadius * 0.6), shadowRadius, shadow);
    }
    if (outlineWidth > 0)
        p.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
    if (gloss) {
        const QRectF b = path.boundingRect();
        p.save();
        p.setClipPath(path);
        QLinearGradient g(b.topLeft(), QPointF(b.left(), b.center().y()));
        g.setColorAt(0, QColor(255, 255, 255, 150));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(b.left(), b.top(), b.width(), b.height() * 0.5), g);
        p.restore();
    }
}

QLinearGradient vgrad(qreal y0, qreal y1, QColor a, QColor b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient vgrad3(qreal y0, qreal y1, QColor a, QColor m, QColor b)
{
    QLinearGradient g = vgrad(y0, y1, a, b);
    g.setColorAt(0.5, m);
    return g;
}

void sparkle(QPainter& p, QPointF c, qreal r, QColor color)
{
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c, QPointF(c.x() + r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() + r));
    s.quadTo(c, QPointF(c.x() - r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() - r));
    QRadialGradient g(c, r * 0.7);
    g.setColorAt(0, QColor(255, 255, 255, color.alpha()));
    g.setColorAt(1, QColor(color.red(), color.green(), color.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r * 0.7, r * 0.7);
    p.fillPath(s, color);
}

double Rng::next()
{
    s_ = s_ * 1664525u + 1013904223u;
    return double(s_ >> 8) / double(1u << 24);
}

bool save(const QImage& img, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    // At 2x a JPEG's artefacts are half as large on the screen, so a lower quality looks the same and
    // keeps the package small. PNGs are compressed as hard as zlib can (quality 0).
    if (suffix == QLatin1String("jpg"))
        return img.convertToFormat(QImage::Format_RGB32).save(path, "JPG", img.devicePixelRatio() > 1 ? 82 : 92);
    return img.save(path, "PNG", 0);
}

}  // namespace art
