#include "settingsscreen.h"

#include "canvas.h"
#include "fonts.h"
#include "match.h"
#include "platform.h"
#include "screenhost.h"
#include "sounds.h"
#include "switchlabel.h"

#include <QLineEdit>

namespace {
struct Place {
    int x, y, w, h;
};
constexpr Place kName1{525, 130, 240, 23}, kName2{525, 180, 240, 23}, kTimeBase{640, 230, 90, 23};
constexpr Place kSound{730, 330, 35, 23}, kMusic{730, 380, 35, 23}, kFullScreen{730, 480, 35, 23};
// Who plays: the owl's side (the first name) and the fox's, in the free row under the time limit.
constexpr Place kOwlPlayer{525, 292, 115, 23}, kFoxPlayer{650, 292, 115, 23};

struct Caption {
    int x, y;
    const char* czech;
    const char* english;
    int end; // the label column ends here, clear of the control beside it
};
constexpr int kGap = 12;
constexpr Caption kCaptions[] = {
    {350, 130, "Jméno 1. hráče:", "1st player name:", kName1.x - kGap},
    {350, 180, "Jméno 2. hráče:", "2nd player name:", kName2.x - kGap},
    {350, 230, "Základ časového limitu:", "Base of the time limit:", kTimeBase.x - kGap},
    {735, 230, "ms", "ms", 790},
    {350, 292, "Kdo hraje (1., 2.):", "Who plays (1st, 2nd):", kOwlPlayer.x - kGap},
    {350, 330, "Zvukové efekty:", "Sound effects:", kSound.x - kGap},
    {350, 380, "Hudba:", "Music:", kMusic.x - kGap},
    {350, 480, "Přes celou obrazovku:", "Fullscreen:", kFullScreen.x - kGap},
};
// The keys that work everywhere, in the band between the sound switches and full screen: two to a line.
struct KeyHint {
    const char* key;
    const char* czech;
    const char* english;
};
constexpr KeyHint kKeyHints[] = {
    {"F11", "celá obrazovka", "full screen"},
    {"Ctrl + / Ctrl −", "velikost okna", "window size"},
    {"Esc", "zpět do menu", "back to the menu"},
    {"Ctrl + Q", "konec", "quit"},
};
constexpr QRgb kOutline = 0xFF25ACF2;

void flip(QLabel* label) {
    label->setText(label->text() == settingsfile::kOff ? settingsfile::kOn : settingsfile::kOff);
}
} // namespace

SettingsScreen::SettingsScreen(ScreenHost& host) : host_(host) {
    const QFont boxFont = fonts::windowFont(14.25, true);
    auto makeBox = [&](const Place& c, const QString& text) {
        auto* t = new QLineEdit(text, &host.widget());
        t->setGeometry(c.x, c.y, c.w, c.h);
        t->setFrame(false);
        t->setFont(boxFont);
        // A little room inside the box, so the text does not touch the outline.
        t->setStyleSheet(QStringLiteral(
            "QLineEdit { background: white; color: rgb(6, 125, 195); border: none; padding: 0px 5px; }"));
        t->hide();
        return t;
    };
    const settingsfile::Settings defaults;
    name1_ = makeBox(kName1, defaults.name1);
    name2_ = makeBox(kName2, defaults.name2);
    timeBase_ = makeBox(kTimeBase, QStringLiteral("10000"));
    auto makeSwitch = [&](const Place& c) {
        auto* l = new SwitchLabel(settingsfile::kOff, &host.widget());
        l->setGeometry(c.x, c.y, c.w, c.h);
        l->setFont(boxFont);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
        l->setCursor(Qt::PointingHandCursor);
        l->hide();
        return l;
    };
    sound_ = makeSwitch(kSound);
    music_ = makeSwitch(kMusic);
    fullScreen_ = makeSwitch(kFullScreen);
    owlPlayer_ = makeSwitch(kOwlPlayer);
    foxPlayer_ = makeSwitch(kFoxPlayer);
    for (SwitchLabel* l : {owlPlayer_, foxPlayer_})
        l->setFont(fonts::windowFont(11, true));
    QObject::connect(owlPlayer_, &SwitchLabel::clicked, &host.widget(),
                     [this] { cyclePlayer(Player::owl()); });
    QObject::connect(foxPlayer_, &SwitchLabel::clicked, &host.widget(),
                     [this] { cyclePlayer(Player::fox()); });
    QObject::connect(sound_, &SwitchLabel::clicked, &host.widget(), [this] { toggleSound(); });
    QObject::connect(music_, &SwitchLabel::clicked, &host.widget(), [this] { toggleMusic(); });
    QObject::connect(fullScreen_, &SwitchLabel::clicked, &host.widget(), [this] { toggleFullScreen(); });
    QWidget::setTabOrder(name1_, name2_);
    QWidget::setTabOrder(name2_, timeBase_);
}

void SettingsScreen::show() {
    showPlayers(); // in the interface language
    for (QWidget* c : std::initializer_list<QWidget*>{name1_, name2_, timeBase_, sound_, music_, fullScreen_,
                                                      owlPlayer_, foxPlayer_})
        c->show();
    host_.match().showSettings();
    host_.refresh();
}

