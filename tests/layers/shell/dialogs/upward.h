// Planted for the layer check: a dialog does not steer the view.
#include "shell/view/torvane_view.h"
