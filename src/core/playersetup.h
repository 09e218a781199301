// Who plays each side: a person, or the computer at a level. Kept per user in its own small text file.
#pragma once

#include "computerplayer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

class PlayerSetup {
public:
    // Two people, the game as it has always been.
    PlayerSetup() = default;

    // side is 1 or 2; other sides read as a person and are never changed.
    bool isComputer(int side) const { return computerLevel(side).has_value(); }
    std::optional<computer::Level> computerLevel(int side) const;
    void setPerson(int side);
    void setComputer(int side, computer::Level level);

    // One line a side, "1 person" or "2 computer hard". A text that is not exactly two such lines, one
    // for each side, gives the default of two people.
    static PlayerSetup fromText(QByteArrayView text);
    QByteArray toText() const;

    bool operator==(const PlayerSetup&) const = default;

private:
    std::array<std::optional<computer::Level>, 2> sides_{};
};
