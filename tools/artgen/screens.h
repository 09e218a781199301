// Full-screen pictures and the larger composed pieces.
#pragma once

#include "common.h"

#include <QMap>

namespace art {

using ImageSet = QMap<QString, QImage>;

QImage studioImage(int w, int h, bool calm);
void drawLogo(QPainter& p, QPointF c, int px);
// 28 cells in 7 rows; pattern chars: '.' free, '1'/'2' players, 'h' hovered, 'a' active.
void drawMiniBoard(QPainter& p, QPointF apex, qreal cellW, const char* pattern);

QRectF boardCell(int row, int i); // window coordinates of the game board

QImage gameBackground(); // pozadi.png
QImage boardPlate();     // pod.png
QImage menuSheet();      // uvod.jpg
QImage helpBackground(); // help.jpg
QImage backHighlight();  // sipka.png
QImage splash();
QImage congratsCaption();  // gratulace.png
QImage winnerCard(int id); // p1/gratulace.png, p2/gratulace.png
QImage playAgainSheet();   // znovu.png: the button under the winner card, English plain and lit, Czech plain and lit
QImage appIcon(int size);
// The icon drawn on any painter: a picture of size x size, or the scalable icon.
void paintAppIcon(QPainter& p, int size);
QImage preloadImage();

struct MenuSlot {
    QRect dest; // where the game pastes the item
    int bandX;  // x of the item inside each cut-out band
};
extern const MenuSlot kMenuSlots[4];

void writePreviews(const ImageSet& g, const ImageSet& builtin, const QString& dir);

} // namespace art
