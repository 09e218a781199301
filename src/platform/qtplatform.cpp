#include "qtplatform.h"

#include "effectplayer.h"

#include <QPointer>
#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCloseEvent>
#include <QEventLoop>
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
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {
// Shows the 800 x 600 game scaled to fill the view, aspect kept; input is mapped back by the view.
// The scale and the margins fall on whole device pixels, so the game, which draws itself at the
// scale it is shown at, lands pixel for pixel.
class ScalingView : public QGraphicsView {
public:
    explicit ScalingView(QWidget& game) : game_(&game) {}

    void fit() {
        const double ratio = devicePixelRatioF();
        const QSizeF room = QSizeF(viewport()->size()) * ratio;
        // In 1/200 steps, at which 800 x 600 are both whole numbers.
        double scale = std::floor(std::min(room.width() / 800, room.height() / 600) * 200 + 1e-6) / 200;
        if (scale <= 0) scale = ratio;
        // The view scrolls by whole pixels of the desktop, so the margins are whole pixels of it.
        const double left = std::floor((viewport()->width() - 800 * scale / ratio) / 2);
        const double top = std::floor((viewport()->height() - 600 * scale / ratio) / 2);
        const double toScene = ratio / scale;
        setTransform(QTransform::fromScale(1 / toScene, 1 / toScene));
        setSceneRect(QRectF(-left * toScene, -top * toScene, viewport()->width() * toScene,
                            viewport()->height() * toScene));
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QGraphicsView::resizeEvent(e);
        fit();
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
    // The game window belongs to the program, never to the scene that shows it.
    if (proxy_) proxy_->setWidget(nullptr);
    delete retiredView_; // the event loop may have ended before its deleteLater ran
    delete view_;
}

void QtPlatform::after(int ms, QObject& context, std::function<void()> then) {
    QTimer::singleShot(std::max(ms, 0), Qt::PreciseTimer, &context, std::move(then));
}

void QtPlatform::refresh(QWidget& window, const QRect& area) {
    if (area.isEmpty()) return;
    // In the view it is the view that paints the window, scaled: the area as it shows there.
    if (view_ && view_->isVisible() && proxy_) {
        const QRect shown = view_->mapFromScene(QRectF(area)).boundingRect().adjusted(-1, -1, 1, 1);
        view_->viewport()->update(shown);
    } else {
        window.update(area);
    }
}

std::unique_ptr<QMessageBox> QtPlatform::makeDialog(QWidget* over, QMessageBox::Icon icon,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons) const {
    // No parent: the view a dialog would sit on may be replaced while the dialog is open, and a parent
    // deletes its children. The window it belongs to is its transient parent instead.
    auto box = std::make_unique<QMessageBox>(icon, QStringLiteral("TamvelKvíz"), text, buttons);
    box->setWindowModality(Qt::ApplicationModal);
    QWidget* shown = view_ && view_->isVisible() ? view_.data() : over ? over->window() : nullptr;
    box->winId();
    if (shown && shown->windowHandle() && box->windowHandle())
        box->windowHandle()->setTransientParent(shown->windowHandle());
    return box;
}

int QtPlatform::runDialog(QMessageBox& box) {
    ++dialogsOpen_;
    const int result = box.exec();
    dialogClosed();
    return result;
}

void QtPlatform::dialogClosed() {
    // A display switch asked for meanwhile waited, so the window under the dialog stayed put.
    if (--dialogsOpen_ == 0 && switchPending_)
        QMetaObject::invokeMethod(
            &switchContext_, [this] { runPendingSwitch(); }, Qt::QueuedConnection);
}

void QtPlatform::waitForAnswer(QWidget&, DialogKind, const QString&, DialogAnswer& answer) {
    if (answer.isGiven()) return;
    // As QDialog::exec does; the program's end (QCoreApplication::exit) ends this loop too.
    QEventLoop loop;
    answer.setOnGiven([&loop] { loop.quit(); });
    ++dialogsOpen_;
    loop.exec();
    answer.setOnGiven({});
    dialogClosed();
}

void QtPlatform::showError(QWidget* parent, const QString& message) {
    runDialog(*makeDialog(parent, QMessageBox::Critical, message, QMessageBox::Ok));
}

void QtPlatform::showWarning(QWidget* parent, const QString& message) {
    runDialog(*makeDialog(parent, QMessageBox::Warning, message, QMessageBox::Ok));
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
    scheduleDisplaySwitch(window);
}

void QtPlatform::setZoom(QWidget& window, int percent) {
    zoom_ = percent;
    scheduleDisplaySwitch(window);
}

QSize QtPlatform::screenRoom(QWidget& window) {
    const QScreen* screen = shownWindow(window).screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(800, 600);
}

QWidget& QtPlatform::shownWindow(QWidget& window) {
    return view_ && proxy_ ? *view_ : window;
}

void QtPlatform::applyPendingDisplay(QWidget& window) {
    if (!switchPending_) return;
    switchPending_ = false;
    applyDisplayMode(window);
}

void QtPlatform::scheduleDisplaySwitch(QWidget& window) {
    switchTarget_ = &window;
    if (switchPending_) return; // the pending switch reads the wanted mode when it runs
    switchPending_ = true;
    QMetaObject::invokeMethod(
        &switchContext_, [this] { runPendingSwitch(); }, Qt::QueuedConnection);
}

void QtPlatform::runPendingSwitch() {
    // Already applied at start-up, or a dialog is open: its end runs the switch.
    if (!switchPending_ || dialogsOpen_ > 0) return;
    switchPending_ = false;
    if (switchTarget_) applyDisplayMode(*switchTarget_);
}

void QtPlatform::applyDisplayMode(QWidget& window) {
    // A field or switch that had the keyboard keeps it across the switch.
    const QPointer<QWidget> focused = window.focusWidget();
    if (wantFullScreen_ || zoom_ > 100)
        showInView(window, wantFullScreen_);
    else
        leaveView(window, window.isVisible() || (view_ && view_->isVisible()));
    if (focused && focused != &window && focused->isVisible()) focused->setFocus(Qt::OtherFocusReason);
}

void QtPlatform::restoreDisplay(QWidget& window) {
    wantFullScreen_ = false;
    leaveView(window, false);
}

void QtPlatform::showInView(QWidget& window, bool fullScreen) {
    const bool wasVisible = window.isVisible() || (view_ && view_->isVisible());
    if (!proxy_) {
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
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->setBackgroundBrush(Qt::black);
        view->setMouseTracking(true);
        view_ = view;
        window.hide();
        proxy_ = scene->addWidget(&window);
        proxy_->setPos(0, 0);
    }
    auto* view = static_cast<ScalingView*>(view_.data());
    const QScreen* screen = view->screen() ? view->screen() : QGuiApplication::primaryScreen();
    if (fullScreen) {
        view->setMinimumSize(0, 0);
        view->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        view->setGeometry(screen ? screen->geometry() : QRect(0, 0, 800, 600));
        if (wasVisible) view->showFullScreen();
    } else {
        if (view->isFullScreen()) view->showNormal();
        const QSize size(800 * zoom_ / 100, 600 * zoom_ / 100);
        const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
        view->setFixedSize(size);
        view->move(room.x() + (room.width() - size.width()) / 2,
                   room.y() + (room.height() - size.height()) / 2);
        if (wasVisible) view->show();
    }
    view->fit();
    window.show();
    window.setFocus();
}

void QtPlatform::leaveView(QWidget& window, bool showWindow) {
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
