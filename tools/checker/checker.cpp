#include "checker.h"

#include "deck.h"
#include "fonts.h"
#include "questionlayout.h"
#include "questiontext.h"
#include "textcodec.h"
#include "textfit.h"

#include <QFontMetricsF>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <cmath>

namespace checker {
namespace {

// Names of typical length stand in for the players' names when an answer is measured.
const QString kName1 = QStringLiteral("Tamvel I.");
const QString kName2 = QStringLiteral("Tamvel II.");
// Answers are drawn regular in 11 pt; the question is set as the panel sets it.
constexpr double kGamePoints = 11;
constexpr int kShownChars = 40;

const QString kCzechLetters = QStringLiteral(u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");

// Words that only one of the two languages uses; words both share ("a", "to", "do", "on", "by",
// "most", "i", "no") would prove nothing.
const QSet<QString>& englishWords() {
    static const QSet<QString> words = {
        QStringLiteral("the"),     QStringLiteral("is"),    QStringLiteral("of"),
        QStringLiteral("which"),   QStringLiteral("what"),  QStringLiteral("how"),
        QStringLiteral("in"),      QStringLiteral("are"),   QStringLiteral("was"),
        QStringLiteral("were"),    QStringLiteral("who"),   QStringLiteral("whom"),
        QStringLiteral("whose"),   QStringLiteral("where"), QStringLiteral("when"),
        QStringLiteral("why"),     QStringLiteral("does"),  QStringLiteral("did"),
        QStringLiteral("an"),      QStringLiteral("and"),   QStringLiteral("name"),
        QStringLiteral("many"),    QStringLiteral("much"),  QStringLiteral("this"),
        QStringLiteral("that"),    QStringLiteral("these"), QStringLiteral("those"),
        QStringLiteral("from"),    QStringLiteral("with"),  QStringLiteral("for"),
        QStringLiteral("has"),     QStringLiteral("have"),  QStringLiteral("had"),
        QStringLiteral("called"),  QStringLiteral("its"),   QStringLiteral("it"),
        QStringLiteral("into"),    QStringLiteral("at"),    QStringLiteral("or"),
        QStringLiteral("can"),     QStringLiteral("will"),  QStringLiteral("be"),
        QStringLiteral("been"),    QStringLiteral("than"),  QStringLiteral("you"),
        QStringLiteral("your"),    QStringLiteral("there"), QStringLiteral("their"),
        QStringLiteral("they"),    QStringLiteral("not"),   QStringLiteral("also"),
        QStringLiteral("through"), QStringLiteral("known"), QStringLiteral("year"),
        QStringLiteral("between"), QStringLiteral("after"), QStringLiteral("before")};
    return words;
}

const QSet<QString>& czechWords() {
    static const QSet<QString> words = {
        QStringLiteral("je"),      QStringLiteral("jsou"),    QStringLiteral("byl"),
        QStringLiteral("byla"),    QStringLiteral("bylo"),    QStringLiteral("byli"),
        QStringLiteral("se"),      QStringLiteral("si"),      QStringLiteral("který"),
        QStringLiteral("která"),   QStringLiteral("které"),   QStringLiteral("kterého"),
        QStringLiteral("kterému"), QStringLiteral("kterou"),  QStringLiteral("kterým"),
        QStringLiteral("kterém"),  QStringLiteral("kteří"),   QStringLiteral("kterých"),
        QStringLiteral("kolik"),   QStringLiteral("jak"),     QStringLiteral("jaký"),
        QStringLiteral("jaká"),    QStringLiteral("jaké"),    QStringLiteral("jakou"),
        QStringLiteral("co"),      QStringLiteral("kde"),     QStringLiteral("kdy"),
        QStringLiteral("kdo"),     QStringLiteral("koho"),    QStringLiteral("komu"),
        QStringLiteral("proč"),    QStringLiteral("odkud"),   QStringLiteral("kam"),
        QStringLiteral("v"),       QStringLiteral("ve"),      QStringLiteral("na"),
        QStringLiteral("z"),       QStringLiteral("ze"),      QStringLiteral("k"),
        QStringLiteral("ke"),      QStringLiteral("s"),       QStringLiteral("o"),
        QStringLiteral("u"),       QStringLiteral("pro"),     QStringLiteral("od"),
        QStringLiteral("po"),      QStringLiteral("za"),      QStringLiteral("nebo"),
        QStringLiteral("jako"),    QStringLiteral("jmenuje"), QStringLiteral("napsal"),
        QStringLiteral("objevil"), QStringLiteral("jmenoval")};
    return words;
}

// Control codes, and the bidirectional overrides and isolates that reorder what a terminal shows.
bool isControlCharacter(QChar c) {
    const char16_t u = c.unicode();
    return c.category() == QChar::Other_Control || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

bool hasCzechLetter(const QString& word) {
    return std::any_of(word.begin(), word.end(), [](QChar c) { return kCzechLetters.contains(c); });
}

// Runs of letters, apostrophes inside a word kept ("Mozart's" is one word).
QStringList wordsOf(const QString& text) {
    QStringList out;
    QString word;
    const auto flush = [&] {
        while (!word.isEmpty() && !word.back().isLetter())
            word.chop(1);
        if (!word.isEmpty()) out << word;
        word.clear();
    };
    for (QChar c : text) {
        if (c.isLetter() || (!word.isEmpty() && (c == u'\'' || c == QChar(0x2019))))
            word += c;
        else
            flush();
    }
    flush();
    return out;
}

QString quoted(const QString& s) {
    if (s.size() <= kShownChars) return u'"' + s + u'"';
    return u'"' + s.left(kShownChars - 1) + QChar(0x2026) + u'"';
}

QString fieldName(int k) {
    if (k == 0) return QStringLiteral("the question text");
    if (k == 1) return QStringLiteral("the right answer");
    return QStringLiteral("wrong answer %1").arg(k - 1);
}

// Whole pixels, rounded up so that a width just over a limit never reads as equal to it.
QString px(double width) {
    return QString::number(std::ceil(width));
}

QString capitalised(const QString& s) {
    return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1);
}

QString languageName(Language l) {
    return l == Language::English ? QStringLiteral("English") : QStringLiteral("Czech");
}
QString languageOption(Language l) {
    return l == Language::English ? QStringLiteral("--lang en") : QStringLiteral("--lang cs");
}

// How the question starts, as the writer sees it.
QString opening(const QString& text) {
    if (!text.isEmpty() && text.front().isSpace()) return QStringLiteral("begins with a space");
    QString start = text.section(u' ', 0, 1, QString::SectionSkipEmpty);
    while (!start.isEmpty() && QStringLiteral(",.;:?!").contains(start.back()))
        start.chop(1);
    return QStringLiteral("begins with ") + quoted(start);
}

// What to change so that the game deals the question as English.
QString englishAdvice(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed != text && isEnglishQuestion(trimmed)) return QStringLiteral("remove the leading space");
    if (!isEnglishQuestion(trimmed) && isEnglishQuestion(capitalised(trimmed)))
        return QStringLiteral("begin it with a capital letter");
    return QStringLiteral("begin English questions with W… or How…");
}

class Checker {
public:
    Checker(CheckReport& report, Language intended)
        : r_(report), intended_(intended), regular_(fonts::windowFont(kGamePoints, false)) {}

