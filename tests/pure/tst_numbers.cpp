// Number conversions, text decoding and the n.dat settings format.
#include "numbers.h"
#include "settingsfile.h"
#include "textcodec.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

using settingsfile::kOff;
using settingsfile::kOn;

class NumConvTest : public QObject {
    Q_OBJECT

private slots:
    void valReadsTheLeadingNumber_data();
    void valReadsTheLeadingNumber();
    void valIgnoresTheDecimalCommaOfTheUsersLocale();
    void roundingTakesExactHalvesToTheEvenNeighbour_data();
    void roundingTakesExactHalvesToTheEvenNeighbour();
    void formatNumberWritesPlainDecimal_data();
    void formatNumberWritesPlainDecimal();

    void utf8AndWindows1250DecodeToTheSameText_data();
    void utf8AndWindows1250DecodeToTheSameText();
    void unpairedSurrogatesInUtf16BecomeReplacementCharacters();
    void utf16WithoutAByteOrderMarkIsRecognised_data();
    void utf16WithoutAByteOrderMarkIsRecognised();
    void byteOrderMarkIsDropped();
    void onlyTheFilesOwnByteOrderMarkIsDropped_data();
    void onlyTheFilesOwnByteOrderMarkIsDropped();
    void splitLinesEndsLinesAtAnyLineEnd_data();
    void splitLinesEndsLinesAtAnyLineEnd();

    void settingsFileReads_data();
    void settingsFileReads();
    void itemsSurviveWriteAndRead_data();
    void itemsSurviveWriteAndRead();
    void plainItemsAreWrittenAsLinesWithCrLf();
    void namesLoseTheirNulCharacters();
};

void NumConvTest::valReadsTheLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("whole"); // nothing but spaces after the number
    QTest::newRow("digits followed by letters") << "12abc" << 12.0 << false;
    QTest::newRow("no leading number") << "abc" << 0.0 << false;
    QTest::newRow("spaces between digits are skipped") << " 1 2" << 12.0 << true;
    QTest::newRow("sign, fraction and exponent") << "-3.5e2x" << -350.0 << false;
    QTest::newRow("exponent without digits is not part of it") << "1e" << 1.0 << false;
    QTest::newRow("exponent with a sign but no digits") << "7e-x" << 7.0 << false;
    QTest::newRow("empty text") << "" << 0.0 << false;
    QTest::newRow("a lone point") << "." << 0.0 << false;
    QTest::newRow("a lone minus") << "-" << 0.0 << false;
    QTest::newRow("fraction without integer part") << ".25" << 0.25 << true;
    QTest::newRow("second point ends the number") << "1.5.3" << 1.5 << false;
    QTest::newRow("comma ends the number") << "3,7" << 3.0 << false;
    QTest::newRow("space between sign and digits") << "- 5" << -5.0 << true;
    QTest::newRow("negative exponent") << "25E-1" << 2.5 << true;
    QTest::newRow("overflow stays finite") << "1e999" << std::numeric_limits<double>::max() << true;
    QTest::newRow("spaces after the exponent") << "2e3  " << 2000.0 << true;
    QTest::newRow("a point after the number") << "5." << 5.0 << true;
}

void NumConvTest::valReadsTheLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(numbers::leadingNumber(text), value);
    QTEST(numbers::isNumber(text), "whole");
}

// QCoreApplication adopts the user's locale on Unix; a Czech user has a decimal comma.
void NumConvTest::valIgnoresTheDecimalCommaOfTheUsersLocale() {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* commaLocale = nullptr;
    for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = name;
            break;
        }
    }
    if (!commaLocale) QSKIP("no locale with a decimal comma is installed");
    const double value = numbers::leadingNumber(QStringLiteral("12.75"));
    const double big = numbers::leadingNumber(QStringLiteral("1e999"));
    std::setlocale(LC_NUMERIC, previous.c_str());
    QCOMPARE(value, 12.75);
    QCOMPARE(big, std::numeric_limits<double>::max());
}

