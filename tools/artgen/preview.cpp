// Mock screens that place every picture where the game draws it, for judging the art in context.
#include "pieces.h"
#include "screens.h"

#include <QDir>
#include <QFontMetricsF>

#include <cmath>

namespace art {

namespace {

const QPointF kPivot[2] = {{79.5, 109.5}, {721.5, 109.5}};

QImage screen(const ImageSet& g, const QString& bg)
{
    QImage img = g[bg].convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(0, 0, 800, 600);
    return img;
}

void drawNames(QPainter& p)
{
    p.setFont(uiFont(19));
    p.setPen(QColor(0, 80, 0));
    p.drawText(QRect(153, 98, 240, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tamara"));
    p.drawText(QRect(407, 98, 240, 20), Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8("Velimír"));
}

void drawPortraits(QPainter& p, const ImageSet& g, int onTurn, qreal handDeg)
{
    for (int id = 1; id <= 2; ++id) {
        const int ax = id == 1 ? 6 : 648;
        const QImage& who = g[QStringLiteral("p%1/hrac.png").arg(id)];
        if (id == onTurn)
            p.drawImage(QRect(ax + 15, 56, 116, 106), who);
        else
            p.drawImage(QRect(ax + 27, 67, 93, 85), who);
    }
    const int ax = onTurn == 1 ? 6 : 648;
    p.drawImage(ax, 40, g[QStringLiteral("natahu.png")]);
    p.save();
    p.translate(kPivot[onTurn - 1]);
    p.rotate(handDeg);
    p.drawImage(QPointF(-6.5, -64.5), g[QStringLiteral("rucicka.png")]);
    p.restore();
}

void drawBoard(QPainter& p, const ImageSet& g, const char* pattern, int hoverRow, int hoverI)
{
    p.drawImage(129, 77, g[QStringLiteral("pod.png")]);
    int k = 0;
    for (int r = 0; r < 7; ++r)
        for (int i = 0; i <= r; ++i) {
            const char c = pattern[k++];
            QString name = c == '1' ? QStringLiteral("p1/male.png") : c == '2' ? QStringLiteral("p2/male.png")
                                                                                 : QStringLiteral("pole1.png");
            if (r == hoverRow && i == hoverI)
                name = QStringLiteral("pole0h.png");
            p.drawImage(boardCell(r, i).topLeft(), g[name]);
        }
}

const int x1[8][2] = {{45, 288}, {50, 280}, {54, 280}, {57, 257}, {57, 249}, {54, 249}, {50, 228}, {45, 220}};
const int x2[8][2] = {{514, 757}, {522, 752}, {522, 748}, {545, 745}, {553, 745}, {553, 748}, {574, 752}, {582, 757}};

void questionText(QPainter& p, int id)
{
    static const char* words[] = {"Which", "river", "flows", "through", "Prague,", "the", "capital", "of",
                                  "Czechia,", "and", "which", "sea", "does", "it", "finally", "reach?"};
    p.setFont(uiFont(15, true));
    p.setPen(QColor(0, 0, 50));
    const QFontMetricsF fm(p.font());
    int w = 0;
    for (int n = 0; n < 6; ++n) {
        const auto& range = id == 1 ? x1[n] : x2[n];
        QString line;
        while (w < 16) {
            const QString next = line.isEmpty() ? QString::fromLatin1(words[w]) : line + ' ' + words[w];
            if (fm.horizontalAdvance(next) > range[1] - range[0])
                break;
            line = next;
            ++w;
        }
        p.drawText(QRectF(range[0], 228 + 17 * n, range[1] - range[0], 18), Qt::AlignLeft | Qt::AlignVCenter, line);
    }
}

void options(QPainter& p, const ImageSet& g, int id)
{
    static const char* texts[] = {"Vltava", "Labe (Elbe)\nNorth Sea", "Morava", "Dunaj"};
    static const char* pics[] = {"moznost.png", "moznosta.png", "moznosts.png", "moznostd.png"};
    const QColor colors[] = {QColor(255, 255, 63), QColor(255, 255, 255), QColor(255, 191, 191), QColor(255, 255, 0)};
    p.setFont(uiFont(15));
    for (int k = 0; k < 4; ++k) {
        const QPointF at(id == 1 ? 500 + 32 * k : 100 - 32 * k, 180 + 54 * k);
        p.drawImage(at, g[QString::fromLatin1(pics[k])]);
        p.setPen(colors[k]);
        p.drawText(QRectF(at, QSizeF(200, 47)), Qt::AlignCenter, QString::fromLatin1(texts[k]));
    }
}

void winnerName(QPainter& p, const QString& name, qreal cx, qreal top)
{
    QPainterPath t = textPath(name, uiFont(27, true), QPointF(cx, top + 18.5));
    p.strokePath(t, QPen(QColor(128, 128, 128), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(t, Qt::white);
}

QImage checker(int w, int h)
{
    QImage img = canvas(w, h, Qt::white);
    QPainter p(&img);
    for (int y = 0; y < h; y += 10)
        for (int x = 0; x < w; x += 10)
            if (((x + y) / 10) % 2)
                p.fillRect(x, y, 10, 10, QColor(200, 200, 200));
    return img;
}

}  // namespace

void writePreviews(const ImageSet& g, const ImageSet& b, const QString& dir)
{
    QDir().mkpath(dir);
    auto out = [&](const QImage& img, const char* name) { save(img, QDir(dir).filePath(QString::fromLatin1(name))); };
    const QImage& sheet = g[QStringLiteral("uvod.jpg")];

    for (int lang = 0; lang < 2; ++lang) {
        QImage img = screen(g, QStringLiteral("uvod.jpg"));
        QPainter p(&img);
        for (int i = 0; i < 4; ++i) {
            const MenuSlot& s = kMenuSlots[i];
            const bool hi = (lang == 0 && i == 1) || (lang == 1 && i == 2);
            const int bandY = lang == 0 ? (hi ? 601 : -1) : (hi ? 801 : 701);
            if (bandY >= 0)
                p.drawImage(s.dest.topLeft(), sheet, QRect(s.bandX, bandY, s.dest.width(), s.dest.height()));
        }
        p.drawImage(770, 15, g[QStringLiteral("exit.png")]);
        p.end();
        out(img, lang == 0 ? "menu_en.png" : "menu_cz.png");
    }

    const char* midGame = "1" "2." ".12" "2.1." "1..2." "..21.." "2.1..1.";
    {
        QImage img = screen(g, QStringLiteral("pozadi.png"));
        QPainter p(&img);
        prepare(p);
        drawNames(p);
        drawBoard(p, g, midGame, 4, 3);
        drawPortraits(p, g, 1, 50);
        // A chosen cell half-way through its zoom.
        const QRectF c = boardCell(5, 4).adjusted(-16, -16, 16, 16);
        p.drawImage(c, g[QStringLiteral("pole0a.png")]);
        p.end();
        out(img, "board.png");
    }
    {
        const char* win = "2" "1." "112" "21.1" "1.12." ".121.." "2.1.212";
        QImage img = screen(g, QStringLiteral("pozadi.png"));
        QPainter p(&img);
        prepare(p);
        drawNames(p);
        drawBoard(p, g, win, -1, -1);
        drawPortraits(p, g, 1, 0);
        const int path[][2] = {{1, 0}, {2, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 2}, {6, 3}, {3, 3}, {4, 3}};
        for (const auto& pc : path)
            p.drawImage(boardCell(pc[0], pc[1]).topLeft() - QPointF(16, 16), g[QStringLiteral("vitez.png")]);
        p.drawImage(268, 300, g[QStringLiteral("p1/gratulace.png")]);
        p.drawImage(QPointF(282, 329), g[QStringLiteral("gratulace.png")], QRectF(0, 0, 237, 71));
        winnerName(p, QStringLiteral("Tamara"), 400, 413);
        p.end();
        out(img, "winner_p1.png");
    }
    {
        QImage img = screen(g, QStringLiteral("pozadi.png"));
        QPainter p(&img);
        prepare(p);
        drawNames(p);
        drawBoard(p, g, midGame, -1, -1);
        drawPortraits(p, g, 2, 200);
        p.drawImage(268, 300, g[QStringLiteral("p2/gratulace.png")]);
        p.drawImage(QPointF(282, 329), g[QStringLiteral("gratulace.png")], QRectF(0, 71, 237, 71));
        winnerName(p, QString::fromUtf8("Velimír"), 400, 413);
        p.end();
        out(img, "winner_p2.png");
    }
    for (int id = 1; id <= 2; ++id)
        for (int debug = 0; debug < 2; ++debug) {
            QImage img = screen(g, QStringLiteral("pozadi.png"));
            QPainter p(&img);
            prepare(p);
            drawNames(p);
            drawPortraits(p, g, id, id == 1 ? 120 : 280);
            p.drawImage(id == 1 ? 22 : 467, 198, g[id == 1 ? QStringLiteral("leva.png") : QStringLiteral("prava.png")]);
            questionText(p, id);
            options(p, g, id);
            if (debug) {
                p.setPen(QPen(QColor(255, 0, 0, 160), 1));
                p.setBrush(Qt::NoBrush);
                for (int n = 0; n < 8; ++n) {
                    const auto& r = id == 1 ? x1[n] : x2[n];
                    p.drawRect(QRectF(r[0], 228 + 17 * n, r[1] - r[0], 18));
                }
            }
            p.end();
            out(img, id == 1 ? (debug ? "question_p1_lines.png" : "question_p1.png")
                             : (debug ? "question_p2_lines.png" : "question_p2.png"));
        }
    {
        QImage img = screen(g, QStringLiteral("help.jpg"));
        QPainter p(&img);
        prepare(p);
        p.drawImage(0, 0, g[QStringLiteral("sipka.png")]);
        p.setFont(uiFont(16));
        p.setPen(Qt::white);
        p.drawText(QRect(360, 120, 410, 440), Qt::TextWordWrap,
                   QString::fromUtf8("Nápověda\n\nHráči se střídají. Kdo je na tahu, vybere volné pole a "
                                     "odpoví na otázku se čtyřmi možnostmi. Správná odpověď pole získá.\n\n"
                                     "Vyhrává ten, kdo propojí všechny tři strany trojúhelníku."));
        p.end();
        out(img, "help.png");
    }
    {
        QImage img = screen(g, QStringLiteral("help.jpg"));
        QPainter p(&img);
        prepare(p);
        p.setFont(uiFont(19));
        p.setPen(Qt::white);
        const int ys[] = {130, 180, 230, 260, 330, 380, 480};
        const char* labels[] = {"Player 1 name", "Player 2 name", "Time limit (s)", "", "Sound", "Music", "Full screen"};
        for (int i = 0; i < 7; ++i)
            p.drawText(350, ys[i] + 18, QString::fromLatin1(labels[i]));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(525, 130, 240, 23);
        p.drawRect(525, 180, 240, 23);
        p.drawRect(640, 230, 90, 23);
        p.setFont(uiFont(14));
        p.setPen(Qt::white);
        for (int y : {330, 380, 480})
            p.drawText(QRect(730, y, 35, 23), Qt::AlignCenter, QStringLiteral("ON"));
        p.end();
        out(img, "settings.png");
    }
    out(b[QStringLiteral("splash.png")], "splash.png");
    {
        QImage img = canvas(640, 300, QColor(40, 30, 90));
        QPainter p(&img);
        int x = 10;
        for (int s : {16, 32, 48}) {
            const QImage& ic = b[QStringLiteral("icon%1.png").arg(s)];
            p.drawImage(QRect(x, 10, s * 4, s * 4), ic);
            p.drawImage(x, 220, ic);
            x += s * 4 + 20;
        }
        p.end();
        out(img, "icons.png");
    }
    {
        // Every small picture on a checkerboard at double size.
        const char* names[] = {"pole1.png", "pole0h.png", "p1/male.png", "p2/male.png", "pole0a.png",
                               "p1/velke.png", "p2/velke.png", "p1/hrac.png", "p2/hrac.png", "natahu.png",
                               "rucicka.png", "vitez.png", "exit.png", "moznost.png", "moznosta.png",
                               "moznosts.png", "moznostd.png", "gratulace.png", "levy.png", "pravy.png",
                               "p1/gratulace.png", "p2/gratulace.png", "sipka.png"};
        QImage img = checker(1400, 2400);
        QPainter p(&img);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        int x = 10, y = 10, rowH = 0;
        for (const char* n : names) {
            const QImage& im = g[QString::fromLatin1(n)];
            const QSize s = im.size() * 2;
            if (x + s.width() > 1390) {
                x = 10;
                y += rowH + 10;
                rowH = 0;
            }
            p.drawImage(QRect(QPoint(x, y), s), im);
            x += s.width() + 10;
            rowH = std::max(rowH, s.height());
        }
        p.end();
        out(img.copy(0, 0, 1400, y + rowH + 10), "pieces.png");
    }
}

}  // namespace art
