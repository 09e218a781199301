#include "gamewindow.h"

#include "canvas.h"
#include "fonts.h"
#include "language.h"
#include "platform.h"
#include "random.h"
#include "settingscontrols.h"
#include "settingsfile.h"
#include "textcodec.h"
#include "zoomsteps.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
int buttonBits(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}
int modifierBits(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

// A text in the interface language for the player, or in English for stderr.
QString say(bool forPlayer, const char* text) {
    return forPlayer ? GameWindow::tr(text) : QString::fromUtf8(text);
}

// Qt reports a folder that could not be created as "No such file or directory" and a read-only file in
// English only: say what the player can mend.
QString fileWriteFailureCause(const QString& path, const QString& qtError, bool forPlayer) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        QFileInfo existing = folder;
        while (!existing.exists() && !existing.isRoot())
            existing = QFileInfo(existing.absolutePath());
        if (existing.isDir() && existing.isWritable()) return qtError;
        const QString name = QDir::toNativeSeparators(folder.absoluteFilePath());
        return say(forPlayer,
                   QT_TRANSLATE_NOOP("GameWindow", "the folder %1 cannot be created (permission denied)"))
            .arg(name);
    }
    if (file.isDir()) return say(forPlayer, QT_TRANSLATE_NOOP("GameWindow", "a folder stands in its place"));
    if (!folder.isWritable())
        return say(forPlayer,
                   QT_TRANSLATE_NOOP("GameWindow", "permission denied: the folder is not writable"));
    if (file.exists() && !file.isWritable())
        return say(forPlayer, QT_TRANSLATE_NOOP("GameWindow", "permission denied: the file is read-only"));
    return qtError;
}

QString fileReadFailureCause(const QString& path, const QString& qtError) {
    const QFileInfo file(path);
    if (file.isDir()) return GameWindow::tr("a folder stands in its place");
    if (!file.isReadable()) return GameWindow::tr("permission denied: the file is not readable");
    return qtError;
}
} // namespace

