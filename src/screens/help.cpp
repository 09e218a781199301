// The help screen, the back control of help and settings, and hideHelp, the way back to the menu.
#include "frmMain.h"

#include "clicklabel.h"
#include "modes.h"
#include "platform.h"

#include <QLineEdit>
#include <QTextBrowser>

void frmMain::showHelp() {
    wbHelp->move(350, 110);
    drawPic(17, 0, 0, 800, 600);
    Refresh();
    mode = modeHelpSettings;
}

void frmMain::hideHelp() {
    const QString page = dir_ + QStringLiteral("/help/") +
                         (czech ? QStringLiteral("napoveda") : QStringLiteral("help")) +
                         QStringLiteral(".html");
    platform_.loadHelpPage(*wbHelp, page);
    wbHelp->move(350, 700);
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text2, Text3, Label1, Label2, Label3})
        w->hide();
    showIntro();
    Refresh();
    mode = modeMenu;
}

void frmMain::backControl(int Button, int X, int Y) {
    int b = (X < 90 && Y < 90) ? 1 : 0;
    if (b != hoverBack) {
        drawPicPart(17 - b, 0, 0, 90, 90, 0, 0, 90, 90);
        Refresh();
    }
    if (Button == 1 && b == 1) {
        makeSound(QStringLiteral("select"));
        // Leaving the settings keeps them even if the program never reaches its normal end.
        if (!Text1->isHidden()) writeSettingsFile();
        hideHelp();
        b = 0;
    }
    hoverBack = b;
}
