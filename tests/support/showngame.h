// A game shown on the screen with the program's real platform, its dialogs answered by a script, and
// input sent through whichever window shows the game: its own, or the view at a zoom step or in full
// screen.
#pragma once

#include "fixture.h"
#include "gamewindow.h"
#include "scriptedqtplatform.h"

#include <QApplication>
#include <QFile>
#include <QGraphicsView>
#include <QTest>
#include <memory>

namespace fixture {

// The view that shows the game in full screen or at a zoom step, when there is one.
inline QGraphicsView* fullScreenView() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* view = qobject_cast<QGraphicsView*>(w); view && view->isVisible()) return view;
    return nullptr;
}

struct ShownGame {
    explicit ShownGame(const QByteArray& settings = {}) {
        if (!settings.isEmpty()) folder.write(QStringLiteral("n.dat"), settings);
        window = std::make_unique<GameWindow>(platform, folder.path());
        // As the program starts: at the stored zoom step from the first picture on.
        window->applyStoredZoom();
        window->show();
        platform.applyPendingDisplay(*window);
        loaded = QTest::qWaitForWindowExposed(&platform.shownWindow(*window)) && window->load();
    }
    ~ShownGame() {
        if (!window->isUnloaded()) window->unload();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A left click at a point of the 800 x 600 game, through whichever window shows it now.
    void click(QPoint p) {
        if (QGraphicsView* view = fullScreenView()) {
            const QPoint inView = view->viewport()->mapTo(view, view->mapFromScene(QPointF(p)));
            QTest::mouseClick(view->windowHandle(), Qt::LeftButton, {}, inView);
        } else {
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, p);
        }
        QTest::qWait(20); // past the double-click interval's bookkeeping, and queued work done
    }
    QWindow* shownWindow() const {
        return fullScreenView() ? fullScreenView()->windowHandle() : window->windowHandle();
    }
    void type(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(shownWindow(), c.toLatin1());
    }
    // The press and the release each go to the window that shows the game when they are sent: the
    // press may switch it (QTest lets queued work run after each event), as a player's key would.
    void key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyPress(shownWindow(), key, mods);
        QTest::keyRelease(shownWindow(), key, mods);
        QTest::qWait(20); // a display switch waits for the event loop
    }
    QByteArray settingsFile() const {
        QFile f(folder.file(QStringLiteral("n.dat")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    ProgramFolder folder;
    ScriptedQtPlatform platform;
    std::unique_ptr<GameWindow> window;
    bool loaded = false;
};

} // namespace fixture