GameWindow::GameWindow(Platform& platform, const QString& programFolder, QWidget* parent)
    : QWidget(parent), platform_(platform), folder_(programFolder),
      profile_(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), false),
      sounds_(platform, programFolder), animation_(platform, *this),
      computer_(QRandomGenerator::global()->generate64()), menu_(*this), help_(*this), settings_(*this),
      setup_(*this), boardView_(*this), questionPanel_(*this), back_(*this) {
    setWindowTitle(QStringLiteral("TamvelKvíz"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(800, 600);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus); // the game is played from the keyboard too
    connect(&computer_, &ComputerTurn::cellChosen, this, [this](Cell cell) {
        if (isComputerOnTurn() && match_.screen() == Screen::Board && !animation_.isPlaying()) dealFor(cell);
    });
    connect(&computer_, &ComputerTurn::answerChosen, this, [this](int slot) {
        if (isComputerOnTurn() && match_.screen() == Screen::Question) questionPanel_.answerAsComputer(slot);
    });
}

QString GameWindow::nameOf(Player p) const {
    const QString name = p.isOwl() ? settings_.name1() : settings_.name2();
    const auto level = settings_.players().computerLevel(p.number());
    const settingsfile::Settings defaults;
    const QString unnamed = p.isOwl() ? defaults.name1 : defaults.name2;
    if (level && (name.trimmed().isEmpty() || name == unnamed)) return SettingsScreen::computerName(*level);
    return name;
}

bool GameWindow::isComputerOnTurn() const {
    return match_.isInGame() && match_.screen() != Screen::Winner &&
           settings_.players().isComputer(match_.playerOnTurn().number());
}

void GameWindow::showWhoseTurn() {
    // While the computer plays, the pointer says so; its clicks do nothing.
    setCursor(isComputerOnTurn() ? Qt::BusyCursor : Qt::ArrowCursor);
}

void GameWindow::beginTurn() {
    showWhoseTurn();
    if (!isComputerOnTurn() || match_.screen() != Screen::Board) return;
    // A highlight the person left would stay frozen while the computer plays.
    if (!(boardView_.hoveredCell() == Cell{})) {
        refresh(BoardView::cellArea(boardView_.hoveredCell()));
        boardView_.forgetHover();
    }
    const Player p = match_.playerOnTurn();
    computer_.chooseCell(match_.cells(), p.number(), *settings_.players().computerLevel(p.number()));
}

void GameWindow::questionShown() {
    if (!isComputerOnTurn()) return;
    const Player p = match_.playerOnTurn();
    const int limit =
        match_.clockPeriod() > 0 ? static_cast<int>(match_.clockPeriod() * match_.timeLeft()) : 0;
    computer_.answerQuestion(match_.question().rightSlot, *settings_.players().computerLevel(p.number()),
                             limit);
}

GameWindow::~GameWindow() = default;

void GameWindow::setInstalled(bool installed) {
    profile_ = Profile(folder_, profile_.configFolder(), installed);
}

void GameWindow::paintScreen(Canvas& c) const {
    switch (match_.screen()) {
    case Screen::Splash:
        c.drawImage(QRectF(0, 0, 800, 600), pictures_.splash());
        break;
    case Screen::Menu:
        menu_.paint(c);
        break;
    case Screen::Help:
        help_.paint(c);
        back_.paint(c);
        break;
    case Screen::Settings:
        settings_.paint(c);
        back_.paint(c);
        break;
    case Screen::Setup:
        setup_.paint(c);
        back_.paint(c);
        break;
    case Screen::Board:
    case Screen::Question:
    case Screen::Winner:
        if (boardView_.isOpening()) {
            // The game's background opens over the screen it was started from.
            if (openedFrom_ == Screen::Setup)
                setup_.paint(c);
            else
                menu_.paint(c);
            boardView_.paintOpening(c);
            break;
        }
        boardView_.paintBoard(c);
        questionPanel_.paint(c);
        boardView_.paintFront(c);
        break;
    }
}

QImage GameWindow::frame(double scale) {
    QImage image = Canvas::blankFrame(scale);
    pictures_.useScale(scale);
    QPainter p(&image);
    paint(p);
    return image;
}

void GameWindow::paint(QPainter& p) {
    Canvas c(p, pictures_);
    paintScreen(c);
    if (closeLit_) {
        // A warm ring around the control, as the menu's items light up.
        const QPointF centre = QRectF(closecontrol::kArea).center();
        QRadialGradient glow(centre, 19);
        glow.setColorAt(0, QColor(255, 255, 255, 60));
        glow.setColorAt(0.62, QColor(255, 255, 255, 40));
        glow.setColorAt(0.7, QColor(255, 220, 90, 230));
        glow.setColorAt(1, QColor(255, 200, 60, 0));
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, 19, 19);
        p.restore();
    }
    if (dialogs_.empty()) return;
    for (const CoveredControl& covered : covered_)
        if (covered.control) c.drawImage(QRectF(covered.control->geometry()), covered.look);
    for (const auto& dialog : dialogs_)
        dialog->paint(c);
}

void GameWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    // The screen is painted at the resolution it is shown at: the screen's pixel ratio, times the
    // scale of the view that shows the window in full screen or at a zoom step.
    const QTransform toDevice = p.deviceTransform();
    const double scale = std::hypot(toDevice.m11(), toDevice.m12());
    pictures_.useScale(scale);
    QRect area = e->rect();
    if (frame_.isNull() || std::abs(frame_.devicePixelRatio() - scale) > 1e-9) {
        frame_ = QImage(); // the old frame goes first: at a large scale the two would not fit side by side
        frame_ = Canvas::blankFrame(scale);
        area = rect();
    }
    {
        QPainter onFrame(&frame_);
        // A pixel more on each side: at a fractional scale the edge pixels are shared.
        onFrame.setClipRect(area.adjusted(-1, -1, 1, 1) & rect());
        paint(onFrame);
    }
    const QImage& image = frame_;
    if (toDevice.type() <= QTransform::TxScale) {
        // The image has the device's own pixels: copy them at a whole-pixel offset. Where the window
        // starts between device pixels (a desktop scale of 125 %), drawing through the scale would
        // resample them all, soft.
        const QPointF origin = toDevice.map(QPointF(0, 0));
        const QTransform onDevice = QTransform::fromTranslate(std::round(origin.x()), std::round(origin.y()));
        p.setWorldTransform(onDevice * toDevice.inverted() * p.worldTransform());
        p.drawImage(QRectF(0, 0, image.width(), image.height()), image, QRectF(image.rect()));
    } else {
        p.drawImage(QRectF(0, 0, 800, 600), image);
    }
}

void GameWindow::mouseMoveEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    handlePointer({buttonBits(e->buttons()), modifierBits(e->modifiers()),
                   static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y()))});
}

void GameWindow::mousePressEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    // A press counts as a click of its button whatever keys are held.
    handlePointer({buttonBits(e->button()), 1, static_cast<int>(std::floor(pos.x())),
                   static_cast<int>(std::floor(pos.y()))});
}

void GameWindow::closeEvent(QCloseEvent* e) {
    unload();
    e->accept();
}

void GameWindow::refresh(const QRectF& area) {
    platform_.refresh(*this, area.isEmpty() ? rect() : area.toAlignedRect() & rect());
}

void GameWindow::applyStoredZoom() {
    zoom_ = profile_.readZoomChoice().value_or(100);
    const QSize room = platform_.screenRoom(*this);
    const int shown = zoomsteps::shown(zoom_, zoomsteps::largestFitting(room.width(), room.height()));
    if (shown != 100) platform_.setZoom(*this, shown);
}

void GameWindow::stepZoom(int direction) {
    const QSize room = platform_.screenRoom(*this);
    const int largest = zoomsteps::largestFitting(room.width(), room.height());
    const int from = zoomsteps::shown(zoom_, largest);
    const int to = direction == 0 ? 100 : zoomsteps::stepped(from, direction, largest);
    if (to == from && to == zoom_) return;
    zoom_ = to;
    platform_.setZoom(*this, to);
    // Losing it only means 100 % next time, so it is not shown.
    const QString cause = profile_.saveZoomChoice(to);
    if (!cause.isEmpty())
        std::fprintf(stderr, "%s: not saved: %s\n", qPrintable(QDir::toNativeSeparators(zoomFile())),
                     qPrintable(cause));
}

void GameWindow::readSettings() {
    const QString path = profile_.settingsFileToRead();
    const filestore::ReadResult file = profile_.readSettings();
    settingsfile::Settings s;
    if (file.isRead()) {
        s = settingsfile::read(textcodec::decode(file.bytes));
        if (!s.damagedItems.isEmpty()) reportDamagedSettings(path, s.damagedItems);
    } else if (file.hasFailed()) {
        const QString name = QDir::toNativeSeparators(path);
        showNotice(DialogKind::Error, tr("The settings cannot be read from %1: %2\n"
                                         "The game starts with the default settings.")
                                          .arg(name, fileReadFailureCause(path, file.error)));
    }
    settings_.apply(s);
    settingsAsRead_ = settings_.itemsToSave();
    settings_.applyPlayers(profile_.readPlayers());
    playersAsRead_ = settings_.players();
}

