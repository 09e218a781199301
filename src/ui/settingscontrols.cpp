#include "settingscontrols.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kOn(37, 172, 242);
const QColor kOffTrack(255, 255, 255, 30);
const QColor kBorder(110, 125, 190);
const QColor kFocusRing(255, 214, 64);

void paintFocus(QPainter& p, const QRectF& r, double radius) {
    p.setPen(QPen(kFocusRing, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
}
} // namespace

SettingsButton::SettingsButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void SettingsButton::keyPressEvent(QKeyEvent* e) {
    // Enter acts as Space does: the settings have no default button for it to press.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(e);
}

void SettingsButton::enterEvent(QEnterEvent* e) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void SettingsButton::leaveEvent(QEvent* e) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

ToggleSwitch::ToggleSwitch(QWidget* parent) : SettingsButton(parent) {
    setCheckable(true);
}

void ToggleSwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(rect());
    // Room for the focus ring round the track.
    const QRectF track = all.adjusted(4, 4, -4, -4);
    const double radius = track.height() / 2;
    if (hasFocus()) paintFocus(p, all, radius + 3);
    const bool on = isChecked();
    QColor fill = on ? kOn : kOffTrack;
    if (isHovered()) fill = on ? QColor(92, 196, 250) : QColor(255, 255, 255, 60);
    p.setPen(QPen(isHovered() ? QColor(Qt::white) : on ? kOn : kBorder, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(track, radius, radius);
    // The knob sits right when on, left when off.
    const double knob = track.height() - 6;
    const double x = on ? track.right() - 3 - knob : track.left() + 3;
    p.setPen(Qt::NoPen);
    p.setBrush(on ? QColor(Qt::white) : QColor(175, 185, 225));
    p.drawEllipse(QRectF(x, track.top() + 3, knob, knob));
}

void StepButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(rect());
    const QRectF box = all.adjusted(3, 3, -3, -3);
    if (hasFocus()) paintFocus(p, all, 9);
    p.setPen(QPen(isHovered() ? QColor(Qt::white) : kBorder, 1.2));
    p.setBrush(isHovered() ? QColor(255, 255, 255, 60) : kOffTrack);
    p.drawRoundedRect(box, 7, 7);
    p.setPen(Qt::white);
    p.setFont(font());
    p.drawText(box, Qt::AlignCenter, text());
}
