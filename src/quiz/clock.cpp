// The countdown clock: a hand turning once round the portrait area beside the question.
#include "frmMain.h"

#include "modes.h"
#include "numbers.h"
#include "platform.h"

void frmMain::setClockPeriod(int ms) {
    clockPeriod_ = qBound(0, ms, 65535);
    tmrRucicka.setInterval(clockPeriod_);
    setClockEnabled(clockEnabled_);
}

void frmMain::setClockEnabled(bool on) {
    clockEnabled_ = on;
    // A period of 0 never ticks (a Qt timer of 0 would fire on every idle pass).
    if (on && clockPeriod_ > 0) {
        if (!tmrRucicka.isActive()) tmrRucicka.start();
    } else {
        tmrRucicka.stop();
    }
}

void frmMain::tmrRucicka_Timer() {
    DrawPlayer();
    if (graphics_) {
        graphics_->translate(player == 1 ? 79 : 721, 109);
        graphics_->rotate(360 - timeLeft);
        drawPic(11, -6, -64, 13, 66);
        graphics_->resetTransform();
    }
    if (timeLeft <= 0) {
        for (int s = 1; s <= 4; ++s)
            DrawVar(player, s, optionNormal);
        Spravne(chosenCol, chosenRow, false, 0);
        setClockEnabled(false);
    }
    timeLeft -= 1;
    const auto whole = numbers::roundHalfEven(timeLeft);
    if (whole % 15 == 0) makeSound(QStringLiteral("time"));
    Refresh();
}
