#pragma once
// The daily game's dates as the player reads them, and the player's today.

#include <QString>

#include "game/game_number.h"

// "7 Dec 2026", in the reader's language.
QString LocalDateText(const GameDate& date);
// The same from YYYY-MM-DD; the text itself when it is no date.
QString LocalDateText(const std::string& iso);
// The date of the player's calendar, in their time zone.
GameDate TodaysDate();
