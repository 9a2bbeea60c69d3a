// Planted for the layer check: the script player does not paint.
#include "render/board_renderer.h"
#include "game/game.h"
