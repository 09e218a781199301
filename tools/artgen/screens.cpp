#include "screens.h"

#include "pieces.h"

#include <QFontMetricsF>

#include <cmath>

namespace art {

const MenuSlot kMenuSlots[4] = {
    {QRect(71, 401, 158, 98), 1},
    {QRect(321, 401, 158, 98), 161},
    {QRect(571, 401, 158, 98), 321},
    {QRect(541, 131, 158, 58), 481},
};

namespace {

void drawFloor(QPainter& p, int w, int h, qreal top) {
    const QPointF c(w / 2.0, h + 30);
    QRadialGradient g(c, w * 0.55);
    g.setColorAt(0, QColor(150, 110, 255, 110));
    g.setColorAt(0.6, QColor(90, 60, 220, 40));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, top, w, h - top), g);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const qreal rx = w * (0.18 + 0.11 * i), ry = (h - top) * (0.35 + 0.22 * i);
        p.setPen(QPen(QColor(180, 160, 255, 50 - 8 * i), 1.5));
        p.drawEllipse(c, rx, ry);
    }
}

void hexGrid(QPainter& p, int w, int h, qreal cw, QColor color) {
    const qreal ch = cw * 70 / 64, step = ch * 55 / 70;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, 1.2));
    for (int r = -1; r * step < h + ch; ++r)
        for (int c = -1; c * cw < w + cw; ++c)
            p.drawPath(hexPath(QRectF(c * cw + ((r & 1) ? cw / 2 : 0), r * step, cw, ch), 3, 4));
}

QPolygonF boardHull() {
    return QPolygonF({QPointF(336, 96), QPointF(144, 426), QPointF(144, 560), QPointF(656, 560),
                      QPointF(656, 426), QPointF(464, 96)});
}

void podium(QPainter& p, const QRectF& r, int id) {
    const PlayerStyle s = player(id);
    QPainterPath outer;
    outer.addRoundedRect(r.adjusted(1, 1, -1, -1), 22, 22);
    softShadow(p, outer, QPointF(0, 4), 6, QColor(0, 0, 10, 180));
    p.fillPath(outer, vgrad3(r.top(), r.bottom(), s.light, s.base, s.dark));
    p.strokePath(outer, QPen(s.deep, 1.6));
    QPainterPath inner;
    const QRectF ir = r.adjusted(7, 7, -7, -7);
    inner.addRoundedRect(ir, 16, 16);
    QRadialGradient g(ir.center() + QPointF(0, -14), 80);
    g.setColorAt(0, id == 1 ? QColor(120, 70, 150) : QColor(60, 80, 190));
    g.setColorAt(0.6, QColor(40, 20, 100));
    g.setColorAt(1, QColor(16, 8, 50));
    p.fillPath(inner, g);
    // Dial ticks: the clock hand sweeps over this face.
    p.save();
    p.setClipPath(inner);
    const QPointF c = r.center();
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const bool major = i % 3 == 0;
        const QPointF d(std::sin(a), -std::cos(a));
        p.setPen(QPen(QColor(255, 255, 255, major ? 170 : 90), major ? 3 : 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + d * (major ? 51 : 55), c + d * 61);
    }
    QRadialGradient floor(QPointF(c.x(), ir.bottom()), 60);
    floor.setColorAt(0, QColor(255, 255, 255, 50));
    floor.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(ir, floor);
    p.restore();
    p.strokePath(inner, QPen(QColor(0, 0, 20, 160), 2));
    p.strokePath(inner.translated(0, 1), QPen(QColor(255, 255, 255, 50), 1));
}

QPainterPath plateShape() {
    return roundedPolygon(insetPolygon(boardHull(), -13), 18);
}

enum class Item { Settings, NewGame, Help, Language };

