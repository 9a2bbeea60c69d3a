#include "script/sim_commands.h"

#include "script/sim_runner.h"
#include "script/sim_scores.h"

void RegisterExtraSimCommands(CSimRunner& runner) {
    RegisterScoreSimCommands(runner);
}
