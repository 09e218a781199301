#include "frmMain.h"

#include "clicklabel.h"
#include "fonts.h"
#include "modes.h"
#include "numbers.h"
#include "platform.h"
#include "random.h"
#include "settingsfile.h"
#include "textcodec.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <cmath>
#include <cstdio>

namespace {
constexpr auto kMarker = "AtToMluvi.Cesky";

struct ControlPlace {
    int x, y, w, h;
};
constexpr ControlPlace kText1{525, 130, 240, 23}, kText2{525, 180, 240, 23}, kText3{640, 230, 90, 23};
constexpr ControlPlace kLabel1{730, 330, 35, 23}, kLabel2{730, 380, 35, 23}, kLabel3{730, 480, 35, 23};

int buttonBits(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}
int shiftBits(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}
QString permissionDenied(bool czech) {
    return czech ? QStringLiteral("přístup odepřen") : QStringLiteral("permission denied");
}

// Qt reports a folder that could not be created as "No such file or directory" and a read-only file in
// English only: say what the player can mend.
QString fileWriteFailureCause(const QString& path, const QString& qtError, bool czech) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        QFileInfo existing = folder;
        while (!existing.exists() && !existing.isRoot())
            existing = QFileInfo(existing.absolutePath());
        if (existing.isDir() && existing.isWritable()) return qtError;
        const QString name = QDir::toNativeSeparators(folder.absoluteFilePath());
        return czech ? QStringLiteral("složku %1 nelze vytvořit (%2)").arg(name, permissionDenied(true))
                     : QStringLiteral("the folder %1 cannot be created (%2)")
                           .arg(name, permissionDenied(false));
    }
    if (file.isDir())
        return czech ? QStringLiteral("na místě souboru je složka")
                     : QStringLiteral("a folder stands in its place");
    if (!folder.isWritable())
        return czech ? QStringLiteral("%1: do složky nelze zapisovat").arg(permissionDenied(true))
                     : QStringLiteral("%1: the folder is not writable").arg(permissionDenied(false));
    if (file.exists() && !file.isWritable())
        return czech ? QStringLiteral("%1: soubor je jen ke čtení").arg(permissionDenied(true))
                     : QStringLiteral("%1: the file is read-only").arg(permissionDenied(false));
    return qtError;
}

QString fileReadFailureCause(const QString& path, const QString& qtError, bool czech) {
    const QFileInfo file(path);
    if (file.isDir())
        return czech ? QStringLiteral("na místě souboru je složka")
                     : QStringLiteral("a folder stands in its place");
    if (!file.isReadable())
        return czech ? QStringLiteral("%1: soubor nelze číst").arg(permissionDenied(true))
                     : QStringLiteral("%1: the file is not readable").arg(permissionDenied(false));
    return qtError;
}
} // namespace

frmMain::frmMain(Platform& platform, const QString& programDir, QWidget* parent)
    : QWidget(parent), platform_(platform), dir_(programDir) {
    setWindowTitle(QStringLiteral("TamvelKvíz"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(800, 600);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    surface_ = QImage(800, 600, QImage::Format_ARGB32_Premultiplied);
    surface_.fill(Qt::white);
    const QImage splash(QStringLiteral(":/builtin/splash.png"));
    if (!splash.isNull()) {
        QPainter p(&surface_);
        p.drawImage(QRect(0, 0, 800, 600), splash);
    }

    const QFont boxFont = fonts::windowFont(14.25, true);
    auto makeText = [&](const ControlPlace& c, const QString& text) {
        auto* t = new QLineEdit(text, this);
        t->setGeometry(c.x, c.y, c.w, c.h);
        t->setFrame(false);
        t->setFont(boxFont);
        t->setStyleSheet(
            QStringLiteral("QLineEdit { background: white; color: rgb(6, 125, 195); border: none; }"));
        t->hide();
        return t;
    };
    Text1 = makeText(kText1, QStringLiteral("Tamvel I."));
    Text2 = makeText(kText2, QStringLiteral("Tamvel II."));
    Text3 = makeText(kText3, QStringLiteral("10000"));
    auto makeLabel = [&](const ControlPlace& c) {
        auto* l = new ClickLabel(settingsfile::kOff, this);
        l->setGeometry(c.x, c.y, c.w, c.h);
        l->setFont(boxFont);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
        l->setCursor(Qt::PointingHandCursor);
        l->hide();
        return l;
    };
    Label1 = makeLabel(kLabel1);
    Label2 = makeLabel(kLabel2);
    Label3 = makeLabel(kLabel3);
    connect(Label1, &ClickLabel::clicked, this, &frmMain::Label1_Click);
    connect(Label2, &ClickLabel::clicked, this, &frmMain::Label2_Click);
    connect(Label3, &ClickLabel::clicked, this, &frmMain::Label3_Click);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);

    wbHelp = new QTextBrowser(this);
    wbHelp->setGeometry(350, 1100, 430, 460);
    wbHelp->setOpenExternalLinks(false);
    wbHelp->setFrameShape(QFrame::NoFrame);

    tmrRucicka.setTimerType(Qt::PreciseTimer);
    tmrRucicka.setInterval(60);
    connect(&tmrRucicka, &QTimer::timeout, this, &frmMain::tmrRucicka_Timer);
}

frmMain::~frmMain() {
    if (graphics_) graphics_->end();
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_);
}