void GameWindow::reportDamagedSettings(const QString& path, const QList<int>& items) {
    static const char* const kItems[] = {
        QT_TR_NOOP("1st player name"), QT_TR_NOOP("2nd player name"), QT_TR_NOOP("base of the time limit"),
        QT_TR_NOOP("sound effects"),   QT_TR_NOOP("music"),           QT_TR_NOOP("full screen")};
    QStringList lines;
    for (int item : items)
        if (item >= 0 && item < 6) lines << tr("• line %1: %2").arg(item + 1).arg(tr(kItems[item]));
    const QString file = QDir::toNativeSeparators(path);
    showNotice(DialogKind::Warning, tr("Some lines of the settings file %1 are damaged:\n%2\n"
                                       "These settings take their default values; the others stand.")
                                        .arg(file, lines.join(u'\n')));
}

bool GameWindow::saveSettings() {
    if (settings_.players() != playersAsRead_) {
        // Losing it only means two people next time, so it is not shown.
        const QString cause = profile_.savePlayers(settings_.players());
        if (cause.isEmpty())
            playersAsRead_ = settings_.players();
        else
            std::fprintf(stderr, "%s: not saved: %s\n",
                         qPrintable(QDir::toNativeSeparators(profile_.playersFile())), qPrintable(cause));
    }
    const std::array<QString, 6> items = settings_.itemsToSave();
    // A file that could not be read keeps what it holds until the player changes a setting.
    if (!profile_.mayReplaceSettings(items != settingsAsRead_)) return true;
    const QString path = profile_.settingsFile();
    const QString error = profile_.saveSettings(settingsfile::write(items).toUtf8());
    if (error.isEmpty()) {
        settingsAsRead_ = items;
        return true;
    }
    const QString file = QDir::toNativeSeparators(path);
    if (quietFailures_) {
        std::fprintf(stderr, "The settings could not be saved to %s: %s\n", qPrintable(file),
                     qPrintable(fileWriteFailureCause(path, error, false)));
        return false;
    }
    showNotice(
        DialogKind::Error,
        tr("The settings could not be saved to %1: %2").arg(file, fileWriteFailureCause(path, error, true)));
    return false;
}

void GameWindow::rememberDealt(const Question& q) {
    if (q.text.isEmpty()) return;
    seen_.rememberDealt(questionTextHash(q.text.toUtf8()), isEnglishQuestion(q.text), deck_);
    // Losing it only means repeats, so a failure is not shown.
    const QString cause = profile_.saveSeenQuestions(seen_);
    if (!cause.isEmpty())
        std::fprintf(stderr, "%s: not saved: %s\n", qPrintable(QDir::toNativeSeparators(seenQuestionsFile())),
                     qPrintable(cause));
}

bool GameWindow::load() {
    rnd::randomize();
    czech_ = QFileInfo(profile_.languageMarker()).isFile();
    language::useCzech(czech_);
    readSettings();
    // The window may be closed under a notice of the start-up: the program then ends.
    if (unloaded_) return true;

    const QString qPath = profile_.questionFile();
    const filestore::ReadResult questions = filestore::readRegularFile(qPath);
    if (!questions.isRead()) {
        // A pipe or a device in its place would block start-up for ever.
        const QString cause = questions.status == filestore::ReadResult::Status::Missing
                                  ? QStringLiteral("No such file or directory")
                              : QFileInfo(qPath).isDir() || QFileInfo(qPath).isFile()
                                  ? questions.error
                                  : tr("it is not a regular file");
        platform_.showError(this,
                            tr("The question file %1 cannot be read: %2\nTamvelKvíz cannot start without it.")
                                .arg(QDir::toNativeSeparators(qPath), cause));
        return false;
    }
    const QString file = QDir::toNativeSeparators(qPath);
    const LoadReport loaded = deck_.loadFile(questions.bytes);
    seen_ = profile_.readSeenQuestions();
    deck_.putUnseenFirst(seen_.isSeen());
    if (deck_.isEmpty()) {
        const auto skipped = static_cast<qsizetype>(loaded.skipped.size());
        // The game still runs, but every question would be blank: say why.
        showNotice(DialogKind::Warning,
                   tr("The question file %1 holds no usable question (lines skipped: %2).\n"
                      "Questions will be blank; mend the file, for example with "
                      "tamvelkviz-check.")
                       .arg(file)
                       .arg(skipped));
    }
    // A deck without a question has said why already.
    reportQuestionLines(file, loaded, !deck_.isEmpty());
    if (unloaded_) return true;
    setInDeck_ = qPath;
    reportedSets_.insert(qPath);

    pictures_.open(folder_ + QStringLiteral("/graphics"));
    reportPictureProblems(pictures_.problems());
    if (unloaded_) return true;
    writeLanguageMarker();
    returnToMenu();
    rnd::randomize();
    return true;
}

