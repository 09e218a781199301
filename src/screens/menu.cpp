// The main menu: drawn from the uvod.jpg sheet, items highlighted under the pointer.
#include "frmMain.h"

#include "modes.h"
#include "platform.h"

#include <array>

namespace {
struct MenuItem {
    int x, y, w, h;     // destination on the window
    int czechX, czechY; // plain Czech look on the sheet
    int englishX, englishY;
    int czechHiX, czechHiY;
    int englishHiX, englishHiY;
};
constexpr std::array<MenuItem, 5> kItems = {{
    {},
    {71, 401, 158, 98, 1, 701, 71, 401, 1, 801, 1, 601},         // settings
    {321, 401, 158, 98, 161, 701, 321, 401, 161, 801, 161, 601}, // new game
    {571, 401, 158, 98, 321, 701, 571, 401, 321, 801, 321, 601}, // help
    {541, 131, 158, 58, 481, 701, 541, 131, 481, 801, 481, 601}, // language
}};
} // namespace

void frmMain::drawMenuItem(int item, bool highlighted) {
    const MenuItem& m = kItems[static_cast<std::size_t>(item)];
    const int sx = highlighted ? (czech ? m.czechHiX : m.englishHiX) : (czech ? m.czechX : m.englishX);
    const int sy = highlighted ? (czech ? m.czechHiY : m.englishHiY) : (czech ? m.czechY : m.englishY);
    drawPicPart(18, m.x, m.y, m.w, m.h, sx, sy, m.w, m.h);
}

void frmMain::showIntro() {
    drawPic(18, 0, 0, 800, 900);
    drawPic(29, 770, 15, 30, 30);
    for (int item = 1; item <= 4; ++item)
        drawMenuItem(item, false);
}

void frmMain::menuBranch(int Button, int Shift, int X, int Y) {
    const bool click = Button == 1 && Shift == 1;
    if (click && X > 770 && Y > 10 && Y < 45) {
        if (platform_.askYesNo(this,
                               czech ? QStringLiteral("Skutečně si přejete ukončit TamvelKvíz?")
                                     : QStringLiteral("Are you sure you want to quit TamvelKvíz?"),
                               czech)) {
            // Closing ends this window's own click: let the click finish first.
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            return;
        }
    }
    int item = 0;
    if (Y > 360 && Y < 560) {
        if (X > 25 && X <= 275)
            item = 1;
        else if (X > 275 && X <= 525)
            item = 2;
        else if (X > 525 && X <= 775)
            item = 3;
    }
    if (X > 510 && X < 730 && Y > 100 && Y < 240) item = 4;

    if (item != hoverMenu) {
        if (hoverMenu >= 1 && hoverMenu <= 4) drawMenuItem(hoverMenu, false);
        if (item >= 1 && item <= 4) drawMenuItem(item, true);
        Refresh();
    }
    if (click && item != 0) {
        makeSound(QStringLiteral("select"));
        switch (item) {
        case 1:
            showSett();
            break;
        case 2:
            gameStart();
            break;
        case 3:
            showHelp();
            break;
        case 4:
            switchLng();
            break;
        }
        item = 0;
    }
    hoverMenu = item;
}
