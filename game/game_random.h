#pragma once
// The one process-wide random generator: the minimal standard generator
// (multiplier 16807, modulus 2^31 - 1), so every seed replays the same game.

#include <cstdint>

class GameRandom {
  public:
    static void Seed(std::uint32_t value) { state = value; }
    static std::uint32_t Next();

    static std::uint32_t state;
};
