#include <cstdint>

#include "game/game.h"
#include "game/settings_store.h"
#include "game/sound.h"

void CGame::AddScore(std::uint32_t points) {
    score += points;
    if (score < nextBombScore) {
        return;
    }
    // Thresholds passed while five bombs are held are lost, not saved up.
    do {
        if (bombs < kMaxBombs) {
            ++bombs;
        }
        if (nextBombScore > UINT32_MAX - kBombScoreStep) {
            // No threshold lies above a score this close to the limit.
            nextBombScore = UINT32_MAX;
            break;
        }
        nextBombScore += kBombScoreStep;
    } while (score >= nextBombScore);
}

void CGame::PlayCue(int cue, unsigned extraFlags) const {
    if (quiet) {
        return;
    }
    if ((cue == kSnapCue && !snapSoundOn) || (cue == kExplodeCue && !explodeSoundOn)) {
        return;
    }
    if (ISoundPlayer* player = GetSoundPlayer()) {
        player->Play(cue, extraFlags);
    }
}

void CGame::ReadSoundSwitches() {
    quiet = ReadSettingDword(kSettingsKey, "Quiet") != 0;
    snapSoundOn = ReadSettingDword(kSettingsKey, "QuietSnapin") == 0;
    explodeSoundOn = ReadSettingDword(kSettingsKey, "QuietExplode") == 0;
}