void drawMenuButton(QPainter& p, QRectF cell, Item it, bool czech, bool hi) {
    const bool lang = it == Item::Language;
    const QRectF body = cell.adjusted(lang ? 5 : 6, lang ? 5 : 6, lang ? -5 : -6, lang ? -5 : -6);
    QPainterPath path;
    path.addRoundedRect(body, lang ? 16 : 20, lang ? 16 : 20);
    if (hi) glow(p, path, 6, QColor(255, 220, 80, 255), 3);
    softShadow(p, path, QPointF(0, 4), 4, QColor(0, 0, 20, 190));
    if (hi)
        p.fillPath(path, vgrad3(body.top(), body.bottom(), QColor(186, 166, 255), QColor(122, 92, 255),
                                QColor(70, 40, 200)));
    else
        p.fillPath(path, vgrad3(body.top(), body.bottom(), QColor(126, 98, 255), QColor(76, 48, 214),
                                QColor(40, 20, 140)));
    p.save();
    p.setClipPath(path);
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(body.left() + 4, body.top() + 3, body.width() - 8, body.height() * 0.42), 14,
                         14);
    p.fillPath(gloss, vgrad(body.top(), body.top() + body.height() * 0.45,
                            QColor(255, 255, 255, hi ? 150 : 110), QColor(255, 255, 255, 12)));
    p.restore();
    p.strokePath(path, QPen(QColor(14, 6, 50), 4));
    p.strokePath(path,
                 QPen(vgrad(body.top(), body.bottom(), hi ? QColor(255, 255, 230) : QColor(255, 232, 150),
                            hi ? QColor(255, 200, 40) : QColor(196, 124, 30)),
                      2.4));

    if (hi) {
        sparkle(p, body.topRight() + QPointF(-8, 6), 9, QColor(255, 255, 230, 240));
        sparkle(p, body.bottomLeft() + QPointF(9, -7), 6, QColor(255, 255, 230, 200));
    }
    const QPointF ic =
        lang ? QPointF(cell.left() + 32, cell.center().y()) : QPointF(cell.center().x(), cell.top() + 35);
    const qreal ir = lang ? 17 : 21;
    p.setPen(QPen(QColor(20, 10, 70), 1.5));
    p.setBrush(vgrad(ic.y() - ir, ic.y() + ir, QColor(255, 255, 255),
                     hi ? QColor(255, 240, 170) : QColor(200, 206, 255)));
    p.drawEllipse(ic, ir, ir);
    switch (it) {
    case Item::Settings:
        drawGear(p, ic, ir * 0.78, QColor(0, 150, 160));
        break;
    case Item::NewGame: {
        const QRectF hr(ic.x() - ir * 0.72, ic.y() - ir * 0.79, ir * 1.44, ir * 1.58);
        drawHexPiece(p, hr, Piece::P1);
        break;
    }
    case Item::Help: {
        const QPainterPath q = textPath(QStringLiteral("?"), uiFont(int(ir * 1.45), true), ic);
        fancyText(p, q, vgrad(ic.y() - ir, ic.y() + ir, QColor(90, 220, 100), QColor(20, 130, 40)),
                  QColor(10, 60, 20), 2.5, QColor(0, 0, 0, 0), 0, false);
        break;
    }
    case Item::Language:
        drawGlobe(p, ic, ir * 0.78, QColor(40, 140, 230));
        break;
    }
    static const char* const en[] = {"Settings", "New game", "Help", "\u010cesky"};
    static const char* const cz[] = {"Nastaven\u00ed", "Nov\u00e1 hra", "N\u00e1pov\u011bda", "English"};
    const QString label = QString::fromUtf8((czech ? cz : en)[int(it)]);
    const QPointF tc = lang ? QPointF((cell.left() + 52 + body.right()) / 2, cell.center().y())
                            : QPointF(cell.center().x(), cell.top() + 74);
    const QPainterPath t = textPath(label, uiFont(lang ? 19 : 18, true), tc);
    fancyText(p, t, hi ? QColor(255, 250, 190) : QColor(255, 255, 255), QColor(20, 8, 70), 3.2,
              QColor(0, 0, 20, 170), 2, false);
}

void drawBackButton(QPainter& p, bool hi) {
    const QPointF c(45, 45);
    QPainterPath disc;
    disc.addEllipse(c, 32, 32);
    if (hi) glow(p, disc, 5, QColor(255, 220, 80, 255), 2);
    softShadow(p, disc, QPointF(0, 3), 4, QColor(0, 0, 20, 190));
    QRadialGradient g(c + QPointF(-8, -12), 46);
    g.setColorAt(0, hi ? QColor(196, 176, 255) : QColor(140, 110, 255));
    g.setColorAt(1, hi ? QColor(80, 50, 210) : QColor(44, 22, 150));
    p.fillPath(disc, g);
    p.fillPath(disc.intersected([&] {
        QPainterPath e;
        e.addEllipse(QRectF(20, 15, 50, 28));
        return e;
    }()),
               vgrad(15, 43, QColor(255, 255, 255, hi ? 150 : 110), QColor(255, 255, 255, 10)));
    p.strokePath(disc, QPen(QColor(14, 6, 50), 4));
    p.strokePath(disc, QPen(vgrad(13, 77, hi ? QColor(255, 255, 230) : QColor(255, 232, 150),
                                  hi ? QColor(255, 200, 40) : QColor(196, 124, 30)),
                            2.4));
    drawArrowLeft(p, c + QPointF(-1, 0), 19, hi ? QColor(255, 230, 120) : QColor(190, 200, 255));
}

QImage helpBase() {
    QImage img = studioImage(800, 600, false);
    QPainter p(&img);
    prepare(p);
    // Right side: dark calm area for labels, inputs and the help pane.
    QLinearGradient side(300, 0, 360, 0);
    side.setColorAt(0, QColor(6, 6, 30, 0));
    side.setColorAt(1, QColor(6, 6, 30, 170));
    p.fillRect(QRectF(300, 0, 500, 600), side);
    QPainterPath pane;
    pane.addRoundedRect(QRectF(338, 96, 454, 490), 18, 18);
    softShadow(p, pane, QPointF(0, 4), 8, QColor(0, 0, 0, 180));
    p.fillPath(pane, vgrad(96, 586, QColor(22, 28, 88), QColor(10, 12, 48)));
    p.strokePath(pane, QPen(QColor(140, 150, 255, 110), 1.5));

    drawLogo(p, QPointF(575, 50), 40);

    drawFloor(p, 340, 600, 420);
    const struct {
        QPointF c;
        Piece kind;
    } hexes[] = {{{120, 200}, Piece::Active},
                 {{212, 200}, Piece::Free},
                 {{74, 276}, Piece::P1},
                 {{166, 276}, Piece::Hover},
                 {{258, 276}, Piece::P2}};
    for (const auto& h : hexes) {
        const QRectF r(h.c.x() - 44, h.c.y() - 48, 88, 96);
        softShadow(p, hexPath(r, 2, 5), QPointF(0, 5), 6, QColor(0, 0, 20, 170));
        drawHexPiece(p, r, h.kind);
    }
    drawGear(p, QPointF(212, 202), 24, QColor(0, 150, 160));
    drawGlobe(p, QPointF(166, 278), 20, QColor(40, 140, 230));
    // The owl on the left and the fox on the right, as in a game.
    drawOwl(p, QRectF(24, 404, 146, 133));
    drawFox(p, QRectF(172, 400, 150, 137));
    return img;
}