void NumConvTest::roundingTakesExactHalvesToTheEvenNeighbour_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("0.5 to 0") << 0.5 << qint64(0);
    QTest::newRow("1.5 to 2") << 1.5 << qint64(2);
    QTest::newRow("2.5 to 2") << 2.5 << qint64(2);
    QTest::newRow("-0.5 to 0") << -0.5 << qint64(0);
    QTest::newRow("-1.5 to -2") << -1.5 << qint64(-2);
    QTest::newRow("-2.5 to -2") << -2.5 << qint64(-2);
    QTest::newRow("just below a half rounds down") << 2.4999999 << qint64(2);
    QTest::newRow("just above a half rounds up") << 2.5000001 << qint64(3);
    QTest::newRow("negative just beyond a half") << -0.6 << qint64(-1);
}

void NumConvTest::roundingTakesExactHalvesToTheEvenNeighbour() {
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(numbers::roundHalfEven(value), rounded);
}

void NumConvTest::formatNumberWritesPlainDecimal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole number") << 10000.0 << "10000";
    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("no binary noise") << 0.1 + 0.2 << "0.3";
}

void NumConvTest::formatNumberWritesPlainDecimal() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numbers::formatNumber(value), text);
}

void NumConvTest::utf8AndWindows1250DecodeToTheSameText_data() {
    QTest::addColumn<QByteArray>("windows1250");
    QTest::addColumn<QString>("text");
    // Adjacent literals stop a hex escape from swallowing the letters after it.
    QTest::newRow("all Czech letters")
        << QByteArray("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl "
                      "\xEF\xE1"
                      "belsk\xE9 \xF3"
                      "dy \x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xDA\xD9\xCF\x8D\xD2")
        << QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy ŠČŘŽÝÁÍÉÚŮĎŤŇ");
    QTest::newRow("ending in a Czech letter") << QByteArray("K\xE8") << QString::fromUtf8("Kč");
    QTest::newRow("plain ASCII") << QByteArray("Tamvel I.\r\n") << QStringLiteral("Tamvel I.\r\n");
}

void NumConvTest::utf8AndWindows1250DecodeToTheSameText() {
    QFETCH(QByteArray, windows1250);
    QFETCH(QString, text);
    QCOMPARE(textcodec::decode(text.toUtf8()), text);
    QCOMPARE(textcodec::decode(windows1250), text);
}

void NumConvTest::byteOrderMarkIsDropped() {
    const QString text = QString::fromUtf8("Kdo napsal Babičku?");
    QCOMPARE(textcodec::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
}

void NumConvTest::onlyTheFilesOwnByteOrderMarkIsDropped_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString bom(QChar(0xFEFF));
    QTest::newRow("UTF-8, a later line begins with one (two files joined)")
        << QByteArray("\xEF\xBB\xBF"
                      "Eva\r\n\xEF\xBB\xBF"
                      "Adam\r\n")
        << "Eva\r\n" + bom + "Adam\r\n";
    QTest::newRow("UTF-8, twice at the start") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                             "Eva\n")
                                               << bom + "Eva\n";
    QTest::newRow("UTF-8 without a mark, a line begins with one") << QByteArray("Eva\n\xEF\xBB\xBF"
                                                                                "Adam\n")
                                                                  << "Eva\n" + bom + "Adam\n";
    QTest::newRow("Windows-1250 line in UTF-8, the next begins with one")
        << QByteArray("K\xE8\n\xEF\xBB\xBF"
                      "Adam\n\xC4\x8D\n")
        << QStringLiteral(u"Kč\n\uFEFFAdam\nč\n");
    QTest::newRow("UTF-16 LE, twice at the start") << QByteArray("\xFF\xFE\xFF\xFE"
                                                                 "E\0v\0a\0",
                                                                 10)
                                                   << bom + "Eva";
    QTest::newRow("UTF-16 BE, twice at the start")
        << QByteArray("\xFE\xFF\xFE\xFF\0E\0v\0a", 10) << bom + "Eva";
}

