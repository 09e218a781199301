// The two players. The fox plays on the right, the owl on the left; the settings file keeps the owl's
// name first and the fox's second.
#pragma once

#include "board.h"

#include <cstdint>
#include <optional>

class Player {
public:
    static constexpr Player fox() { return Player(1); }
    static constexpr Player owl() { return Player(2); }
    // 1 the fox, 2 the owl: how the pictures and the tests count them.
    static constexpr Player fromNumber(int n) { return Player(n == 1 ? 1 : 2); }
    // The owner of a cell in that state: none for a free cell or none at all.
    static constexpr std::optional<Player> owning(std::uint8_t cellState) {
        if (cellState == board::cellPlayer1) return fox();
        if (cellState == board::cellPlayer2) return owl();
        return std::nullopt;
    }

    constexpr Player opponent() const { return Player(3 - number_); }
    constexpr bool isFox() const { return number_ == 1; }
    constexpr bool isOwl() const { return number_ == 2; }
    constexpr int number() const { return number_; }
    // The state of the cells it owns.
    constexpr board::CellState pieces() const { return isFox() ? board::cellPlayer1 : board::cellPlayer2; }
    constexpr bool operator==(const Player&) const = default;

private:
    constexpr explicit Player(int number) : number_(number) {}
    int number_;
};
