// Planted for the layer check: the script player does not paint.
#include "game/game.h"
#include "render/board_renderer.h"