// The whole text and the lines read one by one (as the game reads q.dat) keep every U+FEFF after
// the first, which is the file's byte order mark.
void NumConvTest::onlyTheFilesOwnByteOrderMarkIsDropped() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(textcodec::decode(bytes), text);
    QStringList lines;
    textcodec::forEachLine(bytes, [&lines](int, QStringView line) { lines << line.toString(); });
    QCOMPARE(lines, textcodec::splitLines(text));
}

// A name read from a UTF-16 file must come back the same after it is saved as UTF-8: a surrogate
// without its pair becomes the replacement character, a whole pair stays.
void NumConvTest::unpairedSurrogatesInUtf16BecomeReplacementCharacters() {
    const QByteArray bytes("\xFF\xFE"
                           "A\0"
                           "\x00\xD8"
                           "B\0"
                           "\x3D\xD8\x00\xDE"
                           "\x00\xDC",
                           14);
    const QString text = textcodec::decode(bytes);
    QCOMPARE(text, QStringLiteral(u"A\uFFFDB\U0001F600\uFFFD"));
    QCOMPARE(QString::fromUtf8(text.toUtf8()), text);
}

namespace {
QByteArray utf16(const QString& text, bool bigEndian) {
    QByteArray out;
    for (QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8), low = static_cast<char>(c.unicode() & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}
} // namespace

void NumConvTest::utf16WithoutAByteOrderMarkIsRecognised_data() {
    using textcodec::Encoding;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    const QString names = QStringLiteral(u"Šárka Žluťoučká\r\nAdam\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n");
    const QString pangram = QStringLiteral(u"Příliš žluťoučký kůň úpěl ďábelské ódy\r\n");
    QTest::newRow("LE, Czech names") << utf16(names, false) << int(Encoding::Utf16LittleEndian) << names;
    QTest::newRow("BE, Czech names") << utf16(names, true) << int(Encoding::Utf16BigEndian) << names;
    QTest::newRow("LE, a line with many Czech letters")
        << utf16(pangram, false) << int(Encoding::Utf16LittleEndian) << pangram;
    QTest::newRow("LE, two letters") << utf16("ab", false) << int(Encoding::Utf16LittleEndian) << "ab";
    // Without the pattern the bytes stay 8-bit text, NULs and all.
    const QByteArray eva = utf16("Eva\r\n", false);
    QTest::newRow("odd length") << eva + "x" << int(Encoding::Utf8) << QString::fromLatin1(eva + "x");
    QTest::newRow("one character is too little to tell")
        << QByteArray("a\0", 2) << int(Encoding::Utf8) << QString::fromLatin1(QByteArray("a\0", 2));
    const QByteArray utf32("E\0\0\0v\0\0\0a\0\0\0", 12);
    QTest::newRow("NULs in both halves (UTF-32)")
        << utf32 << int(Encoding::Utf8) << QString::fromLatin1(utf32);
    const QByteArray fewNuls("Eva\0Adam\0Petr\0Jana", 18);
    QTest::newRow("a few NULs in 8-bit text")
        << fewNuls << int(Encoding::Utf8) << QString::fromLatin1(fewNuls);
    QTest::newRow("UTF-8") << names.toUtf8() << int(Encoding::Utf8) << names;
}

// UTF-16 saved without a byte order mark would read as 8-bit text: a NUL after every letter, and a
// line end inside "č" (U+010D).
void NumConvTest::utf16WithoutAByteOrderMarkIsRecognised() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    textcodec::Decoding how;
    QCOMPARE(textcodec::decode(bytes, &how), text);
    QCOMPARE(int(how.encoding), encoding);
    QVERIFY(!how.byteOrderMark);
    QStringList lines;
    QCOMPARE(
        int(textcodec::forEachLine(bytes, [&lines](int, QStringView l) { lines << l.toString(); }).encoding),
        encoding);
    QCOMPARE(lines, textcodec::splitLines(text));
}

