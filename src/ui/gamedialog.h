// A question (Yes / No) or a notice (OK) that the game draws over its current screen in its own art:
// the screen dimmed, a panel with the text wrapped to fit, and large buttons answered by key or pointer.
#pragma once

#include "platform.h"

#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class Canvas;
struct Pointer;

class GameDialog {
    Q_DECLARE_TR_FUNCTIONS(GameDialog)

public:
    // The answer is given through answer, which must outlive the dialog.
    GameDialog(DialogKind kind, const QString& text, DialogAnswer& answer);

    DialogKind kind() const { return kind_; }
    QString text() const { return text_; }
    bool isAnswered() const { return answer_.isGiven(); }
    // Answers as the program's end does: No, or the notice closed.
    void dismiss() { answer_.give(kind_ != DialogKind::Question); }

    void paint(Canvas& c) const;
    // Left, Right, Tab and Backtab move the focus over the buttons; Enter and Space answer the focused
    // one, Escape answers No (or closes a notice). Other keys do nothing. Returns the area to paint again.
    QRectF handleKey(int key);
    // The button under the pointer glows; a click on it answers it. Returns the area to paint again.
    QRectF handlePointer(const Pointer& p);

    int buttonCount() const { return static_cast<int>(labels_.size()); }
    int focusedButton() const { return focused_; } // 0: Yes or OK, 1: No
    int hoveredButton() const { return hovered_; } // -1 for none
    QRectF buttonArea(int button) const;
    QRectF panelArea() const { return panel_; }
    // The text as it is laid out: its lines and their size in points.
    const QStringList& lines() const { return lines_; }
    double textPoints() const { return textPoints_; }

private:
    void layOut();
    void answerWith(int button);

    DialogKind kind_;
    QString text_;
    DialogAnswer& answer_;
    QStringList labels_;
    QStringList lines_;
    double textPoints_ = 12;
    double lineHeight_ = 0;
    QRectF panel_;
    QRectF textBox_;
    int focused_ = 0;
    int hovered_ = -1;
};
