#include "playersetup.h"

#include <QList>
#include <algorithm>

namespace {
struct LevelName {
    computer::Level level;
    const char* name;
};
constexpr std::array<LevelName, 3> kLevelNames{{
    {computer::Level::Easy, "easy"},
    {computer::Level::Medium, "medium"},
    {computer::Level::Hard, "hard"},
}};

bool isSide(int side) {
    return side == 1 || side == 2;
}
} // namespace

std::optional<computer::Level> PlayerSetup::computerLevel(int side) const {
    if (!isSide(side)) return std::nullopt;
    return sides_[static_cast<std::size_t>(side - 1)];
}

void PlayerSetup::setPerson(int side) {
    if (isSide(side)) sides_[static_cast<std::size_t>(side - 1)].reset();
}

void PlayerSetup::setComputer(int side, computer::Level level) {
    if (isSide(side)) sides_[static_cast<std::size_t>(side - 1)] = level;
}

PlayerSetup PlayerSetup::fromText(QByteArrayView text) {
    PlayerSetup setup;
    std::array<bool, 2> seen{};
    const QList<QByteArray> lines = QByteArray(text.data(), text.size()).split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 1 && words.front().isEmpty()) continue; // a blank line
        bool isNumber = false;
        const int side = words.front().toInt(&isNumber);
        if (!isNumber || !isSide(side) || seen[static_cast<std::size_t>(side - 1)]) return {};
        seen[static_cast<std::size_t>(side - 1)] = true;
        if (words.size() == 2 && words[1] == "person") continue;
        if (words.size() != 3 || words[1] != "computer") return {};
        const auto named = std::find_if(kLevelNames.begin(), kLevelNames.end(),
                                        [&](const LevelName& l) { return words[2] == l.name; });
        if (named == kLevelNames.end()) return {};
        setup.setComputer(side, named->level);
    }
    if (!seen[0] || !seen[1]) return {};
    return setup;
}

QByteArray PlayerSetup::toText() const {
    QByteArray text;
    for (int side = 1; side <= 2; ++side) {
        text += QByteArray::number(side);
        if (const auto level = computerLevel(side)) {
            const auto named = std::find_if(kLevelNames.begin(), kLevelNames.end(),
                                            [&](const LevelName& l) { return l.level == *level; });
            text += " computer ";
            text += named->name;
        } else {
            text += " person";
        }
        text += '\n';
    }
    return text;
}
