#include "qtplatform.h"

#include "effectplayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QThread>
#include <QUrl>
#include <QWindow>

namespace {
// Shows the 800 x 600 game scaled to fill the screen, aspect kept; input is mapped back by the view.
class ScalingView : public QGraphicsView {
public:
    explicit ScalingView(QWidget& game) : game_(&game) {}

protected:
    void resizeEvent(QResizeEvent* e) override {
        QGraphicsView::resizeEvent(e);
        fitInView(QRectF(0, 0, 800, 600), Qt::KeepAspectRatio);
    }
    // The window manager closes the view, but it is the game that must end (and save its settings).
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (game_) QMetaObject::invokeMethod(game_, &QWidget::close, Qt::QueuedConnection);
    }

private:
    QPointer<QWidget> game_;
};
} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    if (music_) music_->stop();
    delete retiredView_; // the event loop may have ended before its deleteLater ran
    delete view_;        // still open only when the game never unloaded; it deletes the embedded game too
}

void QtPlatform::sleep(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void QtPlatform::refresh(QWidget& window) {
    window.repaint();
    // In full screen the view paints the window, so it is the view that must paint now.
    if (view_ && view_->isVisible()) view_->viewport()->repaint();
}

QWidget* QtPlatform::dialogParent(QWidget* parent) const {
    // In full screen the game lives in the view's scene; a dialog parented there would be drawn inside it.
    return view_ && view_->isVisible() ? view_.data() : parent;
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& prompt, bool czech) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("TamvelKvíz"), prompt,
                    QMessageBox::Yes | QMessageBox::No, dialogParent(parent));
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(czech ? QStringLiteral("&Ano") : QStringLiteral("&Yes"));
    box.button(QMessageBox::No)->setText(czech ? QStringLiteral("&Ne") : QStringLiteral("&No"));
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("TamvelKvíz"), message, QMessageBox::Ok,
                    dialogParent(parent));
    box.exec();
}

void QtPlatform::showWarning(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TamvelKvíz"), message, QMessageBox::Ok,
                    dialogParent(parent));
    box.exec();
}

void QtPlatform::playSound(const QString& wavPath) {
    if (!audioChecked_) {
        audioChecked_ = true;
        // Without an audio device effects never finish; the game stays silent instead.
        audioAvailable_ = !QMediaDevices::audioOutputs().isEmpty();
    }
    if (!audioAvailable_) return;
    if (!effects_) effects_ = std::make_unique<EffectPlayer>();
    effects_->play(wavPath);
}

void QtPlatform::ensureMusicPlayer() {
    if (music_) return;
    music_ = std::make_unique<QMediaPlayer>();
    musicOut_ = std::make_unique<QAudioOutput>();
    musicOut_->setVolume(0.6f);
    music_->setAudioOutput(musicOut_.get());
    music_->setLoops(QMediaPlayer::Infinite);
}

void QtPlatform::startMusic(const QString& trackPath) {
    if (trackPath.isEmpty() || !QFileInfo::exists(trackPath) || QMediaDevices::audioOutputs().isEmpty()) {
        stopMusic();
        return;
    }
    ensureMusicPlayer();
    music_->stop();
    music_->setSource(QUrl::fromLocalFile(trackPath));
    music_->play();
}

void QtPlatform::stopMusic() {
    if (music_) music_->stop();
}

void QtPlatform::loadHelpPage(QTextBrowser& pane, const QString& htmlPath) {
    pane.setSource(QUrl::fromLocalFile(htmlPath));
}

void QtPlatform::setFullScreen(QWidget& window, bool on) {
    wantFullScreen_ = on;
    if (switchPending_) return; // the pending switch reads wantFullScreen_ when it runs
    switchPending_ = true;
    QMetaObject::invokeMethod(
        &switchContext_,
        [this, target = QPointer<QWidget>(&window)] {
            switchPending_ = false;
            if (target) applyDisplayMode(*target);
        },
        Qt::QueuedConnection);
}

void QtPlatform::applyDisplayMode(QWidget& window) {
    if (wantFullScreen_)
        enterFullScreen(window);
    else
        leaveFullScreen(window, window.isVisible());
}

void QtPlatform::restoreDisplay(QWidget& window) {
    wantFullScreen_ = false;
    leaveFullScreen(window, false);
}

void QtPlatform::enterFullScreen(QWidget& window) {
    if (proxy_) return;
    auto* view = new ScalingView(window);
    auto* scene = new QGraphicsScene(0, 0, 800, 600, view);
    scene->setBackgroundBrush(Qt::black);
    view->setScene(scene);
    view->setWindowTitle(window.windowTitle());
    view->setWindowIcon(window.windowIcon());
    view->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setRenderHint(QPainter::SmoothPixmapTransform);
    view->setBackgroundBrush(Qt::black);
    view->setMouseTracking(true);
    view_ = view;
    const bool wasVisible = window.isVisible();
    window.hide();
    proxy_ = scene->addWidget(&window);
    proxy_->setPos(0, 0);
    if (wasVisible) {
        const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        view->setGeometry(screen ? screen->geometry() : QRect(0, 0, 800, 600));
        view->showFullScreen();
    }
    window.show();
    window.setFocus();
}

void QtPlatform::leaveFullScreen(QWidget& window, bool showWindow) {
    if (!proxy_) return;
    proxy_->setWidget(nullptr);
    proxy_ = nullptr;
    if (view_) {
        view_->hide();
        view_->deleteLater();
        retiredView_ = view_;
        view_ = nullptr;
    }
    window.setParent(nullptr);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        window.move(g.x() + (g.width() - 800) / 2, g.y() + (g.height() - 600) / 2);
    }
    if (showWindow) {
        window.hide(); // Qt still counts the widget as shown (it was, in the scene): show() would do nothing
        window.show();
        window.activateWindow();
    }
}
