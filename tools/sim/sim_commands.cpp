#include "tools/sim/sim_commands.h"

#include "tools/sim/sim_runner.h"
#include "tools/sim/sim_scores.h"

void RegisterExtraSimCommands(CSimRunner& runner) {
    RegisterScoreSimCommands(runner);
}
