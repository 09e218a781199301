#include "menuscreen.h"

#include "match.h"
#include "screenhost.h"
#include "sounds.h"
#include "surface.h"

#include "platform.h"
#include <QWidget>

#include <array>

namespace {
// Where each item goes, and where its looks lie on the menu sheet.
struct ItemLook {
    int x, y, w, h;     // destination on the window
    int czechX, czechY; // plain Czech look on the sheet
    int englishX, englishY;
    int czechLitX, czechLitY;
    int englishLitX, englishLitY;
};
constexpr std::array<ItemLook, 5> kItems = {{
    {},
    {71, 401, 158, 98, 1, 701, 71, 401, 1, 801, 1, 601},         // settings
    {321, 401, 158, 98, 161, 701, 321, 401, 161, 801, 161, 601}, // new game
    {571, 401, 158, 98, 321, 701, 571, 401, 321, 801, 321, 601}, // help
    {541, 131, 158, 58, 481, 701, 541, 131, 481, 801, 481, 601}, // language
}};
} // namespace

void MenuScreen::drawItem(int item, bool lit) {
    const ItemLook& m = kItems[static_cast<std::size_t>(item)];
    const bool czech = host_.isCzech();
    const int sx = lit ? (czech ? m.czechLitX : m.englishLitX) : (czech ? m.czechX : m.englishX);
    const int sy = lit ? (czech ? m.czechLitY : m.englishLitY) : (czech ? m.czechY : m.englishY);
    host_.surface().drawPart(MenuSheet, m.x, m.y, m.w, m.h, sx, sy, m.w, m.h);
}

void MenuScreen::draw() {
    host_.surface().draw(MenuSheet, 0, 0, 800, 900);
    host_.surface().draw(CloseControl, 770, 15, 30, 30);
    for (int item = Settings; item <= Language; ++item)
        drawItem(item, false);
}

int MenuScreen::itemAt(int x, int y) {
    int item = None;
    if (y > 360 && y < 560) {
        if (x > 25 && x <= 275)
            item = Settings;
        else if (x > 275 && x <= 525)
            item = NewGame;
        else if (x > 525 && x <= 775)
            item = Help;
    }
    if (x > 510 && x < 730 && y > 100 && y < 240) item = Language;
    return item;
}

bool MenuScreen::askToQuit() {
    const bool czech = host_.isCzech();
    if (!host_.askYesNo(czech ? QStringLiteral("Skutečně si přejete ukončit TamvelKvíz?")
                              : QStringLiteral("Are you sure you want to quit TamvelKvíz?")))
        return false;
    // Closing ends this window's own event: let the event finish first.
    QMetaObject::invokeMethod(&host_.widget(), &QWidget::close, Qt::QueuedConnection);
    return true;
}

void MenuScreen::light(int item) {
    if (item == lit_) return;
    if (lit_ != None) drawItem(lit_, false);
    if (item != None) drawItem(item, true);
    lit_ = item;
    host_.refresh();
}

void MenuScreen::activate(int item) {
    host_.sounds().playEffect(QStringLiteral("select"));
    switch (item) {
    case Settings:
        lit_ = None;
        host_.showSettings();
        break;
    case NewGame:
        lit_ = None;
        host_.startGame();
        break;
    case Help:
        lit_ = None;
        host_.showHelp();
        break;
    case Language:
        host_.switchLanguage();
        // The menu is drawn anew in the other language; the item stays lit under the pointer or focus.
        drawItem(Language, true);
        lit_ = Language;
        host_.refresh();
        break;
    }
}

void MenuScreen::handlePointer(const Pointer& p) {
    if (p.clicks() && p.x > 770 && p.y > 10 && p.y < 45 && askToQuit()) return;
    const int item = itemAt(p.x, p.y);
    light(item);
    if (p.clicks() && item != None) activate(item);
}

bool MenuScreen::handleKey(int key) {
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Tab:
        light(lit_ == None || lit_ == Language ? Settings : lit_ + 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        light(lit_ == None || lit_ == Settings ? Language : lit_ - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (lit_ != None) activate(lit_);
        return true;
    default:
        return false;
    }
}
