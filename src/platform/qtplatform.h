// The program's platform layer on Qt: real sleeping, painting, dialogs, audio and full screen.
#pragma once

#include "platform.h"

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

    void sleep(int ms) override;
    void refresh(QWidget& window) override;
    bool askYesNo(QWidget* parent, const QString& prompt, bool czech) override;
    void showError(QWidget* parent, const QString& message) override;
    void showWarning(QWidget* parent, const QString& message) override;
    void playSound(const QString& wavPath) override;
    void startMusic(const QString& trackPath) override;
    void stopMusic() override;
    void loadHelpPage(QTextBrowser& pane, const QString& htmlPath) override;
    void setFullScreen(QWidget& window, bool on) override;
    void restoreDisplay(QWidget& window) override;

private:
    void ensureMusicPlayer();
    QWidget* dialogParent(QWidget* parent) const;
    void applyDisplayMode(QWidget& window);
    void enterFullScreen(QWidget& window);
    void leaveFullScreen(QWidget& window, bool showWindow);

    std::unique_ptr<EffectPlayer> effects_;
    std::unique_ptr<QMediaPlayer> music_;
    std::unique_ptr<QAudioOutput> musicOut_;
    // The full-screen view owns its scene; both die through deleteLater, never inside their own events.
    QPointer<QGraphicsView> view_;
    QPointer<QGraphicsView> retiredView_; // left, waiting for deleteLater
    QPointer<QGraphicsProxyWidget> proxy_;
    // Display switches wait for the event loop: the click that asks for one is still being delivered
    // through the very objects the switch creates or destroys.
    QObject switchContext_;
    bool wantFullScreen_ = false;
    bool switchPending_ = false;
    bool audioChecked_ = false;
    bool audioAvailable_ = false;
};