void GameWindow::reportQuestionLines(const QString& file, const LoadReport& loaded, bool showDialog) {
    for (const auto& issue : loaded.skipped)
        std::fprintf(stderr, "%s:%d: line skipped: %s\n", qPrintable(file), issue.line,
                     qPrintable(issue.reason));
    for (int line : loaded.decoding.fallbackLines)
        std::fprintf(stderr, "%s:%d: not valid UTF-8, read as Windows-1250\n", qPrintable(file), line);
    const auto skipped = static_cast<qsizetype>(loaded.skipped.size());
    const auto fallback = static_cast<qsizetype>(loaded.decoding.fallbackLines.size());
    if (!showDialog || (skipped == 0 && fallback == 0)) return;
    QStringList parts;
    if (skipped > 0)
        parts << tr("• lines skipped (not question\\right\\wrong\\wrong\\wrong): %1").arg(skipped);
    if (fallback > 0) parts << tr("• lines not in UTF-8, read as Windows-1250: %1").arg(fallback);
    showNotice(DialogKind::Warning, tr("Some lines of the question file %1 need attention:\n%2\n"
                                       "The game goes on. The program tamvelkviz-check lists these lines "
                                       "with their numbers.")
                                        .arg(file, parts.join(u'\n')));
}

void GameWindow::reportPictureProblems(const QStringList& problems) {
    if (problems.isEmpty()) return;
    constexpr qsizetype kListed = 8;
    QStringList lines;
    for (qsizetype i = 0; i < std::min(problems.size(), kListed); ++i)
        lines << QStringLiteral("• ") + QDir::toNativeSeparators(problems[i]);
    if (problems.size() > kListed) lines << tr("• and %1 more").arg(problems.size() - kListed);
    for (const QString& p : problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(QDir::toNativeSeparators(folder_)), qPrintable(p));
    const QString message = tr("Some of the game's pictures in %1 cannot be used:\n%2\n"
                               "The game goes on without them.")
                                .arg(QDir::toNativeSeparators(folder_), lines.join(u'\n'));
    // Without its picture folder the game has no screen of its own to show a dialog over.
    if (QFileInfo(folder_ + QStringLiteral("/graphics")).isDir())
        showNotice(DialogKind::Warning, message);
    else
        platform_.showWarning(this, message);
}

void GameWindow::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // An open dialog's wait ends; its caller sees No and the program ends.
    for (const auto& dialog : dialogs_)
        dialog->dismiss();
    animation_.cancel();
    computer_.cancel();
    match_.stopClock();
    const bool saved = saveSettings();
    if (quietFailures_ && !saved) exitStatus_ = 1;
    // Out of the view at a zoom step too: the window must not be left inside a scene that dies later.
    platform_.restoreDisplay(*this);
    pictures_.close();
    sounds_.stopMusic();
    emit unloaded();
}

void GameWindow::unloadOnSignal() {
    if (unloaded_) return;
    quietFailures_ = true;
    unload();
}

void GameWindow::writeLanguageMarker() {
    const QString marker = profile_.languageMarker();
    if (!czech_) {
        if (QFileInfo(marker).isFile() && !QFile::remove(marker))
            showNotice(DialogKind::Error, tr("Cannot delete %1").arg(QDir::toNativeSeparators(marker)));
    } else {
        QFile f(marker);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            showNotice(DialogKind::Error,
                       tr("Cannot create %1: %2").arg(QDir::toNativeSeparators(marker), f.errorString()));
    }
}

