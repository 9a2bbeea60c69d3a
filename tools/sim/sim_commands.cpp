#include "tools/sim/sim_commands.h"

#include "tools/sim/sim_runner.h"

void RegisterExtraSimCommands(CSimRunner& runner) {
    (void)runner;
}
