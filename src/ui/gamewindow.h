// The game's one window: hosts the screens, paints the one the match is on from its state, routes the
// pointer and keys to it, and starts up, switches language and shuts down. The screens paint; the match
// decides.
#pragma once

#include "animation.h"
#include "boardview.h"
#include "computerturn.h"
#include "deck.h"
#include "gamedialog.h"
#include "helpscreen.h"
#include "match.h"
#include "menuscreen.h"
#include "pictures.h"
#include "profile.h"
#include "questionpanel.h"
#include "screenhost.h"
#include "seenquestions.h"
#include "settingsscreen.h"
#include "setupscreen.h"
#include "sounds.h"

#include <QPointer>
#include <QSet>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class Platform;

class GameWindow : public QWidget, public ScreenHost {
    Q_OBJECT
public:
    // programFolder holds q.dat, graphics/, Sound/ and help/.
    GameWindow(Platform& platform, const QString& programFolder, QWidget* parent = nullptr);
    ~GameWindow() override;

    // An installed game keeps its data in a shared folder: settings then always go to the user's
    // config folder.
    void setInstalled(bool installed);

    bool load();   // false when the program cannot start (the reason was shown)
    void unload(); // saves the settings and releases everything; once
    // A quit signal: the same, but nothing waits for the player; a failure goes to stderr.
    void unloadOnSignal();
    bool isUnloaded() const { return unloaded_; }
    // The status the program ends with: 0, or 1 when a signal ended it and the settings were not saved.
    int exitStatus() const { return exitStatus_; }

    QString programFolder() const override { return folder_; }
    QString storeFolder() const { return profile_.storeFolder(); } // n.dat and the language marker
    QString seenQuestionsFile() const { return profile_.seenQuestionsFile(); }
    // The zoom step the player chose, kept in its own file in the config folder.
    QString zoomFile() const { return profile_.zoomFile(); }
    // The player's own question sets, and the choice of what to play.
    QString userSetsFolder() const { return profile_.userSetsFolder(); }
    QString choiceFile() const { return profile_.choiceFile(); }
    int zoomChoice() const { return zoom_; }
    // Reads the stored zoom step and shows the window at it (or at the largest that fits the screen).
    void applyStoredZoom();
    // Ctrl + plus / minus: one step up or down; Ctrl + 0: back to 100 %. The choice is stored.
    void stepZoom(int direction);
    bool isCzech() const override { return czech_; }
    void switchLanguage() override;
    bool saveSettings() override; // false after a failure, which was reported
    // The question is drawn over the current screen; the event loop runs until it is answered.
    bool askYesNo(const QString& prompt) override;
    // The game's own dialog in front, answered by the keys and the pointer, or none.
    const GameDialog* openDialog() const { return dialogs_.empty() ? nullptr : dialogs_.back().get(); }
    bool isCloseControlLit() const { return closeLit_; }

    Platform& platform() override { return platform_; }
    Pictures& pictures() { return pictures_; }
    // The screen as it is now, painted whole at a scale (device pixels per game pixel), or on any
    // painter set up for the game's pixels.
    QImage frame(double scale = 1);
    void paint(QPainter& p);
    // What the window has painted so far, at the scale it is shown at.
    const QImage& shownFrame() const { return frame_; }
    Match& match() override { return match_; }
    const Match& match() const { return match_; }
    const Deck& deck() const override { return deck_; }
    Sounds& sounds() override { return sounds_; }
    Animation& animation() override { return animation_; }
    QWidget& widget() override { return *this; }
    // The settings file keeps the owl's name first.
    // A side the computer plays is called so, unless the player gave it a name of its own.
    QString nameOf(Player p) const override;
    // Whether the computer plays the player on turn, in a game.
    bool isComputerOnTurn() const;
    ComputerTurn& computerTurn() { return computer_; }
    QString timeBase() const override { return settings_.timeBase(); }
    MenuScreen& menu() { return menu_; }
    HelpScreen& help() { return help_; }
    SettingsScreen& settings() { return settings_; }
    SetupScreen& setup() { return setup_; }
    BoardView& boardView() { return boardView_; }
    QuestionPanel& questionPanel() { return questionPanel_; }
    BackControl& backControl() { return back_; }

