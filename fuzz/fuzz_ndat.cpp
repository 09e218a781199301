// n.dat bytes -> textcodec::decode -> settingsfile::read. What was read, written the way the game saves it
// (write, then UTF-8) and read back, must come back unchanged: names with commas, quotes and spaces too.
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

void checkRoundTrip(const Items& items) {
    const settingsfile::Settings back = saveAndLoad(items);
    FUZZ_CHECK(back.itemsRead == 6);
    FUZZ_CHECK_EQ(back.name1, items[0]);
    FUZZ_CHECK_EQ(back.name2, items[1]);
    FUZZ_CHECK(back.sound == (items[3] == settingsfile::kOn));
    FUZZ_CHECK(back.music == (items[4] == settingsfile::kOn));
    FUZZ_CHECK(back.fullScreen == (items[5] == settingsfile::kOn));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = textcodec::decode(bytes);
    const settingsfile::Settings s = settingsfile::read(text);
    FUZZ_CHECK(s.itemsRead >= 0 && s.itemsRead <= 6);
    if (text.isEmpty()) FUZZ_CHECK(s.itemsRead == 0);

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
    return 0;
}