void NumConvTest::splitLinesEndsLinesAtAnyLineEnd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("line feeds") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("carriage returns") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("CR LF is one line end") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("LF CR is two line ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("last line without line end") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty lines are kept") << "\r\na\r\n\r\n\nb\r\n" << QStringList{"", "a", "", "", "b"};
    QTest::newRow("one line end is one empty line") << "\r\n" << QStringList{""};
    QTest::newRow("spaces make no line end") << "  " << QStringList{"  "};
    QTest::newRow("empty text has no lines") << "" << QStringList{};
}

void NumConvTest::splitLinesEndsLinesAtAnyLineEnd() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(textcodec::splitLines(text), lines);
}

void NumConvTest::settingsFileReads_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("name2");
    QTest::addColumn<QString>("timeBase");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("music");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("items");
    QTest::addColumn<QList<int>>("damaged");
    const QList<int> none;

    // clang-format off
    QTest::newRow("file of the original program")
        << "Eva\r\nAdam\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "Eva" << "Adam" << "10000" << true << false << true << 6 << none;
    QTest::newRow("time base with letters keeps its number")
        << "Eva\r\nAdam\r\n12abc\r\n(  )\r\n(o)\r\n(  )\r\n" << "Eva" << "Adam" << "12" << false << true << false << 6 << QList<int>{2};
    QTest::newRow("time base without a number gives 0")
        << "Eva\r\nAdam\r\nabc\r\n(  )\r\n(  )\r\n(  )\r\n" << "Eva" << "Adam" << "0" << false << false << false << 6 << QList<int>{2};
    QTest::newRow("fractional time base")
        << "Eva\r\nAdam\r\n7.50\r\n(  )\r\n(  )\r\n(  )\r\n" << "Eva" << "Adam" << "7.5" << false << false << false << 6 << none;
    QTest::newRow("capital O counts as off")
        << "Eva\r\nAdam\r\n10000\r\n(O)\r\n(O)\r\n(O)\r\n" << "Eva" << "Adam" << "10000" << false << false << false << 6 << QList<int>{3, 4, 5};
    QTest::newRow("spaces around the o count as off")
        << "Eva\r\nAdam\r\n10000\r\n( o )\r\n(o )\r\n( o)\r\n" << "Eva" << "Adam" << "10000" << false << false << false << 6 << QList<int>{3, 4, 5};
    QTest::newRow("leading spaces of unquoted items are dropped")
        << "   Eva\r\n Adam\r\n  500\r\n  (o)\r\n (  )\r\n(  )\r\n" << "Eva" << "Adam" << "500" << true << false << false << 6 << none;
    QTest::newRow("unquoted comma stays in the name")
        << "Eva, Adam\r\nPetr\r\n10000\r\n(o)\r\n(o)\r\n(o)\r\n" << "Eva, Adam" << "Petr" << "10000" << true << true << true << 6 << none;
    QTest::newRow("quoted name keeps its comma")
        << "\"Eva, Adam\"\r\nPetr\r\n10000\r\n(o)\r\n(  )\r\n(  )\r\n" << "Eva, Adam" << "Petr" << "10000" << true << false << false << 6 << none;
    QTest::newRow("empty line is an empty name")
        << "\r\nAdam\r\n10000\r\n(  )\r\n(  )\r\n(o)\r\n" << "" << "Adam" << "10000" << false << false << true << 6 << none;
    QTest::newRow("line feeds only, no final line end")
        << "Eva\nAdam\n300\n(o)\n(o)\n(o)" << "Eva" << "Adam" << "300" << true << true << true << 6 << none;
    QTest::newRow("carriage returns only")
        << "Eva\rAdam\r300\r(o)\r(o)\r(o)\r" << "Eva" << "Adam" << "300" << true << true << true << 6 << none;
    QTest::newRow("short file keeps the missing items at their defaults")
        << "Eva\r\nAdam\r\n" << "Eva" << "Adam" << "10000" << false << false << false << 2 << none;
    QTest::newRow("empty text keeps every default")
        << "" << "Tamvel I." << "Tamvel II." << "10000" << false << false << false << 0 << none;

    // A damaged line changes its own setting only.
    QTest::newRow("a quote left open covers its own line")
        << "\"unterminated\r\nAdam\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "unterminated" << "Adam" << "10000" << true << false << true << 6 << QList<int>{0};
    QTest::newRow("a quote left open in the second name")
        << "Eva\r\n\"Adam\r\n500\r\n(o)\r\n(o)\r\n(  )\r\n" << "Eva" << "Adam" << "500" << true << true << false << 6 << QList<int>{1};
    QTest::newRow("a later line ending in a quote does not close an open one")
        << "\"Eva\r\nAdam\"\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "Eva" << "Adam\"" << "10000" << true << false << true << 6 << QList<int>{0};
    QTest::newRow("a quote left open in the last line")
        << "Eva\r\nAdam\r\n10000\r\n(o)\r\n(o)\r\n\"(o)\r\n" << "Eva" << "Adam" << "10000" << true << true << false << 6 << QList<int>{5};
    QTest::newRow("text after the closing quote")
        << "\"Smith\" John\r\nAdam\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "Smith" << "Adam" << "10000" << true << false << true << 6 << QList<int>{0};
    QTest::newRow("spaces after the closing quote do no harm")
        << "\"Eva \"  \r\nAdam\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "Eva " << "Adam" << "10000" << true << false << true << 6 << none;
    QTest::newRow("a name with a comma and no quotes")
        << "Smith, John\r\nNovák, Jan\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "Smith, John" << "Novák, Jan" << "10000" << true << false << true << 6 << none;
    QTest::newRow("time base with a decimal comma keeps its whole part")
        << "Eva\r\nAdam\r\n5,5\r\n(o)\r\n(o)\r\n(o)\r\n" << "Eva" << "Adam" << "5" << true << true << true << 6 << QList<int>{2};
    QTest::newRow("time base with spaces is a number")
        << "Eva\r\nAdam\r\n 12 000 \r\n(o)\r\n(o)\r\n(o)\r\n" << "Eva" << "Adam" << "12000" << true << true << true << 6 << none;
    QTest::newRow("a switch with a typo keeps its default")
        << "Eva\r\nAdam\r\n10000\r\n(x)\r\n(o)\r\n(o)\r\n" << "Eva" << "Adam" << "10000" << false << true << true << 6 << QList<int>{3};
    QTest::newRow("quoted switches")
        << "Eva\r\nAdam\r\n\"10000\"\r\n\"(o)\"\r\n\"(  )\"\r\n\"(o)\"\r\n" << "Eva" << "Adam" << "10000" << true << false << true << 6 << none;
    QTest::newRow("a quoted line end as the game writes it")
        << "\"Eva\r\nNová\"\r\nAdam\r\n10000\r\n(o)\r\n(  )\r\n(o)\r\n" << "Eva\r\nNová" << "Adam" << "10000" << true << false << true << 6 << none;
    QTest::newRow("a quoted line end and a damaged switch")
        << "\"Eva\r\nNová\"\r\nAdam\r\n10000\r\n(o)\r\n(x)\r\n(o)\r\n" << "Eva\r\nNová" << "Adam" << "10000" << true << false << true << 6 << QList<int>{4};
    QTest::newRow("one line of six items, as earlier versions read")
        << "\"Eva, Nová\",\"Adam\",10000,(o),(  ),(o)\r\n" << "Eva, Nová" << "Adam" << "10000" << true << false << true << 6 << none;
    QTest::newRow("one line of two items is one name")
        << "Eva,Adam\r\n" << "Eva,Adam" << "Tamvel II." << "10000" << false << false << false << 1 << none;
    // clang-format on
}

