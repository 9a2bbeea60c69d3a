#pragma once
// A robot that plays Torvane for the soak, memory and config-file tests. It
// reads the board as a player sees it and answers with what a hand would do:
// a wheel angle to turn to and, now and then, a bomb.
//
// Its aim is greedy: for the falling gem nearest the centre it tries wheel
// angles around the current one, asks the game's own snapping rule where the
// gem would stick, and scores the cell. One colour, the builder, fills the
// innermost ring of cells no other colour has spoilt; the others keep off it.
// That closes rings often enough to exercise explosions and bombs.

#include <cstdint>
#include <random>

#include "game/game.h"

struct RobotMove {
    double wheelAngle = 0.0;
    bool dropBomb = false;
};

struct RobotStyle {
    // Chance that a gem is aimed at all; the rest fall where the wheel stands.
    double aimChance = 0.9;
    // Largest turn per move, in radians: a quick hand dragging the wheel.
    double maxTurn = 0.3;
    // Chance per move of dropping a bomb when one is in hand and none falls;
    // a cluster reaching 220 pixels out gets one at once.
    double bombChance = 0.002;
    // Aims every gem at the cell farthest out: games a couple of dozen gems
    // long, for tests that need many of them.
    bool reckless = false;
};

class CRobotPlayer {
  public:
    explicit CRobotPlayer(std::uint32_t seed, RobotStyle style = {})
        : style_(style), random_(seed), builder_(static_cast<std::int32_t>(seed % 3)) {}

    // What to do now. The game is only read.
    RobotMove Decide(const CGame& game);

  private:
    double Value(const CGame& game, std::int32_t colour, Cell cell) const;

    RobotStyle style_;
    std::mt19937 random_;
    std::int32_t builder_;
    // The plan lasts while the target gem and the cluster stay the same.
    const CGem* target_ = nullptr;
    int latticeCount_ = -1;
    bool aimed_ = false;
    int ring_ = 1;
    double aim_ = 0.0;
};