void drawWinnerCardBase(QPainter& p, int id) {
    const PlayerStyle s = player(id);
    QPainterPath card;
    card.addRoundedRect(QRectF(3, 3, 259, 200), 24, 24);
    p.fillPath(card, vgrad3(3, 203, s.light, s.base, s.deep));
    p.save();
    p.setClipPath(card);
    // Sunburst rays behind the caption.
    const QPointF c(132, 70);
    for (int i = 0; i < 24; i += 2) {
        QPainterPath ray;
        ray.moveTo(c);
        const qreal a0 = i * M_PI / 12, a1 = (i + 1) * M_PI / 12;
        ray.lineTo(c + QPointF(std::cos(a0), std::sin(a0)) * 300);
        ray.lineTo(c + QPointF(std::cos(a1), std::sin(a1)) * 300);
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 255, 255, 34));
    }
    QPainterPath capBox;
    capBox.addRoundedRect(QRectF(12, 27, 241, 75), 16, 16);
    p.fillPath(capBox, QColor(s.deep.red(), s.deep.green(), s.deep.blue(), 150));
    Rng rng(id == 1 ? 11 : 29);
    const QColor conf[] = {QColor(255, 230, 60),  QColor(255, 90, 140),  QColor(90, 230, 255),
                           QColor(140, 255, 120), QColor(255, 255, 255), QColor(200, 120, 255)};
    for (int i = 0; i < 70; ++i) {
        const QPointF pt(rng.range(6, 259), rng.range(6, 200));
        const QColor col = conf[int(rng.range(0, 6)) % 6];
        const qreal rot = rng.range(0, 180), len = rng.range(4, 8);
        const bool round = rng.next() < 0.3;
        // Keep the caption and name readable.
        if ((pt.y() > 30 && pt.y() < 100 && pt.x() > 22 && pt.x() < 243) || (pt.y() > 104 && pt.y() < 160))
            continue;
        p.save();
        p.translate(pt);
        p.rotate(rot);
        p.setPen(Qt::NoPen);
        p.setBrush(col);
        if (round)
            p.drawEllipse(QPointF(0, 0), 2.6, 2.6);
        else
            p.drawRect(QRectF(-len / 2, -1.8, len, 3.6));
        p.restore();
    }
    p.restore();
    // Ribbon for the winner's name.
    QPolygonF rib({QPointF(-2, 108), QPointF(267, 108), QPointF(255, 131.5), QPointF(267, 155),
                   QPointF(-2, 155), QPointF(10, 131.5)});
    QPainterPath ribbon;
    ribbon.addPolygon(rib);
    ribbon.closeSubpath();
    ribbon = ribbon.intersected(card);
    softShadow(p, ribbon, QPointF(0, 3), 4, QColor(0, 0, 0, 150));
    const QColor d = s.deep;
    p.fillPath(ribbon, vgrad3(108, 155, d.lighter(130), d.darker(150), d.darker(300)));
    p.fillPath(ribbon, QColor(20, 8, 50, 110));
    p.setPen(QPen(QColor(255, 210, 80), 2));
    p.drawLine(QPointF(3, 109.5), QPointF(262, 109.5));
    p.drawLine(QPointF(3, 153.5), QPointF(262, 153.5));
    const QPointF stars[] = {{96, 180}, {132, 177}, {168, 180}};
    for (int i = 0; i < 3; ++i) {
        const qreal r = i == 1 ? 17 : 12;
        const QPainterPath st = starPath(stars[i], r, r * 0.45);
        softShadow(p, st, QPointF(0, 2), 2, QColor(0, 0, 0, 140));
        p.strokePath(st, QPen(QColor(110, 50, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(st,
                   vgrad(stars[i].y() - r, stars[i].y() + r, QColor(255, 255, 210), QColor(255, 180, 20)));
    }
    sparkle(p, QPointF(40, 178), 8, QColor(255, 255, 230, 230));
    sparkle(p, QPointF(226, 182), 9, QColor(255, 255, 230, 230));
    p.strokePath(card, QPen(s.deep, 4));
    p.strokePath(card, QPen(vgrad(3, 203, QColor(255, 248, 190), QColor(220, 150, 30)), 2.4));
}

} // namespace

QRectF boardCell(int row, int i) {
    return QRectF(400 - 32 * (row + 1) + 64 * i, 128 + 55 * row, 64, 70);
}

QImage studioImage(int w, int h, bool calm) {
    QImage img = canvas(w, h, Qt::black);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(16, 8, 56));
    g.setColorAt(0.42, QColor(46, 22, 120));
    g.setColorAt(0.74, QColor(28, 14, 86));
    g.setColorAt(1, QColor(10, 6, 36));
    p.fillRect(img.rect(), g);
    QRadialGradient rg(QPointF(w / 2.0, h * 0.4), w * 0.62);
    rg.setColorAt(0, QColor(130, 80, 255, 110));
    rg.setColorAt(0.5, QColor(80, 40, 200, 50));
    rg.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), rg);

    QImage beams = canvas(w, h);
    {
        QPainter b(&beams);
        prepare(b);
        const struct {
            qreal x0, x1, width;
            QColor c;
        } list[] = {{w * 0.06, w * 0.40, 110, QColor(200, 180, 255)},
                    {w * 0.94, w * 0.60, 110, QColor(200, 180, 255)},
                    {w * 0.28, w * 0.02, 80, QColor(120, 220, 255)},
                    {w * 0.72, w * 0.98, 80, QColor(255, 160, 230)}};
        for (const auto& bm : list) {
            QPolygonF poly({QPointF(bm.x0 - 5, -5), QPointF(bm.x0 + 5, -5), QPointF(bm.x1 + bm.width / 2, h),
                            QPointF(bm.x1 - bm.width / 2, h)});
            QColor a = bm.c, z = bm.c;
            a.setAlpha(calm ? 34 : 56);
            z.setAlpha(0);
            b.setPen(Qt::NoPen);
            b.setBrush(vgrad(0, h * 0.85, a, z));
            b.drawPolygon(poly);
        }
    }
    p.drawImage(0, 0, blur(beams, 8));

    QImage grid = canvas(w, h);
    {
        QPainter q(&grid);
        prepare(q);
        hexGrid(q, w, h, 46, QColor(170, 160, 255, 40));
        q.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QRadialGradient fg(QPointF(w / 2.0, h * 0.45), std::max(w, h) * 0.62);
        fg.setColorAt(0, QColor(0, 0, 0, calm ? 20 : 40));
        fg.setColorAt(1, QColor(0, 0, 0, 255));
        q.fillRect(grid.rect(), fg);
    }
    p.drawImage(0, 0, grid);

    Rng rng(calm ? 5 : 7);
    const QColor bokeh[] = {QColor(255, 120, 220), QColor(120, 220, 255), QColor(190, 150, 255)};
    for (int i = 0; i < 30; ++i) {
        const QPointF c(rng.range(0, w), rng.range(0, h));
        const qreal r = rng.range(4, 16);
        QColor col = bokeh[i % 3];
        col.setAlpha(int(rng.range(18, 46)));
        if (calm && c.y() > 170 && c.y() < 420) continue;
        QRadialGradient bg(c, r);
        bg.setColorAt(0, col);
        bg.setColorAt(0.8, QColor(col.red(), col.green(), col.blue(), col.alpha() / 2));
        bg.setColorAt(1, QColor(col.red(), col.green(), col.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        p.drawEllipse(c, r, r);
    }
    QRadialGradient vg(QPointF(w / 2.0, h / 2.0), std::hypot(w, h) * 0.55);
    vg.setColorAt(0.55, QColor(0, 0, 0, 0));
    vg.setColorAt(1, QColor(0, 0, 16, 150));
    p.fillRect(img.rect(), vg);
    return img;
}

void drawLogo(QPainter& p, QPointF c, int px) {
    const QFont f = uiFont(px, true);
    const QFontMetricsF fm(f);
    const QString a = QStringLiteral("Tamvel"), b = QString::fromUtf8("Kv\u00edz");
    QPainterPath pa, pb;
    pa.addText(0, 0, f, a);
    pb.addText(fm.horizontalAdvance(a) + px * 0.03, 0, f, b);
    const QRectF br = (pa + pb).boundingRect();
    const QPointF off(c.x() - br.center().x(), c.y() + fm.capHeight() / 2);
    pa.translate(off);
    pb.translate(off);
    const QPainterPath all = pa + pb;
    QPainterPathStroker st;
    st.setWidth(px * 0.34);
    st.setJoinStyle(Qt::RoundJoin);
    st.setCapStyle(Qt::RoundCap);
    const QPainterPath halo = (st.createStroke(all) + all).simplified();
    softShadow(p, halo, QPointF(0, px * 0.08), px * 0.12, QColor(0, 0, 20, 220));
    const QRectF ab = all.boundingRect();
    p.fillPath(halo, vgrad(ab.top(), ab.bottom(), QColor(60, 30, 150), QColor(24, 8, 70)));
    p.strokePath(all, QPen(Qt::white, px * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(
        pa, vgrad3(ab.top(), ab.bottom(), QColor(255, 246, 170), QColor(255, 190, 50), QColor(240, 110, 0)));
    p.fillPath(
        pb, vgrad3(ab.top(), ab.bottom(), QColor(200, 245, 255), QColor(80, 180, 255), QColor(20, 90, 220)));
    p.save();
    p.setClipPath(all);
    p.fillRect(QRectF(ab.left(), ab.top(), ab.width(), ab.height() * 0.45),
               vgrad(ab.top(), ab.top() + ab.height() * 0.45, QColor(255, 255, 255, 160),
                     QColor(255, 255, 255, 20)));
    p.restore();
    sparkle(p, QPointF(ab.right() - px * 0.05, ab.top() + px * 0.02), px * 0.22, QColor(255, 255, 230, 240));
    sparkle(p, QPointF(ab.left() + px * 0.1, ab.bottom() - px * 0.02), px * 0.14, QColor(255, 255, 230, 200));
}

void drawMiniBoard(QPainter& p, QPointF apex, qreal cw, const char* pattern) {
    const qreal ch = cw * 70 / 64, step = ch * 55 / 70;
    const qreal bottom = apex.y() + 6 * step + ch;
    QPolygonF hull({QPointF(apex.x() - cw / 2, apex.y()), QPointF(apex.x() + cw / 2, apex.y()),
                    QPointF(apex.x() + 3.5 * cw, bottom - ch * 0.8), QPointF(apex.x() + 3.5 * cw, bottom),
                    QPointF(apex.x() - 3.5 * cw, bottom), QPointF(apex.x() - 3.5 * cw, bottom - ch * 0.8)});
    const QPainterPath plate = roundedPolygon(insetPolygon(hull, -cw * 0.3), cw * 0.3);
    softShadow(p, plate, QPointF(0, 5), 8, QColor(0, 0, 10, 170));
    p.fillPath(plate, vgrad(apex.y(), bottom, QColor(60, 40, 150), QColor(22, 12, 70)));
    p.strokePath(plate, QPen(QColor(10, 4, 30), 4));
    p.strokePath(plate, QPen(vgrad(apex.y(), bottom, QColor(255, 230, 150), QColor(190, 120, 30)), 2.4));
    QPainterPath cells;
    int k = 0;
    for (int r = 0; r < 7; ++r)
        for (int i = 0; i <= r; ++i)
            cells.addPath(
                hexPath(QRectF(apex.x() - cw * (r + 1) / 2 + i * cw, apex.y() + r * step, cw, ch), -2, 3));
    glow(p, cells.simplified(), cw * 0.15, QColor(90, 200, 255, 200));
    p.fillPath(cells, QColor(10, 6, 34));
    for (int r = 0; r < 7; ++r)
        for (int i = 0; i <= r; ++i) {
            const char c = pattern[k++];
            const Piece kind = c == '1'   ? Piece::P1
                               : c == '2' ? Piece::P2
                               : c == 'h' ? Piece::Hover
                               : c == 'a' ? Piece::Active
                                          : Piece::Free;
            drawHexPiece(p, QRectF(apex.x() - cw * (r + 1) / 2 + i * cw, apex.y() + r * step, cw, ch), kind);
        }
}

QImage gameBackground() {
    QImage img = studioImage(800, 600, true);
    QPainter p(&img);
    prepare(p);
    drawFloor(p, 800, 600, 420);
    drawLogo(p, QPointF(400, 44), 34);
    // The name bar joins both podiums, its ends under the frames. It is framed like the board (a dark
    // edge, a gold rim) and light inside for the dark green names, which reach from y 98 to about 121.
    const QRectF barRect(118, 95, 564, 29);
    QPainterPath bar;
    bar.addRoundedRect(barRect, 10, 10);
    softShadow(p, bar, QPointF(0, 3), 4, QColor(0, 0, 10, 190));
    p.fillPath(bar, QColor(10, 4, 30));
    QPainterPath rim;
    rim.addRoundedRect(barRect.adjusted(1.5, 1.5, -1.5, -1.5), 8.5, 8.5);
    p.fillPath(rim, vgrad(barRect.top(), barRect.bottom(), QColor(255, 230, 150), QColor(190, 120, 30)));
    QPainterPath face;
    face.addRoundedRect(barRect.adjusted(3.5, 3, -3.5, -3), 7, 7);
    p.fillPath(face, vgrad3(98, 121, QColor(255, 253, 240), QColor(252, 244, 214), QColor(238, 222, 176)));
    // A soft gloss on the upper half, and a small gem between the two names.
    p.save();
    p.setClipPath(face);
    p.fillRect(QRectF(barRect.left(), 98, barRect.width(), 8), vgrad(98, 106, QColor(255, 255, 255, 170),
                                                                     QColor(255, 255, 255, 0)));
    p.restore();
    QPainterPath gem;
    gem.moveTo(400, 104);
    gem.lineTo(404, 109.5);
    gem.lineTo(400, 115);
    gem.lineTo(396, 109.5);
    gem.closeSubpath();
    p.fillPath(gem, vgrad(104, 115, QColor(255, 214, 110), QColor(200, 120, 20)));
    p.strokePath(gem, QPen(QColor(120, 70, 10, 200), 0.8));
    // Player 2 (the owl, blue) sits on the left, player 1 (the fox, orange) on the right.
    podium(p, QRectF(6, 40, 147, 139), 2);
    podium(p, QRectF(648, 40, 147, 139), 1);
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage boardPlate() {
    QImage img = canvas(542, 496);
    QPainter p(&img);
    prepare(p);
    p.translate(-129, -77);
    const QPainterPath plate = plateShape();
    softShadow(p, plate, QPointF(0, 5), 7, QColor(0, 0, 10, 190));
    QLinearGradient g(0, 83, 0, 573);
    g.setColorAt(0, QColor(70, 46, 170));
    g.setColorAt(0.5, QColor(40, 24, 112));
    g.setColorAt(1, QColor(22, 12, 70));
    p.fillPath(plate, g);
    p.save();
    p.setClipPath(plate);
    QRadialGradient lg(QPointF(400, 260), 300);
    lg.setColorAt(0, QColor(150, 120, 255, 80));
    lg.setColorAt(1, QColor(150, 120, 255, 0));
    p.fillRect(QRectF(129, 77, 542, 496), lg);
    p.translate(129, 77);
    hexGrid(p, 542, 496, 32, QColor(190, 180, 255, 26));
    p.translate(-129, -77);
    // The name bar casts a shadow onto the plate.
    p.fillRect(QRectF(129, 118, 542, 10), vgrad(118, 128, QColor(0, 0, 10, 130), QColor(0, 0, 10, 0)));
    p.restore();
    p.strokePath(plate, QPen(QColor(10, 4, 30), 5));
    p.strokePath(plate, QPen(vgrad(83, 573, QColor(255, 236, 160), QColor(196, 124, 30)), 3));
    const QPainterPath track = roundedPolygon(insetPolygon(boardHull(), -6.5), 12);
    p.strokePath(track, QPen(QColor(255, 255, 255, 30), 1));
    // Marquee bulbs around the stage.
    const qreal len = track.length();
    const int n = int(len / 21);
    for (int i = 0; i < n; ++i) {
        const QPointF b = track.pointAtPercent(track.percentAtLength(len * i / n));
        if (b.y() < 124) continue;
        const bool warm = i % 2 == 0;
        QRadialGradient bg(b, 6);
        bg.setColorAt(0, warm ? QColor(255, 230, 150, 200) : QColor(200, 230, 255, 160));
        bg.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        p.drawEllipse(b, 6, 6);
        p.setBrush(warm ? QColor(255, 250, 220) : QColor(220, 240, 255));
        p.drawEllipse(b, 1.9, 1.9);
    }
    QPainterPath cells, sockets;
    for (int r = 0; r < 7; ++r)
        for (int i = 0; i <= r; ++i) {
            cells.addPath(hexPath(boardCell(r, i), -4, 5));
            sockets.addPath(hexPath(boardCell(r, i), -0.5, 3));
        }
    cells = cells.simplified();
    glow(p, cells, 10, QColor(90, 200, 255, 220), 1);
    p.fillPath(sockets.simplified(), QColor(10, 6, 34));
    // Keep the name strip and the podium edges see-through.
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRect(21, 19, 500, 29), Qt::transparent); // the name strip, y 96 to 124 on the window
    p.fillRect(QRect(0, 0, 25, 103), Qt::transparent);
    p.fillRect(QRect(518, 0, 24, 103), Qt::transparent);
    return img;
}

// A pad framed like the board (dark edge, gold rim) on which menu buttons sit; it shows the whole area
// that answers the pointer for them.
void menuPad(QPainter& p, const QRectF& r, qreal radius) {
    QPainterPath outer;
    outer.addRoundedRect(r, radius, radius);
    softShadow(p, outer, QPointF(0, 5), 7, QColor(0, 0, 10, 200));
    p.fillPath(outer, QColor(10, 4, 30));
    QPainterPath rim;
    rim.addRoundedRect(r.adjusted(2, 2, -2, -2), radius - 2, radius - 2);
    p.fillPath(rim, vgrad(r.top(), r.bottom(), QColor(255, 230, 150), QColor(190, 120, 30)));
    QPainterPath face;
    face.addRoundedRect(r.adjusted(4.5, 4.5, -4.5, -4.5), radius - 4, radius - 4);
    p.fillPath(face, vgrad3(r.top(), r.bottom(), QColor(64, 42, 160), QColor(40, 24, 112), QColor(24, 12, 72)));
    p.save();
    p.setClipPath(face);
    QRadialGradient shine(QPointF(r.center().x(), r.top()), r.width() * 0.6);
    shine.setColorAt(0, QColor(255, 255, 255, 46));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, shine);
    p.restore();
}

QImage menuSheet() {
    QImage base = studioImage(800, 600, false);
    {
        QPainter p(&base);
        prepare(p);
        drawFloor(p, 800, 600, 380);
        drawLogo(p, QPointF(400, 60), 60);
        // The items answer the pointer over x 25-775, y 360-560 (a third each) and, for the language,
        // over x 510-730, y 100-240: the pads show exactly that.
        drawOwl(p, QRectF(85, 228, 160, 146));
        drawFox(p, QRectF(556, 244, 164, 150));
        menuPad(p, QRectF(25, 360, 750, 200), 22);
        for (qreal x : {275.0, 525.0}) {
            p.fillRect(QRectF(x - 1.5, 366, 3, 188), QColor(10, 4, 30));
            p.fillRect(QRectF(x - 0.5, 368, 1, 184), vgrad(368, 552, QColor(255, 230, 150), QColor(190, 120, 30)));
        }
        menuPad(p, QRectF(510, 100, 220, 140), 18);
        const QPainterPath langCaption =
            textPath(QString::fromUtf8("Jazyk · Language"), uiFont(15, true), QPointF(620, 214));
        fancyText(p, langCaption, QColor(230, 220, 255), QColor(20, 8, 70), 2.5, QColor(0, 0, 0, 0), 0, false);
        drawMiniBoard(p, QPointF(400, 118), 34,
                      "1"
                      "2."
                      ".12"
                      "2.1."
                      "1..2."
                      "..21.."
                      "2.1..12");
        const QPainterPath tag = textPath(QString::fromUtf8("Kvíz pro dva  \u2605  A quiz for two"),
                                          uiFont(15, true), QPointF(400, 581));
        fancyText(p, tag, QColor(230, 220, 255), QColor(20, 8, 70), 3, QColor(0, 0, 0, 150), 2, false);
    }
    QImage sheet = canvas(800, 900, QColor(20, 10, 60));
    QPainter p(&sheet);
    prepare(p);
    p.drawImage(0, 0, base);
    const Item items[] = {Item::Settings, Item::NewGame, Item::Help, Item::Language};
    for (int i = 0; i < 4; ++i) {
        const QRect d = kMenuSlots[i].dest;
        drawMenuButton(p, QRectF(d), items[i], false, false);
        // Bands: the same background under each item, then the item in its other look.
        const struct {
            int y;
            bool czech, hi;
        } bands[] = {{601, false, true}, {701, true, false}, {801, true, true}};
        for (const auto& b : bands) {
            const QRect cell(kMenuSlots[i].bandX, b.y, d.width(), d.height());
            p.save();
            p.setClipRect(cell);
            p.drawImage(QPointF(cell.topLeft()), base, pixels(base, QRectF(d)));
            p.translate(cell.topLeft() - d.topLeft());
            drawMenuButton(p, QRectF(d), items[i], b.czech, b.hi);
            p.restore();
        }
    }
    return sheet.convertToFormat(QImage::Format_RGB32);
}

QImage helpBackground() {
    QImage img = helpBase();
    QPainter p(&img);
    prepare(p);
    drawBackButton(p, false);
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage backHighlight() {
    const QImage base = helpBase();
    QImage img = base.copy(pixels(base, QRectF(0, 0, 90, 90)).toRect());
    img.setDevicePixelRatio(base.devicePixelRatio());
    QPainter p(&img);
    prepare(p);
    drawBackButton(p, true);
    return img;
}

QImage splash() {
    QImage img = studioImage(800, 600, false);
    QPainter p(&img);
    prepare(p);
    drawFloor(p, 800, 600, 400);
    drawMiniBoard(p, QPointF(400, 200), 44,
                  "a"
                  "12"
                  "2.1"
                  ".21."
                  "1.2.1"
                  "2..1.2"
                  "1.2h.21");
    drawOwl(p, QRectF(44, 304, 206, 188));
    drawFox(p, QRectF(548, 300, 210, 191));
    drawLogo(p, QPointF(400, 110), 82);
    const QPainterPath t = textPath(QString::fromUtf8("Na\u010d\u00edt\u00e1m\u2026  \u00b7  Loading\u2026"),
                                    uiFont(22, true), QPointF(400, 548));
    fancyText(p, t, QColor(255, 255, 255), QColor(20, 8, 70), 3, QColor(0, 0, 0, 160), 2, false);
    for (int i = 0; i < 7; ++i) {
        const QRectF r(400 - 3.5 * 22 + i * 22, 566, 18, 20);
        p.fillPath(hexPath(r, 1, 2), i < 3 ? QColor(255, 200, 60) : QColor(255, 255, 255, 60));
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage congratsCaption() {
    QImage img = canvas(237, 142);
    QPainter p(&img);
    prepare(p);
    const QString texts[] = {QStringLiteral("Congratulations!"), QString::fromUtf8("Gratulujeme!")};
    for (int i = 0; i < 2; ++i) {
        int px = 40;
        QPainterPath t;
        do {
            t = textPath(texts[i], uiFont(px, true, 90), QPointF(118.5, 35.5 + 71 * i));
            --px;
        } while (t.boundingRect().width() > 218 || t.boundingRect().height() > 46);
        const QRectF b = t.boundingRect();
        fancyText(
            p, t,
            vgrad3(b.top(), b.bottom(), QColor(255, 255, 200), QColor(255, 210, 50), QColor(240, 130, 0)),
            QColor(70, 20, 0), 5, QColor(0, 0, 0, 170), 3, true);
        sparkle(p, QPointF(b.left() + 2, b.top() + 1), 8, QColor(255, 255, 230, 240));
        sparkle(p, QPointF(b.right() - 2, b.bottom() - 3), 7, QColor(255, 255, 230, 220));
    }
    return img;
}

QImage winnerCard(int id) {
    QImage img = canvas(265, 206);
    QPainter p(&img);
    prepare(p);
    drawWinnerCardBase(p, id);
    return img;
}

namespace {
// A circular arrow: the next round.
void drawReplayArrow(QPainter& p, QPointF c, qreal r, QColor color) {
    const QRectF ring(c.x() - r * 0.62, c.y() - r * 0.62, r * 1.24, r * 1.24);
    QPainterPath arc;
    arc.arcMoveTo(ring, 120);
    arc.arcTo(ring, 120, 270);
    const QPointF end = arc.currentPosition();
    // The head points on along the arc, which runs anticlockwise on the screen.
    const qreal a = (120 + 270) * M_PI / 180;
    const QPointF along(-std::sin(a), -std::cos(a)), out(std::cos(a), -std::sin(a));
    QPolygonF head({end + along * (r * 0.5), end + out * (r * 0.42) - along * (r * 0.12),
                    end - out * (r * 0.42) - along * (r * 0.12)});
    QPainterPathStroker st;
    st.setWidth(r * 0.3);
    st.setCapStyle(Qt::FlatCap);
    QPainterPath shape = st.createStroke(arc);
    QPainterPath tip;
    tip.addPolygon(head);
    tip.closeSubpath();
    shape = (shape + tip).simplified();
    p.fillPath(shape.translated(0, r * 0.1), QColor(0, 0, 30, 110));
    p.strokePath(shape,
                 QPen(color.darker(300), std::max(1.0, r * 0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(shape, vgrad(c.y() - r, c.y() + r, Qt::white, color));
}

void drawPlayAgainButton(QPainter& p, bool czech, bool hi) {
    const QRectF body(6, 5, 188, 36);
    QPainterPath path;
    path.addRoundedRect(body, 18, 18);
    if (hi) glow(p, path, 5, QColor(255, 220, 80, 255), 2);
    softShadow(p, path, QPointF(0, 3), 3, QColor(0, 0, 20, 190));
    if (hi)
        p.fillPath(path, vgrad3(body.top(), body.bottom(), QColor(186, 166, 255), QColor(122, 92, 255),
                                QColor(70, 40, 200)));
    else
        p.fillPath(path, vgrad3(body.top(), body.bottom(), QColor(126, 98, 255), QColor(76, 48, 214),
                                QColor(40, 20, 140)));
    p.save();
    p.setClipPath(path);
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(body.left() + 8, body.top() + 2, body.width() - 16, body.height() * 0.44), 10,
                         10);
    p.fillPath(gloss, vgrad(body.top(), body.top() + body.height() * 0.46,
                            QColor(255, 255, 255, hi ? 150 : 110), QColor(255, 255, 255, 12)));
    p.restore();
    p.strokePath(path, QPen(QColor(14, 6, 50), 3.5));
    p.strokePath(path,
                 QPen(vgrad(body.top(), body.bottom(), hi ? QColor(255, 255, 230) : QColor(255, 232, 150),
                            hi ? QColor(255, 200, 40) : QColor(196, 124, 30)),
                      2));
    const QPointF ic(body.left() + 20, body.center().y());
    const qreal ir = 13;
    p.setPen(QPen(QColor(20, 10, 70), 1.2));
    p.setBrush(vgrad(ic.y() - ir, ic.y() + ir, QColor(255, 255, 255),
                     hi ? QColor(255, 240, 170) : QColor(200, 206, 255)));
    p.drawEllipse(ic, ir, ir);
    drawReplayArrow(p, ic, ir * 0.95, QColor(40, 160, 70));
    if (hi) sparkle(p, body.topRight() + QPointF(-14, 4), 7, QColor(255, 255, 230, 240));
    const QString label = czech ? QString::fromUtf8("Hr\u00e1t znovu") : QStringLiteral("Play again");
    const QPointF tc((ic.x() + ir + body.right() - 4) / 2, body.center().y());
    const QPainterPath t = textPath(label, uiFont(17, true), tc);
    fancyText(p, t, hi ? QColor(255, 250, 190) : QColor(255, 255, 255), QColor(20, 8, 70), 3,
              QColor(0, 0, 20, 170), 2, false);
}
} // namespace

QImage playAgainSheet() {
    QImage img = canvas(200, 184);
    QPainter p(&img);
    prepare(p);
    for (int look = 0; look < 4; ++look) {
        p.save();
        // Each look keeps to its own band: the glow of one must not reach into the next.
        p.setClipRect(QRectF(0, 46 * look, 200, 46));
        p.translate(0, 46 * look);
        drawPlayAgainButton(p, look >= 2, look % 2 == 1);
        p.restore();
    }
    return img;
}

void paintAppIcon(QPainter& p, int size) {
    prepare(p);
    QPainterPath bg;
    const qreal rad = size * 0.18;
    bg.addRoundedRect(QRectF(0, 0, size, size), rad, rad);
    p.fillPath(bg, vgrad(0, size, QColor(84, 56, 200), QColor(26, 12, 80)));
    // The small sizes have their own hand-picked grids so edges land on whole pixels; larger ones
    // scale the 48 px grid.
    const int rows = size < 24 ? 2 : 3;
    const qreal scale = size > 48 ? size / 48.0 : 1.0;
    const qreal cw = size == 16 ? 7 : size == 32 ? 10 : 14 * scale;
    const qreal ch = size == 16 ? 8 : size == 32 ? 11 : 15 * scale;
    const qreal step = size == 16 ? 6 : size == 32 ? 8.5 : 11.5 * scale;
    const qreal top = std::round((size - ((rows - 1) * step + ch)) / 2);
    const char* pattern = rows == 2 ? "121"
                                    : "1212"
                                      "12";
    const qreal cx = size / 2.0;
    int k = 0;
    for (int r = 0; r < rows; ++r)
        for (int i = 0; i <= r; ++i) {
            const QRectF rc(cx - cw * (r + 1) / 2 + i * cw, top + r * step, cw, ch);
            const int who = pattern[k++] - '0';
            if (size >= 48) {
                drawHexPiece(p, rc, who == 1 ? Piece::P1 : Piece::P2);
                continue;
            }
            const PlayerStyle s = player(who);
            const QPainterPath h = hexPath(rc, 0.5, 0.8);
            p.fillPath(h, vgrad(rc.top(), rc.bottom(), s.light, who == 1 ? s.base : s.dark));
            p.strokePath(h, QPen(QColor(10, 4, 30), 1));
        }
}

QImage appIcon(int size) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    paintAppIcon(p, size);
    return img;
}

QImage preloadImage() {
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.fillRect(img.rect(), vgrad(0, 16, QColor(46, 22, 120), QColor(16, 8, 56)));
    return img;
}

} // namespace art
