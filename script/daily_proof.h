#pragma once
// What makes a replay the daily game of the date it claims: its gems are that
// date's number, it is played at Medium from start to end, and it holds only
// the lines the recorder writes (a script could set up any board). It follows
// the lines as the replay is played, before each is played.

#include <cstdint>
#include <string>
#include <string_view>

#include "game/game_number.h"

class CDailyProof {
  public:
    explicit CDailyProof(const GameDate& date) : number_(DailyGameNumber(date)) {}

    // False once a line shows that this is not the daily game.
    bool Allows(std::string_view line);
    // All the lines were allowed and they made one game.
    bool Complete() const { return games_ == 1; }

  private:
    std::uint32_t number_;
    bool seeded_ = false;
    int games_ = 0;
};

// "7 Dec 2026": the date as the runner prints it in its English messages.
std::string EnglishDateText(const GameDate& date);
