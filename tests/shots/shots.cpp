// Plays a fixed script through real input events and saves every frame the game shows, in both
// languages, so that two builds can be compared picture for picture (tests/shots/compare.py).
//   tk_shots <program folder> <output folder>
//   tk_shots <program folder> <output folder> short   a game without a highlight that comes and goes
//   tk_shots --compare <folder> <folder>   the frames that differ, with how many pixels each
#include "fakeplatform.h"
#include "gamewindow.h"
#include "random.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace board;

namespace {
QImage shot(GameWindow& w) {
    return w.frame(1);
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& e : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (e.isDir())
            copyFolder(e.filePath(), to + u'/' + e.fileName());
        else
            QFile::copy(e.filePath(), to + u'/' + e.fileName());
    }
}

QPoint centreOf(int col, int row) {
    const RectF r = cellRect(col, row);
    return {static_cast<int>(r.left + 32), static_cast<int>(r.top + 35)};
}
} // namespace

int compare(const QString& a, const QString& b) {
    const QStringList names = QDir(a).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    int differing = 0;
    for (const QString& name : names) {
        const QImage x = QImage(a + u'/' + name).convertToFormat(QImage::Format_ARGB32);
        const QImage y = QImage(b + u'/' + name).convertToFormat(QImage::Format_ARGB32);
        if (y.isNull() || x.size() != y.size()) {
            std::printf("%s: missing or of another size\n", qPrintable(name));
            ++differing;
            continue;
        }
        int pixels = 0, most = 0;
        QRect where;
        for (int row = 0; row < x.height(); ++row) {
            const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
            const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
            for (int col = 0; col < x.width(); ++col)
                if (p[col] != q[col]) {
                    ++pixels;
                    where |= QRect(col, row, 1, 1);
                    most = std::max({most, std::abs(qRed(p[col]) - qRed(q[col])),
                                     std::abs(qGreen(p[col]) - qGreen(q[col])),
                                     std::abs(qBlue(p[col]) - qBlue(q[col]))});
                }
        }
        if (pixels > 0) {
            ++differing;
            std::printf("%s: %d pixels differ, by at most %d, within %d,%d %dx%d\n", qPrintable(name), pixels,
                        most, where.x(), where.y(), where.width(), where.height());
        }
    }
    std::printf("%d of %lld frames differ\n", differing, static_cast<long long>(names.size()));
    return 0;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--compare")
        return compare(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tk_shots <program folder> <output folder>\n");
        return 2;
    }
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/game");
    copyFolder(QString::fromLocal8Bit(argv[1]), folder);
    QFile::remove(folder + QStringLiteral("/n.dat"));
    QFile::remove(folder + QStringLiteral("/AtToMluvi.Cesky"));
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    qputenv("XDG_CONFIG_HOME", (temp.path() + QStringLiteral("/config")).toLocal8Bit());

    FakePlatform platform;
    rnd::pin(4242);
    GameWindow w(platform, folder);
    if (!w.load()) return 1;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) return 1;
    rnd::pin(4242);

    int n = 0;
    QString label = QStringLiteral("start");
    const auto save = [&] {
        shot(w).save(QStringLiteral("%1/%2-%3.png").arg(out).arg(n, 4, 10, QChar(u'0')).arg(label));
        ++n;
    };
    platform.onRefresh = save;
    QWindow* win = w.windowHandle();
    const auto move = [&](QPoint p) { QTest::mouseMove(win, p); };
    const auto click = [&](QPoint p) {
        QTest::mouseMove(win, p);
        QTest::mousePress(win, Qt::LeftButton, {}, p);
        QTest::mouseRelease(win, Qt::LeftButton, {}, p);
        QTest::qWait(1);
    };
    const auto option = [&](int slot) {
        return QuestionPanel::optionRect(w.match().playerOnTurn(), slot).center().toPoint();
    };

    for (int language = 0; language < 2; ++language) {
        if (argc == 4) {
            // Each still state reached once, with nothing drawn over and taken away before it.
            label = QStringLiteral("setup");
            click({400, 450});
            label = QStringLiteral("opening");
            click(w.setup().find(SetupScreen::Kind::Start)->area.center().toPoint());
            label = QStringLiteral("board");
            move(centreOf(3, 3));
            label = QStringLiteral("question");
            click(centreOf(3, 3));
            label = QStringLiteral("hover");
            move(option(w.match().question().rightSlot));
            label = QStringLiteral("capture");
            click(option(w.match().question().rightSlot));
        } else {
            label = QStringLiteral("menu");
            save();
            for (QPoint p :
                 {QPoint(150, 450), QPoint(400, 450), QPoint(650, 450), QPoint(620, 160), QPoint(10, 10)})
                move(p);
            label = QStringLiteral("help");
            click({650, 450});
            move({40, 40});
            move({200, 200});
            click({40, 40});
            label = QStringLiteral("settings");
            click({150, 450});
            move({40, 40});
            click({40, 40});
            label = QStringLiteral("setup");
            click({400, 450});
            label = QStringLiteral("opening");
            click(w.setup().find(SetupScreen::Kind::Start)->area.center().toPoint());
            label = QStringLiteral("board");
            for (QPoint p : {centreOf(3, 3), centreOf(2, 4), QPoint(50, 550)})
                move(p);
            label = QStringLiteral("question");
            click(centreOf(3, 3));
            for (int slot = 1; slot <= 4; ++slot)
                move(option(slot));
            move({400, 580});
            label = QStringLiteral("clock");
            for (int tick = 0; tick < 5; ++tick)
                emit w.match().clockTicked();
            label = QStringLiteral("wrong");
            click(option(w.match().question().rightSlot % 4 + 1));
            label = QStringLiteral("right");
            click(centreOf(2, 5));
            move(option(1));
            click(option(w.match().question().rightSlot));
            // The bottom row all the player's but one cell: taking it wins.
            label = QStringLiteral("winner");
            Grid cells = w.match().cells();
            const Player p = w.match().playerOnTurn();
            for (int col = firstCol(6); col <= lastCol(6); ++col)
                cells.set(col, 6, p.pieces());
            cells.set(3, 6, cellFree);
            w.match().setUp(cells, p);
            click(centreOf(3, 6));
            click(option(w.match().question().rightSlot));
        }
        label = QStringLiteral("back");
        QTest::keyClick(win, Qt::Key_Escape);
        label = QStringLiteral("language");
        click({620, 160});
    }
    std::printf("%d frames\n", n);
    w.unload();
    return 0;
}
