#include "settingsscreen.h"

#include "canvas.h"
#include "fonts.h"
#include "match.h"
#include "platform.h"
#include "screenhost.h"
#include "settingscontrols.h"
#include "sounds.h"

#include <QLineEdit>

namespace {
struct Place {
    int x, y, w, h;
};
// The fields and buttons are a little taller than their caption lines, centred on them.
constexpr Place kName1{525, 128, 240, 27}, kName2{525, 178, 240, 27}, kTimeBase{640, 228, 90, 27};
// Toggles take their focus ring inside their own area.
constexpr Place kSound{717, 327, 50, 30}, kMusic{717, 377, 50, 30}, kFullScreen{717, 477, 50, 30};
// Who plays: the owl's side (the first name) and the fox's, in the free row under the time limit.
constexpr Place kOwlPlayer{524, 288, 120, 30}, kFoxPlayer{647, 288, 120, 30};

struct Caption {
    int x, y;
    const char* text;
    int end; // the label column ends here, clear of the control beside it
};
constexpr int kGap = 12;
constexpr Caption kCaptions[] = {
    {350, 130, QT_TRANSLATE_NOOP("SettingsScreen", "1st player name:"), kName1.x - kGap},
    {350, 180, QT_TRANSLATE_NOOP("SettingsScreen", "2nd player name:"), kName2.x - kGap},
    {350, 230, QT_TRANSLATE_NOOP("SettingsScreen", "Base of the time limit:"), kTimeBase.x - kGap},
    {735, 230, QT_TRANSLATE_NOOP("SettingsScreen", "ms"), 790},
    {350, 292, QT_TRANSLATE_NOOP("SettingsScreen", "Who plays (1st, 2nd):"), kOwlPlayer.x - kGap + 1},
    {350, 330, QT_TRANSLATE_NOOP("SettingsScreen", "Sound effects:"), kSound.x - kGap},
    {350, 380, QT_TRANSLATE_NOOP("SettingsScreen", "Music:"), kMusic.x - kGap},
    {350, 480, QT_TRANSLATE_NOOP("SettingsScreen", "Fullscreen:"), kFullScreen.x - kGap},
};
// The keys that work everywhere, in the band between the sound switches and full screen: two to a line.
struct KeyHint {
    const char* key;
    const char* text;
};
constexpr KeyHint kKeyHints[] = {
    {"F11", QT_TRANSLATE_NOOP("SettingsScreen", "full screen")},
    {"Ctrl + / Ctrl −", QT_TRANSLATE_NOOP("SettingsScreen", "window size")},
    {"Esc", QT_TRANSLATE_NOOP("SettingsScreen", "back to the menu")},
    {"Ctrl + Q", QT_TRANSLATE_NOOP("SettingsScreen", "quit")},
};
} // namespace