    void add(int line, Severity s, const QString& message) { r_.findings.push_back({line, s, message}); }

    void checkQuestion(const QuestionLine& q, const QString& rawLine) {
        const QString& text = q.fields[0];
        ++r_.questions;
        ++(isEnglishQuestion(text) ? r_.english : r_.czech);

        checkDuplicate(q.line, text);
        checkSpaces(q);
        checkControlCharacters(q);
        if (!text.trimmed().isEmpty()) {
            checkQuestionFits(q.line, text);
            checkLanguage(q.line, text);
            checkQuestionMarks(q.line, text);
            if (!isEnglishQuestion(text)) checkOneLetterWords(q.line, text);
        }
        for (int k = 1; k <= 4; ++k)
            checkAnswerFits(q.line, k, q.fields[static_cast<std::size_t>(k)]);
        checkSameTexts(q);
        checkTags(q.line, rawLine);
    }

private:
    // Fields 5 and 6, topic and difficulty, are optional; the game reads only the first five.
    void checkTags(int line, const QString& rawLine) {
        const QStringList fields = rawLine.split(u'\\');
        const QString topic = fields.size() > 5 ? fields[5].trimmed() : QString();
        const QString difficulty = fields.size() > 6 ? fields[6].trimmed() : QString();
        ++r_.topics[topic];
        ++r_.difficulties[difficulty];
        if (fields.size() == 6 && topic.isEmpty()) {
            add(line, Severity::Warning,
                QStringLiteral("a \"\\\" after the last answer starts a field the game ignores"));
            return;
        }
        if (fields.size() > 5 && !isTopicKey(topic))
            add(line, Severity::Error,
                QStringLiteral("unknown topic %1 (the topic is one of: %2)")
                    .arg(quoted(topic), topicKeys().join(u' ')));
        if (fields.size() > 6 && difficulty != u"1" && difficulty != u"2" && difficulty != u"3")
            add(line, Severity::Error,
                QStringLiteral("the difficulty %1 is not 1 (easy), 2 (medium) or 3 (hard)")
                    .arg(quoted(difficulty)));
        if (fields.size() > 7)
            add(line, Severity::Warning,
                QStringLiteral("%1 field(s) after the difficulty are ignored by the game: %2")
                    .arg(QString::number(fields.size() - 7), quoted(rawLine.section(u'\\', 7))));
    }

private:
    void checkDuplicate(int line, const QString& text) {
        const QString key = text.trimmed().toCaseFolded();
        if (key.isEmpty()) return;
        const auto it = firstLine_.constFind(key);
        if (it != firstLine_.cend())
            add(line, Severity::Error, QStringLiteral("duplicate question, first at line %1").arg(*it));
        else
            firstLine_.insert(key, line);
    }

