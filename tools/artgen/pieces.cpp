#include "pieces.h"

#include "panelshape.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

struct HexLook {
    QColor rimTop, rimBottom, outline, faceHi, faceMid, faceLo;
};

HexLook hexLook(Piece kind)
{
    switch (kind) {
    case Piece::Free:
        return {QColor(255, 255, 255), QColor(120, 136, 178), QColor(40, 40, 90), QColor(255, 255, 255),
                QColor(222, 232, 250), QColor(170, 186, 222)};
    case Piece::Hover:
        return {QColor(255, 255, 230), QColor(230, 150, 0), QColor(120, 70, 0), QColor(255, 255, 235),
                QColor(255, 242, 90), QColor(255, 196, 0)};
    case Piece::Active:
        return {QColor(255, 246, 190), QColor(160, 100, 0), QColor(90, 50, 0), QColor(255, 240, 160),
                QColor(255, 200, 40), QColor(214, 130, 0)};
    case Piece::P1: {
        const PlayerStyle s = player(1);
        return {s.light, s.dark, s.deep, QColor(255, 200, 110), s.base, QColor(222, 100, 0)};
    }
    case Piece::P2: {
        const PlayerStyle s = player(2);
        return {s.light, s.deep, QColor(4, 18, 56), QColor(96, 164, 255), s.base, QColor(16, 72, 170)};
    }
    }
    return {};
}

}  // namespace

