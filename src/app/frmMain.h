// The game's one window: all window-level state, and the procedures of every subsystem as members.
// Each member is defined in the folder of its subsystem (board drawing in src/board, dealing in src/quiz …).
#pragma once

#include "board.h"
#include "deck.h"
#include "seenquestions.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class Platform;
class QLineEdit;
class QTextBrowser;
class ClickLabel;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // programDir is the folder with q.dat, graphics/, Sound/ and help/.
    frmMain(Platform& platform, const QString& programDir, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- start-up and shutdown (src/app)
    bool FormLoad(); // false when the program cannot start (the reason was shown)
    void Form_Unload();
    QString LP(const QString& name) const;
    void switchLng();
    QString programDir() const { return dir_; }
    QString storeDir() const; // where n.dat and the language marker are written
    // An installed game keeps its data in a shared folder: settings then always go to the user's config
    // folder.
    bool installed = false;
    bool isUnloaded() const { return unloaded_; }
    bool writeSettingsFile(); // false after a failure, which was reported
    // The memory of dealt questions, kept per user across runs.
    QString seenQuestionsFile() const;
    void rememberDealt(const Question& q);
    const Deck& deck() const { return deck_; }

    // --- drawing surface (src/media)
    void loadPictures();
    void releasePictures();
    void drawPic(int index, double x, double y, double w, double h);
    void drawPicPart(int index, double x, double y, double w, double h, double sx, double sy, double sw,
                     double sh);
    void outlineRect(QRgb argb, double x, double y, double w, double h);
    void restoreBackground(double x, double y, double w, double h); // the same rectangle of pozadi.png
    void Print(const QString& text);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    QFont windowFont() const;
    void Refresh();
    const QImage& surface() const { return surface_; }
    QPainter& graphics() { return *graphics_; }

    // --- sound and music (src/media)
    void makeSound(const QString& name);
    void switchMusic(); // the music half of Label2_Click
    QString soundDir() const;
    QStringList musicTracks() const;
    int musicNumber() const { return musicNumber_; } // the last number drawn by the music switch

    // --- screens and input (src/screens)
    void Form_MouseDown(int Button, int Shift, int X, int Y);
    void Form_MouseMove(int Button, int Shift, int X, int Y);
    void showIntro();
    void showHelp();
    void hideHelp();
    void showSett();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();

    // --- board (src/board)
    void DrawField(bool refresh);
    void DrawPole(int col, int row);
    void DrawPlayer();
    void SelectPlayer();
    void gameStart();
    void Spravne(int col, int row, bool right, int slot);
    void test(int col, int row);

    // --- question phase (src/quiz)
    void Click(int col, int row);
    void DrawVar(int side, int slot, int state);
    QString Justify(const QString& text, float width, float left, float top);
    void tmrRucicka_Timer();
    void setClockPeriod(int ms);
    void setClockEnabled(bool on);
    bool isClockEnabled() const { return clockEnabled_; }
    int clockPeriod() const { return clockPeriod_; }

    // --- window-level state
    int mode = 0;
    int player = 0;
    bool czech = false;
    board::Grid board;
    Question question;
    float timeLeft = 0;
    int hoverCol = 0, hoverRow = 0, hoverButton = 0, hoverAnswer = 0, hoverMenu = 0, hoverBack = 0;
    int chosenCol = 0, chosenRow = 0;
    float screenW = 0, screenH = 0;
    std::array<QImage, 31> img;

    // Text output state, as the window's CurrentX/CurrentY, FontSize, FontBold and ForeColor.
    float CurrentX = 0, CurrentY = 0;
    double FontSize = 11.25;
    bool FontBold = false;
    QColor ForeColor = Qt::black;

    // Controls of the settings and help screens.
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    ClickLabel* Label1;
    ClickLabel* Label2;
    ClickLabel* Label3;
    QTextBrowser* wbHelp;
    QTimer tmrRucicka;

    Platform& platform() { return platform_; }

signals:
    // Everything is saved and released: the program may end.
    void unloaded();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void menuBranch(int Button, int Shift, int X, int Y);
    void drawMenuItem(int item, bool highlighted);
    void backControl(int Button, int X, int Y);
    void boardBranch(int Button, int Shift, int X, int Y);
    void answerBranch(int Button, int Shift, int X, int Y);
    void showWinner(std::uint8_t v);
    void readSettingsFile();

    Platform& platform_;
    QString dir_;
    QImage surface_;
    std::unique_ptr<QPainter> graphics_;
    bool unloaded_ = false;
    bool clockEnabled_ = false;
    int clockPeriod_ = 60;
    int musicNumber_ = -1;
    Deck deck_;
    SeenQuestions seen_;
    friend class FrmMainProbe;
};
