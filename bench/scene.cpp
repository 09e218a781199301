#include "scene.h"

#include "qtplatform.h"

#include "random.h"

#include <QEvent>
#include <QFileInfo>
#include <QGraphicsView>
#include <QTest>

namespace bench {
namespace {
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++count;
        return false;
    }
};
} // namespace

QString realProgramDir() {
    const QString env = qEnvironmentVariable("TK_BENCH_PROGRAM_DIR");
    for (const QString& dir : {env, QStringLiteral(TK_PROGRAM_DIR)})
        if (!dir.isEmpty() && QFileInfo::exists(dir + QStringLiteral("/q.dat"))) return dir;
    return {};
}

QString longQuestion() {
    return QStringLiteral(
        "Which famous English scientist published the three laws of motion and the law of universal "
        "gravitation in 1687?");
}

QString eightLineQuestion() {
    return QStringLiteral(
        "Which Central European river, flowing through several countries and four capital cities "
        "from the Black Forest to the Black Sea, is the second longest in Europe?");
}

QString questionDeck() {
    QString s;
    for (int i = 0; i < 20; ++i) {
        s += longQuestion() +
             QStringLiteral("\\Isaac Newton\\Robert Hooke\\Edmond Halley\\%1% and %2%|together\n");
        s += QStringLiteral(
            "Který český panovník založil roku 1348 v Praze univerzitu, nejstarší vysokou školu ve "
            "střední Evropě, a také Nové Město?\\Karel IV.\\Václav IV.\\Jan Lucemburský\\Přemysl "
            "Otakar II.\n");
    }
    return s;
}

Scene::Scene(Pictures pictures, const QString& questions) : platform(std::make_unique<FakePlatform>()) {
    QString dir;
    if (pictures == Pictures::Fixture) {
        folder = std::make_unique<fixture::ProgramFolder>(questions);
        dir = folder->path();
    } else {
        dir = realProgramDir();
        if (dir.isEmpty()) {
            error = QStringLiteral("no built program folder (set TK_BENCH_PROGRAM_DIR)");
            return;
        }
    }
    window = std::make_unique<GameWindow>(*platform, dir);
    rnd::pin(12345);
    loaded = window->load();
    if (!loaded) error = QStringLiteral("load failed: ") + platform->errors.join(QStringLiteral("; "));
    platform->clear();
}

int Scene::paints() const {
    return paintCounter ? static_cast<const PaintCounter*>(paintCounter.get())->count : 0;
}

Scene::~Scene() {
    if (display && window) display->restoreDisplay(*window);
    window.reset();
    display.reset();
    paintCounter.reset();
    rnd::unpin();
}

bool Scene::repaintOnRefresh() {
    window->show();
    // A window that is not exposed yet would skip the painting.
    if (!QTest::qWaitForWindowExposed(window.get())) return false;
    auto counter = std::make_unique<PaintCounter>();
    window->installEventFilter(counter.get());
    paintCounter = std::move(counter);
    GameWindow* w = window.get();
    platform->showArea = [w](const QRect& area) { w->repaint(area); };
    return true;
}

bool Scene::showScaled(bool fullScreen) {
    display = std::make_unique<QtPlatform>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return false;
    if (fullScreen)
        display->setFullScreen(*window, true);
    else
        display->setZoom(*window, 200);
    display->applyPendingDisplay(*window);
    if (!QTest::qWaitForWindowExposed(&display->shownWindow(*window))) return false;
    QTest::qWait(50); // the first paint sets the surface's scale
    auto counter = std::make_unique<PaintCounter>();
    window->installEventFilter(counter.get());
    paintCounter = std::move(counter);
    GameWindow* w = window.get();
    QtPlatform* d = display.get();
    // Painted at once, as the benchmarks time the painting too.
    platform->showArea = [w, d](const QRect& area) {
        if (auto* view = qobject_cast<QGraphicsView*>(&d->shownWindow(*w)))
            view->viewport()->repaint(view->mapFromScene(QRectF(area)).boundingRect().adjusted(-1, -1, 1, 1));
        else
            w->repaint(area);
    };
    return true;
}

void Scene::toBoard() {
    window->startGame();
    platform->clear();
}

void Scene::ownHalf() {
    Match& m = window->match();
    board::Grid g = m.cells();
    int n = 0;
    for (int row = 0; row < board::kRows; ++row)
        for (int col = board::firstCol(row); col <= board::lastCol(row); ++col, ++n)
            if (n % 2 == 0) g.set(col, row, n % 4 == 0 ? board::cellPlayer1 : board::cellPlayer2);
    m.setUp(g, m.playerOnTurn());
}

void Scene::toQuestion(int col, int row) {
    toBoard();
    const QPoint c = cellCentre(col, row);
    // A press of the left button on the cell, as the window reports it (a press always clicks).
    window->handlePointer(Pointer{1, 1, c.x(), c.y()});
    window->match().stopClock();
    platform->clear();
}

QPoint cellCentre(int col, int row) {
    const board::RectF r = board::cellRect(col, row);
    return {static_cast<int>(r.left + 32), static_cast<int>(r.top + 35)};
}

QPoint optionCentre(Player side, int slot) {
    return QuestionPanel::optionRect(side, slot).center().toPoint();
}

} // namespace bench
