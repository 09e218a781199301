// tamvelkviz-check: tells writers of q.dat and of question sets what the game would skip, cut off or deal
// in the wrong language.
#include "checker.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrors = 1;
constexpr int kExitUnreadable = 2;

const char* const kHelp =
    "Usage: tamvelkviz-check [--lang cs|en] [FILE...]\n"
    "Checks TamvelKviz question files the way the game reads them (default: q.dat here),\n"
    "each on its own, with a total when there are several.\n"
    "\n"
    "One question a line: question\\right answer\\wrong\\wrong\\wrong[\\topic\\difficulty]\n"
    "A line beginning with # is a comment; a first line \"#name: My set\" names a set.\n"
    "In answers, %1% and %2% stand for the players' names and | breaks the line.\n"
    "The game deals a question in English when it begins with W or How, else in Czech.\n"
    "\n"
    "  --lang en|cs  the file is meant for one language: warn about every question\n"
    "                the game deals in the other one, and count both\n"
    "  --help        show this text\n"
    "\n"
    "Exit status: 0 no errors, 1 errors found, 2 a file cannot be read or bad usage.\n";

// Qt's own start-up chatter (runtime folder, fonts) would mix with the findings.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) QTextStream(stderr) << message << Qt::endl;
}

} // namespace

int main(int argc, char** argv) {
    // Only fonts are needed, never a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQt);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    checker::Language intended = checker::Language::Unknown;
    QStringList files;
    QStringList args = app.arguments().mid(1);
    bool optionsDone = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsDone || !a.startsWith(u'-') || a == u'-') {
            files << a;
        } else if (a == u"--") {
            optionsDone = true;
        } else if (a == u"--help" || a == u"-h") {
            out << kHelp;
            return kExitClean;
        } else if (a == u"--lang" || a.startsWith(u"--lang=")) {
            QString value = a == u"--lang" ? (i + 1 < args.size() ? args[++i] : QString()) : a.mid(7);
            if (value == u"en") {
                intended = checker::Language::English;
            } else if (value == u"cs") {
                intended = checker::Language::Czech;
            } else {
                err << "tamvelkviz-check: --lang takes cs or en\n";
                return kExitUnreadable;
            }
        } else {
            err << "tamvelkviz-check: unknown option " << checker::escapeControls(a) << " (see --help)\n";
            return kExitUnreadable;
        }
    }
    if (files.isEmpty()) files << QStringLiteral("q.dat");

    int status = kExitClean;
    int questions = 0, errors = 0, warnings = 0, unreadable = 0;
    for (const QString& name : files) {
        QFile file(name);
        QByteArray bytes;
        QString problem;
        if (QFileInfo(name).isDir())
            problem = QStringLiteral("it is a folder");
        else if (!file.open(QIODevice::ReadOnly))
            problem = file.errorString();
        else
            bytes = file.readAll();
        if (problem.isEmpty() && file.error() != QFileDevice::NoError) problem = file.errorString();
        if (!problem.isEmpty()) {
            err << "tamvelkviz-check: cannot read " << checker::escapeControls(name) << ": " << problem
                << Qt::endl;
            status = kExitUnreadable;
            ++unreadable;
            continue;
        }

        const checker::CheckReport report = checker::checkQuestionFile(bytes, name, intended);
        for (const checker::Finding& f : report.findings)
            out << checker::formatFinding(name, f) << '\n';
        out << (files.size() > 1 ? checker::escapeControls(name) + QStringLiteral(": ") : QString())
            << checker::formatSummary(report) << '\n';
        out.flush();
        if (report.errors() > 0 && status == kExitClean) status = kExitErrors;
        questions += report.questions;
        errors += report.errors();
        warnings += report.warnings();
    }
    if (files.size() > 1) {
        const auto count = [](qsizetype n, const char* one, const char* many) {
            return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
        };
        out << QStringLiteral("total: %1, %2; %3, %4")
                   .arg(count(files.size(), "file", "files"), count(questions, "question", "questions"),
                        count(errors, "error", "errors"), count(warnings, "warning", "warnings"));
        if (unreadable > 0) out << "; " << count(unreadable, "file", "files") << " could not be read";
        out << '\n';
    }
    return status;
}
