// Small pictures: board cells, characters, clock hand, frames, panels, options, marks.
#pragma once

#include "common.h"

namespace art {

enum class Piece { Free, Hover, Active, P1, P2 };

// Vector hexagon piece drawn natively into any rectangle of the 64x70 proportions.
void drawHexPiece(QPainter& p, const QRectF& r, Piece kind);
QImage hexPiece(Piece kind, int w, int h);

void drawFox(QPainter& p, const QRectF& target);
void drawOwl(QPainter& p, const QRectF& target);
void drawCharacter(QPainter& p, int id, const QRectF& target);
QImage character(int id);  // 116x106

QImage clockHand();  // 13x66
QImage onTurnFrame();  // 147x139
QImage questionPanel(int id, bool complete);  // 313x202
QPainterPath questionPanelShape();  // player 1 orientation

enum class Option { Normal, Hover, Wrong, Right };
QImage answerOption(Option kind);  // 200x47

QImage winnerMark();  // 96x102
QImage exitButton();  // 30x30

// Icons drawn inside a square, shared by menu buttons and the help screen.
void drawGear(QPainter& p, QPointF c, qreal r, QColor color);
void drawGlobe(QPainter& p, QPointF c, qreal r, QColor color);
void drawArrowLeft(QPainter& p, QPointF c, qreal r, QColor color);

}  // namespace art
