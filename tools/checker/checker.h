// Checks a question file the way the game reads and shows it, and says what a writer should fix. Lines
// beginning with '#' are comments, as in the game; a first line "#name: …" names the set.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

namespace checker {

enum class Severity { Note, Warning, Error };

enum class Language { Unknown, English, Czech };

struct Finding {
    int line = 0; // 1-based; 0 for the file as a whole
    Severity severity = Severity::Error;
    QString message;
};

struct CheckReport {
    QString fileName;
    QString setName;               // from a first line "#name: …"
    std::vector<Finding> findings; // in line order
    int questions = 0;             // lines the game loads
    int english = 0;               // of those, dealt in the English game
    int czech = 0;
    // Questions by their optional topic (field 5) and difficulty (field 6); "" for a line without.
    QMap<QString, int> topics;
    QMap<QString, int> difficulties;
    int errors() const;
    int warnings() const;
};

// The language a question's words suggest, whatever the game makes of it; Unknown unless clear.
struct LanguageGuess {
    Language language = Language::Unknown;
    QStringList evidence; // the words that decided it
};
LanguageGuess guessLanguage(const QString& question);

// intended is the language the whole file is meant for (Unknown: each question's words decide).
// Needs a QGuiApplication: text is measured in the game's font.
CheckReport checkQuestionFile(const QByteArray& bytes, const QString& fileName,
                              Language intended = Language::Unknown);

// The text with every control code, format character (bidirectional marks, overrides and isolates,
// zero-width characters) and line or paragraph separator written as \e, \x07, \u200F or \U000E0001, so
// that a question file or an argument can neither drive the terminal of whoever checks it nor hide or
// reorder what it shows.
QString escapeControls(const QString& text);

// "q.dat:12: error: ..." (no line number for findings about the whole file), control characters escaped.
QString formatFinding(const QString& fileName, const Finding& finding);
// "120 questions: 60 English, 60 Czech; 0 errors, 2 warnings"
QString formatSummary(const CheckReport& report);
// "topics: art 10, film 12, …, none 3" and "difficulty: 1 (easy) 30, …", or nothing for an untagged file.
QStringList formatTagCounts(const CheckReport& report);

} // namespace checker