    void refresh(const QRectF& area = {}) override;
    // Back to the main menu from any screen: help and settings controls hidden, the menu drawn.
    void returnToMenu() override;
    void leaveHelpOrSettings() override;
    void showSettings() override { settings_.show(); }
    void showHelp() override { help_.show(); }
    // Starts a game, deals for a chosen cell, and ends a game: the transitions that several screens use.
    void startGame() override;
    void playAgain() override;
    void showSetup() override;
    // Deals from what the setup chose, remembered for the next time, and starts the game.
    void playChoice(const PlayChoice& choice) override;
    QString useQuestionSet(const QuestionSet& set) override;
    void dealFor(Cell cell) override;
    // The answer in a slot (0: the time ran out) captures the chosen cell; the win test follows the
    // capture animation.
    void resolveAnswer(int slot) override;
    QRectF clearOption(int slot) override {
        return questionPanel_.setOptionState(slot, OptionState::Cleared);
    }
    void questionShown() override;
    // The winner screen when the group of the cell touches all three sides.
    void checkWinnerAt(Cell cell);

    // What the pointer does on the current screen.
    void handlePointer(const Pointer& p);
    // What a key does: F11 full screen, Ctrl+Q the quit question, Ctrl + plus / minus / 0 the zoom
    // steps, Escape one step back, and the current screen's own keys. False for a key nobody uses.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

signals:
    // Everything is saved and released: the program may end.
    void unloaded();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void paintScreen(Canvas& c) const;
    // A turn begins on the board: the computer, when it plays it, looks for a cell.
    void beginTurn();
    void showWhoseTurn();
    void readSettings();
    void reportDamagedSettings(const QString& path, const QList<int>& items);
    bool readQuestions();
    void reportQuestionLines(const QString& file, const LoadReport& loaded, bool showDialog);
    void rememberChoice(const PlayChoice& choice);
    void reportPictureProblems(const QStringList& problems);
    void writeLanguageMarker();
    void rememberDealt(const Question& q);
    bool handleCloseControl(const Pointer& p);
    bool askToEndGame();
    // Shows the game's own dialog over the current screen until it is answered: true for Yes or OK.
    bool runDialog(DialogKind kind, const QString& text);
    void showNotice(DialogKind kind, const QString& text) { runDialog(kind, text); }
    // The child controls over the window's painting (the help pane, the name boxes) hide under a
    // dialog, shown there as a picture of themselves, and come back after it.
    void coverControls();
    void uncoverControls();
    void lightCloseControl(const Pointer& p);

    Platform& platform_;
    QString folder_;
    Profile profile_;
    bool czech_ = false;
    bool unloaded_ = false;
    bool quietFailures_ = false; // a signal is ending the program: no dialog may wait for the player
    int exitStatus_ = 0;
    std::array<QString, 6> settingsAsRead_; // to tell whether the player changed any
    PlayerSetup playersAsRead_;
    int zoom_ = 100;
    Pictures pictures_;
    QImage frame_; // painted at the scale shown, kept between paints so that a change paints only its area
    Match match_;
    Deck deck_;
    SeenQuestions seen_;
    Sounds sounds_;
    Animation animation_;
    ComputerTurn computer_;
    MenuScreen menu_;
    HelpScreen help_;
    SettingsScreen settings_;
    SetupScreen setup_;
    std::optional<PlayChoice> choice_; // read when the setup first opens
    QString setInDeck_;                // the path of the set the deck holds
    QSet<QString> reportedSets_;       // whose bad lines were shown
    Screen openedFrom_ = Screen::Menu; // what the game's background opens over
    BoardView boardView_;
    QuestionPanel questionPanel_;
    BackControl back_;
    std::vector<std::unique_ptr<GameDialog>> dialogs_; // the last one in front, taking the input
    struct CoveredControl {
        QPointer<QWidget> control;
        QImage look;
    };
    std::vector<CoveredControl> covered_;
    QPointer<QWidget> focusBeforeDialog_;
    bool closeLit_ = false;
};
