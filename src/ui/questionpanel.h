// The question phase: the chosen cell's zoom, the panel with the four options and the justified
// question text, the answer clock, and the pointer over the options.
#pragma once

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
    // An option box of the panel on side 1 (right) or 2 (left), slot 1 to 4 from the top.
    void drawOption(int side, int slot, OptionState state);
    static QRectF optionRect(int side, int slot);
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
    void drawQuestion(int player, int panelX);
    void highlight(int slot);
    void answer(int slot);

    ScreenHost& host_;
    int hovered_ = 0;
};
