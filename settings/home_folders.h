#pragma once
// Where the user's own folders are, settled before anything asks: without
// HOME the folder the user database gives (never "/", where the settings
// and games of everyone would land), and an XDG_*_HOME that is not an
// absolute path ignored, as the XDG base directory rules say.

// Changes the environment: called first thing, while there is one thread.
void SettleHomeFolders();
