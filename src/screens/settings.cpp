// The settings screen: names, the time base and the three switches.
#include "frmMain.h"

#include "clicklabel.h"
#include "modes.h"
#include "platform.h"
#include "settingsfile.h"

#include <QLineEdit>

namespace {
struct Caption {
    int x, y;
    const char* czech;
    const char* english;
};
constexpr Caption kCaptions[] = {
    {350, 130, "Jméno 1. hráče :", "1st player name:"},
    {350, 180, "Jméno 2. hráče :", "2nd player name:"},
    {350, 230, "Základ časového limitu :", "Base of the time limit:"},
    {735, 230, "ms", "ms"},
    {350, 330, "Zvukové efekty :", "Sound effects:"},
    {350, 380, "Hudba :", "Music:"},
    {350, 480, "Přes celou obrazovku :", "Fullscreen:"},
};
constexpr QRgb kOutline = 0xFF25ACF2;

void toggle(QLabel* label) {
    label->setText(label->text() == settingsfile::kOff ? settingsfile::kOn : settingsfile::kOff);
}
} // namespace

void frmMain::showSett() {
    drawPic(17, 0, 0, 800, 600);
    const std::initializer_list<QWidget*> controls{Text1, Text2, Text3, Label1, Label2, Label3};
    for (QWidget* w : controls)
        w->show();
    for (QWidget* w : controls)
        outlineRect(kOutline, w->x() - 1, w->y() - 1, w->width() + 2, w->height() + 2);
    ForeColor = QColor(255, 255, 255);
    FontSize = 14;
    FontBold = false;
    for (const Caption& c : kCaptions) {
        CurrentX = static_cast<float>(c.x);
        CurrentY = static_cast<float>(c.y);
        Print(QString::fromUtf8(czech ? c.czech : c.english));
    }
    FontSize = 12;
    CurrentX = 350;
    CurrentY = 260;
    Print(czech ? QStringLiteral("(skutečný časový limit je závislý na délce otázky)")
                : QStringLiteral("(real time limit depend on length of question)"));
    mode = modeHelpSettings;
    Refresh();
}

void frmMain::Label1_Click() {
    toggle(Label1);
}

void frmMain::Label2_Click() {
    toggle(Label2);
    switchMusic();
}

void frmMain::Label3_Click() {
    toggle(Label3);
    platform_.setFullScreen(*this, Label3->text() == settingsfile::kOn);
}
