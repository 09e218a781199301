// The question-file checker: what it reports on small files, and how the tool exits.
#include "checker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using checker::CheckReport;
using checker::Language;
using checker::Severity;

namespace {

// "2 error, 5 warning": the line and severity of each finding except notes, in report order.
QString linesAndSeverities(const CheckReport& report) {
    QStringList out;
    for (const checker::Finding& f : report.findings) {
        if (f.severity == Severity::Note) continue;
        out << QStringLiteral("%1 %2").arg(QString::number(f.line), f.severity == Severity::Error
                                                                        ? QStringLiteral("error")
                                                                        : QStringLiteral("warning"));
    }
    return out.join(QStringLiteral(", "));
}

// No control or format character, line or paragraph separator, or lone surrogate but the line feeds.
bool printsSafely(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const QChar::Category category = QChar::category(c);
        if (c != u'\n' && (category == QChar::Other_Control || category == QChar::Other_Format ||
                           category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
                           category == QChar::Other_Surrogate))
            return false;
    }
    return true;
}

QString allMessages(const CheckReport& report) {
    QStringList out;
    for (const checker::Finding& f : report.findings)
        out << checker::formatFinding(report.fileName, f);
    return out.join(u'\n');
}

const QByteArray kEnglish = "Which planet is closest to the Sun?\\Mercury\\Venus\\Mars\\Earth\n";
const QByteArray kCzech =
    "Který hrad je nejstarší v\xc2\xa0Česku?\\Pražský hrad\\Karlštejn\\Křivoklát\\Loket\n";

// Windows-1250 bytes of the few Czech letters the fixture uses.
QByteArray windows1250(const QString& text) {
    const QHash<QChar, char> high = {{u'á', '\xE1'}, {u'í', '\xED'}, {u'ě', '\xEC'}, {u'š', '\x9A'},
                                     {u'ž', '\x9E'}, {u'ý', '\xFD'}, {u'Č', '\xC8'}, {u'ř', '\xF8'}};
    QByteArray out;
    for (QChar c : text)
        out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : high.value(c, '?');
    return out;
}

} // namespace

class CheckerTest : public QObject {
    Q_OBJECT

private slots:
    void findingsOfSmallFiles_data();
    void findingsOfSmallFiles();
    void languageOfTheFileOverridesTheGuess_data();
    void languageOfTheFileOverridesTheGuess();
    void windows1250FileIsReadRight();
    void topicsAndDifficultiesAreCounted();
    void encodingsAndControlCharacters_data();
    void encodingsAndControlCharacters();
    void invisibleCharactersAreShownEscaped_data();
    void invisibleCharactersAreShownEscaped();
    void summaryCountsQuestionsPerLanguage();
    void executableExitStatus_data();
    void executableExitStatus();
    void severalFilesAreReportedEachAndTogether_data();
    void severalFilesAreReportedEachAndTogether();
    void shippedQuestionBankIsClean();
    void shippedQuestionSetsAreCleanAndNamed();
};

