#include "Module1.h"

#include "frmMain.h"
#include "qtplatform.h"
#include "random.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QWindow>

namespace {
// The program folder holds the data beside the executable; an installed copy keeps it in the share folder.
QString findProgramDir(bool& installed) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    installed = false;
    if (QFileInfo::exists(exeDir + QStringLiteral("/q.dat"))) return exeDir;
    const QString shared = QDir::cleanPath(exeDir + QStringLiteral("/../share/tamvelkviz"));
    installed = QFileInfo::exists(shared + QStringLiteral("/q.dat"));
    return installed ? shared : exeDir;
}
} // namespace

namespace Module1 {

int Main(int argc, char** argv) {
    rnd::randomize();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tamvelkviz"));
    QApplication::setApplicationDisplayName(QStringLiteral("TamvelKvíz"));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/builtin/icon%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    QtPlatform platform;
    bool installed = false;
    const QString programDir = findProgramDir(installed);
    auto* window = new frmMain(platform, programDir);
    window->installed = installed;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(icon);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        window->move(g.x() + (g.width() - 800) / 2, g.y() + (g.height() - 600) / 2);
    }
    window->show();
    // The window system must map the window before the splash can be painted on it.
    QElapsedTimer mapping;
    mapping.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && mapping.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    window->repaint();
    QGuiApplication::sync(); // push the painted splash to the screen before the pause
    platform.sleep(1500);
    if (!window->FormLoad()) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        delete window;
        return 1;
    }
    return QApplication::exec();
}

} // namespace Module1