SettingsScreen::SettingsScreen(ScreenHost& host) : host_(host) {
    const QFont boxFont = fonts::windowFont(14.25, true);
    auto makeBox = [&](const Place& c, const QString& text) {
        auto* t = new QLineEdit(text, &host.widget());
        t->setGeometry(c.x, c.y, c.w, c.h);
        t->setFont(boxFont);
        // Rounded and padded, the focus in the game's gold.
        t->setStyleSheet(QStringLiteral(
            "QLineEdit { background: white; color: rgb(6, 125, 195); border: 2px solid rgb(110, 125, 190);"
            " border-radius: 8px; padding: 0px 6px; selection-background-color: rgb(37, 172, 242);"
            " selection-color: white; }"
            "QLineEdit:focus { border: 2px solid rgb(255, 214, 64); }"));
        t->hide();
        return t;
    };
    const settingsfile::Settings defaults;
    name1_ = makeBox(kName1, defaults.name1);
    name2_ = makeBox(kName2, defaults.name2);
    timeBase_ = makeBox(kTimeBase, QStringLiteral("10000"));
    auto makeSwitch = [&](const Place& c) {
        auto* t = new ToggleSwitch(&host.widget());
        t->setGeometry(c.x, c.y, c.w, c.h);
        t->hide();
        return t;
    };
    sound_ = makeSwitch(kSound);
    music_ = makeSwitch(kMusic);
    fullScreen_ = makeSwitch(kFullScreen);
    auto makeStep = [&](const Place& c) {
        auto* b = new StepButton(&host.widget());
        b->setGeometry(c.x, c.y, c.w, c.h);
        b->setFont(fonts::windowFont(11, true));
        b->hide();
        return b;
    };
    owlPlayer_ = makeStep(kOwlPlayer);
    foxPlayer_ = makeStep(kFoxPlayer);
    QObject::connect(owlPlayer_, &QAbstractButton::clicked, &host.widget(),
                     [this] { cyclePlayer(Player::owl()); });
    QObject::connect(foxPlayer_, &QAbstractButton::clicked, &host.widget(),
                     [this] { cyclePlayer(Player::fox()); });
    // A click has switched the toggle already: what follows is what the new state does.
    QObject::connect(sound_, &QAbstractButton::clicked, &host.widget(), [this] { applySound(); });
    QObject::connect(music_, &QAbstractButton::clicked, &host.widget(), [this] { applyMusic(); });
    QObject::connect(fullScreen_, &QAbstractButton::clicked, &host.widget(), [this] { applyFullScreen(); });
    const auto order = controls();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

std::array<QWidget*, 8> SettingsScreen::controls() const {
    return {name1_, name2_, timeBase_, owlPlayer_, foxPlayer_, sound_, music_, fullScreen_};
}

void SettingsScreen::focusNext(bool forward) {
    const auto order = controls();
    const auto n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[static_cast<std::size_t>(i)]->hasFocus()) at = i;
    const int next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    order[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void SettingsScreen::finishEditing() {
    const settingsfile::Settings defaults;
    if (name1_->text().trimmed().isEmpty()) name1_->setText(defaults.name1);
    if (name2_->text().trimmed().isEmpty()) name2_->setText(defaults.name2);
}

void SettingsScreen::show() {
    showPlayers(); // in the interface language
    for (QWidget* c : controls())
        c->show();
    name1_->setFocus(Qt::OtherFocusReason);
    host_.match().showSettings();
    host_.refresh();
}

void SettingsScreen::paint(Canvas& s) const {
    s.draw(HelpBackground, 0, 0, 800, 600);
    s.setTextColour(QColor(255, 255, 255));
    s.setTextBold(false);
    for (const Caption& c : kCaptions) {
        s.setTextSize(14);
        const QString text = s.fitText(tr(c.text), c.end - c.x, 10.5);
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
        s.print(QStringLiteral("  ") + tr(h.text) + QStringLiteral("      "));
    }
    s.setTextColour(QColor(255, 255, 255));
    s.setTextSize(12);
    s.setTextPosition(350, 260);
    s.print(tr("(real time limit depends on the length of the question)"));
}

void SettingsScreen::hideControls() {
    for (QWidget* c : controls())
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
    return sound_->isChecked();
}
bool SettingsScreen::isMusicOn() const {
    return music_->isChecked();
}
bool SettingsScreen::isFullScreenOn() const {
    return fullScreen_->isChecked();
}

std::array<QString, 6> SettingsScreen::itemsToSave() const {
    // The switches keep the text they have always had in the file.
    const auto stored = [](bool on) { return on ? settingsfile::kOn : settingsfile::kOff; };
    return {name1_->text(),      name2_->text(),      timeBase_->text(),
            stored(isSoundOn()), stored(isMusicOn()), stored(isFullScreenOn())};
}

void SettingsScreen::apply(const settingsfile::Settings& s) {
    name1_->setText(s.name1);
    name2_->setText(s.name2);
    timeBase_->setText(s.timeBase);
    if (s.sound) toggleSound();
    if (s.music) toggleMusic();
    if (s.fullScreen) toggleFullScreen();
}

QString SettingsScreen::computerName(computer::Level level) {
    static const char* const kNames[] = {QT_TR_NOOP("Computer (easy)"), QT_TR_NOOP("Computer (medium)"),
                                         QT_TR_NOOP("Computer (hard)")};
    return tr(kNames[static_cast<std::size_t>(level)]);
}

void SettingsScreen::showPlayers() {
    static const char* const kLevels[] = {QT_TR_NOOP("PC – easy"), QT_TR_NOOP("PC – medium"),
                                          QT_TR_NOOP("PC – hard")};
    for (Player side : {Player::owl(), Player::fox()}) {
        const auto level = players_.computerLevel(side.number());
        playerSwitch(side).setText(!level ? tr("Person") : tr(kLevels[static_cast<std::size_t>(*level)]));
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
    sound_->toggle();
    applySound();
}

void SettingsScreen::toggleMusic() {
    music_->toggle();
    applyMusic();
}

void SettingsScreen::toggleFullScreen() {
    fullScreen_->toggle();
    applyFullScreen();
}

void SettingsScreen::applySound() {
    host_.sounds().setEffectsOn(isSoundOn());
}

void SettingsScreen::applyMusic() {
    host_.sounds().switchMusic(isMusicOn());
}

void SettingsScreen::applyFullScreen() {
    host_.platform().setFullScreen(host_.widget(), isFullScreenOn());
}