void CheckerTest::findingsOfSmallFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");  // line and severity of each finding
    QTest::addColumn<QString>("mentioned"); // in one of the messages, unless empty

    // clang-format off
    QTest::newRow("good English and Czech questions")
        << kEnglish + kCzech << "" << "";
    QTest::newRow("good English question beginning with Which")
        << kEnglish << "" << "";
    QTest::newRow("good Czech question beginning with Který")
        << kCzech << "" << "";
    QTest::newRow("empty lines are not questions")
        << "\n\n" + kEnglish + "\r\n\r\n" + kCzech << "" << "";
    QTest::newRow("line with three answers is skipped")
        << kEnglish + "Kolik je 2 + 2?\\4\\3\\5\n" << "2 error" << "3 answer field(s), needs 4";
    QTest::newRow("line with an empty answer is skipped")
        << kEnglish + "Kolik je 2 + 2?\\4\\\\5\\6\n" << "2 error" << "empty answer field";
    QTest::newRow("line of spaces is skipped")
        << kEnglish + "   \n" << "2 error" << "the game skips this line";
    QTest::newRow("slashes instead of backslashes")
        << "Kolik je 2 + 2?/4/3/5/6\n" + kEnglish << "1 error" << "not \"/\"";
    QTest::newRow("lone carriage returns end lines")
        << kEnglish.chopped(1) + "\r" + kCzech.chopped(1) + "\rKolik je 2 + 2?\\4\r" << "3 error" << "";
    QTest::newRow("duplicate question ignoring case and surrounding spaces")
        << kEnglish + kCzech + "WHICH PLANET IS CLOSEST TO THE SUN? \\Mercury\\Venus\\Mars\\Earth\n"
        << "3 error, 3 warning" << "first at line 1";
    QTest::newRow("empty question text")
        << QByteArray("\\Mercury\\Venus\\Mars\\Earth\n") << "1 error" << "empty";
    QTest::newRow("answer too wide for its box")
        << QByteArray("Co obíhá kolem Země?\\Mezinárodní vesmírná stanice na oběžné dráze\\Měsíc\\Mars\\Venuše\n")
        << "1 error" << "the right answer";
    // About 196 and 205 px in the 15 px regular font.
    QTest::newRow("Czech one-letter words before ordinary spaces")
        << QByteArray("V kterém městě je hrad s věží a příkopem?\\Praha\\Brno\\Ostrava\\Plzeň\n")
        << "1 warning" << "the one-letter word(s) \"V\", \"s\", \"a\" stand before an ordinary space";
    QTest::newRow("an English question may have one-letter words")
        << QByteArray("Which is a planet?\\Mars\\Sun\\Moon\\Halley\n") << "" << "";
    QTest::newRow("answer just narrower than its box")
        << QByteArray("Kteří malíři žili v\xc2\xa0Itálii?\\Leonardo da Vinci a Tizian\\Monet\\Dalí\\Goya\n")
        << "" << "";
    QTest::newRow("answer just wider than its box")
        << QByteArray("Kteří malíři žili v\xc2\xa0Itálii?\\Leonardo da Vinci a Raffael\\Monet\\Dalí\\Goya\n")
        << "1 error" << "is 205 px wide";
    QTest::newRow("two-line answer that fits")
        << QByteArray("Co obíhá kolem Země?\\Mezinárodní vesmírná|stanice\\Měsíc\\Mars\\Venuše\n")
        << "" << "";
    QTest::newRow("two-line answer with a line too wide")
        << QByteArray("Co obíhá kolem Země?\\Měsíc\\ISS|Mezinárodní vesmírná stanice na oběžné dráze\\Mars\\Venuše\n")
        << "1 error" << "second line of wrong answer 1";
    QTest::newRow("third part after a second bar")
        << QByteArray("Co obíhá kolem Země?\\Mezinárodní|vesmírná|stanice\\Měsíc\\Mars\\Venuše\n")
        << "1 error" << "\"stanice\"";
    QTest::newRow("answer measured with the names filled in")
        << QByteArray("Kdo dnes vyhraje?\\%1% a %2% a %1%\\nikdo\\oba\\pes\n") << "1 error" << "Tamvel I.";
    // "velmi " is about 51 px in bold 11 pt: 25 of them and the rest fill seven lines of the panel with
    // the line kept for a time-out below; one more needs a size the game keeps for text too long.
    QTest::newRow("question too long even for the smallest size")
        << "Kolik je " + QByteArray("velmi ").repeated(60) + "dlouhá otázka?\\1\\2\\3\\4\n"
        << "1 error" << "does not fit the panel even in the smallest size, 11 pt";
    QTest::newRow("question that fits a size above the smallest")
        << "Kolik je " + QByteArray("velmi ").repeated(21) + "otázka?\\1\\2\\3\\4\n" << "" << "";
    QTest::newRow("longest question that fits, only in the smallest size")
        << "Kolik je " + QByteArray("velmi ").repeated(25) + "otázka?\\1\\2\\3\\4\n"
        << "1 warning" << "fits the panel only in the smallest size, 11 pt (7 lines)";
    QTest::newRow("question one word too long")
        << "Kolik je " + QByteArray("velmi ").repeated(26) + "otázka?\\1\\2\\3\\4\n"
        << "1 error" << "the game squeezes it into 10 pt";
    QTest::newRow("long question that fits")
        << QByteArray("Kolik kusů ovoce máme, když k\xc2\xa0sedmi jablkům přidáme ještě pět hrušek a\xc2\xa0potom "
                      "tři švestky, a\xc2\xa0nakonec dvě jablka sníme?\\13\\15\\17\\11\n")
        << "" << "";
    QTest::newRow("word wider than a line")
        << QByteArray("Co jsou nejpravděpodobnějšímipříležitostmi?\\a\\b\\c\\d\n") << "1 error"
        << "wider than the widest line of the question panel";
    QTest::newRow("English question beginning with In which")
        << QByteArray("In which year did the Second World War end?\\1945\\1944\\1946\\1939\n")
        << "1 warning" << "begins with \"In which\" — the game deals it as Czech";
    QTest::newRow("English question beginning with lowercase what")
        << QByteArray("what is the capital of Peru?\\Lima\\Quito\\Bogota\\La Paz\n") << "1 warning" << "capital letter";
    QTest::newRow("English question beginning with Name")
        << QByteArray("Name the largest ocean of the world.\\Pacific\\Atlantic\\Indian\\Arctic\n")
        << "1 warning" << "reads as English";
    QTest::newRow("Czech question beginning with W")
        << QByteArray("Wolfgang Amadeus Mozart se narodil ve kterém městě?\\Salcburk\\Vídeň\\Praha\\Linec\n")
        << "1 warning" << "the game deals it as English, but it reads as Czech";
    QTest::newRow("Czech question beginning with How")
        << QByteArray("Howard Carter objevil hrobku kterého faraona v roce 1922?\\Tutanchamona\\Ramesse\\Chufua\\Džosera\n")
        << "1 warning" << "reads as Czech";
    QTest::newRow("no warning when the language is unclear")
        << QByteArray("Eiffel Tower?\\Paris\\Rome\\Berlin\\Madrid\n") << "" << "";
    QTest::newRow("a topic and a difficulty are welcome")
        << QByteArray("Kolik je 2 + 2?\\4\\3\\5\\6\\science\\1\n") << "" << "";
    QTest::newRow("a topic alone is welcome") << QByteArray("Kolik je 2 + 2?\\4\\3\\5\\6\\science\n") << "" << "";
    QTest::newRow("an unknown topic") << QByteArray("Kolik je 2 + 2?\\4\\3\\5\\6\\maths\\1\n") << "1 error"
                                      << "unknown topic \"maths\"";
    QTest::newRow("a difficulty out of range")
        << QByteArray("Kolik je 2 + 2?\\4\\3\\5\\6\\science\\easy\n") << "1 error" << "is not 1 (easy)";
    QTest::newRow("fields after the difficulty are ignored")
        << QByteArray("Kolik je 2 + 2?\\4\\3\\5\\6\\science\\2\\7\n") << "1 warning"
        << "after the difficulty are ignored";
    QTest::newRow("backslash after the last answer")
        << QByteArray("Kolik je 2 + 2?\\4\\3\\5\\6\\\n") << "1 warning" << "after the last answer";
    QTest::newRow("trailing space in an answer")
        << QByteArray("Kolik je 2 + 2?\\4 \\3\\5\\6\n") << "1 warning" << "\"4 \" has a trailing space";
    QTest::newRow("answer of spaces only")
        << QByteArray("Kolik je 2 + 2?\\4\\  \\5\\6\n") << "1 error" << "only spaces";
    QTest::newRow("question equal to an answer")
        << QByteArray("Praha\\Praha\\Brno\\Ostrava\\Plzeň\n") << "1 warning" << "the question text and the right answer";
    QTest::newRow("two identical answers")
        << QByteArray("Kolik je 2 + 2?\\4\\5\\5\\6\n") << "1 warning" << "wrong answer 1 and wrong answer 2";
    QTest::newRow("right answer repeated as a wrong one ignoring case")
        << QByteArray("Hlavní město Francie?\\Paříž\\Lyon\\PAŘÍŽ \\Nice\n")
        << "1 warning, 1 warning" << "the right answer and wrong answer 2";
    QTest::newRow("placeholder in the question text")
        << QByteArray("Kolik bodů má %1%?\\5\\3\\4\\6\n") << "1 warning" << "only in answers";
    QTest::newRow("empty file")
        << QByteArray() << "0 error" << "no question";
    QTest::newRow("comment lines are not questions")
        << "# written by Eva\n" + kEnglish + "#What is this?\\a\\b\n#\n" + kCzech << "" << "";
    QTest::newRow("a file of only comments holds no question")
        << QByteArray("#name: Nothing yet\n# to do\n") << "0 error" << "no question";
    QTest::newRow("the first line names the set")
        << "#name:  Planets  \n" + kEnglish << "" << "q.dat: note: set name: Planets";
    QTest::newRow("a name line further down is a comment")
        << kEnglish + "#name: Planets\n" << "2 warning" << "only the first line can name the set";
    QTest::newRow("a name line that names nothing")
        << "#name:\n" + kEnglish << "1 warning" << "names nothing";
    // clang-format on
}

