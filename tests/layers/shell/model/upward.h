// Planted for the layer check: the board model knows no widget.
#include "shell/view/torvane_view.h"