    void checkSpaces(const QuestionLine& q) {
        for (int k = 0; k <= 4; ++k) {
            const QString& f = q.fields[static_cast<std::size_t>(k)];
            if (k == 0 && f.isEmpty()) {
                // The game skips lines with an empty answer, but an empty question text still loads.
                add(q.line, Severity::Error,
                    QStringLiteral("the question text is empty; the panel shows no question"));
                continue;
            }
            if (f.trimmed().isEmpty()) {
                add(q.line, Severity::Error,
                    QStringLiteral("%1 is only spaces; the game shows nothing there").arg(fieldName(k)));
                continue;
            }
            const bool leading = f.front().isSpace();
            const bool trailing = f.back().isSpace();
            if (!leading && !trailing) continue;
            const QString where = leading && trailing ? QStringLiteral("leading and trailing spaces")
                                  : leading           ? QStringLiteral("a leading space")
                                                      : QStringLiteral("a trailing space");
            add(q.line, Severity::Warning,
                QStringLiteral("%1 %2 has %3; the game shows it as typed")
                    .arg(fieldName(k), quoted(f), where));
        }
    }

    // Czech typesetting: a line of the panel never ends with a one-letter preposition or conjunction,
    // so the space after one is a no-break space, which the game keeps inside the word.
    void checkOneLetterWords(int line, const QString& text) {
        static const QString letters = QStringLiteral("kKsSvVzZoOuUaAiI");
        QStringList found;
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            const bool wordStart = i == 0 || text[i - 1] == u' ' || text[i - 1] == QChar(0x00A0) ||
                                   text[i - 1] == u'(' || text[i - 1] == u'„';
            if (wordStart && letters.contains(text[i]) && text[i + 1] == u' ') found << QString(text[i]);
        }
        if (found.isEmpty()) return;
        found.removeDuplicates();
        add(line, Severity::Warning,
            QStringLiteral("the one-letter word(s) %1 stand before an ordinary space; write a no-break space "
                           "(U+00A0) after them, so that no line of the panel ends with one")
                .arg(u'"' + found.join(QStringLiteral("\", \"")) + u'"'));
    }

    void checkControlCharacters(const QuestionLine& q) {
        for (int k = 0; k <= 4; ++k) {
            const QString& f = q.fields[static_cast<std::size_t>(k)];
            if (std::any_of(f.begin(), f.end(), isControlCharacter))
                add(q.line, Severity::Warning,
                    QStringLiteral("%1 %2 holds control characters, which the game cannot show")
                        .arg(fieldName(k), quoted(f)));
        }
    }

