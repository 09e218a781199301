// The two player characters, drawn in a 116x106 design space and scaled to any target.
#include "pieces.h"

namespace art {

namespace {

void beginDesign(QPainter& p, const QRectF& t)
{
    p.save();
    p.translate(t.topLeft());
    p.scale(t.width() / 116.0, t.height() / 106.0);
}

void eye(QPainter& p, QPointF c, qreal rx, qreal ry, QColor color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(rx * 0.35, -ry * 0.4), rx * 0.42, rx * 0.42);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c + QPointF(-rx * 0.35, ry * 0.45), rx * 0.2, rx * 0.2);
}

}  // namespace

void drawFox(QPainter& p, const QRectF& target)
{
    beginDesign(p, target);
    const QColor outline(100, 38, 0);
    const QPen pen(outline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QColor cream(255, 248, 236);
    auto orange = [](qreal y0, qreal y1) {
        return vgrad3(y0, y1, QColor(255, 190, 90), QColor(255, 140, 26), QColor(226, 96, 0));
    };

    QPainterPath tail;
    tail.moveTo(74, 102);
    tail.cubicTo(98, 108, 118, 92, 111, 64);
    tail.cubicTo(104, 78, 92, 84, 78, 86);
    tail.closeSubpath();
    p.fillPath(tail, orange(64, 106));
    QPainterPath tip;
    tip.addEllipse(QPointF(112, 66), 11, 13);
    p.fillPath(tail.intersected(tip), cream);
    p.strokePath(tail, pen);

    QPainterPath body;
    body.addEllipse(QPointF(58, 112), 33, 27);
    p.fillPath(body, orange(84, 130));
    QPainterPath chest;
    chest.addEllipse(QPointF(58, 108), 15, 19);
    p.fillPath(body.intersected(chest), cream);
    p.strokePath(body, pen);

    const QPainterPath earL = roundedPolygon(QPolygonF({QPointF(19, 48), QPointF(24, 3), QPointF(55, 27)}), 5);
    const QPainterPath innerL = roundedPolygon(QPolygonF({QPointF(27, 39), QPointF(28, 14), QPointF(45, 28)}), 3);
    for (const bool right : {false, true}) {
        const QPainterPath ear = right ? mirrored(earL, 58) : earL;
        const QPainterPath in = right ? mirrored(innerL, 58) : innerL;
        p.fillPath(ear, orange(3, 48));
        p.strokePath(ear, pen);
        p.fillPath(in, vgrad(10, 40, QColor(90, 34, 10), QColor(255, 210, 170)));
    }

    QPainterPath head;
    head.moveTo(58, 18);
    head.cubicTo(82, 18, 99, 32, 100, 50);
    head.lineTo(112, 63);
    head.lineTo(99, 67);
    head.cubicTo(93, 84, 76, 95, 58, 97);
    head.cubicTo(40, 95, 23, 84, 17, 67);
    head.lineTo(4, 63);
    head.lineTo(16, 50);
    head.cubicTo(17, 32, 34, 18, 58, 18);
    QRadialGradient hg(QPointF(48, 36), 70);
    hg.setColorAt(0, QColor(255, 196, 100));
    hg.setColorAt(0.55, QColor(255, 140, 26));
    hg.setColorAt(1, QColor(214, 86, 0));
    p.fillPath(head, hg);

    QPainterPath muzzle;
    muzzle.moveTo(4, 63);
    muzzle.cubicTo(20, 57, 38, 59, 48, 67);
    muzzle.cubicTo(53, 71, 63, 71, 68, 67);
    muzzle.cubicTo(78, 59, 96, 57, 112, 63);
    muzzle.lineTo(99, 67);
    muzzle.cubicTo(93, 84, 76, 95, 58, 97);
    muzzle.cubicTo(40, 95, 23, 84, 17, 67);
    muzzle.closeSubpath();
    p.fillPath(head.intersected(muzzle), vgrad(58, 97, cream, QColor(250, 228, 205)));
    p.strokePath(head, pen);

    // Friendly raised brows.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(33, 36, 18, 10), 30 * 16, 120 * 16);
    p.drawArc(QRectF(65, 36, 18, 10), 30 * 16, 120 * 16);
    eye(p, QPointF(42, 54), 6.5, 8.5, QColor(40, 16, 6));
    eye(p, QPointF(74, 54), 6.5, 8.5, QColor(40, 16, 6));

    p.setBrush(QColor(255, 110, 110, 110));
    p.drawEllipse(QPointF(28, 72), 7, 4.5);
    p.drawEllipse(QPointF(88, 72), 7, 4.5);

    QPainterPath mouth;
    mouth.moveTo(49, 81);
    mouth.cubicTo(51, 91, 65, 91, 67, 81);
    mouth.quadTo(58, 84.5, 49, 81);
    p.fillPath(mouth, QColor(110, 20, 10));
    QPainterPath tongue;
    tongue.addEllipse(QPointF(58, 88), 5, 3);
    p.fillPath(mouth.intersected(tongue), QColor(255, 120, 130));
    p.strokePath(mouth, QPen(outline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const QPainterPath nose = roundedPolygon(QPolygonF({QPointF(51, 71), QPointF(65, 71), QPointF(58, 79)}), 3.5);
    p.fillPath(nose, QColor(40, 16, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(55.5, 73), 2.4, 1.3);
    p.restore();
}

void drawOwl(QPainter& p, const QRectF& target)
{
    beginDesign(p, target);
    const QColor outline(8, 30, 84);
    const QPen pen(outline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QColor gold(255, 204, 60);

    const QPainterPath tuftL = roundedPolygon(QPolygonF({QPointF(20, 40), QPointF(15, 3), QPointF(48, 22)}), 5);
    QRadialGradient bg(QPointF(46, 34), 84);
    bg.setColorAt(0, QColor(110, 180, 255));
    bg.setColorAt(0.5, QColor(34, 110, 225));
    bg.setColorAt(1, QColor(14, 58, 160));
    for (const bool right : {false, true}) {
        const QPainterPath t = right ? mirrored(tuftL, 58) : tuftL;
        p.fillPath(t, bg);
        p.strokePath(t, pen);
    }
    // Feet peek out below the body.
    p.setPen(QPen(QColor(140, 80, 0), 1.4));
    p.setBrush(gold);
    for (const qreal fx : {46.0, 70.0})
        for (const qreal dx : {-5.0, 0.0, 5.0})
            p.drawEllipse(QPointF(fx + dx, 102.5), 3.2, 3.0);

    QPainterPath body;
    body.moveTo(58, 13);
    body.cubicTo(89, 13, 101, 40, 101, 62);
    body.cubicTo(101, 88, 83, 103, 58, 103);
    body.cubicTo(33, 103, 15, 88, 15, 62);
    body.cubicTo(15, 40, 27, 13, 58, 13);
    p.fillPath(body, bg);
    p.strokePath(body, pen);

    QPainterPath belly;
    belly.addEllipse(QPointF(58, 81), 25, 20);
    p.fillPath(belly, vgrad(61, 101, QColor(214, 238, 255), QColor(160, 206, 250)));
    p.setPen(QPen(QColor(90, 150, 225), 1.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF marks[] = {{48, 73}, {58, 72}, {68, 73}, {53, 82}, {63, 82}, {58, 91}};
    for (const QPointF& m : marks) {
        QPainterPath v;
        v.moveTo(m + QPointF(-4, -1.5));
        v.quadTo(m + QPointF(0, 3), m + QPointF(4, -1.5));
        p.drawPath(v);
    }

    for (const bool right : {false, true}) {
        QPainterPath wing;
        wing.moveTo(22, 52);
        wing.cubicTo(8, 62, 8, 86, 24, 97);
        wing.cubicTo(30, 84, 31, 66, 22, 52);
        if (right)
            wing = mirrored(wing, 58);
        p.fillPath(wing, vgrad(52, 97, QColor(30, 90, 200), QColor(10, 44, 130)));
        p.strokePath(wing, pen);
    }

    for (const qreal ex : {41.0, 75.0}) {
        QPainterPath disc;
        disc.addEllipse(QPointF(ex, 47), 17.5, 17.5);
        p.fillPath(disc, vgrad(30, 64, QColor(255, 255, 255), QColor(198, 226, 255)));
        p.strokePath(disc, QPen(QColor(60, 120, 205), 1.8));
    }
    for (const qreal ex : {41.0, 75.0}) {
        p.setPen(QPen(QColor(150, 90, 0), 1.2));
        p.setBrush(vgrad(37, 59, QColor(255, 230, 120), QColor(240, 160, 20)));
        p.drawEllipse(QPointF(ex, 48), 10.5, 10.5);
        eye(p, QPointF(ex, 48.5), 7, 7, QColor(12, 20, 50));
    }

    p.setBrush(QColor(255, 120, 160, 100));
    p.drawEllipse(QPointF(26, 66), 6, 3.5);
    p.drawEllipse(QPointF(90, 66), 6, 3.5);

    const QPainterPath beak = roundedPolygon(QPolygonF({QPointF(51, 59), QPointF(65, 59), QPointF(58, 72)}), 3);
    p.fillPath(beak, vgrad(59, 72, QColor(255, 226, 110), QColor(240, 150, 20)));
    p.strokePath(beak, QPen(QColor(120, 60, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
}

}  // namespace art
