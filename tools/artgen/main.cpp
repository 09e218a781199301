// tk_artgen [--scales 1,2] <graphicsDir> <builtinDir> [<previewDir>]
// Paints every picture of the game from code; output is identical on every run. Each scale but 1
// writes its pictures beside the others as name@<scale>x.png (or .jpg), the splash too.
#include "picturecheck.h"
#include "pieces.h"
#include "screens.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

using namespace art;

bool drawSet(const QStringList& args, int scale, bool previews, QTextStream& err);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    QList<int> scales{1, 2};
    if (args.size() > 2 && args[1] == QLatin1String("--scales")) {
        scales.clear();
        for (const QString& s : args[2].split(u','))
            if (const int n = s.toInt(); n >= 1 && n <= 4 && !scales.contains(n)) scales << n;
        args.remove(1, 2);
    }
    if (args.size() < 3 || args.size() > 4 || scales.isEmpty()) {
        err << "usage: tk_artgen [--scales 1,2] <graphicsDir> <builtinDir> [<previewDir>]\n";
        return 2;
    }
    if (!scales.contains(1)) scales.prepend(1); // the 1x set is the one every other falls back to

    bool ok = true;
    for (int scale : scales) {
        setScale(scale);
        if (!drawSet(args, scale, args.size() == 4 && scale == 1, err)) ok = false;
    }
    return ok ? 0 : 1;
}

namespace {
QString scaledName(const QString& name, int scale) {
    if (scale == 1) return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}
} // namespace

bool drawSet(const QStringList& args, int scale, bool previews, QTextStream& err) {
    ImageSet g;
    g[QStringLiteral("uvod.jpg")] = menuSheet();
    const QImage background = gameBackground();
    g[QStringLiteral("pozadi.png")] = background;
    g[QStringLiteral("pod.png")] = boardPlate();
    g[QStringLiteral("pole1.png")] = hexPiece(Piece::Free, 64, 70);
    g[QStringLiteral("pole0h.png")] = hexPiece(Piece::Hover, 64, 70);
    g[QStringLiteral("pole0a.png")] = hexPiece(Piece::Active, 128, 134);
    for (int id = 1; id <= 2; ++id) {
        const QString dir = QStringLiteral("p%1/").arg(id);
        const Piece piece = id == 1 ? Piece::P1 : Piece::P2;
        g[dir + QStringLiteral("male.png")] = hexPiece(piece, 64, 70);
        g[dir + QStringLiteral("velke.png")] = hexPiece(piece, 128, 134);
        g[dir + QStringLiteral("hrac.png")] = character(id);
        g[dir + QStringLiteral("gratulace.png")] = winnerCard(id);
    }
    g[QStringLiteral("natahu.png")] = onTurnFrame();
    g[QStringLiteral("rucicka.png")] = clockHand();
    g[QStringLiteral("levy.png")] = questionPanel(1, false);
    g[QStringLiteral("leva.png")] = questionPanel(1, true);
    g[QStringLiteral("pravy.png")] = questionPanel(2, false);
    g[QStringLiteral("prava.png")] = questionPanel(2, true);
    g[QStringLiteral("moznost.png")] = answerOption(Option::Normal);
    g[QStringLiteral("moznosta.png")] = answerOption(Option::Hover);
    g[QStringLiteral("moznosts.png")] = answerOption(Option::Wrong);
    g[QStringLiteral("moznostd.png")] = answerOption(Option::Right);
    g[QStringLiteral("vitez.png")] = winnerMark();
    g[QStringLiteral("gratulace.png")] = congratsCaption();
    g[QStringLiteral("help.jpg")] = helpBackground();
    g[QStringLiteral("sipka.png")] = backHighlight();
    g[QStringLiteral("exit.png")] = exitButton();
    g[QStringLiteral("znovu.png")] = playAgainSheet();
    g[QStringLiteral("preload.jpg")] = preloadImage();
    // The game loads, and the build ships, exactly the listed files: a picture left out here, or one
    // drawn at another size, fails the build rather than the game.
    if (const QStringList wrong = differencesFromList(g, scale); !wrong.isEmpty()) {
        for (const QString& w : wrong)
            err << "pictures.txt: " << w << "\n";
        return false;
    }

    ImageSet b;
    // The splash is built into the program: at 2x as a JPEG, a quarter of the PNG's size.
    b[scale == 1 ? QStringLiteral("splash.png") : QStringLiteral("splash.jpg")] = splash();

    bool ok = true;
    auto writeAll = [&](const ImageSet& set, const QString& dir) {
        for (auto it = set.cbegin(); it != set.cend(); ++it)
            if (!save(it.value(), QDir(dir).filePath(scaledName(it.key(), scale)))) {
                err << "cannot write " << QDir(dir).filePath(scaledName(it.key(), scale)) << "\n";
                ok = false;
            }
    };
    writeAll(g, args[1]);
    writeAll(b, args[2]);
    if (scale != 1) return ok;

    // The icons come in their own sizes at every scale.
    ImageSet icons;
    for (int s : {16, 32, 48, 64, 128, 256})
        icons[QStringLiteral("icon%1.png").arg(s)] = appIcon(s);
    writeAll(icons, args[2]);
    {
        // The scalable icon for software centres, drawn by the same code as the pictures.
        QSvgGenerator svg;
        svg.setFileName(QDir(args[2]).filePath(QStringLiteral("icon.svg")));
        svg.setSize(QSize(256, 256));
        svg.setViewBox(QRect(0, 0, 256, 256));
        svg.setTitle(QStringLiteral("TamvelKvíz"));
        QPainter p;
        if (!p.begin(&svg)) {
            err << "cannot write the scalable icon\n";
            ok = false;
        } else {
            paintAppIcon(p, 256);
            p.end();
        }
    }
    if (previews) writePreviews(g, b, args[3]);
    return ok;
}