void drawHexPiece(QPainter& p, const QRectF& r, Piece kind)
{
    const HexLook L = hexLook(kind);
    const qreal w = r.width(), h = r.height(), s = w / 64.0;
    const qreal inset = std::max(0.7, 1.5 * s);
    const QPainterPath outer = hexPath(r, inset, 3.5 * s);
    const QPainterPath inner = hexPath(r, inset + std::max(1.6, 3.4 * s), 3.0 * s);
    p.save();
    p.setPen(Qt::NoPen);
    // Raised rim: lit from above.
    p.fillPath(outer, vgrad(r.top(), r.bottom(), L.rimTop, L.rimBottom));
    p.strokePath(outer, QPen(L.outline, std::max(0.6, 0.9 * s)));
    QRadialGradient face(r.center() + QPointF(-0.14 * w, -0.22 * h), 0.8 * w);
    face.setColorAt(0, L.faceHi);
    face.setColorAt(0.5, L.faceMid);
    face.setColorAt(1, L.faceLo);
    p.fillPath(inner, face);
    // Thin groove between rim and face.
    p.strokePath(inner, QPen(QColor(0, 0, 0, 60), std::max(0.5, 0.8 * s)));

    if (kind == Piece::Hover) {
        p.save();
        p.setClipPath(inner);
        for (int i = 3; i >= 1; --i)
            p.strokePath(inner, QPen(QColor(255, 255, 255, 70), 3.0 * i * s));
        p.restore();
    }
    // Gloss on the upper half.
    QPainterPath ell;
    ell.addEllipse(QRectF(r.left() + 0.1 * w, r.top() - 0.3 * h, 0.8 * w, 0.7 * h));
    p.fillPath(inner.intersected(ell), vgrad(r.top(), r.top() + 0.42 * h, QColor(255, 255, 255, 150),
                                              QColor(255, 255, 255, 10)));

    const QPointF c = r.center() + QPointF(0, 0.02 * h);
    if (kind == Piece::P1) {
        const QPainterPath star = roundedPolygon(starPath(c, 0.3 * w, 0.135 * w).toFillPolygon(), 1.5 * s);
        p.fillPath(star.translated(0, 1.4 * s), QColor(90, 30, 0, 120));
        p.strokePath(star, QPen(player(1).deep, std::max(0.8, 1.3 * s), Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
        p.fillPath(star, vgrad(c.y() - 0.3 * w, c.y() + 0.3 * w, QColor(255, 255, 245), QColor(255, 226, 170)));
    } else if (kind == Piece::P2) {
        QPolygonF d({c + QPointF(0, -0.3 * w), c + QPointF(0.21 * w, 0), c + QPointF(0, 0.3 * w),
                     c + QPointF(-0.21 * w, 0)});
        const QPainterPath dia = roundedPolygon(d, 2.0 * s);
        p.fillPath(dia.translated(0, 1.4 * s), QColor(0, 10, 40, 130));
        p.strokePath(dia, QPen(player(2).deep, std::max(0.8, 1.3 * s), Qt::SolidLine, Qt::RoundCap,
                               Qt::RoundJoin));
        p.fillPath(dia, vgrad(c.y() - 0.3 * w, c.y() + 0.3 * w, QColor(245, 252, 255), QColor(170, 210, 255)));
        p.setBrush(player(2).base);
        p.drawEllipse(c, 0.065 * w, 0.065 * w);
    } else if (kind == Piece::Active) {
        const QPainterPath q = textPath(QStringLiteral("?"), uiFont(int(std::lround(0.5 * h)), true),
                                        c + QPointF(0, 0.01 * h));
        fancyText(p, q, QColor(40, 20, 110), QColor(255, 255, 255), 4.0 * s, QColor(90, 40, 0, 150), 2.0 * s,
                  false);
        sparkle(p, r.topLeft() + QPointF(0.28 * w, 0.3 * h), 0.09 * w, QColor(255, 255, 255, 230));
        sparkle(p, r.topLeft() + QPointF(0.76 * w, 0.7 * h), 0.06 * w, QColor(255, 255, 255, 200));
    }
    p.restore();
}

QImage hexPiece(Piece kind, int w, int h)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    drawHexPiece(p, QRectF(0, 0, w, h), kind);
    return img;
}

void drawCharacter(QPainter& p, int id, const QRectF& target)
{
    if (id == 1)
        drawFox(p, target);
    else
        drawOwl(p, target);
}

QImage character(int id)
{
    QImage img = canvas(116, 106);
    QPainter p(&img);
    prepare(p);
    drawCharacter(p, id, QRectF(0, 0, 116, 106));
    return img;
}

QImage clockHand()
{
    QImage img = canvas(13, 66);
    QPainter p(&img);
    prepare(p);
    QPainterPath needle;
    needle.moveTo(6.5, 1.8);
    needle.lineTo(9.8, 58);
    needle.lineTo(3.2, 58);
    needle.closeSubpath();
    const QPen light(QColor(255, 248, 225), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(needle, light);
    QLinearGradient g(4, 0, 9, 0);
    g.setColorAt(0, QColor(200, 20, 20));
    g.setColorAt(0.5, QColor(120, 0, 0));
    g.setColorAt(1, QColor(50, 0, 0));
    p.fillPath(needle, g);
    // Hub sits almost on the pivot (6, 64) so it barely wobbles while turning.
    const QPointF hub(6.5, 61.6);
    p.setPen(light);
    p.setBrush(QColor(40, 0, 0));
    p.drawEllipse(hub, 3.7, 3.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 60));
    p.drawEllipse(hub, 1.5, 1.5);
    return img;
}

QImage onTurnFrame()
{
    QImage img = canvas(147, 139);
    QPainter p(&img);
    prepare(p);
    QPainterPath ring;
    ring.addRoundedRect(QRectF(4, 4, 139, 131), 22, 22);
    QPainterPathStroker st;
    st.setWidth(7);
    const QPainterPath band = st.createStroke(ring);
    glow(p, band, 6, QColor(255, 230, 90, 255), 2);
    QLinearGradient g(0, 0, 0, 139);
    g.setColorAt(0, QColor(255, 255, 220));
    g.setColorAt(0.5, QColor(255, 214, 60));
    g.setColorAt(1, QColor(255, 170, 20));
    p.strokePath(ring, QPen(QBrush(g), 5));
    p.strokePath(ring, QPen(QColor(255, 255, 255, 220), 1.4));
    // Soft fade to fully transparent towards the portrait.
    QImage mask = canvas(147, 139);
    {
        QPainter m(&mask);
        prepare(m);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::black);
        m.drawRoundedRect(QRectF(15, 15, 117, 109), 14, 14);
    }
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.drawImage(0, 0, blur(mask, 4));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QPointF corners[] = {{10, 10}, {137, 10}, {10, 129}, {137, 129}};
    for (const QPointF& c : corners)
        sparkle(p, c, 8, QColor(255, 255, 240, 240));
    return img;
}

