#pragma once
// What the player is told about the settings file: that a damaged one was
// set aside, and, once a run, that a setting could not be saved. The box
// opens from the event loop, never from inside the store's read or write.

class CSettingsFile;

void TellPlayerAboutSettings(CSettingsFile& store);