void CheckerTest::findingsOfSmallFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QFETCH(QString, mentioned);
    const CheckReport report = checker::checkQuestionFile(file, QStringLiteral("q.dat"));
    QCOMPARE(linesAndSeverities(report), expected);
    if (!mentioned.isEmpty())
        QVERIFY2(allMessages(report).contains(mentioned), qPrintable(allMessages(report)));
}

void CheckerTest::languageOfTheFileOverridesTheGuess_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Language>("intended");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("mentioned");

    // clang-format off
    QTest::newRow("English file, question the game deals as Czech")
        << kEnglish + "Kolik je 2 + 2?\\4\\3\\5\\6\n"
        << Language::English << "2 warning"
        << "but this file is for English (--lang en)";
    QTest::newRow("Czech file, question the game deals as English")
        << kCzech + kEnglish << Language::Czech << "2 warning"
        << "the game deals it as English";
    QTest::newRow("Czech file, English question the game deals as Czech")
        << kCzech + "In which year did the Second World War end?\\1945\\1944\\1946\\1939\n"
        << Language::Czech << "2 warning"
        << "reads as English (in, which, year, did), but this file is for Czech";
    QTest::newRow("English file of English questions")
        << kEnglish + "How many legs has a spider?\\8\\6\\10\\4\n"
        << Language::English << ""
        << "q.dat: note: 2 question(s) go to the English game";
    // clang-format on
}

