// Drawing an answer option and one justified line of the question text.
#include "frmMain.h"

#include "modes.h"
#include "textfit.h"

#include <QLineEdit>
#include <array>

namespace {
struct OptionLook {
    int picture; // picture index; side 1 draws the normal look from its own copy
    QColor text;
};
const std::array<OptionLook, 5> kLooks = {{
    {25, QColor(255, 255, 63)},
    {26, QColor(255, 255, 255)},
    {27, QColor(255, 191, 191)},
    {28, QColor(255, 255, 0)},
    {-1, QColor(255, 255, 0)},
}};
} // namespace

void frmMain::DrawVar(int side, int slot, int state) {
    if (slot < 1 || slot > 8 || state < 0 || state > 4) return;
    const double x = side == 1 ? 500 + 32 * (slot - 1) : 100 - 32 * (slot - 1);
    const double y = 185 + 54 * (slot - 1) - 5;
    QString text;
    if (state == optionClear) {
        restoreBackground(x, y, 200, 47);
    } else {
        drawPic(state == optionNormal && side == 1 ? 30 : kLooks[static_cast<std::size_t>(state)].picture, x,
                y, 200, 47);
        text = question.answers[static_cast<std::size_t>(slot)];
        text.replace(QStringLiteral("%1%"), Text1->text());
        text.replace(QStringLiteral("%2%"), Text2->text());
    }
    FontBold = false;
    ForeColor = kLooks[static_cast<std::size_t>(state)].text;
    if (text.contains(u'|')) {
        const QStringList parts = text.split(u'|');
        const double h = TextHeight(text);
        const QString& a = parts[0];
        const QString& b = parts[1];
        CurrentX = static_cast<float>(x + static_cast<float>((200 - TextWidth(a)) / 2));
        CurrentY = static_cast<float>(y + 23.5 - h);
        Print(a);
        CurrentX = static_cast<float>(x + static_cast<float>((200 - TextWidth(b)) / 2));
        CurrentY = static_cast<float>(y + 23.5);
        Print(b);
    } else {
        CurrentX = static_cast<float>(x + static_cast<float>((200 - TextWidth(text)) / 2));
        CurrentY = static_cast<float>(y + static_cast<float>((47 - TextHeight(text)) / 2));
        Print(text);
    }
}

QString frmMain::Justify(const QString& text, float width, float left, float top) {
    if (text.isEmpty()) return {};
    const auto line = textfit::justify(text, width, left, [this](const QString& s) { return TextWidth(s); });
    CurrentY = top;
    for (const auto& w : line.words) {
        CurrentX = w.x;
        Print(w.word);
    }
    return line.rest;
}