QPainterPath questionPanelShape()
{
    QPolygonF body;
    for (const panelshape::Point& corner : panelshape::kBody)
        body << QPointF(corner.x, corner.y);
    QPainterPath path = roundedPolygon(body, panelshape::kCornerRadius);
    // Short tail pointing up to the player's portrait above the panel.
    QPainterPath tail;
    tail.moveTo(42, 22);
    tail.quadTo(42, 10, 30, 1.5);
    tail.quadTo(62, 6, 96, 22);
    tail.closeSubpath();
    return path.united(tail).simplified();
}

QImage questionPanel(int id, bool complete)
{
    const PlayerStyle s = player(id);
    QImage img = canvas(int(panelshape::kWidth), int(panelshape::kHeight));
    QPainter p(&img);
    prepare(p);
    QPainterPath shape = questionPanelShape();
    if (id == 2)
        shape = mirrored(shape, panelshape::kWidth / 2);
    p.fillPath(shape, vgrad3(0, 190, QColor(255, 255, 255), complete ? QColor(246, 246, 255) : QColor(240, 240, 248),
                             complete ? QColor(226, 230, 252) : QColor(222, 224, 240)));
    p.save();
    p.setClipPath(shape);
    // Player-coloured rim drawn inside the outline so nothing spills outside: half of each pen's width
    // lies inside, and the game keeps its text off the widest.
    const qreal rim = 2 * panelshape::kRimWidth;
    p.strokePath(shape, QPen(s.dark, rim));
    p.strokePath(shape, QPen(QColor(255, 255, 255), rim - 3));
    p.strokePath(shape, QPen(vgrad(0, 200, s.light, s.base), rim - 5));
    // Soft inner shade under the top rim gives the card some depth.
    p.fillRect(QRectF(0, 14, 313, 16), vgrad(18, 30, QColor(s.deep.red(), s.deep.green(), s.deep.blue(), 40),
                                             QColor(s.deep.red(), s.deep.green(), s.deep.blue(), 0)));
    if (complete) {
        QPainterPath gloss;
        gloss.addRoundedRect(QRectF(10, 8, 293, 40), 14, 14);
        p.fillPath(gloss, vgrad(8, 48, QColor(255, 255, 255, 120), QColor(255, 255, 255, 0)));
    }
    p.restore();
    p.strokePath(shape, QPen(s.deep, 1.6));
    // Little badge in the free top corner shows whose question it is.
    const QPointF bc(id == 1 ? panelshape::kBadgeCentre.x : panelshape::kWidth - panelshape::kBadgeCentre.x,
                     panelshape::kBadgeCentre.y);
    const QRectF br(bc.x() - panelshape::kBadgeWidth / 2, bc.y() - panelshape::kBadgeHeight / 2,
                    panelshape::kBadgeWidth, panelshape::kBadgeHeight);
    drawHexPiece(p, br, id == 1 ? Piece::P1 : Piece::P2);
    if (!complete)
        p.fillPath(hexPath(br, 1), QColor(255, 255, 255, 70));
    return img;
}

