// The program's platform layer on Qt: timers, painting, dialogs, audio, full screen and zoom.
#pragma once

#include "platform.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <memory>

class EffectPlayer;
class QMediaPlayer;
class QAudioOutput;
class QGraphicsView;
class QGraphicsScene;
class QGraphicsProxyWidget;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void after(int ms, QObject& context, std::function<void()> then) override;
    void refresh(QWidget& window, const QRect& area) override;
    void waitForAnswer(QWidget& window, DialogKind kind, const QString& text, DialogAnswer& answer) override;
    void showError(QWidget* parent, const QString& message) override;
    void showWarning(QWidget* parent, const QString& message) override;
    void playSound(const QString& wavPath) override;
    void startMusic(const QString& trackPath) override;
    void stopMusic() override;
    void loadHelpPage(QTextBrowser& pane, const QString& htmlPath) override;
    void setFullScreen(QWidget& window, bool on) override;
    void setZoom(QWidget& window, int percent) override;
    QSize screenRoom(QWidget& window) override;
    void restoreDisplay(QWidget& window) override;

    // Runs a display switch that waits for the event loop now; at start-up, before the window is
    // painted, so a zoomed window does not first appear at 100 %.
    void applyPendingDisplay(QWidget& window);
    // The top-level window that shows the game: the view in full screen and at a zoom step.
    QWidget& shownWindow(QWidget& window);

private:
    void ensureMusicPlayer();
    std::unique_ptr<QMessageBox> makeDialog(QWidget* over, QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons) const;
    int runDialog(QMessageBox& box);
    void dialogClosed();
    void scheduleDisplaySwitch(QWidget& window);
    void runPendingSwitch();
    void applyDisplayMode(QWidget& window);
    void showInView(QWidget& window, bool fullScreen);
    void leaveView(QWidget& window, bool showWindow);

    std::unique_ptr<EffectPlayer> effects_;
    std::unique_ptr<QMediaPlayer> music_;
    std::unique_ptr<QAudioOutput> musicOut_;
    // The view shows the game scaled, in full screen or at a zoom step. It owns its scene; both die
    // through deleteLater, never inside their own events.
    QPointer<QGraphicsView> view_;
    QPointer<QGraphicsView> retiredView_; // left, waiting for deleteLater
    QPointer<QGraphicsProxyWidget> proxy_;
    // Display switches wait for the event loop: the click that asks for one is still being delivered
    // through the very objects the switch creates or destroys.
    QObject switchContext_;
    QPointer<QWidget> switchTarget_;
    int dialogsOpen_ = 0;
    bool wantFullScreen_ = false;
    int zoom_ = 100;
    bool switchPending_ = false;
    bool audioChecked_ = false;
    bool audioAvailable_ = false;
};