void CheckerTest::languageOfTheFileOverridesTheGuess() {
    QFETCH(QByteArray, file);
    QFETCH(Language, intended);
    QFETCH(QString, expected);
    QFETCH(QString, mentioned);
    const CheckReport report = checker::checkQuestionFile(file, QStringLiteral("q.dat"), intended);
    QCOMPARE(linesAndSeverities(report), expected);
    QVERIFY2(allMessages(report).contains(mentioned), qPrintable(allMessages(report)));
    // The counts of both languages are noted whenever the file's language is given.
    QVERIFY(allMessages(report).contains(
        QStringLiteral("q.dat: note: %1 question(s) go to the English game").arg(report.english)));
    QVERIFY(allMessages(report).contains(
        QStringLiteral("q.dat: note: %1 question(s) go to the Czech game").arg(report.czech)));
}

void CheckerTest::topicsAndDifficultiesAreCounted() {
    const QByteArray tagged = "What is A?\\a\\b\\c\\d\\film\\3\n"
                              "What is B?\\a\\b\\c\\d\\history\\1\n"
                              "What is C?\\a\\b\\c\\d\\film\\3\n"
                              "What is D?\\a\\b\\c\\d\n";
    const CheckReport report = checker::checkQuestionFile(tagged, QStringLiteral("q.dat"));
    QCOMPARE(checker::formatTagCounts(report),
             QStringList({QStringLiteral("topics: none 1, film 2, history 1"),
                          QStringLiteral("difficulty: none 1, 1 (easy) 1, 3 (hard) 2")}));
    QCOMPARE(report.errors() + report.warnings(), 0);
    const CheckReport plain = checker::checkQuestionFile("What is A?\\a\\b\\c\\d\n", QStringLiteral("q.dat"));
    QVERIFY(checker::formatTagCounts(plain).isEmpty());
}

void CheckerTest::windows1250FileIsReadRight() {
    const QByteArray bytes = windows1250(
        QStringLiteral(u"Jak se jmenuje nejvyšší hora Česka?\\Sněžka \\Praděd\\Lysá hora\\Klínovec\r\n"));
    const CheckReport report = checker::checkQuestionFile(bytes, QStringLiteral("q.dat"));
    QCOMPARE(report.questions, 1);
    QCOMPARE(report.czech, 1);
    QCOMPARE(linesAndSeverities(report), QStringLiteral("1 warning"));
    QVERIFY2(allMessages(report).contains(QStringLiteral(u"\"Sněžka \" has a trailing space")),
             qPrintable(allMessages(report)));
}

