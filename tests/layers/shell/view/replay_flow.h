// Planted for the layer check: a flow does not call another flow; the board
// session routes between them.
#include "shell/view/game_over_flow.h"
#include "shell/view/replay_keeper.h"
