#pragma once
// What the store has to tell the player about the settings file, in a
// message box that opens from the event loop, never from inside the store's
// read or write.

class CSettingsFile;

void TellPlayerAboutSettings(CSettingsFile& store);
