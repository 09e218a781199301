// n.dat bytes -> textcodec::decode -> settingsfile::read. What was read, written the way the game saves it
// (write, then UTF-8) and read back, must come back unchanged: names with commas, quotes and spaces too.
// A line of a saved file replaced by junk from the input changes that setting alone.
#include "fuzzcheck.h"
#include "numbers.h"
#include "settingsfile.h"
#include "textcodec.h"
#include "textfit.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using Items = std::array<QString, 6>;

const QString& flag(bool on) {
    return on ? settingsfile::kOn : settingsfile::kOff;
}

settingsfile::Settings saveAndLoad(const Items& items) {
    return settingsfile::read(textcodec::decode(settingsfile::write(items).toUtf8()));
}

bool isSwitch(const QString& item) {
    return item == settingsfile::kOn || item == settingsfile::kOff;
}

void checkDamageList(const settingsfile::Settings& s) {
    for (qsizetype i = 0; i < s.damagedItems.size(); ++i) {
        FUZZ_CHECK(s.damagedItems[i] >= 0 && s.damagedItems[i] < s.itemsRead);
        if (i > 0) FUZZ_CHECK(s.damagedItems[i - 1] < s.damagedItems[i]);
    }
}

void checkRoundTrip(const Items& items) {
    const settingsfile::Settings back = saveAndLoad(items);
    FUZZ_CHECK(back.itemsRead == 6);
    FUZZ_CHECK_EQ(back.name1, items[0]);
    FUZZ_CHECK_EQ(back.name2, items[1]);
    FUZZ_CHECK(back.sound == (items[3] == settingsfile::kOn));
    FUZZ_CHECK(back.music == (items[4] == settingsfile::kOn));
    FUZZ_CHECK(back.fullScreen == (items[5] == settingsfile::kOn));
    // What the game writes is never damaged, but for a switch it could not have written.
    QList<int> damaged;
    if (!numbers::isNumber(items[2])) damaged << 2;
    for (int k = 3; k < 6; ++k)
        if (!isSwitch(items[static_cast<std::size_t>(k)])) damaged << k;
    FUZZ_CHECK(back.damagedItems == damaged);
}

// Any one line of a saved file replaced by junk changes that item alone. Not for names with line ends,
// which take more than one line, nor junk with NULs (the first bytes of a file alternating with NULs
// are UTF-16).
void checkDamageStaysOnItsLine(const Items& items, const QString& junk) {
    for (const QString& item : items)
        if (item.contains(u'\r') || item.contains(u'\n')) return;
    if (junk.contains(QChar(0))) return;
    const settingsfile::Settings saved = saveAndLoad(items);
    for (int k = 0; k < 6; ++k) {
        QStringList lines = textcodec::splitLines(settingsfile::write(items));
        FUZZ_CHECK(lines.size() == 6);
        lines[k] = junk;
        const settingsfile::Settings s =
            settingsfile::read(textcodec::decode((lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8()));
        FUZZ_CHECK(s.itemsRead == 6);
        checkDamageList(s);
        for (int j = 0; j < 6; ++j)
            if (j != k) FUZZ_CHECK(s.damagedItems.contains(j) == saved.damagedItems.contains(j));
        if (k != 0) FUZZ_CHECK_EQ(s.name1, saved.name1);
        if (k != 1) FUZZ_CHECK_EQ(s.name2, saved.name2);
        if (k != 2) FUZZ_CHECK_EQ(s.timeBase, saved.timeBase);
        if (k != 3) FUZZ_CHECK(s.sound == saved.sound);
        if (k != 4) FUZZ_CHECK(s.music == saved.music);
        if (k != 5) FUZZ_CHECK(s.fullScreen == saved.fullScreen);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = textcodec::decode(bytes);
    const settingsfile::Settings s = settingsfile::read(text);
    FUZZ_CHECK(s.itemsRead >= 0 && s.itemsRead <= 6);
    if (text.isEmpty()) FUZZ_CHECK(s.itemsRead == 0);
    checkDamageList(s);
    // NULs never reach a setting: a saved file with them could be taken for UTF-16.
    FUZZ_CHECK(!s.name1.contains(QChar(0)) && !s.name2.contains(QChar(0)));

    // Val saturates instead of giving infinities, whatever the text.
    FUZZ_CHECK(std::isfinite(numbers::leadingNumber(text)));

    // The time base is stored cleaned; cleaning it again changes nothing.
    const double base = numbers::leadingNumber(s.timeBase);
    FUZZ_CHECK(std::isfinite(base));
    FUZZ_CHECK_EQ(numbers::formatNumber(base), s.timeBase);
    const int period = textfit::tickPeriod(static_cast<int>(text.size()), base);
    FUZZ_CHECK(period >= 0 && period <= 65535);

    const Items items{s.name1, s.name2, s.timeBase, flag(s.sound), flag(s.music), flag(s.fullScreen)};
    checkRoundTrip(items);
    const settingsfile::Settings back = saveAndLoad(items);
    FUZZ_CHECK_EQ(back.timeBase, s.timeBase);

    // Names as typed, not only as read: the input split at its first two NULs, line ends left out
    // (a one-line edit box cannot hold them).
    const QStringList parts = text.split(QChar(0));
    Items typed{parts.value(0), parts.value(1), QStringLiteral("10000"),
                flag(false),    flag(true),     flag(false)};
    if (parts.size() > 2) typed[3] = parts[2];
    for (QString& t : typed)
        t.remove(u'\r').remove(u'\n');
    checkRoundTrip(typed);

    checkDamageStaysOnItsLine(items, textcodec::splitLines(text).value(0));
    checkDamageStaysOnItsLine(typed, textcodec::splitLines(text).value(1));
    return 0;
}
