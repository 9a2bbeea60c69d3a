#include "game/board_centre.h"

std::int32_t boardCentreX = 0;
std::int32_t boardCentreY = 0;
