#pragma once
// The random generator of the game: the minimal standard generator
// (multiplier 16807, modulus 2^31 - 1), so every seed replays the same game.
// One per thread, as the game clock is.

#include <cstdint>

class GameRandom {
  public:
    static void Seed(std::uint32_t value) { state = value; }
    static std::uint32_t Next();

    static thread_local std::uint32_t state;
};