void frmMain::mouseMoveEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    Form_MouseMove(buttonBits(e->buttons()), shiftBits(e->modifiers()), static_cast<int>(std::floor(pos.x())),
                   static_cast<int>(std::floor(pos.y())));
}

void frmMain::mousePressEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    Form_MouseDown(buttonBits(e->button()), shiftBits(e->modifiers()), static_cast<int>(std::floor(pos.x())),
                   static_cast<int>(std::floor(pos.y())));
}

void frmMain::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
}

QString frmMain::LP(const QString& name) const {
    return dir_ + QStringLiteral("/graphics/") + name;
}

QString frmMain::storeDir() const {
    const QFileInfo info(dir_);
    if (!installed && info.isDir() && info.isWritable()) return dir_;
    const QString cfg = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(cfg);
    return cfg;
}

void frmMain::readSettingsFile() {
    // Settings written to the config folder (read-only program folder) win over a copy beside the program.
    QString path = storeDir() + QStringLiteral("/n.dat");
    if (!QFileInfo::exists(path)) path = dir_ + QStringLiteral("/n.dat");
    QFile f(path);
    settingsfile::Settings s;
    if (f.open(QIODevice::ReadOnly)) {
        s = settingsfile::read(textcodec::decode(f.readAll()));
    } else if (QFileInfo::exists(path)) {
        // czech is still inverted here: true means the marker is absent, so English.
        const QString file = QDir::toNativeSeparators(path);
        platform_.showError(this, !czech
                                      ? QStringLiteral("Nastavení nelze načíst ze souboru %1: %2\n"
                                                       "Hra začne s výchozím nastavením.")
                                            .arg(file, fileReadFailureCause(path, f.errorString(), true))
                                      : QStringLiteral("The settings cannot be read from %1: %2\n"
                                                       "The game starts with the default settings.")
                                            .arg(file, fileReadFailureCause(path, f.errorString(), false)));
    }
    Text1->setText(s.name1);
    Text2->setText(s.name2);
    Text3->setText(s.timeBase);
    if (s.sound) Label1_Click();
    if (s.music) Label2_Click();
    if (s.fullScreen) Label3_Click();
}

bool frmMain::writeSettingsFile() {
    const QString text = settingsfile::write(
        {Text1->text(), Text2->text(), Text3->text(), Label1->text(), Label2->text(), Label3->text()});
    // Written whole to a temporary file and renamed, so a crash never leaves half a file.
    const QString path = storeDir() + QStringLiteral("/n.dat");
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(text.toUtf8());
        if (f.commit()) return true;
    }
    const QString file = QDir::toNativeSeparators(path);
    platform_.showError(this, czech ? QStringLiteral("Nastavení se nepodařilo uložit do %1: %2")
                                          .arg(file, fileWriteFailureCause(path, f.errorString(), true))
                                    : QStringLiteral("The settings could not be saved to %1: %2")
                                          .arg(file, fileWriteFailureCause(path, f.errorString(), false)));
    return false;
}

QString frmMain::seenQuestionsFile() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/seen-questions.txt");
}

void frmMain::rememberDealt(const Question& q) {
    if (q.text.isEmpty()) return;
    seen_.rememberDealt(questionTextHash(q.text.toUtf8()), isEnglishQuestion(q.text), deck_);
    // Written whole and renamed, like n.dat. Losing it only means repeats, so a failure is not shown.
    const QString path = seenQuestionsFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(seen_.toText()) < 0 || !f.commit())
        std::fprintf(stderr, "%s: not saved: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                     qPrintable(f.errorString()));
}