void CheckerTest::encodingsAndControlCharacters_data() {
    QTest::addColumn<QString>("file"); // in tests/fixtures/encodings
    QTest::addColumn<QString>("encodingNote");
    QTest::addColumn<QString>("expected"); // line and severity of each finding
    QTest::addColumn<QString>("mentioned");
    QTest::newRow("UTF-8 with one Windows-1250 line") << "mixed_utf8_one_cp1250.dat"
                                                      << "encoding: UTF-8"
                                                      << "3 warning"
                                                      << "the game reads it as Windows-1250";
    QTest::newRow("a whole file in Windows-1250") << "whole_cp1250.dat"
                                                  << "encoding: not UTF-8, read as Windows-1250"
                                                  << ""
                                                  << "";
    QTest::newRow("UTF-8 with a byte order mark") << "utf8_bom.dat"
                                                  << "encoding: UTF-8 with a byte order mark"
                                                  << ""
                                                  << "";
    QTest::newRow("UTF-16 LE") << "utf16le_bom.dat"
                               << "encoding: UTF-16 LE with a byte order mark"
                               << ""
                               << "";
    QTest::newRow("UTF-16 BE") << "utf16be_bom.dat"
                               << "encoding: UTF-16 BE with a byte order mark"
                               << ""
                               << "";
    QTest::newRow("UTF-16 LE without a byte order mark") << "utf16le_nomark.dat"
                                                         << "encoding: UTF-16 LE without a byte order mark"
                                                         << ""
                                                         << "";
    QTest::newRow("UTF-16 BE without a byte order mark") << "utf16be_nomark.dat"
                                                         << "encoding: UTF-16 BE without a byte order mark"
                                                         << ""
                                                         << "";
    QTest::newRow("control characters") << "control_chars.dat"
                                        << "encoding: UTF-8"
                                        << "1 warning, 2 warning, 3 warning"
                                        << "\"What \\e[31mred\\e[0m thing?\" holds control characters";
}

void CheckerTest::encodingsAndControlCharacters() {
    QFETCH(QString, file);
    QFETCH(QString, encodingNote);
    QFETCH(QString, expected);
    QFETCH(QString, mentioned);
    QFile f(QStringLiteral(TK_ENCODING_FIXTURES "/") + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const CheckReport report = checker::checkQuestionFile(f.readAll(), file);
    QCOMPARE(linesAndSeverities(report), expected);
    const QString printed = allMessages(report);
    QVERIFY2(printed.contains(file + ": note: " + encodingNote), qPrintable(printed));
    if (!mentioned.isEmpty()) QVERIFY2(printed.contains(mentioned), qPrintable(printed));
    // Nothing of the file reaches the terminal as a control or format character.
    QVERIFY2(printsSafely(printed), qPrintable(printed.toUtf8().toHex()));
    QVERIFY(!printed.contains(QChar(0x202E)));
}

void CheckerTest::invisibleCharactersAreShownEscaped_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("shown");
    QTest::newRow("escape") << QStringLiteral(u"\u001B") << "\\e";
    QTest::newRow("bell") << QStringLiteral(u"\u0007") << "\\x07";
    QTest::newRow("delete") << QStringLiteral(u"\u007F") << "\\x7F";
    QTest::newRow("C1 control sequence introducer") << QStringLiteral(u"\u009B") << "\\x9B";
    QTest::newRow("right-to-left mark") << QStringLiteral(u"\u200F") << "\\u200F";
    QTest::newRow("Arabic letter mark") << QStringLiteral(u"\u061C") << "\\u061C";
    QTest::newRow("right-to-left override") << QStringLiteral(u"\u202E") << "\\u202E";
    QTest::newRow("first strong isolate") << QStringLiteral(u"\u2068") << "\\u2068";
    QTest::newRow("line separator") << QStringLiteral(u"\u2028") << "\\u2028";
    QTest::newRow("paragraph separator") << QStringLiteral(u"\u2029") << "\\u2029";
    QTest::newRow("zero-width space") << QStringLiteral(u"\u200B") << "\\u200B";
    QTest::newRow("byte order mark") << QStringLiteral(u"\uFEFF") << "\\uFEFF";
    QTest::newRow("tag letter") << QStringLiteral(u"\U000E0041") << "\\U000E0041";
    QTest::newRow("no-break space stays") << QStringLiteral(u"\u00A0") << QStringLiteral(u"\u00A0");
    QTest::newRow("Czech letter stays") << QStringLiteral(u"ř") << QStringLiteral(u"ř");
    QTest::newRow("emoji stays") << QStringLiteral(u"\U0001F600") << QStringLiteral(u"\U0001F600");
}

