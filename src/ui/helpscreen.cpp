#include "helpscreen.h"

#include "canvas.h"
#include "match.h"
#include "platform.h"
#include "screenhost.h"
#include "sounds.h"

#include <QScrollBar>
#include <QTextBrowser>

namespace {
constexpr int kPaneX = 350, kShownY = 110, kHiddenY = 700;
} // namespace

HelpScreen::HelpScreen(ScreenHost& host) : host_(host), pane_(new QTextBrowser(&host.widget())) {
    pane_->setGeometry(kPaneX, 1100, 430, 460);
    pane_->setOpenExternalLinks(false);
    pane_->setFrameShape(QFrame::NoFrame);
}

void HelpScreen::show() {
    pane_->move(kPaneX, kShownY);
    host_.match().showHelp();
    host_.refresh();
}

void HelpScreen::paint(Canvas& c) const {
    c.draw(HelpBackground, 0, 0, 800, 600);
}

bool HelpScreen::handleKey(int key) {
    QScrollBar* bar = pane_->verticalScrollBar();
    switch (key) {
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

void HelpScreen::hidePane() {
    const QString page = host_.programFolder() + QStringLiteral("/help/") +
                         (host_.isCzech() ? QStringLiteral("napoveda") : QStringLiteral("help")) +
                         QStringLiteral(".html");
    host_.platform().loadHelpPage(*pane_, page);
    pane_->move(kPaneX, kHiddenY);
}

void BackControl::handlePointer(const Pointer& p) {
    const bool lit = p.x < 90 && p.y < 90;
    if (lit != lit_) {
        lit_ = lit;
        host_.refresh(QRectF(0, 0, 90, 90));
    }
    if (p.buttons == 1 && lit) {
        lit_ = false;
        host_.leaveHelpOrSettings();
    }
}

void BackControl::paint(Canvas& c) const {
    if (lit_) c.drawPart(BackArrowLit, 0, 0, 90, 90, 0, 0, 90, 90);
}
