#include "fixture.h"

#include "canvas.h"

#include "fakeplatform.h"
#include "gamewindow.h"
#include "random.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <QWindow>
#include <cmath>

namespace fixture {

QColor colourOf(int index) {
    index = firstSlotWithFile(index);
    // Well apart in hue and value, and never pure black or white.
    return QColor::fromHsv((index * 47) % 360, 200, index % 2 ? 150 : 230);
}

QColor czechCaptionColour() {
    return QColor(10, 200, 120);
}

QColor playAgainLookColour(int look) {
    // The first look in the slot's own colour, as every picture's top-left pixel is.
    return look == 0 ? colourOf(PlayAgainSheet) : QColor::fromHsv(15 + 90 * look, 255, 200);
}

QString ProgramFolder::defaultQuestions() {
    return QStringLiteral("What is red?\\Blood\\Grass\\Sky\\Snow\n"
                          "Co je zelené?\\Tráva\\Krev\\Nebe\\Sníh\n"
                          "Which number is even?\\Two\\One\\Three\\Five\n"
                          "Kolik je dva a dva?\\Čtyři\\Tři\\Pět\\Šest\n");
}

ProgramFolder::ProgramFolder(const QString& questions, const QStringList& omit) {
    QDir root(dir_.path());
    root.mkpath(QStringLiteral("graphics/p1"));
    root.mkpath(QStringLiteral("graphics/p2"));
    root.mkpath(QStringLiteral("help"));
    root.mkpath(QStringLiteral("Sound/music"));
    for (const ListedPicture& p : kPictureList) {
        const int i = p.slot;
        if (firstSlotWithFile(i) != i || omit.contains(p.fileName())) continue;
        QImage pic(p.size(), QImage::Format_RGB32);
        pic.fill(colourOf(i));
        if (i == MenuSheet) {
            // The menu sheet: every item look gets its own colour, told apart by the tests.
            QImage sheet(800, 900, QImage::Format_RGB32);
            sheet.fill(colourOf(MenuSheet));
            for (int band = 0; band < 3; ++band)
                for (int item = 0; item < 4; ++item)
                    for (int y = 0; y < (item == 3 ? 58 : 98); ++y)
                        for (int x = 0; x < 158; ++x)
                            sheet.setPixelColor(1 + 160 * item + x, 601 + 100 * band + y,
                                                QColor::fromHsv((band * 90 + item * 20) % 360, 255, 255));
            pic = sheet;
        }
        if (i == BoardPlate) {
            // Clear under the name bar, as the real plate is: the names lie beneath it.
            pic = pic.convertToFormat(QImage::Format_ARGB32);
            for (int y = 19; y < 48; ++y)
                for (int x = 24; x < 520; ++x)
                    pic.setPixel(x, y, 0);
        }
        if (i == WinnerCaptions) {
            // The caption sheet: English strip above, Czech below.
            for (int y = 71; y < 142; ++y)
                for (int x = 0; x < 237; ++x)
                    pic.setPixelColor(x, y, czechCaptionColour());
        }
        if (i == PlayAgainSheet) {
            const int band = p.height / 4;
            for (int look = 0; look < 4; ++look)
                for (int y = 0; y < band; ++y)
                    for (int x = 0; x < p.width; ++x)
                        pic.setPixelColor(x, look * band + y, playAgainLookColour(look));
        }
        // PNG data whatever the name says, so colours stay exact; the loader sniffs the format.
        pic.save(root.filePath(QStringLiteral("graphics/") + p.fileName()), "PNG");
    }
    write(QStringLiteral("q.dat"), questions.toUtf8());
    write(QStringLiteral("help/help.html"), "<html><body>Help</body></html>");
    write(QStringLiteral("help/napoveda.html"), "<html><body>Napoveda</body></html>");
    for (const char* s : {"select", "select2", "good", "bad", "winner", "time"})
        write(QStringLiteral("Sound/%1.wav").arg(QLatin1String(s)), "RIFF");
    for (const char* t : {"a.wav", "b.wav", "c.wav"})
        write(QStringLiteral("Sound/music/") + QLatin1String(t), "RIFF");
}

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(dir_.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

LoadedGame::LoadedGame(const QString& questions, const QStringList& omit)
    : folder(std::make_unique<ProgramFolder>(questions, omit)), platform(std::make_unique<FakePlatform>()),
      window(std::make_unique<GameWindow>(*platform, folder->path())) {
    rnd::pin(12345);
    QFile::remove(window->seenQuestionsFile()); // each test deals from a fresh memory
    loaded = window->load();
    platform->clear();
}

LoadedGame::~LoadedGame() {
    window.reset();
    rnd::unpin();
}

QImage painted(const Pictures& pictures, double scale, const std::function<void(Canvas&)>& paint,
               const QImage& under) {
    QImage image = under;
    if (image.isNull()) image = Canvas::blankFrame(scale);
    QPainter p(&image);
    Canvas c(p, pictures);
    paint(c);
    return image;
}

QRgb LoadedGame::pixel(int x, int y) const {
    return window->frame(1).pixel(x, y);
}

namespace {
void ensureShown(GameWindow& w) {
    if (w.isVisible()) return;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) qWarning("the test window was never exposed");
}
} // namespace

void LoadedGame::press(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    ensureShown(*window);
    QTest::mousePress(window->windowHandle(), button, mods, QPoint(x, y));
    QTest::mouseRelease(window->windowHandle(), button, mods, QPoint(x, y));
}

void LoadedGame::key(Qt::Key key, Qt::KeyboardModifiers mods) {
    ensureShown(*window);
    if (!window->isActiveWindow()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("the test window never became active");
    }
    QTest::keyClick(window->windowHandle(), key, mods);
}

void LoadedGame::moveTo(int x, int y, Qt::KeyboardModifiers mods) {
    ensureShown(*window);
    QTest::mouseEvent(QTest::MouseMove, window->windowHandle(), Qt::NoButton, mods, QPoint(x, y));
}

} // namespace fixture