// The checker quotes an answer with a trailing space back to the writer: whatever it holds must not act
// on the terminal or hide and reorder the text around it.
void CheckerTest::invisibleCharactersAreShownEscaped() {
    QFETCH(QString, character);
    QFETCH(QString, shown);
    const QString file = QStringLiteral("Kolik je 2 + 2?\\4") + character + QStringLiteral(" \\3\\5\\6\n");
    const QString printed = allMessages(checker::checkQuestionFile(file.toUtf8(), QStringLiteral("q.dat")));
    QVERIFY2(printed.contains(QStringLiteral("\"4") + shown + QStringLiteral(" \" has a trailing space")),
             qPrintable(printed));
    QVERIFY2(printsSafely(printed), qPrintable(printed.toUtf8().toHex()));
    QCOMPARE(checker::escapeControls(character), shown);
}

void CheckerTest::summaryCountsQuestionsPerLanguage() {
    const QByteArray file = kEnglish + "How many legs has a spider?\\8\\6\\10\\4\n" + kCzech +
                            "Kolik je 2 + 2?\\4\\3\\5\\6 \n" + "Kolik nohou má pavouk?\\8\\6\\4\n" +
                            "Jaká řeka teče Prahou?\\Vltava\\Labe\\Morava\\Odra\n";
    const CheckReport report = checker::checkQuestionFile(file, QStringLiteral("q.dat"));
    QCOMPARE(checker::formatSummary(report),
             QStringLiteral("5 questions: 2 English, 3 Czech; 1 error, 1 warning"));
}

void CheckerTest::executableExitStatus_data() {
    QTest::addColumn<QByteArray>("qdat"); // written as q.dat in the working folder unless null
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // expected in stdout, or stderr when the exit code is 2

    const QByteArray withError = kEnglish + "Kolik je 2 + 2?\\4\\3\n";
    // clang-format off
    QTest::newRow("clean file")
        << kEnglish + kCzech << QStringList{"q.dat"} << 0 << "2 questions: 1 English, 1 Czech; 0 errors, 0 warnings\n";
    QTest::newRow("file with errors")
        << withError << QStringList{"q.dat"} << 1 << "q.dat:2: error: the game skips this line";
    QTest::newRow("q.dat of the current folder by default")
        << withError << QStringList{} << 1 << "q.dat:2: error:";
    QTest::newRow("warnings alone exit cleanly")
        << kEnglish + kCzech << QStringList{"--lang", "en", "q.dat"} << 0
        << "q.dat:2: warning: begins with \"Který hrad\" — the game deals it as Czech, but this file is for English";
    QTest::newRow("missing file")
        << QByteArray() << QStringList{"missing.dat"} << 2 << "cannot read missing.dat: No such file or directory";
    QTest::newRow("unknown language")
        << kEnglish << QStringList{"--lang", "de", "q.dat"} << 2 << "cs or en";
    QTest::newRow("an unknown option is shown escaped")
        << QByteArray() << QStringList{"--\x1b]0;X\ax"} << 2 << "unknown option --\\e]0;X\\x07x (see --help)";
    QTest::newRow("an unknown option with a right-to-left mark")
        << QByteArray() << QStringList{QStringLiteral(u"--\u200Fx\u2028y")} << 2 << "unknown option --\\u200Fx\\u2028y";
    QTest::newRow("help shows the line format")
        << QByteArray() << QStringList{"--help"} << 0 << "question\\right answer\\wrong\\wrong\\wrong";
    // clang-format on
}

void CheckerTest::executableExitStatus() {
    QFETCH(QByteArray, qdat);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!qdat.isNull()) {
        QFile f(dir.filePath(QStringLiteral("q.dat")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(qdat);
    }
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(QStringLiteral(TK_CHECKER_EXE), arguments);
    QVERIFY2(tool.waitForFinished(), qPrintable(tool.errorString()));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitCode(), exitCode);
    QVERIFY2((exitCode == 2 ? err : out).contains(output), qPrintable(out + err));
    QVERIFY2(printsSafely(out + err), qPrintable((out + err).toUtf8().toHex()));
}