QImage answerOption(Option kind)
{
    QImage img = canvas(200, 47);
    QPainter p(&img);
    prepare(p);
    const QRectF box(2.5, 2.5, 195, 42);
    QPainterPath body;
    body.addRoundedRect(box, 14, 14);
    QColor top, bottom, rim, rimLo;
    switch (kind) {
    case Option::Normal:
        top = QColor(40, 58, 150), bottom = QColor(10, 16, 62), rim = QColor(150, 180, 255),
        rimLo = QColor(60, 70, 160);
        break;
    case Option::Hover:
        top = QColor(110, 90, 255), bottom = QColor(44, 30, 170), rim = QColor(255, 255, 200),
        rimLo = QColor(255, 210, 80);
        break;
    case Option::Wrong:
        top = QColor(110, 14, 30), bottom = QColor(50, 4, 14), rim = QColor(210, 80, 100),
        rimLo = QColor(100, 20, 40);
        break;
    case Option::Right:
        top = QColor(30, 150, 60), bottom = QColor(6, 70, 24), rim = QColor(200, 255, 150),
        rimLo = QColor(60, 200, 80);
        break;
    }
    if (kind == Option::Hover) {
        QPainterPath halo;
        halo.addRoundedRect(QRectF(0.5, 0.5, 199, 46), 16, 16);
        p.fillPath(halo, QColor(255, 230, 120, 110));
    }
    p.fillPath(body, vgrad(box.top(), box.bottom(), top, bottom));
    p.save();
    p.setClipPath(body);
    if (kind == Option::Wrong) {
        // Diagonal hatch: "wrong" differs from "right" even without colour.
        p.setPen(QPen(QColor(0, 0, 0, 60), 3));
        for (int x = -60; x < 220; x += 9)
            p.drawLine(QPointF(x, 50), QPointF(x + 50, 0));
    }
    if (kind == Option::Hover || kind == Option::Right) {
        QRadialGradient g(QPointF(100, 40), 110);
        g.setColorAt(0, QColor(255, 255, 255, 70));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(box, g);
    }
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(6, 4, 188, 18), 9, 9);
    p.fillPath(gloss, vgrad(4, 22, QColor(255, 255, 255, kind == Option::Wrong ? 50 : 90), QColor(255, 255, 255, 8)));
    p.restore();
    p.strokePath(body, QPen(QColor(0, 0, 20, 200), 3.2));
    p.strokePath(body, QPen(vgrad(box.top(), box.bottom(), rim, rimLo), 1.8));

    if (kind == Option::Wrong || kind == Option::Right) {
        const QPointF c(187.5, 23.5);
        p.setPen(QPen(QColor(0, 0, 0, 160), 1.2));
        p.setBrush(kind == Option::Wrong ? QColor(230, 40, 60) : QColor(60, 210, 70));
        p.drawEllipse(c, 8, 8);
        QPainterPath mark;
        if (kind == Option::Wrong) {
            mark.moveTo(c + QPointF(-3.6, -3.6));
            mark.lineTo(c + QPointF(3.6, 3.6));
            mark.moveTo(c + QPointF(3.6, -3.6));
            mark.lineTo(c + QPointF(-3.6, 3.6));
        } else {
            mark.moveTo(c + QPointF(-4.2, 0.2));
            mark.lineTo(c + QPointF(-1.2, 3.4));
            mark.lineTo(c + QPointF(4.4, -3.6));
        }
        p.setBrush(Qt::NoBrush);
        p.strokePath(mark, QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    return img;
}

QImage winnerMark()
{
    QImage img = canvas(96, 102);
    QPainter p(&img);
    prepare(p);
    const QPolygonF cell = hexPolygon(QRectF(16, 16, 64, 70));
    const QPainterPath inner = roundedPolygon(insetPolygon(cell, 2.5), 3);
    const QPainterPath outer = roundedPolygon(insetPolygon(cell, -7), 6);
    const QPainterPath ring = outer.subtracted(inner);
    glow(p, roundedPolygon(insetPolygon(cell, -9), 8).subtracted(inner), 5, QColor(255, 220, 60, 230));
    p.fillPath(ring, vgrad3(8, 94, QColor(255, 250, 190), QColor(255, 200, 40), QColor(190, 110, 0)));
    p.strokePath(outer, QPen(QColor(120, 60, 0), 1.4));
    p.strokePath(inner, QPen(QColor(120, 60, 0), 1.4));
    p.strokePath(roundedPolygon(insetPolygon(cell, -3), 5), QPen(QColor(255, 255, 230, 170), 1.2));
    // A star on every corner of the ring.
    const QPolygonF corners = insetPolygon(cell, -3);
    for (const QPointF& c : corners) {
        const QPainterPath st = starPath(c, 8, 3.6);
        p.strokePath(st, QPen(QColor(120, 60, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(st, vgrad(c.y() - 8, c.y() + 8, QColor(255, 255, 220), QColor(255, 190, 20)));
    }
    sparkle(p, QPointF(86, 16), 7, QColor(255, 255, 230, 240));
    sparkle(p, QPointF(9, 88), 6, QColor(255, 255, 230, 220));
    // Keep the cell itself untouched.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(roundedPolygon(insetPolygon(cell, 4.5), 2), Qt::transparent);
    return img;
}

QImage exitButton()
{
    QImage img = canvas(30, 30);
    QPainter p(&img);
    prepare(p);
    const QPointF c(15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(0, 0.8), 14.2, 14.2);
    QRadialGradient g(c + QPointF(-3, -4), 16);
    g.setColorAt(0, QColor(255, 120, 100));
    g.setColorAt(0.6, QColor(215, 25, 25));
    g.setColorAt(1, QColor(140, 0, 0));
    p.setBrush(g);
    p.setPen(QPen(QColor(255, 230, 230), 1.6));
    p.drawEllipse(c, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(2, 14, QColor(255, 255, 255, 150), QColor(255, 255, 255, 0)));
    p.drawEllipse(QRectF(6, 3.5, 18, 10));
    QPainterPath x;
    x.moveTo(10, 10);
    x.lineTo(20, 20);
    x.moveTo(20, 10);
    x.lineTo(10, 20);
    p.setBrush(Qt::NoBrush);
    p.strokePath(x.translated(0, 0.8), QPen(QColor(90, 0, 0, 160), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(x, QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    return img;
}

void drawGear(QPainter& p, QPointF c, qreal r, QColor color)
{
    QPolygonF poly;
    const int teeth = 8;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * 360.0 / teeth;
        const qreal offs[] = {-15, -8, 8, 15};
        const qreal rad[] = {0.74, 1.0, 1.0, 0.74};
        for (int k = 0; k < 4; ++k) {
            const qreal t = (a + offs[k]) * M_PI / 180;
            poly << c + QPointF(std::cos(t), std::sin(t)) * r * rad[k];
        }
    }
    QPainterPath gear = roundedPolygon(poly, r * 0.08);
    QPainterPath hole;
    hole.addEllipse(c, r * 0.32, r * 0.32);
    gear = gear.subtracted(hole);
    p.fillPath(gear.translated(0, r * 0.08), QColor(0, 0, 0, 70));
    p.fillPath(gear, vgrad(c.y() - r, c.y() + r, color.lighter(140), color));
    p.strokePath(gear, QPen(color.darker(220), std::max(1.0, r * 0.07)));
}

void drawGlobe(QPainter& p, QPointF c, qreal r, QColor color)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(0, r * 0.08), r, r);
    p.setBrush(vgrad(c.y() - r, c.y() + r, color.lighter(150), color));
    p.drawEllipse(c, r, r);
    const QPen line(color.darker(220), std::max(1.0, r * 0.09));
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.42, r);
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    const qreal yy = r * 0.52, xx = std::sqrt(r * r - yy * yy);
    p.drawLine(c + QPointF(-xx, -yy), c + QPointF(xx, -yy));
    p.drawLine(c + QPointF(-xx, yy), c + QPointF(xx, yy));
    p.drawEllipse(c, r, r);
    p.restore();
}

void drawArrowLeft(QPainter& p, QPointF c, qreal r, QColor color)
{
    QPolygonF a({c + QPointF(-r, 0), c + QPointF(-0.05 * r, -0.85 * r), c + QPointF(-0.05 * r, -0.36 * r),
                 c + QPointF(0.9 * r, -0.36 * r), c + QPointF(0.9 * r, 0.36 * r), c + QPointF(-0.05 * r, 0.36 * r),
                 c + QPointF(-0.05 * r, 0.85 * r)});
    const QPainterPath path = roundedPolygon(a, r * 0.12);
    p.fillPath(path.translated(0, r * 0.1), QColor(0, 0, 30, 110));
    p.strokePath(path, QPen(color.darker(300), std::max(1.0, r * 0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, vgrad(c.y() - r, c.y() + r, Qt::white, color));
}

}  // namespace art
