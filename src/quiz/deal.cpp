// Dealing a question for the chosen cell: zoom, question panel, options, text, clock.
#include "frmMain.h"

#include "modes.h"
#include "numbers.h"
#include "platform.h"
#include "questionlayout.h"
#include "textfit.h"

#include <QLineEdit>
#include <array>

using namespace board;

namespace {
constexpr int kZoomPause = 50, kPanelPause = 70;

} // namespace

void frmMain::Click(int col, int row) {
    makeSound(QStringLiteral("select2"));
    mode = player;
    question = deck_.dealInLanguage(!czech);
    rememberDealt(question);

    const double G = zoomGrowth(board, col, row);
    const RectF r = cellRect(col, row);
    for (int f = 0; f <= 16; ++f) {
        const double i = G / 16 * f;
        drawPic(5, r.left - i / 2, r.top - i / 2, 64 + i, 70 + i);
        Refresh();
        platform_.sleep(kZoomPause);
    }

    const int panelX = player == 1 ? 22 : 467;
    for (int k = 0; k <= 7; ++k) {
        drawPic(player == 1 ? 21 : 22, panelX, 198, 313, 202);
        if (k % 2 == 0) DrawVar(player, k / 2 + 1, optionNormal);
        Refresh();
        platform_.sleep(kPanelPause);
    }
    drawPic(player == 1 ? 23 : 24, panelX, 198, 313, 202);

    FontBold = true;
    ForeColor = QColor(0, 0, 50);
    QString rest = question.text;
    int n = 0;
    do {
        const questionlayout::Line& l = questionlayout::lineTable[static_cast<std::size_t>(qMin(n, 8))];
        rest = Justify(rest, l.width, player == 1 ? l.left1 : l.left2, questionlayout::lineTop(n));
        ++n;
    } while (!rest.isEmpty());
    Refresh();

    timeLeft = 360.0f;
    int length = static_cast<int>(question.text.size());
    for (int s = 1; s <= 4; ++s)
        length += static_cast<int>(question.answers[static_cast<std::size_t>(s)].size());
    setClockPeriod(textfit::tickPeriod(length, numbers::leadingNumber(Text3->text())));
    setClockEnabled(true);
}
