// The question phase: the chosen cell's zoom, the panel with the four options and the justified
// question text, the answer clock, and the pointer over the options.
#pragma once

#include "player.h"

#include <QRectF>
#include <QString>

class ScreenHost;
struct Pointer;

enum class OptionState { Normal, Hovered, Wrong, Right, Cleared };

class QuestionPanel {
public:
    explicit QuestionPanel(ScreenHost& host);

    // The chosen cell's zoom and the panel opening, then the dealt question for the player on turn
    // and the clock started.
    void show();
    // An option box of the side of the player answering (the fox's on the right), slot 1 to 4 from
    // the top.
    void drawOption(Player side, int slot, OptionState state);
    static QRectF optionRect(Player side, int slot);
    // The option under a point, 1 to 4, or 0.
    static int optionAt(Player side, int x, int y);
    // Draws the leading words of text that fit one line, justified; returns the words left over.
    QString drawJustifiedLine(const QString& text, float width, float left, float top);
    void handlePointer(const Pointer& p);
    // Keys 1 to 4 and A to D answer the options from the top; Up and Down move the highlight, Enter
    // and Space answer the highlighted option. False for a key the panel does not use.
    bool handleKey(int key);
    int hoveredSlot() const { return hovered_; }

    // One step of the clock hand, on the match's clockTicked; the last one is a time-out.
    void clockTick();

private:
    void drawQuestion(Player player, int panelX);
    void highlight(int slot);
    void answer(int slot);

    ScreenHost& host_;
    int hovered_ = 0;
};
