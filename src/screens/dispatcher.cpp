// The one pointer handler of the window and the close control common to the game phases.
#include "frmMain.h"

#include "modes.h"
#include "platform.h"

void frmMain::Form_MouseDown(int Button, int /*Shift*/, int X, int Y) {
    Form_MouseMove(Button, 1, X, Y);
}

void frmMain::Form_MouseMove(int Button, int Shift, int X, int Y) {
    const bool click = Button == 1 && Shift == 1;
    if (mode < modeMenu && click && X > 770 && Y > 10 && Y < 45) {
        const bool yes =
            mode == modeWinner ||
            platform_.askYesNo(
                this,
                czech ? QStringLiteral("Přejete si přerušit hru a vrátit se do hlavního menu?")
                      : QStringLiteral("Do you want to terminate game and return to the main menu?"),
                czech);
        if (yes) {
            hideHelp();
            setClockEnabled(false);
            return;
        }
    }
    switch (mode) {
    case modeBoard:
        boardBranch(Button, Shift, X, Y);
        break;
    case modeQuestion1:
    case modeQuestion2:
        answerBranch(Button, Shift, X, Y);
        break;
    case modeMenu:
        menuBranch(Button, Shift, X, Y);
        break;
    case modeHelpSettings:
        backControl(Button, X, Y);
        break;
    default:
        break;
    }
}
