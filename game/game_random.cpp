#include "game/game_random.h"

thread_local std::uint32_t GameRandom::state = 1;

std::uint32_t GameRandom::Next() {
    // Schrage's method keeps every product inside 32 bits.
    const std::uint32_t hi = state / 127773u;
    const std::uint32_t lo = state % 127773u;
    const std::int32_t t = static_cast<std::int32_t>(16807u * lo - 2836u * hi);
    state = t > 0 ? static_cast<std::uint32_t>(t) : static_cast<std::uint32_t>(t) + 2147483647u;
    return state;
}
