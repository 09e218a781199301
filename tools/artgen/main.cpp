// tk_artgen <graphicsDir> <builtinDir> [<previewDir>]
// Paints every picture of the game from code; output is identical on every run.
#include "pieces.h"
#include "screens.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

using namespace art;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        err << "usage: tk_artgen <graphicsDir> <builtinDir> [<previewDir>]\n";
        return 2;
    }

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
    g[QStringLiteral("preload.jpg")] = preloadImage();

    ImageSet b;
    b[QStringLiteral("splash.png")] = splash();
    for (int s : {16, 32, 48, 64, 128, 256})
        b[QStringLiteral("icon%1.png").arg(s)] = appIcon(s);

    bool ok = true;
    auto writeAll = [&](const ImageSet& set, const QString& dir) {
        for (auto it = set.cbegin(); it != set.cend(); ++it)
            if (!save(it.value(), QDir(dir).filePath(it.key()))) {
                err << "cannot write " << QDir(dir).filePath(it.key()) << "\n";
                ok = false;
            }
    };
    writeAll(g, args[1]);
    writeAll(b, args[2]);
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
    if (args.size() == 4) writePreviews(g, b, args[3]);
    return ok ? 0 : 1;
}