void SettingsScreen::paint(Canvas& s) const {
    s.draw(HelpBackground, 0, 0, 800, 600);
    for (const QWidget* c : std::initializer_list<const QWidget*>{name1_, name2_, timeBase_, sound_, music_,
                                                                  fullScreen_, owlPlayer_, foxPlayer_})
        s.outline(kOutline, c->x() - 1, c->y() - 1, c->width() + 2, c->height() + 2);
    s.setTextColour(QColor(255, 255, 255));
    s.setTextBold(false);
    const bool czech = host_.isCzech();
    for (const Caption& c : kCaptions) {
        s.setTextSize(14);
        const QString text = s.fitText(QString::fromUtf8(czech ? c.czech : c.english), c.end - c.x, 10.5);
        s.setTextPosition(c.x, c.y);
        s.print(text);
    }
    s.setTextColour(QColor(190, 200, 255));
    s.setTextSize(10.5);
    for (std::size_t i = 0; i < std::size(kKeyHints); ++i) {
        const KeyHint& h = kKeyHints[i];
        if (i % 2 == 0) s.setTextPosition(350, 421 + 22 * static_cast<double>(i / 2));
        s.setTextBold(true);
        s.print(QString::fromUtf8(h.key));
        s.setTextBold(false);
        s.print(QStringLiteral("  ") + QString::fromUtf8(czech ? h.czech : h.english) +
                QStringLiteral("      "));
    }
    s.setTextColour(QColor(255, 255, 255));
    s.setTextSize(12);
    s.setTextPosition(350, 260);
    s.print(czech ? QStringLiteral("(skutečný časový limit je závislý na délce otázky)")
                  : QStringLiteral("(real time limit depends on the length of the question)"));
}

void SettingsScreen::hideControls() {
    for (QWidget* c : std::initializer_list<QWidget*>{name1_, name2_, timeBase_, sound_, music_, fullScreen_,
                                                      owlPlayer_, foxPlayer_})
        c->hide();
}

QString SettingsScreen::name1() const {
    return name1_->text();
}
QString SettingsScreen::name2() const {
    return name2_->text();
}
QString SettingsScreen::timeBase() const {
    return timeBase_->text();
}
bool SettingsScreen::isSoundOn() const {
    return sound_->text() == settingsfile::kOn;
}
bool SettingsScreen::isMusicOn() const {
    return music_->text() == settingsfile::kOn;
}
bool SettingsScreen::isFullScreenOn() const {
    return fullScreen_->text() == settingsfile::kOn;
}

std::array<QString, 6> SettingsScreen::itemsToSave() const {
    return {name1_->text(), name2_->text(), timeBase_->text(),
            sound_->text(), music_->text(), fullScreen_->text()};
}

void SettingsScreen::apply(const settingsfile::Settings& s) {
    name1_->setText(s.name1);
    name2_->setText(s.name2);
    timeBase_->setText(s.timeBase);
    if (s.sound) toggleSound();
    if (s.music) toggleMusic();
    if (s.fullScreen) toggleFullScreen();
}

QString SettingsScreen::computerName(computer::Level level, bool czech) {
    static const char* const kEnglish[] = {"easy", "medium", "hard"};
    static const char* const kCzech[] = {"lehký", "střední", "těžký"};
    const auto i = static_cast<std::size_t>(level);
    return czech ? QStringLiteral("Počítač (%1)").arg(QString::fromUtf8(kCzech[i]))
                 : QStringLiteral("Computer (%1)").arg(QLatin1String(kEnglish[i]));
}

void SettingsScreen::showPlayers() {
    static const char* const kEnglish[] = {"PC – easy", "PC – medium", "PC – hard"};
    static const char* const kCzech[] = {"PC – lehký", "PC – střední", "PC – těžký"};
    const bool czech = host_.isCzech();
    for (Player side : {Player::owl(), Player::fox()}) {
        const auto level = players_.computerLevel(side.number());
        playerSwitch(side).setText(
            !level ? (czech ? QStringLiteral("Člověk") : QStringLiteral("Person"))
                   : QString::fromUtf8((czech ? kCzech : kEnglish)[static_cast<std::size_t>(*level)]));
    }
}

void SettingsScreen::applyPlayers(const PlayerSetup& players) {
    players_ = players;
    showPlayers();
}

void SettingsScreen::cyclePlayer(Player side) {
    const auto level = players_.computerLevel(side.number());
    if (!level)
        players_.setComputer(side.number(), computer::Level::Easy);
    else if (*level == computer::Level::Hard)
        players_.setPerson(side.number());
    else
        players_.setComputer(side.number(), static_cast<computer::Level>(static_cast<int>(*level) + 1));
    showPlayers();
}

void SettingsScreen::toggleSound() {
    flip(sound_);
    host_.sounds().setEffectsOn(isSoundOn());
}

void SettingsScreen::toggleMusic() {
    flip(music_);
    host_.sounds().switchMusic(isMusicOn());
}

void SettingsScreen::toggleFullScreen() {
    flip(fullScreen_);
    host_.platform().setFullScreen(host_.widget(), isFullScreenOn());
}