bool frmMain::FormLoad() {
    rnd::randomize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        screenW = static_cast<float>(screen->geometry().width());
        screenH = static_cast<float>(screen->geometry().height());
    }
    czech = !QFileInfo(storeDir() + u'/' + QLatin1String(kMarker)).isFile();
    readSettingsFile();
    player = 2;

    // A user's own question file in the config folder replaces the shared one of an installed game.
    QString qPath = storeDir() + QStringLiteral("/q.dat");
    if (storeDir() == dir_ || !QFileInfo::exists(qPath)) qPath = dir_ + QStringLiteral("/q.dat");
    QFile qf(qPath);
    if (!qf.open(QIODevice::ReadOnly)) {
        // czech is still inverted here: true means the marker is absent, so English.
        platform_.showError(
            this,
            !czech ? QStringLiteral("Soubor s otázkami %1 nelze načíst: %2\nTamvelKvíz bez něj nemůže začít.")
                         .arg(QDir::toNativeSeparators(qPath), qf.errorString())
                   : QStringLiteral(
                         "The question file %1 cannot be read: %2\nTamvelKvíz cannot start without it.")
                         .arg(QDir::toNativeSeparators(qPath), qf.errorString()));
        return false;
    }
    const QString file = QDir::toNativeSeparators(qPath);
    const LoadReport loaded = deck_.loadFile(qf.readAll());
    for (const auto& issue : loaded.skipped)
        std::fprintf(stderr, "%s:%d: line skipped: %s\n", qPrintable(file), issue.line,
                     qPrintable(issue.reason));
    for (int line : loaded.decoding.fallbackLines)
        std::fprintf(stderr, "%s:%d: not valid UTF-8, read as Windows-1250\n", qPrintable(file), line);
    QFile seenFile(seenQuestionsFile());
    seen_ =
        seenFile.open(QIODevice::ReadOnly) ? SeenQuestions::fromText(seenFile.readAll()) : SeenQuestions();
    deck_.putUnseenFirst(seen_);
    const auto skipped = static_cast<qsizetype>(loaded.skipped.size());
    const auto fallback = static_cast<qsizetype>(loaded.decoding.fallbackLines.size());
    // czech is still inverted here: true means the marker is absent, so English.
    if (deck_.isEmpty()) {
        // The game still runs, but every question would be blank: say why.
        platform_.showWarning(
            this,
            !czech ? QStringLiteral("V souboru %1 není žádná použitelná otázka (vynechané řádky: %2).\n"
                                    "Otázky budou prázdné; opravte soubor, např. programem tamvelkviz-check.")
                         .arg(file)
                         .arg(skipped)
                   : QStringLiteral("The question file %1 holds no usable question (lines skipped: %2).\n"
                                    "Questions will be blank; mend the file, for example with "
                                    "tamvelkviz-check.")
                         .arg(file)
                         .arg(skipped));
    } else if (skipped > 0 || fallback > 0) {
        QStringList parts;
        if (skipped > 0)
            parts << (!czech
                          ? QStringLiteral("• vynechané řádky (nejsou ve tvaru "
                                           "otázka\\správně\\špatně\\špatně\\špatně): %1")
                          : QStringLiteral("• lines skipped (not question\\right\\wrong\\wrong\\wrong): %1"))
                         .arg(skipped);
        if (fallback > 0)
            parts << (!czech ? QStringLiteral(
                                   "• řádky, které nejsou v UTF-8 a byly přečteny jako Windows-1250: %1")
                             : QStringLiteral("• lines not in UTF-8, read as Windows-1250: %1"))
                         .arg(fallback);
        platform_.showWarning(
            this, !czech
                      ? QStringLiteral("Některé řádky souboru s otázkami %1 vyžadují pozornost:\n%2\n"
                                       "Hra pokračuje. Program tamvelkviz-check tyto řádky vypíše i s čísly.")
                            .arg(file, parts.join(u'\n'))
                      : QStringLiteral("Some lines of the question file %1 need attention:\n%2\n"
                                       "The game goes on. The program tamvelkviz-check lists these lines "
                                       "with their numbers.")
                            .arg(file, parts.join(u'\n')));
    }

    graphics_ = std::make_unique<QPainter>(&surface_);
    graphics_->setRenderHint(QPainter::SmoothPixmapTransform); // the zoom animations scale pictures
    loadPictures();
    switchLng();
    hideHelp();
    mode = modeMenu;
    rnd::randomize();
    return true;
}

void frmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    setClockEnabled(false);
    writeSettingsFile();
    if (Label3->text() == settingsfile::kOn) platform_.restoreDisplay(*this);
    if (graphics_) {
        graphics_->end();
        graphics_.reset();
    }
    releasePictures();
    platform_.stopMusic();
    emit unloaded();
}

void frmMain::switchLng() {
    czech = !czech;
    const QString marker = storeDir() + u'/' + QLatin1String(kMarker);
    if (!czech) {
        if (QFileInfo(marker).isFile() && !QFile::remove(marker))
            platform_.showError(this,
                                QStringLiteral("Cannot delete %1").arg(QDir::toNativeSeparators(marker)));
    } else {
        QFile f(marker);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            platform_.showError(this, QStringLiteral("Nelze vytvořit %1: %2")
                                          .arg(QDir::toNativeSeparators(marker), f.errorString()));
    }
    hideHelp();
}