void NumConvTest::settingsFileReads() {
    QFETCH(QString, file);
    const settingsfile::Settings s = settingsfile::read(file);
    QTEST(s.name1, "name1");
    QTEST(s.name2, "name2");
    QTEST(s.timeBase, "timeBase");
    QTEST(s.sound, "sound");
    QTEST(s.music, "music");
    QTEST(s.fullScreen, "fullScreen");
    QTEST(s.itemsRead, "items");
    QTEST(s.damagedItems, "damaged");
}

void NumConvTest::itemsSurviveWriteAndRead_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << "Tamvel I.";
    QTest::newRow("comma") << "Eva, Adam";
    QTest::newRow("double quote inside") << "Eva \"Bláha\" Nová";
    QTest::newRow("double quote first") << "\"Eva\"";
    QTest::newRow("lone double quote") << "\"";
    QTest::newRow("leading spaces") << "   Eva";
    QTest::newRow("line end inside") << QStringLiteral("Eva\r\nAdam");
    QTest::newRow("byte order mark first") << (QString(QChar(0xFEFF)) + QStringLiteral("Eva"));
    QTest::newRow("trailing spaces") << "Eva  ";
    QTest::newRow("only spaces") << "  ";
    QTest::newRow("Czech letters") << QString::fromUtf8("Šárka Žluťoučká");
    QTest::newRow("looks like a switch") << "(o)";
    QTest::newRow("empty") << "";
}