void GameWindow::switchLanguage() {
    czech_ = !czech_;
    language::useCzech(czech_);
    writeLanguageMarker();
    returnToMenu();
}

void GameWindow::returnToMenu() {
    animation_.cancel();
    computer_.cancel();
    help_.hidePane();
    settings_.hideControls();
    setFocus(); // from a name box that is now hidden, back to the menu's keys
    menu_.show();
    boardView_.reset();
    questionPanel_.close();
    match_.showMenu();
    showWhoseTurn();
    refresh();
}

void GameWindow::showSetup() {
    if (!choice_) choice_ = profile_.readPlayChoice();
    setup_.show(profile_.findQuestionSets(), *choice_);
    match_.showSetup();
    refresh();
}

QString GameWindow::useQuestionSet(const QuestionSet& set) {
    if (set.path == setInDeck_) return {};
    const QuestionSetLoad load = loadQuestionSet(set, deck_);
    if (!load.isRead) return load.isMissing ? load.error : fileReadFailureCause(set.path, load.error);
    setInDeck_ = set.path;
    deck_.putUnseenFirst(seen_.isSeen());
    const bool firstTime = !reportedSets_.contains(set.path);
    reportedSets_.insert(set.path);
    reportQuestionLines(QDir::toNativeSeparators(set.path), load.report, firstTime);
    return {};
}

void GameWindow::rememberChoice(const PlayChoice& choice) {
    if (choice_ == choice) return;
    choice_ = choice;
    // Losing it only means the default choice next time, so it is not shown.
    const QString cause = profile_.savePlayChoice(choice);
    if (!cause.isEmpty())
        std::fprintf(stderr, "%s: not saved: %s\n",
                     qPrintable(QDir::toNativeSeparators(profile_.choiceFile())), qPrintable(cause));
}

void GameWindow::playChoice(const PlayChoice& choice) {
    rememberChoice(choice);
    deck_.select(choice.filter);
    // A new selection deals from its front: the questions seen meanwhile go behind.
    deck_.putUnseenFirst(seen_.isSeen());
    startGame();
}

void GameWindow::startGame() {
    // Names are changed in the settings, between games: the score belongs to the names it was won under.
    match_.followPlayerNames(settings_.name1(), settings_.name2());
    openedFrom_ = match_.screen();
    match_.startGame();
    boardView_.startGame([this] { beginTurn(); });
}

void GameWindow::playAgain() {
    sounds_.playEffect(QStringLiteral("select"));
    // The match keeps the loser on turn; no opening, as the board is already shown.
    match_.startGame();
    boardView_.reset();
    refresh();
    beginTurn();
}

void GameWindow::dealFor(Cell cell) {
    sounds_.playEffect(QStringLiteral("select2"));
    match_.chooseCell(cell, deck_, !czech_);
    rememberDealt(match_.question());
    boardView_.zoomInto(cell, [this] { questionPanel_.open(); });
}

void GameWindow::resolveAnswer(int slot) {
    const Capture capture = match_.answer(slot);
    boardView_.animateCapture(capture, slot, [this, cell = capture.cell] {
        questionPanel_.close();
        refresh();
        checkWinnerAt(cell);
        beginTurn();
    });
}

void GameWindow::checkWinnerAt(Cell cell) {
    if (match_.checkWinner(cell)) boardView_.showWinner();
}

bool GameWindow::askYesNo(const QString& prompt) {
    // Time spent reading the question is not time to answer: the clock goes on from where it stood.
    match_.pauseClock();
    computer_.pause();
    const bool yes = runDialog(DialogKind::Question, prompt);
    if (!unloaded_) { // a Yes stops them, or ends the program
        match_.resumeClock();
        computer_.resume();
    }
    return yes;
}

