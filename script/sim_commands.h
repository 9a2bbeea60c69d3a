#pragma once
// Commands beyond the core ones: each group registers itself here.

class CSimRunner;

void RegisterExtraSimCommands(CSimRunner& runner);
