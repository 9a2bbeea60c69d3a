// Planted for the layer check: the core must not see the application.
#include "shell/frame/main_frame.h"