    // Set as the game sets it. Both panels are mirror images, so one tells for both.
    void checkQuestionFits(int line, const QString& text) {
        const Player side = Player::fox();
        const textfit::SetText set = questiontext::set(text, side, questiontext::Sizes::Regular);
        const double smallest = questionlayout::kQuestionPoints.back();
        if (set.fits) {
            if (set.points == smallest)
                add(line, Severity::Warning,
                    QStringLiteral("the question fits the panel only in the smallest size, %1 pt (%2 lines); "
                                   "a shorter one would read larger")
                        .arg(QString::number(smallest), QString::number(set.lines.size())));
            return;
        }
        const textfit::SetText squeezed = questiontext::set(text, side);
        const QString shown =
            squeezed.fits ? QStringLiteral("the game squeezes it into %1 pt").arg(squeezed.points)
            : squeezed.endLeftOut
                ? QStringLiteral("even in %1 pt the game shows only its beginning").arg(squeezed.points)
                : QStringLiteral("even in %1 pt the game breaks a word").arg(squeezed.points);
        // A word wider than any line is named: shortening elsewhere would not help.
        const textfit::FontMeasure font = questiontext::boldAt(smallest);
        const textfit::TextArea area = questionlayout::textArea(side);
        double widest = 0;
        for (double top = area.top; top + font.lineHeight <= area.bottom; top += font.lineSpacing) {
            const textfit::LineSpan span = area.spanOf(top, top + font.lineHeight);
            widest = std::max(widest, span.right - span.left);
        }
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            if (font.width(word) <= widest) continue;
            add(line, Severity::Error,
                QStringLiteral(
                    "the word %1 is %2 px wide in %3 pt, wider than the widest line of the question "
                    "panel (%4 px); %5 — shorten it")
                    .arg(quoted(word), px(font.width(word)), QString::number(smallest),
                         QString::number(std::floor(widest)), shown));
            return;
        }
        add(line, Severity::Error,
            QStringLiteral("the question does not fit the panel even in the smallest size, %1 pt; %2 — "
                           "shorten it")
                .arg(QString::number(smallest), shown));
    }

    void checkAnswerFits(int line, int k, const QString& answer) {
        const QStringList parts = answer.split(u'|');
        const bool twoLines = parts.size() > 1;
        for (int i = 0; i < std::min<int>(2, static_cast<int>(parts.size())); ++i) {
            QString shown = parts[i];
            shown.replace(QStringLiteral("%1%"), kName1);
            shown.replace(QStringLiteral("%2%"), kName2);
            const double width = regular_.horizontalAdvance(shown);
            if (width < questionlayout::kOptionWidth) continue;
            const QString what = twoLines
                                     ? QStringLiteral("the %1 line of %2, %3,")
                                           .arg(i == 0 ? QStringLiteral("first") : QStringLiteral("second"),
                                                fieldName(k), quoted(parts[i]))
                                     : QStringLiteral("%1 %2").arg(fieldName(k), quoted(parts[i]));
            const QString names =
                shown != parts[i]
                    ? QStringLiteral(" with the names filled in as \"%1\" and \"%2\"").arg(kName1, kName2)
                    : QString();
            const QString advice =
                twoLines ? QStringLiteral("shorten it") : QStringLiteral("shorten it or break it with \"|\"");
            add(line, Severity::Error,
                QStringLiteral("%1 is %2 px wide%3; an answer box is %4 px — %5")
                    .arg(what, px(width), names, px(questionlayout::kOptionWidth), advice));
        }
        if (parts.size() > 2)
            add(line, Severity::Error,
                QStringLiteral("%1 has a third part after a second \"|\", which the game never shows: %2")
                    .arg(fieldName(k), quoted(parts.mid(2).join(u'|'))));
    }

    void checkSameTexts(const QuestionLine& q) {
        const auto norm = [&q](int k) {
            return q.fields[static_cast<std::size_t>(k)].trimmed().toCaseFolded();
        };
        for (int a = 0; a <= 4; ++a) {
            if (norm(a).isEmpty()) continue;
            for (int b = a + 1; b <= 4; ++b) {
                if (norm(a) != norm(b)) continue;
                add(q.line, Severity::Warning,
                    QStringLiteral("%1 and %2 are the same (%3)")
                        .arg(fieldName(a), fieldName(b),
                             quoted(q.fields[static_cast<std::size_t>(b)].trimmed())));
            }
        }
    }

    // Placeholders and line breaks work in answers only.
    void checkQuestionMarks(int line, const QString& text) {
        for (const QString& mark : {QStringLiteral("%1%"), QStringLiteral("%2%")})
            if (text.contains(mark))
                add(line, Severity::Warning,
                    QStringLiteral(
                        "the question text shows \"%1\" as it is; names are filled in only in answers")
                        .arg(mark));
        if (text.contains(u'|'))
            add(line, Severity::Warning,
                QStringLiteral("the question text shows \"|\" as it is; it breaks lines only in answers"));
    }

