#include "game/game.h"

#include "game/game_clock.h"
#include "game/settings_store.h"

CGame::CGame(const CGameSnapshot* snapshot) {
    quiet = ReadSettingDword(kSettingsKey, "Quiet") != 0;
    // The store keeps the difficulty plus one, so that 0 means Medium.
    const std::uint32_t stored = ReadSettingDword(kSettingsKey, "Difficulty");
    SetDifficulty(stored == 0 ? 1 : stored - 1);
    snapSoundOn = ReadSettingDword(kSettingsKey, "QuietSnapin") == 0;
    explodeSoundOn = ReadSettingDword(kSettingsKey, "QuietExplode") == 0;

    ClearMarks(0xFF);
    ClearLattice();

    ClearGems();
    centre = new CGem;
    centre->colour = kCentreColour;
    PlaceGem(centre, {0, 0});
    lattice.Append(centre);
    SpawnGem();
    GameClock::Initialise();
    nextStepTime = nextSpawnTime = 0;
    score = 0;
    nextBombScore = kBombScoreStep;
    bombs = 1;
    over = false;
    paused = true;
    started = false;

    if (snapshot == nullptr) {
        return;
    }
    for (std::int32_t i = 0; i < snapshot->fallingCount; ++i) {
        const CSnapshotGem& record = snapshot->falling[i];
        CGem* gem = new CGem;
        gem->x = record.x;
        gem->y = record.y;
        gem->colour = record.colour;
        gem->orientation = record.orientation;
        falling.Append(gem);
    }
    for (std::int32_t i = 0; i < snapshot->latticeCount; ++i) {
        const CSnapshotGem& record = snapshot->lattice[i];
        CGem* gem = new CGem;
        gem->x = record.x;
        gem->y = record.y;
        gem->colour = record.colour;
        PlaceGem(gem, {record.cellA, record.cellB});
        lattice.Append(gem);
    }
    bombs = snapshot->bombs;
    spawnInterval = snapshot->spawnInterval;
}

CGame::~CGame() {
    ClearGems();
}

void CGame::ClearGems() {
    for (CGemList* list : {&lattice, &falling, &exploding}) {
        while (!list->IsEmpty()) {
            CGem* gem = list->Head();
            CGemList::Unlink(gem);
            DiscardGem(gem);
        }
    }
    delete pending;
    pending = nullptr;
}

void CGame::SetDifficulty(std::uint32_t d) {
    difficulty = d;
    switch (d) {
        case 0:
            fallSpeed = kEasySpeed;
            spawnInterval = 4800;
            break;
        case 1:
            fallSpeed = kMediumSpeed;
            spawnInterval = 3400;
            break;
        case 2:
            fallSpeed = kHardSpeed;
            spawnInterval = 2000;
            break;
        default:
            break;
    }
}
