#pragma once
// Game numbers: the seed a game's random generator starts from, so that a
// number names the same gems in the same order on every machine. And the
// daily game: a number that a calendar date alone decides.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The generator (game_random.h) multiplies modulo 2^31 - 1: from 0 and from
// 2147483647 it yields one value forever, and a larger seed plays as a
// smaller one. So the numbers that name different games are these.
inline constexpr std::uint32_t kFirstGameNumber = 1;
inline constexpr std::uint32_t kLastGameNumber = 2147483646;

bool IsGameNumber(std::uint64_t number);
// Digits alone (spaces around them allowed), within the numbers above.
std::optional<std::uint32_t> ParseGameNumber(std::string_view text);

// A date of the proleptic Gregorian calendar.
struct GameDate {
    int year = 1970;
    unsigned month = 1;
    unsigned day = 1;

    bool operator==(const GameDate&) const = default;
};

// YYYY-MM-DD, as replays write it; none for another text or no such day.
std::optional<GameDate> ParseGameDate(std::string_view text);
std::string GameDateText(const GameDate& date);

// The daily game's number. Never to change, or the replays of past days stop
// proving anything: d is the count of days from 1970-01-01 (negative before),
// taken as a 64-bit two's complement number, mixed as SplitMix64 mixes:
//     z = d + 0x9E3779B97F4A7C15
//     z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9
//     z = (z ^ (z >> 27)) * 0x94D049BB133111EB
//     z = z ^ (z >> 31)
// all modulo 2^64, and the number is 1 + z mod 2147483646.
std::uint32_t DailyGameNumber(const GameDate& date);