bool GameWindow::runDialog(DialogKind kind, const QString& text) {
    DialogAnswer answer;
    if (dialogs_.empty()) {
        coverControls();
        closeLit_ = false;
        setCursor(Qt::ArrowCursor); // the computer's busy pointer is not the dialog's
    }
    dialogs_.push_back(std::make_unique<GameDialog>(kind, text, answer));
    refresh();
    platform_.waitForAnswer(*this, kind, text, answer);
    // Waits end innermost first, so this dialog is the last one. Without an answer the program ends.
    dialogs_.pop_back();
    if (dialogs_.empty()) {
        uncoverControls();
        showWhoseTurn();
    }
    refresh();
    return answer.isYes();
}

void GameWindow::coverControls() {
    const double scale = frame_.isNull() ? 1 : frame_.devicePixelRatio();
    focusBeforeDialog_ = focusWidget();
    for (QObject* child : children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || !control->isVisible() || !rect().intersects(control->geometry())) continue;
        // Drawn at the scale the window is shown at, so the picture is as sharp as the control.
        QImage look(QSize(qCeil(control->width() * scale), qCeil(control->height() * scale)),
                    QImage::Format_ARGB32_Premultiplied);
        look.setDevicePixelRatio(scale);
        look.fill(Qt::transparent);
        control->render(&look);
        covered_.push_back({control, look});
        control->hide();
    }
    setFocus(); // the dialog's keys come to the window, never to a name box
}

void GameWindow::uncoverControls() {
    for (const CoveredControl& covered : covered_)
        if (covered.control) covered.control->show();
    covered_.clear();
    if (focusBeforeDialog_ && focusBeforeDialog_->isVisible()) focusBeforeDialog_->setFocus();
    focusBeforeDialog_ = nullptr;
}

// The winner screen returns at once; a game in progress asks first.
bool GameWindow::askToEndGame() {
    const bool yes = match_.screen() == Screen::Winner ||
                     askYesNo(tr("Do you want to end the game and return to the main menu?"));
    if (!yes) return false;
    returnToMenu();
    match_.stopClock();
    return true;
}

void GameWindow::lightCloseControl(const Pointer& p) {
    const Screen s = match_.screen();
    const bool shown =
        s == Screen::Menu || s == Screen::Board || s == Screen::Question || s == Screen::Winner;
    const bool lit = shown && closecontrol::isHit(p.x, p.y);
    if (lit == closeLit_) return;
    closeLit_ = lit;
    refresh(QRectF(closecontrol::kArea).adjusted(-6, -6, 6, 6));
}

bool GameWindow::handleCloseControl(const Pointer& p) {
    if (!match_.isInGame() || !p.clicks() || !closecontrol::isHit(p.x, p.y)) return false;
    return askToEndGame();
}

void GameWindow::leaveHelpOrSettings() {
    sounds_.playEffect(QStringLiteral("select"));
    // Leaving the settings keeps them even if the program never reaches its normal end.
    if (match_.screen() == Screen::Settings) {
        settings_.finishEditing();
        saveSettings();
    }
    if (match_.screen() == Screen::Setup) rememberChoice(setup_.choice());
    returnToMenu();
}

bool GameWindow::event(QEvent* e) {
    // Tab moves the light over drawn controls (the menu's items, a dialog's buttons) rather than the
    // focus over hidden widgets, which would take the game's keys away; only the settings have
    // boxes of their own to move between.
    const bool drawnControls = !dialogs_.empty() || match_.screen() != Screen::Settings;
    if (e->type() == QEvent::KeyPress && drawnControls) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            handleKey(k->key(), k->modifiers());
            return true;
        }
    }
    return QWidget::event(e);
}

