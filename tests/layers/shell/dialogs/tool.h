// Planted for the layer check: the product must not use a tool.
#include "tools/robot/robot_player.h"