    void checkLanguage(int line, const QString& text) {
        const Language dealt = isEnglishQuestion(text) ? Language::English : Language::Czech;
        const LanguageGuess guess = guessLanguage(text);
        const QString reads =
            guess.language == Language::Unknown
                ? QString()
                : QStringLiteral("it reads as %1 (%2)")
                      .arg(languageName(guess.language), guess.evidence.join(QStringLiteral(", ")));
        const QString advice = dealt == Language::Czech
                                   ? englishAdvice(text)
                                   : QStringLiteral("reword it so that it does not begin with W or How");
        const QString dealtAs =
            QStringLiteral("%1 — the game deals it as %2").arg(opening(text), languageName(dealt));
        if (intended_ != Language::Unknown && dealt != intended_) {
            add(line, Severity::Warning,
                QStringLiteral("%1, but this file is for %2 (%3); %4")
                    .arg(dealtAs, languageName(intended_), languageOption(intended_), advice));
        } else if (intended_ != Language::Unknown && guess.language != Language::Unknown &&
                   guess.language != intended_) {
            add(line, Severity::Warning,
                QStringLiteral("%1, but this file is for %2 (%3)")
                    .arg(reads, languageName(intended_), languageOption(intended_)));
        } else if (intended_ == Language::Unknown && guess.language != Language::Unknown &&
                   guess.language != dealt) {
            add(line, Severity::Warning, QStringLiteral("%1, but %2; %3").arg(dealtAs, reads, advice));
        }
    }

    CheckReport& r_;
    Language intended_;
    QFontMetricsF regular_;
    QHash<QString, int> firstLine_;
};

} // namespace

int CheckReport::errors() const {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [](const Finding& f) { return f.severity == Severity::Error; }));
}

int CheckReport::warnings() const {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [](const Finding& f) { return f.severity == Severity::Warning; }));
}

LanguageGuess guessLanguage(const QString& question) {
    int english = 0;
    int czech = 0;
    QStringList englishSeen;
    QStringList czechSeen;
    for (const QString& word : wordsOf(question)) {
        const QString lower = word.toLower();
        // A capital one-letter word is more likely an initial or a Roman numeral than a preposition.
        const bool czechWord = czechWords().contains(lower) && (lower.size() > 1 || word == lower);
        if (hasCzechLetter(lower) || czechWord) {
            ++czech;
            if (!czechSeen.contains(lower)) czechSeen << lower;
        } else if (englishWords().contains(lower)) {
            ++english;
            if (!englishSeen.contains(lower)) englishSeen << lower;
        }
    }
    // Names and borrowed words mix in; only a clear majority counts.
    LanguageGuess guess;
    if (english >= 2 && (czech == 0 || english >= 3 * czech)) {
        guess.language = Language::English;
        guess.evidence = englishSeen.mid(0, 4);
    } else if (czech >= 2 && (english == 0 || czech >= 3 * english)) {
        guess.language = Language::Czech;
        guess.evidence = czechSeen.mid(0, 4);
    }
    return guess;
}

namespace {
// Only the first line names a set; a "#name:" further down is a comment the writer may think counts.
void checkNameLines(Checker& checker, const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QStringLiteral("#name:"))) continue;
        if (i > 0)
            checker.add(static_cast<int>(i + 1), Severity::Warning,
                        QStringLiteral("only the first line can name the set; this \"#name:\" is a comment"));
        else if (setNameFromLine(lines[i]).isEmpty())
            checker.add(1, Severity::Warning,
                        QStringLiteral("\"#name:\" names nothing; the set is named after its file"));
    }
}
} // namespace