bool GameWindow::focusNextPrevChild(bool next) {
    // On the settings, Tab goes round their controls alone, never to a hidden one or the window.
    if (match_.screen() == Screen::Settings) {
        settings_.focusNext(next);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void GameWindow::keyPressEvent(QKeyEvent* e) {
    if (!handleKey(e->key(), e->modifiers())) QWidget::keyPressEvent(e);
}

bool GameWindow::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool dialogOpen = !dialogs_.empty();
    if (unloaded_ || (match_.screen() == Screen::Splash && !dialogOpen)) {
        // Closing down, a failure to save may still be said: its dialog takes the keys.
        if (dialogOpen) refresh(dialogs_.back()->handleKey(key));
        return dialogOpen;
    }
    // The window's own keys act under a dialog too; a display switch waits until it closes.
    if (key == Qt::Key_F11) {
        settings_.toggleFullScreen();
        return true;
    }
    if (key == Qt::Key_Q && (modifiers & Qt::ControlModifier)) {
        if (!dialogOpen) {
            menu_.askToQuit();
            return true;
        }
        // Asked twice, or over another question: the game ends, the open dialogs answered No.
        for (const auto& dialog : dialogs_)
            dialog->dismiss();
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return true;
    }
    // Plus sits on the = key of many keyboards; full screen already fills the screen.
    const bool zoomKey =
        key == Qt::Key_Plus || key == Qt::Key_Equal || key == Qt::Key_Minus || key == Qt::Key_0;
    if (zoomKey && (modifiers & Qt::ControlModifier)) {
        if (!settings_.isFullScreenOn()) stepZoom(key == Qt::Key_0 ? 0 : key == Qt::Key_Minus ? -1 : 1);
        return true;
    }
    if (dialogOpen) {
        // Every other key is the dialog's, or dropped.
        const QRectF changed = dialogs_.back()->handleKey(key);
        if (!changed.isEmpty()) refresh(changed);
        return true;
    }
    if (key == Qt::Key_Escape) {
        switch (match_.screen()) {
        case Screen::Menu:
            menu_.askToQuit();
            break;
        case Screen::Help:
        case Screen::Settings:
        case Screen::Setup:
            leaveHelpOrSettings();
            break;
        case Screen::Board:
        case Screen::Question:
        case Screen::Winner:
            askToEndGame();
            break;
        case Screen::Splash:
            break;
        }
        return true;
    }
    // A game key pressed during an animation would act on the screen that comes after it; while the
    // computer plays, the keys are not the person's to use.
    if (animation_.isPlaying() || isComputerOnTurn()) return true;
    switch (match_.screen()) {
    case Screen::Menu:
        return menu_.handleKey(key);
    case Screen::Setup:
        return setup_.handleKey(key);
    case Screen::Help:
        return help_.handleKey(key);
    case Screen::Board:
        return boardView_.handleKey(key);
    case Screen::Question:
        return questionPanel_.handleKey(key);
    case Screen::Winner:
        return boardView_.handleWinnerKey(key);
    default:
        return false;
    }
}

void GameWindow::handlePointer(const Pointer& p) {
    if (!dialogs_.empty()) {
        // Only the dialog's buttons answer; the screen under it waits.
        const QRectF changed = dialogs_.back()->handlePointer(p);
        if (!changed.isEmpty()) refresh(changed);
        return;
    }
    lightCloseControl(p);
    if (handleCloseControl(p)) return;
    // A click during an animation (a double click on an answer, say) would choose on the next screen.
    if (animation_.isPlaying() || isComputerOnTurn()) return;
    switch (match_.screen()) {
    case Screen::Board:
        boardView_.handlePointer(p);
        break;
    case Screen::Question:
        questionPanel_.handlePointer(p);
        break;
    case Screen::Menu:
        menu_.handlePointer(p);
        break;
    case Screen::Help:
    case Screen::Settings:
        back_.handlePointer(p);
        break;
    case Screen::Setup:
        back_.handlePointer(p);
        if (match_.screen() == Screen::Setup) setup_.handlePointer(p); // unless the back control left
        break;
    case Screen::Winner:
        boardView_.handleWinnerPointer(p);
        break;
    case Screen::Splash:
        break;
    }
}
