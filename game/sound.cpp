#include "game/sound.h"

namespace {
thread_local ISoundPlayer* g_player = nullptr;
}

void SetSoundPlayer(ISoundPlayer* player) {
    g_player = player;
}
ISoundPlayer* GetSoundPlayer() {
    return g_player;
}
