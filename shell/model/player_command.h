#pragma once
// What the player does to the game on the board, as a value: the view turns
// pointer, wheel and keys into these, and the board model carries them out.

#include <cstdint>

struct PlayerCommand {
    enum class Kind {
        TurnTo,   // the wheel to `angle`
        BombBox,  // a double click at board pixel `x`, `y`
        DropBomb,
        PausePlay,
        QuitGame,
    };
    Kind kind = Kind::PausePlay;
    double angle = 0.0;
    std::int32_t x = 0;
    std::int32_t y = 0;

    static PlayerCommand Turn(double to) { return {Kind::TurnTo, to, 0, 0}; }
    static PlayerCommand Click(std::int32_t atX, std::int32_t atY) {
        return {Kind::BombBox, 0.0, atX, atY};
    }
    static PlayerCommand Of(Kind kind) { return {kind, 0.0, 0, 0}; }
};
