#include "helpscreen.h"

#include "match.h"
#include "platform.h"
#include "screenhost.h"
#include "sounds.h"
#include "surface.h"

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
    host_.surface().draw(HelpBackground, 0, 0, 800, 600);
    host_.refresh();
    host_.match().showHelp();
}

void HelpScreen::hidePane() {
    const QString page = host_.programFolder() + QStringLiteral("/help/") +
                         (host_.isCzech() ? QStringLiteral("napoveda") : QStringLiteral("help")) +
                         QStringLiteral(".html");
    host_.platform().loadHelpPage(*pane_, page);
    pane_->move(kPaneX, kHiddenY);
}

void BackControl::handlePointer(const Pointer& p) {
    bool lit = p.x < 90 && p.y < 90;
    if (lit != lit_) {
        host_.surface().drawPart(lit ? BackArrowLit : HelpBackground, 0, 0, 90, 90, 0, 0, 90, 90);
        host_.refresh();
    }
    if (p.buttons == 1 && lit) {
        host_.leaveHelpOrSettings();
        lit = false;
    }
    lit_ = lit;
}
