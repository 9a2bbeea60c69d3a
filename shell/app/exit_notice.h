#pragma once
// What could not be done on the program's way out (a game not kept, settings
// or history not written). Closed by the player, the program says so in a
// message box; told to stop by a signal, it prints it on standard error
// instead: nobody may be there to click, and a stop must never wait.

#include <QString>

void TellOnTheWayOut(const QString& message, bool stopSignal);
