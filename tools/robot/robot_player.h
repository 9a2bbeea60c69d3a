#pragma once
// A robot that plays Torvane for soak and memory tests. It looks at the game
// only through what the board shows (the gems, the wheel angle, the bombs in
// hand) and answers with what a player's hand would do: a wheel angle to turn
// to and, now and then, a bomb.
//
// Its aim is greedy and deliberately simple: for the falling gem nearest the
// centre it tries wheel angles around the current one, predicts where the gem
// would stick, and prefers a cell that touches gems of the same colour and
// lies close to the centre. A prediction is rebuilt only when the board
// changes, so the robot costs little per timer message.

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

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
    // Chance per move of dropping a bomb when one is in hand and none falls.
    double bombChance = 0.002;
    // A cluster whose outermost gem lies this far out makes the robot drop a
    // bomb as soon as it has one.
    double crowdedRadius = 220.0;
    // Aims every gem at the cell farthest out: a spike reaches the rim after
    // a couple of dozen gems, for tests that need many short games.
    bool reckless = false;
};

class CRobotPlayer {
  public:
    explicit CRobotPlayer(std::uint32_t seed, RobotStyle style = {});

    // What to do now. The game is only read.
    RobotMove Decide(const CGame& game);

    // Where a gem falling from screen polar angle `theta` at radius `r` would
    // stick with the wheel at `wheelAngle`, or nothing when it would touch
    // nothing. The prediction follows the contact and snapping rules but not
    // the step size, so a gem that grazes a corner may end up one cell off.
    static std::optional<Cell> PredictLanding(const CGame& game, double r, double theta,
                                              double wheelAngle);

  private:
    struct Plan {
        const CGem* target = nullptr;
        int latticeCount = -1;
        bool aimed = false;
        int targetRing = 1;  // the ring of cells the builder colour fills
        double wheelAngle = 0.0;
    };

    struct ChainReach {
        int sectors = 0;     // sixty-degree sectors around the centre it covers
        int neighbours = 0;  // same-coloured gems next to the new one
    };

    void MakePlan(const CGame& game, const CGem* target);
    double Value(const CGame& game, const CGem& gem, Cell landing) const;
    // The chain a gem of `colour` would join at `landing`; leaves its cells
    // marked with the current epoch for ShutsCentreIn.
    ChainReach Reach(const CGame& game, Cell landing, std::int32_t colour) const;
    bool ShutsCentreIn() const;
    int TargetRing(const CGame& game) const;

    RobotStyle style_;
    std::mt19937 random_;
    Plan plan_;
    std::int32_t builder_;
    // Scratch marks of the chain walk and fill, one per cell, told apart by epoch.
    mutable std::vector<std::uint32_t> seen_;
    mutable std::uint32_t epoch_ = 0;
};