void CheckerTest::severalFilesAreReportedEachAndTogether_data() {
    QTest::addColumn<QByteArray>("first");  // a.dat
    QTest::addColumn<QByteArray>("second"); // b.dat, not written when null
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("output"); // each expected in stdout and stderr together

    const QByteArray named = "#name: Planets\n" + kEnglish;
    const QByteArray withError = "#name: Broken\n" + kCzech + "Kolik je 2 + 2?\\4\\3\n";
    // clang-format off
    QTest::newRow("two clean files")
        << named << kCzech << 0
        << QStringList{"a.dat: note: set name: Planets", "a.dat: 1 question: 1 English, 0 Czech; 0 errors, 0 warnings",
                       "b.dat: 1 question: 0 English, 1 Czech; 0 errors, 0 warnings",
                       "total: 2 files, 2 questions; 0 errors, 0 warnings"};
    QTest::newRow("errors in the second file")
        << named << withError << 1
        << QStringList{"b.dat:3: error: the game skips this line", "a.dat: 1 question:",
                       "b.dat: 1 question: 0 English, 1 Czech; 1 error, 0 warnings",
                       "total: 2 files, 2 questions; 1 error, 0 warnings"};
    QTest::newRow("errors in the first file")
        << withError << named << 1 << QStringList{"b.dat: 1 question: 1 English, 0 Czech; 0 errors"};
    QTest::newRow("a file that cannot be read")
        << withError << QByteArray() << 2
        << QStringList{"cannot read b.dat", "a.dat:3: error:", "total: 2 files, 1 question; 1 error, 0 warnings; 1 file could not be read"};
    // clang-format on
}

void CheckerTest::severalFilesAreReportedEachAndTogether() {
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(int, exitCode);
    QFETCH(QStringList, output);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const auto& [name, bytes] : {std::pair{"a.dat", first}, std::pair{"b.dat", second}}) {
        if (bytes.isNull()) continue;
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(QStringLiteral(TK_CHECKER_EXE), {QStringLiteral("a.dat"), QStringLiteral("b.dat")});
    QVERIFY2(tool.waitForFinished(), qPrintable(tool.errorString()));
    const QString printed =
        QString::fromUtf8(tool.readAllStandardOutput()) + QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitCode(), exitCode);
    for (const QString& expected : output)
        QVERIFY2(printed.contains(expected), qPrintable(printed));
}

void CheckerTest::shippedQuestionBankIsClean() {
    QFile file(QStringLiteral(TK_SHIPPED_QDAT));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const CheckReport report = checker::checkQuestionFile(file.readAll(), QStringLiteral("q.dat"));
    QStringList errors;
    for (const checker::Finding& f : report.findings)
        if (f.severity == Severity::Error && errors.size() < 20)
            errors << checker::formatFinding(report.fileName, f);
    QVERIFY2(report.errors() == 0, qPrintable(errors.join(u'\n')));
    QCOMPARE(report.warnings(), 0);
    // Every line carries its topic and difficulty, and each language has a full bank.
    QVERIFY(!report.topics.contains(QString()));
    QVERIFY(!report.difficulties.contains(QString()));
    QVERIFY(report.english >= 1500);
    QVERIFY(report.czech >= 1500);
}

// The sets shipped in questions/ are examples for writers: clean, named, tagged, in both languages.
void CheckerTest::shippedQuestionSetsAreCleanAndNamed() {
    const QFileInfoList sets = QDir(QStringLiteral(TK_SHIPPED_SETS)).entryInfoList({QStringLiteral("*.dat")});
    QVERIFY(!sets.isEmpty());
    for (const QFileInfo& set : sets) {
        QFile file(set.filePath());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const CheckReport report = checker::checkQuestionFile(file.readAll(), set.fileName());
        QVERIFY2(report.errors() == 0 && report.warnings() == 0, qPrintable(allMessages(report)));
        QVERIFY2(!report.setName.isEmpty(), qPrintable(set.fileName()));
        QVERIFY(!report.topics.contains(QString()));
        QVERIFY(!report.difficulties.contains(QString()));
        QVERIFY(report.english >= 20);
        QVERIFY(report.czech >= 20);
    }
}

QTEST_MAIN(CheckerTest)
#include "tst_checker.moc"
