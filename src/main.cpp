#include "gamewindow.h"
#include "qtplatform.h"
#include "quitsignals.h"
#include "random.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// The program folder holds the data beside the executable; an installed copy keeps it in the share
// folder (share/games on Debian, whose games live in /usr/games).
QString findProgramFolder(bool& installed) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    installed = false;
    if (QFileInfo::exists(exeDir + QStringLiteral("/q.dat"))) return exeDir;
    for (const char* shared : {"/../share/tamvelkviz", "/../share/games/tamvelkviz"}) {
        const QString folder = QDir::cleanPath(exeDir + QLatin1String(shared));
        if (QFileInfo::exists(folder + QStringLiteral("/q.dat"))) {
            installed = true;
            return folder;
        }
    }
    return exeDir;
}
} // namespace

// The start-up sequence: the window with its splash, a pause, loading, then the game until it unloads.
int main(int argc, char** argv) {
    rnd::randomize();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tamvelkviz"));
    QApplication::setApplicationDisplayName(QStringLiteral("TamvelKvíz"));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/builtin/icon%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // The game ends when it has unloaded, not when its last window disappears: in full screen the
    // window that disappears is the view.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform;
    bool installed = false;
    const QString programDir = findProgramFolder(installed);
    const auto window = std::make_unique<GameWindow>(platform, programDir);
    window->setInstalled(installed);
    window->setWindowIcon(icon);
    // exit(), not quit(): quit() first asks every window to close, and the view of a zoom step refuses.
    bool running = false;
    QObject::connect(
        window.get(), &GameWindow::unloaded, &app, [&] { QCoreApplication::exit(window->exitStatus()); },
        Qt::QueuedConnection);
    // A logout or Ctrl+C saves and ends the game at once, never waiting on a dialog; exit() also ends
    // any dialog that is open.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app, [&] {
        window->unloadOnSignal();
        if (running) {
            QCoreApplication::exit(window->exitStatus());
        } else { // a dialog of the start-up: nothing is left to lose
            std::fflush(stderr);
            std::_Exit(window->exitStatus());
        }
    });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        window->move(g.x() + (g.width() - 800) / 2, g.y() + (g.height() - 600) / 2);
    }
    window->applyStoredZoom();
    window->show();
    platform.applyPendingDisplay(*window); // at a zoom step the splash already shows at it
    // The window system must map the window before the splash can be painted on it.
    QElapsedTimer mapping;
    mapping.start();
    const auto mapped = [&] {
        const QWindow* shown = platform.shownWindow(*window).windowHandle();
        return shown && shown->isExposed();
    };
    while (!mapped() && mapping.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    platform.shownWindow(*window).repaint();
    QGuiApplication::sync(); // push the painted splash to the screen before the pause
    // bench.sh measures start-up to here, on the clock that all processes share.
    if (qEnvironmentVariableIsSet("TK_SPLASH_PROBE"))
        std::fprintf(stderr, "splash_on_screen_steady_ns %lld\n",
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                std::chrono::steady_clock::now().time_since_epoch())
                                                .count()));
    {
        // The splash stays for its time while the window keeps repainting; clicks and keys wait.
        QEventLoop splash;
        QTimer::singleShot(1500, Qt::PreciseTimer, &splash, &QEventLoop::quit);
        splash.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (window->isUnloaded()) return window->exitStatus(); // closed during the splash
    if (!window->load()) return 1;
    if (window->isUnloaded()) return window->exitStatus(); // closed under a notice of the start-up
    running = true;
    const int status = QApplication::exec();
    if (!window->isUnloaded()) window->unload();
    return status != 0 ? status : window->exitStatus();
}
