#include "menuscreen.h"

#include "boardview.h"
#include "canvas.h"
#include "match.h"
#include "screenhost.h"
#include "sounds.h"

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

void MenuScreen::paintItem(Canvas& c, int item, bool lit) const {
    const ItemLook& m = kItems[static_cast<std::size_t>(item)];
    const bool czech = host_.isCzech();
    const int sx = lit ? (czech ? m.czechLitX : m.englishLitX) : (czech ? m.czechX : m.englishX);
    const int sy = lit ? (czech ? m.czechLitY : m.englishLitY) : (czech ? m.czechY : m.englishY);
    c.drawPart(MenuSheet, m.x, m.y, m.w, m.h, sx, sy, m.w, m.h);
}

QRectF MenuScreen::itemArea(int item) {
    const ItemLook& m = kItems[static_cast<std::size_t>(item)];
    return {static_cast<double>(m.x), static_cast<double>(m.y), static_cast<double>(m.w),
            static_cast<double>(m.h)};
}

void MenuScreen::show() {
    lit_ = None;
}

void MenuScreen::paint(Canvas& c) const {
    c.draw(MenuSheet, 0, 0, 800, 900);
    const QRect close = closecontrol::kArea;
    c.draw(CloseControl, close.x(), close.y(), close.width(), close.height());
    for (int item = Settings; item <= Language; ++item)
        paintItem(c, item, item == lit_);
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
    if (!host_.askYesNo(tr("Are you sure you want to quit TamvelKvíz?"))) return false;
    // Closing ends this window's own event: let the event finish first.
    QMetaObject::invokeMethod(&host_.widget(), &QWidget::close, Qt::QueuedConnection);
    return true;
}

void MenuScreen::light(int item) {
    if (item == lit_) return;
    QRectF changed;
    if (lit_ != None) changed |= itemArea(lit_);
    if (item != None) changed |= itemArea(item);
    lit_ = item;
    host_.refresh(changed);
}

void MenuScreen::activate(int item) {
    host_.sounds().playEffect(QStringLiteral("select"));
    switch (item) {
    // The lit item stays lit under the opening of a new game.
    case Settings:
        host_.showSettings();
        break;
    case NewGame:
        host_.showSetup();
        break;
    case Help:
        host_.showHelp();
        break;
    case Language:
        host_.switchLanguage();
        // The menu comes back in the other language; the item stays lit under the pointer or focus.
        lit_ = Language;
        host_.refresh(itemArea(Language));
        break;
    }
}

void MenuScreen::handlePointer(const Pointer& p) {
    if (p.clicks() && closecontrol::isHit(p.x, p.y) && askToQuit()) return;
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