// Each name goes through both name items, and the file passes through its bytes as the program stores it.
void NumConvTest::itemsSurviveWriteAndRead() {
    QFETCH(QString, name);
    const QString file = settingsfile::write({name, "X" + name, "2500", kOn, kOff, kOn});
    const settingsfile::Settings s = settingsfile::read(textcodec::decode(file.toUtf8()));
    QCOMPARE(s.name1, name);
    QCOMPARE(s.name2, "X" + name);
    QCOMPARE(s.timeBase, QStringLiteral("2500"));
    QCOMPARE(s.sound, true);
    QCOMPARE(s.music, false);
    QCOMPARE(s.fullScreen, true);
    QCOMPARE(s.itemsRead, 6);
    QCOMPARE(s.damagedItems, QList<int>{});
}

void NumConvTest::plainItemsAreWrittenAsLinesWithCrLf() {
    const QString file = settingsfile::write({"Tamvel I.", "Tamvel II.", "10000", kOn, kOff, kOff});
    QCOMPARE(file, QStringLiteral("Tamvel I.\r\nTamvel II.\r\n10000\r\n(o)\r\n(  )\r\n(  )\r\n"));
}

// With a NUL in every other byte, a saved n.dat would be taken for UTF-16 and read back as one long name.
void NumConvTest::namesLoseTheirNulCharacters() {
    QString name;
    for (int i = 0; i < 200; ++i)
        name += QChar(0) + QStringLiteral("a");
    const QString file = settingsfile::write({name, "Adams", "10000", kOn, kOff, kOn});
    QVERIFY(!file.contains(QChar(0)));
    const settingsfile::Settings s = settingsfile::read(textcodec::decode(file.toUtf8()));
    QCOMPARE(s.name1, QString(200, u'a'));
    QCOMPARE(s.name2, QStringLiteral("Adams"));
    QCOMPARE(s.itemsRead, 6);
    QCOMPARE(s.damagedItems, QList<int>{});
    const settingsfile::Settings damaged = settingsfile::read(name + "\r\nAdams\r\n");
    QCOMPARE(damaged.name1, QString(200, u'a'));
    QCOMPARE(damaged.damagedItems, QList<int>{0});
}

QTEST_GUILESS_MAIN(NumConvTest)
#include "tst_numbers.moc"
