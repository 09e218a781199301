// The wins of each player since the program started, for as long as the players keep their names:
// a new name is a new player, and the count starts again. Kept in memory only.
#pragma once

#include "player.h"

#include <QString>
#include <array>

class Score {
public:
    int winsOf(Player p) const { return wins_[index(p)]; }
    void addWin(Player p) { ++wins_[index(p)]; }
    // The names the players go by now (the owl's first); any change starts the count again.
    void followNames(const QString& owlName, const QString& foxName) {
        if (owlName == owlName_ && foxName == foxName_) return;
        owlName_ = owlName;
        foxName_ = foxName;
        wins_ = {};
    }

private:
    static std::size_t index(Player p) { return p.isOwl() ? 0 : 1; }

    std::array<int, 2> wins_{};
    QString owlName_, foxName_;
};