CheckReport checkQuestionFile(const QByteArray& bytes, const QString& fileName, Language intended) {
    CheckReport report;
    report.fileName = fileName;
    textcodec::Decoding decoding;
    const ParsedQuestionFile parsed = parseQuestionFile(bytes, &decoding);
    QStringList lines;
    textcodec::forEachLine(bytes, [&lines](int, QStringView line) { lines << line.toString(); });
    Checker checker(report, intended);

    for (int line : decoding.fallbackLines)
        checker.add(
            line, Severity::Warning,
            QStringLiteral("this line is not valid UTF-8 like the rest of the file; the game reads it "
                           "as Windows-1250 (save the whole file as UTF-8)"));

    for (const LoadIssue& issue : parsed.issues) {
        QString message = QStringLiteral("the game skips this line: it ") + issue.reason;
        const QString& raw = lines[issue.line - 1];
        if (raw.count(u'\\') < 4 && raw.count(u'/') >= 3)
            message += QStringLiteral(" (fields are separated by \"\\\", not \"/\")");
        else
            message += QStringLiteral(" (write question\\right answer\\wrong\\wrong\\wrong)");
        checker.add(issue.line, Severity::Error, message);
    }
    for (const QuestionLine& q : parsed.questions)
        checker.checkQuestion(q, lines[q.line - 1]);
    report.setName = parsed.name;
    checkNameLines(checker, lines);

    if (report.questions == 0)
        checker.add(
            0, Severity::Error,
            QStringLiteral(
                "the file holds no question; write one a line: question\\right answer\\wrong\\wrong\\wrong"));
    if (!report.setName.isEmpty())
        checker.add(0, Severity::Note, QStringLiteral("set name: %1").arg(report.setName));
    checker.add(0, Severity::Note,
                decoding.encoding == textcodec::Encoding::Windows1250
                    ? QStringLiteral("encoding: not UTF-8, read as Windows-1250")
                    : QStringLiteral("encoding: %1").arg(textcodec::describe(decoding)));
    for (const QString& counts : formatTagCounts(report))
        checker.add(0, Severity::Note, counts);
    if (intended != Language::Unknown) {
        checker.add(0, Severity::Note,
                    QStringLiteral("%1 question(s) go to the English game").arg(report.english));
        checker.add(0, Severity::Note,
                    QStringLiteral("%1 question(s) go to the Czech game").arg(report.czech));
    }

    // Findings about the whole file come after those of its lines.
    std::stable_sort(report.findings.begin(), report.findings.end(), [](const Finding& a, const Finding& b) {
        return (a.line == 0 ? INT_MAX : a.line) < (b.line == 0 ? INT_MAX : b.line);
    });
    return report;
}

QStringList formatTagCounts(const CheckReport& report) {
    if (report.topics.size() == 1 && report.topics.contains(QString())) return {}; // no line is tagged
    QStringList topics, levels;
    for (auto it = report.topics.cbegin(); it != report.topics.cend(); ++it)
        topics << QStringLiteral("%1 %2")
                      .arg(it.key().isEmpty() ? QStringLiteral("none") : escapeControls(it.key()))
                      .arg(it.value());
    const QMap<QString, QString> names = {{QStringLiteral("1"), QStringLiteral("1 (easy)")},
                                          {QStringLiteral("2"), QStringLiteral("2 (medium)")},
                                          {QStringLiteral("3"), QStringLiteral("3 (hard)")},
                                          {QString(), QStringLiteral("none")}};
    for (auto it = report.difficulties.cbegin(); it != report.difficulties.cend(); ++it)
        levels
            << QStringLiteral("%1 %2").arg(names.value(it.key(), escapeControls(it.key()))).arg(it.value());
    return {QStringLiteral("topics: ") + topics.join(QStringLiteral(", ")),
            QStringLiteral("difficulty: ") + levels.join(QStringLiteral(", "))};
}

namespace {
// What a terminal acts on or what hides or reorders the text around it: control codes, format characters
// (bidirectional marks, embeddings, overrides and isolates, zero-width characters, tags), the line and
// paragraph separators, and a surrogate without its pair.
bool isUnsafeToPrint(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
        return true;
    default:
        return false;
    }
}
} // namespace

QString escapeControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        const auto hex = [c](int digits) {
            return QString::number(uint(c), 16).toUpper().rightJustified(digits, u'0');
        };
        if (!isUnsafeToPrint(c))
            out += QStringView(text).sliced(i, pair ? 2 : 1);
        else if (c == 0x1B)
            out += QStringLiteral("\\e");
        else if (c < 0x100)
            out += QStringLiteral("\\x") + hex(2);
        else if (c < 0x10000)
            out += QStringLiteral("\\u") + hex(4);
        else
            out += QStringLiteral("\\U") + hex(8);
        if (pair) ++i;
    }
    return out;
}

QString formatFinding(const QString& fileName, const Finding& finding) {
    const QString severity = finding.severity == Severity::Error     ? QStringLiteral("error")
                             : finding.severity == Severity::Warning ? QStringLiteral("warning")
                                                                     : QStringLiteral("note");
    const QString where =
        finding.line > 0 ? QStringLiteral("%1:%2").arg(fileName, QString::number(finding.line)) : fileName;
    return escapeControls(QStringLiteral("%1: %2: %3").arg(where, severity, finding.message));
}

QString formatSummary(const CheckReport& report) {
    const auto count = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return QStringLiteral("%1: %2 English, %3 Czech; %4, %5")
        .arg(count(report.questions, "question", "questions"), QString::number(report.english),
             QString::number(report.czech), count(report.errors(), "error", "errors"),
             count(report.warnings(), "warning", "warnings"));
}

} // namespace checker
